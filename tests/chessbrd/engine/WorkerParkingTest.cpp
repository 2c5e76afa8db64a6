// The worker's parking state machine with a real second thread: a worker
// blocks until it has work, every wait ends by the board's hand and by
// nothing else, and no change of the board slips between the worker's look
// and its wait.

#include "WorkerParking.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;
using S = WorkerState;

// Polls until the machine is in `want`; false after a generous limit.
bool WaitForState(const WorkerParking& p, S want) {
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (p.State() != want) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::yield();
    }
    return true;
}

// One idle cycle of a worker: released, nothing to do, waits for a change.
// Counts how its waits end.
struct IdleWorker {
    WorkerParking& parking;
    std::atomic<int> reports{0};
    std::atomic<int> parkedWhileIdle{0};
    std::thread thread;

    explicit IdleWorker(WorkerParking& p) : parking(p) {
        thread = std::thread([this] {
            while (parking.WaitForRelease()) {
                if (!parking.AwaitChange(parking.Generation())) {
                    ++parkedWhileIdle;
                    continue;
                }
                ++reports;  // counted before the report shows
                parking.BeginReport();
            }
        });
    }
    ~IdleWorker() {
        parking.ShutDown();
        thread.join();
    }
    IdleWorker(const IdleWorker&) = delete;
    IdleWorker& operator=(const IdleWorker&) = delete;
};

TEST(WorkerParking, SearchCycleAndItsStops) {
    WorkerParking p;
    EXPECT_TRUE(p.Parked());
    EXPECT_FALSE(p.BeginSearch()) << "a parked worker has no cycle";
    ASSERT_TRUE(p.Release());
    EXPECT_FALSE(p.Release()) << "a second release changes nothing";

    // A finished search delivers, then reports; the cycle's call parks it.
    ASSERT_TRUE(p.BeginSearch());
    EXPECT_EQ(p.Stop(), S::Stopping);  // and a stop voids what it finds
    EXPECT_FALSE(p.EndSearch());
    ASSERT_TRUE(p.BeginReport());
    EXPECT_EQ(p.Stop(), S::Reporting) << "a worker held in its call stays there";
    p.Park();
    EXPECT_TRUE(p.Parked());

    ASSERT_TRUE(p.Release());
    ASSERT_TRUE(p.BeginSearch());
    ASSERT_TRUE(p.EndSearch());
    EXPECT_EQ(p.State(), S::Delivering);
    EXPECT_EQ(p.Stop(), S::Delivering);
    ASSERT_TRUE(p.BeginReport());
    p.Park();

    // A stop between the release and the search: no search at all.
    ASSERT_TRUE(p.Release());
    EXPECT_EQ(p.Stop(), S::Stopping);
    EXPECT_FALSE(p.BeginSearch());
    EXPECT_TRUE(p.AwaitChange(p.Generation())) << "a stopping worker must report, not wait";
    ASSERT_TRUE(p.BeginReport());
    p.Park();
    EXPECT_EQ(p.Stop(), S::Parked);
    // Parking is for a reporting worker only; builds with assertions (the
    // sanitizer legs) catch the rest.
    EXPECT_DEBUG_DEATH(p.Park(), "state table");
}

TEST(WorkerParking, WaitingWorkerSleepsUntilAChangeThenReports) {
    WorkerParking p;
    IdleWorker w(p);
    ASSERT_TRUE(p.Release());
    ASSERT_TRUE(WaitForState(p, S::Idle));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(p.State(), S::Idle) << "nothing but the board ends the wait";
    EXPECT_EQ(w.reports.load(), 0);

    p.Wake();
    ASSERT_TRUE(WaitForState(p, S::Reporting));
    EXPECT_EQ(w.reports.load(), 1);
    EXPECT_FALSE(p.Release()) << "held in its report";
    p.Park();
    ASSERT_TRUE(p.Release());
    ASSERT_TRUE(WaitForState(p, S::Idle));
}

TEST(WorkerParking, StopParksAWaitingWorkerAtOnce) {
    WorkerParking p;
    IdleWorker w(p);
    ASSERT_TRUE(p.Release());
    ASSERT_TRUE(WaitForState(p, S::Idle));
    EXPECT_EQ(p.Stop(), S::Parked);  // no call from the worker is needed
    EXPECT_EQ(w.reports.load(), 0);

    // Released again, perhaps before the worker has even woken up: it then
    // reports (the board may have changed meanwhile) or looks again; either
    // way it ends up waiting or reporting, never stalled in between.
    ASSERT_TRUE(p.Release());
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (p.State() != S::Idle && p.State() != S::Reporting && std::chrono::steady_clock::now() < end)
        std::this_thread::yield();
    EXPECT_TRUE(p.State() == S::Idle || p.State() == S::Reporting);
    EXPECT_EQ(w.reports.load() + w.parkedWhileIdle.load(), 1) << "the parked wait ended exactly once";
}

// The board changes the position after the worker has read it but before it
// waits: the worker must not sleep on the old position. Many rounds, so that
// the change lands on both sides of the worker's test.
TEST(WorkerParking, ChangeBetweenLookAndWaitIsNeverLost) {
    WorkerParking p;
    std::atomic<int> looked{0};
    std::atomic<int> reported{0};
    std::thread worker([&] {
        while (p.WaitForRelease()) {
            const std::uint64_t seen = p.Generation();
            ++looked;  // the worker has read the board
            if (p.AwaitChange(seen) && p.BeginReport()) ++reported;
        }
    });
    constexpr int kRounds = 500;
    bool lost = false;
    for (int round = 1; round <= kRounds && !lost; ++round) {
        ASSERT_TRUE(p.Release());
        while (looked.load() < round) std::this_thread::yield();
        p.Wake();
        lost = !WaitForState(p, S::Reporting);
        p.Park();
    }
    p.ShutDown();
    worker.join();
    EXPECT_FALSE(lost);
    EXPECT_EQ(reported.load(), kRounds);
}

TEST(WorkerParking, ShutDownEndsEveryWaitAndIsFinal) {
    {
        WorkerParking p;  // blocked while parked
        std::thread worker([&] { EXPECT_FALSE(p.WaitForRelease()); });
        std::this_thread::sleep_for(10ms);
        p.ShutDown();
        worker.join();
    }
    WorkerParking p;  // blocked while waiting for a change
    std::atomic<bool> awaitAnswer{true};
    std::thread worker([&] {
        ASSERT_TRUE(p.WaitForRelease());
        awaitAnswer = p.AwaitChange(p.Generation());
        EXPECT_FALSE(p.BeginReport());
        EXPECT_FALSE(p.WaitForRelease());
    });
    ASSERT_TRUE(p.Release());
    ASSERT_TRUE(WaitForState(p, S::Idle));
    p.ShutDown();
    worker.join();
    EXPECT_FALSE(awaitAnswer.load());

    EXPECT_FALSE(p.Release());
    p.Wake();
    p.Park();
    EXPECT_EQ(p.Stop(), S::ShutDown);
    EXPECT_EQ(p.State(), S::ShutDown);
}

}  // namespace
}  // namespace tablerix::test
