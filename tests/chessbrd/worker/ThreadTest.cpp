// The engine worker against a real rules core: games played through
// PerformMove, stopping and releasing, the game-end exemption, the custom
// engine, and ending the worker while it searches.

#include "ThreadTestBoard.h"
#include "support/Squares.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <iostream>
#include <thread>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;

// Both colours to the computer: a whole game, each move checked against an
// independent board before it is replayed there.
TEST(EngineThread, ComputerAgainstComputerPlaysLegalGame) {
    ThreadTestBoard board;
    ChessBrdCore replay;
    int moves = 0;
    bool illegal = false;
    bool over = false;
    board.OnLegalMove = [&](ChessBrdCore&, Square from, Square to) {
        if (!replay.IsLegalMove(from, to) || !replay.PerformMove(from, to)) illegal = true;
        ++moves;
    };
    board.OnMate = [&](ChessBrdCore&, Square, Square) { over = true; };
    board.OnDraw = [&](ChessBrdCore&) { over = true; };
    board.SetSearchDepth(2);
    board.SetComputerPlaysWhite(true);
    board.SetComputerPlaysBlack(true);

    ASSERT_TRUE(RunEventsUntil([&] { return over || moves >= 120 || illegal; }, 120s));
    EXPECT_FALSE(illegal);
    const bool gameOver = board.GameOver();
    board.StopThinking();  // while GameOver stands, this does not wait
    EXPECT_EQ(board.Worker().Parked(), !gameOver);
    std::vector<std::string> list;
    board.GetMoveList(list);
    RecordProperty("moves", moves);
    std::cout << moves << " half-moves, last " << (list.empty() ? "" : list.back()) << (over ? ", game over" : "")
              << '\n';
    EXPECT_EQ(board.Position(), replay.Position());
    EXPECT_EQ(board.WhiteToMove(), replay.WhiteToMove());
    EXPECT_GE(moves, 2);
}

// After a mate the computer's side has no legal move: the refused move is not
// searched for again and again.
TEST(EngineThread, RefusedMoveIsNotSearchedAgain) {
    ThreadTestBoard board;
    for (auto [from, to] : {std::pair{"f2", "f3"}, {"e7", "e5"}, {"g2", "g4"}, {"d8", "h4"}})
        ASSERT_TRUE(board.MakeMove(Sq(from), Sq(to)));
    board.SetComputerPlaysWhite(true);  // mated, to move
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().SearchCount() >= 1; }));
    // Waiting for a change, it can search nothing more until the board wakes it.
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().State() == WorkerState::Idle; }));
    EXPECT_EQ(board.Worker().SearchCount(), 1u);
    EXPECT_FALSE(board.Worker().Parked());  // released, waiting for a change

    // Once the owner has stopped the engine the board may have changed: the
    // position is searched again.
    board.StopThinking();
    board.StartThinking();
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().SearchCount() >= 2; }));
}

TEST(EngineThread, BlackWaitsThenAnswersWhitesMove) {
    ThreadTestBoard board;
    int blackMoves = 0;
    board.OnLegalMove = [&](ChessBrdCore& b, Square, Square) {
        if (b.WhiteToMove()) ++blackMoves;
    };
    board.SetSearchDepth(2);
    board.SetComputerPlaysBlack(true);
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().State() == WorkerState::Idle; }));
    EXPECT_FALSE(board.Worker().Parked());
    EXPECT_EQ(board.Worker().SearchCount(), 0u);
    EXPECT_TRUE(board.WhiteToMove());

    ASSERT_TRUE(board.MakeMove(Sq("e2"), Sq("e4")));
    ASSERT_TRUE(RunEventsUntil([&] { return blackMoves == 1; }));
    EXPECT_TRUE(board.WhiteToMove());
    ASSERT_TRUE(RunEventsUntil([&] { return board.Worker().State() == WorkerState::Idle; }));
    EXPECT_EQ(blackMoves, 1);
}

TEST(EngineThread, StopDuringDeepSearchParksAndDeliversNothing) {
    ThreadTestBoard board;
    int moves = 0;
    board.OnLegalMove = [&](ChessBrdCore&, Square, Square) { ++moves; };
    board.SetSearchDepth(8);
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(RunEventsUntil([&] { return board.Thinking(); }));
    std::this_thread::sleep_for(30ms);

    board.StopThinking();
    EXPECT_TRUE(board.Worker().Parked());
    EXPECT_FALSE(board.Thinking());
    EXPECT_TRUE(board.ThinkingPaused());
    RunEventsFor(200ms);
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(board.Position(), kStartPosition);

    // Released again, it searches the same position afresh.
    board.SetSearchDepth(1);
    board.StartThinking();
    ASSERT_TRUE(RunEventsUntil([&] { return moves == 1; }));
}

