// tablerix-engine driven through pipes, as a GUI would, with the timing of
// real input: commands typed while a search or a perft runs must still be
// read, and a perft cut short must print nothing that is not true.

#include "EngineProcess.h"
#include "FenParser.h"
#include "Perft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace tablerix::test {
namespace {

using namespace std::chrono_literals;

const char* const kDeepFen = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

struct Result {
    std::optional<int> ExitCode;
    std::vector<std::string> Lines;
};

// All the input at once, then end of input.
Result RunEngine(const std::string& input) {
    EngineProcess engine(TABLERIX_ENGINE_PATH);
    EXPECT_TRUE(engine.Started());
    engine.Send(input);
    engine.CloseInput();
    Result r;
    r.ExitCode = engine.WaitForExit();
    r.Lines = engine.Lines();
    return r;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool HasPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

// Lines a perft prints: "e2e4: 20", "a7a8q: 3", "Nodes searched: 400".
std::vector<std::string> CountLines(const std::vector<std::string>& lines) {
    static const std::regex count(R"(([a-h][1-8][a-h][1-8][nbrq]?|Nodes searched): .*)");
    std::vector<std::string> counts;
    for (const auto& l : lines)
        if (std::regex_match(l, count)) counts.push_back(l);
    return counts;
}

// Waits as a person typing would, so that the command before has been read
// and its search is under way; nothing depends on how long it takes.
void Pause() { std::this_thread::sleep_for(200ms); }

TEST(UciProgramTest, AnswersAndEndsAtEndOfInput) {
    // End of input stops the search as quit would; it still names a move.
    const Result r = RunEngine("uci\nisready\nposition startpos moves e2e4\ngo depth 2\n");
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_TRUE(Has(r.Lines, "id name Tablerix 1.0"));
    EXPECT_TRUE(Has(r.Lines, "option name Depth type spin default 5 min 1 max 8"));
    EXPECT_TRUE(Has(r.Lines, "uciok"));
    EXPECT_TRUE(Has(r.Lines, "readyok"));
    EXPECT_TRUE(HasPrefix(r.Lines, "bestmove "));
    EXPECT_FALSE(Has(r.Lines, "bestmove 0000"));
}

TEST(UciProgramTest, HostileInputIsIgnored) {
    EngineProcess engine(TABLERIX_ENGINE_PATH);
    ASSERT_TRUE(engine.Started());
    std::string input = "\n\r\n   \n\x01\x02\xff garbage\nposition fen\nposition fen a b c d e f g\n";
    input += "go " + std::string(3 << 20, 'x') + "\n";  // a very long line
    input += std::string(100, '\0') + "\n";
    input += "setoption name Depth value 99999999999999999999\n";
    input += "position startpos moves " + std::string(5000, 'e') + "\n";
    input += "go perft 1\r\n";
    ASSERT_TRUE(engine.Send(input));
    EXPECT_TRUE(engine.WaitForLine("Nodes searched: 20"));
    engine.Send("position startpos\nquit\nuci\n");
    EXPECT_EQ(engine.WaitForExit(), 0);
    EXPECT_FALSE(Has(engine.Lines(), "uciok"));  // nothing after quit is read
    EXPECT_FALSE(HasPrefix(engine.Lines(), "bestmove"));
}

TEST(UciProgramTest, QuitStopsARunningSearch) {
    const Result r = RunEngine(std::string("position fen ") + kDeepFen + "\ngo depth 8\nquit\n");
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_TRUE(HasPrefix(r.Lines, "bestmove "));
    EXPECT_FALSE(HasPrefix(r.Lines, "info depth 8"));
}

TEST(UciProgramTest, StopAndIsReadyAreReadBehindAWaitingCommand) {
    EngineProcess engine(TABLERIX_ENGINE_PATH);
    ASSERT_TRUE(engine.Started());
    // A perft that would never end, and a position that must wait for it.
    engine.Send("go perft 20\nposition startpos moves e2e4\n");
    Pause();
    engine.Send("isready\n");
    ASSERT_TRUE(engine.WaitForLine("readyok"));
    engine.Send("stop\n");
    Pause();
    // The waiting position was taken after the perft: Black has 20 moves.
    engine.Send("go perft 1\n");
    ASSERT_TRUE(engine.WaitForLine("Nodes searched: 20"));
    EXPECT_TRUE(Has(engine.Lines(), "e7e5: 1"));
    // The stopped perft printed no count at all.
    EXPECT_EQ(CountLines(engine.Lines()).size(), 21u);
    engine.Send("quit\n");
    EXPECT_EQ(engine.WaitForExit(), 0);
}

TEST(UciProgramTest, StopIsReadBehindADeepSearch) {
    EngineProcess engine(TABLERIX_ENGINE_PATH);
    ASSERT_TRUE(engine.Started());
    engine.Send(std::string("position fen ") + kDeepFen + "\ngo depth 8\nposition startpos\n");
    ASSERT_TRUE(engine.WaitForLineStarting("info depth "));  // the search is under way
    engine.Send("stop\n");
    ASSERT_TRUE(engine.WaitForLineStarting("bestmove "));
    EXPECT_FALSE(HasPrefix(engine.Lines(), "info depth 8"));
    // The position that waited behind the search is the one searched next.
    engine.Send("go depth 1\n");
    ASSERT_TRUE(engine.WaitForLineStarting("bestmove "));
    const std::string best = engine.Lines().back();
    static const std::regex startMove(R"(bestmove ([a-h]2[a-h][34]|[bg]1[a-h]3))");
    EXPECT_TRUE(std::regex_match(best, startMove)) << best;
    engine.Send("quit\n");
    EXPECT_EQ(engine.WaitForExit(), 0);
}

TEST(UciProgramTest, EndOfInputDuringAPerftEndsTheProgram) {
    EngineProcess engine(TABLERIX_ENGINE_PATH);
    ASSERT_TRUE(engine.Started());
    engine.Send("go perft 20\n");
    Pause();
    engine.CloseInput();
    EXPECT_EQ(engine.WaitForExit(), 0);
    EXPECT_TRUE(CountLines(engine.Lines()).empty());
}

// Sanitizer builds keep freed memory aside and shadow what is used, so the
// peak they reach says nothing about the program's own use.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kMemoryIsMeasurable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kMemoryIsMeasurable = false;
#else
constexpr bool kMemoryIsMeasurable = true;
#endif
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

TEST(UciProgramTest, InputWaitingBehindASearchIsCappedInMemory) {
    EngineProcess engine(TABLERIX_ENGINE_PATH);
    ASSERT_TRUE(engine.Started());
    engine.Send("isready\n");
    ASSERT_TRUE(engine.WaitForLine("readyok"));
    const std::optional<long> before = engine.PeakMemoryKiB();

    // 400,000 short commands behind a perft that would never end: 4.4 MB of
    // text, but each waiting command costs several times its text, so the
    // memory cap binds long before the text would. (Half as many show the
    // refusal; sanitizer builds, slow to read them, get those.)
    engine.Send("go perft 20\n");
    std::string many;
    for (int i = 0; i < (kMemoryIsMeasurable ? 400000 : 200000); ++i) many += "ucinewgame\n";
    ASSERT_TRUE(engine.Send(many));
    engine.Send("isready\n");
    ASSERT_TRUE(engine.WaitForLine("readyok", 60s));  // everything before it has been read
    EXPECT_EQ(std::count(engine.Lines().begin(), engine.Lines().end(),
                         "info string too much input waiting; ignored ucinewgame"),
              1);
    const std::optional<long> after = engine.PeakMemoryKiB();
    if (kMemoryIsMeasurable && before && after) {
        // The cap is 16 MiB, counted generously; counting only the text let
        // this input take about 35 MiB.
        EXPECT_LT(*after - *before, 24 * 1024) << *before << " KiB before, " << *after << " KiB after";
    }

    // Quitting drops what waits at once.
    const auto asked = EngineProcess::Clock::now();
    engine.Send("quit\n");
    EXPECT_EQ(engine.WaitForExit(), 0);
    EXPECT_LT(EngineProcess::Clock::now() - asked, 5s);
    EXPECT_TRUE(CountLines(engine.Lines()).empty());
}

// Paths of the given length after the root move from the start position; 0
// for a move that is not legal there.
std::uint64_t TrueCount(const std::string& rootMove, int depth) {
    auto board = std::make_unique<SearchBoard>();
    board->Load(FenParser::StartPosition());
    board->GenerateMoves();
    for (int i = board->PlyMoves[0].First; i < board->PlyMoves[0].End; ++i) {
        const EngineMove m = board->MoveStack[i].Move;
        if (MoveText(m) == rootMove && board->TryMove(m)) return Perft::Count(*board, depth);
    }
    return 0;
}

TEST(UciProgramTest, QuitRightAfterAPerftPrintsOnlyTrueCounts) {
    // Usually nothing is counted before quit is read; whatever is printed
    // must be the true count of its root move, and there is no total.
    const Result r = RunEngine("position startpos\ngo perft 5\nquit\n");
    EXPECT_EQ(r.ExitCode, 0);
    for (const auto& line : CountLines(r.Lines)) {
        const std::string move = line.substr(0, line.find(':'));
        ASSERT_NE(move, "Nodes searched");
        EXPECT_EQ(line, move + ": " + std::to_string(TrueCount(move, 4)));
    }
}

}  // namespace
}  // namespace tablerix::test
