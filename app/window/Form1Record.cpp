#include "Form1Record.h"

#include "FormDialogs.h"
#include "GameFileCommands.h"
#include "TablerixPas.h"

#include <utility>

namespace tablerix {

Form1Record::Form1Record(TForm1& form, std::function<void(const QString&)> say, std::function<void(bool)> failing)
    : form_(form), say_(std::move(say)), failing_(std::move(failing)) {
    soon_.setSingleShot(true);
    soon_.setInterval(0);
    connect(&soon_, &QTimer::timeout, this, &Form1Record::Flush);
    notes_.setSingleShot(true);
    notes_.setInterval(kNotesDelayMs);
    connect(&notes_, &QTimer::timeout, this, &Form1Record::Flush);
}

Form1Record::~Form1Record() {
    // The writer finishes its jobs and stops before anything it reports to goes.
    journal_.reset();
}

bool Form1Record::Start(const QString& folder) {
    auto journal = std::make_unique<GameJournal>(folder);
    const bool open = journal->Open([this](bool ok) {
        QMetaObject::invokeMethod(
            this, [this, ok] { Reported(ok); }, Qt::QueuedConnection);
    });
    if (open) journal_ = std::move(journal);
    return open;
}

bool Form1Record::Started() const { return journal_ != nullptr; }

const GameJournal* Form1Record::Journal() const { return journal_.get(); }

bool Form1Record::HasInterrupted() const { return journal_ && journal_->HasInterrupted(); }

void Form1Record::OfferInterrupted() {
    if (!HasInterrupted()) return;
    if (form_.Dialogs().Ask(&form_, kQuestion)) Load(journal_->RecordPath());
    else journal_->KeepInterruptedAsDiscarded();
}

void Form1Record::KeepInterrupted() {
    if (HasInterrupted() && journal_->KeepInterruptedAsDiscarded()) say_(kKeptAsPrevious);
}

void Form1Record::Changed() {
    ++changes_;
    if (journal_) soon_.start();
}

void Form1Record::NotesChanged() {
    ++changes_;
    if (journal_ && !notes_.isActive()) notes_.start();
}

void Form1Record::Saved() { savedAt_ = changes_; }

void Form1Record::Loaded(bool fromFile) {
    ++changes_;
    if (fromFile) savedAt_ = changes_;
    if (journal_) soon_.start();
}

void Form1Record::GivingUp() {
    if (!journal_ || changes_ == savedAt_) return;
    const GameRecordText game = form_.CollectGame();
    if (WorthKeeping(game)) journal_->Discard(game);
}

void Form1Record::Finish() {
    if (!journal_) return;
    soon_.stop();
    notes_.stop();
    GivingUp();
    journal_->Finish();
}

void Form1Record::RecoverPrevious() {
    if (!journal_ || !journal_->HasDiscarded()) {
        say_(kNoPrevious);
        return;
    }
    Load(journal_->DiscardedPath());
}

void Form1Record::Flush() {
    // A load records its game once it is whole.
    if (!journal_ || form_.Loading()) return;
    notes_.stop();
    const GameRecordText game = form_.CollectGame();
    if (WorthKeeping(game)) journal_->Record(game);
    else journal_->ClearRecord();
}

bool Form1Record::WorthKeeping(const GameRecordText& game) {
    return !game.MoveLines.isEmpty() || !game.Notes.trimmed().isEmpty();
}

void Form1Record::Load(const QString& path) {
    form_.SetAnimateLoad(false);
    GameFileCommands(form_).Recover(path, kRecoveredHeader);
}

void Form1Record::Reported(bool ok) {
    if (ok == !failureSaid_) return;
    failureSaid_ = !ok;
    failing_(!ok);
    if (!ok) say_(kWriteFailed);
}

}  // namespace tablerix
