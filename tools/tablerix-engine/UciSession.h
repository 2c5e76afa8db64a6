#pragma once
// The engine behind the Universal Chess Interface: interprets one command
// line at a time and writes the answers to a stream. Searches run on a worker
// thread so that "stop", "isready" and "quit" are answered while it thinks.
//
// Threads: Handle and WaitForSearch are for one reading thread; the worker
// writes its "info" and "bestmove" lines to the same stream under a lock.
// The session owns its engine and its worker; destroying it stops and joins
// a running search.

#include "ChessEngine.h"
#include "ChessTypes.h"
#include "SearchBoard.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tablerix {

class UciSession {
public:
    static constexpr int kDefaultDepth = 5;
    static constexpr int kMaxPerftDepth = 20;

    explicit UciSession(std::ostream& out);
    ~UciSession();
    UciSession(const UciSession&) = delete;
    UciSession& operator=(const UciSession&) = delete;

    // Handles one input line; false once "quit" has been handled.
    bool Handle(std::string_view line);
    // End of input: lets a running search finish and report its move.
    void WaitForSearch();

    // "cp 25", "mate 1", "mate -1" for a root score.
    static std::string ScoreText(int score);

private:
    using Words = std::vector<std::string>;

    void Uci();
    void SetOption(const Words& words);
    void NewGame();
    void Position(const Words& words);
    void Go(const Words& words);
    void Stop();

    void RunSearch(PositionSnapshot pos, int depth, std::vector<EngineMove> legal);
    void RunPerft(PositionSnapshot pos, int depth);
    std::vector<EngineMove> LegalMoves(const PositionSnapshot& pos);
    void Join();
    void Write(const std::string& text);

    std::ostream& out_;
    std::mutex outMutex_;
    std::unique_ptr<ChessEngine> engine_;
    std::unique_ptr<SearchBoard> scratch_;  // for checking moves on the reading thread
    PositionSnapshot position_;
    int depthOption_ = kDefaultDepth;
    std::atomic<bool> perftStop_{false};
    std::thread worker_;
};

}  // namespace tablerix
