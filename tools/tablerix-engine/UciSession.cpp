#include "UciSession.h"

#include <limits>

namespace tablerix {

UciSession::UciSession(std::ostream& out) : out_(out), commands_(out_) {}

UciSession::~UciSession() { Quit(); }

bool UciSession::Handle(std::string_view line) {
    if (quit_) return false;
    UciCommands::Words words = UciCommands::Split(line);
    if (words.empty()) return true;
    const std::string& command = words[0];

    // Answered at once, whatever runs or waits.
    if (command == "quit") {
        Quit();
        return false;
    }
    if (command == "stop") {
        Stop();
        return true;
    }
    if (command == "isready") {
        out_.Line("readyok");
        return true;
    }
    if (!UciCommands::Handles(command)) return true;

    const bool isGo = command == "go";
    Pending pending{std::move(words), 0, line.size()};
    std::unique_lock lock(mutex_);
    pending.Serial = nextSerial_++;
    if (busy_) {
        if (queuedText_ + pending.Size > kMaxQueuedText) {
            lock.unlock();
            out_.Line("info string too much input waiting; ignored " + pending.Words[0]);
            return true;
        }
        queuedText_ += pending.Size;
        queue_.push_back(std::move(pending));
        return true;
    }
    if (!isGo) {
        // Nothing runs and only this thread could start anything: carry it
        // out here, so that a later "isready" is answered after it.
        lock.unlock();
        Run(pending);
        return true;
    }
    busy_ = true;
    lock.unlock();
    if (worker_.joinable()) worker_.join();  // the last worker has ended or is ending
    worker_ = std::thread(&UciSession::Work, this, std::move(pending));
    return true;
}

void UciSession::Stop() {
    const std::lock_guard lock(mutex_);
    stoppedBelow_ = nextSerial_;
    commands_.RequestStop();
}

void UciSession::Quit() {
    if (quit_) return;
    quit_ = true;
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        queuedText_ = 0;
        stoppedBelow_ = std::numeric_limits<std::uint64_t>::max();
        commands_.RequestStop();
    }
    if (worker_.joinable()) worker_.join();
}

void UciSession::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_; });
    lock.unlock();
    if (worker_.joinable()) worker_.join();
}

void UciSession::Run(const Pending& command) {
    if (command.Words[0] == "go") {
        // Under the lock, so that a "stop" read meanwhile is either seen here
        // or raises the flag after it has been cleared.
        const std::lock_guard lock(mutex_);
        if (command.Serial < stoppedBelow_) commands_.RequestStop();
        else commands_.ClearStop();
    }
    commands_.Execute(command.Words);
}

void UciSession::Work(Pending first) {
    Pending command = std::move(first);
    for (;;) {
        Run(command);
        const std::lock_guard lock(mutex_);
        if (queue_.empty()) {
            busy_ = false;
            idle_.notify_all();
            return;
        }
        command = std::move(queue_.front());
        queue_.pop_front();
        queuedText_ -= command.Size;
    }
}

}  // namespace tablerix
