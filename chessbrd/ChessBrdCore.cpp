#include "ChessBrdCore.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace tablerix {

namespace {

constexpr std::string_view kSquareCharacters = " PNBRQKpnbrqk";

// ASCII only: the text may hold any byte, and <cctype> is undefined for
// negative chars.
char AsciiLower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }
char AsciiUpper(char c) noexcept { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c; }

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
    castling_ = v;
    PositionChanged();
}

void ChessBrdCore::SetEnPassant(Square sq) {
    const int n = ToInt(sq);
    if (!((n >= ToInt(Square::A6) && n <= ToInt(Square::H6)) || (n >= ToInt(Square::A3) && n <= ToInt(Square::H3))))
        return;
    StopThinking();
    enPassant_ = sq;
    PositionChanged();
}

std::string ChessBrdCore::Position() const { return std::string(board_.data() + 1, 64); }

void ChessBrdCore::SetPosition(const std::string& text) {
    StopThinking();
    std::fill(board_.begin() + 1, board_.begin() + 65, ' ');
    const std::size_t n = std::min<std::size_t>(text.size(), 64);
    for (std::size_t i = 0; i < n && text[i] != '\0'; ++i)
        if (kSquareCharacters.find(text[i]) != std::string_view::npos) board_[i + 1] = text[i];
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
    if (lower == "init" || lower == "newgame") std::memcpy(board_.data() + 1, kStartPosition, 64);
    PositionChanged();
    Paint();
}

void ChessBrdCore::SetWhiteToMove(bool v) {
    StopThinking();
    // White's entry of this move will then hold no half-move (see PerformMove).
    if (whiteToMove_ != v) whiteSkipped_ = !v;
    whiteToMove_ = v;
    PositionChanged();
}

// ---- Legality ----

bool ChessBrdCore::RecordFull() const noexcept {
    // Black's move at kMaxMoves would have to record (kMaxMoves + 1, White).
    return currentMove_ > kMaxMoves || (!whiteToMove_ && currentMove_ >= kMaxMoves);
}

bool ChessBrdCore::IsLegalMove(Square fromSq, Square toSq) const {
    if (!IsOnBoard(fromSq) || !IsOnBoard(toSq)) return false;
    if (IsThreefoldRepetition() || RecordFull()) return false;
    return Rules().LegalByRules(fromSq, toSq, whiteToMove_);
}

bool ChessBrdCore::HasLegalMove() const { return Rules().HasLegalMove(whiteToMove_); }
bool ChessBrdCore::WhiteKingAttackedAfter(Square f, Square t) const { return Rules().WhiteKingAttackedAfter(f, t); }
bool ChessBrdCore::BlackKingAttackedAfter(Square f, Square t) const { return Rules().BlackKingAttackedAfter(f, t); }
bool ChessBrdCore::ValidPawnMove(Square f, Square t) const { return Rules().ValidPawnMove(f, t); }
bool ChessBrdCore::ValidKnightMove(Square f, Square t) const { return Rules().ValidKnightMove(f, t); }
bool ChessBrdCore::ValidBishopMove(Square f, Square t) const { return Rules().ValidBishopMove(f, t); }
bool ChessBrdCore::ValidRookMove(Square f, Square t) const { return Rules().ValidRookMove(f, t); }
bool ChessBrdCore::ValidQueenMove(Square f, Square t) const { return Rules().ValidQueenMove(f, t); }
bool ChessBrdCore::ValidKingMove(Square f, Square t) const { return Rules().ValidKingMove(f, t); }

bool ChessBrdCore::IsThreefoldRepetition() const { return record_.IsThreefold(currentMove_, whiteToMove_); }

// ---- Moves ----

bool ChessBrdCore::MakeMove(Square fromSq, Square toSq) {
    StopThinking();
    const bool result = PerformMove(fromSq, toSq);
    ResumeThinking();
    return result;
}

void ChessBrdCore::RemoveCastlingRights(Square sq) noexcept { castling_ = CastlingRightsAfter(castling_, sq); }

bool ChessBrdCore::MaterialInsufficient() const noexcept {
    return MoveRules::MaterialInsufficient(std::string_view(board_.data() + 1, 64));
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
    SetEnPassantAfter(fromSq, toSq);
    MoveCastlingRook(fromSq, toSq);

    const bool check = Rules().WhiteKingAttackedAfter(toSq, toSq) || Rules().BlackKingAttackedAfter(toSq, toSq);
    RemoveCastlingRights(fromSq);
    RemoveCastlingRights(toSq);
    PositionChanged();  // the whole move is on the board
    ReportGameEnd(fromSq, toSq, check);
    Fire(OnPaint);
    return true;
}

// Records the position moved from. If Black was made to move in White's turn,
// White's entry gets this position and no half-move, so that the list keeps
// one line per entry.
void ChessBrdCore::RecordMoveFrom(Square fromSq, Square toSq) {
    const std::string before = Position();
    if (!whiteToMove_ && whiteSkipped_)
        record_.Write(currentMove_, true, before, castling_, enPassant_, Square::None, Square::None);
    whiteSkipped_ = false;
    record_.Write(currentMove_, whiteToMove_, before, castling_, enPassant_, fromSq, toSq);
}

