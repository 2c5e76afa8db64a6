#include "UciSession.h"

#include <cctype>
#include <limits>

namespace tablerix {

namespace {

// Where the first word of the line ends (the blanks before it included).
std::size_t FirstWordEnd(std::string_view line) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    std::size_t i = 0;
    while (i < line.size() && blank(line[i])) ++i;
    while (i < line.size() && !blank(line[i])) ++i;
    return i;
}

}  // namespace

UciSession::UciSession(std::ostream& out) : out_(out), commands_(out_) {}

UciSession::~UciSession() { Quit(); }

std::size_t UciSession::QueuedCost(const std::string& text) noexcept {
    // The entry itself, the text's own block (counted even when the text
    // fits inside the string), and an allowance for the allocator's headers
    // and the deque's block map.
    constexpr std::size_t kAllowance = 64;
    return sizeof(Pending) + text.capacity() + 1 + kAllowance;
}

bool UciSession::Handle(std::string_view line) {
    if (quit_) return false;
    const auto readAt = UciCommands::Clock::now();
    // Only the command word now: a line that waits is split when it runs.
    const UciCommands::Words head = UciCommands::Split(line.substr(0, FirstWordEnd(line)));
    if (head.empty()) return true;
    const std::string& command = head[0];

    // Answered at once, whatever runs or waits.
    if (command == "quit") {
        Quit();
        return false;
    }
    if (command == "stop") {
        Stop();
        return true;
    }
    if (command == "ponderhit") {
        PonderHit();
        return true;
    }
    if (command == "isready") {
        out_.Line("readyok");
        return true;
    }
    if (!UciCommands::Handles(command)) return true;

    std::unique_lock lock(mutex_);
    const std::uint64_t serial = nextSerial_++;
    if (busy_) {
        Pending pending{std::string(line), serial, readAt, 0};
        pending.Cost = QueuedCost(pending.Text);
        if (queuedBytes_ + pending.Cost > kMaxQueuedBytes) {
            const bool first = refused_++ == 0;
            lock.unlock();
            if (first) out_.Line("info string too much input waiting; ignored " + command);
            return true;
        }
        queuedBytes_ += pending.Cost;
        queue_.push_back(std::move(pending));
        return true;
    }
    if (command != "go") {
        // Nothing runs and only this thread could start anything: carry it
        // out here, so that a later "isready" is answered after it.
        lock.unlock();
        commands_.Execute(UciCommands::Split(line), readAt);
        return true;
    }
    busy_ = true;
    lock.unlock();
    if (worker_.joinable()) worker_.join();  // the last worker has ended or is ending
    worker_ = std::thread(&UciSession::Work, this, Pending{std::string(line), serial, readAt, 0});
    return true;
}

void UciSession::Stop() {
    const std::lock_guard lock(mutex_);
    stoppedBelow_ = nextSerial_;
    commands_.RequestStop();
}

void UciSession::PonderHit() {
    const auto now = UciCommands::Clock::now();
    const std::lock_guard lock(mutex_);
    hitBelow_ = nextSerial_;
    hitAt_ = now;
    if (busy_) commands_.PonderHit(now);
}

void UciSession::Quit() {
    if (quit_) return;
    quit_ = true;
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        queuedBytes_ = 0;
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
    const UciCommands::Words words = UciCommands::Split(command.Text);
    if (words.empty()) return;
    if (words[0] == "go") {
        // Under the lock, so that a "stop" or "ponderhit" read meanwhile is
        // either seen here or applied after this.
        const std::lock_guard lock(mutex_);
        commands_.ClearStop();
        if (command.Serial < stoppedBelow_) commands_.RequestStop();
        if (command.Serial < hitBelow_) commands_.PonderHit(hitAt_);
    }
    commands_.Execute(words, command.ReadAt);
}

void UciSession::Work(Pending first) {
    Pending command = std::move(first);
    for (;;) {
        Run(command);
        const std::lock_guard lock(mutex_);
        if (queue_.empty()) {
            if (refused_ > 1) out_.Line("info string " + std::to_string(refused_) + " commands were refused in all");
            refused_ = 0;
            busy_ = false;
            idle_.notify_all();
            return;
        }
        command = std::move(queue_.front());
        queue_.pop_front();
        queuedBytes_ -= command.Cost;
    }
}

}  // namespace tablerix
