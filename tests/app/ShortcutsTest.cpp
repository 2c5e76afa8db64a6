// The main window's keys, pressed as a user presses them: each runs its
// button's command only while that button is usable, the navigation keys
// move through the game like the arrows, the clipboard keys copy the game
// and the position, and the notes field keeps its own editing keys.
#include "GameFileKind.h"
#include "PgnCommands.h"
#include "TablerixPas.h"
#include "WindowShortcuts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>

#include "FormControls.h"
#include "GameFileWindowFixture.h"
#include "MessageCloser.h"
#include "QtPrinters.h"
#include "WindowSnapshot.h"

namespace tablerix {
namespace {

class ShortcutsTest : public GameFileWindowTest {
protected:
    void SetUp() override {
        GameFileWindowTest::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // A key pressed with the focus where it is now.
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        // A closed message box hands the activation back, as a desktop does.
        if (!form->isActiveWindow()) {
            form->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClick(target, key, mods);
    }
    std::string Position() const { return Board(*form)->Position(); }
};

TEST_F(ShortcutsTest, HeaderKeysRunTheirButtonsOnlyWhileTheButtonIsUsable) {
    // Start screen: saving, printing and a new game are not offered yet.
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(dialogs->seen.isEmpty());
    Press(Qt::Key_O, Qt::ControlModifier);  // loading is
    EXPECT_EQ(dialogs->seen, QStringList{"Tablerix ( Cargar Partida )."});
    EXPECT_TRUE(form->AnimateLoad());  // the cancelled load ran its final steps

    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::E7, S::E5}});
    dialogs->answers << File("tecla.pgn");
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->seen.value(1), QStringLiteral("Tablerix ( Salvar Partida )."));
    EXPECT_TRUE(ReadAll(File("tecla.pgn")).contains("1. e4 e5 *"));

    dialogs->pdf = File("hoja.pdf");
    Press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(File("hoja.pdf")));

    Control<QToolButton>(*form, "BSalvar")->setEnabled(false);  // a disabled button's key does nothing
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->seen.size(), 2);
    Control<QToolButton>(*form, "BSalvar")->setEnabled(true);

    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 0);
    EXPECT_EQ(Position(), std::string(kStartPosition));

    EXPECT_EQ(Control<QToolButton>(*form, "BSalvar")->toolTip(), QStringLiteral(" Salvar Partida (Ctrl+S) "));
    EXPECT_EQ(Control<QToolButton>(*form, "BCargarSin")->toolTip(),
              QStringLiteral(" Cargar Partida SIN Animación (Ctrl+O) "));
    EXPECT_TRUE(Control<QPushButton>(*form, "BSalir")->toolTip().contains(QStringLiteral("Salir (Ctrl+Q)")));
    EXPECT_TRUE(
        Control<QPushButton>(*form, "ButtonStop")->toolTip().contains(QStringLiteral("Juego en Pausa (Espacio)")));

    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ShortcutsTest, ArrowsHomeAndEndStepThroughTheGameLikeTheButtons) {
    // Before "Empezar" the arrows are hidden: their keys do nothing.
    Press(Qt::Key_Left);
    Press(Qt::Key_Home);
    StartTwoPlayers();
    std::vector<std::string> after;
    for (std::size_t i = 0; i < 6; ++i) {
        Play({kLegal[i]});
        after.push_back(Position());
    }
    Press(Qt::Key_Left);
    EXPECT_EQ(Position(), after[4]);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 4);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 4);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), QStringLiteral("Mueve Negras"));

    // With the visible list focused an arrow still steps exactly once.
    Control<QListWidget>(*form, "ListBoxRepe")->setFocus();
    Press(Qt::Key_Left);
    EXPECT_EQ(Position(), after[3]);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 3);
    Press(Qt::Key_Right);
    EXPECT_EQ(Position(), after[4]);

    Press(Qt::Key_Home);
    EXPECT_EQ(Position(), std::string(kStartPosition));
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), -1);
    EXPECT_TRUE(Control<QListWidget>(*form, "ListBoxRepe")->selectedItems().isEmpty());
    Press(Qt::Key_Right);
    EXPECT_EQ(Position(), after[0]);
    Press(Qt::Key_End);
    EXPECT_EQ(Position(), after[5]);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBoxRepe")->currentRow(), 5);
    EXPECT_EQ(Control<QLabel>(*form, "PMueve")->text(), QStringLiteral("Mueve Blancas"));

    // The same steps as the buttons take, side effects included.
    EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBoxRepe")).size(), 6);
    EXPECT_TRUE(Control<QPushButton>(*form, "ButtonBack")->toolTip().contains(QStringLiteral("Jugada Anterior (")));
}

