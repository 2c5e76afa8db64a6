#pragma once
// Move-path enumeration with the engine's own generator and TryMove/UndoMove,
// the standard check of a move generator against published counts.
// Plain C++, no Qt; runs on the caller's thread.

#include "EngineMove.h"
#include "SearchBoard.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace tablerix {

class Perft {
public:
    struct RootCount {
        EngineMove Move;
        std::uint64_t Nodes = 0;
    };

    // Number of legal move paths of the given length from the board's
    // position (1 for depth 0). The board is left as it was. Depth is limited
    // to what the ply tables hold. A set stop flag makes it return early with
    // a partial count.
    static std::uint64_t Count(SearchBoard& board, int depth, const std::atomic<bool>* stop = nullptr) noexcept;

    // The same split by legal root move, in generation order.
    static std::vector<RootCount> Divide(SearchBoard& board, int depth, const std::atomic<bool>* stop = nullptr);

private:
    static std::uint64_t Walk(SearchBoard& board, int depth, const std::atomic<bool>* stop) noexcept;
};

}  // namespace tablerix
