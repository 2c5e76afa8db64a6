#pragma once
// The record that keeps a game from being lost: the game in progress and the
// last game given up unsaved, as ".Chess" files in the user's state folder
// ($XDG_STATE_HOME/tablerix, else ~/.local/state/tablerix).
//
// The game in progress is written after every change to "en-curso.Chess";
// a normal end of the program removes it, so finding it at start means the
// last run was cut short. A game given up (a new game, a load, the end of
// the program) is written to "anterior.Chess", one at a time. A lock file
// keeps a second copy of the program from writing over the first's record:
// while another live run holds it, this one keeps no record.
//
// Writes and removals run on a RecordWriter thread, in order; the rest here
// touches the disk directly and runs only at start. Ownership: owns its
// writer and lock. Threads: the owner's thread only; the failure report
// given to Open runs on the writer's thread.

#include "GameFile.h"
#include "RecordWriter.h"

#include <QLockFile>
#include <QString>

#include <memory>

namespace tablerix {

class GameJournal {
public:
    static inline const QString kRecordName = QStringLiteral("en-curso.Chess");
    static inline const QString kDiscardedName = QStringLiteral("anterior.Chess");
    static inline const QString kLockName = QStringLiteral("tablerix.lock");

    // $XDG_STATE_HOME/tablerix when that is an absolute path, otherwise
    // ~/.local/state/tablerix.
    static QString DefaultFolder();

    explicit GameJournal(QString folder);
    ~GameJournal();  // runs the writes still waiting
    GameJournal(const GameJournal&) = delete;
    GameJournal& operator=(const GameJournal&) = delete;

    // Makes the folder and takes the lock. False (and nothing is ever
    // written) when the folder cannot be made or another run holds the lock.
    bool Open(RecordWriter::Report report = {});
    bool IsOpen() const noexcept { return writer_ != nullptr; }

    QString RecordPath() const;
    QString DiscardedPath() const;

    // A record left by a run that did not end normally (only once Open).
    bool HasInterrupted() const;
    // Keeps that record as the last game given up; false when it cannot.
    bool KeepInterruptedAsDiscarded();
    bool HasDiscarded() const;

    // ---- Written in the background, in this order ----
    // The game in progress, replacing the record.
    void Record(const GameRecordText& game);
    // Nothing in progress is worth keeping: the record goes.
    void ClearRecord();
    // game is given up: it becomes the last discarded game.
    void Discard(const GameRecordText& game);
    // The program ends normally: the record goes, and this returns once
    // everything asked for is on disk.
    void Finish();
    // Returns once everything asked for so far is on disk (or has failed).
    void Wait() const;

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<RecordWriter> writer_;  // made by Open
};

}  // namespace tablerix
