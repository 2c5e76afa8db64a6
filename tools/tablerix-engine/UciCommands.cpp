#include "UciCommands.h"

#include "FenParser.h"
#include "Perft.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace tablerix {

namespace {

// A whole number; one too large for an int reads as the nearest int, since
// every caller clamps it anyway.
bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ptr != end) return false;
    if (ec == std::errc::result_out_of_range) {
        value = text[0] == '-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
        return true;
    }
    return ec == std::errc();
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool ValidSquareText(char file, char rank) { return file >= 'a' && file <= 'h' && rank >= '1' && rank <= '8'; }

int SquareNumber(char file, char rank) { return (8 - (rank - '0')) * 8 + (file - 'a'); }

}  // namespace

UciCommands::UciCommands(UciWriter& out)
    : out_(out),
      engine_(std::make_unique<ChessEngine>()),
      scratch_(std::make_unique<SearchBoard>()),
      position_(FenParser::StartPosition()) {}

UciCommands::Words UciCommands::Split(std::string_view line) {
    Words words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        const std::size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

bool UciCommands::Handles(const std::string& command) {
    return command == "uci" || command == "setoption" || command == "ucinewgame" || command == "position" ||
           command == "go";
}

std::string UciCommands::ScoreText(int score) {
    if (score > 9000) return "mate " + std::to_string((10001 - score) / 2);
    if (score < -9000) return "mate " + std::to_string(-((10000 + score) / 2));
    return "cp " + std::to_string(score);
}

void UciCommands::RequestStop() noexcept {
    engine_->RequestStop();
    perftStop_.store(true, std::memory_order_relaxed);
}

void UciCommands::ClearStop() noexcept {
    engine_->ClearStop();
    perftStop_.store(false, std::memory_order_relaxed);
}

void UciCommands::Execute(const Words& words) {
    if (words.empty()) return;
    const std::string& command = words[0];
    if (command == "uci") Uci();
    else if (command == "setoption") SetOption(words);
    else if (command == "ucinewgame") NewGame();
    else if (command == "position") Position(words);
    else if (command == "go") Go(words);
}

void UciCommands::Uci() {
    out_.Line("id name Tablerix 1.0");
    out_.Line("id author The Tablerix developers");
    out_.Line("option name Depth type spin default " + std::to_string(kDefaultDepth) + " min " +
              std::to_string(ChessEngine::kMinDepth) + " max " + std::to_string(ChessEngine::kMaxDepth));
    out_.Line("uciok");
}

void UciCommands::SetOption(const Words& words) {
    // setoption name <id> [value <x>]
    auto nameAt = std::find(words.begin(), words.end(), "name");
    auto valueAt = std::find(words.begin(), words.end(), "value");
    if (nameAt == words.end() || nameAt + 1 == words.end() || nameAt + 1 == valueAt) {
        out_.Line("info string setoption needs a name");
        return;
    }
    std::string name;
    for (auto it = nameAt + 1; it != valueAt && it != words.end(); ++it) name += (name.empty() ? "" : " ") + *it;
    if (Lower(name) != "depth") {
        out_.Line("info string unknown option " + name);
        return;
    }
    int depth = 0;
    if (valueAt == words.end() || valueAt + 1 == words.end() || !ParseInt(*(valueAt + 1), depth)) {
        out_.Line("info string Depth needs a whole number");
        return;
    }
    depthOption_ = std::clamp(depth, ChessEngine::kMinDepth, ChessEngine::kMaxDepth);
}

void UciCommands::NewGame() {
    engine_->ClearPrincipalVariation();
    position_ = FenParser::StartPosition();
}

void UciCommands::Position(const Words& words) {
    PositionSnapshot pos;
    std::size_t i = 1;
    if (!ReadBasePosition(words, i, pos)) return;
    if (i < words.size() && words[i] != "moves") {
        out_.Line("info string unexpected '" + words[i] + "' in position");
        return;
    }
    for (++i; i < words.size(); ++i)
        if (!PlayMoveText(words[i], pos)) return;
    position_ = pos;
}

bool UciCommands::ReadBasePosition(const Words& words, std::size_t& i, PositionSnapshot& pos) {
    if (i < words.size() && words[i] == "startpos") {
        pos = FenParser::StartPosition();
        ++i;
        return true;
    }
    if (i < words.size() && words[i] == "fen") {
        std::string fen;
        for (++i; i < words.size() && words[i] != "moves"; ++i) fen += words[i] + ' ';
        std::string error;
        if (FenParser::Parse(fen, pos, error)) return true;
        out_.Line("info string malformed FEN: " + error);
        return false;
    }
    out_.Line("info string position needs startpos or fen");
    return false;
}

bool UciCommands::PlayMoveText(const std::string& text, PositionSnapshot& pos) {
    const bool shapeOk = (text.size() == 4 || text.size() == 5) && ValidSquareText(text[0], text[1]) &&
                         ValidSquareText(text[2], text[3]) &&
                         (text.size() == 4 || std::string_view("nbrq").find(text[4]) != std::string_view::npos);
    if (!shapeOk) {
        out_.Line("info string malformed move " + text);
        return false;
    }
    const int from = SquareNumber(text[0], text[1]);
    const int to = SquareNumber(text[2], text[3]);
    const int promote = text.size() == 5 ? static_cast<int>(std::string_view("?nbrq").find(text[4])) : 0;

    SearchBoard& board = *scratch_;
    board.Load(pos);
    board.GenerateMoves();
    bool played = false;
    const auto range = board.PlyMoves[0];
    for (int k = range.First; k < range.End && !played; ++k) {
        const EngineMove m = board.MoveStack[k].Move;
        if (m.From == from && m.To == to && m.Promote == promote) played = board.TryMove(m);
    }
    if (!played) {
        out_.Line("info string illegal move " + text);
        return false;
    }
    pos = board.ToSnapshot();
    return true;
}

std::vector<EngineMove> UciCommands::LegalMoves(const PositionSnapshot& pos) {
    SearchBoard& board = *scratch_;
    board.Load(pos);
    board.GenerateMoves();
    std::vector<EngineMove> legal;
    const auto range = board.PlyMoves[0];
    for (int k = range.First; k < range.End; ++k) {
        const EngineMove m = board.MoveStack[k].Move;
        if (!board.TryMove(m)) continue;
        board.UndoMove();
        legal.push_back(m);
    }
    return legal;
}

void UciCommands::Go(const Words& words) {
    int depth = depthOption_;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] != "depth" && words[i] != "perft") continue;
        int n = 0;
        if (i + 1 >= words.size() || !ParseInt(words[i + 1], n)) {
            out_.Line("info string go " + words[i] + " needs a whole number");
            return;
        }
        if (words[i] == "perft") {
            if (n < 1 || n > kMaxPerftDepth) {
                out_.Line("info string perft depth must be 1 to " + std::to_string(kMaxPerftDepth));
                return;
            }
            RunPerft(n);
            return;
        }
        depth = std::clamp(n, ChessEngine::kMinDepth, ChessEngine::kMaxDepth);
        break;
    }
    RunSearch(depth);
}