TEST(EngineThread, StopOnParkedWorkerAndDoubleStart) {
    ThreadTestBoard board;
    EXPECT_TRUE(board.Worker().Parked());  // created parked
    board.StopThinking();                  // returns at once
    EXPECT_TRUE(board.Worker().StopRequested());
    EXPECT_TRUE(board.ThinkingPaused());

    board.SetComputerPlaysBlack(true);  // White to move: released, waiting
    EXPECT_FALSE(board.Worker().StopRequested());
    board.StartThinking();
    EXPECT_FALSE(board.Worker().Release()) << "a second release must change nothing";
    board.StopThinking();
    EXPECT_TRUE(board.Worker().Parked());
    board.StopThinking();
    EXPECT_TRUE(board.Worker().Parked());
}

// Fool's mate by the computer: the OnMate handler may stop the engine (it
// returns at once and leaves the worker running), and so may the owner later
// while GameOver stands.
TEST(EngineThread, GameOverExemptsStopThinking) {
    ThreadTestBoard board;
    for (auto [from, to] : {std::pair{"f2", "f3"}, {"e7", "e5"}}) ASSERT_TRUE(board.MakeMove(Sq(from), Sq(to)));
    bool mated = false;
    bool stopRequestedInHandler = true;
    board.OnMate = [&](ChessBrdCore& b, Square, Square) {
        b.StopThinking();
        stopRequestedInHandler = board.Worker().StopRequested();
        mated = true;
    };
    board.SetSearchDepth(2);
    board.SetComputerPlaysBlack(true);
    ASSERT_TRUE(board.MakeMove(Sq("g2"), Sq("g4")));
    ASSERT_TRUE(RunEventsUntil([&] { return mated; }));
    EXPECT_FALSE(stopRequestedInHandler);
    EXPECT_EQ(board.Board()[ToInt(Sq("h4"))], 'q');

    ASSERT_TRUE(board.GameOver());
    board.StopThinking();
    EXPECT_FALSE(board.Worker().StopRequested());
    EXPECT_TRUE(board.ThinkingPaused());
    RunEventsFor(60ms);
    EXPECT_FALSE(board.Worker().Parked());

    // A new game from here changes the board under the running worker; it
    // reads the new position whole and plays no stale move into it.
    board.NewGame();
    board.SetComputerPlaysBlack(false);
    RunEventsFor(100ms);
    EXPECT_EQ(board.Position(), kStartPosition);
    EXPECT_EQ(board.LastMove(), 1);
}

// An event handler of the engine's own move that stops the engine would wait
// for a worker that is waiting for it: it returns at once instead, and the
// worker parks at the end of its cycle.
TEST(EngineThread, StopFromHandlerOfEngineMoveDoesNotHang) {
    ThreadTestBoard board;
    int moves = 0;
    board.OnLegalMove = [&](ChessBrdCore& b, Square, Square) {
        ++moves;
        b.StopThinking();
    };
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(RunEventsUntil([&] { return moves == 1 && board.Worker().Parked(); }));
    RunEventsFor(100ms);
    EXPECT_EQ(moves, 1);
    EXPECT_TRUE(board.ThinkingPaused());
}

// Each operation that changes the position, the side to move or the
// computer's colours parks a released worker before it changes anything.
TEST(EngineThread, BoardChangesParkTheWorkerFirst) {
    ThreadTestBoard board;
    ASSERT_TRUE(board.MakeMove(Sq("e2"), Sq("e4")));
    ASSERT_TRUE(board.MakeMove(Sq("e7"), Sq("e5")));
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"SetPosition", [&] { board.SetPosition(board.Position()); }},
        {"SetEnPassant", [&] { board.SetEnPassant(Sq("e6")); }},
        {"SetWhiteToMove", [&] { board.SetWhiteToMove(true); }},
        {"GotoMove", [&] { board.GotoMove(2, true); }},
        {"MoveBack", [&] { board.MoveBack(); }},
        {"ResetGame", [&] { board.ResetGame(); }},
        {"NewGame", [&] { board.NewGame(); }},
    };
    for (const auto& [name, operation] : operations) {
        board.SetComputerPlaysBlack(true);  // White to move: released, waiting
        ASSERT_FALSE(board.Worker().Parked()) << name;
        operation();
        EXPECT_TRUE(board.Worker().Parked()) << name;
        board.SetComputerPlaysBlack(false);
        board.StopThinking();
    }
}

