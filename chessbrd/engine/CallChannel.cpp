#include "CallChannel.h"

#include <cassert>
#include <utility>

namespace tablerix {

CallChannel::CallChannel(std::function<void()> wake) : wake_(std::move(wake)) {}

bool CallChannel::Allowed(CallState from, CallState to) noexcept {
    switch (from) {
    case CallState::Empty: return to == CallState::Posted;
    case CallState::Posted: return to == CallState::Running || to == CallState::Empty;
    case CallState::Running: return to == CallState::Done;
    case CallState::Done: return to == CallState::Empty;
    }
    return false;
}

void CallChannel::MoveTo(CallState to) noexcept {
    assert(Allowed(state_, to) && "move outside the call channel's state table");
    state_ = to;
}

bool CallChannel::Call(const std::function<void()>& call) {
    {
        std::lock_guard lock(mutex_);
        if (closed_ || !call) return false;
        call_ = &call;
        MoveTo(CallState::Posted);
    }
    changed_.notify_all();  // a board's thread inside WaitForCall
    if (wake_) wake_();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_ == CallState::Done || state_ == CallState::Empty; });
    const bool ran = state_ == CallState::Done;
    if (ran) MoveTo(CallState::Empty);
    call_ = nullptr;
    return ran;
}

bool CallChannel::RunPending() {
    const std::function<void()>* call = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (state_ != CallState::Posted) return false;
        call = call_;
        MoveTo(CallState::Running);
    }
    ++depth_;
    (*call)();
    --depth_;
    {
        std::lock_guard lock(mutex_);
        MoveTo(CallState::Done);
    }
    changed_.notify_all();
    return true;
}

bool CallChannel::WaitForCall(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return state_ == CallState::Posted; });
}

void CallChannel::Close() {
    assert(depth_ == 0 && "the channel closed from inside a call would never let the worker go");
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        if (state_ == CallState::Posted) MoveTo(CallState::Empty);
    }
    changed_.notify_all();
}

}  // namespace tablerix
