// Saving and loading games through the main window, printing its sheet, the
// appearance lists and the about window, driven headless. Dialogs answer
// through a scripted FormDialogs; message boxes are closed by the test.
#include "AppearanceChoices.h"
#include "Blinklbl.h"
#include "CommandHost.h"
#include "FormDialogs.h"
#include "GameFile.h"
#include "GameFileCommands.h"
#include "GameSheet.h"
#include "TFormAcercaDe.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "FileSizeLimit.h"
#include "FormControls.h"
#include "GameFileWindowFixture.h"
#include "MessageCloser.h"

#include <csignal>
#include <functional>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include <sys/resource.h>

namespace tablerix {
namespace {

// Acts on the next modal dialog once it is up. Polled rather than timed, so
// that neither the machine's speed nor events handled before the dialog
// opens can make it look too early.
class OnModalDialog {
public:
    explicit OnModalDialog(std::function<void(QDialog&)> act) {
        QObject::connect(&poll_, &QTimer::timeout, [this, act = std::move(act)] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            poll_.stop();
            act(*dialog);
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
};

TEST_F(GameFileWindowTest, SaveAndLoadBringBackTheWholeGame) {
    StartTwoPlayers();
    {
        MessageCloser closer;
        Play(kLegal);
        EXPECT_EQ(closer.texts, QStringList{"      ***   Jaque Mate   ***"});
    }
    SetClocks({0, 1, 5}, {0, 0, 47}, {0, 1, 52});
    Control<QComboBox>(*form, "ComboDificultad")->setCurrentIndex(2);
    Control<QComboBox>(*form, "ComboPiezas")->setCurrentIndex(2);
    form->ComboPiezasChange();
    Control<QComboBox>(*form, "ComboOscuro")->setCurrentIndex(2);
    form->ComboOscuroChange();
    Control<QComboBox>(*form, "ComboClaro")->setCurrentIndex(1);
    form->ComboClaroChange();
    Control<QComboBox>(*form, "ComboBorde")->setCurrentIndex(1);
    form->ComboBordeChange();
    const QString notes = QStringLiteral("Mate de Legal, ¡qué rápido!\n\tÁrbitro: Łukasz ♞ 𝄞\núltima línea");
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(notes);
    Shot(QStringLiteral("before_save"));

    const QStringList hidden = Lines(Control<QListWidget>(*form, "ListBox1"));
    const QStringList visible = Lines(Control<QListWidget>(*form, "ListBoxRepe"));
    ASSERT_EQ(hidden.size(), 13);
    EXPECT_TRUE(visible[10].endsWith(QStringLiteral("   Jaque")));
    EXPECT_TRUE(visible[12].endsWith(QStringLiteral("   Jaque Mate")));
    const std::string position = Board(*form)->Position();
    const QString clocks = Clocks();
    const std::array<int, 6> choices = Choices();
    EXPECT_EQ(choices, (std::array<int, 6>{1, 2, 2, 2, 1, 1}));

    const QString path = File("legal.Chess");
    dialogs->answers << path;
    form->BSalvarClick();
    EXPECT_EQ(dialogs->seen.value(0), QStringLiteral("Tablerix ( Salvar Partida )."));
    EXPECT_FALSE(form->ClocksRunning());
    const QByteArray bytes = ReadAll(path);
    EXPECT_TRUE(bytes.startsWith("1. E2-E4\r\n              E7-E5\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nTiempos...\r\n000105000047000152122211\r\nJugadas Jaque...\r\n"));
    EXPECT_TRUE(bytes.contains(notes.toUtf8().replace("\n", "\r\n")));  // UTF-8: some notes are not Windows-1252

    // Something else on the board and in the lists, then the file back.
    form->BNuevaParClick();
    Control<QComboBox>(*form, "ComboPiezas")->setCurrentIndex(0);
    form->ComboPiezasChange();
    Control<QComboBox>(*form, "ComboBorde")->setCurrentIndex(0);
    form->ComboBordeChange();
    Control<QComboBox>(*form, "ComboOscuro")->setCurrentIndex(0);
    form->ComboOscuroChange();
    Play({{S::D2, S::D4}});

    // The computer's colours stay off and the board does not slide while replaying.
    int replayed = 0;
    bool animatedDuringReplay = false;
    QStringList captions;
    TMoveEvent original = Board(*form)->OnLegalMove;
    Board(*form)->OnLegalMove = [&](ChessBrdCore& b, S a, S c) {
        ++replayed;
        const auto& board = static_cast<TChessBrd&>(b);  // the sender is the board
        animatedDuringReplay |= board.AnimateMoves();
        EXPECT_FALSE(board.ComputerPlaysBlack() || board.ComputerPlaysWhite());
        captions << Control<QLabel>(*form, "PJugadasCarga")->text();
        original(b, a, c);
    };
    MessageCloser closer;
    Load(path);
    Board(*form)->OnLegalMove = original;

    EXPECT_EQ(replayed, 13);
    EXPECT_EQ(captions.value(0), QStringLiteral("E2 - E4"));
    EXPECT_EQ(captions.value(12), QStringLiteral("C3 - D5"));
    EXPECT_FALSE(animatedDuringReplay);
    EXPECT_EQ(closer.texts, (QStringList{"      ***   Jaque Mate   ***", "        Continuar Partida"}));
    EXPECT_EQ(closer.titles, (QStringList{"Tablerix  Aviso", "Tablerix  Aviso"}));
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), hidden);
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBoxRepe")), visible);
    EXPECT_EQ(Board(*form)->Position(), position);
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), notes);
    EXPECT_EQ(Clocks(), clocks);
    EXPECT_EQ(form->Clocks().GameClock, (GameClocks::Counter{0, 1, 52}));
    EXPECT_EQ(form->Clocks().BlackClock, (GameClocks::Counter{0, 0, 47}));
    EXPECT_EQ(Choices(), choices);
    EXPECT_EQ(Control<ElidedLabel>(*form, "LPartida")->text(), path);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 12);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 12);
    EXPECT_EQ(Control<TBlinkLabel>(*form, "BLJaque")->text(), QStringLiteral("Jaque Mate"));
    EXPECT_TRUE(Control<QFrame>(*form, "PJaque")->isVisibleTo(form.get()));
    EXPECT_FALSE(form->ClocksRunning());  // the game had ended
    EXPECT_FALSE(form->Loading());
    EXPECT_TRUE(form->AnimateLoad());
    EXPECT_TRUE(Board(*form)->AnimateMoves());
    EXPECT_EQ(Board(*form)->AnimationDelay(), 1);
    EXPECT_FALSE(Control<QLabel>(*form, "PJugadasCarga")->isVisibleTo(form.get()));
    EXPECT_TRUE(Control<QListWidget>(*form, "ListBoxRepe")->isVisibleTo(form.get()) &&
                Control<QFrame>(*form, "PTablero")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BSalvar")->isEnabled() &&
                Control<QToolButton>(*form, "BImprimir")->isEnabled() &&
                Control<QToolButton>(*form, "BNuevaPar")->isEnabled());
    EXPECT_TRUE(Control<QComboBox>(*form, "ComboPiezas")->isEnabled() &&
                Control<QToolButton>(*form, "BAcercaDe")->isEnabled());
    // The look came back with the lists: "Piezas 3", "Oscuro 3", "Claro 2", "Con Líneas".
    EXPECT_TRUE(Board(*form)->BoardLines());
    EXPECT_EQ(Board(*form)->SquareDark(), QImage(QStringLiteral(":/textures/MarronOscuro3.png")));
    EXPECT_EQ(Board(*form)->SquareLight(), QImage(QStringLiteral(":/textures/MarronClaro1.png")));
    EXPECT_EQ(Board(*form)->PieceCellSize(), 36);
    Shot(QStringLiteral("after_load"));

    // The next save proposes the loaded file.
    dialogs->answers << QString();
    form->BSalvarClick();
    EXPECT_EQ(QFileInfo(dialogs->proposed.value(2)).fileName(), QStringLiteral("legal.Chess"));
    EXPECT_TRUE(form->ClocksRunning());  // a cancelled save lets the clocks run again
}

