// The main window driven headless like a user: start screen, "Empezar",
// moves dragged with the mouse, check, mate and draw, pause, new game,
// navigation through the move lists and the clocks.
#include "Blinklbl.h"
#include "ElidedLabel.h"
#include "Mylabel.h"
#include "TNotesEdit.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "FormControls.h"
#include "MessageCloser.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tablerix {
namespace {

using S = Square;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // Black played by a human, then "Empezar": no engine in the way.
    void StartTwoPlayers() {
        Control<QTimer>(*form, "Timer1")->stop();  // the tests tick the clocks themselves
        Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(1);
        form->ComboJugadoresChange();
        QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);
    }

    static QPoint Centre(Square sq) {
        const int f = ChessBrdCore::FileOf(sq), r = ChessBrdCore::RankOf(sq);
        return {24 + (f - 1) * 40 + 20, 24 + (8 - r) * 40 + 20};
    }

    void Drag(Square from, Square to) {
        QWidget* board = Board(*form);
        QTest::mousePress(board, Qt::LeftButton, {}, Centre(from));
        QTest::mouseMove(board, Centre(from) + QPoint(8, 8));
        QTest::mouseMove(board, Centre(to));
        QTest::mouseRelease(board, Qt::LeftButton, {}, Centre(to));
    }

    // Moves entered through the board's move entry, without the slide.
    void Play(std::initializer_list<std::pair<Square, Square>> moves) {
        Board(*form)->SetAnimateMoves(false);
        for (auto [from, to] : moves) ASSERT_TRUE(Board(*form)->MakeMove(from, to));
    }

    QStringList Lines(const QListWidget* list) const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

    bool Shown(const QWidget* w) const { return w->isVisibleTo(form.get()); }

    void ClickRepe(int row) {
        QListWidget* list = Control<QListWidget>(*form, "ListBoxRepe");
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    std::unique_ptr<TForm1> form;
};

const QString kBlack = QString(14, QLatin1Char(' '));

