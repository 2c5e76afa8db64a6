#pragma once
// The engine: iterative deepening alpha-beta with a check extension and a
// quiescence search, on a SearchBoard of its own. One object owns every
// search table in fixed arrays (about 70 KB); nothing is allocated while it
// searches. Plain C++, no Qt.
//
// A search ends after its last iteration, on a stop request, or on one of its
// limits (SearchLimits, and the deadlines on the steady clock). The node
// budget is looked at on every node, the clock every kClockCheckInterval
// nodes and between iterations, and neither look changes what a search finds:
// a search that no limit ends visits the same nodes as one without limits.
// The first iteration always runs to its end (unless stopped), so a limited
// search still has a move.
//
// Threads: Think and everything else run on one searching thread at a time,
// except RequestStop, ClearStop, StopRequested, SetDeadlines and
// ClearDeadlines, which any thread may call. Read the results (BestMove,
// PrincipalLine, Completed*, Chosen*) after Think returns.

#include "ChessTypes.h"
#include "EngineMove.h"
#include "Evaluator.h"
#include "SearchBoard.h"
#include "SearchLimits.h"

#include <array>
#include <atomic>
#include <chrono>
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
    // Nodes between two looks at the clock: well under a millisecond.
    static constexpr std::uint64_t kClockCheckInterval = 1024;

    using Clock = std::chrono::steady_clock;

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
    // kMinDepth..kMaxDepth), or fewer if a stop is requested or a deadline
    // passes. The best move is then BestMove(). Does not clear the stop
    // request: whoever starts the search clears it first, so a stop that
    // arrives before Think is kept.
    void Think(const PositionSnapshot& pos, int depth);
    // The same within the limits: iterations 1..limits.Depth, ended early by
    // the node budget, a mate found or a deadline (LimitReached tells). The
    // limits are read during the call only.
    void Think(const PositionSnapshot& pos, const SearchLimits& limits);

    // Deadlines on the steady clock, for any thread, also while a search
    // runs: no iteration after the first starts once soft has passed, and the
    // search ends at the first look at the clock after hard. They stay until
    // changed; a new engine has none.
    void SetDeadlines(Clock::time_point soft, Clock::time_point hard) noexcept;
    void ClearDeadlines() noexcept { SetDeadlines(Clock::time_point::max(), Clock::time_point::max()); }
    // The latest Think ended on a limit (node budget or deadline), not by
    // running out of iterations or by a stop request.
    bool LimitReached() const noexcept { return limitReached_; }

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

    // The line to play after the latest Think: the last finished iteration's,
    // unless the iteration after it, cut short, had already searched some root
    // move to its end and found it better (whole searches of a root move are
    // sound, whatever happened to the moves after it). Empty when neither
    // exists. ChosenDepth is the iteration it comes from (0 when none).
    std::span<const EngineMove> ChosenLine() const noexcept;
    int ChosenDepth() const noexcept;
    int ChosenScore() const noexcept;

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
    // At every node: a stop request, or (after the first iteration) the node
    // budget or the hard deadline, which it notes in limitReached_.
    bool ShouldHalt() noexcept;
    // Whether the search has been told to end (no clock reading).
    bool Halted() const noexcept { return limitReached_ || StopRequested(); }
    bool PastDeadline(const std::atomic<Clock::rep>& deadline) const noexcept;
    // Drops the root moves that rootMoves_ does not allow.
    void KeepRootMoves() noexcept;
    // A root move searched to its end beat the ones before it: row 0 is kept
    // as the interrupted iteration's best so far.
    void KeepRootBest(int score) noexcept;
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

    // The running iteration's best root move so far, when one was searched to
    // its end (partialDepth_ is 0 otherwise).
    int iterationDepth_ = 0;
    int partialDepth_ = 0;
    int partialScore_ = 0;
    int partialLength_ = 0;
    std::array<EngineMove, kMaxPly> partialLine_{};

    // Limits of the running Think; none outside it.
    std::uint64_t nodeLimit_ = SearchLimits::kNoNodeLimit;
    std::span<const EngineMove> rootMoves_;
    bool limitsArmed_ = false;  // from the second iteration on
    bool limitReached_ = false;
    std::uint64_t nextClockCheck_ = 0;
    std::atomic<Clock::rep> softDeadline_{Clock::time_point::max().time_since_epoch().count()};
    std::atomic<Clock::rep> hardDeadline_{Clock::time_point::max().time_since_epoch().count()};

    ReportHook reportHook_;
};

}  // namespace tablerix
