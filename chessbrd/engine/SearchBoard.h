#pragma once
// The engine's own position and move record: squares as colour and piece
// type, the stacked moves of every ply of the current line, the undo records
// and the history credits used to order quiet moves. Fixed arrays only, so a
// search allocates nothing. Plain C++, no Qt.
//
// Threads: an object belongs to the thread that searches with it.
// Fields are public because the search, the evaluation and the tests read
// them on every node; change the position only through Load, TryMove and
// UndoMove, which keep the square sets in step with Colour and Piece.

#include "ChessTypes.h"
#include "EngineMove.h"

#include <array>
#include <cstdint>

namespace tablerix {

class SearchBoard {
public:
    static constexpr int kMaxPly = 64;
    static constexpr int kMoveStackSize = 4096;

    struct StackedMove {
        EngineMove Move;
        std::int32_t Score = 0;  // ordering score
    };
    struct PlyRange {
        int First = 0;  // index of the ply's first move in MoveStack
        int End = 0;    // one past its last move
    };
    struct UndoRecord {
        EngineMove Move;
        int Captured = kNoPiece;  // type that stood on the to square
        int CastleBits = 0;
        int EnPassantSquare = -1;
        std::array<int, 2> KingSquare{};
    };

    SearchBoard() noexcept;

    // Copies the board's position, with Ply 0. Unknown letters read as empty
    // squares; castle bits whose king or rook is not on its home square are
    // dropped, and so is an en passant square that no pawn of the other side
    // can just have passed over (see JustPassedOver), so that a hand-made
    // position never lets the engine invent a rook or an impossible capture.
    void Load(const PositionSnapshot& pos) noexcept;

    // Replace the current ply's moves by all pseudo-legal moves of
    // SideToMove (GenerateMoves) or by its captures, en passant captures and
    // promotions only (GenerateCaptures). Moves that would overrun MoveStack
    // are dropped.
    void GenerateMoves() noexcept;
    void GenerateCaptures() noexcept;
    // Append one move to the current ply, with its ordering score; a pawn move
    // onto its last rank becomes the four promotions.
    void PushMove(int from, int to, int flags) noexcept;
    void PushPromotions(int from, int to, int flags) noexcept;

    // Plays the move; false, with the board unchanged, if it is illegal.
    // The caller keeps Ply below kMaxPly.
    bool TryMove(EngineMove move) noexcept;
    // Undoes the last move that TryMove accepted.
    void UndoMove() noexcept;
    // Builds without NDEBUG assert IsConsistent at the end of both.

    // What the board keeps up to date as it goes (square sets, table sums,
    // king squares) agrees with Colour and Piece recomputed from scratch, and
    // the side, castle bits, en passant square and Ply are ones a move can
    // leave. One pass over the squares; for assertions and tests.
    bool IsConsistent() const noexcept;

    bool InCheck(int colour) const noexcept;
    bool IsAttacked(int square, int by) const noexcept;

    // Per-colour sum of the attached square table over the pieces on the
    // board, kept up to date by every change of a square. The table (owned by
    // the caller, which keeps it alive while attached) is read at attachment
    // and on every change; without one the sums stay 0.
    using SquareTableSet = std::array<std::array<std::array<int, 64>, 6>, 2>;
    void AttachSquareTable(const SquareTableSet* table) noexcept;
    std::array<int, 2> TableScore{};

    // The position back in the board's terms (Ply is not looked at).
    PositionSnapshot ToSnapshot() const noexcept;

    std::array<int, 64> Colour{};
    std::array<int, 64> Piece{};
    int SideToMove = kWhite;
    int Opponent = kBlack;
    int CastleBits = 0;
    int EnPassantSquare = -1;
    int Ply = 0;

    std::array<StackedMove, kMoveStackSize> MoveStack{};
    std::array<PlyRange, kMaxPly> PlyMoves{};
    std::array<UndoRecord, kMaxPly> UndoStack{};
    std::array<std::array<std::int32_t, 64>, 64> HistoryScore{};

    // The same position as square sets (bit n is square n), so that attack
    // tests and the evaluation visit only occupied squares.
    std::array<std::array<std::uint64_t, 6>, 2> PieceSet{};
    std::array<std::uint64_t, 2> ColourSet{};

private:
    // The steps of Load.
    void LoadSquares(const std::array<char, 64>& letters) noexcept;
    int CastleBitsAtHome(int bits) const noexcept;
    void SetSquare(int s, int colour, int type) noexcept;  // s must be empty
    void EmptySquare(int s) noexcept;
    template <bool CapturesOnly>
    void Generate() noexcept;
    // The steps of Generate, each appending the moves of one kind.
    template <bool CapturesOnly, int Side>
    void GeneratePawnMoves(int s) noexcept;  // Side is SideToMove
    template <bool CapturesOnly>
    void GenerateStepMoves(int s, int type) noexcept;  // knight and king
    void GenerateSliderCaptures(int s, int type) noexcept;
    void GenerateSliderMoves(int s, int type) noexcept;
    void GenerateCastlings() noexcept;
    void GenerateEnPassantCaptures() noexcept;
    // The steps of TryMove. CastleRook tests a castling and moves its rook,
    // false (nothing changed) when the castling is not allowed.
    bool CastleRook(int kingTo) noexcept;
    void PushUndoRecord(EngineMove move) noexcept;
    void UpdateCastleBitsAndEnPassant(EngineMove move) noexcept;
    void MovePiece(EngineMove move) noexcept;
    void Append(int from, int to, int promote, int flags, std::int32_t score) noexcept;
    int FindKing(int colour) const noexcept;
    // After the squares and the side are loaded: a pawn of Opponent can just
    // have made the double push that passed over square (0..63 or anything).
    bool JustPassedOver(int square) const noexcept;

    // Square of each colour's king, -1 without one; kScanForKing when the
    // colour has several and InCheck must look for the first.
    static constexpr int kScanForKing = -2;
    std::array<int, 2> kingSquare_{-1, -1};
    const SquareTableSet* squareTable_;
};

}  // namespace tablerix
