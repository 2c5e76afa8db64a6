#include "UciSession.h"

#include "FenParser.h"
#include "Perft.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <sstream>

namespace tablerix {

namespace {

std::vector<std::string> Split(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        const std::size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

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

UciSession::UciSession(std::ostream& out)
    : out_(out),
      engine_(std::make_unique<ChessEngine>()),
      scratch_(std::make_unique<SearchBoard>()),
      position_(FenParser::StartPosition()) {}

UciSession::~UciSession() {
    Stop();
}

std::string UciSession::ScoreText(int score) {
    if (score > 9000) return "mate " + std::to_string((10001 - score) / 2);
    if (score < -9000) return "mate " + std::to_string(-((10000 + score) / 2));
    return "cp " + std::to_string(score);
}

void UciSession::Write(const std::string& text) {
    const std::lock_guard lock(outMutex_);
    out_ << text << '\n';
    out_.flush();
}

void UciSession::Join() {
    if (worker_.joinable()) worker_.join();
}

void UciSession::WaitForSearch() { Join(); }

void UciSession::Stop() {
    engine_->RequestStop();
    perftStop_.store(true);
    Join();
}

bool UciSession::Handle(std::string_view line) {
    const Words words = Split(line);
    if (words.empty()) return true;
    const std::string& command = words[0];

    // Answered at once, even while a search runs.
    if (command == "quit") {
        Stop();
        return false;
    }
    if (command == "stop") {
        Stop();
        return true;
    }
    if (command == "isready") {
        Write("readyok");
        return true;
    }
    if (command == "uci") {
        Uci();
        return true;
    }

    // Anything else waits for a running search to end first.
    if (command == "setoption") {
        Join();
        SetOption(words);
    } else if (command == "ucinewgame") {
        Join();
        NewGame();
    } else if (command == "position") {
        Join();
        Position(words);
    } else if (command == "go") {
        Join();
        Go(words);
    }
    return true;
}

void UciSession::Uci() {
    Write("id name Tablerix 1.0");
    Write("id author The Tablerix developers");
    Write("option name Depth type spin default " + std::to_string(kDefaultDepth) + " min " +
          std::to_string(ChessEngine::kMinDepth) + " max " + std::to_string(ChessEngine::kMaxDepth));
    Write("uciok");
}

void UciSession::SetOption(const Words& words) {
    // setoption name <id> [value <x>]
    auto nameAt = std::find(words.begin(), words.end(), "name");
    auto valueAt = std::find(words.begin(), words.end(), "value");
    if (nameAt == words.end() || nameAt + 1 == words.end() || nameAt + 1 == valueAt) {
        Write("info string setoption needs a name");
        return;
    }
    std::string name;
    for (auto it = nameAt + 1; it != valueAt && it != words.end(); ++it) name += (name.empty() ? "" : " ") + *it;
    if (Lower(name) != "depth") {
        Write("info string unknown option " + name);
        return;
    }
    int depth = 0;
    if (valueAt == words.end() || valueAt + 1 == words.end() || !ParseInt(*(valueAt + 1), depth)) {
        Write("info string Depth needs a whole number");
        return;
    }
    depthOption_ = std::clamp(depth, ChessEngine::kMinDepth, ChessEngine::kMaxDepth);
}

void UciSession::NewGame() {
    engine_->ClearPrincipalVariation();
    position_ = FenParser::StartPosition();
}

void UciSession::Position(const Words& words) {
    PositionSnapshot pos;
    std::size_t i = 1;
    if (i < words.size() && words[i] == "startpos") {
        pos = FenParser::StartPosition();
        ++i;
    } else if (i < words.size() && words[i] == "fen") {
        std::string fen;
        for (++i; i < words.size() && words[i] != "moves"; ++i) fen += words[i] + ' ';
        std::string error;
        if (!FenParser::Parse(fen, pos, error)) {
            Write("info string malformed FEN: " + error);
            return;
        }
    } else {
        Write("info string position needs startpos or fen");
        return;
    }
    if (i < words.size() && words[i] != "moves") {
        Write("info string unexpected '" + words[i] + "' in position");
        return;
    }

    SearchBoard& board = *scratch_;
    for (++i; i < words.size(); ++i) {
        const std::string& text = words[i];
        const bool shapeOk = (text.size() == 4 || text.size() == 5) && ValidSquareText(text[0], text[1]) &&
                             ValidSquareText(text[2], text[3]) &&
                             (text.size() == 4 || std::string_view("nbrq").find(text[4]) != std::string_view::npos);
        if (!shapeOk) {
            Write("info string malformed move " + text);
            return;
        }
        const int from = SquareNumber(text[0], text[1]);
        const int to = SquareNumber(text[2], text[3]);
        const int promote = text.size() == 5 ? static_cast<int>(std::string_view("?nbrq").find(text[4])) : 0;

        board.Load(pos);
        board.GenerateMoves();
        bool played = false;
        const auto range = board.PlyMoves[0];
        for (int k = range.First; k < range.End && !played; ++k) {
            const EngineMove m = board.MoveStack[k].Move;
            if (m.From != from || m.To != to || m.Promote != promote) continue;
            played = board.TryMove(m);
        }
        if (!played) {
            Write("info string illegal move " + text);
            return;
        }
        pos = board.ToSnapshot();
    }
    position_ = pos;
}

std::vector<EngineMove> UciSession::LegalMoves(const PositionSnapshot& pos) {
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

void UciSession::Go(const Words& words) {
    int depth = depthOption_;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] != "depth" && words[i] != "perft") continue;
        int n = 0;
        if (i + 1 >= words.size() || !ParseInt(words[i + 1], n)) {
            Write("info string go " + words[i] + " needs a whole number");
            return;
        }
        if (words[i] == "perft") {
            if (n < 1 || n > kMaxPerftDepth) {
                Write("info string perft depth must be 1 to " + std::to_string(kMaxPerftDepth));
                return;
            }
            perftStop_.store(false);
            worker_ = std::thread(&UciSession::RunPerft, this, position_, n);
            return;
        }
        depth = std::clamp(n, ChessEngine::kMinDepth, ChessEngine::kMaxDepth);
        break;
    }
    engine_->ClearStop();
    worker_ = std::thread(&UciSession::RunSearch, this, position_, depth, LegalMoves(position_));
}

void UciSession::RunSearch(PositionSnapshot pos, int depth, std::vector<EngineMove> legal) {
    engine_->SetReportHook([this](const ChessEngine::IterationReport& r) {
        std::string text = "info depth " + std::to_string(r.Depth) + " score " + ScoreText(r.Score) + " nodes " +
                           std::to_string(r.Nodes);
        if (!r.Line.empty()) {
            text += " pv";
            for (const EngineMove m : r.Line) text += ' ' + MoveText(m);
        }
        Write(text);
    });
    engine_->Think(pos, depth);
    engine_->SetReportHook(nullptr);

    std::string best = "0000";
    const auto line = engine_->CompletedLine();
    if (!line.empty()) best = MoveText(line.front());
    else if (!legal.empty()) best = MoveText(legal.front());  // stopped before depth 1 ended
    Write("bestmove " + best);
}

void UciSession::RunPerft(PositionSnapshot pos, int depth) {
    SearchBoard& board = engine_->Board();
    board.Load(pos);
    std::uint64_t total = 0;
    std::string text;
    for (const auto& root : Perft::Divide(board, depth, &perftStop_)) {
        text += MoveText(root.Move) + ": " + std::to_string(root.Nodes) + '\n';
        total += root.Nodes;
    }
    text += "\nNodes searched: " + std::to_string(total);
    Write(text);
}

}  // namespace tablerix
