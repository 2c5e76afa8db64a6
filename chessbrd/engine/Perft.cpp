#include "Perft.h"

#include <algorithm>

namespace tablerix {

namespace {
int UsableDepth(const SearchBoard& board, int depth) noexcept {
    return std::clamp(depth, 0, SearchBoard::kMaxPly - 1 - board.Ply);
}

bool Stopped(const std::atomic<bool>* stop) noexcept {
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}
}  // namespace

// Once stopped, returns at once with a count that is too small; the caller
// throws such a count away.
std::uint64_t Perft::Walk(SearchBoard& board, int depth, const std::atomic<bool>* stop) noexcept {
    if (Stopped(stop)) return 0;
    board.GenerateMoves();
    const int ply = board.Ply;
    const int first = board.PlyMoves[ply].First;
    const int end = board.PlyMoves[ply].End;
    std::uint64_t nodes = 0;
    for (int i = first; i < end; ++i) {
        if (!board.TryMove(board.MoveStack[i].Move)) continue;
        nodes += depth == 1 ? 1 : Walk(board, depth - 1, stop);
        board.UndoMove();
    }
    return nodes;
}

std::uint64_t Perft::Count(SearchBoard& board, int depth) noexcept {
    depth = UsableDepth(board, depth);
    return depth == 0 ? 1 : Walk(board, depth, nullptr);
}

bool Perft::Divide(SearchBoard& board, int depth, const std::atomic<bool>* stop, const RootReport& report) {
    depth = UsableDepth(board, depth);
    if (depth == 0) return !Stopped(stop);
    board.GenerateMoves();
    const int ply = board.Ply;
    const int first = board.PlyMoves[ply].First;
    const int end = board.PlyMoves[ply].End;
    for (int i = first; i < end; ++i) {
        const EngineMove move = board.MoveStack[i].Move;
        if (!board.TryMove(move)) continue;
        const std::uint64_t nodes = depth == 1 ? 1 : Walk(board, depth - 1, stop);
        board.UndoMove();
        // The flag only ever rises during a walk: clear now means it was
        // clear all along, and the count is whole.
        if (Stopped(stop)) return false;
        if (report) report(RootCount{move, nodes});
    }
    return !Stopped(stop);
}

}  // namespace tablerix
