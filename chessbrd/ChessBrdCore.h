#pragma once
// The rules core of the board component: position, legality, moves with their
// events, and the game record. Plain C++ without Qt, so it is tested without a
// QApplication. TChessBrd (the Qt control) derives from it and fills the view
// and engine seams (the virtual functions below).
//
// Threads: every member is for the owner's (user-interface) thread, except
// Snapshot(), ComputerToMove(), SearchDepth() and ThinkingPriority(), which the
// engine worker may call at any time.

#include "ChessTypes.h"

#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace tablerix {

class ChessBrdCore {
public:
    static constexpr int kMaxMoves = 256;  // the record holds moves 1..256, both halves

    ChessBrdCore();
    virtual ~ChessBrdCore() = default;
    ChessBrdCore(const ChessBrdCore&) = delete;
    ChessBrdCore& operator=(const ChessBrdCore&) = delete;

    // ---- Square arithmetic (pure) ----
    // "e2"/"E2" -> E2; anything malformed -> None.
    static Square StrToSquare(const std::string& text);
    static int FileOf(Square sq) noexcept;             // 1..8 (a..h); 0 off the board
    static int RankOf(Square sq) noexcept;             // 1..8; 0 off the board
    static Square SquareAt(int file, int rank) noexcept;  // None outside 1..8
    // 1 White, 0 Black, -1 empty / off the board.
    int PieceColor(Square sq) const noexcept;

    // ---- Board array: index 0 never a piece, 1..64 squares, 65 NUL ----
    const std::array<char, 66>& Board() const noexcept { return board_; }

    // ---- Published properties (getter / Set… setter) ----
    bool AnimateMoves() const noexcept { return animateMoves_; }
    void SetAnimateMoves(bool v) noexcept { animateMoves_ = v; }
    int AnimationDelay() const noexcept { return animationDelay_; }
    void SetAnimationDelay(int v) noexcept { animationDelay_ = v; }
    CastleSet CastlingAllowed() const noexcept { return castling_; }
    void SetCastlingAllowed(CastleSet v);  // the engine is not stopped
    bool ComputerPlaysBlack() const noexcept { return computerPlaysBlack_.load(); }
    void SetComputerPlaysBlack(bool v);  // StopThinking, store, StartThinking
    bool ComputerPlaysWhite() const noexcept { return computerPlaysWhite_.load(); }
    void SetComputerPlaysWhite(bool v);  // StopThinking, store, StartThinking
    virtual bool Thinking() const { return false; }  // the worker is searching
    void SetThinking(bool) noexcept {}                // ignored
    int CurrentMove() const noexcept { return currentMove_; }
    void SetCurrentMove(int) noexcept {}  // ignored
    bool CustomEngine() const noexcept { return customEngine_; }
    void SetCustomEngine(bool v) noexcept { customEngine_ = v; }
    Square EnPassant() const noexcept { return enPassant_; }
    void SetEnPassant(Square sq);  // only A6..H6 and A3..H3 are taken (StopThinking first)
    std::string Position() const;  // always 64 characters
    void SetPosition(const std::string& text);  // StopThinking; "init"/"newgame"; Paint
    int SearchDepth() const noexcept { return searchDepth_.load(); }  // any thread
    void SetSearchDepth(int v) noexcept;  // clamped to 1..8
    bool WhiteToMove() const noexcept { return whiteToMove_; }
    void SetWhiteToMove(bool v);  // StopThinking, store; the engine is not restarted
    TThreadPriority ThinkingPriority() const noexcept { return priority_.load(); }  // any thread
    virtual void SetThinkingPriority(TThreadPriority p);  // store; the Qt board applies it to the worker
    std::string Version() const { return {}; }
    void SetVersion(const std::string&) noexcept {}  // ignored
    char PromotionPiece() const noexcept { return promotionPiece_; }
    void SetPromotionPiece(char c) noexcept { promotionPiece_ = c; }
    bool GameOver() const noexcept { return gameOver_.load(); }
    bool ThinkingPaused() const noexcept { return thinkingPaused_; }
    Square DragSource() const noexcept { return dragSource_; }
    Square DropSquare() const noexcept { return dropSquare_; }

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

