// PGN through the main window: saving through the dialog's second filter,
// loading a PGN file or the clipboard through the same path as a ".Chess"
// file, refusals that leave the game untouched, and the timings of a long
// game and of a large database.
#include "GameFileCommands.h"
#include "GameFileKind.h"
#include "GameResult.h"
#include "PgnCommands.h"
#include "PgnReader.h"
#include "PgnWriter.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>

#include "FormControls.h"
#include "GameFileWindowFixture.h"
#include "MessageCloser.h"
#include "QtPrinters.h"
#include "WindowSnapshot.h"
#include "notation/NotationTestSupport.h"

#include <iostream>
#include <random>

namespace tablerix {
namespace {

const QString kContinue = GameFileCommands::kContinue;

// A seeded random game of exactly halfMoves that never ends on the way,
// so that its load shows no mate or draw message.
std::vector<HalfMove> RandomGame(int halfMoves) {
    for (unsigned seed = 1;; ++seed) {
        std::mt19937 rng(seed);
        ChessBrdCore board;
        std::vector<HalfMove> moves;
        while (static_cast<int>(moves.size()) < halfMoves && GameResult::Of(board) == GameResult::kUnfinished) {
            const std::vector<HalfMove> legal = board.CurrentPosition().LegalMoves();
            const HalfMove m = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
            if (!test::Play(board, m)) break;
            moves.push_back(m);
        }
        if (static_cast<int>(moves.size()) == halfMoves && GameResult::Of(board) == GameResult::kUnfinished)
            return moves;
    }
}

QByteArray PgnOf(const std::vector<HalfMove>& moves, const std::string& notes = {}) {
    PgnExport game;
    game.Moves = moves;
    game.Notes = notes;
    return QByteArray::fromStdString(PgnWriter::Write(game).value());
}

class PgnWindowTest : public GameFileWindowTest {
protected:
    // The moves as the board's record lists them.
    QStringList Record() const {
        std::vector<std::string> lines;
        Board(*form)->GetMoveList(lines);
        QStringList out;
        for (const auto& l : lines) out << QString::fromStdString(l);
        return out;
    }
    void SaveAs(const QString& path) {
        dialogs->answers << path;
        form->BSalvarClick();
    }
};

TEST_F(PgnWindowTest, SaveAndLoadBringBackPositionNotesClocksAndBlacksPlayer) {
    StartTwoPlayers();
    Play({kLegal.begin(), kLegal.begin() + 12});  // a check on half-move 11, White to move
    SetClocks({0, 3, 7}, {1, 2, 50}, {1, 5, 57});
    Pick(Control<QComboBox>(*form, "ComboDificultad"), 2);
    Pick(Control<QComboBox>(*form, "ComboJugadores"), 0);  // "Ordenador" (Difícil); White to move, so it waits
    const QString notes = QStringLiteral("Apertura italiana; ¡buena partida!\nsegunda línea ♞");
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(notes);
    const QString position = QString::fromStdString(Board(*form)->Position());
    const QStringList entries = Lines(Control<QListWidget>(*form, "ListBoxRepe")),
                      hidden = Lines(Control<QListWidget>(*form, "ListBox1"));
    const QString clocks = Clocks();
    SaveAs(File("partida.pgn"));

    const QByteArray text = ReadAll(File("partida.pgn"));
    EXPECT_TRUE(text.startsWith("[Event \"Partida de Tablerix\"]\n[Site \"?\"]\n"));
    EXPECT_TRUE(text.contains("[Black \"Ordenador (Difícil)\"]"));
    EXPECT_TRUE(text.contains("[WhiteClock \"0:03:07\"]"));
    EXPECT_TRUE(text.contains("6. Bxf7+ Ke7 *"));
    EXPECT_FALSE(text.contains('\r'));

    // Something else in the window, then the file back.
    form->BNuevaParClick();
    Pick(Control<QComboBox>(*form, "ComboJugadores"), 1);
    Play({{S::D2, S::D4}});
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("otra"));
    MessageCloser closer;
    Load(File("partida.pgn"));
    EXPECT_EQ(closer.texts, QStringList{kContinue});
    EXPECT_EQ(QString::fromStdString(Board(*form)->Position()), position);
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), hidden);
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBoxRepe")), entries);  // the check annotated as in play
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), notes);
    EXPECT_EQ(Clocks(), clocks);
    EXPECT_EQ(form->Clocks().BlackClock, (GameClocks::Counter{1, 2, 50}));
    EXPECT_EQ(Control<QComboBox>(*form, "ComboJugadores")->currentIndex(), 0);
    EXPECT_EQ(Control<QComboBox>(*form, "ComboDificultad")->currentIndex(), 2);
    EXPECT_EQ(Board(*form)->SearchDepth(), 5);
    EXPECT_TRUE(Board(*form)->ComputerPlaysBlack());
    EXPECT_EQ(Control<ElidedLabel>(*form, "LPartida")->text(), File("partida.pgn"));
    EXPECT_TRUE(form->ClocksRunning());
    EXPECT_TRUE(Control<QListWidget>(*form, "ListBoxRepe")->isVisibleTo(form.get()) &&
                Control<QToolButton>(*form, "BSalvar")->isEnabled());
}