TEST_F(MainWindowTest, StartScreen) {
    EXPECT_EQ(form->windowTitle(), " Tablerix 1.0");
    EXPECT_EQ(form->size(), QSize(TForm1::kClientWidth, TForm1::kClientHeight));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());  // not resizable
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);

    EXPECT_TRUE(Shown(Control<QFrame>(*form, "PEmpezar")));
    EXPECT_EQ(Control<QFrame>(*form, "PEmpezar")->geometry(), QRect(424, 148, 217, 113));
    EXPECT_TRUE(Shown(Board(*form)));
    EXPECT_FALSE(Control<QFrame>(*form, "PTablero")->isEnabled());  // the board takes no input
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             Control<QLabel>(*form, "LMovimientos"), Control<QListWidget>(*form, "ListBoxRepe"),
             Control<QFrame>(*form, "PRBlancas"), Control<QFrame>(*form, "PRNegras"),
             Control<QFrame>(*form, "PRPartida"), Control<QPushButton>(*form, "ButtonBack"),
             Control<QPushButton>(*form, "ButtonStop"), Control<QPushButton>(*form, "ButtonForward"),
             Control<QLabel>(*form, "LNotasPartida"), Control<TNotesEdit>(*form, "MNotas"),
             Control<QLabel>(*form, "PMueve"), Control<QFrame>(*form, "PJaque"),
             Control<QListWidget>(*form, "ListBox1"), Control<QPlainTextEdit>(*form, "Memo1"),
             Control<QComboBox>(*form, "ComboJugadorBlancas"), Control<QLabel>(*form, "PJugadasCarga")})
        EXPECT_FALSE(Shown(hidden)) << hidden->metaObject()->className() << " " << hidden->geometry().x();
    for (QWidget* shown : std::initializer_list<QWidget*>{
             Control<QComboBox>(*form, "ComboJugadores"), Control<QComboBox>(*form, "ComboDificultad"),
             Control<QLabel>(*form, "LDificultad"), Control<QComboBox>(*form, "ComboPiezas"),
             Control<QComboBox>(*form, "ComboBorde"), Control<QComboBox>(*form, "ComboOscuro"),
             Control<QComboBox>(*form, "ComboClaro"), Control<QPushButton>(*form, "BSalir"),
             Control<QStatusBar>(*form, "StatusBar1")})
        EXPECT_TRUE(Shown(shown));

    EXPECT_FALSE(Control<QToolButton>(*form, "BSalvar")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>(*form, "BImprimir")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>(*form, "BNuevaPar")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BCargarCon")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BCargarSin")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BAcercaDe")->isEnabled());

    EXPECT_EQ(Control<QComboBox>(*form, "ComboJugadores")->currentText(), "Ordenador");
    EXPECT_EQ(Control<QComboBox>(*form, "ComboDificultad")->currentText(), "Fácil");
    EXPECT_EQ(Control<QComboBox>(*form, "ComboPiezas")->currentText(), "Piezas 1");
    EXPECT_EQ(Control<QComboBox>(*form, "ComboOscuro")->currentText(), "Oscuro 1");
    EXPECT_EQ(Control<QComboBox>(*form, "ComboClaro")->currentText(), "Claro 1");
    EXPECT_EQ(Control<QComboBox>(*form, "ComboBorde")->currentText(), "Sin Líneas");
    EXPECT_EQ(Control<QComboBox>(*form, "ComboJugadorBlancas")->currentText(), "Jugador");
    // The choices are only applied by "Empezar": the board keeps its form settings.
    EXPECT_FALSE(Board(*form)->ComputerPlaysBlack());
    EXPECT_FALSE(Board(*form)->ComputerPlaysWhite());
    EXPECT_EQ(Board(*form)->SearchDepth(), 1);
    EXPECT_TRUE(Board(*form)->AnimateMoves());
    EXPECT_EQ(Board(*form)->AnimationDelay(), 1);

    EXPECT_TRUE(Control<ElidedLabel>(*form, "LPartida")->text().isEmpty());
    EXPECT_FALSE(form->ClocksRunning());
    EXPECT_FALSE(form->Loading());
    EXPECT_TRUE(form->AnimateLoad());
    EXPECT_TRUE(Control<QTimer>(*form, "Timer1")->isActive());
    EXPECT_EQ(Control<QTimer>(*form, "Timer1")->interval(), 1000);
    EXPECT_EQ(Control<QLabel>(*form, "StatusPanel0")->text(), "Tablerix 1.0  ( Velmora Software )");
    EXPECT_EQ(Control<QLabel>(*form, "StatusPanel1")->text(), "Programa de Ajedrez");
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "MTiempos")->toPlainText(), "Tiempos...");
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "MJugadasJaque")->toPlainText(), "Jugadas Jaque...");
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "MControl")->toPlainText(), "Notas...");

    // The disabled board ignores a drag.
    Drag(S::E2, S::E4);
    EXPECT_EQ(Board(*form)->Position(), kStartPosition);
}

