#pragma once
// A write that runs out of room, as on a full disk, for the tests of what
// writes the user's games.

#include <sys/resource.h>

#include <csignal>

namespace tablerix {

// Lowers this process's file-size limit while it lives, so that a write runs
// out of room as on a full disk (SIGXFSZ ignored: the write fails instead).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ok_ = getrlimit(RLIMIT_FSIZE, &old_) == 0;
        rlimit tight = old_;
        tight.rlim_cur = bytes;
        ok_ = ok_ && setrlimit(RLIMIT_FSIZE, &tight) == 0;
    }
    ~FileSizeLimit() {
        if (ok_) setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Ok() const { return ok_; }

private:
    rlimit old_{};
    bool ok_ = false;
    void (*oldHandler_)(int);
};

}  // namespace tablerix