// What the commands ask of the window: the game as a save and a print see
// it, the dialogs' answers, and a message shown with everything halted.
TEST_F(GameFileWindowTest, TheWindowAnswersTheCommandsFromItsControls) {
    StartTwoPlayers();
    {
        MessageCloser closer;
        Play({kLegal.begin(), kLegal.begin() + 11});  // ends with a check
    }
    SetClocks({0, 3, 7}, {0, 2, 50}, {0, 5, 57});
    Pick(Control<QComboBox>(*form, "ComboOscuro"), 2);
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("notas"));

    const GameRecordText record = form->CollectGame();
    EXPECT_EQ(record.MoveLines, Lines(Control<QListWidget>(*form, "ListBox1")));
    EXPECT_EQ(record.Entries, Lines(Control<QListWidget>(*form, "ListBoxRepe")));
    EXPECT_TRUE(record.Entries.value(10).endsWith(QStringLiteral("   Jaque")));
    EXPECT_EQ(QStringList(record.ClockTexts.begin(), record.ClockTexts.end()), ClockLabelTexts(*form));
    EXPECT_EQ(record.Choices, ChoiceIndexes(*form));
    EXPECT_EQ(record.Notes, QStringLiteral("notas"));
    const GameSheetData sheet = form->SheetData();
    EXPECT_EQ(sheet.Entries, record.Entries);
    EXPECT_EQ(sheet.WhiteClock, QStringLiteral("00:03:07"));
    EXPECT_EQ(sheet.BlackPlayer, QStringLiteral("Jugador"));

    // The save dialog proposes the file last opened; the name decides PGN.
    form->RememberOpenedFile(File("abierta.Chess"));
    dialogs->answers << File("partida.pgn") << File("partida.Chess");
    const TForm1::ChosenFile pgn = form->ChooseSaveFile();
    EXPECT_EQ(dialogs->proposed.value(0), File("abierta.Chess"));
    EXPECT_EQ(pgn.Path, File("partida.pgn"));
    EXPECT_TRUE(pgn.Pgn);
    EXPECT_FALSE(form->ChooseOpenFile().Pgn);
    const TForm1::ChosenFile cancelled = form->ChooseOpenFile();
    EXPECT_TRUE(cancelled.Path.isEmpty());
    EXPECT_FALSE(cancelled.Pgn);

    // Clocks and engine halted only while the message is up, then as before.
    for (const bool running : {true, false}) {
        form->SetClocksRunning(running);
        bool haltedInside = false;
        form->HaltWhile([&] { haltedInside = !form->ClocksRunning(); });
        EXPECT_TRUE(haltedInside);
        EXPECT_EQ(form->ClocksRunning(), running);
    }
    form->HurryLoad();  // Escape outside a load
    EXPECT_FALSE(form->LoadHurried());
}

