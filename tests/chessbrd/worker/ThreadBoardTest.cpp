// The engine worker inside the Qt board: the first paint starts it, the
// 500 ms timer and the event hook ask a custom engine, destruction ends a
// running search.

#include "TChessBrd.h"
#include "ThreadTestBoard.h"
#include "support/Squares.h"

#include <gtest/gtest.h>
#include <QTimer>

#include <chrono>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;

// Counts the ticks of the board's 500 ms timer as they are delivered.
class TickCounter : public QObject {
public:
    TickCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~TickCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    int ticks = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer)
            if (const auto* timer = qobject_cast<QTimer*>(watched); timer && timer->interval() == 500) ++ticks;
        return false;
    }
};

TEST(EngineThreadBoard, FirstPaintStartsTheEngine) {
    TChessBrd board;
    int moves = 0;
    board.OnLegalMove = [&](ChessBrdCore&, Square, Square) { ++moves; };
    board.SetAnimateMoves(false);
    board.SetComputerPlaysWhite(true);
    board.StopThinking();  // parked again: only the paint can start it now
    ASSERT_TRUE(board.EngineThread()->Parked());
    RunEventsFor(50ms);
    EXPECT_EQ(moves, 0);

    board.show();
    ASSERT_TRUE(RunEventsUntil([&] { return moves == 1; }, 20s));
    EXPECT_FALSE(board.WhiteToMove());
}

TEST(EngineThreadBoard, CustomEngineAskedOnTimerTicksUntilAccepted) {
    TChessBrd board;
    board.SetAnimateMoves(false);
    board.SetCustomEngine(true);
    board.SetComputerPlaysBlack(true);
    int asked = 0;
    int failed = 0;
    board.OnCalculateMove = [&](ChessBrdCore&, Square& from, Square& to) {
        if (++asked == 3) {
            from = Sq("d7");
            to = Sq("d5");
        }
    };
    board.OnCalculationFailed = [&](ChessBrdCore&, Square, Square) { ++failed; };
    TickCounter timer;
    board.show();
    // At least one tick, nothing entered through MakeMove yet.
    ASSERT_TRUE(RunEventsUntil([&] { return timer.ticks >= 1; }, 5s));
    EXPECT_EQ(asked, 0);

    ASSERT_TRUE(board.MakeMove(Sq("d2"), Sq("d4")));
    ASSERT_TRUE(RunEventsUntil([&] { return asked >= 3; }, 5s));
    EXPECT_EQ(failed, 2);
    EXPECT_EQ(board.Board()[ToInt(Sq("d5"))], 'p');
    EXPECT_TRUE(board.WhiteToMove());
    const int ticks = timer.ticks;
    ASSERT_TRUE(RunEventsUntil([&] { return timer.ticks > ticks; }, 5s));
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(board.EngineThread()->Parked());
}

TEST(EngineThreadBoard, DestroyDuringDeepSearch) {
    auto board = std::make_unique<TChessBrd>();
    int moves = 0;
    board->OnLegalMove = [&](ChessBrdCore&, Square, Square) { ++moves; };
    board->SetSearchDepth(8);
    board->SetComputerPlaysWhite(true);
    ASSERT_TRUE(RunEventsUntil([&] { return board->Thinking(); }));
    const auto start = std::chrono::steady_clock::now();
    board.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    RunEventsFor(50ms);
    EXPECT_EQ(moves, 0);
}

}  // namespace
}  // namespace tablerix::test
