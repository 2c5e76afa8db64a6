#pragma once
// One game between two UCI engines under a clock, judged by the rules core:
// each move is checked for legality, and the game ends on mate, stalemate,
// threefold repetition, the fifty-move rule, insufficient material, a side
// whose clock goes below zero, an illegal move or no answer. A side's clock
// runs from the moment its "go" (or "ponderhit") is written until its
// "bestmove" line has been read, so the pipes count against the engine as
// they would in a GUI. Plain C++ on Linux pipes.
//
// Threads: one. Ownership: uses the two engines, which must outlive Play;
// both are left idle (no search running) when it returns.

#include "EngineChild.h"
#include "MatchBoard.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tablerix {

struct TimeControl {
    std::chrono::milliseconds Base{10000};
    std::chrono::milliseconds Increment{100};
};

struct GameResult {
    // 1 White won, 0 a draw, -1 Black won.
    int Score = 0;
    std::string Reason;       // "checkmate", "loss on time", "threefold repetition", ...
    bool LostOnTime = false;  // the loser's clock went below zero
    bool Fault = false;       // an illegal move, no answer, or an engine that would not start
    int Plies = 0;            // moves played after the opening
    // The least time a side had left after one of its moves (negative for a loss on time).
    std::chrono::milliseconds LeastLeft[2]{std::chrono::milliseconds::max(), std::chrono::milliseconds::max()};
    std::vector<std::string> Moves;  // every move, the opening's included
};

class MatchGame {
public:
    static constexpr int kMaxPlies = 600;  // adjudicated a draw beyond this

    // engines[0] plays White, engines[1] Black; opening moves are played
    // first, unjudged by the clock. With ponder, an engine thinks on the
    // reply it expects while the other one thinks.
    MatchGame(EngineChild& white, EngineChild& black, TimeControl control, std::vector<std::string> opening,
              bool ponder);

    GameResult Play();
    // Writes a line for each move to log (ply, side, how it was asked, time
    // left before it, time used), which must outlive Play; nullptr for none.
    void SetLog(std::ostream* log) noexcept { log_ = log; }

private:
    struct Side {
        EngineChild* Engine = nullptr;
        std::chrono::microseconds Left{0};  // finer than the engine is told, so no rounding favours it
        bool Pondering = false;
        std::string PonderMove;  // the reply it ponders on
    };

    // "position startpos moves ..." for the game so far and then extra.
    std::string PositionCommand(const std::string& extra = "") const;
    // "wtime ... btime ... winc ... binc ..." from the clocks as they stand.
    std::string ClockArguments() const;
    // Ends a pondering search and reads its answer away.
    static void EndPondering(Side& side);
    // Asks the side to move for its move and runs its clock: the bestmove
    // line, or nothing when none came before the clock ran out (Left is then
    // below zero).
    std::optional<std::string> AskMove(Side& side);
    // Lets the side that has just moved think on the reply it named.
    void StartPondering(Side& side, const std::string& ponderMove);

    Side sides_[2];
    TimeControl control_;
    std::vector<std::string> opening_;
    bool ponder_;
    MatchBoard board_;
    std::vector<std::string> moves_;
    std::ostream* log_ = nullptr;
};

}  // namespace tablerix
