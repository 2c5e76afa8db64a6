#include "EngineProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <fstream>
#include <thread>

namespace tablerix::test {

namespace {
void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}
}  // namespace

EngineProcess::EngineProcess(const std::string& path) {
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0) return;
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        return;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    toChild_ = in[1];
    fromChild_ = out[0];
    if (pid < 0) {
        CloseFd(toChild_);
        CloseFd(fromChild_);
        return;
    }
    pid_ = pid;
    // A test writing to a program that has already quit must fail, not die.
    std::signal(SIGPIPE, SIG_IGN);
}

EngineProcess::~EngineProcess() {
    CloseFd(toChild_);
    CloseFd(fromChild_);
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool EngineProcess::Send(const std::string& text) {
    std::size_t done = 0;
    while (toChild_ >= 0 && done < text.size()) {
        const ssize_t n = ::write(toChild_, text.data() + done, text.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return done == text.size();
}

void EngineProcess::CloseInput() { CloseFd(toChild_); }

bool EngineProcess::ReadSome(Clock::time_point deadline) {
    if (fromChild_ < 0) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd p{fromChild_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left)) <= 0) return Clock::now() < deadline;
    char buffer[4096];
    const ssize_t n = ::read(fromChild_, buffer, sizeof buffer);
    if (n <= 0) {
        CloseFd(fromChild_);
        return false;
    }
    partial_.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; (end = partial_.find('\n')) != std::string::npos;) {
        lines_.push_back(partial_.substr(0, end));
        partial_.erase(0, end + 1);
    }
    return true;
}

template <typename Match>
bool EngineProcess::WaitFor(Match match, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    for (;;) {
        for (; matched_ < lines_.size(); ++matched_) {
            if (match(lines_[matched_])) {
                ++matched_;
                return true;
            }
        }
        if (!ReadSome(deadline)) return false;
    }
}

bool EngineProcess::WaitForLine(const std::string& line, std::chrono::milliseconds limit) {
    return WaitFor([&](const std::string& l) { return l == line; }, limit);
}

bool EngineProcess::WaitForLineStarting(const std::string& prefix, std::chrono::milliseconds limit) {
    return WaitFor([&](const std::string& l) { return l.rfind(prefix, 0) == 0; }, limit);
}

std::optional<int> EngineProcess::WaitForExit(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (ReadSome(deadline)) {}
    while (pid_ > 0) {
        int status = 0;
        const pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            pid_ = -1;
            if (WIFEXITED(status)) return WEXITSTATUS(status);
            return std::nullopt;
        }
        if (r < 0 || Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

std::optional<long> EngineProcess::PeakMemoryKiB() const {
    if (pid_ <= 0) return std::nullopt;
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return std::nullopt;
}

}  // namespace tablerix::test
