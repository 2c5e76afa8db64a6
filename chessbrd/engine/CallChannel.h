#pragma once
// "Run this on the board's thread and wait": how the engine worker hands its
// move (DeliverMove) and the end of its cycle (FinishCycle) to the board's
// thread. One call at a time. Plain C++: the owner supplies the waker that
// makes the board's thread call RunPending.
//
// State table (W: the worker, B: the board's thread):
//
//   from     to       by  operation   when
//   Empty    Posted   W   Call        the worker posts its call, runs the waker and waits
//   Posted   Running  B   RunPending
//   Running  Done     B   RunPending  the call has returned
//   Done     Empty    W   Call        returns true
//   Posted   Empty    B   Close       withdrawn before it ran; Call returns false
//
// Any other move fails an assertion in builds without NDEBUG. Once closed, Call
// returns false at once. Close must not be called from inside a call: the
// worker is held until the call returns, and whoever ends the worker waits
// for it.
//
// Ownership: the call belongs to the worker, which waits until it has run or
// been withdrawn; the channel only points to it.
// Threads: Call on the worker; RunPending, WaitForCall, InCall and Close on
// the board's thread.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

namespace tablerix {

enum class CallState : std::uint8_t { Empty, Posted, Running, Done };

class CallChannel {
public:
    // `wake` runs on the worker after each post, without any lock held.
    explicit CallChannel(std::function<void()> wake);
    CallChannel(const CallChannel&) = delete;
    CallChannel& operator=(const CallChannel&) = delete;

    // Worker: runs `call` on the board's thread and waits for it. False when
    // it did not run (the channel was closed, or `call` is empty).
    bool Call(const std::function<void()>& call);

    // Board's thread: runs the posted call, if any; true when one ran.
    bool RunPending();
    // Board's thread: waits up to `limit` for a posted call; true when one is
    // waiting.
    bool WaitForCall(std::chrono::milliseconds limit);
    // Board's thread: inside a call (the worker is held there).
    bool InCall() const noexcept { return depth_ > 0; }
    // Board's thread: withdraws a posted call, refuses further ones.
    void Close();

    // The state table above.
    static bool Allowed(CallState from, CallState to) noexcept;

private:
    // Asserts the table (builds without NDEBUG); call with mutex_ held.
    void MoveTo(CallState to) noexcept;

    const std::function<void()> wake_;
    std::mutex mutex_;
    std::condition_variable changed_;
    CallState state_ = CallState::Empty;
    bool closed_ = false;
    const std::function<void()>* call_ = nullptr;  // the worker's, while Posted or Running
    int depth_ = 0;                                // board's thread only
};

}  // namespace tablerix
