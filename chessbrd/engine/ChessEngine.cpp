#include "ChessEngine.h"

#include <algorithm>
#include <utility>

namespace tablerix {

namespace {
constexpr std::int32_t kPVBoost = 10000000;
}

void ChessEngine::SetUp(const PositionSnapshot& pos) noexcept {
    board_.Load(pos);
    evaluator_.BuildSquareTables(board_);
    for (auto& row : board_.HistoryScore) row.fill(0);
    nodes_ = 0;
    maxPly_ = 0;
    completedDepth_ = 0;
    completedScore_ = 0;
    completedLength_ = 0;
}

void ChessEngine::Think(const PositionSnapshot& pos, int depth) {
    SetUp(pos);
    const int last = std::clamp(depth, kMinDepth, kMaxDepth);
    for (int d = 1; d <= last; ++d) {
        if (StopRequested()) break;
        onPVPath_ = true;
        const int score = Search(-kInfinity, kInfinity, d);
        if (StopRequested()) break;  // the iteration may have been cut short

        completedDepth_ = d;
        completedScore_ = score;
        completedLength_ = std::clamp(PrincipalLength[0], 0, kMaxPly);
        std::copy_n(PrincipalVariation[0].begin(), completedLength_, completedLine_.begin());
        if (reportHook_) reportHook_(IterationReport{d, score, nodes_, CompletedLine()});
    }
}

int ChessEngine::Search(int alpha, int beta, int depth) noexcept {
    ++nodes_;
    const int ply = board_.Ply;
    maxPly_ = std::max(maxPly_, ply);
    if (StopRequested()) return 0;
    if (depth == 0) return QuiescenceSearch(alpha, beta);
    if (ply >= kMaxPly - 1) return LeafScore(alpha, beta);

    PrincipalLength[ply] = ply;
    const bool inCheck = board_.InCheck(board_.SideToMove);
    if (inCheck) ++depth;
    board_.GenerateMoves();
    if (onPVPath_) BoostPVMove();

    bool anyLegal = false;
    const int end = board_.PlyMoves[ply].End;
    for (int i = board_.PlyMoves[ply].First; i < end; ++i) {
        if (StopRequested()) break;
        PickBest(i);
        const EngineMove move = board_.MoveStack[i].Move;
        if (!board_.TryMove(move)) continue;
        anyLegal = true;
        const int x = -Search(-beta, -alpha, depth - 1);
        board_.UndoMove();
        if (x > alpha) {
            board_.HistoryScore[move.From][move.To] += depth;
            if (x >= beta) return beta;
            alpha = x;
            RecordLine(move);
        }
    }
    if (!anyLegal) return inCheck ? ply - kInfinity : 0;
    return alpha;
}

int ChessEngine::QuiescenceSearch(int alpha, int beta) noexcept {
    ++nodes_;
    const int ply = board_.Ply;
    maxPly_ = std::max(maxPly_, ply);
    if (ply >= kMaxPly - 1) return LeafScore(alpha, beta);

    PrincipalLength[ply] = ply;
    const bool inCheck = board_.InCheck(board_.SideToMove);
    if (inCheck) {
        board_.GenerateMoves();
    } else {
        const int standPat = evaluator_.Evaluate(board_);
        if (standPat >= beta) return beta;
        if (standPat > alpha) alpha = standPat;
        board_.GenerateCaptures();
    }
    if (onPVPath_) BoostPVMove();

    bool anyLegal = false;
    const int end = board_.PlyMoves[ply].End;
    for (int i = board_.PlyMoves[ply].First; i < end; ++i) {
        PickBest(i);
        const EngineMove move = board_.MoveStack[i].Move;
        if (!board_.TryMove(move)) continue;
        anyLegal = true;
        const int x = -QuiescenceSearch(-beta, -alpha);
        board_.UndoMove();
        if (x > alpha) {
            if (x >= beta) return beta;
            alpha = x;
            RecordLine(move);
        }
    }
    if (inCheck && !anyLegal) return ply - kInfinity;
    return alpha;
}

// The tables hold kMaxPly plies: the last one is scored where it stands
// instead of being searched, so long check sequences cannot run off the end.
int ChessEngine::LeafScore(int alpha, int beta) noexcept {
    PrincipalLength[board_.Ply] = board_.Ply;
    const int x = evaluator_.Evaluate(board_);
    if (x >= beta) return beta;
    return std::max(x, alpha);
}

void ChessEngine::RecordLine(EngineMove move) noexcept {
    const int ply = board_.Ply;
    auto& row = PrincipalVariation[ply];
    const auto& below = PrincipalVariation[ply + 1];
    // A child cut short by a stop may not have set its length.
    const int length = std::clamp(PrincipalLength[ply + 1], ply + 1, kMaxPly);
    row[ply] = move;
    for (int k = ply + 1; k < length; ++k) row[k] = below[k];
    PrincipalLength[ply] = length;
}

void ChessEngine::BoostPVMove() noexcept {
    onPVPath_ = false;
    const int ply = board_.Ply;
    const EngineMove pv = PrincipalVariation[0][ply];
    const auto& range = board_.PlyMoves[ply];
    for (int i = range.First; i < range.End; ++i) {
        auto& entry = board_.MoveStack[i];
        if (entry.Move.From == pv.From && entry.Move.To == pv.To) {
            onPVPath_ = true;
            entry.Score += kPVBoost;
            return;
        }
    }
}

void ChessEngine::PickBest(int index) noexcept {
    auto& stack = board_.MoveStack;
    const int end = board_.PlyMoves[board_.Ply].End;
    int best = index;
    std::int32_t bestScore = stack[index].Score;
    for (int j = index + 1; j < end; ++j) {
        if (stack[j].Score > bestScore) {
            best = j;
            bestScore = stack[j].Score;
        }
    }
    if (best != index) std::swap(stack[index], stack[best]);
}

std::span<const EngineMove> ChessEngine::PrincipalLine() const noexcept {
    return {PrincipalVariation[0].data(), static_cast<std::size_t>(std::clamp(PrincipalLength[0], 0, kMaxPly))};
}

void ChessEngine::ClearPrincipalVariation() noexcept {
    for (auto& row : PrincipalVariation) row.fill(EngineMove{});
    PrincipalLength.fill(0);
}

}  // namespace tablerix
