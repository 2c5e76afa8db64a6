// Loading through the main window never costs the game in progress: a file
// that cannot be used is refused before anything changes, field by field.
// Also the game saved before any move, lists longer than a game, and the
// load by path that the command line uses.
#include "GameFile.h"
#include "GameFileCommands.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>

#include "FormControls.h"
#include "GameFileWindowFixture.h"
#include "MessageCloser.h"
#include "WindowSnapshot.h"

#include <random>
#include <string>
#include <vector>

namespace tablerix {
namespace {

const QString kReadError = QStringLiteral("Error al Leer el Fichero");

// The window the bad file meets.
enum class Before { StartScreen, Playing, ClocksStopped, ComputerWaits };

std::string Name(const testing::TestParamInfo<Before>& info) {
    switch (info.param) {
    case Before::StartScreen: return "StartScreen";
    case Before::Playing: return "Playing";
    case Before::ClocksStopped: return "ClocksStopped";
    case Before::ComputerWaits: return "ComputerWaits";
    }
    return "?";
}

struct BadFile {
    QString Name;
    QByteArray Bytes;  // written as a file unless Name is a special one
    QString Message;
};

class BadFileTest : public GameFileWindowTest, public testing::WithParamInterface<Before> {
protected:
    void Arrange(Before before) {
        if (before == Before::StartScreen) return;
        if (before == Before::ComputerWaits) {
            QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"),
                              Qt::LeftButton);  // "Ordenador" for Black, White to move
            Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("contra el ordenador"));
            return;
        }
        StartTwoPlayers();
        Play({kLegal.begin(), kLegal.begin() + 11});  // ends with a check
        SetClocks({0, 3, 7}, {0, 2, 50}, {0, 5, 57});
        Pick(Control<QComboBox>(*form, "ComboPiezas"), 2);
        Pick(Control<QComboBox>(*form, "ComboOscuro"), 1);
        Pick(Control<QComboBox>(*form, "ComboBorde"), 1);
        Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("Notas de la partida\nsegunda línea ♞"));
        form->ButtonBackClick();  // both lists select an earlier move
        Control<ElidedLabel>(*form, "LPartida")->setText(QStringLiteral("anterior.Chess"));
        form->SetClocksRunning(before != Before::ClocksStopped);
    }

    std::vector<BadFile> Files() const {
        const QString bad = GameFileCommands::kBadFile;
        const QByteArray settings = "Tiempos...\r\n010203040506070809101111\r\n";
        GameRecordText tooBig;
        tooBig.MoveLines = {QStringLiteral("1. E2-E4")};
        tooBig.Entries = tooBig.MoveLines;
        tooBig.Notes = QString(GameFile::kMaxFileBytes, u'n');
        QByteArray binary;
        std::mt19937 rng(7);
        for (int i = 0; i < 200000; ++i) binary.append(static_cast<char>(rng()));
        QByteArray junkLines;  // just under the size limit: every line goes through the dry run
        while (junkLines.size() < GameFile::kMaxFileBytes - 100) junkLines += "1. Z9-Q0 Notas\r\n              X1-\r\n";
        return {
            {"missing", {}, GameFileCommands::kNotFound},
            {"folder", {}, kReadError},
            {"oversized", GameFile::Encode(GameFile::Compose(tooBig)), bad},
            {"no_move_accepted",
             "1. E2-E5\r\n              E7-E4\r\n" + settings + "Jugadas Jaque...\r\n1. E2-E5\r\nNotas...\r\nx", bad},
            {"no_entry", "1. E2-E4\r\n" + settings + "Jugadas Jaque...\r\nNotas...\r\nx", bad},
            {"no_entries_marker", "1. E2-E4\r\n" + settings + "Notas...\r\nx", bad},
            {"no_move_no_times", "Jugadas Jaque...\r\nNotas...\r\nsolo notas", bad},
            {"no_move_but_entries", settings + "Jugadas Jaque...\r\n1. E2-E4\r\nNotas...\r\n", bad},
            {"empty", {}, bad},
            {"binary", binary, bad},
            {"junk_lines", junkLines, bad},
        };
    }
};

TEST_P(BadFileTest, TheGameInProgressStaysExactlyAsItWas) {
    Arrange(GetParam());
    for (const BadFile& file : Files()) {
        SCOPED_TRACE(file.Name.toStdString());
        const QString path = File(file.Name + QStringLiteral(".Chess"));
        if (file.Name == u"folder") ASSERT_TRUE(QDir().mkpath(path));  // exists, cannot be read, even by root
        else if (file.Name != u"missing") WriteAll(path, file.Bytes);
        const WindowSnapshot before = SnapshotOf(*form);
        QList<bool> runningWhileOpen;
        MessageCloser closer([&] { runningWhileOpen << form->ClocksRunning(); });
        QElapsedTimer clock;
        clock.start();
        Load(path);
        EXPECT_LT(clock.elapsed(), 20000);
        EXPECT_EQ(closer.texts, QStringList{file.Message});  // no "Continuar Partida" first
        EXPECT_EQ(closer.titles, QStringList{"Tablerix  Error"});
        EXPECT_EQ(runningWhileOpen, QList<bool>{false});
        ExpectSameWindow(before, SnapshotOf(*form));
        // The next save still proposes the file the user picked.
        EXPECT_EQ(form->Dialogs().OpenedFile, path);
    }
}

INSTANTIATE_TEST_SUITE_P(AnyWindow, BadFileTest,
                         testing::Values(Before::StartScreen, Before::Playing, Before::ClocksStopped,
                                         Before::ComputerWaits),
                         Name);

