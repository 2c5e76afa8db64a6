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

TChessThread::TChessThread(const EngineSettings& settings, const PublishedPosition& position)
    : settings_(settings), position_(position), engine_(std::make_unique<ChessEngine>()) {
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
    if (!parking_.Release()) return false;
    if (!started_) {
        started_ = true;
        QThread::start();
    }
    return true;
}

void TChessThread::Park() { parking_.Park(); }

void TChessThread::RequestStop() {
    engine_->RequestStop();
    parking_.Stop();
}

void TChessThread::ApplyPriority(TThreadPriority p) {
    if (isRunning()) setPriority(QtPriority(p));
}

void TChessThread::Terminate() {
    parking_.ShutDown();
    channel_.Close();
    engine_->RequestStop();
    if (started_) wait();
}

void TChessThread::OnWakeup() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(wakeFd_, &count, sizeof count);
    RunPendingCall();
}

// ---------------------------------------------------------------- worker

void TChessThread::run() {
    while (parking_.WaitForRelease()) RunCycle();
}

void TChessThread::RunCycle() {
    const std::uint64_t seen = parking_.Generation();  // before the board is read
    const PositionSnapshot position = position_.Snapshot();
    if (ShouldSearch(position, seen)) {
        if (parking_.BeginSearch()) Search(position, seen);
    } else if (!parking_.AwaitChange(seen)) {
        return;  // parked by a stop while waiting, or ended: nothing to report
    }
    FinishCycle();
}

bool TChessThread::ShouldSearch(const PositionSnapshot& position, std::uint64_t seen) const {
    const bool computerToMove = settings_.ComputerPlays(position.WhiteToMove);
    // Searching the same position again would only find the same refused move
    // (a repetition, or no legal move at all).
    const bool refusedBefore = refused_ && refusedGeneration_ == seen && SamePosition(*refused_, position);
    return computerToMove && !refusedBefore;
}

void TChessThread::Search(const PositionSnapshot& position, std::uint64_t seen) {
    setPriority(QtPriority(settings_.ThinkingPriority()));
    thinking_.store(true);
    engine_->Think(position, settings_.SearchDepth());
    searches_.fetch_add(1);
    if (!parking_.EndSearch()) return;  // stopped: the board clears Thinking when it parks the worker
    thinking_.store(false);
    const EngineMove best = engine_->BestMove();
    if (DeliverMove(position, ToSquare(best.From + 1), ToSquare(best.To + 1))) {
        refused_.reset();
    } else {
        refused_ = position;
        refusedGeneration_ = seen;
    }
}

bool TChessThread::DeliverMove(const PositionSnapshot& searched, Square fromSq, Square toSq) {
    bool refused = false;
    const std::function<void()> deliver = [&] {
        // A stop that came in after the search ended voids its move; so does
        // a board that changed under the search (possible only while a game
        // end exempts StopThinking from waiting).
        if (StopRequested() || !SamePosition(position_.Snapshot(), searched)) return;
        refused = onMove_ && !onMove_(fromSq, toSq);
    };
    channel_.Call(deliver);
    return !refused;
}

void TChessThread::FinishCycle() {
    if (parking_.BeginReport()) channel_.Call(onCycleDone_);
    cycles_.fetch_add(1);
}

void TChessThread::WakeBoardThread() {
    if (wakeFd_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
    } else {
        QMetaObject::invokeMethod(
            this, [this] { RunPendingCall(); }, Qt::QueuedConnection);
    }
}

}  // namespace tablerix
