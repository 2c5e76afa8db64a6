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
    perftStop_.store(true, std::memory_order_relaxed);
    control_.Stop();
}

void UciCommands::ClearStop() noexcept {
    control_.Reset();
    perftStop_.store(false, std::memory_order_relaxed);
}

void UciCommands::PonderHit(Clock::time_point at) { control_.PonderHit(at); }

void UciCommands::Execute(const Words& words, Clock::time_point readAt) {
    if (words.empty()) return;
    const std::string& command = words[0];
    if (command == "uci") Uci();
    else if (command == "setoption") SetOption(words);
    else if (command == "ucinewgame") NewGame();
    else if (command == "position") Position(words);
    else if (command == "go") Go(words, readAt);
}

void UciCommands::Uci() {
    out_.Line("id name Tablerix 1.0");
    out_.Line("id author The Tablerix developers");
    out_.Line("option name Depth type spin default " + std::to_string(kDefaultDepth) + " min " +
              std::to_string(ChessEngine::kMinDepth) + " max " + std::to_string(ChessEngine::kMaxDepth));
    // Says that "go ponder" is understood; its value changes nothing here.
    out_.Line("option name Ponder type check default false");
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
    if (Lower(name) == "ponder") return;
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

void UciCommands::Go(const Words& words, Clock::time_point readAt) {
    const GoParameters go = GoParameters::Read(words);
    for (const std::string& complaint : go.Complaints) out_.Line("info string " + complaint);
    if (go.Perft) {
        // Not a search: no "bestmove". A malformed number was said above.
        if (!go.PerftDepth) return;
        if (*go.PerftDepth < 1 || *go.PerftDepth > kMaxPerftDepth) {
            out_.Line("info string perft depth must be 1 to " + std::to_string(kMaxPerftDepth));
            return;
        }
        RunPerft(*go.PerftDepth);
        return;
    }
    RunSearch(go, readAt);
}

std::vector<EngineMove> UciCommands::SearchMoves(const GoParameters& go, const std::vector<EngineMove>& legal) {
    std::vector<EngineMove> allowed;
    for (const std::string& text : go.SearchMoves) {
        const auto it =
            std::find_if(legal.begin(), legal.end(), [&](EngineMove m) { return MoveText(m) == Lower(text); });
        if (it == legal.end()) out_.Line("info string searchmoves: " + text + " is not a legal move here");
        else if (std::find(allowed.begin(), allowed.end(), *it) == allowed.end()) allowed.push_back(*it);
    }
    if (!go.SearchMoves.empty() && allowed.empty() && !legal.empty())
        out_.Line("info string searchmoves names no legal move; every move is searched");
    return allowed;
}

std::string UciCommands::InfoLine(int depth, int score, std::uint64_t nodes, std::span<const EngineMove> line) const {
    std::string text =
        "info depth " + std::to_string(depth) + " score " + ScoreText(score) + " nodes " + std::to_string(nodes);
    if (!line.empty()) {
        text += " pv";
        for (const EngineMove m : line) text += ' ' + MoveText(m);
    }
    return text;
}

void UciCommands::RunSearch(const GoParameters& go, Clock::time_point readAt) {
    const std::vector<EngineMove> legal = LegalMoves(position_);
    SearchLimits limits;
    limits.RootMoves = SearchMoves(go, legal);
    // A depth of its own replaces the option; a mate in n needs 2n - 1 plies.
    limits.Depth = go.Depth.value_or(depthOption_);
    if (go.Mate) {
        const int plies = *go.Mate > ChessEngine::kMaxDepth ? ChessEngine::kMaxDepth : 2 * *go.Mate - 1;
        limits.Depth = std::min(go.Depth.value_or(ChessEngine::kMaxDepth), plies);
        limits.MateMoves = *go.Mate;
    }
    limits.Depth = std::clamp(limits.Depth, ChessEngine::kMinDepth, ChessEngine::kMaxDepth);
    if (go.Nodes) limits.Nodes = *go.Nodes;

    engine_->SetReportHook(
        [this](const ChessEngine::IterationReport& r) { out_.Line(InfoLine(r.Depth, r.Score, r.Nodes, r.Line)); });
    control_.Begin(go.Ponder, go.Infinite, TimeBudget::For(go, position_.WhiteToMove), readAt);
    engine_->Think(position_, limits);
    engine_->SetReportHook(nullptr);
    // The iteration cut short had already found something better.
    const auto line = engine_->ChosenLine();
    if (engine_->ChosenDepth() > engine_->CompletedDepth())
        out_.Line(InfoLine(engine_->ChosenDepth(), engine_->ChosenScore(), engine_->Nodes(), line));
    control_.WaitForAnswer();

    std::string best = "0000";
    if (!line.empty()) {
        best = MoveText(line.front());
        if (line.size() > 1) best += " ponder " + MoveText(line[1]);
    } else if (!limits.RootMoves.empty()) {
        best = MoveText(limits.RootMoves.front());  // stopped before depth 1 ended
    } else if (!legal.empty()) {
        best = MoveText(legal.front());
    }
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
