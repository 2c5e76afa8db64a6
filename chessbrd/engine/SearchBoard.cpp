#include "SearchBoard.h"

#include "EngineTables.h"

#include <bit>

namespace tablerix {

using namespace EngineTables;

namespace {

constexpr int FileOf(int s) noexcept { return s & 7; }

constexpr std::int32_t kCaptureBase = 1000000;

// For bishop, rook and queen: the Rays index of each of its directions.
constexpr std::array<std::array<int, 8>, 5> SliderRays = {{
    {}, {}, {0, 2, 5, 7}, {1, 3, 4, 6}, {0, 1, 2, 3, 4, 5, 6, 7},
}};

const SearchBoard::SquareTableSet kNoSquareTable{};

}  // namespace

SearchBoard::SearchBoard() noexcept : squareTable_(&kNoSquareTable) {
    Colour.fill(kNoColour);
    Piece.fill(kNoPiece);
}

void SearchBoard::SetSquare(int s, int colour, int type) noexcept {
    Colour[s] = colour;
    Piece[s] = type;
    const std::uint64_t bit = std::uint64_t{1} << s;
    PieceSet[colour][type] |= bit;
    ColourSet[colour] |= bit;
    TableScore[colour] += (*squareTable_)[colour][type][s];
}

void SearchBoard::AttachSquareTable(const SquareTableSet* table) noexcept {
    squareTable_ = table != nullptr ? table : &kNoSquareTable;
    TableScore = {0, 0};
    for (int s = 0; s < 64; ++s)
        if (Colour[s] != kNoColour) TableScore[Colour[s]] += (*squareTable_)[Colour[s]][Piece[s]][s];
}

void SearchBoard::EmptySquare(int s) noexcept {
    const int colour = Colour[s];
    if (colour != kNoColour) {
        const std::uint64_t keep = ~(std::uint64_t{1} << s);
        PieceSet[colour][Piece[s]] &= keep;
        ColourSet[colour] &= keep;
        TableScore[colour] -= (*squareTable_)[colour][Piece[s]][s];
    }
    Colour[s] = kNoColour;
    Piece[s] = kNoPiece;
}

void SearchBoard::Load(const PositionSnapshot& pos) noexcept {
    int kings[2] = {0, 0};
    for (auto& sets : PieceSet) sets.fill(0);
    ColourSet.fill(0);
    TableScore = {0, 0};
    for (int s = 0; s < 64; ++s) {
        const char c = pos.Squares[s];
        int type = kNoPiece;
        switch (c | 0x20) {
            case 'p': type = kPawn; break;
            case 'n': type = kKnight; break;
            case 'b': type = kBishop; break;
            case 'r': type = kRook; break;
            case 'q': type = kQueen; break;
            case 'k': type = kKing; break;
            default: break;
        }
        Colour[s] = kNoColour;
        Piece[s] = kNoPiece;
        if (type == kNoPiece) continue;
        SetSquare(s, c >= 'a' ? kBlack : kWhite, type);
        if (type == kKing) {
            const int colour = Colour[s];
            if (++kings[colour] == 1) kingSquare_[colour] = s;
        }
    }
    for (int c = 0; c < 2; ++c) {
        if (kings[c] == 0) kingSquare_[c] = -1;
        else if (kings[c] > 1) kingSquare_[c] = kScanForKing;
    }

    SideToMove = pos.WhiteToMove ? kWhite : kBlack;
    Opponent = 1 - SideToMove;

    auto stands = [this](int s, int colour, int type) { return Colour[s] == colour && Piece[s] == type; };
    CastleBits = pos.Castling.Bits() & 15;
    if (!stands(60, kWhite, kKing)) CastleBits &= ~3;
    if (!stands(63, kWhite, kRook)) CastleBits &= ~1;
    if (!stands(56, kWhite, kRook)) CastleBits &= ~2;
    if (!stands(4, kBlack, kKing)) CastleBits &= ~12;
    if (!stands(7, kBlack, kRook)) CastleBits &= ~4;
    if (!stands(0, kBlack, kRook)) CastleBits &= ~8;

    const int ep = ToInt(pos.EnPassant) - 1;
    EnPassantSquare = JustPassedOver(ep) ? ep : -1;

    Ply = 0;
    PlyMoves[0] = PlyRange{};
}

// The other side's pawn can just have passed over the square with a double
// push: the square lies on rank 6 (White to move) or rank 3, is empty, the
// pawn stands right in front of it and the square it started from is empty.
// Anything else would let the generator take a piece that is no such pawn (a
// king even) and UndoMove put a pawn back in its place.
bool SearchBoard::JustPassedOver(int square) const noexcept {
    const bool white = SideToMove == kWhite;
    if (white ? (square < 16 || square > 23) : (square < 40 || square > 47)) return false;
    const int landed = white ? square + 8 : square - 8;
    const int started = white ? square - 8 : square + 8;
    return Colour[square] == kNoColour && Colour[started] == kNoColour && Colour[landed] == Opponent &&
           Piece[landed] == kPawn;
}

PositionSnapshot SearchBoard::ToSnapshot() const noexcept {
    PositionSnapshot pos;
    for (int s = 0; s < 64; ++s) {
        if (Piece[s] == kNoPiece) {
            pos.Squares[s] = ' ';
            continue;
        }
        const char letter = "pnbrqk"[Piece[s]];
        pos.Squares[s] = Colour[s] == kWhite ? static_cast<char>(letter - 'a' + 'A') : letter;
    }
    pos.WhiteToMove = SideToMove == kWhite;
    pos.Castling = CastleSet(static_cast<std::uint8_t>(CastleBits));
    pos.EnPassant = EnPassantSquare < 0 ? Square::None : ToSquare(EnPassantSquare + 1);
    return pos;
}

void SearchBoard::Append(int from, int to, int promote, int flags, std::int32_t score) noexcept {
    int& end = PlyMoves[Ply].End;
    if (end >= kMoveStackSize) return;  // a line this long cannot be searched further anyway
    MoveStack[end] = StackedMove{EngineMove{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to),
                                            static_cast<std::uint8_t>(promote), static_cast<std::uint8_t>(flags)},
                                 score};
    ++end;
}

