#include "WorkerParking.h"

#include <cassert>

namespace tablerix {

bool WorkerParking::Allowed(WorkerState from, WorkerState to) noexcept {
    using S = WorkerState;
    if (to == S::ShutDown) return true;
    switch (from) {
    case S::Parked: return to == S::Released;
    case S::Released: return to == S::Searching || to == S::Idle || to == S::Reporting || to == S::Stopping;
    case S::Idle: return to == S::Released || to == S::Parked;
    case S::Searching: return to == S::Delivering || to == S::Stopping;
    case S::Stopping: return to == S::Reporting;
    case S::Delivering: return to == S::Reporting;
    case S::Reporting: return to == S::Parked;
    case S::ShutDown: return false;
    }
    return false;
}

void WorkerParking::MoveTo(WorkerState to) noexcept {
    assert(Allowed(state_, to) && "move outside the worker's state table");
    state_ = to;
}

// ---------------------------------------------------------------- board's thread

bool WorkerParking::Release() {
    {
        std::lock_guard lock(mutex_);
        if (state_ != WorkerState::Parked) return false;
        MoveTo(WorkerState::Released);
    }
    changed_.notify_all();
    return true;
}

void WorkerParking::Wake() {
    {
        std::lock_guard lock(mutex_);
        ++generation_;
        if (state_ != WorkerState::Idle) return;
        MoveTo(WorkerState::Released);
    }
    changed_.notify_all();
}

WorkerState WorkerParking::Stop() {
    WorkerState now;
    {
        std::lock_guard lock(mutex_);
        ++generation_;
        switch (state_) {
        case WorkerState::Idle: MoveTo(WorkerState::Parked); break;
        case WorkerState::Released:
        case WorkerState::Searching: MoveTo(WorkerState::Stopping); break;
        default: break;
        }
        now = state_;
    }
    changed_.notify_all();
    return now;
}

void WorkerParking::Park() {
    std::lock_guard lock(mutex_);
    if (state_ != WorkerState::ShutDown) MoveTo(WorkerState::Parked);
}

void WorkerParking::ShutDown() {
    {
        std::lock_guard lock(mutex_);
        MoveTo(WorkerState::ShutDown);
    }
    changed_.notify_all();
}

// ---------------------------------------------------------------- worker

bool WorkerParking::WaitForRelease() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_ != WorkerState::Parked && state_ != WorkerState::Reporting; });
    return state_ != WorkerState::ShutDown;
}

bool WorkerParking::BeginSearch() {
    std::lock_guard lock(mutex_);
    if (state_ != WorkerState::Released) return false;
    MoveTo(WorkerState::Searching);
    return true;
}

bool WorkerParking::EndSearch() {
    std::lock_guard lock(mutex_);
    if (state_ != WorkerState::Searching) return false;
    MoveTo(WorkerState::Delivering);
    return true;
}

bool WorkerParking::AwaitChange(std::uint64_t seen) {
    std::unique_lock lock(mutex_);
    if (state_ == WorkerState::Released && generation_ == seen) {
        MoveTo(WorkerState::Idle);
        changed_.wait(lock, [this] { return state_ != WorkerState::Idle; });
    }
    // Released: woken by a change (or parked and released again meanwhile);
    // Stopping: a stop came before the worker went idle.
    return state_ == WorkerState::Released || state_ == WorkerState::Stopping;
}

bool WorkerParking::BeginReport() {
    std::lock_guard lock(mutex_);
    if (state_ == WorkerState::ShutDown) return false;
    MoveTo(WorkerState::Reporting);
    return true;
}

// ---------------------------------------------------------------- any thread

WorkerState WorkerParking::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

std::uint64_t WorkerParking::Generation() const {
    std::lock_guard lock(mutex_);
    return generation_;
}

}  // namespace tablerix