// Every control keeps its form name, unique in the window and of its kind,
// so that tests and outside tools reach it without the window's members.
TEST_F(MainWindowTest, EveryControlIsFoundByItsFormName) {
    const auto expect = [this]<class T>(std::initializer_list<const char*> names, T* /*kind*/) {
        for (const char* name : names) {
            SCOPED_TRACE(name);
            EXPECT_NE(form->findChild<T*>(QLatin1StringView(name)), nullptr);
            EXPECT_EQ(form->findChildren<QObject*>(QLatin1StringView(name)).size(), 1);
        }
    };
    expect({"PTeclasCab", "PTablero", "PRNegras", "PRBlancas", "PRPartida", "PJaque", "PSalir", "PEmpezar"},
           static_cast<QFrame*>(nullptr));
    expect({"BSalvar", "BCargarCon", "BCargarSin", "BImprimir", "BNuevaPar", "BAcercaDe"},
           static_cast<QToolButton*>(nullptr));
    expect({"ButtonBack", "ButtonStop", "ButtonForward", "BSalir", "BAceptar"}, static_cast<QPushButton*>(nullptr));
    expect({"ComboJugadores", "ComboDificultad", "ComboPiezas", "ComboBorde", "ComboOscuro", "ComboClaro",
            "ComboJugadorBlancas"},
           static_cast<QComboBox*>(nullptr));
    expect({"LFichasNegras", "LDificultad",  "LMovimientos", "LNotasPartida", "LPiezas", "LLIneas", "LOscuro",
            "LClaro",        "LNHor",        "LNMin",        "LNSeg",         "LBHor",   "LBMin",   "LBSeg",
            "LPHor",         "LPMin",        "LPseg",        "PJugadasCarga", "PMueve",  "Label1",  "LFichasBlancas",
            "StatusPanel0",  "StatusPanel1", "StatusPanel2", "StatusPanel3"},
           static_cast<QLabel*>(nullptr));
    expect({"ListBoxRepe", "ListBox1"}, static_cast<QListWidget*>(nullptr));
    expect({"Memo1", "MTiempos", "MJugadasJaque", "MControl"}, static_cast<QPlainTextEdit*>(nullptr));
    expect({"ChessBrd1"}, static_cast<TChessBrd*>(nullptr));
    expect({"LPartida"}, static_cast<ElidedLabel*>(nullptr));
    expect({"MNotas"}, static_cast<TNotesEdit*>(nullptr));
    expect({"BLJaque"}, static_cast<TBlinkLabel*>(nullptr));
    expect({"myLabel3d2"}, static_cast<TmyLabel3d*>(nullptr));
    expect({"EditorNotasImprimir"}, static_cast<QTextEdit*>(nullptr));
    expect({"StatusBar1"}, static_cast<QStatusBar*>(nullptr));
    expect({"Timer1"}, static_cast<QTimer*>(nullptr));
    // The file dialogs come just after the first paint.
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->findChildren<QFileDialog*>().size() == 2; }));
    expect({"Save", "Open"}, static_cast<QFileDialog*>(nullptr));

    // Same-looking controls told apart by their place: the clock fields in
    // their panels, the panels in the status bar.
    const std::array<std::pair<const char*, std::array<const char*, 3>>, 3> clocks{
        {{"PRNegras", {"LNHor", "LNMin", "LNSeg"}},
         {"PRBlancas", {"LBHor", "LBMin", "LBSeg"}},
         {"PRPartida", {"LPHor", "LPMin", "LPseg"}}}};
    for (const auto& [panel, fields] : clocks) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            SCOPED_TRACE(fields[i]);
            const auto* field = Control<QLabel>(*form, fields[i]);
            EXPECT_EQ(field->parent(), Control<QFrame>(*form, panel));
            EXPECT_EQ(field->x(), 48 + 17 * static_cast<int>(i));  // hours, minutes, seconds
        }
    }
    const std::array<int, 4> lefts{0, 300, 500, 580};
    for (int i = 0; i < 4; ++i) {
        const auto* panel = Control<QLabel>(*form, QStringLiteral("StatusPanel%1").arg(i));
        EXPECT_EQ(panel->parent(), Control<QStatusBar>(*form, "StatusBar1"));
        EXPECT_EQ(panel->x(), lefts[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(Control<QTimer>(*form, "Timer1")->interval(), 1000);
    EXPECT_EQ(Control<QFileDialog>(*form, "Save")->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(Control<QFileDialog>(*form, "Open")->acceptMode(), QFileDialog::AcceptOpen);
}

TEST_F(MainWindowTest, EmpezarStartsTheGame) {
    QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);
    EXPECT_FALSE(Shown(Control<QFrame>(*form, "PEmpezar")));
    EXPECT_TRUE(Control<QFrame>(*form, "PTablero")->isEnabled());
    for (QWidget* w :
         std::initializer_list<QWidget*>{Control<QListWidget>(*form, "ListBoxRepe"),
                                         Control<QFrame>(*form, "PRBlancas"), Control<QPushButton>(*form, "ButtonBack"),
                                         Control<TNotesEdit>(*form, "MNotas"), Control<QLabel>(*form, "PMueve")})
        EXPECT_TRUE(Shown(w));
    EXPECT_TRUE(Control<QToolButton>(*form, "BSalvar")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BImprimir")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BNuevaPar")->isEnabled());
    EXPECT_TRUE(form->ClocksRunning());
    EXPECT_TRUE(Board(*form)->ComputerPlaysBlack());
    EXPECT_EQ(Board(*form)->SearchDepth(), 3);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Blancas");

    // "Jugador" hides the difficulty; "Ordenador" shows it and applies it.
    Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(1);
    form->ComboJugadoresChange();
    EXPECT_FALSE(Board(*form)->ComputerPlaysBlack());
    EXPECT_FALSE(Shown(Control<QComboBox>(*form, "ComboDificultad")));
    EXPECT_FALSE(Shown(Control<QLabel>(*form, "LDificultad")));
    Control<QComboBox>(*form, "ComboDificultad")->setCurrentIndex(2);
    Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(0);
    form->ComboJugadoresChange();
    EXPECT_TRUE(Shown(Control<QComboBox>(*form, "ComboDificultad")));
    EXPECT_EQ(Board(*form)->SearchDepth(), 5);
    Control<QComboBox>(*form, "ComboDificultad")->setCurrentIndex(1);
    form->ComboDificultadChange();
    EXPECT_EQ(Board(*form)->SearchDepth(), 4);
}

TEST_F(MainWindowTest, DraggedMovesFillBothLists) {
    StartTwoPlayers();
    Drag(S::E2, S::E4);
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), QStringList{"1. E2-E4"});
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBoxRepe")), QStringList{"1. E2-E4"});
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Negras");
    Drag(S::E7, S::E5);
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), (QStringList{"1. E2-E4", kBlack + "E7-E5"}));
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBoxRepe")), (QStringList{"1. E2-E4", kBlack + "E7-E5"}));
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 1);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 1);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Blancas");
    // An illegal drop changes nothing.
    Drag(S::E4, S::E6);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 2);
}

