#pragma once
// The engine behind the Universal Chess Interface: takes the input one line
// at a time and never stops reading it.
//
// - "stop" ends the running search or perft at once, and any "go" read
//   before it that is still waiting; a stopped search still answers
//   "bestmove", a stopped perft prints no count it has not finished.
// - "ponderhit" turns the pondering search read before it (running or still
//   waiting) into a normal one whose clock starts now.
// - "quit" stops the same way, drops every waiting command and ends the
//   session; the end of input does the same.
// - "isready" is answered at once, even while a search runs.
// - The other commands ("uci", "setoption", "ucinewgame", "position", "go")
//   are carried out in the order read: at once when nothing runs, otherwise
//   queued behind the running search and carried out after it on the worker
//   thread. Unknown commands are ignored.
// - What waits may take kMaxQueuedBytes of memory in all, counting what each
//   waiting command costs besides its text; a command beyond that is refused.
//   The first refusal is said with an "info string" line at once, their
//   number once the queue has run empty.
//
// Threads: Handle, Quit and WaitUntilIdle are for one reading thread; the
// worker writes its lines through the same writer, which locks each line.
// Ownership: the session owns its commands' state, the queue and the worker;
// destroying it quits.

#include "UciCommands.h"
#include "UciWriter.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <ostream>
#include <string_view>
#include <thread>

namespace tablerix {

class UciSession {
public:
    // Waiting commands beyond this much memory are refused (and said so), so
    // that input typed during a long search cannot fill the memory.
    static constexpr std::size_t kMaxQueuedBytes = std::size_t{16} << 20;
    // What one waiting command is counted as: its text, its queue entry, and
    // the allocator's share of both.
    static std::size_t QueuedCost(const std::string& text) noexcept;

    explicit UciSession(std::ostream& out);
    ~UciSession();
    UciSession(const UciSession&) = delete;
    UciSession& operator=(const UciSession&) = delete;

    // Handles one input line; false once the session has quit.
    bool Handle(std::string_view line);
    // Stops everything, drops what waits and joins the worker ("quit", and
    // the end of input). Further lines are ignored.
    void Quit();
    // Returns once every command read so far has been carried out.
    void WaitUntilIdle();

private:
    struct Pending {
        std::string Text;          // the line; split again when carried out
        std::uint64_t Serial = 0;  // order of reading
        UciCommands::Clock::time_point ReadAt;
        std::size_t Cost = 0;  // QueuedCost, while it waits
    };

    void Stop();
    void PonderHit();
    void Run(const Pending& command);
    void Work(Pending first);

    UciWriter out_;
    UciCommands commands_;
    bool quit_ = false;  // reading thread only

    std::mutex mutex_;  // guards everything below
    std::condition_variable idle_;
    std::deque<Pending> queue_;
    std::size_t queuedBytes_ = 0;
    std::uint64_t refused_ = 0;  // commands refused since the queue last ran empty
    bool busy_ = false;          // the worker owns commands_ and drains the queue
    std::uint64_t nextSerial_ = 0;
    std::uint64_t stoppedBelow_ = 0;        // a go read before this serial starts stopped
    std::uint64_t hitBelow_ = 0;            // a go ponder read before this serial starts hit...
    UciCommands::Clock::time_point hitAt_;  // ...at this time
    std::thread worker_;
};

}  // namespace tablerix
