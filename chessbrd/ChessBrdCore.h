#pragma once
// The rules core of the board component, which is its model: position,
// legality, moves with their events, the game record and navigation. Plain
// C++ without Qt, so it is tested without a QApplication. It has no engine
// and no view: it calls them through the virtual seams below, which do
// nothing here. EngineBoard (engine/) fills the engine seams and TChessBrd
// (the Qt control, derived from EngineBoard) the view seams.
//
// Threads: every member is for the owner's (user-interface) thread. The
// engine worker never reads the core; it reads the copy that PositionChanged
// lets the engine board publish.
//
// Ownership: the core owns its position value and the game record; event
// handlers are copies held by the core and called with the core as Sender.

#include "BoardEvents.h"
#include "BoardPosition.h"
#include "ChessTypes.h"
#include "GameRecord.h"
#include "MoveRules.h"

#include <array>
#include <string>
#include <vector>

namespace tablerix {

class ChessBrdCore {
public:
    // The record holds moves 1..256, both halves; a move that would have to be
    // recorded beyond that (Black's move at 256) is not legal.
    static constexpr int kMaxMoves = GameRecord::kMaxMoves;

    ChessBrdCore();
    virtual ~ChessBrdCore() = default;
    ChessBrdCore(const ChessBrdCore&) = delete;
    ChessBrdCore& operator=(const ChessBrdCore&) = delete;

    // ---- Square arithmetic (pure) ----
    // "e2"/"E2" -> E2; anything malformed -> None.
    static Square StrToSquare(const std::string& text);
    static int FileOf(Square sq) noexcept;                // 1..8 (a..h); 0 off the board
    static int RankOf(Square sq) noexcept;                // 1..8; 0 off the board
    static Square SquareAt(int file, int rank) noexcept;  // None outside 1..8
    // 1 White, 0 Black, -1 empty / off the board.
    int PieceColor(Square sq) const noexcept;

    // ---- Board array: index 0 never a piece, 1..64 squares, 65 NUL ----
    // Indexes 1..64 always hold one of "PNBRQKpnbrqk" or a blank.
    const std::array<char, 66>& Board() const noexcept { return pos_.Squares(); }

    // ---- Published properties of the model (getter / Set… setter) ----
    CastleSet CastlingAllowed() const noexcept { return pos_.Castling(); }
    void SetCastlingAllowed(CastleSet v);  // the engine is not stopped
    int CurrentMove() const noexcept { return currentMove_; }
    void SetCurrentMove(int) noexcept {}  // ignored
    Square EnPassant() const noexcept { return pos_.EnPassant(); }
    void SetEnPassant(Square sq);  // only A6..H6 and A3..H3 are taken (StopThinking first)
    std::string Position() const;  // always 64 characters
    // StopThinking; squares from the text (a NUL ends it, unknown characters
    // leave the square blank, more than 64 are ignored); "init"/"newgame" in
    // any case give the starting position; Paint. Any text is safe.
    void SetPosition(const std::string& text);
    bool WhiteToMove() const noexcept { return pos_.WhiteToMove(); }
    void SetWhiteToMove(bool v);  // StopThinking, store; the engine is not restarted
    std::string Version() const { return {}; }
    void SetVersion(const std::string&) noexcept {}  // ignored
    // Letter a pawn becomes on the last rank ("q" at first); kept between
    // promotions. A letter that names no piece is taken as a queen.
    char PromotionPiece() const noexcept { return promotionPiece_; }
    void SetPromotionPiece(char c) noexcept { promotionPiece_ = c; }
    // Set just before an assigned OnMate or OnDraw handler runs, cleared at
    // the start of each PerformMove; StopThinking does not wait while it is set.
    bool GameOver() const noexcept { return gameOver_; }
    // The position as a value: squares, side, castling rights, en passant.
    const BoardPosition& CurrentPosition() const noexcept { return pos_; }

    // ---- Events (empty = unassigned) ----
    TCaptureEvent OnCapture;
    TMoveEvent OnCastle;
    TMoveEvent OnCheck;
    TNotifyEvent OnDraw;
    TOneSquareEvent OnIllegalMove;  // fired by the view's drag entry
    TMoveEvent OnLegalMove;
    TMoveEvent OnMate;
    TNotifyEvent OnNoMatingMaterial;
    TNotifyEvent OnPaint;
    TPromotionEvent OnPromotion;
    TMoveEvent OnStaleMate;
    TThinkEvent OnCalculateMove;
    TMoveEvent OnCalculationFailed;
    TNotifyEvent OnThreefoldPosition;

    // ---- Legality (none of these change anything) ----
    // Refused: squares off the board, a threefold repetition standing, a full
    // record, then the piece rules and the safety of the mover's king.
    bool IsLegalMove(Square fromSq, Square toSq) const;
    bool HasLegalMove() const;  // the piece rules and king safety only
    bool WhiteKingAttackedAfter(Square fromSq, Square toSq) const;
    bool BlackKingAttackedAfter(Square fromSq, Square toSq) const;
    bool ValidPawnMove(Square fromSq, Square toSq) const;
    bool ValidKnightMove(Square fromSq, Square toSq) const;
    bool ValidBishopMove(Square fromSq, Square toSq) const;
    bool ValidRookMove(Square fromSq, Square toSq) const;
    bool ValidQueenMove(Square fromSq, Square toSq) const;
    bool ValidKingMove(Square fromSq, Square toSq) const;

