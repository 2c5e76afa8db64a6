#include "RecordWriter.h"

#include <QFile>

#include <algorithm>
#include <utility>

namespace tablerix {

RecordWriter::RecordWriter(Report report) : report_(std::move(report)), thread_([this] { Run(); }) {}

RecordWriter::~RecordWriter() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RecordWriter::Write(const QString& path, const GameRecordText& game) { Post({path, game}); }

void RecordWriter::Remove(const QString& path) { Post({path, std::nullopt}); }

void RecordWriter::Post(Job job) {
    {
        const std::lock_guard lock(mutex_);
        // Only the last waiting job of a file counts, and it must stay after
        // every other job: drop the older one rather than overwrite it in place.
        std::erase_if(jobs_, [&](const Job& waiting) { return waiting.Path == job.Path; });
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void RecordWriter::Wait() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void RecordWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // ending, with nothing left to write
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        const bool ok =
            job.Game ? GameFile::Save(job.Path, *job.Game) : (!QFile::exists(job.Path) || QFile::remove(job.Path));
        if (report_) report_(ok);
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) idle_.notify_all();
    }
}

}  // namespace tablerix
