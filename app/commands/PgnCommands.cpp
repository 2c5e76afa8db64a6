#include "PgnCommands.h"

#include "FenWriter.h"
#include "GameClocks.h"
#include "GameFileCommands.h"
#include "PgnReader.h"
#include "PgnReplay.h"
#include "PgnTagValues.h"
#include "PgnWriter.h"
#include "RecordMoves.h"

#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <string_view>

namespace tablerix {

namespace {

ClockTime ToClockTime(const GameClocks::Counter& c) { return {c.Hours, c.Minutes, c.Seconds}; }

// A clock tag as the three label texts; a missing or bad tag reads as zero.
void PutClock(const PgnGameText& game, const char* tag, LoadedGame& out, std::size_t first) {
    ClockTime clock;
    if (const std::string* value = game.Tag(tag)) clock = PgnTagValues::ParseClock(*value).value_or(ClockTime{});
    const auto text = [](int n) { return QString::fromStdString(GameClocks::TwoDigits(n)); };
    out.ClockTexts[first] = text(clock.Hours);
    out.ClockTexts[first + 1] = text(clock.Minutes);
    out.ClockTexts[first + 2] = text(clock.Seconds);
}

}  // namespace

std::optional<QByteArray> PgnCommands::ExportText() const {
    const CommandHost& f = host_;
    const GameRecordText record = f.CollectGame();
    PgnExport game;
    const QDate today = QDate::currentDate();
    game.Date = {today.year(), today.month(), today.day()};
    game.Black = PgnTagValues::BlackText(record.Choices[0] == 0, record.Choices[1]);
    game.WhiteClock = ToClockTime(f.Clocks().WhiteClock);
    game.BlackClock = ToClockTime(f.Clocks().BlackClock);
    game.GameClock = ToClockTime(f.Clocks().GameClock);
    game.Notes = record.Notes.toStdString();
    game.Moves = RecordMoves::UpToShown(f.Board());
    const std::optional<std::string> text = PgnWriter::Write(game);
    if (!text) return std::nullopt;
    return QByteArray(text->data(), static_cast<qsizetype>(text->size()));
}

bool PgnCommands::SaveTo(const QString& path) const {
    const std::optional<QByteArray> text = ExportText();
    return text && GameFile::WriteSafely(path, *text);
}

PgnCommands::Reading PgnCommands::Read(const QByteArray& bytes) {
    Reading out;
    const PgnReader::Result read =
        PgnReader::ReadFirstGame(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!read.Ok()) {
        // Binary data on the clipboard is no game either.
        out.NoGame = read.Fault == PgnReader::Error::NoGame || read.Fault == PgnReader::Error::NotText;
        out.Fault = QString::fromUtf8(PgnReader::Describe(read.Fault));
        return out;
    }
    const PgnGameText& text = read.Game;
    // The whole game on a scratch board first: a bad move refuses it before
    // anything of the game in progress is touched.
    const PgnReplay::Result replay = PgnReplay::Run(text.Moves);
    if (!replay.Ok()) {
        out.Fault = QString::fromStdString(replay.Message());
        return out;
    }
    LoadedGame game;
    game.Moves.reserve(replay.Moves.size());
    for (std::size_t i = 0; i < replay.Moves.size(); ++i)
        game.Moves.push_back({replay.Moves[i], QString::fromStdString(text.Moves[i].Text)});
    PutClock(text, "WhiteClock", game, 0);
    PutClock(text, "BlackClock", game, 3);
    PutClock(text, "GameClock", game, 6);
    // Black's player and difficulty; the look is not in PGN and stays.
    const std::string* black = text.Tag("Black");
    const BlackPlayer player = PgnTagValues::ParseBlack(black ? *black : std::string());
    game.Choices[0] = player.Computer ? 0 : 1;
    if (player.Difficulty >= 0) game.Choices[1] = player.Difficulty;
    game.Notes = QString::fromStdString(text.Notes);
    out.Game = std::move(game);
    return out;
}

void PgnCommands::LoadPath(const QString& path) {
    GameFileCommands commands(host_);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        commands.RefuseLoad(CommandHost::Message::Error, GameFileCommands::kNotFound);
        return;
    }
    QFile file(path);
    QByteArray bytes;
    if (info.isFile() && file.open(QIODevice::ReadOnly)) {
        // One byte past the limit is enough to know the first game is too long.
        bytes = file.read(static_cast<qint64>(PgnReader::kMaxGameBytes) + 1);
    }
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        commands.RefuseLoad(CommandHost::Message::Error, GameFileCommands::kReadFailed);
        return;
    }
    Load(bytes, info.absoluteFilePath(), false);
}

void PgnCommands::PasteGame() {
    host_.SetAnimateLoad(false);
    Load(QGuiApplication::clipboard()->text().toUtf8(), QString(), true);
}

void PgnCommands::Load(const QByteArray& bytes, const QString& header, bool fromClipboard) {
    GameFileCommands commands(host_);
    Reading reading = Read(bytes);
    if (!reading.Game) {
        // An empty clipboard is not an error of the user's.
        if (fromClipboard && reading.NoGame) commands.RefuseLoad(CommandHost::Message::Aviso, kNoGameInClipboard);
        else commands.RefuseLoad(CommandHost::Message::Error, reading.Fault);
        return;
    }
    reading.Game->Header = header;
    reading.Game->FromFile = !fromClipboard;
    host_.ApplyLoadedGame(*reading.Game);
}

void PgnCommands::CopyGame() const {
    if (const std::optional<QByteArray> text = ExportText())
        QGuiApplication::clipboard()->setText(QString::fromUtf8(*text));
}

void PgnCommands::CopyFen() const {
    QGuiApplication::clipboard()->setText(QString::fromStdString(FenWriter::Write(host_.Board())));
}

}  // namespace tablerix