void SearchBoard::PushMove(int from, int to, int flags) noexcept {
    if ((flags & MoveFlags::PawnMove) && (SideToMove == kWhite ? to < 8 : to >= 56)) {
        PushPromotions(from, to, flags);
        return;
    }
    const std::int32_t score = (flags & MoveFlags::Capture) ? kCaptureBase + 10 * Piece[to] - Piece[from]
                                                           : HistoryScore[from][to];
    Append(from, to, 0, flags, score);
}

void SearchBoard::PushPromotions(int from, int to, int flags) noexcept {
    for (int promote = kKnight; promote <= kQueen; ++promote)
        Append(from, to, promote, flags + MoveFlags::Promotion, kCaptureBase + 10 * promote);
}

void SearchBoard::GenerateMoves() noexcept { Generate<false>(); }
void SearchBoard::GenerateCaptures() noexcept { Generate<true>(); }

template <bool CapturesOnly>
void SearchBoard::Generate() noexcept {
    PlyRange& range = PlyMoves[Ply];
    range.End = range.First;
    const int side = SideToMove;
    const int opp = Opponent;

    for (std::uint64_t own = ColourSet[side]; own != 0; own &= own - 1) {
        const int s = std::countr_zero(own);
        const int type = Piece[s];
        if (type == kPawn) {
            // A pawn on its own first or its last rank (only from a hand-made
            // position) has nowhere to go on the board.
            if (side == kWhite) {
                if (s < 8) continue;
                if (FileOf(s) != 0 && Colour[s - 9] == kBlack) PushMove(s, s - 9, 17);
                if (FileOf(s) != 7 && Colour[s - 7] == kBlack) PushMove(s, s - 7, 17);
                if (Colour[s - 8] == kNoColour) {
                    if (!CapturesOnly || s <= 15) PushMove(s, s - 8, 16);
                    if (!CapturesOnly && s >= 48 && s < 56 && Colour[s - 16] == kNoColour) PushMove(s, s - 16, 24);
                }
            } else {
                if (s >= 56) continue;
                if (FileOf(s) != 0 && Colour[s + 7] == kWhite) PushMove(s, s + 7, 17);
                if (FileOf(s) != 7 && Colour[s + 9] == kWhite) PushMove(s, s + 9, 17);
                if (Colour[s + 8] == kNoColour) {
                    if (!CapturesOnly || s >= 48) PushMove(s, s + 8, 16);
                    if (!CapturesOnly && s >= 8 && s <= 15 && Colour[s + 16] == kNoColour) PushMove(s, s + 16, 24);
                }
            }
            continue;
        }
        if (!Slides[type]) {
            // Knight and king steps, in table order, reach ascending squares.
            const std::uint64_t targets = (type == kKnight ? KnightTargets[s] : KingTargets[s]) &
                                          ~ColourSet[side] & (CapturesOnly ? ColourSet[opp] : ~std::uint64_t{0});
            for (std::uint64_t t = targets; t != 0; t &= t - 1) {
                const int n = std::countr_zero(t);
                PushMove(s, n, Colour[n] == opp ? 1 : 0);
            }
            continue;
        }
        if (CapturesOnly) {
            const std::uint64_t occupied = ColourSet[0] | ColourSet[1];
            const auto& rays = SliderRays[type];
            for (int d = 0; d < DirectionCount[type]; ++d) {
                const int r = rays[d];
                const std::uint64_t blockers = Rays[s][r] & occupied;
                if (blockers == 0) continue;
                const int n = r < 4 ? 63 - std::countl_zero(blockers) : std::countr_zero(blockers);
                if (Colour[n] == opp) PushMove(s, n, 1);
            }
            continue;
        }
        const int origin = MailboxIndex[s];
        for (int d = 0; d < DirectionCount[type]; ++d) {
            const int step = Directions[type][d];
            int m = origin;
            for (;;) {
                m += step;
                const int n = Mailbox[m];
                if (n < 0) break;
                if (Colour[n] != kNoColour) {
                    if (Colour[n] == opp) PushMove(s, n, 1);
                    break;
                }
                PushMove(s, n, 0);
            }
        }
    }

    if (!CapturesOnly) {
        if (side == kWhite) {
            if (CastleBits & 1) PushMove(60, 62, 2);
            if (CastleBits & 2) PushMove(60, 58, 2);
        } else {
            if (CastleBits & 4) PushMove(4, 6, 2);
            if (CastleBits & 8) PushMove(4, 2, 2);
        }
    }

    const int ep = EnPassantSquare;
    if (ep != -1) {
        auto ownPawn = [&](int s) { return Colour[s] == side && Piece[s] == kPawn; };
        if (side == kWhite) {
            if (FileOf(ep) != 0 && ownPawn(ep + 7)) PushMove(ep + 7, ep, 21);
            if (FileOf(ep) != 7 && ownPawn(ep + 9)) PushMove(ep + 9, ep, 21);
        } else {
            if (FileOf(ep) != 0 && ownPawn(ep - 9)) PushMove(ep - 9, ep, 21);
            if (FileOf(ep) != 7 && ownPawn(ep - 7)) PushMove(ep - 7, ep, 21);
        }
    }

    if (Ply + 1 < kMaxPly) PlyMoves[Ply + 1].First = range.End;
}

