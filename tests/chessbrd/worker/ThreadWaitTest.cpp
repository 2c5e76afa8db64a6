// The released worker with nothing to do: it sleeps without polling, a
// change of the board wakes it, and a stop parks it without a round trip.

#include "ThreadTestBoard.h"
#include "support/Squares.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;

// Black to the computer, White (the human) to move: the worker waits.
void WaitForHumanMove(ThreadTestBoard& board) {
    board.SetSearchDepth(2);
    board.SetComputerPlaysBlack(true);
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().State() == WorkerState::Idle; }));
}

TEST(EngineThreadWait, WaitingWorkerRunsNoCyclesAndStopsAtOnce) {
    ThreadTestBoard board;
    WaitForHumanMove(board);
    const std::uint64_t cycles = board.Worker().CycleCount();
    RunEventsFor(300ms);
    EXPECT_EQ(board.Worker().CycleCount(), cycles) << "a waiting worker does not poll";
    EXPECT_EQ(board.Worker().State(), WorkerState::Idle);

    // Parked by the stop itself: no call from the worker is needed.
    board.Worker().RequestStop();
    EXPECT_TRUE(board.Worker().Parked());
    board.StopThinking();
    EXPECT_EQ(board.Worker().CycleCount(), cycles);
    board.StartThinking();
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().State() == WorkerState::Idle; }));
    EXPECT_EQ(board.Worker().SearchCount(), 0u);
}

// The owner plays White's move through PerformMove, without MakeMove's
// stop and release: the change of side wakes the worker, which answers.
TEST(EngineThreadWait, MoveWithoutMakeMoveWakesTheWorker) {
    ThreadTestBoard board;
    int blackMoves = 0;
    board.OnLegalMove = [&](ChessBrdCore& b, Square, Square) {
        if (b.WhiteToMove()) ++blackMoves;
    };
    WaitForHumanMove(board);
    ASSERT_TRUE(board.PerformMove(Sq("e2"), Sq("e4")));
    ASSERT_TRUE(RunEventsUntil([&] { return blackMoves == 1; }));
    EXPECT_TRUE(board.WhiteToMove());
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().State() == WorkerState::Idle; }));
}

// After the computer's mate the game end exempts StopThinking, so the worker
// stays released while the owner starts a new game and hands White to the
// computer: the new position and StartThinking wake it, and it plays.
TEST(EngineThreadWait, NewGameAfterMateIsPlayedByTheWaitingWorker) {
    ThreadTestBoard board;
    for (auto [from, to] : {std::pair{"f2", "f3"}, {"e7", "e5"}}) ASSERT_TRUE(board.MakeMove(Sq(from), Sq(to)));
    bool mated = false;
    board.OnMate = [&](ChessBrdCore&, Square, Square) { mated = true; };
    board.SetSearchDepth(2);
    board.SetComputerPlaysBlack(true);
    ASSERT_TRUE(board.MakeMove(Sq("g2"), Sq("g4")));
    ASSERT_TRUE(RunEventsUntil([&] { return mated; }));
    ASSERT_TRUE(board.GameOver());

    board.NewGame();
    board.SetComputerPlaysBlack(false);  // nobody's move for the computer: the worker waits again
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().State() == WorkerState::Idle; }));
    ASSERT_TRUE(board.GameOver());
    board.SetComputerPlaysWhite(true);
    EXPECT_FALSE(board.Worker().Parked());
    ASSERT_TRUE(RunEventsUntil([&] { return !board.WhiteToMove(); }));
    EXPECT_EQ(board.LastMove(), 1);
    EXPECT_FALSE(board.GameOver());
}

// A worker left released when the owner switched to the custom engine: the
// change that wakes it makes it report and park, not search.
TEST(EngineThreadWait, WokenAfterSwitchToCustomEngineParksWithoutSearching) {
    ThreadTestBoard board;
    WaitForHumanMove(board);
    board.SetCustomEngine(true);
    ASSERT_TRUE(board.PerformMove(Sq("e2"), Sq("e4")));  // Black, the computer, to move
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().Parked(); }));
    RunEventsFor(100ms);
    EXPECT_TRUE(board.Worker().Parked());
    EXPECT_EQ(board.Worker().SearchCount(), 0u);
    EXPECT_FALSE(board.WhiteToMove());
}

// Whatever the worker is doing when the board stops it, StopThinking returns
// with the worker parked; many rounds, stopping at every point of a cycle.
TEST(EngineThreadWait, StopFromEveryPointOfTheCycleParks) {
    ThreadTestBoard board;
    board.SetSearchDepth(1);
    for (int round = 0; round < 200; ++round) {
        board.SetComputerPlaysWhite(true);
        board.SetComputerPlaysBlack(round % 2 == 0);  // sometimes it plays on, sometimes it waits
        RunEventsFor(std::chrono::milliseconds(round % 7));
        board.StopThinking();
        if (board.GameOver()) {
            // A game end exempts the stop; a refused move clears the flag.
            board.PerformMove(Square::None, Square::None);
            board.StopThinking();
        }
        ASSERT_TRUE(board.Worker().Parked()) << "round " << round;
        EXPECT_FALSE(board.Thinking());
        if (board.LastMove() > 40 || board.IsThreefoldRepetition()) board.NewGame();
    }
}

}  // namespace
}  // namespace tablerix::test
