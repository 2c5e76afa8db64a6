// The main window's keys, pressed as a user presses them: each runs its
// button's command only while that button is usable, the navigation keys
// move through the game like the arrows, the clipboard keys copy the game
// and the position, and the notes field keeps its own editing keys.
#include "GameFileKind.h"
#include "PgnCommands.h"
#include "TablerixPas.h"
#include "WindowActions.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeySequence>
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

#include <map>
#include <string>

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

    Control<QAction>(*form, "AccionSalvar")->setEnabled(false);  // a disabled command's key does nothing
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->seen.size(), 2);
    Control<QAction>(*form, "AccionSalvar")->setEnabled(true);

    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 0);
    EXPECT_EQ(Position(), std::string(kStartPosition));

    EXPECT_EQ(Control<QToolButton>(*form, "BSalvar")->toolTip(), QStringLiteral(" Salvar Partida (Ctrl+S) "));
    EXPECT_EQ(Control<QToolButton>(*form, "BCargarSin")->toolTip(),
              QStringLiteral(" Cargar Partida SIN Animación (Ctrl+O) "));
    EXPECT_EQ(Control<QToolButton>(*form, "BCargarCon")->toolTip(),
              QStringLiteral(" Cargar Partida CON Animación (Ctrl+Mayús+O) "));
    EXPECT_EQ(Control<QToolButton>(*form, "BAcercaDe")->toolTip(), QStringLiteral(" Acerca de... (F1) "));
    EXPECT_TRUE(Control<QPushButton>(*form, "BSalir")->toolTip().contains(QStringLiteral("Salir (Ctrl+Q)")));
    EXPECT_TRUE(
        Control<QPushButton>(*form, "ButtonStop")->toolTip().contains(QStringLiteral("Juego en Pausa (Espacio)")));
    // The arrows' keys said as they act: one step each, Home and End to the ends.
    EXPECT_EQ(Control<QPushButton>(*form, "ButtonBack")->toolTip(),
              QStringLiteral(" Jugada Anterior (\u2190; Inicio: posición inicial) "));
    EXPECT_EQ(Control<QPushButton>(*form, "ButtonForward")->toolTip(),
              QStringLiteral(" Jugada Siguiente (\u2192; Fin: última jugada) "));

    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ShortcutsTest, CtrlOLoadsWithoutAnimationAndCtrlShiftOWithIt) {
    WriteAll(File("corta.Chess"),
             "1. E2-E4\r\n              E7-E5\r\nTiempos...\r\n000000000000000000100000\r\n"
             "Jugadas Jaque...\r\n1. E2-E4\r\n              E7-E5\r\nNotas...\r\n");
    int slid = 0;
    TMoveEvent original = Board(*form)->OnLegalMove;
    Board(*form)->OnLegalMove = [&](ChessBrdCore& b, S a, S c) {
        slid += static_cast<TChessBrd&>(b).AnimateMoves();
        original(b, a, c);
    };
    MessageCloser closer;
    dialogs->answers << File("corta.Chess");
    Press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 2);
    EXPECT_EQ(slid, 0);
    dialogs->answers << File("corta.Chess");
    Press(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 2);
    EXPECT_EQ(slid, 2);
    Board(*form)->OnLegalMove = original;
    EXPECT_EQ(dialogs->seen, (QStringList{"Tablerix ( Cargar Partida ).", "Tablerix ( Cargar Partida )."}));
    EXPECT_EQ(closer.texts, (QStringList{"        Continuar Partida", "        Continuar Partida"}));
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

