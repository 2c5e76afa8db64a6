#include "ChessBrdCore.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <string_view>

namespace tablerix {

namespace {

constexpr std::string_view kSquareCharacters = " PNBRQKpnbrqk";

// ASCII only: the text may hold any byte, and <cctype> is undefined for
// negative chars.
char AsciiLower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

ChessBrdCore::ChessBrdCore() { ResetGame(); }

// ---- Square arithmetic ----

Square ChessBrdCore::StrToSquare(const std::string& text) {
    if (text.size() != 2) return Square::None;
    const char file = AsciiLower(text[0]), rank = text[1];
    if (file < 'a' || file > 'h' || rank < '1' || rank > '8') return Square::None;
    return SquareAt(file - 'a' + 1, rank - '0');
}

int ChessBrdCore::FileOf(Square sq) noexcept { return MoveRules::FileOf(sq); }
int ChessBrdCore::RankOf(Square sq) noexcept { return MoveRules::RankOf(sq); }
Square ChessBrdCore::SquareAt(int file, int rank) noexcept { return MoveRules::SquareAt(file, rank); }
int ChessBrdCore::PieceColor(Square sq) const noexcept { return Rules().PieceColor(sq); }

// ---- Properties ----

void ChessBrdCore::SetCastlingAllowed(CastleSet v) {
    pos_.SetCastling(v);
    edited_ = true;
    PositionChanged();
}

void ChessBrdCore::SetEnPassant(Square sq) {
    const int n = ToInt(sq);
    if (!((n >= ToInt(Square::A6) && n <= ToInt(Square::H6)) || (n >= ToInt(Square::A3) && n <= ToInt(Square::H3))))
        return;
    StopThinking();
    pos_.SetEnPassant(sq);
    edited_ = true;
    PositionChanged();
}

std::string ChessBrdCore::Position() const { return pos_.Placement(); }

void ChessBrdCore::SetPosition(const std::string& text) {
    StopThinking();
    std::array<char, 64> squares;
    squares.fill(' ');
    const std::size_t n = std::min<std::size_t>(text.size(), 64);
    for (std::size_t i = 0; i < n && text[i] != '\0'; ++i)
        if (kSquareCharacters.find(text[i]) != std::string_view::npos) squares[i] = text[i];
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
    if (lower == "init" || lower == "newgame") std::memcpy(squares.data(), kStartPosition, 64);
    pos_.SetPlacement(squares.data(), squares.size());
    edited_ = true;
    PositionChanged();
    Paint();
}

void ChessBrdCore::SetWhiteToMove(bool v) {
    StopThinking();
    // White's entry of this move will then hold no half-move (see PerformMove).
    if (pos_.WhiteToMove() != v) whiteSkipped_ = !v;
    pos_.SetWhiteToMove(v);
    edited_ = true;
    PositionChanged();
}

// ---- Legality ----

bool ChessBrdCore::RecordFull() const noexcept {
    // Black's move at kMaxMoves would have to record (kMaxMoves + 1, White).
    return currentMove_ > kMaxMoves || (!pos_.WhiteToMove() && currentMove_ >= kMaxMoves);
}

bool ChessBrdCore::IsLegalMove(Square fromSq, Square toSq) const {
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq)) return false;
    if (IsThreefoldRepetition() || RecordFull()) return false;
    return pos_.IsLegal(fromSq, toSq);
}

bool ChessBrdCore::HasLegalMove() const { return pos_.HasLegalMove(); }
bool ChessBrdCore::WhiteKingAttackedAfter(Square f, Square t) const { return Rules().WhiteKingAttackedAfter(f, t); }
bool ChessBrdCore::BlackKingAttackedAfter(Square f, Square t) const { return Rules().BlackKingAttackedAfter(f, t); }
bool ChessBrdCore::ValidPawnMove(Square f, Square t) const { return Rules().ValidPawnMove(f, t); }
bool ChessBrdCore::ValidKnightMove(Square f, Square t) const { return Rules().ValidKnightMove(f, t); }
bool ChessBrdCore::ValidBishopMove(Square f, Square t) const { return Rules().ValidBishopMove(f, t); }
bool ChessBrdCore::ValidRookMove(Square f, Square t) const { return Rules().ValidRookMove(f, t); }
bool ChessBrdCore::ValidQueenMove(Square f, Square t) const { return Rules().ValidQueenMove(f, t); }
bool ChessBrdCore::ValidKingMove(Square f, Square t) const { return Rules().ValidKingMove(f, t); }

bool ChessBrdCore::IsThreefoldRepetition() const { return record_.IsThreefold(currentMove_, pos_.WhiteToMove()); }

// ---- Moves ----

bool ChessBrdCore::MakeMove(Square fromSq, Square toSq) {
    StopThinking();
    const bool result = PerformMove(fromSq, toSq);
    ResumeThinking();
    return result;
}

bool ChessBrdCore::MaterialInsufficient() const noexcept {
    return MoveRules::MaterialInsufficient(std::string_view(pos_.Squares().data() + 1, 64));
}

