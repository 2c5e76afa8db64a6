// tablerix-slack: how late the engine answers, measured through pipes. For
// each Depth setting 1..8 and a handful of positions it times "go movetime
// 100" from writing the go to reading the bestmove, and the answer to "stop"
// sent at a random moment of "go infinite"; it prints the worst of each, and
// checks that every go got exactly one bestmove.
//
//   tablerix-slack --engine PATH [--repeats N] [--movetime MS] [--seed N]
//
// The exit status is 1 when an answer was missing, doubled, or later than
// --limit milliseconds of slack (default 50), 2 on a usage error.

#include "EngineChild.h"

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace tablerix;
using Clock = EngineChild::Clock;
using Ms = std::chrono::duration<double, std::milli>;

const char* const kPositions[] = {
    "startpos",
    "fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "fen r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "fen rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
    "fen r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "fen 8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
};

// After a go's bestmove: no second one may follow before "readyok".
bool NoSecondBestMove(EngineChild& engine) {
    engine.Send("isready");
    while (auto line = engine.ReadLine(Clock::now() + std::chrono::seconds(10))) {
        if (*line == "readyok") return true;
        if (line->rfind("bestmove", 0) == 0) return false;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::string path;
    int repeats = 3;
    int moveTime = 100;
    double limit = 50;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        const std::string value = argv[i + 1];
        if (arg == "--engine") path = value;
        else if (arg == "--repeats") repeats = std::stoi(value);
        else if (arg == "--movetime") moveTime = std::stoi(value);
        else if (arg == "--limit") limit = std::stod(value);
        else if (arg == "--seed") seed = static_cast<unsigned>(std::stoul(value));
        else path.clear(), i = argc;
    }
    if (path.empty() || argc % 2 == 0) {
        std::cerr << "usage: tablerix-slack --engine PATH [--repeats N] [--movetime MS] [--limit MS] [--seed N]\n";
        return 2;
    }
    EngineChild engine(path);
    engine.Send("uci");
    if (!engine.WaitFor("uciok", Clock::now() + std::chrono::seconds(10))) {
        std::cerr << "tablerix-slack: the engine did not answer uci\n";
        return 1;
    }

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> stopAfter(5, 300);
    bool failed = false;
    double worstOver = -1e9, worstStop = 0;
    std::cout << "go movetime " << moveTime << " and stop during go infinite, " << repeats << " x "
              << std::size(kPositions) << " positions per Depth\n";
    std::cout << "Depth  movetime: worst answer (overshoot)   stop: worst answer\n";
    for (int depth = 1; depth <= 8; ++depth) {
        engine.Send("setoption name Depth value " + std::to_string(depth));
        double worstAnswer = 0, worstLatency = 0;
        for (int r = 0; r < repeats; ++r) {
            for (const char* position : kPositions) {
                engine.Send(std::string("position ") + position);
                failed |= !NoSecondBestMove(engine);

                const auto sent = Clock::now();
                engine.Send("go movetime " + std::to_string(moveTime));
                const bool answered = engine.WaitFor("bestmove", sent + std::chrono::seconds(30)).has_value();
                const double took = Ms(Clock::now() - sent).count();
                failed |= !answered || !NoSecondBestMove(engine);
                worstAnswer = std::max(worstAnswer, took);

                engine.Send("go infinite");
                std::this_thread::sleep_for(std::chrono::milliseconds(stopAfter(random)));
                const auto asked = Clock::now();
                engine.Send("stop");
                const bool stopped = engine.WaitFor("bestmove", asked + std::chrono::seconds(30)).has_value();
                const double latency = Ms(Clock::now() - asked).count();
                failed |= !stopped || !NoSecondBestMove(engine);
                worstLatency = std::max(worstLatency, latency);
            }
        }
        const double over = worstAnswer - moveTime;
        worstOver = std::max(worstOver, over);
        worstStop = std::max(worstStop, worstLatency);
        std::cout << std::fixed << std::setprecision(1) << std::setw(5) << depth << "  " << std::setw(8) << worstAnswer
                  << " ms (" << std::showpos << over << std::noshowpos << " ms)" << std::setw(22) << worstLatency
                  << " ms" << std::endl;
    }
    engine.Quit();
    std::cout << "worst overshoot of movetime: " << worstOver << " ms; worst stop latency: " << worstStop << " ms\n";
    if (failed) std::cout << "FAILED: a go did not get exactly one bestmove\n";
    if (worstOver > limit || worstStop > limit) std::cout << "FAILED: more than " << limit << " ms of slack\n";
    return failed || worstOver > limit || worstStop > limit ? 1 : 0;
}