TEST_F(PgnWindowTest, MateLoadsWithItsAnnotationAndTheClocksStopped) {
    StartTwoPlayers();
    {
        MessageCloser mate;
        Play(kLegal);
    }
    SaveAs(File("mate.pgn"));
    EXPECT_TRUE(ReadAll(File("mate.pgn")).contains("7. Nd5# 1-0"));
    form->BNuevaParClick();
    MessageCloser closer;
    Load(File("mate.pgn"));
    EXPECT_EQ(closer.texts, (QStringList{"      ***   Jaque Mate   ***", kContinue}));
    EXPECT_TRUE(Control<QListWidget>(*form, "ListBoxRepe")->item(12)->text().endsWith(QStringLiteral("   Jaque Mate")));
    EXPECT_EQ(Control<TBlinkLabel>(*form, "BLJaque")->text(), QStringLiteral("Jaque Mate"));
    EXPECT_FALSE(form->ClocksRunning());
}

TEST_F(PgnWindowTest, SavesTheMovesUpToTheShownPositionInTheChosenFormat) {
    StartTwoPlayers();
    Play({kLegal.begin(), kLegal.begin() + 6});
    form->ButtonBackClick();
    form->ButtonBackClick();
    // The PGN filter chosen and a bare name typed: still PGN.
    FileDialog(*form, "Save")->selectNameFilter(FileDialog(*form, "Save")->nameFilters().value(1));
    SaveAs(File("sin_extension"));
    const QByteArray text = ReadAll(File("sin_extension"));
    EXPECT_TRUE(text.contains("1. e4 e5 2. Nf3 d6 *")) << text.toStdString();
    EXPECT_FALSE(text.contains("Bc4"));
    // The ".Chess" name wins over the filter and writes the old format.
    SaveAs(File("vieja.Chess"));
    EXPECT_TRUE(ReadAll(File("vieja.Chess")).startsWith("1. E2-E4\r\n"));

    // Both dialogs offer the two filters, the PGN one second.
    for (const QFileDialog* d : {FileDialog(*form, "Save"), FileDialog(*form, "Open")}) {
        ASSERT_EQ(d->nameFilters().size(), 2);
        EXPECT_TRUE(d->nameFilters()[0].contains(QStringLiteral("*.Chess")));
        // The dialog folds the name's double blank; the text given is the exact one.
        EXPECT_EQ(d->nameFilters()[1], GameFileKind::kPgnFilter.simplified());
        EXPECT_EQ(GameFileKind::kPgnFilter, QStringLiteral("Partidas PGN  ( .pgn ) (*.pgn)"));
    }
    // A loaded PGN file is proposed for the next save, with its filter.
    MessageCloser closer;
    Load(File("sin_extension.pgn"));  // missing: refused, but remembered
    dialogs->answers << QString();
    form->BSalvarClick();
    EXPECT_TRUE(GameFileKind::IsPgn(QString(), FileDialog(*form, "Save")->selectedNameFilter()));
    EXPECT_EQ(FileDialog(*form, "Save")->defaultSuffix(), QStringLiteral("pgn"));
}

TEST_F(PgnWindowTest, FailedPgnSaveSaysSoAndKeepsTheOldFile) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    SaveAs(File("buena.pgn"));
    const QByteArray before = ReadAll(File("buena.pgn"));
    ASSERT_FALSE(before.isEmpty());
    Play({{S::E7, S::E5}});
    MessageCloser closer;
    SaveAs(File("no/hay/carpeta.pgn"));
    ASSERT_TRUE(QDir().mkpath(File("carpeta.pgn")));  // a folder where the file should go
    SaveAs(File("carpeta.pgn"));
    EXPECT_EQ(closer.texts, (QStringList{GameFileCommands::kSaveFailed, GameFileCommands::kSaveFailed}));
    EXPECT_EQ(closer.titles, (QStringList{"Tablerix  Error", "Tablerix  Error"}));
    EXPECT_EQ(ReadAll(File("buena.pgn")), before);
}