bool SearchBoard::TryMove(EngineMove move) noexcept {
    const int from = move.From;
    const int to = move.To;
    const int flags = move.Flags;
    const int side = SideToMove;
    const int opp = Opponent;

    if (flags & MoveFlags::Castle) {
        if (InCheck(side)) return false;
        auto empty = [this](int s) { return Colour[s] == kNoColour; };
        auto safe = [this, opp](int s) { return !IsAttacked(s, opp); };
        int rookFrom = 0;
        int rookTo = 0;
        switch (to) {
            case 62:
                if (!empty(61) || !empty(62) || !safe(61) || !safe(62)) return false;
                rookFrom = 63, rookTo = 61;
                break;
            case 58:
                if (!empty(57) || !empty(58) || !empty(59) || !safe(58) || !safe(59)) return false;
                rookFrom = 56, rookTo = 59;
                break;
            case 6:
                if (!empty(5) || !empty(6) || !safe(5) || !safe(6)) return false;
                rookFrom = 7, rookTo = 5;
                break;
            case 2:
                if (!empty(1) || !empty(2) || !empty(3) || !safe(2) || !safe(3)) return false;
                rookFrom = 0, rookTo = 3;
                break;
            default:
                return false;
        }
        EmptySquare(rookFrom);
        SetSquare(rookTo, side, kRook);
    }

    UndoRecord& undo = UndoStack[Ply];
    undo.Move = move;
    undo.Captured = Piece[to];
    undo.CastleBits = CastleBits;
    undo.EnPassantSquare = EnPassantSquare;
    undo.KingSquare = kingSquare_;
    ++Ply;

    CastleBits &= CastleRightsMask[from] & CastleRightsMask[to];
    EnPassantSquare = (flags & MoveFlags::DoublePush) ? (side == kWhite ? to + 8 : to - 8) : -1;

    const int type = Piece[from];
    if (type == kKing && kingSquare_[side] >= 0) kingSquare_[side] = to;
    if (undo.Captured == kKing && kingSquare_[opp] >= 0) kingSquare_[opp] = -1;
    EmptySquare(from);
    EmptySquare(to);
    SetSquare(to, side, (flags & MoveFlags::Promotion) ? move.Promote : type);

    if (flags & MoveFlags::EnPassantCapture) {
        EmptySquare(side == kWhite ? to + 8 : to - 8);
    }

    SideToMove = opp;
    Opponent = side;

    if (InCheck(side)) {
        UndoMove();
        return false;
    }
    return true;
}

