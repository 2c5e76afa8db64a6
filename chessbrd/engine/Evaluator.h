#pragma once
// Static evaluation: material and square tables built once per search from
// the root position (king table by the opponent's material, pawn shelter in
// front of a castled king), plus pawn-structure and rook-file terms.
// Plain C++, no Qt; belongs to the searching thread.

#include "SearchBoard.h"

#include <array>

namespace tablerix {

class Evaluator {
public:
    // Fills SquareTable for the position on the board (taken as the root) and
    // attaches it to the board, which then keeps the table sums; this object
    // must outlive that attachment.
    void BuildSquareTables(SearchBoard& board) noexcept;
    // Score of the position for the side to move, in hundredths of a pawn;
    // the board must carry this evaluator's tables.
    int Evaluate(const SearchBoard& board) const noexcept;

    // [colour][piece type][square]: material plus positional value.
    std::array<std::array<std::array<int, 64>, 6>, 2> SquareTable{};
};

}  // namespace tablerix