TEST_F(MainWindowTest, ScholarsMateDraggedWithMessage) {
    StartTwoPlayers();
    Drag(S::E2, S::E4);
    Drag(S::E7, S::E5);
    Drag(S::D1, S::H5);
    Drag(S::B8, S::C6);
    Drag(S::F1, S::C4);
    Drag(S::G8, S::F6);
    bool clocksStoppedWhileOpen = false;
    bool indicatorUp = false;
    MessageCloser closer([&] {
        clocksStoppedWhileOpen = !form->ClocksRunning();
        indicatorUp = Shown(Control<QFrame>(*form, "PJaque"));
    });
    Drag(S::H5, S::F7);
    ASSERT_EQ(closer.texts.size(), 1);
    EXPECT_EQ(closer.texts[0], "      ***   Jaque Mate   ***");
    EXPECT_EQ(closer.titles[0], "Tablerix  Aviso");
    EXPECT_EQ(closer.icons[0], QMessageBox::NoIcon);
    EXPECT_EQ(closer.buttons[0], 1);
    EXPECT_TRUE(clocksStoppedWhileOpen);
    EXPECT_TRUE(indicatorUp);
    EXPECT_FALSE(form->ClocksRunning());
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->count(), 7);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->item(6)->text(), "4. H5-F7   Jaque Mate");
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->item(6)->text(), "4. H5-F7");
    EXPECT_EQ(Control<TBlinkLabel>(*form, "BLJaque")->text(), "Jaque Mate");
    EXPECT_TRUE(Shown(Control<QFrame>(*form, "PJaque")));

    // The custom-engine handler gives up on a side without a legal move.
    Square from = S::A7, to = S::A5;
    form->ChessBrd1CalculateMove(from, to);
    EXPECT_EQ(from, S::None);
    EXPECT_EQ(to, S::None);

    // The pause message after a mate leaves the clocks running.
    QTest::mouseClick(Control<QPushButton>(*form, "ButtonStop"), Qt::LeftButton);
    ASSERT_EQ(closer.texts.size(), 2);
    EXPECT_EQ(closer.texts[1], "         Juego en Pausa");
    EXPECT_TRUE(form->ClocksRunning());
}