void SearchBoard::UndoMove() noexcept {
    const int side = Opponent;
    const int opp = SideToMove;
    SideToMove = side;
    Opponent = opp;
    --Ply;
    const UndoRecord& undo = UndoStack[Ply];
    CastleBits = undo.CastleBits;
    EnPassantSquare = undo.EnPassantSquare;
    kingSquare_ = undo.KingSquare;

    const EngineMove move = undo.Move;
    const int from = move.From;
    const int to = move.To;
    SetSquare(from, side, (move.Flags & MoveFlags::Promotion) ? kPawn : Piece[to]);
    EmptySquare(to);
    if (undo.Captured != kNoPiece) SetSquare(to, opp, undo.Captured);

    if (move.Flags & MoveFlags::Castle) {
        int rookFrom = 0;
        int rookHome = 0;
        switch (to) {
            case 62: rookFrom = 61, rookHome = 63; break;
            case 58: rookFrom = 59, rookHome = 56; break;
            case 6: rookFrom = 5, rookHome = 7; break;
            default: rookFrom = 3, rookHome = 0; break;
        }
        EmptySquare(rookFrom);
        SetSquare(rookHome, side, kRook);
    }

    if (move.Flags & MoveFlags::EnPassantCapture) {
        SetSquare(side == kWhite ? to + 8 : to - 8, opp, kPawn);
    }
}

int SearchBoard::FindKing(int colour) const noexcept {
    for (int s = 0; s < 64; ++s)
        if (Piece[s] == kKing && Colour[s] == colour) return s;
    return -1;
}

bool SearchBoard::InCheck(int colour) const noexcept {
    int king = kingSquare_[colour];
    if (king == kScanForKing) king = FindKing(colour);
    if (king < 0) return false;
    return IsAttacked(king, 1 - colour);
}

// Looks outward from the square for each kind of attacker, which gives the
// same answer as following every attacker's rays.
bool SearchBoard::IsAttacked(int square, int by) const noexcept {
    const auto& own = PieceSet[by];
    if (KnightTargets[square] & own[kKnight]) return true;
    if (KingTargets[square] & own[kKing]) return true;
    if (PawnAttackers[by][square] & own[kPawn]) return true;

    const std::uint64_t diagonal = own[kBishop] | own[kQueen];
    const std::uint64_t straight = own[kRook] | own[kQueen];
    if ((diagonal | straight) == 0) return false;
    const std::uint64_t occupied = ColourSet[0] | ColourSet[1];
    for (int d = 0; d < 8; ++d) {
        const std::uint64_t sliders = DiagonalRay[d] ? diagonal : straight;
        const std::uint64_t ray = Rays[square][d];
        if ((ray & sliders) == 0) continue;
        const std::uint64_t blockers = ray & occupied;
        // The nearest blocker: highest number when the ray runs downwards.
        const int nearest = d < 4 ? 63 - std::countl_zero(blockers) : std::countr_zero(blockers);
        if ((sliders >> nearest) & 1) return true;
    }
    return false;
}

}  // namespace tablerix
