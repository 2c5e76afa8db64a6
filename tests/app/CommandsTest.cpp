// The file, PGN, print and clipboard commands driven through CommandHost
// alone, with no window in the program: what they ask of their host, what
// they hand it, and which messages they have it show.
#include "FakeCommandHost.h"
#include "GameFileCommands.h"
#include "PgnCommands.h"
#include "PrintCommand.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextEdit>

namespace tablerix {
namespace {

using Message = CommandHost::Message;
using Shown = FakeCommandHost::Shown;

class CommandsTest : public ::testing::Test {
protected:
    QString File(const QString& name) const { return dir.filePath(name); }

    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void Write(const QString& name, const QByteArray& bytes) {
        QFile f(File(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    void PlayOpening() {
        ASSERT_TRUE(host.board.MakeMove(Square::E2, Square::E4));
        ASSERT_TRUE(host.board.MakeMove(Square::E7, Square::E5));
    }

    QTemporaryDir dir;
    FakeCommandHost host;
};

TEST_F(CommandsTest, ACancelledOpenOnlyRunsTheLoadsFinalSteps) {
    GameFileCommands(host).Load();
    EXPECT_EQ(host.finishedLoads, 1);
    EXPECT_FALSE(host.applied);
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CommandsTest, AMissingFileIsRefusedWithTheHostHalted) {
    const QString path = File("no_existe.Chess");
    GameFileCommands(host).LoadPath(path);
    EXPECT_EQ(host.opened, path);
    EXPECT_EQ(host.messages, (std::vector<Shown>{{Message::Error, GameFileCommands::kNotFound, true}}));
    EXPECT_FALSE(host.applied);
    EXPECT_EQ(host.finishedLoads, 0);
    EXPECT_EQ(host.animateLoad, true);  // the one final step a refusal takes
}

TEST_F(CommandsTest, APgnFileChosenInTheDialogIsHandedOverChecked) {
    Write("partida.pgn", "[Black \"Jugador\"]\n\n1. e4 e5 2. Nf3 *\n");
    host.answers << File("partida.pgn");
    GameFileCommands(host).Load();
    ASSERT_TRUE(host.applied);
    EXPECT_EQ(host.applied->Moves.size(), 3U);
    EXPECT_EQ(host.applied->Header, QFileInfo(File("partida.pgn")).absoluteFilePath());
    EXPECT_EQ(host.applied->Choices[0], 1);  // Black: "Jugador"
    EXPECT_EQ(host.opened, File("partida.pgn"));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.board.LastMove(), 1);  // the host's board is the host's to change
}

TEST_F(CommandsTest, SaveStopsTheClocksAndWritesTheHostsGame) {
    PlayOpening();
    host.answers << File("partida.pgn");
    GameFileCommands(host).Save();
    EXPECT_EQ(host.clocksRunning, false);
    EXPECT_TRUE(ReadAll(File("partida.pgn")).contains("1. e4 e5 *"));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.saved, File("partida.pgn"));  // the next save proposes it

    // A cancelled dialog lets the clocks run again; a failed write says so.
    // Neither changes the file the next save proposes.
    GameFileCommands(host).Save();
    EXPECT_EQ(host.clocksRunning, true);
    host.answers << File("no/existe/partida.Chess");
    GameFileCommands(host).Save();
    EXPECT_EQ(host.messages, (std::vector<Shown>{{Message::Error, GameFileCommands::kSaveFailed, false}}));
    EXPECT_EQ(host.saved, File("partida.pgn"));
}

TEST_F(CommandsTest, TheClipboardCommandsUseTheHostsBoard) {
    PlayOpening();
    QClipboard* clipboard = QApplication::clipboard();
    PgnCommands(host).CopyFen();
    EXPECT_EQ(clipboard->text(), QStringLiteral("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2"));
    PgnCommands(host).CopyGame();
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("1. e4 e5 *")));

    PgnCommands(host).PasteGame();
    EXPECT_EQ(host.animateLoad, false);
    ASSERT_TRUE(host.applied);
    EXPECT_EQ(host.applied->Moves.size(), 2U);
    EXPECT_TRUE(host.applied->Header.isEmpty());

    clipboard->clear();
    PgnCommands(host).PasteGame();
    EXPECT_EQ(host.messages, (std::vector<Shown>{{Message::Aviso, PgnCommands::kNoGameInClipboard, true}}));
}

TEST_F(CommandsTest, PrintComposesTheHostsSheetAndAsksTheHostForThePrinter) {
    host.sheet.BlackPlayer = QStringLiteral("Jugador");
    host.sheet.Entries = {QStringLiteral("1. E2-E4")};
    host.sheet.Notes = QStringLiteral("notas");
    QTextEdit editor;
    PrintCommand print;
    EXPECT_FALSE(print.Run(host, editor));  // the setup was cancelled
    EXPECT_EQ(editor.toPlainText(), GameSheet::Lines(host.sheet).join(u'\n'));

    host.pdf = File("hoja.pdf");
    EXPECT_TRUE(print.Run(host, editor));
    EXPECT_EQ(host.printerSetups, 2);
    EXPECT_TRUE(ReadAll(host.pdf).startsWith("%PDF"));
}

}  // namespace
}  // namespace tablerix