// The window as the commands see it: only through CommandHost.
TEST_F(GameFileWindowTest, TheWindowServesTheCommandsAsTheirHost) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    CommandHost& host = *form;
    EXPECT_EQ(&host.Board(), Board(*form));
    EXPECT_EQ(host.Board().Position(), Board(*form)->Position());

    host.RememberOpenedFile(File("abierta.Chess"));
    EXPECT_EQ(form->Dialogs().OpenedFile, File("abierta.Chess"));

    {
        MessageCloser closer;
        host.ShowMessage(CommandHost::Message::Aviso, QStringLiteral("  aviso"));
        host.ShowMessage(CommandHost::Message::Error, QStringLiteral("  error"));
        EXPECT_EQ(closer.texts, (QStringList{"  aviso", "  error"}));
        EXPECT_EQ(closer.titles, (QStringList{"Tablerix  Aviso", "Tablerix  Error"}));
    }

    // The printer setup is the window's dialogs' own.
    QPrinter printer;
    EXPECT_FALSE(host.SetUpPrinter(printer));
    dialogs->pdf = File("hoja.pdf");
    EXPECT_TRUE(host.SetUpPrinter(printer));
    EXPECT_EQ(printer.outputFileName(), File("hoja.pdf"));

    host.SetClocksRunning(false);
    EXPECT_FALSE(form->ClocksRunning());
    host.SetAnimateLoad(false);
    EXPECT_FALSE(form->AnimateLoad());
    host.FinishLoad();
    EXPECT_TRUE(form->AnimateLoad());
    EXPECT_TRUE(form->ClocksRunning());
}

