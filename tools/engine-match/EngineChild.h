#pragma once
// A UCI engine as a child process, its standard input and output on pipes:
// lines are written whole and read with a deadline, so a referee can time
// every answer and never hangs on an engine that does not answer. Linux.
//
// Threads: one. Ownership: owns the child; destroying the object closes the
// pipes, then kills and reaps a child still running.

#include <sys/types.h>
#include <chrono>
#include <optional>
#include <string>

namespace tablerix {

class EngineChild {
public:
    using Clock = std::chrono::steady_clock;

    // Starts the program at path with no arguments; Started() tells whether it worked.
    explicit EngineChild(const std::string& path);
    ~EngineChild();
    EngineChild(const EngineChild&) = delete;
    EngineChild& operator=(const EngineChild&) = delete;

    bool Started() const noexcept { return pid_ > 0; }

    // Writes the text and a line end; false once the pipe is closed.
    bool Send(const std::string& line);
    // The next whole line (without its end) that arrives by the deadline;
    // nothing at the deadline or the end of output.
    std::optional<std::string> ReadLine(Clock::time_point deadline);
    // Reads until a line starting with prefix arrives by the deadline and
    // returns it; the lines before it are dropped.
    std::optional<std::string> WaitFor(const std::string& prefix, Clock::time_point deadline);
    // Sends "quit" and waits up to a second for the program to end; kills it otherwise.
    void Quit();

private:
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string partial_;  // output read past the last whole line
};

}  // namespace tablerix
