#pragma once
// The game record: one MoveInfo per (move number, side) for moves 1..kMaxMoves,
// ordered (1, White), (1, Black), (2, White) ..., and the end entry
// (LastMove, LastMoveWhite), the position after the last half-move played.
// Entries past the end may hold leftovers; only the record up to the end is
// read. Owned by ChessBrdCore; used on the owner's thread only.

#include "ChessTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tablerix {

class GameRecord {
public:
    static constexpr int kMaxMoves = 256;

    GameRecord();

    // True when (move, side) lies inside the table.
    static bool InRange(int move) noexcept { return move >= 1 && move <= kMaxMoves; }
    // Entry (move, side); outside the table an empty entry.
    const MoveInfo& Entry(int move, bool white) const noexcept;

    // Writes position, castling and en passant of entry (move, side); the
    // half-move fields are set to fromSq/toSq. Ignored outside the table.
    void Write(int move, bool white, const std::string& position, CastleSet castling, Square enPassant, Square fromSq,
               Square toSq);
    // The same, keeping the entry's half-move fields as they are.
    void WritePosition(int move, bool white, const std::string& position, CastleSet castling, Square enPassant);

    int LastMove() const noexcept { return lastMove_; }
    bool LastMoveWhite() const noexcept { return lastMoveWhite_; }
    void SetEnd(int move, bool white) noexcept {
        lastMove_ = move;
        lastMoveWhite_ = white;
        ++version_;
    }
    // Half-moves from (1, White) up to the end entry.
    int HalfMoves() const noexcept { return Slot(lastMove_, lastMoveWhite_); }
    // (move, side) lies between (1, White) and the end entry.
    bool Reaches(int move, bool white) const noexcept;

    // The position of entry (move, side) has stood at least twice before in
    // the record: the same squares with the same player to move, the same
    // castling rights and the same en passant capture (a square where no
    // pawn can take does not count). An entry past the end is never a
    // repetition. The answer is kept until the record changes, as legality
    // asks it on every call.
    bool IsThreefold(int move, bool white) const noexcept;

    // One line per entry before the end entry, appended to list.
    void AppendMoveList(std::vector<std::string>& list) const;
    // "12. E2-E4" for White, 14 blanks and "E7-E5" for Black; an entry
    // without a half-move (a side that never moved) shows "..." instead.
    static std::string MoveLine(int move, bool white, Square fromSq, Square toSq);

private:
    static int Slot(int move, bool white) noexcept { return 2 * (move - 1) + (white ? 0 : 1); }

    std::array<MoveInfo, 2 * kMaxMoves> entries_{};
    std::array<std::uint64_t, 2 * kMaxMoves> hashes_{};  // of each entry's squares, side and rights
    std::array<Square, 2 * kMaxMoves> capturableEnPassant_{};
    int lastMove_ = 1;
    bool lastMoveWhite_ = true;
    std::uint64_t version_ = 0;  // bumped by every write
    mutable std::uint64_t cachedVersion_ = ~std::uint64_t{0};
    mutable int cachedSlot_ = -1;
    mutable bool cachedResult_ = false;
};

}  // namespace tablerix
