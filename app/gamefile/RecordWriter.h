#pragma once
// Writes game files on a thread of its own, so that whoever asks never waits
// on the disk. Jobs run one at a time in the order given; a write of a file
// that is still waiting to be written is replaced by the newer one, so a
// burst of moves costs one write. Every write goes through GameFile::Save
// (write, flush, commit): a failure leaves the old file as it was.
//
// Ownership: the writer owns its thread; the destructor runs what is queued
// and joins. Threads: every member but the report is called from one thread
// (the owner's); the report runs on the writer's thread after each job.

#include "GameFile.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace tablerix {

class RecordWriter {
public:
    // Called on the writer's thread after each job: whether it succeeded.
    using Report = std::function<void(bool ok)>;

    explicit RecordWriter(Report report = {});
    ~RecordWriter();
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    // Writes game to path (replacing a write of path still waiting).
    void Write(const QString& path, const GameRecordText& game);
    // Removes path (a write of path still waiting is dropped); a file that
    // is not there counts as removed.
    void Remove(const QString& path);
    // Returns once every job given so far has run.
    void Wait();

private:
    struct Job {
        QString Path;
        std::optional<GameRecordText> Game;  // none: remove the file
    };
    void Post(Job job);
    void Run();

    Report report_;
    std::mutex mutex_;
    std::condition_variable wake_;  // a job or the end has come
    std::condition_variable idle_;  // the queue has run dry
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool ending_ = false;
    std::thread thread_;  // last: starts once everything above exists
};

}  // namespace tablerix