// Moves the piece and shows it. Returns what stood on the target square.
char ChessBrdCore::ShowAndMovePiece(Square fromSq, Square toSq) {
    RepaintSquare(fromSq);
    SlidePiece(fromSq, toSq);
    const char captured = At(toSq);
    SetSquare(toSq, At(fromSq));
    SetSquare(fromSq, ' ');
    RepaintSquare(toSq);
    DrawPiece(toSq, At(toSq));
    DrawGrid();
    return captured;
}

void ChessBrdCore::PassTurn() {
    if (!whiteToMove_) ++currentMove_;
    whiteToMove_ = !whiteToMove_;
    record_.SetEnd(currentMove_, whiteToMove_);
}

void ChessBrdCore::PromoteOnLastRank(Square fromSq, Square toSq) {
    const int toRank = RankOf(toSq);
    if ((At(toSq) != 'P' && At(toSq) != 'p') || (toRank != 8 && toRank != 1)) return;
    if (OnPromotion) OnPromotion(*this, fromSq, toSq, promotionPiece_);
    PromotePawn(toSq);
}

// taken: the pawn an en passant capture would take, judged before the move;
// the capture happens only if a pawn of the right colour has arrived.
void ChessBrdCore::TakeEnPassant(Square fromSq, Square toSq, Square taken) {
    if (taken == Square::None || At(toSq) != (RankOf(toSq) == 6 ? 'P' : 'p')) return;
    Fire(OnCapture, fromSq, toSq, At(taken));
    SetSquare(taken, ' ');
    RepaintSquare(taken);
    DrawGrid();
}

// The square a pawn's double step has just passed over, else None.
void ChessBrdCore::SetEnPassantAfter(Square fromSq, Square toSq) noexcept {
    const char mover = At(toSq);
    const int fromRank = RankOf(fromSq);
    const int toRank = RankOf(toSq);
    if ((mover == 'P' && fromRank == 2 && toRank == 4) || (mover == 'p' && fromRank == 7 && toRank == 5))
        enPassant_ = ToSquare((ToInt(fromSq) + ToInt(toSq)) / 2);
    else enPassant_ = Square::None;
}

// The king's part of a castling has been judged and made; the rook follows.
void ChessBrdCore::MoveCastlingRook(Square fromSq, Square toSq) {
    const CastlingSquares* c = CastlingOf(At(toSq), fromSq, toSq);
    if (c == nullptr) return;
    SetSquare(c->RookTo, c->Rook);
    SetSquare(c->RookFrom, ' ');
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
    record_.WritePosition(currentMove_, whiteToMove_, Position(), castling_, enPassant_);
    record_.SetEnd(currentMove_, whiteToMove_);
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
    char letter = AsciiLower(promotionPiece_);
    // The board holds piece letters only; anything else becomes a queen.
    if (letter == '\0' || std::string_view(kPieceLetters).find(letter) == std::string_view::npos) letter = 'q';
    if (RankOf(sq) == 8) SetSquare(sq, AsciiUpper(letter));
    else if (RankOf(sq) == 1) SetSquare(sq, letter);
    RepaintSquare(sq);
    if (At(sq) != ' ') DrawPiece(sq, At(sq));
    DrawGrid();
}

// ---- Game record and navigation ----

void ChessBrdCore::ResetGame() {
    StopThinking();
    board_[0] = '_';
    std::memcpy(board_.data() + 1, kStartPosition, 64);
    board_[65] = '\0';
    whiteToMove_ = true;
    currentMove_ = 1;
    record_.SetEnd(1, true);
    enPassant_ = Square::None;
    castling_ = CastleSet::All();
    whiteSkipped_ = false;
    record_.Write(1, true, Position(), castling_, enPassant_, Square::None, Square::None);
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
    whiteToMove_ = white;
    whiteSkipped_ = false;
    const std::string old = Position();
    const MoveInfo& entry = record_.Entry(moveNumber, white);
    // Entries are written from Position(), so they always hold 64 squares.
    const std::size_t n = std::min<std::size_t>(entry.PositionString.size(), 64);
    std::fill(board_.begin() + 1, board_.begin() + 65, ' ');
    std::copy_n(entry.PositionString.begin(), n, board_.begin() + 1);
    enPassant_ = entry.EnPassantSq;
    castling_ = entry.Castling;
    PositionChanged();
    RedrawChangedSquares(old);
    return true;
}

bool ChessBrdCore::MoveBack() {
    return whiteToMove_ ? GotoMove(currentMove_ - 1, false) : GotoMove(currentMove_, true);
}

bool ChessBrdCore::MoveForward() {
    return whiteToMove_ ? GotoMove(currentMove_, false) : GotoMove(currentMove_ + 1, true);
}

void ChessBrdCore::GetMoveList(std::vector<std::string>& list) const { record_.AppendMoveList(list); }

void ChessBrdCore::RedrawChangedSquares(const std::string& oldPosition) {
    for (int s = 1; s <= 64; ++s) {
        const auto i = static_cast<std::size_t>(s);
        const char old = i - 1 < oldPosition.size() ? oldPosition[i - 1] : '\0';
        if (board_[i] == old) continue;
        RepaintSquare(ToSquare(s));
        if (board_[i] != ' ') DrawPiece(ToSquare(s), board_[i]);
    }
    DrawGrid();
}

PositionSnapshot ChessBrdCore::MakeSnapshot() const {
    PositionSnapshot s;
    std::memcpy(s.Squares.data(), board_.data() + 1, 64);
    s.WhiteToMove = whiteToMove_;
    s.Castling = castling_;
    s.EnPassant = enPassant_;
    return s;
}

}  // namespace tablerix