TEST_F(GameFileWindowTest, DialogsHaveTheirTitlesFilterAndFolder) {
    form->FormActivate();
    MessageCloser closer;
    dialogs->answers << QString();
    form->BCargarConClick();
    ASSERT_NE(dialogs->lastDialog, nullptr);
    const QFileDialog& open = *dialogs->lastDialog;
    EXPECT_EQ(open.windowTitle(), QStringLiteral("Tablerix ( Cargar Partida )."));
    EXPECT_TRUE(open.nameFilters().value(0).contains(QStringLiteral("*.Chess")));
    EXPECT_EQ(open.defaultSuffix(), QStringLiteral("Chess"));
    EXPECT_EQ(open.directory().absolutePath(), QDir(FormDialogs::StartFolder()).absolutePath());
    EXPECT_TRUE(closer.texts.isEmpty());  // a cancelled load only runs the final steps
    EXPECT_TRUE(form->ClocksRunning());
    EXPECT_TRUE(Board(*form)->ComputerPlaysBlack());  // "Ordenador" applied again

    StartTwoPlayers();
    dialogs->answers << QString();
    form->BSalvarClick();
    const QFileDialog& save = *dialogs->lastDialog;
    EXPECT_EQ(save.windowTitle(), QStringLiteral("Tablerix ( Salvar Partida )."));
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(save.defaultSuffix(), QStringLiteral("Chess"));
}

// Points HOME and the XDG configuration at a scratch folder while it lives.
class ScratchHome {
public:
    ScratchHome() {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) saved_.emplace_back(name, qEnvironmentVariable(name));
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());
    }
    ~ScratchHome() {
        for (const auto& [name, value] : saved_) {
            if (value.isNull()) qunsetenv(name);
            else qputenv(name, value.toLocal8Bit());
        }
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;
    QTemporaryDir home;

private:
    std::vector<std::pair<const char*, QString>> saved_;
};

TEST_F(GameFileWindowTest, DialogsStartInTheDocumentsFolderThenInTheLastOneUsed) {
    ScratchHome scratch;
    const QDir home(scratch.home.path());
    EXPECT_EQ(FormDialogs::StartFolder(), home.path());  // no documents folder yet
    ASSERT_TRUE(home.mkpath(QStringLiteral("Documents")));
    EXPECT_EQ(FormDialogs::StartFolder(), home.filePath(QStringLiteral("Documents")));
    // The desktop's own name for it wins.
    ASSERT_TRUE(home.mkpath(QStringLiteral(".config")) && home.mkpath(QStringLiteral("Papeles")));
    WriteAll(home.filePath(QStringLiteral(".config/user-dirs.dirs")), "XDG_DOCUMENTS_DIR=\"$HOME/Papeles\"\n");
    const QString papers = home.filePath(QStringLiteral("Papeles"));
    EXPECT_EQ(FormDialogs::StartFolder(), papers);

    TForm1 fresh;
    EXPECT_EQ(FileDialog(fresh, "Open")->directory().absolutePath(), papers);
    EXPECT_EQ(FileDialog(fresh, "Save")->directory().absolutePath(), papers);
    // A game chosen elsewhere in one dialog: both follow it, also after the
    // window is activated again.
    ASSERT_TRUE(home.mkpath(QStringLiteral("torneo")));
    const QString elsewhere = home.filePath(QStringLiteral("torneo"));
    emit FileDialog(fresh, "Save")->fileSelected(elsewhere + QStringLiteral("/ronda1.Chess"));
    fresh.FormActivate();
    EXPECT_EQ(FileDialog(fresh, "Open")->directory().absolutePath(), elsewhere);
    EXPECT_EQ(FileDialog(fresh, "Save")->directory().absolutePath(), elsewhere);
    // A name in a folder that is gone leaves the last good one.
    emit FileDialog(fresh, "Open")->fileSelected(home.filePath(QStringLiteral("borrada/x.Chess")));
    EXPECT_EQ(FileDialog(fresh, "Open")->directory().absolutePath(), elsewhere);
}

TEST_F(GameFileWindowTest, TheRealFileDialogsSaveAndLoad) {
    form->SetDialogs(std::make_unique<FormDialogs>());
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    const QString path = File("real.Chess");
    // Answers the next file dialog as soon as it is up.
    QTimer poll;
    QString answer;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || answer.isEmpty()) return;
        // Typed into the name field, as a user would.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            ADD_FAILURE() << "no name field";
            dialog->reject();
            return;
        }
        name->setText(std::exchange(answer, QString()));
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
    });
    poll.start(10);
    const auto answerWith = [&](const QString& name) { answer = name; };
    answerWith(path);
    form->BSalvarClick();
    ASSERT_TRUE(QFile::exists(path));
    // The next dialog starts where the game went.
    EXPECT_EQ(FileDialog(*form, "Open")->directory().absolutePath(), QDir(dir.path()).absolutePath());
    form->BNuevaParClick();
    answerWith(path);
    MessageCloser closer;
    form->BCargarConClick();
    EXPECT_EQ(closer.texts, QStringList{"        Continuar Partida"});
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), QStringList{"1. E2-E4"});
    EXPECT_EQ(Control<ElidedLabel>(*form, "LPartida")->text(), path);
}