    // ---- Legality ----
    bool IsLegalMove(Square fromSq, Square toSq) const;
    bool HasLegalMove() const;
    bool WhiteKingAttackedAfter(Square fromSq, Square toSq) const;
    bool BlackKingAttackedAfter(Square fromSq, Square toSq) const;
    bool ValidPawnMove(Square fromSq, Square toSq) const;
    bool ValidKnightMove(Square fromSq, Square toSq) const;
    bool ValidBishopMove(Square fromSq, Square toSq) const;
    bool ValidRookMove(Square fromSq, Square toSq) const;
    bool ValidQueenMove(Square fromSq, Square toSq) const;
    bool ValidKingMove(Square fromSq, Square toSq) const;

    // ---- Moves ----
    bool MakeMove(Square fromSq, Square toSq);     // StopThinking, PerformMove, clear ThinkingPaused, StartThinking
    bool PerformMove(Square fromSq, Square toSq);  // judge and carry out; fires the move's events
    void PromotePawn(Square sq);
    bool IsThreefoldRepetition() const;

    // ---- Game record and navigation ----
    void NewGame();    // ResetGame, then Paint
    void ResetGame();  // model only, no repaint
    bool GotoMove(int moveNumber, bool white);
    bool MoveBack();
    bool MoveForward();
    void GetMoveList(std::vector<std::string>& list) const;  // appends, never clears
    void RedrawChangedSquares(const std::string& oldPosition);
    int LastMove() const noexcept { return lastMove_; }
    bool LastMoveWhite() const noexcept { return lastMoveWhite_; }
    // Entry (move, side) of the record; move outside 1..kMaxMoves gives an empty entry.
    const MoveInfo& History(int move, bool white) const noexcept;

    // ---- View seams (the Qt board draws; the core does nothing) ----
    virtual void Paint() {}
    virtual void RepaintSquare(Square) {}
    virtual void DrawPiece(Square, char) {}
    virtual void DrawGrid() {}
    virtual void AnimateMove(Square, Square, int /*delay*/) {}

    // ---- Engine seams ----
    // The core only records that a stop happened; the Qt board parks the worker.
    virtual void StopThinking() { thinkingPaused_ = true; }
    virtual void StartThinking() {}

    // ---- For the engine worker (any thread) ----
    // Position, side, castling and en passant as one consistent whole: the
    // copy published at the end of the last change to any of them.
    PositionSnapshot Snapshot() const;
    // (ComputerPlaysWhite and white to move) or (ComputerPlaysBlack and black to move).
    bool ComputerToMove() const;

protected:
    void ClearThinkingPaused() noexcept { thinkingPaused_ = false; }
    void SetDragSource(Square s) noexcept { dragSource_ = s; }
    void SetDropSquare(Square s) noexcept { dropSquare_ = s; }
    // Copies board, side, castling and en passant into the worker's snapshot.
    void PublishPosition();

private:
    std::array<char, 66> board_{};
    bool whiteToMove_ = true;
    int currentMove_ = 1;
    CastleSet castling_ = CastleSet::All();
    Square enPassant_ = Square::None;
    char promotionPiece_ = 'q';
    std::atomic<bool> gameOver_{false};
    bool thinkingPaused_ = false;
    bool animateMoves_ = true;
    int animationDelay_ = 0;
    bool customEngine_ = false;
    std::atomic<bool> computerPlaysWhite_{false};
    std::atomic<bool> computerPlaysBlack_{false};
    std::atomic<int> searchDepth_{1};
    std::atomic<TThreadPriority> priority_{TThreadPriority::tpNormal};
    Square dragSource_ = Square::None;
    Square dropSquare_ = Square::None;

    // History[move][0 = White, 1 = Black]; index 0 unused.
    std::array<std::array<MoveInfo, 2>, kMaxMoves + 1> history_{};
    int lastMove_ = 1;
    bool lastMoveWhite_ = true;

    mutable std::mutex snapshotMutex_;
    PositionSnapshot snapshot_;
};

}  // namespace tablerix
