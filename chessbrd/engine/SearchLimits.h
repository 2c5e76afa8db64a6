#pragma once
// What may end a search before its last iteration, besides a stop request:
// a node budget, a mate to look for, and the root moves it may choose from.
// The deadlines live in the engine itself, since another thread may move them
// while it searches (ChessEngine::SetDeadlines). Plain C++; a value owned by
// whoever starts the search.

#include "EngineMove.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace tablerix {

struct SearchLimits {
    static constexpr std::uint64_t kNoNodeLimit = std::numeric_limits<std::uint64_t>::max();

    // The last iteration; brought into ChessEngine::kMinDepth..kMaxDepth.
    int Depth = 8;
    // No node beyond this many is searched (from the second iteration on).
    std::uint64_t Nodes = kNoNodeLimit;
    // Once an iteration proves a mate in this many moves or fewer for the side
    // to move, no further iteration starts; 0 looks for none.
    int MateMoves = 0;
    // The root plays only one of these (compared by squares and promotion);
    // empty allows every move. Moves not legal at the root are never chosen.
    std::vector<EngineMove> RootMoves;
};

}  // namespace tablerix
