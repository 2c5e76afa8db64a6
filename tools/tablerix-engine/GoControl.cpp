#include "GoControl.h"

namespace tablerix {

void GoControl::Reset() {
    const std::lock_guard lock(mutex_);
    stopped_ = false;
    hit_ = false;
    pondering_ = false;
    infinite_ = false;
    budget_.reset();
    engine_.ClearStop();
    engine_.ClearDeadlines();
}

void GoControl::Stop() {
    engine_.RequestStop();
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
}

void GoControl::PonderHit(Clock::time_point at) {
    {
        const std::lock_guard lock(mutex_);
        if (hit_) return;  // the first one counts
        hit_ = true;
        hitAt_ = at;
        if (pondering_) {
            pondering_ = false;
            ApplyBudget(at);
        }
    }
    changed_.notify_all();
}

void GoControl::Begin(bool ponder, bool infinite, std::optional<TimeBudget> budget, Clock::time_point start) {
    const std::lock_guard lock(mutex_);
    budget_ = budget;
    infinite_ = infinite;
    pondering_ = ponder && !hit_;
    if (pondering_) engine_.ClearDeadlines();
    else ApplyBudget(ponder ? hitAt_ : start);
}

void GoControl::WaitForAnswer() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stopped_ || (!infinite_ && !pondering_); });
    pondering_ = false;
}

void GoControl::ApplyBudget(Clock::time_point start) {
    if (!budget_) {
        engine_.ClearDeadlines();
        return;
    }
    engine_.SetDeadlines(start + budget_->Soft, start + budget_->Hard);
}

}  // namespace tablerix