// Each command is one action: its name, key and tooltip, and the button it
// drives, which a screen reader announces by the command's name.
TEST_F(ShortcutsTest, EveryCommandIsAnActionThatDrivesItsButton) {
    struct Expected {
        const char* action;
        const char* button;  // none: a key only
        QString text;
        QKeySequence key;
    };
    const std::vector<Expected> commands = {
        {"AccionSalvar", "BSalvar", "Salvar Partida", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"AccionCargarCon", "BCargarCon", "Cargar Partida CON Animación",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {"AccionCargarSin", "BCargarSin", "Cargar Partida SIN Animación", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"AccionImprimir", "BImprimir", "Imprimir Partida", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"AccionNuevaPartida", "BNuevaPar", "Nueva Partida", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"AccionAcercaDe", "BAcercaDe", "Acerca de...", QKeySequence(Qt::Key_F1)},
        {"AccionSalir", "BSalir", "Salir", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"AccionAnterior", "ButtonBack", "Jugada Anterior", QKeySequence(Qt::Key_Left)},
        {"AccionPausa", "ButtonStop", "Juego en Pausa", QKeySequence(Qt::Key_Space)},
        {"AccionSiguiente", "ButtonForward", "Jugada Siguiente", QKeySequence(Qt::Key_Right)},
        {"AccionInicio", nullptr, "Posición Inicial", QKeySequence(Qt::Key_Home)},
        {"AccionFin", nullptr, "Última Jugada", QKeySequence(Qt::Key_End)},
        {"AccionCopiarPgn", nullptr, "Copiar Partida PGN", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"AccionCopiarFen", nullptr, "Copiar Posición FEN", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"AccionPegar", nullptr, "Pegar Partida", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"AccionAcelerarCarga", nullptr, "Acelerar Carga", QKeySequence(Qt::Key_Escape)},
        {"AccionLeerPosicion", nullptr, "Leer posición", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
        {"AccionDeshacer", nullptr, "Deshacer jugada", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"AccionRecuperarAnterior", nullptr, "Recuperar la partida anterior",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
    };
    // What a screen reader says of each button: a plain name, not the caption.
    const std::map<std::string, QString> spoken = {{"BSalvar", "Salvar Partida"},
                                                   {"BCargarCon", "Cargar Partida con animación"},
                                                   {"BCargarSin", "Cargar Partida sin animación"},
                                                   {"BImprimir", "Imprimir Partida"},
                                                   {"BNuevaPar", "Nueva Partida"},
                                                   {"BAcercaDe", "Acerca de"},
                                                   {"BSalir", "Salir"},
                                                   {"ButtonBack", "Jugada anterior"},
                                                   {"ButtonStop", "Pausa"},
                                                   {"ButtonForward", "Jugada siguiente"}};
    EXPECT_EQ(form->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly).size(),
              static_cast<qsizetype>(commands.size()));
    for (const Expected& c : commands) {
        SCOPED_TRACE(c.action);
        QAction* action = Control<QAction>(*form, c.action);
        EXPECT_EQ(action->text(), c.text);
        EXPECT_EQ(action->shortcut(), c.key);
        EXPECT_TRUE(form->actions().contains(action));
        EXPECT_EQ(action->toolTip().contains(u'('), !c.key.isEmpty()) << action->toolTip().toStdString();
        if (!c.button) {
            EXPECT_TRUE(action->toolTip().startsWith(c.text)) << action->toolTip().toStdString();
            continue;
        }
        auto* button = Control<QAbstractButton>(*form, c.button);
        EXPECT_EQ(button->toolTip(), action->toolTip());
        EXPECT_EQ(button->accessibleName(), spoken.at(c.button));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), spoken.at(c.button));
    }

    // The start screen: no game to save, print or renew; no moves to step through.
    EXPECT_FALSE(Control<QAction>(*form, "AccionSalvar")->isEnabled());
    EXPECT_FALSE(Control<QAction>(*form, "AccionAnterior")->isVisible());
    EXPECT_FALSE(Control<QAction>(*form, "AccionInicio")->isVisible());
    EXPECT_TRUE(Control<QPushButton>(*form, "ButtonBack")->isEnabled());  // hidden, not disabled
    StartTwoPlayers();
    EXPECT_TRUE(Control<QAction>(*form, "AccionSalvar")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BSalvar")->isEnabled());
    EXPECT_TRUE(Control<QAction>(*form, "AccionFin")->isVisible());
    EXPECT_TRUE(Control<QPushButton>(*form, "ButtonForward")->isVisibleTo(form.get()));

    // The command drives its button: enabled and shown as the command is.
    QAction* print = Control<QAction>(*form, "AccionImprimir");
    print->setEnabled(false);
    EXPECT_FALSE(Control<QToolButton>(*form, "BImprimir")->isEnabled());
    print->setEnabled(true);
    EXPECT_TRUE(Control<QToolButton>(*form, "BImprimir")->isEnabled());
    QAction* pause = Control<QAction>(*form, "AccionPausa");
    pause->setVisible(false);
    EXPECT_FALSE(Control<QPushButton>(*form, "ButtonStop")->isVisibleTo(form.get()));
    MessageCloser closer;
    Press(Qt::Key_Space);
    EXPECT_TRUE(closer.texts.isEmpty());  // a hidden command's key does nothing
    pause->setVisible(true);
    EXPECT_TRUE(Control<QPushButton>(*form, "ButtonStop")->isVisibleTo(form.get()));
    QTest::mouseClick(Control<QPushButton>(*form, "ButtonStop"), Qt::LeftButton);  // the click runs the command
    EXPECT_EQ(closer.texts, QStringList{"         Juego en Pausa"});
}

QString ReadText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Every key of the window is a row of the README's table of keys and an
// entry of the manual page's KEYS section, named as Qt names it
// (Ctrl+Shift+O, Left, Esc), so that a new command is not left out of them.
TEST_F(ShortcutsTest, EveryKeyIsInTheReadmeAndTheManualPage) {
    const QString readme = ReadText(QStringLiteral(TABLERIX_SOURCE_DIR "/README.md"));
    const QString manual = ReadText(QStringLiteral(TABLERIX_SOURCE_DIR "/data/tablerix.6"));
    const QString keys = manual.section(QStringLiteral("\n.SH KEYS\n"), 1).section(QStringLiteral("\n.SH "), 0, 0);
    ASSERT_FALSE(readme.isEmpty());
    ASSERT_FALSE(keys.isEmpty());
    int checked = 0;
    for (const QAction* action : form->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
        for (const QKeySequence& key : action->shortcuts()) {
            const QString name = key.toString(QKeySequence::PortableText);
            SCOPED_TRACE(name.toStdString() + " " + action->text().toStdString());
            EXPECT_TRUE(readme.contains(QStringLiteral("\n| `") + name + QStringLiteral("` ")));
            EXPECT_TRUE(keys.contains(QStringLiteral("\n.B ") + name + u'\n'));
            ++checked;
        }
    }
    EXPECT_GE(checked, 17);
}

TEST(WindowShortcutsText, TheKeyGoesBeforeTheTrailingBlanks) {
    EXPECT_EQ(WindowActions::WithKey(" Nueva Partida ", "Nueva Partida ", "Ctrl+N"), " Nueva Partida (Ctrl+N) ");
    EXPECT_EQ(WindowActions::WithKey("", "Salir", "Ctrl+Q"), "Salir (Ctrl+Q)");
}

}  // namespace
}  // namespace tablerix
