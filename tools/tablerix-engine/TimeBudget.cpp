#include "TimeBudget.h"

#include "EngineMove.h"

#include <algorithm>
#include <cstdint>

namespace tablerix {

std::optional<TimeBudget> TimeBudget::For(const GoParameters& go, bool whiteToMove) {
    const int side = whiteToMove ? kWhite : kBlack;
    std::optional<TimeBudget> budget;
    if (go.Time[side]) {
        // In 64 bits: the parameters go up to INT_MAX milliseconds each.
        const std::int64_t usable = std::max<std::int64_t>(*go.Time[side] - kOverhead.count(), 0);
        const std::int64_t movesToGo = go.MovesToGo ? *go.MovesToGo : kAssumedMovesToGo;
        const std::int64_t target = usable / movesToGo + go.Increment[side];
        const std::int64_t hard = std::min(2 * target, usable / 2);
        budget = TimeBudget{Duration(std::min(target / 4, hard)), Duration(hard)};
    }
    if (go.MoveTime) {
        const std::int64_t m = *go.MoveTime;
        const std::int64_t margin = kMoveTimeMargin.count();
        const Duration both(m > 2 * margin ? m - margin : m / 2);
        if (budget) budget = TimeBudget{std::min(budget->Soft, both), std::min(budget->Hard, both)};
        else budget = TimeBudget{both, both};
    }
    return budget;
}

}  // namespace tablerix
