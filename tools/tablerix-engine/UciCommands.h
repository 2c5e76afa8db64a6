#pragma once
// The commands of the Universal Chess Interface that change or use the
// engine's state, carried out one at a time in the order they were read:
// "uci", "setoption", "ucinewgame", "position" and "go". A "go" runs its
// search or perft to its end on the calling thread, and a search always ends
// in exactly one "bestmove" (GoParameters, TimeBudget and GoControl say how
// its limits are read and kept). Plain C++.
//
// Threads: Execute belongs to one thread at a time (UciSession hands it from
// the reading thread to its worker and back, never both at once).
// RequestStop, ClearStop and PonderHit may be called from any thread.
// Ownership: owns its engine and scratch board; writes through the caller's
// writer, which must outlive it.

#include "ChessEngine.h"
#include "ChessTypes.h"
#include "GoControl.h"
#include "GoParameters.h"
#include "SearchBoard.h"
#include "UciWriter.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tablerix {

class UciCommands {
public:
    using Words = std::vector<std::string>;
    using Clock = std::chrono::steady_clock;

    static constexpr int kDefaultDepth = 5;
    static constexpr int kMaxPerftDepth = 20;

    explicit UciCommands(UciWriter& out);
    UciCommands(const UciCommands&) = delete;
    UciCommands& operator=(const UciCommands&) = delete;

    // The line cut into blank-separated words.
    static Words Split(std::string_view line);
    // The command word names one of the commands above.
    static bool Handles(const std::string& command);

    // Carries out one command (words as Split gives them; anything Handles
    // refuses is ignored). A search writes its "info" lines and always one
    // "bestmove" (a legal move, with the reply it expects as "ponder" when it
    // has one, or 0000 without a legal move); a perft writes each root move's
    // count as it is complete and the total only when every root move was
    // counted. readAt is when the line was read: a clock given to "go" runs
    // from then.
    void Execute(const Words& words, Clock::time_point readAt = Clock::now());

    // Ends a running search or perft as soon as possible, and any started
    // before ClearStop is called (a stopped search still names a legal
    // move; a stopped perft writes no further count). An infinite or
    // pondering search answers now.
    void RequestStop() noexcept;
    // Lets the next search or perft run, and forgets a ponderhit; call it
    // before Execute, never while one runs.
    void ClearStop() noexcept;
    // The pondering search, running or the next to start, goes on as a normal
    // one whose clock started at `at` (GoControl).
    void PonderHit(Clock::time_point at);

    // "cp 25", "mate 1", "mate -1" for a root score.
    static std::string ScoreText(int score);

private:
    void Uci();
    void SetOption(const Words& words);
    void NewGame();
    void Position(const Words& words);
    // "startpos" or "fen ...", from words[i] on; i ends after it. False
    // (and a message) when there is neither or the FEN is malformed.
    bool ReadBasePosition(const Words& words, std::size_t& i, PositionSnapshot& pos);
    // One move in coordinates ("e2e4", "e7e8q") played on pos; false (and a
    // message) when it is malformed or illegal there.
    bool PlayMoveText(const std::string& text, PositionSnapshot& pos);
    void Go(const Words& words, Clock::time_point readAt);
    void RunSearch(const GoParameters& go, Clock::time_point readAt);
    void RunPerft(int depth);
    std::vector<EngineMove> LegalMoves(const PositionSnapshot& pos);
    // The legal moves that searchmoves names, each complaint said; empty
    // when it names none (then every move may be played).
    std::vector<EngineMove> SearchMoves(const GoParameters& go, const std::vector<EngineMove>& legal);
    // "info depth ... pv ..." for a line found at that depth.
    std::string InfoLine(int depth, int score, std::uint64_t nodes, std::span<const EngineMove> line) const;

    UciWriter& out_;
    std::unique_ptr<ChessEngine> engine_;
    GoControl control_{*engine_};
    std::unique_ptr<SearchBoard> scratch_;  // for checking moves outside a search
    PositionSnapshot position_;
    int depthOption_ = kDefaultDepth;
    std::atomic<bool> perftStop_{false};
};

}  // namespace tablerix