TEST_F(MainWindowTest, CustomEngineHandlerFindsALegalPair) {
    Square from = S::None, to = S::None;
    form->ChessBrd1CalculateMove(from, to);
    EXPECT_TRUE(Board(*form)->IsLegalMove(from, to));
    from = S::G1;  // an already legal pair is kept
    to = S::F3;
    form->ChessBrd1CalculateMove(from, to);
    EXPECT_EQ(from, S::G1);
    EXPECT_EQ(to, S::F3);
}

TEST_F(MainWindowTest, CheckIsAnnotatedAndClearedByTheNextMove) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::F7, S::F6}, {S::D1, S::H5}});
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->item(2)->text(), "2. D1-H5   Jaque");
    EXPECT_EQ(Control<TBlinkLabel>(*form, "BLJaque")->text(), "Jaque");
    EXPECT_TRUE(Shown(Control<QFrame>(*form, "PJaque")));
    EXPECT_TRUE(form->ClocksRunning());
    Play({{S::G7, S::G6}});
    EXPECT_FALSE(Shown(Control<QFrame>(*form, "PJaque")));
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->item(3)->text(), kBlack + "G7-G6");
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->item(2)->text(), "2. D1-H5   Jaque");
}

TEST_F(MainWindowTest, ThreefoldRepetitionIsADraw) {
    StartTwoPlayers();
    Play({{S::G1, S::F3},
          {S::G8, S::F6},
          {S::F3, S::G1},
          {S::F6, S::G8},
          {S::G1, S::F3},
          {S::G8, S::F6},
          {S::F3, S::G1}});
    MessageCloser closer;
    Play({{S::F6, S::G8}});
    ASSERT_EQ(closer.texts.size(), 1);
    EXPECT_EQ(closer.texts[0], "         ***   Tablas   ***");
    EXPECT_EQ(closer.titles[0], "Tablerix  Aviso");
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->item(7)->text(), kBlack + "F6-G8   Tablas");
    EXPECT_EQ(Control<TBlinkLabel>(*form, "BLJaque")->text(), "Tablas");
    EXPECT_TRUE(Shown(Control<QFrame>(*form, "PJaque")));
    EXPECT_FALSE(form->ClocksRunning());
}

TEST_F(MainWindowTest, PauseStopsTheClocksWhileItsMessageIsOpen) {
    StartTwoPlayers();
    bool runningWhileOpen = true;
    MessageCloser closer([&] { runningWhileOpen = form->ClocksRunning(); });
    QTest::mouseClick(Control<QPushButton>(*form, "ButtonStop"), Qt::LeftButton);
    ASSERT_EQ(closer.texts.size(), 1);
    EXPECT_EQ(closer.texts[0], "         Juego en Pausa");
    EXPECT_EQ(closer.titles[0], "Tablerix  Aviso");
    EXPECT_FALSE(runningWhileOpen);
    EXPECT_TRUE(form->ClocksRunning());
}

TEST_F(MainWindowTest, NewGameResetsClocksListsAndBoard) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::F7, S::F6}, {S::D1, S::H5}});
    for (int i = 0; i < 75; ++i) form->Timer1Timer();
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("notas"));
    form->SetClocksRunning(false);
    QTest::mouseClick(Control<QToolButton>(*form, "BNuevaPar"), Qt::LeftButton);
    for (const QString& text : ClockLabelTexts(*form)) EXPECT_EQ(text, "00");
    EXPECT_EQ(form->Clocks().GameClock, GameClocks::Counter{});
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->count(), 0);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 0);
    EXPECT_TRUE(Control<TNotesEdit>(*form, "MNotas")->toPlainText().isEmpty());
    EXPECT_FALSE(Shown(Control<QFrame>(*form, "PJaque")));
    EXPECT_EQ(Board(*form)->Position(), kStartPosition);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Blancas");
    EXPECT_TRUE(form->ClocksRunning());
    EXPECT_EQ(Control<QComboBox>(*form, "ComboJugadores")->currentText(), "Jugador");  // kept
    EXPECT_FALSE(Board(*form)->ComputerPlaysWhite());
}

