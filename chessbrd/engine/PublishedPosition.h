#pragma once
// The position the engine worker searches. The board's thread publishes a
// whole copy each time it has changed the squares, the side to move, the
// castling rights or the en passant square and its model is consistent
// again; the worker takes copies at any time. A copy is always one that was
// published, never parts of two. Plain C++.
//
// An observer, called on the publishing thread after each publication, lets
// the engine wake a worker that waits for a change.
//
// Ownership: the board owns one; the worker reads it by reference.
// Threads: Publish and SetObserver on the board's thread; Snapshot on any.

#include "ChessTypes.h"

#include <functional>
#include <mutex>

namespace tablerix {

class PublishedPosition {
public:
    // Stores the copy, then tells the observer.
    void Publish(const PositionSnapshot& position);
    // The copy published last (the default snapshot before the first).
    PositionSnapshot Snapshot() const;
    // One observer; an empty one removes it.
    void SetObserver(std::function<void()> observer) { observer_ = std::move(observer); }

private:
    mutable std::mutex mutex_;
    PositionSnapshot position_;
    std::function<void()> observer_;
};

}  // namespace tablerix