TEST_F(PgnWindowTest, RefusedImportsLeaveTheGameUntouched) {
    StartTwoPlayers();
    Play({kLegal.begin(), kLegal.begin() + 11});
    SetClocks({0, 3, 7}, {0, 2, 50}, {0, 5, 57});
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("Notas ♞"));
    form->ButtonBackClick();
    Control<ElidedLabel>(*form, "LPartida")->setText(QStringLiteral("anterior.pgn"));
    QByteArray tooLong = "[Event \"x\"]\n\n{";
    tooLong += QByteArray(static_cast<qsizetype>(PgnReader::kMaxGameBytes), 'n') + "} 1. e4 *\n";
    struct Case {
        QString Name;
        QByteArray Bytes;
        QString Message;
    };
    const std::vector<Case> cases = {
        {"missing", {}, GameFileCommands::kNotFound},
        {"folder", {}, GameFileCommands::kReadFailed},
        {"empty", {}, "No hay ninguna partida en el fichero"},
        {"fen", "[FEN \"8/8/8/8/8/8/8/K6k w - - 0 1\"]\n\n1. Kb1 *\n", "La partida no empieza en la posición inicial"},
        {"unreadable_move", "1. e4 e5 2. Nf3 Zz9 *\n", "Error en la jugada 2: Zz9"},
        {"illegal_move", "1. e4 e5 2. Ke3 *\n", "Error en la jugada 2: Ke3"},
        {"too_long", tooLong, "La primera partida del fichero ocupa más de 1 MiB"},
        {"number", "42", "No hay ninguna partida en el fichero"},
        {"question", "?", "No hay ninguna partida en el fichero"},
        {"bracket", "[1]", "No hay ninguna partida en el fichero"},
        {"nul", QByteArray(1, '\0'), "El fichero no es texto"},
        {"nuls", QByteArray(64 * 1024, '\0'), "El fichero no es texto"},
        {"utf16",
         QByteArray("\xFF\xFE"
                    "1\0.\0 \0e\0"
                    "4\0",
                    12),
         "El fichero no es texto"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name.toStdString());
        const QString path = File(c.Name + QStringLiteral(".pgn"));
        if (c.Name == u"folder") ASSERT_TRUE(QDir().mkpath(path));
        else if (c.Name != u"missing") WriteAll(path, c.Bytes);
        const WindowSnapshot before = SnapshotOf(*form);
        MessageCloser closer;
        Load(path, true);
        EXPECT_EQ(closer.texts, QStringList{c.Message});
        EXPECT_EQ(closer.titles, QStringList{"Tablerix  Error"});
        ExpectSameWindow(before, SnapshotOf(*form));
    }
}

TEST_F(PgnWindowTest, ToleratedFileLoadsItsFirstGameOnly) {
    WriteAll(File("base.pgn"),
             "\xEF\xBB\xBF[Event \"Club\"]\r\n[Black \"Kasparov\"]\r\n[WhiteClock \"0:01:02\"]\r\n\r\n"
             "{Notas del\r\nfichero} 1. e4 $1 e5!? (1... c5 2. Nf3 (2. c3)) 2. Cf3 {ataque} Nc6 3. Ab5 a6 "
             "4. Axc6 dxc6 5. 0-0 f6 6. d2d4 ; comentario\r\n exd4 1/2-1/2\r\n\r\n"
             "[Event \"Segunda\"]\r\n\r\n1. d4 d5 *\r\n");
    Pick(Control<QComboBox>(*form, "ComboPiezas"), 2);  // the look is not in PGN: it stays
    MessageCloser closer;
    Load(File("base.pgn"));
    EXPECT_EQ(closer.texts, QStringList{kContinue});
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 12);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->item(8)->text(), QStringLiteral("5. E1-G1"));
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), QStringLiteral("Notas del\nfichero"));
    EXPECT_EQ(Clocks(), QStringLiteral("00 01 02 00 00 00 00 00 00"));
    EXPECT_EQ(Control<QComboBox>(*form, "ComboJugadores")->currentIndex(),
              1);  // a name Tablerix does not write: "Jugador"
    EXPECT_EQ(Control<QComboBox>(*form, "ComboPiezas")->currentIndex(), 2);
    EXPECT_EQ(Control<QLabel>(*form, "PJugadasCarga")->text(), QStringLiteral("exd4"));  // the last move it named
}

