// tablerix-engine driven through its standard input, as a GUI would.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

struct Result {
    int ExitCode = -1;
    std::string Output;
};

Result RunEngine(const std::string& input) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("tablerix-uci-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path in = dir / "in.txt";
    const fs::path out = dir / "out.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = std::string("'") + TABLERIX_ENGINE_PATH + "' < '" + in.string() + "' > '" +
                                out.string() + "'";
    const int status = std::system(command.c_str());
    Result r;
    r.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream o(out, std::ios::binary);
    std::stringstream text;
    text << o.rdbuf();
    r.Output = text.str();
    fs::remove_all(dir);
    return r;
}

bool HasLine(const std::string& output, const std::string& line) {
    return ("\n" + output).find("\n" + line + "\n") != std::string::npos;
}

TEST(UciProgramTest, AnswersAndEndsAtEndOfInput) {
    // No quit: the search still finishes and reports before the program ends.
    const Result r = RunEngine("uci\nisready\nposition startpos moves e2e4\ngo depth 2\n");
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_TRUE(HasLine(r.Output, "id name Tablerix 1.0"));
    EXPECT_TRUE(HasLine(r.Output, "option name Depth type spin default 5 min 1 max 8"));
    EXPECT_TRUE(HasLine(r.Output, "uciok"));
    EXPECT_TRUE(HasLine(r.Output, "readyok"));
    EXPECT_NE(r.Output.find("info depth 2 score cp "), std::string::npos);
    EXPECT_NE(r.Output.find("\nbestmove "), std::string::npos);
}

TEST(UciProgramTest, HostileInputIsIgnored) {
    std::string input = "\n\r\n   \n\x01\x02\xff garbage\nposition fen\nposition fen a b c d e f g\n";
    input += "go " + std::string(3 << 20, 'x') + "\n";  // a very long line
    input += std::string(100, '\0') + "\n";
    input += "setoption name Depth value 99999999999999999999\n";
    input += "position startpos moves " + std::string(5000, 'e') + "\n";
    input += "go perft 1\r\nposition startpos\nquit\nuci\n";  // position waits for perft
    const Result r = RunEngine(input);
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_TRUE(HasLine(r.Output, "Nodes searched: 20"));
    EXPECT_FALSE(HasLine(r.Output, "uciok"));  // nothing after quit is read
    EXPECT_EQ(r.Output.find("bestmove"), std::string::npos);
}

TEST(UciProgramTest, QuitStopsARunningSearch) {
    const Result r = RunEngine(
        "position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1\ngo depth 8\nquit\n");
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_NE(r.Output.find("bestmove "), std::string::npos);
    EXPECT_EQ(r.Output.find("info depth 8"), std::string::npos);
}

}  // namespace
