#pragma once
// Move-path enumeration with the engine's own generator and TryMove/UndoMove,
// the standard check of a move generator against published counts.
// Plain C++, no Qt; runs on the caller's thread.

#include "EngineMove.h"
#include "SearchBoard.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace tablerix {

class Perft {
public:
    struct RootCount {
        EngineMove Move;
        std::uint64_t Nodes = 0;
    };
    using RootReport = std::function<void(const RootCount&)>;

    // Number of legal move paths of the given length from the board's
    // position (1 for depth 0). The board is left as it was. Depth is limited
    // to what the ply tables hold.
    static std::uint64_t Count(SearchBoard& board, int depth) noexcept;

    // The same split by legal root move, in generation order: report gets
    // each root move's count as soon as it is complete. A stop flag set on
    // the way (by any thread; nobody clears it while Divide runs) ends the
    // walk early; the root move then being counted is not reported, so every
    // reported count is true. Returns
    // whether every root move was counted. The board is left as it was.
    static bool Divide(SearchBoard& board, int depth, const std::atomic<bool>* stop, const RootReport& report);

private:
    static std::uint64_t Walk(SearchBoard& board, int depth, const std::atomic<bool>* stop) noexcept;
};

}  // namespace tablerix
