#include "TChessThread.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

namespace tablerix {

namespace {

bool SamePosition(const PositionSnapshot& a, const PositionSnapshot& b) noexcept {
    return a.Squares == b.Squares && a.WhiteToMove == b.WhiteToMove && a.Castling == b.Castling &&
           a.EnPassant == b.EnPassant;
}

}  // namespace

TChessThread::TChessThread(const ChessBrdCore& board) : board_(board), engine_(std::make_unique<ChessEngine>()) {
    // The worker wakes the board's thread through an eventfd rather than a
    // posted Qt event, so that no Qt object is touched from the worker.
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd_ >= 0) {
        wakeNotifier_ = std::make_unique<QSocketNotifier>(wakeFd_, QSocketNotifier::Read);
        connect(wakeNotifier_.get(), &QSocketNotifier::activated, this, &TChessThread::OnWakeup);
    }
}

TChessThread::~TChessThread() {
    Terminate();
    wakeNotifier_.reset();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

void TChessThread::SetCallbacks(MoveCallback onMove, CycleCallback onCycleDone) {
    onMove_ = std::move(onMove);
    onCycleDone_ = std::move(onCycleDone);
}

QThread::Priority TChessThread::QtPriority(TThreadPriority p) noexcept {
    switch (p) {
        case TThreadPriority::tpIdle: return QThread::IdlePriority;
        case TThreadPriority::tpLowest: return QThread::LowestPriority;
        case TThreadPriority::tpLower: return QThread::LowPriority;
        case TThreadPriority::tpNormal: return QThread::NormalPriority;
        case TThreadPriority::tpHigher: return QThread::HighPriority;
        case TThreadPriority::tpHighest: return QThread::HighestPriority;
        case TThreadPriority::tpTimeCritical: return QThread::TimeCriticalPriority;
    }
    return QThread::NormalPriority;
}

// ---------------------------------------------------------------- board's thread

bool TChessThread::Release() {
    bool start = false;
    {
        std::lock_guard lock(mutex_);
        if (terminated_ || !parked_) return false;
        parked_ = false;
        start = !started_;
        started_ = true;
    }
    if (start)
        QThread::start();
    else
        changed_.notify_all();
    return true;
}

void TChessThread::Park() {
    std::lock_guard lock(mutex_);
    parked_ = true;
}

bool TChessThread::Parked() const {
    std::lock_guard lock(mutex_);
    return parked_;
}

void TChessThread::RequestStop() {
    engine_->RequestStop();
    { std::lock_guard lock(mutex_); }  // an idle pause that just tested the flag is waiting by now
    changed_.notify_all();
}

bool TChessThread::RunPendingCall() {
    const std::function<void()>* call = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (pendingCall_ == nullptr || callRunning_) return false;
        call = pendingCall_;
        pendingCall_ = nullptr;
        callRunning_ = true;
    }
    ++callDepth_;
    (*call)();
    --callDepth_;
    {
        std::lock_guard lock(mutex_);
        callRunning_ = false;
        callDone_ = true;
    }
    changed_.notify_all();
    return true;
}

void TChessThread::WaitForWorker(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, limit, [this] { return parked_ || pendingCall_ != nullptr || terminated_; });
}

void TChessThread::ApplyPriority(TThreadPriority p) {
    if (isRunning()) setPriority(QtPriority(p));
}

void TChessThread::Terminate() {
    bool started = false;
    {
        std::lock_guard lock(mutex_);
        terminated_ = true;
        started = started_;
    }
    engine_->RequestStop();
    changed_.notify_all();
    if (started) wait();
}

void TChessThread::OnWakeup() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(wakeFd_, &count, sizeof count);
    RunPendingCall();
}

// ---------------------------------------------------------------- worker

void TChessThread::run() {
    while (WaitUntilReleased()) RunCycle();
}

bool TChessThread::WaitUntilReleased() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !parked_ || terminated_; });
    return !terminated_;
}

void TChessThread::RunCycle() {
    const PositionSnapshot position = board_.Snapshot();
    const bool computerToMove = position.WhiteToMove ? board_.ComputerPlaysWhite() : board_.ComputerPlaysBlack();
    const std::uint64_t epoch = boardEpoch_.load();
    const bool refusedBefore = refused_ && refusedEpoch_ == epoch && SamePosition(*refused_, position);
    if (computerToMove && !refusedBefore) {
        setPriority(QtPriority(board_.ThinkingPriority()));
        thinking_.store(true);
        engine_->Think(position, board_.SearchDepth());
        searches_.fetch_add(1);
        if (!StopRequested()) {
            thinking_.store(false);
            const EngineMove best = engine_->BestMove();
            if (MoveOnBoardThread(position, ToSquare(best.From + 1), ToSquare(best.To + 1))) {
                refused_.reset();
            } else {
                // Searching the same position again would only find the same
                // refused move (a repetition, or no legal move at all).
                refused_ = position;
                refusedEpoch_ = epoch;
            }
        }
    } else {
        IdlePause();
    }
    CallOnBoardThread(onCycleDone_);
    cycles_.fetch_add(1);
}

void TChessThread::IdlePause() {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, kIdlePause, [this] { return StopRequested() || terminated_; });
}

bool TChessThread::MoveOnBoardThread(const PositionSnapshot& searched, Square fromSq, Square toSq) {
    bool refused = false;
    const std::function<void()> deliver = [&] {
        // A stop that came in after the search ended voids its move; so does
        // a board that changed under the search (possible only while a game
        // end exempts StopThinking from waiting).
        if (StopRequested() || !SamePosition(board_.Snapshot(), searched)) return;
        refused = onMove_ && !onMove_(fromSq, toSq);
    };
    CallOnBoardThread(deliver);
    return !refused;
}

bool TChessThread::CallOnBoardThread(const std::function<void()>& call) {
    {
        std::lock_guard lock(mutex_);
        if (terminated_ || !call) return false;
        pendingCall_ = &call;
        callDone_ = false;
    }
    WakeBoardThread();
    changed_.notify_all();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return callDone_ || (terminated_ && !callRunning_); });
    const bool done = callDone_;
    pendingCall_ = nullptr;
    callDone_ = false;
    return done;
}

void TChessThread::WakeBoardThread() {
    if (wakeFd_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
    } else {
        QMetaObject::invokeMethod(this, [this] { RunPendingCall(); }, Qt::QueuedConnection);
    }
}

}  // namespace tablerix
