#pragma once
// The engine: iterative deepening alpha-beta with a check extension and a
// quiescence search, on a SearchBoard of its own. One object owns every
// search table in fixed arrays (about 70 KB); nothing is allocated while it
// searches. Plain C++, no Qt.
//
// Threads: Think and everything else run on one searching thread at a time,
// except RequestStop, ClearStop and StopRequested, which any thread may call.
// Read the results (BestMove, PrincipalLine, Completed*) after Think returns.

#include "ChessTypes.h"
#include "EngineMove.h"
#include "Evaluator.h"
#include "SearchBoard.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>

namespace tablerix {

class ChessEngine {
public:
    static constexpr int kMaxPly = SearchBoard::kMaxPly;
    static constexpr int kMinDepth = 1;
    static constexpr int kMaxDepth = 8;
    static constexpr int kInfinity = 10000;  // root window; mated at ply p scores p - 10000

    // What one finished iteration found; Line views the engine's own copy and
    // is valid only during the call.
    struct IterationReport {
        int Depth = 0;
        int Score = 0;  // what Search returned at the root
        std::uint64_t Nodes = 0;
        std::span<const EngineMove> Line;
    };
    using ReportHook = std::function<void(const IterationReport&)>;

    ChessEngine() noexcept = default;
    ChessEngine(const ChessEngine&) = delete;
    ChessEngine& operator=(const ChessEngine&) = delete;

    // Copies the position and searches iterations 1..depth (depth clamped to
    // kMinDepth..kMaxDepth), or fewer if a stop is requested. The best move is
    // then BestMove(). Does not clear the stop request: whoever starts the
    // search clears it first, so a stop that arrives before Think is kept.
    void Think(const PositionSnapshot& pos, int depth);

    // The first half of Think: loads the position, builds the square tables,
    // clears the history credits and the node count. Exposed for tests that
    // call Search directly.
    void SetUp(const PositionSnapshot& pos) noexcept;

    // The searches themselves (searching thread only). Scores are from the
    // side to move's point of view.
    int Search(int alpha, int beta, int depth) noexcept;
    int QuiescenceSearch(int alpha, int beta) noexcept;

    // Stop request, polled at every node of the main search. Any thread.
    void RequestStop() noexcept { stop_.store(true, std::memory_order_relaxed); }
    void ClearStop() noexcept { stop_.store(false, std::memory_order_relaxed); }
    bool StopRequested() const noexcept { return stop_.load(std::memory_order_relaxed); }

    // Calls of Search and QuiescenceSearch since Think began, root included.
    std::uint64_t Nodes() const noexcept { return nodes_; }
    // Deepest ply at which a node was entered since Think began.
    int MaxPlyReached() const noexcept { return maxPly_; }

    // Row 0 of the principal variation: entry 0 is the move to play. The
    // table survives from one Think to the next (the first iteration follows
    // the previous line); a root without a legal move leaves it untouched, and
    // before any search it holds a8a8.
    EngineMove BestMove() const noexcept { return PrincipalVariation[0][0]; }
    std::span<const EngineMove> PrincipalLine() const noexcept;
    // A fresh engine's table: every entry a8a8, every length 0.
    void ClearPrincipalVariation() noexcept;

    // The last iteration that ran to its end without a stop request during the
    // latest Think (depth 0 when none did). Row 0 may since have been changed
    // by an interrupted iteration, whose moves and scores mean nothing.
    int CompletedDepth() const noexcept { return completedDepth_; }
    int CompletedScore() const noexcept { return completedScore_; }
    std::span<const EngineMove> CompletedLine() const noexcept {
        return {completedLine_.data(), static_cast<std::size_t>(completedLength_)};
    }

    // Called on the searching thread after each finished iteration (never
    // inside the node loop). Set it while no search runs.
    void SetReportHook(ReportHook hook) { reportHook_ = std::move(hook); }

    // The search position and evaluation (for tests and tools).
    const SearchBoard& Board() const noexcept { return board_; }
    SearchBoard& Board() noexcept { return board_; }
    const Evaluator& Evaluation() const noexcept { return evaluator_; }

    // Row p holds the best line found from ply p in entries p..length-1.
    std::array<std::array<EngineMove, kMaxPly>, kMaxPly> PrincipalVariation{};
    std::array<int, kMaxPly> PrincipalLength{};

private:
    void BoostPVMove() noexcept;
    void PickBest(int index) noexcept;
    void RecordLine(EngineMove move) noexcept;
    // Evaluation at the deepest ply, where the fixed tables end.
    int LeafScore(int alpha, int beta) noexcept;

    SearchBoard board_;
    Evaluator evaluator_;
    bool onPVPath_ = false;
    std::atomic<bool> stop_{false};
    std::uint64_t nodes_ = 0;
    int maxPly_ = 0;

    int completedDepth_ = 0;
    int completedScore_ = 0;
    int completedLength_ = 0;
    std::array<EngineMove, kMaxPly> completedLine_{};

    ReportHook reportHook_;
};

}  // namespace tablerix