TEST_F(MainWindowTest, BackAndForwardStepThroughTheGame) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::F7, S::F6}, {S::D1, S::H5}, {S::G7, S::G6}});
    const std::string afterCheck = Board(*form)->History(2, false).PositionString;

    Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(0);  // the computer for Black, White to move
    form->ComboJugadoresChange();
    QTest::mouseClick(Control<QPushButton>(*form, "ButtonBack"), Qt::LeftButton);
    EXPECT_EQ(Control<QComboBox>(*form, "ComboJugadores")->currentText(), "Jugador");  // navigation stops the computer
    EXPECT_FALSE(Board(*form)->ComputerPlaysBlack());
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 2);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 2);
    EXPECT_EQ(Board(*form)->Position(), afterCheck);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Negras");
    EXPECT_TRUE(Shown(Control<QFrame>(*form, "PJaque")));  // the entry carries "Jaque"
    EXPECT_EQ(Control<TBlinkLabel>(*form, "BLJaque")->text(), "Jaque");
    EXPECT_TRUE(form->ClocksRunning());  // the buttons leave the clocks alone

    QTest::mouseClick(Control<QPushButton>(*form, "ButtonBack"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(*form, "ButtonBack"), Qt::LeftButton);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 0);
    EXPECT_FALSE(Shown(Control<QFrame>(*form, "PJaque")));
    QTest::mouseClick(Control<QPushButton>(*form, "ButtonBack"),
                      Qt::LeftButton);  // no further back than White's first move
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 0);
    EXPECT_EQ(Board(*form)->History(1, false).PositionString, Board(*form)->Position());

    for (int i = 0; i < 5; ++i) QTest::mouseClick(Control<QPushButton>(*form, "ButtonForward"), Qt::LeftButton);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 3);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 3);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Blancas");
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 4);  // navigation never refills the list
}

TEST_F(MainWindowTest, ChoosingAMoveInTheListAndPlayingOnCutsTheRest) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::F7, S::F6}, {S::D1, S::H5}, {S::G7, S::G6}});
    Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(0);
    form->ComboJugadoresChange();

    ClickRepe(2);  // the checking move
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 2);
    EXPECT_EQ(Board(*form)->Position(), Board(*form)->History(2, false).PositionString);
    EXPECT_FALSE(form->ClocksRunning());
    EXPECT_EQ(Control<QComboBox>(*form, "ComboJugadores")->currentText(), "Jugador");
    EXPECT_TRUE(Shown(Control<QFrame>(*form, "PJaque")));
    EXPECT_EQ(Control<TBlinkLabel>(*form, "BLJaque")->text(), "Jaque");

    ClickRepe(0);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 0);
    EXPECT_FALSE(Shown(Control<QFrame>(*form, "PJaque")));
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Negras");

    // The keyboard chooses too.
    Control<QListWidget>(*form, "ListBoxRepe")->setFocus();
    QTest::keyClick(Control<QListWidget>(*form, "ListBoxRepe"), Qt::Key_Down);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 1);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Blancas");

    // Playing from here drops the abandoned continuation from both lists.
    Drag(S::D2, S::D4);
    EXPECT_TRUE(form->ClocksRunning());
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")), (QStringList{"1. E2-E4", kBlack + "F7-F6", "2. D2-D4"}));
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBoxRepe")),
              (QStringList{"1. E2-E4", kBlack + "F7-F6", "2. D2-D4"}));
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 2);
}