// The save dialog proposes the game's own file, the one it was saved to or
// loaded from, and nothing for a game without one: after "Nueva Partida" or a
// game pasted from the clipboard its name field is blank, whatever the
// dialog held before. The real dialogs, a name typed as a user types it.
TEST_F(GameFileWindowTest, TheSaveDialogProposesOnlyTheGamesOwnFile) {
    form->SetDialogs(std::make_unique<FormDialogs>());
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    QTimer poll;
    QString answer;         // typed into the next dialog and accepted; none: cancelled
    QStringList proposals;  // each save dialog's name field as it came up
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            ADD_FAILURE() << "no name field";
            dialog->reject();
            return;
        }
        if (dialog->objectName() == QLatin1String("Save")) proposals << name->text();
        if (answer.isEmpty()) {
            dialog->reject();
            return;
        }
        name->setText(std::exchange(answer, QString()));
        static_cast<QDialog*>(dialog)->accept();
    });
    poll.start(10);
    const QString first = File("primera.Chess");

    answer = first;
    form->BSalvarClick();  // a new game: nothing proposed
    ASSERT_TRUE(QFile::exists(first));
    form->BSalvarClick();  // saved: its file is proposed
    form->BNuevaParClick();
    form->BSalvarClick();  // a new game again: nothing
    EXPECT_EQ(proposals.join(u'|').toStdString(), "|primera.Chess|");

    proposals.clear();
    {
        MessageCloser closer;
        answer = first;
        form->BCargarSinClick();
        EXPECT_EQ(closer.texts, QStringList{GameFileCommands::kContinue});
    }
    form->BSalvarClick();  // loaded: its file is proposed
    form->BNuevaParClick();
    form->BSalvarClick();
    {
        MessageCloser closer;
        answer = first;
        form->BCargarSinClick();
        QApplication::clipboard()->setText(QStringLiteral("1. d4 d5 *"));
        form->findChild<QAction*>(QStringLiteral("AccionPegar"))->trigger();
        EXPECT_EQ(closer.texts, (QStringList{GameFileCommands::kContinue, GameFileCommands::kContinue}));
    }
    form->BSalvarClick();  // pasted: no file behind it
    EXPECT_EQ(proposals.join(u'|').toStdString(), "primera.Chess||");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"primera.Chess"});
}

TEST_F(GameFileWindowTest, Windows1252FileWithLowerCaseSquaresAndLfLineEnds) {
    QByteArray bytes =
        "1. e2-e4\n              e7-e5\n2. g1-f3\nTiempos...\n000003000002000005101000\n"
        "Jugadas Jaque...\n1. E2-E4\n              E7-E5\n2. G1-F3\nNotas...\n"
        "Peón, alfil y caballo: \xA1"
        "buena apertura!\n\x80 5";
    bytes.replace("ó", "\xF3");
    WriteAll(File("latin.Chess"), bytes);
    MessageCloser closer;
    Load(File("latin.Chess"));
    EXPECT_EQ(closer.texts, QStringList{"        Continuar Partida"});
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")),
              (QStringList{"1. E2-E4", QString(14, u' ') + "E7-E5", "2. G1-F3"}));
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(),
              QStringLiteral("Peón, alfil y caballo: ¡buena apertura!\n€ 5"));
    EXPECT_EQ(Choices(), (std::array<int, 6>{1, 0, 1, 0, 0, 0}));
    EXPECT_TRUE(form->ClocksRunning());
    EXPECT_FALSE(Board(*form)->ComputerPlaysBlack());
}

