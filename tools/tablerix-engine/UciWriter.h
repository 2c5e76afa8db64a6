#pragma once
// The engine's output: whole lines, each written and flushed under one lock,
// so that the reading thread's "readyok" and the worker's "info" lines never
// mix inside a line. Plain C++.
//
// Threads: any. The writer keeps a reference to the stream, which must
// outlive it.

#include <mutex>
#include <ostream>
#include <string>

namespace tablerix {

class UciWriter {
public:
    explicit UciWriter(std::ostream& out) : out_(out) {}
    UciWriter(const UciWriter&) = delete;
    UciWriter& operator=(const UciWriter&) = delete;

    // Writes the text and a line end, then flushes.
    void Line(const std::string& text) {
        const std::lock_guard lock(mutex_);
        out_ << text << '\n';
        out_.flush();
    }

private:
    std::ostream& out_;
    std::mutex mutex_;
};

}  // namespace tablerix
