// The engine worker reads the position through its published copy while the
// owner's thread plays and navigates: every copy it gets must be a whole
// position that the board really held between two operations.

#include "ChessBrdCore.h"
#include "PublishedPosition.h"
#include "support/Squares.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

namespace tablerix::test {
namespace {

// Publishes the way the engine board does.
class PublishingBoard : public ChessBrdCore {
public:
    PublishingBoard() { PositionChanged(); }
    PublishedPosition published;

protected:
    void PositionChanged() override { published.Publish(MakeSnapshot()); }
};

std::string Key(const PositionSnapshot& s) {
    return std::string(s.Squares.data(), 64) + (s.WhiteToMove ? 'w' : 'b') +
           static_cast<char>('a' + s.Castling.Bits()) + static_cast<char>('0' + ToInt(s.EnPassant));
}

std::string Key(const ChessBrdCore& b) {
    return b.Position() + (b.WhiteToMove() ? 'w' : 'b') + static_cast<char>('a' + b.CastlingAllowed().Bits()) +
           static_cast<char>('0' + ToInt(b.EnPassant()));
}

TEST(SnapshotThread, WorkerSeesOnlyWholePositions) {
    PublishingBoard b;
    std::set<std::string> published{Key(b)};
    std::atomic<bool> started{false}, done{false};
    std::vector<std::string> seen;
    std::thread worker([&] {
        do {
            seen.push_back(Key(b.published.Snapshot()));
            started = true;
        } while (!done.load());
    });
    while (!started.load()) std::this_thread::yield();
    const char* game[] = {"e2e4", "d7d5", "e4d5", "c7c5", "d5c6", "g8f6",
                          "f1e2", "e7e5", "g1f3", "f8c5", "e1g1", "e8g8"};
    for (int round = 0; round < 200; ++round) {
        b.ResetGame();
        published.insert(Key(b));
        for (const char* m : game) {
            const std::string s(m);
            ASSERT_TRUE(b.PerformMove(Sq(s.substr(0, 2)), Sq(s.substr(2, 2))));
            published.insert(Key(b));
        }
        while (b.MoveBack()) published.insert(Key(b));
    }
    done = true;
    worker.join();
    ASSERT_FALSE(seen.empty());
    for (const std::string& k : seen) ASSERT_TRUE(published.count(k)) << k;
}

}  // namespace
}  // namespace tablerix::test