// A random game without an ending, long enough for three-digit move numbers.
std::vector<std::string> LongGame(std::string& position) {
    for (unsigned seed = 1;; ++seed) {
        ChessBrdCore core;
        bool ended = false;
        core.OnMate = [&](ChessBrdCore&, S, S) { ended = true; };
        core.OnDraw = [&](ChessBrdCore&) { ended = true; };
        std::mt19937 rng(seed);
        while (!ended && core.LastMove() <= 105) {
            std::vector<std::pair<int, int>> legal;
            for (int a = 1; a <= 64; ++a)
                for (int b = 1; b <= 64; ++b)
                    if (core.IsLegalMove(ToSquare(a), ToSquare(b))) legal.emplace_back(a, b);
            if (legal.empty()) break;
            const auto [a, b] = legal[rng() % legal.size()];
            core.MakeMove(ToSquare(a), ToSquare(b));
        }
        if (ended || core.LastMove() <= 105) continue;
        std::vector<std::string> lines;
        core.GetMoveList(lines);
        position = core.Position();
        return lines;
    }
}

TEST_F(GameFileWindowTest, MoveNumbersOfTwoAndThreeDigits) {
    std::string position;
    const std::vector<std::string> lines = LongGame(position);
    ASSERT_GT(lines.size(), 200u);
    GameRecordText g;
    for (const auto& l : lines) g.MoveLines << QString::fromStdString(l);
    EXPECT_TRUE(g.MoveLines[18].startsWith(QStringLiteral("10. ")));
    EXPECT_TRUE(g.MoveLines[198].startsWith(QStringLiteral("100. ")));
    g.ClockTexts = {"00", "00", "00", "00", "00", "00", "00", "00", "00"};
    g.Choices = {1, 0, 0, 0, 0, 0};
    g.Entries = g.MoveLines;
    ASSERT_TRUE(GameFile::Save(File("long.Chess"), g));
    MessageCloser closer;
    Load(File("long.Chess"));
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), g.MoveLines);
    EXPECT_EQ(Board(*form)->Position(), position);
}

TEST_F(GameFileWindowTest, WithoutTimesLineClocksAndChoicesStay) {
    StartTwoPlayers();
    GameClocks counters = form->Clocks();
    counters.WhiteClock = {1, 2, 3};
    form->SetClocks(counters);
    Control<QComboBox>(*form, "ComboPiezas")->setCurrentIndex(3);
    form->ComboPiezasChange();
    const std::array<int, 6> choices = Choices();
    const QString clocks = Clocks();
    WriteAll(File("sin_tiempos.Chess"), "1. E2-E4\r\nJugadas Jaque...\r\n1. E2-E4\r\nNotas...\r\n");
    MessageCloser closer;
    Load(File("sin_tiempos.Chess"));
    EXPECT_EQ(closer.texts, QStringList{"        Continuar Partida"});
    EXPECT_EQ(Choices(), choices);
    EXPECT_EQ(Clocks(), clocks);
    EXPECT_EQ(form->Clocks().WhiteClock, (GameClocks::Counter{1, 2, 3}));
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), QStringList{"1. E2-E4"});
}

TEST_F(GameFileWindowTest, DamagedSettingsFieldsLeaveTheirControlsAlone) {
    StartTwoPlayers();
    Control<QComboBox>(*form, "ComboPiezas")->setCurrentIndex(3);
    form->ComboPiezasChange();
    // White's minutes "x5", difficulty 7 and pieces "?" are damaged; the line stops after the dark texture.
    WriteAll(File("mal.Chess"), "1. E2-E4\r\nTiempos...\r\n01x50300000000000917?2\r\nJugadas Jaque...\r\n1. E2-E4\r\n");
    MessageCloser closer;
    Load(File("mal.Chess"));
    EXPECT_EQ(Clocks(), QStringLiteral("01 00 03 00 00 00 00 00 09"));
    EXPECT_EQ(Choices(), (std::array<int, 6>{1, 0, 3, 2, 0, 0}));
}

TEST_F(GameFileWindowTest, ComputerMovesAfterTheLoadWhenItIsItsTurn) {
    WriteAll(File("ordenador.Chess"),
             "1. E2-E4\r\n              E7-E5\r\n2. G1-F3\r\nTiempos...\r\n"
             "000000000000000000000000\r\nJugadas Jaque...\r\n1. E2-E4\r\n"
             "              E7-E5\r\n2. G1-F3\r\nNotas...\r\n");
    MessageCloser closer;
    Load(File("ordenador.Chess"));
    EXPECT_TRUE(Board(*form)->ComputerPlaysBlack());
    EXPECT_EQ(Board(*form)->SearchDepth(), 3);
    // Exactly the file's moves were replayed; then the engine answers.
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Control<QListWidget>(*form, "ListBox1")->count() >= 4; }, 20000));
    ASSERT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 4);
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")).mid(0, 3),
              (QStringList{"1. E2-E4", QString(14, u' ') + "E7-E5", "2. G1-F3"}));
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->count(), 4);
    EXPECT_TRUE(Board(*form)->WhiteToMove());
}

