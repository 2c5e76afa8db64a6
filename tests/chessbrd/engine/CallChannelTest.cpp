// The call channel with a real worker thread: calls run on the board's
// thread, one at a time, and the worker goes on only once its call has run or
// has been withdrawn.

#include "CallChannel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;

// Runs posted calls on this (the board's) thread until `done` holds; false
// after a generous limit.
template <typename Pred>
bool ServeUntil(CallChannel& channel, Pred done) {
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        if (!channel.RunPending()) channel.WaitForCall(5ms);
    }
    return true;
}

TEST(CallChannel, CallRunsOnTheBoardThreadWhileTheWorkerWaits) {
    std::atomic<int> wakes{0};
    CallChannel channel([&] { ++wakes; });
    const std::thread::id boardThread = std::this_thread::get_id();
    std::thread::id ranOn;
    bool insideCall = false;
    bool nestedRan = true;
    int value = 0;  // plain: the hand-over itself must order it
    std::atomic<bool> workerDone{false};
    int seenByWorker = -1;

    std::thread worker([&] {
        const std::function<void()> call = [&] {
            ranOn = std::this_thread::get_id();
            insideCall = channel.InCall();
            nestedRan = channel.RunPending();  // a nested event loop finds nothing to run
            value = 42;
        };
        EXPECT_TRUE(channel.Call(call));
        seenByWorker = value;
        workerDone = true;
    });
    ASSERT_TRUE(ServeUntil(channel, [&] { return workerDone.load(); }));
    worker.join();
    EXPECT_EQ(ranOn, boardThread);
    EXPECT_TRUE(insideCall);
    EXPECT_FALSE(nestedRan);
    EXPECT_FALSE(channel.InCall());
    EXPECT_EQ(seenByWorker, 42);
    EXPECT_EQ(wakes.load(), 1);
    EXPECT_FALSE(channel.RunPending()) << "nothing left to run";
}

TEST(CallChannel, ManyCallsRunOnceEachAndInOrder) {
    CallChannel channel({});
    constexpr int kCalls = 1000;
    std::vector<int> order;
    std::atomic<bool> workerDone{false};
    std::thread worker([&] {
        for (int i = 0; i < kCalls; ++i) {
            const std::function<void()> call = [&order, i] { order.push_back(i); };
            if (!channel.Call(call)) ADD_FAILURE() << "call " << i << " did not run";
        }
        workerDone = true;
    });
    ASSERT_TRUE(ServeUntil(channel, [&] { return workerDone.load(); }));
    worker.join();
    ASSERT_EQ(order.size(), static_cast<std::size_t>(kCalls));
    for (int i = 0; i < kCalls; ++i) ASSERT_EQ(order[static_cast<std::size_t>(i)], i);
}

TEST(CallChannel, CloseWithdrawsAPostedCallAndRefusesMore) {
    std::atomic<int> wakes{0};
    CallChannel channel([&] { ++wakes; });
    std::atomic<bool> ran{false};
    std::atomic<bool> answered{true};
    std::thread worker([&] {
        const std::function<void()> call = [&] { ran = true; };
        answered = channel.Call(call);
        answered = answered || channel.Call(call);  // refused at once, no wake
    });
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (!channel.WaitForCall(5ms)) ASSERT_LT(std::chrono::steady_clock::now(), end);
    channel.Close();
    worker.join();
    EXPECT_FALSE(answered.load());
    EXPECT_FALSE(ran.load());
    EXPECT_EQ(wakes.load(), 1);
    EXPECT_FALSE(channel.RunPending());
}

TEST(CallChannel, NothingPostedMeansNothingToRun) {
    CallChannel channel({});
    EXPECT_FALSE(channel.RunPending());
    EXPECT_FALSE(channel.WaitForCall(1ms));
    EXPECT_FALSE(channel.Call({})) << "an empty call is not posted";
    EXPECT_FALSE(channel.RunPending());
}

}  // namespace
}  // namespace tablerix::test
