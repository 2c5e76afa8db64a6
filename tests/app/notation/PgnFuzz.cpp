// libFuzzer target for the PGN reader and writer: any bytes must read without
// a crash, and a game that reads and replays must survive being written and
// read again: the same moves, the same result, Black's player, the clocks,
// the date and the notes as the writer keeps them. What it writes then is a
// fixed point: the game read back writes the very same text.
#include "ChessBrdCore.h"
#include "GameResult.h"
#include "PgnReader.h"
#include "PgnReplay.h"
#include "PgnTagValues.h"
#include "PgnWriter.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace tablerix;

[[noreturn]] void Mismatch() { __builtin_trap(); }

// "2024.03.09" and the like; a field that is not one to four digits is unknown.
GameDate DateOf(const std::string* tag) {
    int fields[3] = {0, 0, 0};
    if (tag == nullptr) return {};
    std::string_view rest = *tag;
    for (int& field : fields) {
        const std::size_t dot = rest.find('.');
        const std::string_view part = rest.substr(0, dot);
        if (!part.empty() && part.size() <= 4 && part.find_first_not_of("0123456789") == std::string_view::npos)
            field = std::stoi(std::string(part));
        if (dot == std::string_view::npos) break;
        rest.remove_prefix(dot + 1);
    }
    return {fields[0], fields[1], fields[2]};
}

ClockTime ClockOf(const PgnGameText& game, const char* name) {
    const std::string* value = game.Tag(name);
    return value ? PgnTagValues::ParseClock(*value).value_or(ClockTime{}) : ClockTime{};
}

// The game as the program keeps it after a load, ready to be written; nothing
// when the text holds no game or its moves do not replay.
std::optional<PgnExport> Load(std::string_view text) {
    const PgnReader::Result read = PgnReader::ReadFirstGame(text);
    if (!read.Ok()) return std::nullopt;
    const PgnGameText& g = read.Game;
    if (g.Consumed > text.size()) Mismatch();
    const PgnReplay::Result replay = PgnReplay::Run(g.Moves);
    if (!replay.Ok()) return std::nullopt;
    if (replay.Moves.size() != g.Moves.size()) Mismatch();
    PgnExport game;
    game.Date = DateOf(g.Tag("Date"));
    const std::string* black = g.Tag("Black");
    const BlackPlayer player = PgnTagValues::ParseBlack(black ? *black : std::string());
    game.Black = PgnTagValues::BlackText(player.Computer, player.Difficulty);
    game.Result = g.Result;
    game.WhiteClock = ClockOf(g, "WhiteClock");
    game.BlackClock = ClockOf(g, "BlackClock");
    game.GameClock = ClockOf(g, "GameClock");
    game.Notes = g.Notes;
    game.Moves = replay.Moves;
    return game;
}

// The result the writer puts down: the game's own, or that of its last position.
std::string WrittenResult(const PgnExport& game) {
    if (GameResult::IsResult(game.Result)) return game.Result;
    ChessBrdCore board;
    for (const HalfMove& m : game.Moves) {
        board.SetPromotionPiece(m.Promotion != 0 ? m.Promotion : 'q');
        if (!board.PerformMove(m.From, m.To)) Mismatch();
    }
    return GameResult::Of(board);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::optional<PgnExport> first = Load(input);
    if (!first) return 0;

    const std::optional<std::string> text = PgnWriter::Write(*first);
    // Every move replayed, so every move must be written; only a text longer
    // than the reader takes is refused, and only an input near that size can
    // make one.
    if (!text) {
        if (2 * input.size() + 4096 < PgnReader::kMaxGameBytes) Mismatch();
        return 0;
    }
    const std::optional<PgnExport> again = Load(*text);
    if (!again) Mismatch();

    if (again->Moves != first->Moves) Mismatch();
    if (again->Result != WrittenResult(*first)) Mismatch();
    if (again->Black != first->Black) Mismatch();
    if (again->WhiteClock != first->WhiteClock || again->BlackClock != first->BlackClock ||
        again->GameClock != first->GameClock)
        Mismatch();
    if (PgnTagValues::DateText(again->Date) != PgnTagValues::DateText(first->Date)) Mismatch();
    // The notes come back as the comment the writer made of them.
    if (again->Notes != PgnWriter::CommentText(first->Notes)) Mismatch();

    const std::optional<std::string> twice = PgnWriter::Write(*again);
    if (!twice || *twice != *text) Mismatch();
    return 0;
}