TEST_F(GameFileWindowTest, AnimatedLoadSlidesTheMoves) {
    WriteAll(File("corta.Chess"),
             "1. E2-E4\r\n              E7-E5\r\nTiempos...\r\n000000000000000000100000\r\n"
             "Jugadas Jaque...\r\n1. E2-E4\r\n              E7-E5\r\nNotas...\r\n");
    int animated = 0;
    TMoveEvent original = Board(*form)->OnLegalMove;
    Board(*form)->OnLegalMove = [&](ChessBrdCore& b, S a, S c) {
        const auto& board = static_cast<TChessBrd&>(b);  // the sender is the board
        animated += board.AnimateMoves() && board.AnimationDelay() == 1;
        if (animated == 1) Shot(QStringLiteral("loading_panel"));
        original(b, a, c);
    };
    MessageCloser closer;
    Load(File("corta.Chess"), true);
    Board(*form)->OnLegalMove = original;
    EXPECT_EQ(animated, 2);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 2);
}

TEST_F(GameFileWindowTest, ClosingTheWindowDuringALoadEndsItQuietly) {
    StartTwoPlayers();
    GameRecordText g;
    g.MoveLines = {"1. E2-E4", QString(14, u' ') + "E7-E5", "2. G1-F3", QString(14, u' ') + "B8-C6"};
    g.Entries = g.MoveLines;
    g.Choices = {1, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GameFile::Save(File("cerrar.Chess"), g));
    int replayed = 0;
    TMoveEvent original = Board(*form)->OnLegalMove;
    Board(*form)->OnLegalMove = [&](ChessBrdCore& b, S a, S c) {
        if (++replayed == 2)
            QTest::mouseClick(Control<QPushButton>(*form, "BSalir"), Qt::LeftButton);  // "Salir" stays usable
        original(b, a, c);
    };
    MessageCloser closer;
    Load(File("cerrar.Chess"), true);
    Board(*form)->OnLegalMove = original;
    EXPECT_EQ(replayed, 2);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(closer.texts.isEmpty());  // no "Continuar Partida" for a closed window
    EXPECT_FALSE(form->Loading());
}

TEST_F(GameFileWindowTest, FailedSaveSaysSoAndKeepsTheOldFile) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    const QString path = File("buena.Chess");
    dialogs->answers << path;
    form->BSalvarClick();
    const QByteArray before = ReadAll(path);
    ASSERT_FALSE(before.isEmpty());
    MessageCloser closer;
    dialogs->answers << File("no/hay/carpeta.Chess");
    form->BSalvarClick();
    // A disk that fills up: notes that need more room than is left, yet
    // fit Qt's write buffer.
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(QString(12000, u'n'));
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Ok());
        dialogs->answers << path;
        form->BSalvarClick();
    }
    EXPECT_EQ(closer.texts, (QStringList{"Error al Salvar el Fichero", "Error al Salvar el Fichero"}));
    EXPECT_EQ(closer.titles, (QStringList{"Tablerix  Error", "Tablerix  Error"}));
    EXPECT_FALSE(form->ClocksRunning());
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"buena.Chess"});
}

TEST_F(GameFileWindowTest, PrintsTheSheetToPdf) {
    Control<QComboBox>(*form, "ComboDificultad")->setCurrentIndex(1);
    QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);  // Black: "Ordenador"
    Board(*form)->SetComputerPlaysBlack(false);                                  // keep the engine out of the way
    Play({{S::E2, S::E4}, {S::E7, S::E5}});
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("Nota impresa"));
    dialogs->pdf = File("hoja.pdf");
    form->BImprimirClick();
    EXPECT_EQ(dialogs->orientation, QPageLayout::Portrait);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {dialogs->pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    const QStringList want{"***** Partida *****", "Negras ... Ordenador", "Dificultad ... Normal", "1. E2-E4", "E7-E5",
                           "***** Tiempos *****", "Blancas ... 00:00:00", "Nota impresa"};
    qsizetype at = 0;
    for (const QString& w : want) {
        const qsizetype found = text.indexOf(w, at);
        EXPECT_GE(found, at) << w.toStdString();
        at = std::max(found, at);
    }
    // Nothing the user sees has changed.
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->count(), 2);
    EXPECT_FALSE(Control<QTextEdit>(*form, "EditorNotasImprimir")->isVisibleTo(form.get()));
}