TEST(EngineThread, CustomEngineAsksOnlyAfterAHumanMove) {
    ThreadTestBoard board;
    board.SetCustomEngine(true);
    board.SetComputerPlaysBlack(true);
    int asked = 0;
    std::vector<std::pair<Square, Square>> failures;
    board.OnCalculateMove = [&](ChessBrdCore&, Square& from, Square& to) {
        if (asked == 1) {  // the first answer leaves both squares None
            from = Sq("e7");
            to = Sq("e6");
        }
        ++asked;
    };
    board.OnCalculationFailed = [&](ChessBrdCore&, Square from, Square to) { failures.emplace_back(from, to); };

    // Black to move, but nothing has been entered through MakeMove yet.
    board.SetWhiteToMove(false);
    board.StartThinking();
    board.AskCustomEngineAgain();
    EXPECT_EQ(asked, 0);
    board.SetWhiteToMove(true);

    ASSERT_TRUE(board.MakeMove(Sq("e2"), Sq("e4")));
    EXPECT_EQ(asked, 1);  // MakeMove's StartThinking asked; the answer was refused
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0], std::make_pair(Square::None, Square::None));
    board.AskCustomEngineAgain();  // the next message or tick asks again
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_EQ(board.Board()[ToInt(Sq("e6"))], 'p');
    board.AskCustomEngineAgain();  // White to move: nothing asked
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(board.Thinking());
    EXPECT_TRUE(board.Worker().Parked());
}

TEST(EngineThread, SwitchToCustomEngineStillStopsARunningSearch) {
    ThreadTestBoard board;
    board.SetSearchDepth(8);
    board.SetComputerPlaysWhite(true);
    ASSERT_TRUE(RunEventsUntil([&] { return board.Thinking(); }));
    board.SetCustomEngine(true);
    board.StopThinking();
    EXPECT_TRUE(board.Worker().Parked());
    board.StartThinking();  // custom mode never releases the worker
    EXPECT_TRUE(board.Worker().Parked());
}

TEST(EngineThread, DestroyDuringDeepSearchEndsTheWorker) {
    auto board = std::make_unique<ThreadTestBoard>();
    std::atomic<int> moves{0};
    board->OnLegalMove = [&](ChessBrdCore&, Square, Square) { ++moves; };
    board->SetSearchDepth(8);
    board->SetComputerPlaysWhite(true);
    ASSERT_TRUE(RunEventsUntil([&] { return board->Thinking(); }));
    const auto start = std::chrono::steady_clock::now();
    board.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    RunEventsFor(50ms);
    EXPECT_EQ(moves.load(), 0);
}

TEST(EngineThread, PriorityFollowsThinkingPriority) {
    EXPECT_EQ(TChessThread::QtPriority(TThreadPriority::tpIdle), QThread::IdlePriority);
    EXPECT_EQ(TChessThread::QtPriority(TThreadPriority::tpLowest), QThread::LowestPriority);
    EXPECT_EQ(TChessThread::QtPriority(TThreadPriority::tpLower), QThread::LowPriority);
    EXPECT_EQ(TChessThread::QtPriority(TThreadPriority::tpNormal), QThread::NormalPriority);
    EXPECT_EQ(TChessThread::QtPriority(TThreadPriority::tpHigher), QThread::HighPriority);
    EXPECT_EQ(TChessThread::QtPriority(TThreadPriority::tpHighest), QThread::HighestPriority);
    EXPECT_EQ(TChessThread::QtPriority(TThreadPriority::tpTimeCritical), QThread::TimeCriticalPriority);

    ThreadTestBoard board;
    board.SetComputerPlaysBlack(true);  // running, waiting for White
    board.SetThinkingPriority(TThreadPriority::tpLowest);
    EXPECT_EQ(board.Worker().priority(), QThread::LowestPriority);
    board.SetThinkingPriority(TThreadPriority::tpNormal);
    EXPECT_EQ(board.Worker().priority(), QThread::NormalPriority);
}

}  // namespace
}  // namespace tablerix::test
