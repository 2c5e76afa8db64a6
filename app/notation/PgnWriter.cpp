#include "PgnWriter.h"

#include "GameResult.h"
#include "PgnReader.h"
#include "PgnTagValues.h"
#include "San.h"
#include "ScratchReplay.h"

#include <utility>
#include <vector>

namespace tablerix {

namespace {

// Movetext tokens placed on lines shorter than 80 columns.
class LineFiller {
public:
    explicit LineFiller(std::string& out) : out_(out) {}
    void Add(const std::string& token) {
        if (column_ > 0 && column_ + 1 + token.size() > PgnWriter::kMaxLine) NewLine();
        if (column_ > 0) {
            out_ += ' ';
            ++column_;
        }
        out_ += token;
        column_ += token.size();
    }
    void NewLine() {
        out_ += '\n';
        column_ = 0;
    }

private:
    std::string& out_;
    std::size_t column_ = 0;
};

void AddTag(std::string& out, const char* name, const std::string& value) {
    out += '[';
    out += name;
    out += " \"";
    out += PgnWriter::EscapeTagValue(value);
    out += "\"]\n";
}

}  // namespace

std::string PgnWriter::EscapeTagValue(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '\\' || c == '"') out += '\\';
        out += (c == '\n' || c == '\r') ? ' ' : c;
    }
    return out;
}

std::string PgnWriter::CommentText(std::string_view notes) {
    std::string out;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const char c = notes[i];
        if (c == '\r') {
            if (i + 1 < notes.size() && notes[i + 1] == '\n') continue;
            out += '\n';
        } else {
            out += c == '{' ? '(' : c == '}' ? ')' : c;
        }
    }
    return out;
}

std::optional<std::string> PgnWriter::Write(const PgnExport& game) {
    ScratchReplay replay;
    std::vector<std::string> sans;
    sans.reserve(game.Moves.size());
    for (const HalfMove& m : game.Moves) {
        std::string san = San::Write(replay.Current(), m);
        if (san.empty() || !replay.Play(m)) return std::nullopt;
        sans.push_back(std::move(san));
    }
    const std::string result = GameResult::IsResult(game.Result) ? game.Result : GameResult::Of(replay.Board());

    std::string out;
    AddTag(out, "Event", kEvent);
    AddTag(out, "Site", "?");
    AddTag(out, "Date", PgnTagValues::DateText(game.Date));
    AddTag(out, "Round", "-");
    AddTag(out, "White", PgnTagValues::kHuman);
    AddTag(out, "Black", game.Black);
    AddTag(out, "Result", result);
    AddTag(out, "BlackClock", PgnTagValues::ClockText(game.BlackClock));
    AddTag(out, "GameClock", PgnTagValues::ClockText(game.GameClock));
    AddTag(out, "PlyCount", std::to_string(sans.size()));
    AddTag(out, "TimeControl", "-");
    AddTag(out, "WhiteClock", PgnTagValues::ClockText(game.WhiteClock));
    out += '\n';

    if (!game.Notes.empty()) {
        out += '{';
        out += CommentText(game.Notes);
        out += "}\n";
    }
    LineFiller line(out);
    for (std::size_t i = 0; i < sans.size(); ++i) {
        if (i % 2 == 0) line.Add(std::to_string(i / 2 + 1) + '.');
        line.Add(sans[i]);
    }
    line.Add(result);
    line.NewLine();
    out += '\n';
    // What the reader would refuse is never written: a save must load again.
    if (out.size() > PgnReader::kMaxGameBytes) return std::nullopt;
    return out;
}

}  // namespace tablerix