TEST_F(MainWindowTest, ClocksFollowTheTickHandler) {
    StartTwoPlayers();
    GameClocks clocks = form->Clocks();
    clocks.GameClock = {0, 59, 58};
    clocks.WhiteClock = {9, 59, 59};
    form->SetClocks(clocks);
    form->Timer1Timer();
    EXPECT_EQ(Control<QLabel>(*form, "LPHor")->text(), "00");
    EXPECT_EQ(Control<QLabel>(*form, "LPMin")->text(), "59");
    EXPECT_EQ(Control<QLabel>(*form, "LPseg")->text(), "59");
    EXPECT_EQ(Control<QLabel>(*form, "LBHor")->text(), "10");
    EXPECT_EQ(Control<QLabel>(*form, "LBMin")->text(), "00");
    EXPECT_EQ(Control<QLabel>(*form, "LBSeg")->text(), "00");
    form->Timer1Timer();
    EXPECT_EQ(Control<QLabel>(*form, "LPHor")->text(), "01");
    EXPECT_EQ(Control<QLabel>(*form, "LPMin")->text(), "00");
    EXPECT_EQ(Control<QLabel>(*form, "LPseg")->text(), "00");
    EXPECT_EQ(Control<QLabel>(*form, "LNSeg")->text(), "00");  // Black's clock waits for its turn

    Drag(S::E2, S::E4);
    form->Timer1Timer();
    EXPECT_EQ(Control<QLabel>(*form, "LNSeg")->text(), "01");
    EXPECT_EQ(Control<QLabel>(*form, "LBSeg")->text(), "01");

    clocks = form->Clocks();
    clocks.BlackClock = {99, 59, 59};
    form->SetClocks(clocks);
    form->Timer1Timer();
    EXPECT_EQ(Control<QLabel>(*form, "LNHor")->text(), "100");

    // Stopped clocks stand still, the status bar keeps the time and date.
    form->SetClocksRunning(false);
    Control<QLabel>(*form, "StatusPanel2")->clear();
    form->Timer1Timer();
    EXPECT_EQ(Control<QLabel>(*form, "LNSeg")->text(), "00");
    EXPECT_FALSE(Control<QLabel>(*form, "StatusPanel2")->text().isEmpty());
    const QDate today = QDate::currentDate();
    const QString date = Control<QLabel>(*form, "StatusPanel3")->text();
    EXPECT_EQ(date, QStringLiteral("%1-%2-%3").arg(today.day()).arg(today.month()).arg(today.year()));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[1-9]\\d?-[1-9]\\d?-\\d{4}$")).match(date).hasMatch());
}

TEST_F(MainWindowTest, ComputerRepliesAtFacil) {
    Control<QTimer>(*form, "Timer1")->stop();
    QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);  // Black: "Ordenador", "Fácil"
    ASSERT_EQ(Board(*form)->SearchDepth(), 3);
    Drag(S::E2, S::E4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Control<QListWidget>(*form, "ListBox1")->count() == 2; }, 30000));
    const QStringList lines = Lines(Control<QListWidget>(*form, "ListBox1"));
    EXPECT_EQ(lines[0], "1. E2-E4");
    EXPECT_TRUE(lines[1].startsWith(kBlack)) << lines[1].toStdString();
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBoxRepe")), lines);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 1);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Blancas");
    EXPECT_TRUE(Board(*form)->WhiteToMove());
    EXPECT_TRUE(form->ClocksRunning());
}

TEST_F(MainWindowTest, ChoosingTheComputerAgainResumesFromTheShownPosition) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::E7, S::E5}, {S::G1, S::F3}});
    ClickRepe(0);  // back to Black's first reply, the rest still listed
    ASSERT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 3);
    Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(0);
    form->ComboJugadoresChange();  // Black to move: the engine answers from here
    ASSERT_TRUE(QTest::qWaitFor([&] { return Control<QListWidget>(*form, "ListBoxRepe")->count() == 2; }, 30000));
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 2);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->item(0)->text(), "1. E2-E4");
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), "Mueve Blancas");
    EXPECT_TRUE(form->ClocksRunning());
}

TEST_F(MainWindowTest, SalirClosesTheWindow) {
    QTest::mouseClick(Control<QPushButton>(*form, "BSalir"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace tablerix
