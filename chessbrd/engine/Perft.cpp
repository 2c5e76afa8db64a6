#include "Perft.h"

#include <algorithm>

namespace tablerix {

namespace {
int UsableDepth(const SearchBoard& board, int depth) noexcept {
    return std::clamp(depth, 0, SearchBoard::kMaxPly - 1 - board.Ply);
}
}  // namespace

std::uint64_t Perft::Walk(SearchBoard& board, int depth, const std::atomic<bool>* stop) noexcept {
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) return 0;
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

std::uint64_t Perft::Count(SearchBoard& board, int depth, const std::atomic<bool>* stop) noexcept {
    depth = UsableDepth(board, depth);
    return depth == 0 ? 1 : Walk(board, depth, stop);
}

std::vector<Perft::RootCount> Perft::Divide(SearchBoard& board, int depth, const std::atomic<bool>* stop) {
    std::vector<RootCount> result;
    depth = UsableDepth(board, depth);
    if (depth == 0) return result;
    board.GenerateMoves();
    const int ply = board.Ply;
    const int first = board.PlyMoves[ply].First;
    const int end = board.PlyMoves[ply].End;
    for (int i = first; i < end; ++i) {
        const EngineMove move = board.MoveStack[i].Move;
        if (!board.TryMove(move)) continue;
        const std::uint64_t nodes = depth == 1 ? 1 : Walk(board, depth - 1, stop);
        board.UndoMove();
        result.push_back(RootCount{move, nodes});
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) break;
    }
    return result;
}

}  // namespace tablerix
