#include "EngineBoard.h"

#include "EngineControl.h"

namespace tablerix {

EngineBoard::EngineBoard() {
    // The core's reset ran before the engine side existed; do what its
    // StopThinking and its publication would have done.
    settings_.SetThinkingPaused(true);
    PositionChanged();
    control_ = std::make_unique<EngineControl>(*this, settings_, published_);
}

EngineBoard::~EngineBoard() { ShutDownEngine(); }

void EngineBoard::ShutDownEngine() { control_.reset(); }

TChessThread* EngineBoard::EngineThread() noexcept { return control_ ? control_->Worker() : nullptr; }

void EngineBoard::SetComputerPlaysBlack(bool v) {
    StopThinking();
    settings_.SetComputerPlaysBlack(v);
    StartThinking();
}

void EngineBoard::SetComputerPlaysWhite(bool v) {
    StopThinking();
    settings_.SetComputerPlaysWhite(v);
    StartThinking();
}

bool EngineBoard::Thinking() const { return control_ && control_->Thinking(); }

void EngineBoard::SetThinkingPriority(TThreadPriority p) {
    settings_.SetThinkingPriority(p);
    if (control_) control_->ApplyPriority();
}

void EngineBoard::StopThinking() {
    if (control_) control_->StopThinking();
    else settings_.SetThinkingPaused(true);
}

void EngineBoard::StartThinking() {
    if (control_) control_->StartThinking();
}

void EngineBoard::ResumeThinking() {
    settings_.SetThinkingPaused(false);
    StartThinking();
}

void EngineBoard::PositionChanged() { published_.Publish(MakeSnapshot()); }

void EngineBoard::AskCustomEngineAgain() {
    if (control_) control_->AskCustomEngineAgain();
}

}  // namespace tablerix
