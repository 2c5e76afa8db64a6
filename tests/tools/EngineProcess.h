#pragma once
// The engine program as a child process with its standard input and output on
// pipes, so that a test can type commands with the timing of real input and
// read the answers as they come. Every wait has a time limit; a child still
// running when the object goes is killed and reaped.
//
// Threads: one test thread.

#include <sys/types.h>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tablerix::test {

class EngineProcess {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kPatience{10};

    // Starts the program at path; Started() tells whether that worked.
    explicit EngineProcess(const std::string& path);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    bool Started() const noexcept { return pid_ > 0; }

    // Writes the text as it is (add the line ends); false if the pipe is closed.
    bool Send(const std::string& text);
    // Closes the program's standard input (end of input).
    void CloseInput();

    // Reads until a whole output line equal to line has arrived; false when
    // the time limit passes or the output ends first.
    bool WaitForLine(const std::string& line, std::chrono::milliseconds limit = kPatience);
    // The same for a line that starts with prefix.
    bool WaitForLineStarting(const std::string& prefix, std::chrono::milliseconds limit = kPatience);
    // Reads to the end of the output and reaps the program: its exit code, or
    // nothing when it is still running after the limit or did not exit normally.
    std::optional<int> WaitForExit(std::chrono::milliseconds limit = kPatience);

    // Every whole line read so far, without line ends.
    const std::vector<std::string>& Lines() const noexcept { return lines_; }

    // The most memory the running program has held (VmHWM), in KiB; nothing
    // once it has been reaped or where the system does not say.
    std::optional<long> PeakMemoryKiB() const;

private:
    template <typename Match>
    bool WaitFor(Match match, std::chrono::milliseconds limit);
    // Reads what is there within the deadline; false at the end of output or the deadline.
    bool ReadSome(Clock::time_point deadline);

    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string partial_;
    std::vector<std::string> lines_;
    std::size_t matched_ = 0;  // lines already looked at by WaitFor
};

}  // namespace tablerix::test
