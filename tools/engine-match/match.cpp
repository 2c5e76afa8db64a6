// tablerix-match: games of a UCI engine against itself under a clock, judged
// by the rules core; reports the results and every loss on time.
//
//   tablerix-match --engine PATH [--games N] [--minutes M] [--time S]
//                  [--inc S] [--depth D] [--plies P] [--seed N] [--ponder]
//                  [--log FILE]
//
// Two copies of the engine play N games (default 10), or as many as start
// within M minutes, each pair of games from the same random opening of P
// plies (default 4) with the colours swapped. The clock is S seconds
// (default 10) plus an increment (default 0.1) a move; the engines search
// to at most Depth D (default 8). --log writes every move's time left and
// time used to FILE. The exit status is 1 when a side lost on
// time or an engine failed (an illegal move, no answer), 2 on a usage error.

#include "EngineChild.h"
#include "MatchBoard.h"
#include "MatchGame.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tablerix;
using std::chrono::milliseconds;

struct Options {
    std::string Engine;
    int Games = 10;
    double Minutes = 0;  // 0: no time limit on the match
    TimeControl Control;
    int Depth = 8;
    int Plies = 4;
    unsigned Seed = 1;
    bool Ponder = false;
    std::string Log;
};

bool ReadOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ponder") {
            o.Ponder = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        const std::string value = argv[++i];
        const auto ms = [&] { return milliseconds(static_cast<long>(std::stod(value) * 1000 + 0.5)); };
        try {
            if (arg == "--engine") o.Engine = value;
            else if (arg == "--games") o.Games = std::stoi(value);
            else if (arg == "--minutes") o.Minutes = std::stod(value);
            else if (arg == "--time") o.Control.Base = ms();
            else if (arg == "--inc") o.Control.Increment = ms();
            else if (arg == "--depth") o.Depth = std::stoi(value);
            else if (arg == "--plies") o.Plies = std::stoi(value);
            else if (arg == "--seed") o.Seed = static_cast<unsigned>(std::stoul(value));
            else if (arg == "--log") o.Log = value;
            else return false;
        } catch (const std::exception&) {
            return false;
        }
    }
    return !o.Engine.empty() && o.Games > 0 && o.Plies >= 0;
}

// Random legal moves from the start that do not end the game.
std::vector<std::string> RandomOpening(int plies, unsigned seed) {
    std::mt19937 random(seed);
    for (;;) {
        MatchBoard board;
        std::vector<std::string> moves;
        while (static_cast<int>(moves.size()) < plies && board.Ending().empty()) {
            const auto legal = board.LegalMoves();
            const std::string move = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)];
            board.Play(move);
            moves.push_back(move);
        }
        if (board.Ending().empty()) return moves;
    }
}

std::unique_ptr<EngineChild> StartEngine(const Options& o) {
    auto engine = std::make_unique<EngineChild>(o.Engine);
    const auto patience = EngineChild::Clock::now() + std::chrono::seconds(10);
    engine->Send("uci");
    if (!engine->WaitFor("uciok", patience)) return nullptr;
    engine->Send("setoption name Depth value " + std::to_string(o.Depth));
    return engine;
}

std::string Seconds(milliseconds t) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(2) << static_cast<double>(t.count()) / 1000 << " s";
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ReadOptions(argc, argv, o)) {
        std::cerr << "usage: tablerix-match --engine PATH [--games N] [--minutes M] [--time S] [--inc S] "
                     "[--depth D] [--plies P] [--seed N] [--ponder] [--log FILE]\n";
        return 2;
    }
    std::ofstream log;
    if (!o.Log.empty()) log.open(o.Log);
    std::cout << "Engine " << o.Engine << " against itself, " << Seconds(o.Control.Base) << " + "
              << Seconds(o.Control.Increment) << " a move, Depth " << o.Depth << (o.Ponder ? ", pondering" : "")
              << "\n";

    const auto started = EngineChild::Clock::now();
    int played = 0, winsA = 0, winsB = 0, draws = 0, whiteWins = 0, blackWins = 0, onTime = 0, faults = 0;
    long long plies = 0;
    milliseconds leastLeft = milliseconds::max();
    std::map<std::string, int> endings;
    std::vector<std::string> openingMoves;
    for (int game = 0; game < o.Games; ++game) {
        const auto elapsed = std::chrono::duration<double>(EngineChild::Clock::now() - started).count();
        if (o.Minutes > 0 && elapsed > o.Minutes * 60) break;
        if (game % 2 == 0) openingMoves = RandomOpening(o.Plies, o.Seed + static_cast<unsigned>(game / 2));
        // Fresh engines each game, so that one game's failure does not spill into the next.
        auto a = StartEngine(o);
        auto b = StartEngine(o);
        if (!a || !b) {
            std::cerr << "tablerix-match: the engine did not answer uci: " << o.Engine << "\n";
            return 1;
        }
        const bool aWhite = game % 2 == 0;
        MatchGame match(aWhite ? *a : *b, aWhite ? *b : *a, o.Control, openingMoves, o.Ponder);
        if (log.is_open()) {
            log << "game " << game + 1 << "\n";
            match.SetLog(&log);
        }
        const GameResult r = match.Play();
        a->Quit();
        b->Quit();

        ++played;
        plies += r.Plies;
        ++endings[r.Reason];
        onTime += r.LostOnTime;
        faults += r.Fault;
        if (r.Score == 0) {
            ++draws;
        } else {
            ++(r.Score > 0 ? whiteWins : blackWins);
            ++((r.Score > 0) == aWhite ? winsA : winsB);
        }
        for (const milliseconds left : r.LeastLeft) leastLeft = std::min(leastLeft, left);
        const char* score = r.Score > 0 ? "1-0" : r.Score < 0 ? "0-1" : "1/2-1/2";
        std::cout << "game " << game + 1 << " (A " << (aWhite ? "White" : "Black") << "): " << score << " " << r.Reason
                  << " after " << r.Plies << " plies; least time left: White " << Seconds(r.LeastLeft[0]) << ", Black "
                  << Seconds(r.LeastLeft[1]) << std::endl;
    }

    const auto wall = std::chrono::duration_cast<milliseconds>(EngineChild::Clock::now() - started);
    std::cout << "\n"
              << played << " games in " << Seconds(wall) << ": A " << winsA << " wins, B " << winsB << " wins, "
              << draws << " draws (White won " << whiteWins << ", Black " << blackWins << ")\n";
    std::cout << "endings:";
    for (const auto& [reason, count] : endings) std::cout << " " << reason << " " << count << ";";
    std::cout << "\naverage length: " << (played ? plies / played : 0) << " plies after the opening\n";
    std::cout << "losses on time: " << onTime << "; engine faults: " << faults << "\n";
    std::cout << "least time left after any move: " << Seconds(leastLeft) << "\n";
    return onTime == 0 && faults == 0 ? 0 : 1;
}