bool ChessBrdCore::PerformMove(Square fromSq, Square toSq) {
    gameOver_ = false;
    if (!IsLegalMove(fromSq, toSq)) return false;
    const Square enPassantTaken = Rules().EnPassantVictim(fromSq, toSq);  // judged before the move

    RecordMoveFrom(fromSq, toSq);
    const char captured = ShowAndMovePiece(fromSq, toSq);
    PassTurn();
    Fire(OnLegalMove, fromSq, toSq);
    if (captured != ' ') Fire(OnCapture, fromSq, toSq, captured);
    PromoteOnLastRank(fromSq, toSq);
    TakeEnPassant(fromSq, toSq, enPassantTaken);
    pos_.SetEnPassantAfter(fromSq, toSq);
    MoveCastlingRook(fromSq, toSq);

    // A legal move never leaves the mover's own king attacked.
    const bool check = pos_.InCheck();
    pos_.RemoveRightsOf(fromSq);
    pos_.RemoveRightsOf(toSq);
    PositionChanged();  // the whole move is on the board
    ReportGameEnd(fromSq, toSq, check);
    Fire(OnPaint);
    assert(IsConsistent());
    return true;
}

// Records the position moved from. If Black was made to move in White's turn,
// White's entry gets this position and no half-move, so that the list keeps
// one line per entry.
void ChessBrdCore::RecordMoveFrom(Square fromSq, Square toSq) {
    const std::string before = Position();
    const bool white = pos_.WhiteToMove();
    if (!white && whiteSkipped_)
        record_.Write(currentMove_, true, before, pos_.Castling(), pos_.EnPassant(), Square::None, Square::None);
    whiteSkipped_ = false;
    record_.Write(currentMove_, white, before, pos_.Castling(), pos_.EnPassant(), fromSq, toSq);
}

// Moves the piece and shows it. Returns what stood on the target square.
char ChessBrdCore::ShowAndMovePiece(Square fromSq, Square toSq) {
    RepaintSquare(fromSq);
    SlidePiece(fromSq, toSq);
    const char captured = pos_.MovePiece(fromSq, toSq);
    RepaintSquare(toSq);
    DrawPiece(toSq, At(toSq));
    DrawGrid();
    return captured;
}

void ChessBrdCore::PassTurn() {
    if (!pos_.WhiteToMove()) ++currentMove_;
    pos_.PassTurn();
    record_.SetEnd(currentMove_, pos_.WhiteToMove());
}

void ChessBrdCore::PromoteOnLastRank(Square fromSq, Square toSq) {
    if (!pos_.PawnOnLastRank(toSq)) return;
    if (OnPromotion) OnPromotion(*this, fromSq, toSq, promotionPiece_);
    PromotePawn(toSq);
}

// taken: the pawn an en passant capture would take, judged before the move;
// the capture happens only if a pawn of the right colour has arrived.
void ChessBrdCore::TakeEnPassant(Square fromSq, Square toSq, Square taken) {
    const char pawn = pos_.TakeEnPassant(toSq, taken);
    if (pawn == ' ') return;
    Fire(OnCapture, fromSq, toSq, pawn);
    RepaintSquare(taken);
    DrawGrid();
}

// The king's part of a castling has been judged and made; the rook follows.
void ChessBrdCore::MoveCastlingRook(Square fromSq, Square toSq) {
    const CastlingSquares* c = pos_.MoveCastlingRook(fromSq, toSq);
    if (c == nullptr) return;
    RepaintSquare(c->RookFrom);
    DrawPiece(c->RookTo, c->Rook);
    DrawGrid();
    Fire(OnCastle, fromSq, toSq);
}

// Mate or stalemate, lack of material and repetition, in that order; the
// record gets the position reached before the repetition is judged on it.
void ChessBrdCore::ReportGameEnd(Square fromSq, Square toSq, bool check) {
    bool draw = ReportMateOrStalemate(fromSq, toSq, check);
    if (MaterialInsufficient()) {
        Fire(OnNoMatingMaterial);
        draw = true;
    }
    record_.WritePosition(currentMove_, pos_.WhiteToMove(), Position(), pos_.Castling(), pos_.EnPassant());
    record_.SetEnd(currentMove_, pos_.WhiteToMove());
    if (IsThreefoldRepetition()) {
        Fire(OnThreefoldPosition);
        draw = true;
    }
    if (draw && OnDraw) {
        gameOver_ = true;
        OnDraw(*this);
    }
}

// True for a stalemate, which is a draw; a mate is reported here.
bool ChessBrdCore::ReportMateOrStalemate(Square fromSq, Square toSq, bool check) {
    const bool canMove = HasLegalMove();
    if (check) {
        Fire(OnCheck, fromSq, toSq);
        if (!canMove && OnMate) {
            gameOver_ = true;
            OnMate(*this, fromSq, toSq);
        }
        return false;
    }
    if (canMove) return false;
    Fire(OnStaleMate, fromSq, toSq);
    return true;
}

void ChessBrdCore::PromotePawn(Square sq) {
    if (!IsOnBoard(sq)) return;
    pos_.Promote(sq, promotionPiece_);
    edited_ = true;
    RepaintSquare(sq);
    if (At(sq) != ' ') DrawPiece(sq, At(sq));
    DrawGrid();
}

