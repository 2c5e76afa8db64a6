#include "GameJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <utility>

namespace tablerix {

QString GameJournal::DefaultFolder() {
    // A relative XDG_STATE_HOME is invalid and must be ignored.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base =
        !state.isEmpty() && QDir::isAbsolutePath(state) ? state : QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/tablerix"));
}

GameJournal::GameJournal(QString folder) : folder_(std::move(folder)) {}

GameJournal::~GameJournal() = default;

bool GameJournal::Open(RecordWriter::Report report) {
    if (writer_) return true;
    // Private to the user: the games are nobody else's business.
    if (!QDir().mkpath(folder_)) return false;
    QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    auto lock = std::make_unique<QLockFile>(QDir(folder_).filePath(kLockName));
    // A lock left by a killed run is stale and taken over at once.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    lock_ = std::move(lock);
    writer_ = std::make_unique<RecordWriter>(std::move(report));
    return true;
}

QString GameJournal::RecordPath() const { return QDir(folder_).filePath(kRecordName); }
QString GameJournal::DiscardedPath() const { return QDir(folder_).filePath(kDiscardedName); }

bool GameJournal::HasInterrupted() const { return IsOpen() && QFileInfo::exists(RecordPath()); }

bool GameJournal::KeepInterruptedAsDiscarded() {
    if (!HasInterrupted()) return false;
    // rename(2) replaces the old file in one step; QFile::rename would not.
    return std::rename(QFile::encodeName(RecordPath()).constData(), QFile::encodeName(DiscardedPath()).constData()) ==
           0;
}

bool GameJournal::HasDiscarded() const { return IsOpen() && QFileInfo::exists(DiscardedPath()); }

void GameJournal::Record(const GameRecordText& game) {
    if (writer_) writer_->Write(RecordPath(), game);
}

void GameJournal::ClearRecord() {
    if (writer_) writer_->Remove(RecordPath());
}

void GameJournal::Discard(const GameRecordText& game) {
    if (writer_) writer_->Write(DiscardedPath(), game);
}

void GameJournal::Wait() const {
    if (writer_) writer_->Wait();
}

void GameJournal::Finish() {
    if (!writer_) return;
    writer_->Remove(RecordPath());
    writer_->Wait();
}

}  // namespace tablerix
