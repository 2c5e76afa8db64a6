#pragma once
// The words of a "go" command read into values. Reading never fails: a word
// it cannot use (a missing or malformed number, an unknown word) is skipped
// and described in Complaints, and the search goes on with the rest, so that
// every "go" still ends in a "bestmove". Plain C++; a value, any thread.
//
//   go [depth n] [movetime ms] [wtime ms] [btime ms] [winc ms] [binc ms]
//      [movestogo n] [nodes n] [mate n] [infinite] [ponder]
//      [searchmoves move ...] | go perft n
//
// Times below 0 read as 0 (a clock that has run out); numbers too large for
// an int read as the largest one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tablerix {

struct GoParameters {
    std::optional<int> Depth;      // as given; the caller clamps it
    std::optional<int> MoveTime;   // milliseconds, >= 0
    std::optional<int> Time[2];    // wtime, btime: milliseconds, >= 0 (index kWhite, kBlack)
    int Increment[2] = {0, 0};     // winc, binc: milliseconds, >= 0
    std::optional<int> MovesToGo;  // >= 1
    std::optional<std::uint64_t> Nodes;
    std::optional<int> Mate;               // moves, >= 1
    std::vector<std::string> SearchMoves;  // as written; the caller checks them
    bool Infinite = false;
    bool Ponder = false;

    bool Perft = false;             // "perft" was given: count instead of search
    std::optional<int> PerftDepth;  // its number, when it was one

    // One text for each word that was skipped ("go depth needs a whole number").
    std::vector<std::string> Complaints;

    // Reads words[1..] (words[0] is "go").
    static GoParameters Read(const std::vector<std::string>& words);
};

}  // namespace tablerix