TEST_F(GameFileWindowTest, TheRealPrintDialogPrintsToAPdfFile) {
    form->SetDialogs(std::make_unique<FormDialogs>());
    StartTwoPlayers();
    Play({{S::D2, S::D4}});
    const QString pdf = File("dialogo.pdf");
    bool offered = false;
    const OnModalDialog answer([&](QDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        if (!printers || !file || !buttons) {
            ADD_FAILURE() << "print dialog without its fields";
            dialog.reject();
            return;
        }
        for (int i = 0; i < printers->count(); ++i) {
            if (!printers->itemText(i).contains(QStringLiteral("PDF"))) continue;
            offered = true;
            printers->setCurrentIndex(i);
        }
        EXPECT_TRUE(file->text().endsWith(QStringLiteral(".pdf")));
        if (const QString d = qEnvironmentVariable("TABLERIX_SHOTS"); !d.isEmpty())
            dialog.grab().save(d + QStringLiteral("/print_dialog.png"));
        file->setText(pdf);
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    form->BImprimirClick();
    EXPECT_TRUE(offered);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_TRUE(p.readAllStandardOutput().contains("1. D2-D4"));
}

TEST_F(GameFileWindowTest, AppearanceListsHandTheirPicturesToTheBoard) {
    TChessBrd& board = *Board(*form);
    StartTwoPlayers();
    const QStringList dark{"MarronOscuro2", "MarronOscuro1", "MarronOscuro3"};
    const QStringList light{"MarronClaro2", "MarronClaro1", "MarronClaro3"};
    for (int i = 0; i < 3; ++i) {
        Control<QComboBox>(*form, "ComboOscuro")->setCurrentIndex(i);
        form->ComboOscuroChange();
        Control<QComboBox>(*form, "ComboClaro")->setCurrentIndex(i);
        form->ComboClaroChange();
        EXPECT_EQ(board.SquareDark(), QImage(":/textures/" + dark[i] + ".png")) << i;
        EXPECT_EQ(board.SquareLight(), QImage(":/textures/" + light[i] + ".png")) << i;
        for (int p = 0; p < 4; ++p) {
            Control<QComboBox>(*form, "ComboPiezas")->setCurrentIndex(p);
            form->ComboPiezasChange();
            EXPECT_EQ(board.PieceCellSize(), p == 2 ? 36 : 40) << p;
            EXPECT_EQ(board.CustomPieceSet().isNull(), p == 0) << p;
            Control<QComboBox>(*form, "ComboBorde")->setCurrentIndex((i + p) % 2);
            form->ComboBordeChange();
            EXPECT_EQ(board.BoardLines(), (i + p) % 2 == 1);
            Shot(QStringLiteral("look_o%1_c%1_p%2_l%3").arg(i + 1).arg(p + 1).arg((i + p) % 2));
        }
    }
    // No selection changes nothing.
    Control<QComboBox>(*form, "ComboOscuro")->setCurrentIndex(-1);
    form->ComboOscuroChange();
    EXPECT_EQ(board.SquareDark(), QImage(QStringLiteral(":/textures/MarronOscuro3.png")));
}

TEST_F(GameFileWindowTest, ClocksStandStillWhileTheAboutWindowIsOpen) {
    bool runningWhileOpen = true;
    QString title;
    const OnModalDialog answer([&](QDialog& dialog) {
        auto* about = qobject_cast<TFormAcercaDe*>(&dialog);
        if (!about) {
            ADD_FAILURE() << "not the about window: " << dialog.windowTitle().toStdString();
            dialog.reject();
            return;
        }
        title = about->windowTitle();
        runningWhileOpen = form->ClocksRunning();
        if (const QString d = qEnvironmentVariable("TABLERIX_SHOTS"); !d.isEmpty())
            about->grab().save(d + QStringLiteral("/about_from_window.png"));
        QTest::mouseClick(about->BOkDatos, Qt::LeftButton);
    });
    form->BAcercaDeClick();
    EXPECT_EQ(title, TFormAcercaDe::kCaption);
    EXPECT_FALSE(runningWhileOpen);
    EXPECT_TRUE(form->ClocksRunning());  // also when they were stopped before
}

}  // namespace
}  // namespace tablerix
