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
    iterationDepth_ = 0;
    partialDepth_ = 0;
    limitsArmed_ = false;
    limitReached_ = false;
    nextClockCheck_ = 0;
}

void ChessEngine::Think(const PositionSnapshot& pos, int depth) {
    SearchLimits limits;
    limits.Depth = depth;
    Think(pos, limits);
}

void ChessEngine::Think(const PositionSnapshot& pos, const SearchLimits& limits) {
    SetUp(pos);
    nodeLimit_ = limits.Nodes;
    rootMoves_ = limits.RootMoves;
    const int last = std::clamp(limits.Depth, kMinDepth, kMaxDepth);
    for (int d = 1; d <= last; ++d) {
        if (Halted()) break;
        if (d > 1 && PastDeadline(softDeadline_)) {
            limitReached_ = true;  // the next iteration would not end in time
            break;
        }
        limitsArmed_ = d > 1;
        iterationDepth_ = d;
        onPVPath_ = true;
        const int score = Search(-kInfinity, kInfinity, d);
        if (Halted()) break;  // the iteration may have been cut short

        completedDepth_ = d;
        completedScore_ = score;
        completedLength_ = std::clamp(PrincipalLength[0], 0, kMaxPly);
        std::copy_n(PrincipalVariation[0].begin(), completedLength_, completedLine_.begin());
        if (reportHook_) reportHook_(IterationReport{d, score, nodes_, CompletedLine()});
        // A mate in n moves for the side to move scores kInfinity + 1 - 2n.
        if (limits.MateMoves > 0 && score > kInfinity - 2 * kMaxPly && (kInfinity + 1 - score) / 2 <= limits.MateMoves)
            break;
    }
    limitsArmed_ = false;
    nodeLimit_ = SearchLimits::kNoNodeLimit;
    rootMoves_ = {};
}

void ChessEngine::SetDeadlines(Clock::time_point soft, Clock::time_point hard) noexcept {
    softDeadline_.store(soft.time_since_epoch().count(), std::memory_order_relaxed);
    hardDeadline_.store(hard.time_since_epoch().count(), std::memory_order_relaxed);
}

bool ChessEngine::PastDeadline(const std::atomic<Clock::rep>& deadline) const noexcept {
    return Clock::now().time_since_epoch().count() >= deadline.load(std::memory_order_relaxed);
}

bool ChessEngine::ShouldHalt() noexcept {
    if (Halted()) return true;
    if (!limitsArmed_) return false;
    if (nodes_ > nodeLimit_) {
        limitReached_ = true;
        return true;
    }
    if (nodes_ >= nextClockCheck_) {
        nextClockCheck_ = nodes_ + kClockCheckInterval;
        if (PastDeadline(hardDeadline_)) limitReached_ = true;
    }
    return limitReached_;
}

void ChessEngine::KeepRootMoves() noexcept {
    auto& range = board_.PlyMoves[0];
    int kept = range.First;
    for (int i = range.First; i < range.End; ++i) {
        const EngineMove m = board_.MoveStack[i].Move;
        const bool allowed = std::any_of(rootMoves_.begin(), rootMoves_.end(), [m](EngineMove r) {
            return r.From == m.From && r.To == m.To && r.Promote == m.Promote;
        });
        if (allowed) board_.MoveStack[kept++] = board_.MoveStack[i];
    }
    range.End = kept;
    board_.PlyMoves[1].First = kept;
}

void ChessEngine::KeepRootBest(int score) noexcept {
    partialDepth_ = iterationDepth_;
    partialScore_ = score;
    partialLength_ = std::clamp(PrincipalLength[0], 0, kMaxPly);
    std::copy_n(PrincipalVariation[0].begin(), partialLength_, partialLine_.begin());
}

std::span<const EngineMove> ChessEngine::ChosenLine() const noexcept {
    if (partialDepth_ > completedDepth_) return {partialLine_.data(), static_cast<std::size_t>(partialLength_)};
    return CompletedLine();
}

int ChessEngine::ChosenDepth() const noexcept { return std::max(partialDepth_, completedDepth_); }

int ChessEngine::ChosenScore() const noexcept {
    return partialDepth_ > completedDepth_ ? partialScore_ : completedScore_;
}

int ChessEngine::Search(int alpha, int beta, int depth) noexcept {
    ++nodes_;
    const int ply = board_.Ply;
    maxPly_ = std::max(maxPly_, ply);
    if (ShouldHalt()) return 0;
    if (depth == 0) return QuiescenceSearch(alpha, beta);
    if (ply >= kMaxPly - 1) return LeafScore(alpha, beta);

    PrincipalLength[ply] = ply;
    const bool inCheck = board_.InCheck(board_.SideToMove);
    if (inCheck) ++depth;
    board_.GenerateMoves();
    if (ply == 0 && !rootMoves_.empty()) KeepRootMoves();
    if (onPVPath_) BoostPVMove();

    bool anyLegal = false;
    const int end = board_.PlyMoves[ply].End;
    for (int i = board_.PlyMoves[ply].First; i < end; ++i) {
        if (Halted()) break;
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
            if (ply == 0 && !Halted()) KeepRootBest(x);
        }
    }
    if (!anyLegal) return inCheck ? ply - kInfinity : 0;
    return alpha;
}

int ChessEngine::QuiescenceSearch(int alpha, int beta) noexcept {
    ++nodes_;
    const int ply = board_.Ply;
    maxPly_ = std::max(maxPly_, ply);
    if (ShouldHalt()) return alpha;  // what it returns then is never used
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
        if (Halted()) break;
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