TEST_F(GameFileWindowTest, GameSavedBeforeAnyMoveLoadsBack) {
    StartTwoPlayers();
    SetClocks({0, 0, 9}, {0, 0, 12}, {0, 0, 21});
    Pick(Control<QComboBox>(*form, "ComboPiezas"), 3);
    Pick(Control<QComboBox>(*form, "ComboClaro"), 2);
    Pick(Control<QComboBox>(*form, "ComboBorde"), 1);
    const QString notes = QStringLiteral("sin jugadas\ntodavía");
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(notes);
    const QString path = File("vacia.Chess");
    dialogs->answers << path;
    form->BSalvarClick();
    const QString clocks = Clocks();
    const std::array<int, 6> choices = Choices();

    // Something else in the window, then the file back.
    form->BNuevaParClick();
    Pick(Control<QComboBox>(*form, "ComboPiezas"), 0);
    Pick(Control<QComboBox>(*form, "ComboBorde"), 0);
    Play({{S::E2, S::E4}});
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("otra"));
    MessageCloser closer;
    Load(path);
    EXPECT_EQ(closer.texts, QStringList{"        Continuar Partida"});
    EXPECT_EQ(Clocks(), clocks);
    EXPECT_EQ(form->Clocks().GameClock, (GameClocks::Counter{0, 0, 21}));
    EXPECT_EQ(form->Clocks().WhiteClock, (GameClocks::Counter{0, 0, 9}));
    EXPECT_EQ(Choices(), choices);
    EXPECT_TRUE(Board(*form)->BoardLines());
    EXPECT_EQ(Board(*form)->SquareLight(), QImage(QStringLiteral(":/textures/MarronClaro3.png")));
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), notes);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 0);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->count(), 0);
    EXPECT_EQ(Board(*form)->Position(), std::string(kStartPosition));
    EXPECT_TRUE(Board(*form)->WhiteToMove());
    EXPECT_EQ(Control<ElidedLabel>(*form, "LPartida")->text(), path);
    EXPECT_TRUE(form->ClocksRunning());
    EXPECT_FALSE(Control<QFrame>(*form, "PJaque")->isVisibleTo(form.get()));
    EXPECT_TRUE(Control<QListWidget>(*form, "ListBoxRepe")->isVisibleTo(form.get()) &&
                Control<QFrame>(*form, "PTablero")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BSalvar")->isEnabled() &&
                Control<QComboBox>(*form, "ComboPiezas")->isEnabled());
    // And the game goes on from the start.
    Play({{S::D2, S::D4}});
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBoxRepe")), QStringList{"1. D2-D4"});
}

TEST_F(GameFileWindowTest, EveryEntryOfTheFileIsListedAndRefusedLinesAreSkipped) {
    QByteArray bytes =
        "1. E2-E4\r\n1. Z9-Z9\r\n              E7-E4\r\n              E7-E5\r\n"
        "Tiempos...\r\n000000000000000000100000\r\nJugadas Jaque...\r\n";
    const int entries = 700;  // more than any game has half-moves
    for (int i = 0; i < entries; ++i) bytes += QByteArray::number(i) + ". entrada\r\n";
    bytes += "Notas...\r\nfin";
    WriteAll(File("larga.Chess"), bytes);
    MessageCloser closer;
    Load(File("larga.Chess"));
    EXPECT_EQ(closer.texts, QStringList{"        Continuar Partida"});
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), (QStringList{"1. E2-E4", QString(14, u' ') + "E7-E5"}));
    ASSERT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->count(), entries);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->item(entries - 1)->text(), QStringLiteral("699. entrada"));
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), QStringLiteral("fin"));
}

TEST_F(GameFileWindowTest, LoadPathOpensAGameAsTheLoadWithoutAnimation) {
    StartTwoPlayers();
    Play({{S::D2, S::D4}});
    WriteAll(File("corta.Chess"),
             "1. E2-E4\r\n              E7-E5\r\nTiempos...\r\n000000000000000000100000\r\n"
             "Jugadas Jaque...\r\n1. E2-E4\r\n              E7-E5\r\nNotas...\r\n");
    int animated = 0;
    TMoveEvent original = Board(*form)->OnLegalMove;
    Board(*form)->OnLegalMove = [&](ChessBrdCore& b, S a, S c) {
        animated += static_cast<TChessBrd&>(b).AnimateMoves();
        original(b, a, c);
    };
    {
        MessageCloser closer;
        form->SetAnimateLoad(false);
        GameFileCommands(*form).LoadPath(File("corta.Chess"));
        EXPECT_EQ(closer.texts, QStringList{"        Continuar Partida"});
    }
    Board(*form)->OnLegalMove = original;
    EXPECT_TRUE(dialogs->seen.isEmpty());  // no dialog
    EXPECT_EQ(animated, 0);
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), (QStringList{"1. E2-E4", QString(14, u' ') + "E7-E5"}));
    EXPECT_EQ(Control<ElidedLabel>(*form, "LPartida")->text(), File("corta.Chess"));
    EXPECT_EQ(form->Dialogs().OpenedFile, File("corta.Chess"));
    EXPECT_TRUE(form->AnimateLoad());
    EXPECT_TRUE(Board(*form)->AnimateMoves());

    // A missing file by path is refused the same way.
    const WindowSnapshot before = SnapshotOf(*form);
    MessageCloser missing;
    GameFileCommands(*form).LoadPath(File("no_existe.Chess"));
    EXPECT_EQ(missing.texts, QStringList{GameFileCommands::kNotFound});
    ExpectSameWindow(before, SnapshotOf(*form));
}

}  // namespace
}  // namespace tablerix