    // ---- Moves ----
    bool MakeMove(Square fromSq, Square toSq);  // StopThinking, PerformMove, ResumeThinking
    // Judges and carries out a move, records it and fires its events in
    // order: LegalMove, Capture, Promotion, Capture (en passant), Castle,
    // Check, Mate or StaleMate, NoMatingMaterial, ThreefoldPosition, Draw,
    // Paint. False: refused, nothing changed but GameOver cleared.
    bool PerformMove(Square fromSq, Square toSq);
    void PromotePawn(Square sq);  // sq on rank 8 or 1 only
    bool IsThreefoldRepetition() const;
    // The record holds no further half-move: every move is refused.
    bool RecordFull() const noexcept;
    // The position agrees with the record: the squares hold piece letters
    // only, and the record's entry for (CurrentMove, WhiteToMove) holds this
    // position; unless a setter has edited the position since the game began
    // (SetPosition, SetWhiteToMove, SetCastlingAllowed, SetEnPassant,
    // PromotePawn), its en passant square and castling rights are also what
    // the half-move that led to it left. True at the end of every move and
    // navigation (asserted there in builds with assertions); a setter may
    // break it until the next move or navigation.
    bool IsConsistent() const;

    // ---- Game record and navigation ----
    void NewGame();    // ResetGame, then Paint
    void ResetGame();  // model only, no repaint
    // StopThinking (also when refused), then show entry (moveNumber, side)
    // and make it current; refused outside (1, White) .. the end entry.
    bool GotoMove(int moveNumber, bool white);
    bool MoveBack();
    bool MoveForward();
    // Takes the last halfMoves half-moves of the game back as if they had
    // never been played: StopThinking (also when refused), show the position
    // before them and end the record there. Refused (false, nothing changes)
    // when halfMoves is below 1 or the record holds fewer half-moves.
    bool TakeBack(int halfMoves);
    // Half-moves recorded from (1, White) to the end entry.
    int RecordedHalfMoves() const noexcept;
    // Appends one line per recorded half-move, never clears. Line k is
    // half-move k; a White entry that Black skipped (Black made to move
    // first through WhiteToMove) reads "1. ..." and GotoMove reaches it.
    void GetMoveList(std::vector<std::string>& list) const;
    // Repaints the squares that differ from oldPosition (a shorter text
    // counts its missing characters as different), then DrawGrid.
    void RedrawChangedSquares(const std::string& oldPosition);
    int LastMove() const noexcept { return record_.LastMove(); }
    bool LastMoveWhite() const noexcept { return record_.LastMoveWhite(); }
    // Entry (move, side) of the record; move outside 1..kMaxMoves gives an empty entry.
    const MoveInfo& History(int move, bool white) const noexcept { return record_.Entry(move, white); }

    // ---- View seams (the Qt board draws; the core does nothing) ----
    virtual void Paint() {}
    virtual void RepaintSquare(Square) {}
    virtual void DrawPiece(Square, char) {}
    virtual void DrawGrid() {}

    // ---- Engine seams (the engine board runs the engine; the core has none) ----
    // Every operation that changes the position, the side to move or the
    // computer's colours calls StopThinking first.
    virtual void StopThinking() {}
    virtual void StartThinking() {}

protected:
    // View seam: the piece on fromSq is about to move to toSq and is still
    // there; the view may slide it across (AnimateMoves) before the core
    // moves it on the board.
    virtual void SlidePiece(Square /*fromSq*/, Square /*toSq*/) {}
    // Engine seam, MakeMove's last step: a move has been entered, so the
    // pause that StopThinking began is over; then StartThinking.
    virtual void ResumeThinking() { StartThinking(); }
    // Engine seam: the squares, side, castling rights or en passant square
    // have changed and the model is whole again. Called at the end of every
    // writer, and by PerformMove once the whole move is on the board (before
    // its end-of-game events).
    virtual void PositionChanged() {}
    // The position, side, castling rights and en passant square as they stand.
    PositionSnapshot MakeSnapshot() const;

private:
    MoveRules Rules() const noexcept { return pos_.Rules(); }
    char At(Square sq) const noexcept { return pos_.At(sq); }
    void Fire(const TMoveEvent& e, Square fromSq, Square toSq) {
        if (e) e(*this, fromSq, toSq);
    }
    void Fire(const TNotifyEvent& e) {
        if (e) e(*this);
    }
    void Fire(const TCaptureEvent& e, Square fromSq, Square toSq, char captured) {
        if (e) e(*this, fromSq, toSq, captured);
    }
    // The steps of PerformMove, in its order.
    void RecordMoveFrom(Square fromSq, Square toSq);
    char ShowAndMovePiece(Square fromSq, Square toSq);  // returns the captured letter or a blank
    void PassTurn();
    void PromoteOnLastRank(Square fromSq, Square toSq);
    void TakeEnPassant(Square fromSq, Square toSq, Square taken);
    void MoveCastlingRook(Square fromSq, Square toSq);
    void ReportGameEnd(Square fromSq, Square toSq, bool check);
    bool ReportMateOrStalemate(Square fromSq, Square toSq, bool check);
    bool MaterialInsufficient() const noexcept;

    BoardPosition pos_;
    int currentMove_ = 1;
    char promotionPiece_ = 'q';
    bool gameOver_ = false;

    GameRecord record_;
    // Black was made to move while White's entry at currentMove_ was due.
    bool whiteSkipped_ = false;
    // A setter has changed the position since ResetGame, so the record no
    // longer needs to follow from its moves alone.
    bool edited_ = false;
};

}  // namespace tablerix