TEST_F(ShortcutsTest, NavigationKeysSwitchTheComputerOffAsTheButtonsDo) {
    QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);  // "Ordenador" plays Black
    Board(*form)->SetSearchDepth(1);
    Play({{S::E2, S::E4}});
    Press(Qt::Key_Home);
    EXPECT_EQ(Control<QComboBox>(*form, "ComboJugadores")->currentIndex(), 1);
    EXPECT_FALSE(Board(*form)->ComputerPlaysBlack());
}

TEST_F(ShortcutsTest, SpacePausesAndTheClipboardKeysCopy) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    {
        MessageCloser closer;
        Press(Qt::Key_Space);
        EXPECT_EQ(closer.texts, QStringList{"         Juego en Pausa"});
    }
    QClipboard* clipboard = QApplication::clipboard();
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"));
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(clipboard->text().contains(QStringLiteral("1. e4 *")));

    // Ctrl+V loads what was copied, with a notice and no animation.
    Play({{S::E7, S::E5}});
    MessageCloser closer;
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(closer.texts, QStringList{"        Continuar Partida"});
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 1);
    // An empty clipboard: a notice and nothing else.
    clipboard->clear();
    const WindowSnapshot before = SnapshotOf(*form);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(closer.texts.value(1), PgnCommands::kNoGameInClipboard);
    ExpectSameWindow(before, SnapshotOf(*form));
}

TEST_F(ShortcutsTest, TheNotesFieldKeepsItsEditingKeys) {
    StartTwoPlayers();
    Play({kLegal.begin(), kLegal.begin() + 4});
    const std::string shown = Position();
    Control<TNotesEdit>(*form, "MNotas")->setFocus();
    QTest::keyClicks(Control<TNotesEdit>(*form, "MNotas"), QStringLiteral("ab"));
    MessageCloser closer;
    Press(Qt::Key_Space);  // a blank, not a pause
    Press(Qt::Key_Left);   // the cursor, not the game
    Press(Qt::Key_Home);
    QTest::keyClicks(Control<TNotesEdit>(*form, "MNotas"), QStringLiteral("x"));
    EXPECT_TRUE(closer.texts.isEmpty());
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), QStringLiteral("xab "));
    EXPECT_EQ(Position(), shown);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->currentRow(), 3);

    // Copy and paste act on the notes' text.
    Control<TNotesEdit>(*form, "MNotas")->selectAll();
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("xab "));
    Control<TNotesEdit>(*form, "MNotas")->moveCursor(QTextCursor::End);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), QStringLiteral("xab xab "));
    EXPECT_TRUE(closer.texts.isEmpty());  // no load was tried
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 4);
}

TEST(WindowShortcutsText, TheKeyGoesBeforeTheTrailingBlanks) {
    EXPECT_EQ(WindowShortcuts::WithKey(" Nueva Partida ", "Nueva Partida ", "Ctrl+N"), " Nueva Partida (Ctrl+N) ");
    EXPECT_EQ(WindowShortcuts::WithKey("", "Salir", "Ctrl+Q"), "Salir (Ctrl+Q)");
}

}  // namespace
}  // namespace tablerix
