#include "SearchBoard.h"

#include "EngineTables.h"

#include <bit>
#include <cassert>
#include <utility>

namespace tablerix {

using namespace EngineTables;

namespace {

constexpr int FileOf(int s) noexcept { return s & 7; }
constexpr int RowOf(int s) noexcept { return s >> 3; }  // 0 is rank 8

constexpr std::int32_t kCaptureBase = 1000000;

// The flag sets the generators push.
constexpr int kQuietMove = 0;
constexpr int kPawnCapture = MoveFlags::PawnMove | MoveFlags::Capture;
constexpr int kPawnDoublePush = MoveFlags::PawnMove | MoveFlags::DoublePush;
constexpr int kEnPassantFlags = kPawnCapture | MoveFlags::EnPassantCapture;

// Per colour: the square step of a pawn's advance and the rows (0 is rank 8)
// it has to know.
struct PawnRows {
    int Forward;
    int Last;        // its promotion rank
    int BeforeLast;  // an advance from here promotes
    int Start;       // a double push starts here
};
constexpr std::array<PawnRows, 2> kPawnRows = {{{-8, 0, 1, 6}, {8, 7, 6, 1}}};

// Either case; kNoPiece for anything but a piece letter.
int PieceTypeOfLetter(char c) noexcept {
    switch (c | 0x20) {
    case 'p': return kPawn;
    case 'n': return kKnight;
    case 'b': return kBishop;
    case 'r': return kRook;
    case 'q': return kQueen;
    case 'k': return kKing;
    default: return kNoPiece;
    }
}

// The castling whose king lands on the square, if any.
const CastlingMove* CastlingTo(int kingTo) noexcept {
    for (const CastlingMove& c : Castlings)
        if (c.KingTo == kingTo) return &c;
    return nullptr;
}

// For bishop, rook and queen: the Rays index of each of its directions.
constexpr std::array<std::array<int, 8>, 5> SliderRays = {{
    {},
    {},
    {0, 2, 5, 7},
    {1, 3, 4, 6},
    {0, 1, 2, 3, 4, 5, 6, 7},
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
    LoadSquares(pos.Squares);
    SideToMove = pos.WhiteToMove ? kWhite : kBlack;
    Opponent = 1 - SideToMove;
    CastleBits = CastleBitsAtHome(pos.Castling.Bits());
    const int ep = ToInt(pos.EnPassant) - 1;
    EnPassantSquare = JustPassedOver(ep) ? ep : -1;
    Ply = 0;
    PlyMoves[0] = PlyRange{};
}

void SearchBoard::LoadSquares(const std::array<char, 64>& letters) noexcept {
    int kings[2] = {0, 0};
    for (auto& sets : PieceSet) sets.fill(0);
    ColourSet.fill(0);
    TableScore = {0, 0};
    for (int s = 0; s < 64; ++s) {
        const char c = letters[s];
        const int type = PieceTypeOfLetter(c);
        Colour[s] = kNoColour;
        Piece[s] = kNoPiece;
        if (type == kNoPiece) continue;
        const int colour = c >= 'a' ? kBlack : kWhite;
        SetSquare(s, colour, type);
        if (type == kKing && ++kings[colour] == 1) kingSquare_[colour] = s;
    }
    for (int c = 0; c < 2; ++c) {
        if (kings[c] == 0) kingSquare_[c] = -1;
        else if (kings[c] > 1) kingSquare_[c] = kScanForKing;
    }
}

// The given bits, less those whose king or rook is not at home.
int SearchBoard::CastleBitsAtHome(int bits) const noexcept {
    auto stands = [this](int s, int colour, int type) { return Colour[s] == colour && Piece[s] == type; };
    bits &= kAllCastleBits;
    for (const CastlingMove& c : Castlings)
        if (!stands(c.KingFrom, c.Side, kKing) || !stands(c.RookFrom, c.Side, kRook)) bits &= ~c.Right;
    return bits;
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
    const std::int32_t score =
        (flags & MoveFlags::Capture) ? kCaptureBase + 10 * Piece[to] - Piece[from] : HistoryScore[from][to];
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
    for (std::uint64_t own = ColourSet[SideToMove]; own != 0; own &= own - 1) {
        const int s = std::countr_zero(own);
        const int type = Piece[s];
        if (type == kPawn)
            SideToMove == kWhite ? GeneratePawnMoves<CapturesOnly, kWhite>(s)
                                 : GeneratePawnMoves<CapturesOnly, kBlack>(s);
        else if (!Slides[type]) GenerateStepMoves<CapturesOnly>(s, type);
        else if (CapturesOnly) GenerateSliderCaptures(s, type);
        else GenerateSliderMoves(s, type);
    }
    if (!CapturesOnly) GenerateCastlings();
    GenerateEnPassantCaptures();
    if (Ply + 1 < kMaxPly) PlyMoves[Ply + 1].First = range.End;
}

template <bool CapturesOnly, int Side>
inline void SearchBoard::GeneratePawnMoves(int s) noexcept {
    constexpr PawnRows rows = kPawnRows[Side];
    constexpr int opp = 1 - Side;
    const int row = RowOf(s);
    // A pawn on its last rank (only from a hand-made position) has nowhere
    // to go on the board.
    if (row == rows.Last) return;
    const int ahead = s + rows.Forward;
    if (FileOf(s) != 0 && Colour[ahead - 1] == opp) PushMove(s, ahead - 1, kPawnCapture);
    if (FileOf(s) != 7 && Colour[ahead + 1] == opp) PushMove(s, ahead + 1, kPawnCapture);
    if (Colour[ahead] != kNoColour) return;
    // Captures only: an advance counts when it promotes.
    if (!CapturesOnly || row == rows.BeforeLast) PushMove(s, ahead, MoveFlags::PawnMove);
    const int twoAhead = ahead + rows.Forward;
    if (!CapturesOnly && row == rows.Start && Colour[twoAhead] == kNoColour) PushMove(s, twoAhead, kPawnDoublePush);
}

// Knight and king steps, in table order, reach ascending squares.
template <bool CapturesOnly>
inline void SearchBoard::GenerateStepMoves(int s, int type) noexcept {
    const std::uint64_t reach = type == kKnight ? KnightTargets[s] : KingTargets[s];
    const int opp = Opponent;
    const std::uint64_t allowed = CapturesOnly ? ColourSet[opp] : ~ColourSet[SideToMove];
    for (std::uint64_t t = reach & allowed; t != 0; t &= t - 1) {
        const int n = std::countr_zero(t);
        PushMove(s, n, Colour[n] == opp ? MoveFlags::Capture : kQuietMove);
    }
}

// The first piece along each ray, if it is the opponent's.
inline void SearchBoard::GenerateSliderCaptures(int s, int type) noexcept {
    const std::uint64_t occupied = ColourSet[kWhite] | ColourSet[kBlack];
    const auto& rays = SliderRays[type];
    for (int d = 0; d < DirectionCount[type]; ++d) {
        const int r = rays[d];
        const std::uint64_t blockers = Rays[s][r] & occupied;
        if (blockers == 0) continue;
        const int n = r < 4 ? 63 - std::countl_zero(blockers) : std::countr_zero(blockers);
        if (Colour[n] == Opponent) PushMove(s, n, MoveFlags::Capture);
    }
}

// Every empty square along each ray, then the piece that ends it if it is the
// opponent's; walked on the mailbox so that the moves come in ray order.
inline void SearchBoard::GenerateSliderMoves(int s, int type) noexcept {
    const int opp = Opponent;
    const int origin = MailboxIndex[s];
    for (int d = 0; d < DirectionCount[type]; ++d) {
        const int step = Directions[type][d];
        for (int m = origin + step; Mailbox[m] >= 0; m += step) {
            const int n = Mailbox[m];
            if (Colour[n] != kNoColour) {
                if (Colour[n] == opp) PushMove(s, n, MoveFlags::Capture);
                break;
            }
            PushMove(s, n, kQuietMove);
        }
    }
}

// From the castle bits alone: TryMove tests the squares.
inline void SearchBoard::GenerateCastlings() noexcept {
    for (const CastlingMove& c : Castlings)
        if (c.Side == SideToMove && (CastleBits & c.Right)) PushMove(c.KingFrom, c.KingTo, MoveFlags::Castle);
}

// Pawns of the side to move beside the square behind the pawn that has just
// made a double push: the file-a side first.
inline void SearchBoard::GenerateEnPassantCaptures() noexcept {
    const int ep = EnPassantSquare;
    if (ep == -1) return;
    const int behind = ep - kPawnRows[SideToMove].Forward;
    auto ownPawn = [this](int s) { return Colour[s] == SideToMove && Piece[s] == kPawn; };
    if (FileOf(ep) != 0 && ownPawn(behind - 1)) PushMove(behind - 1, ep, kEnPassantFlags);
    if (FileOf(ep) != 7 && ownPawn(behind + 1)) PushMove(behind + 1, ep, kEnPassantFlags);
}

// Not out of check, the squares between king and rook empty and those the
// king crosses and lands on not attacked; then the rook jumps over the king.
// The castle bit is taken to mean that king and rook stand at home.
inline bool SearchBoard::CastleRook(int kingTo) noexcept {
    const CastlingMove* c = CastlingTo(kingTo);
    if (c == nullptr || InCheck(SideToMove)) return false;
    if ((ColourSet[kWhite] | ColourSet[kBlack]) & c->Between) return false;
    if (IsAttacked(c->KingPath[0], Opponent) || IsAttacked(c->KingPath[1], Opponent)) return false;
    EmptySquare(c->RookFrom);
    SetSquare(c->RookTo, SideToMove, kRook);
    return true;
}

inline void SearchBoard::PushUndoRecord(EngineMove move) noexcept {
    UndoRecord& undo = UndoStack[Ply];
    undo.Move = move;
    undo.Captured = Piece[move.To];
    undo.CastleBits = CastleBits;
    undo.EnPassantSquare = EnPassantSquare;
    undo.KingSquare = kingSquare_;
    ++Ply;
}

inline void SearchBoard::UpdateCastleBitsAndEnPassant(EngineMove move) noexcept {
    CastleBits &= CastleRightsMask[move.From] & CastleRightsMask[move.To];
    EnPassantSquare = (move.Flags & MoveFlags::DoublePush) ? move.To - kPawnRows[SideToMove].Forward : -1;
}

// The mover's piece (or its promotion) replaces whatever stood on the to
// square; an en passant capture also empties the square behind it.
inline void SearchBoard::MovePiece(EngineMove move) noexcept {
    const int side = SideToMove;
    const int type = Piece[move.From];
    const int captured = Piece[move.To];
    if (type == kKing && kingSquare_[side] >= 0) kingSquare_[side] = move.To;
    if (captured == kKing && kingSquare_[Opponent] >= 0) kingSquare_[Opponent] = -1;
    EmptySquare(move.From);
    EmptySquare(move.To);
    SetSquare(move.To, side, (move.Flags & MoveFlags::Promotion) ? move.Promote : type);
    if (move.Flags & MoveFlags::EnPassantCapture) EmptySquare(move.To - kPawnRows[side].Forward);
}

bool SearchBoard::TryMove(EngineMove move) noexcept {
    if ((move.Flags & MoveFlags::Castle) && !CastleRook(move.To)) return false;
    PushUndoRecord(move);
    UpdateCastleBitsAndEnPassant(move);
    MovePiece(move);
    std::swap(SideToMove, Opponent);
    // The mover, now Opponent, may not leave its king attacked.
    if (InCheck(Opponent)) {
        UndoMove();
        return false;
    }
    assert(IsConsistent());
    return true;
}

void SearchBoard::UndoMove() noexcept {
    std::swap(SideToMove, Opponent);
    const int side = SideToMove;
    const int opp = Opponent;
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
        const CastlingMove* c = CastlingTo(to);  // TryMove accepted it, so it is one
        EmptySquare(c->RookTo);
        SetSquare(c->RookFrom, side, kRook);
    }
    if (move.Flags & MoveFlags::EnPassantCapture) SetSquare(to - kPawnRows[side].Forward, opp, kPawn);
    assert(IsConsistent());
}

bool SearchBoard::IsConsistent() const noexcept {
    std::array<std::array<std::uint64_t, 6>, 2> pieceSet{};
    std::array<std::uint64_t, 2> colourSet{};
    std::array<int, 2> tableScore{};
    std::array<int, 2> kings{};
    for (int s = 0; s < 64; ++s) {
        const int colour = Colour[s];
        const int type = Piece[s];
        if ((colour == kNoColour) != (type == kNoPiece)) return false;
        if (colour == kNoColour) continue;
        if (colour < 0 || colour > 1 || type < 0 || type >= kNoPiece) return false;
        pieceSet[colour][type] |= std::uint64_t{1} << s;
        colourSet[colour] |= std::uint64_t{1} << s;
        tableScore[colour] += (*squareTable_)[colour][type][s];
        kings[colour] += type == kKing;
    }
    if (pieceSet != PieceSet || colourSet != ColourSet || tableScore != TableScore) return false;

    for (int c = 0; c < 2; ++c) {
        // A known square is the colour's only king; -1 means none is left.
        const int king = kingSquare_[c];
        if (king >= 0 && (king > 63 || Colour[king] != c || Piece[king] != kKing || kings[c] != 1)) return false;
        if (king == -1 && kings[c] != 0) return false;
        if (king < -1 && king != kScanForKing) return false;
    }

    if (SideToMove < 0 || SideToMove > 1 || Opponent != 1 - SideToMove) return false;
    if (Ply < 0 || Ply > kMaxPly) return false;
    if ((CastleBits & ~kAllCastleBits) != 0 || CastleBitsAtHome(CastleBits) != CastleBits) return false;
    return EnPassantSquare == -1 || JustPassedOver(EnPassantSquare);
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
