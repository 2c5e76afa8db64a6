#include "PublishedPosition.h"

namespace tablerix {

void PublishedPosition::Publish(const PositionSnapshot& position) {
    {
        std::lock_guard lock(mutex_);
        position_ = position;
    }
    if (observer_) observer_();
}

PositionSnapshot PublishedPosition::Snapshot() const {
    std::lock_guard lock(mutex_);
    return position_;
}

}  // namespace tablerix