// ---- Game record and navigation ----

void ChessBrdCore::ResetGame() {
    StopThinking();
    pos_ = BoardPosition();
    currentMove_ = 1;
    record_.SetEnd(1, true);
    whiteSkipped_ = false;
    edited_ = false;
    record_.Write(1, true, Position(), pos_.Castling(), pos_.EnPassant(), Square::None, Square::None);
    PositionChanged();
}

void ChessBrdCore::NewGame() {
    ResetGame();
    Paint();
}

bool ChessBrdCore::GotoMove(int moveNumber, bool white) {
    StopThinking();
    if (!record_.Reaches(moveNumber, white)) return false;
    currentMove_ = moveNumber;
    pos_.SetWhiteToMove(white);
    whiteSkipped_ = false;
    const std::string old = Position();
    const MoveInfo& entry = record_.Entry(moveNumber, white);
    // Entries are written from Position(), so they always hold 64 squares.
    pos_.SetPlacement(entry.PositionString.data(), entry.PositionString.size());
    pos_.SetEnPassant(entry.EnPassantSq);
    pos_.SetCastling(entry.Castling);
    PositionChanged();
    RedrawChangedSquares(old);
    assert(IsConsistent());
    return true;
}

bool ChessBrdCore::MoveBack() {
    return pos_.WhiteToMove() ? GotoMove(currentMove_ - 1, false) : GotoMove(currentMove_, true);
}

bool ChessBrdCore::MoveForward() {
    return pos_.WhiteToMove() ? GotoMove(currentMove_, false) : GotoMove(currentMove_ + 1, true);
}

int ChessBrdCore::RecordedHalfMoves() const noexcept { return record_.HalfMoves(); }

bool ChessBrdCore::TakeBack(int halfMoves) {
    StopThinking();
    const int target = RecordedHalfMoves() - halfMoves;
    if (halfMoves < 1 || target < 0) return false;
    const int moveNumber = target / 2 + 1;
    const bool white = target % 2 == 0;
    if (!GotoMove(moveNumber, white)) return false;
    record_.SetEnd(moveNumber, white);
    gameOver_ = false;
    assert(IsConsistent());
    return true;
}

void ChessBrdCore::GetMoveList(std::vector<std::string>& list) const { record_.AppendMoveList(list); }

void ChessBrdCore::RedrawChangedSquares(const std::string& oldPosition) {
    for (int s = 1; s <= 64; ++s) {
        const auto i = static_cast<std::size_t>(s);
        const char now = pos_.Squares()[i];
        const char old = i - 1 < oldPosition.size() ? oldPosition[i - 1] : '\0';
        if (now == old) continue;
        RepaintSquare(ToSquare(s));
        if (now != ' ') DrawPiece(ToSquare(s), now);
    }
    DrawGrid();
}

bool ChessBrdCore::IsConsistent() const {
    const std::array<char, 66>& squares = pos_.Squares();
    if (squares[0] != '_' || squares[65] != '\0') return false;
    for (std::size_t i = 1; i <= 64; ++i)
        if (kSquareCharacters.find(squares[i]) == std::string_view::npos || squares[i] == '\0') return false;

    // The record holds this position at (CurrentMove, WhiteToMove).
    const bool white = pos_.WhiteToMove();
    if (!record_.Reaches(currentMove_, white)) return false;
    const MoveInfo& here = record_.Entry(currentMove_, white);
    if (here.PositionString != Position() || here.Castling != pos_.Castling() || here.EnPassantSq != pos_.EnPassant())
        return false;

    // The half-move that led here, as recorded in the entry before; an
    // edited position need not follow from it.
    if (edited_ || (currentMove_ == 1 && white)) return true;
    const MoveInfo& before = white ? record_.Entry(currentMove_ - 1, false) : record_.Entry(currentMove_, true);
    if (!IsOnBoard(before.FromSq) || !IsOnBoard(before.ToSq)) return true;  // a side that never moved
    BoardPosition from;
    from.SetPlacement(before.PositionString.data(), before.PositionString.size());
    from.SetCastling(before.Castling);
    from.SetEnPassant(before.EnPassantSq);
    from.SetWhiteToMove(!white);
    // The move's own effects on en passant and castling rights.
    from.MovePiece(before.FromSq, before.ToSq);
    from.SetEnPassantAfter(before.FromSq, before.ToSq);
    from.RemoveRightsOf(before.FromSq);
    from.RemoveRightsOf(before.ToSq);
    return pos_.EnPassant() == from.EnPassant() && pos_.Castling() == from.Castling();
}

PositionSnapshot ChessBrdCore::MakeSnapshot() const {
    PositionSnapshot s;
    std::memcpy(s.Squares.data(), pos_.Squares().data() + 1, 64);
    s.WhiteToMove = pos_.WhiteToMove();
    s.Castling = pos_.Castling();
    s.EnPassant = pos_.EnPassant();
    return s;
}

}  // namespace tablerix
