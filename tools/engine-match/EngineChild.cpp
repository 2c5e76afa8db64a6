#include "EngineChild.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <thread>

namespace tablerix {

namespace {
void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}
}  // namespace

EngineChild::EngineChild(const std::string& path) {
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
    // Writing to an engine that has died must fail, not end the referee.
    std::signal(SIGPIPE, SIG_IGN);
}

EngineChild::~EngineChild() {
    CloseFd(toChild_);
    CloseFd(fromChild_);
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool EngineChild::Send(const std::string& line) {
    const std::string text = line + '\n';
    std::size_t done = 0;
    while (toChild_ >= 0 && done < text.size()) {
        const ssize_t n = ::write(toChild_, text.data() + done, text.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return done == text.size();
}

std::optional<std::string> EngineChild::ReadLine(Clock::time_point deadline) {
    for (;;) {
        if (const auto end = partial_.find('\n'); end != std::string::npos) {
            std::string line = partial_.substr(0, end);
            partial_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
        if (fromChild_ < 0) return std::nullopt;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return std::nullopt;
        pollfd p{fromChild_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;  // the deadline is looked at again
        char buffer[4096];
        const ssize_t n = ::read(fromChild_, buffer, sizeof buffer);
        if (n <= 0) {
            CloseFd(fromChild_);
            return std::nullopt;
        }
        partial_.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<std::string> EngineChild::WaitFor(const std::string& prefix, Clock::time_point deadline) {
    while (auto line = ReadLine(deadline)) {
        if (line->rfind(prefix, 0) == 0) return line;
    }
    return std::nullopt;
}

void EngineChild::Quit() {
    if (pid_ <= 0) return;
    Send("quit");
    CloseFd(toChild_);
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (Clock::now() < deadline) {
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace tablerix