TEST_F(PgnWindowTest, ClipboardCopiesAndLoadsGames) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    QClipboard* clipboard = QApplication::clipboard();
    // An empty clipboard, or text that holds no game: a notice, nothing changes.
    for (const QString& junk :
         {QString(), QStringLiteral("42"), QStringLiteral("555 1234"), QStringLiteral("?"), QStringLiteral("!!"),
          QStringLiteral("..."), QStringLiteral("-"), QStringLiteral(":-)"), QStringLiteral("[1]"), QString(u'\0')}) {
        if (junk.isNull()) clipboard->clear();
        else clipboard->setText(junk);
        const WindowSnapshot before = SnapshotOf(*form);
        MessageCloser closer;
        PgnCommands(*form).PasteGame();
        EXPECT_EQ(closer.texts, QStringList{PgnCommands::kNoGameInClipboard}) << junk.toStdString();
        EXPECT_EQ(closer.titles, QStringList{"Tablerix  Aviso"});
        ExpectSameWindow(before, SnapshotOf(*form));
    }
    PgnCommands(*form).CopyFen();
    EXPECT_EQ(clipboard->text(), QStringLiteral("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"));
    PgnCommands(*form).CopyGame();
    EXPECT_EQ(clipboard->text().toUtf8(), PgnCommands(*form).ExportText().value());

    clipboard->setText(QString::fromUtf8(PgnOf(RandomGame(40), "del portapapeles")));
    Control<ElidedLabel>(*form, "LPartida")->setText(QStringLiteral("anterior.pgn"));
    int animated = 0;
    TMoveEvent original = Board(*form)->OnLegalMove;
    Board(*form)->OnLegalMove = [&](ChessBrdCore& b, S a, S c) {
        animated += static_cast<TChessBrd&>(b).AnimateMoves();
        original(b, a, c);
    };
    MessageCloser closer;
    PgnCommands(*form).PasteGame();
    Board(*form)->OnLegalMove = original;
    EXPECT_EQ(closer.texts.value(0), kContinue);
    EXPECT_EQ(animated, 0);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 40);
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), QStringLiteral("del portapapeles"));
    EXPECT_TRUE(Control<ElidedLabel>(*form, "LPartida")->text().isEmpty());  // no file behind this game
    EXPECT_TRUE(form->AnimateLoad());
}

TEST_F(PgnWindowTest, EscapeHurriesAnAnimatedLoad) {
    const std::vector<HalfMove> moves = RandomGame(80);
    WriteAll(File("larga.pgn"), PgnOf(moves));
    int animated = 0, replayed = 0;
    TMoveEvent original = Board(*form)->OnLegalMove;
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Board(*form)->OnLegalMove = [&](ChessBrdCore& b, S a, S c) {
        animated += static_cast<TChessBrd&>(b).AnimateMoves();
        // Pressed as soon as the replay lets input in, after its first move.
        if (++replayed == 1) QTimer::singleShot(0, form.get(), [&] { QTest::keyClick(form.get(), Qt::Key_Escape); });
        original(b, a, c);
    };
    MessageCloser closer;
    Load(File("larga.pgn"), true);
    Board(*form)->OnLegalMove = original;
    EXPECT_EQ(replayed, 80);
    EXPECT_GE(animated, 1);
    EXPECT_LE(animated, 2);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 80);
    EXPECT_FALSE(form->LoadHurried());
    EXPECT_TRUE(Board(*form)->AnimateMoves());  // the next load animates again
}

// Figures for the record: a 300-half-move game saved and loaded as PGN
// through the window, and a 5 MB database of 2,000 games opened by path.
TEST_F(PgnWindowTest, LongGameAndLargeDatabaseTimes) {
    StartTwoPlayers();
    const QByteArray game = PgnOf(RandomGame(300), "trescientas");
    WriteAll(File("g300.pgn"), game);
    QByteArray database;
    while (database.size() < 5'000'000 || database.size() < 2000 * game.size()) database += game + "\n";
    WriteAll(File("base5mb.pgn"), database);

    QElapsedTimer clock;
    MessageCloser closer;
    form->SetAnimateLoad(false);
    clock.start();
    GameFileCommands(*form).LoadPath(File("g300.pgn"));
    const qint64 load = clock.elapsed();
    ASSERT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 300);
    clock.restart();
    SaveAs(File("otra300.pgn"));
    const qint64 save = clock.elapsed();
    clock.restart();
    form->SetAnimateLoad(false);
    GameFileCommands(*form).LoadPath(File("base5mb.pgn"));
    const qint64 base = clock.elapsed();
    ASSERT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 300);
    EXPECT_EQ(closer.texts, (QStringList{kContinue, kContinue}));
    std::cout << "[ figures  ] PGN load 300 half-moves " << load << " ms, save " << save << " ms, 5 MB database ("
              << database.size() << " bytes) " << base << " ms\n";
    // Generous: only a runaway (reading the whole database) fails this.
    EXPECT_LT(base, 60000);
}

}  // namespace
}  // namespace tablerix