void UciCommands::RunSearch(int depth) {
    const std::vector<EngineMove> legal = LegalMoves(position_);
    engine_->SetReportHook([this](const ChessEngine::IterationReport& r) {
        std::string text = "info depth " + std::to_string(r.Depth) + " score " + ScoreText(r.Score) + " nodes " +
                           std::to_string(r.Nodes);
        if (!r.Line.empty()) {
            text += " pv";
            for (const EngineMove m : r.Line) text += ' ' + MoveText(m);
        }
        out_.Line(text);
    });
    engine_->Think(position_, depth);
    engine_->SetReportHook(nullptr);

    std::string best = "0000";
    const auto line = engine_->CompletedLine();
    if (!line.empty()) best = MoveText(line.front());
    else if (!legal.empty()) best = MoveText(legal.front());  // stopped before depth 1 ended
    out_.Line("bestmove " + best);
}

void UciCommands::RunPerft(int depth) {
    SearchBoard& board = engine_->Board();
    board.Load(position_);
    std::uint64_t total = 0;
    const bool whole = Perft::Divide(board, depth, &perftStop_, [&](const Perft::RootCount& root) {
        out_.Line(MoveText(root.Move) + ": " + std::to_string(root.Nodes));
        total += root.Nodes;
    });
    if (whole) out_.Line("\nNodes searched: " + std::to_string(total));
}

}  // namespace tablerix
