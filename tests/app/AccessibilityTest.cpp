// The main window for a keyboard and a screen reader: every control says
// what it is for, hidden controls are out of the accessible tree, each
// clock is one object that sends no event as it ticks, Tab walks the
// window in reading order and leaves the notes with Ctrl+Tab, and the
// status line says each move, the pause and the position.
#include "Announcer.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "FormControls.h"
#include "GameFileWindowFixture.h"
#include "MessageCloser.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tablerix {
namespace {

// Every accessibility event while alive: the status line's through the
// Announcer's delivery, everything else as the platform would receive it
// (Qt sends those only while a platform bridge is active).
class EventSpy {
public:
    EventSpy() {
        Current() = this;
        QAccessible::installUpdateHandler(&Record);
        oldDelivery_ = Announcer::SetDelivery(&Record);
    }
    ~EventSpy() {
        Announcer::SetDelivery(oldDelivery_);
        QAccessible::installUpdateHandler(nullptr);
        Current() = nullptr;
    }
    EventSpy(const EventSpy&) = delete;
    EventSpy& operator=(const EventSpy&) = delete;

    struct Seen {
        QObject* object;
        QAccessible::Event type;
        QString name;  // the object's name when it was sent
    };
    std::vector<Seen> events;

    std::vector<Seen> On(const QObject* object) const {
        std::vector<Seen> out;
        for (const Seen& e : events)
            if (e.object == object) out.push_back(e);
        return out;
    }

private:
    static void Record(QAccessibleEvent* event) {
        if (EventSpy* spy = Current()) {
            QAccessibleInterface* iface = event->accessibleInterface();
            spy->events.push_back({event->object(), event->type(), iface ? iface->text(QAccessible::Name) : QString()});
        }
    }
    static EventSpy*& Current() {
        static EventSpy* current = nullptr;
        return current;
    }
    Announcer::Delivery oldDelivery_ = nullptr;
};

class AccessibilityTest : public GameFileWindowTest {
protected:
    QAccessibleInterface* Accessible(QObject* object) const {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
        EXPECT_NE(iface, nullptr);
        return iface;
    }
    QString Name(const char* control) const {
        return Accessible(Control<QWidget>(*form, control))->text(QAccessible::Name);
    }
    QAccessible::Role Role(const char* control) const { return Accessible(Control<QWidget>(*form, control))->role(); }
    QString Announced() const { return Control<QLabel>(*form, "LAnuncio")->text(); }
    // Every interface below root, depth first; visit says whether to go
    // below the one it is given.
    static void Walk(QAccessibleInterface* root, const std::function<bool(QAccessibleInterface*)>& visit) {
        for (int i = 0; i < root->childCount(); ++i) {
            QAccessibleInterface* child = root->child(i);
            ASSERT_NE(child, nullptr);
            if (visit(child)) Walk(child, visit);
        }
    }
};

TEST_F(AccessibilityTest, EveryButtonSaysWhatItIsForAndItsKey) {
    StartTwoPlayers();
    struct Expected {
        const char* button;
        QString name;
        QString key;
    };
    const std::vector<Expected> buttons = {
        {"BSalvar", "Salvar Partida", "Ctrl+S"},
        {"BCargarCon", "Cargar Partida con animación", "Ctrl+Mayús+O"},
        {"BCargarSin", "Cargar Partida sin animación", "Ctrl+O"},
        {"BImprimir", "Imprimir Partida", "Ctrl+P"},
        {"BNuevaPar", "Nueva Partida", "Ctrl+N"},
        {"BAcercaDe", "Acerca de", "F1"},
        {"BSalir", "Salir", "Ctrl+Q"},
        {"ButtonBack", "Jugada anterior", "\u2190; Inicio: posición inicial"},
        {"ButtonStop", "Pausa", "Espacio"},
        {"ButtonForward", "Jugada siguiente", "\u2192; Fin: última jugada"},
    };
    for (const Expected& b : buttons) {
        SCOPED_TRACE(b.button);
        EXPECT_EQ(Name(b.button), b.name);
        EXPECT_EQ(Role(b.button), QAccessible::Button);
        EXPECT_EQ(Accessible(Control<QWidget>(*form, b.button))->text(QAccessible::Description),
                  QStringLiteral("Tecla: ") + b.key);
    }
    EXPECT_EQ(Name("BAceptar"), "Empezar");
    EXPECT_EQ(Role("BAceptar"), QAccessible::Button);
}

TEST_F(AccessibilityTest, ListsFieldsAndTheStatusLineAreNamed) {
    StartTwoPlayers();
    Pick(Control<QComboBox>(*form, "ComboJugadores"), 0);  // the difficulty shows
    const std::vector<std::pair<const char*, QString>> lists = {
        {"ComboJugadores", "Fichas Negras"}, {"ComboDificultad", "Dificultad"}, {"ComboPiezas", "Piezas"},
        {"ComboBorde", "Tablero"},           {"ComboOscuro", "Cuadro oscuro"},  {"ComboClaro", "Cuadro claro"}};
    for (const auto& [list, name] : lists) {
        SCOPED_TRACE(list);
        EXPECT_EQ(Name(list), name);
        EXPECT_EQ(Role(list), QAccessible::ComboBox);
        // Tied to the label above it.
        QAccessibleInterface* combo = Accessible(Control<QWidget>(*form, list));
        const auto labels = combo->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(qobject_cast<QLabel*>(labels.front().first->object())->buddy(), Control<QWidget>(*form, list));
    }
    EXPECT_EQ(Name("ListBoxRepe"), "Jugadas");
    EXPECT_EQ(Role("ListBoxRepe"), QAccessible::List);
    EXPECT_EQ(Name("MNotas"), "Notas Partida");
    EXPECT_EQ(Role("MNotas"), QAccessible::EditableText);
    EXPECT_TRUE(Control<QWidget>(*form, "MNotas")->toolTip().contains("Ctrl+Tab"));
    EXPECT_TRUE(Control<QWidget>(*form, "ChessBrd1")->toolTip().contains("Ctrl+Mayús+D"));
    EXPECT_TRUE(Control<QWidget>(*form, "LAnuncio")->isVisible());
    EXPECT_EQ(Accessible(Control<QWidget>(*form, "LAnuncio"))->text(QAccessible::Description), "Avisos de la partida");
    EXPECT_EQ(Name("LAnuncio"), "Avisos");  // nothing said yet
    EXPECT_EQ(Role("LAnuncio"), QAccessible::StaticText);
}

TEST_F(AccessibilityTest, HiddenControlsAreNotInTheTree) {
    for (bool playing : {false, true}) {
        SCOPED_TRACE(playing ? "playing" : "start screen");
        if (playing) StartTwoPlayers();
        std::set<QObject*> seen;
        Walk(Accessible(form.get()), [&](QAccessibleInterface* iface) {
            seen.insert(iface->object());
            auto* w = qobject_cast<QWidget*>(iface->object());
            // A scroll area's own parts (a scroll bar not needed) are Qt's.
            if (!w || w->objectName().startsWith(QStringLiteral("qt_"))) return false;
            EXPECT_TRUE(w->isVisible()) << w->metaObject()->className() << " " << w->objectName().toStdString();
            return true;
        });
        for (const char* hidden : {"ListBox1", "Memo1", "MTiempos", "MJugadasJaque", "MControl", "EditorNotasImprimir",
                                   "ComboJugadorBlancas", "LFichasBlancas", "PJugadasCarga"})
            EXPECT_EQ(seen.count(Control<QWidget>(*form, hidden)), 0u) << hidden;
        for (const char* shown : {"BSalvar", "ComboJugadores", "LAnuncio", "BSalir", "StatusPanel0"})
            EXPECT_EQ(seen.count(Control<QWidget>(*form, shown)), 1u) << shown;
        EXPECT_EQ(seen.count(Control<QWidget>(*form, "ListBoxRepe")), playing ? 1u : 0u);
        EXPECT_EQ(seen.count(Control<QWidget>(*form, "PRBlancas")), playing ? 1u : 0u);
        EXPECT_EQ(seen.count(Control<QWidget>(*form, "LBSeg")), 0u);  // inside its clock
    }
}

TEST_F(AccessibilityTest, EachClockIsOneObjectReadWhenAsked) {
    StartTwoPlayers();
    SetClocks({0, 1, 23}, {0, 0, 40}, {0, 2, 3});
    const std::vector<std::pair<const char*, QString>> clocks = {
        {"PRBlancas", "Blancas 00:01:23"}, {"PRNegras", "Negras 00:00:40"}, {"PRPartida", "Partida 00:02:03"}};
    for (const auto& [clock, name] : clocks) {
        SCOPED_TRACE(clock);
        EXPECT_EQ(Name(clock), name);
        EXPECT_EQ(Role(clock), QAccessible::StaticText);
        EXPECT_EQ(Accessible(Control<QWidget>(*form, clock))->childCount(), 0);
    }
    EventSpy spy;
    form->SetClocksRunning(true);
    form->Timer1Timer();
    form->Timer1Timer();
    EXPECT_EQ(Name("PRBlancas"), "Blancas 00:01:25");
    // The status bar's time: its text when asked, with no event of its own.
    EXPECT_EQ(Name("StatusPanel2"), Control<QLabel>(*form, "StatusPanel2")->text());
    EXPECT_FALSE(Name("StatusPanel2").isEmpty());
    EXPECT_FALSE(Control<QLabel>(*form, "StatusPanel2")->accessibleName().isEmpty());
    EXPECT_EQ(Name("PRPartida"), "Partida 00:02:05");
    // Neither a clock nor a label inside one sent anything: the labels have
    // names of their own, so QLabel::setText stays quiet.
    for (const char* clock : {"PRBlancas", "PRNegras", "PRPartida"}) {
        QWidget* panel = Control<QWidget>(*form, clock);
        EXPECT_TRUE(spy.On(panel).empty()) << clock;
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            EXPECT_FALSE(label->accessibleName().isEmpty()) << clock;
            EXPECT_TRUE(spy.On(label).empty()) << clock;
        }
    }
}

TEST_F(AccessibilityTest, TabWalksTheWindowInReadingOrderAndLeavesTheNotes) {
    StartTwoPlayers();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Control<QWidget>(*form, "ComboJugadores")->setFocus();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QApplication::focusWidget() == Control<QWidget>(*form, "ComboJugadores"); }));
    // The board may or may not take the focus; every other stop is fixed.
    const std::vector<const char*> order = {"ListBoxRepe", "MNotas",     "ComboPiezas", "ComboBorde",    "ComboOscuro",
                                            "ComboClaro",  "ButtonBack", "ButtonStop",  "ButtonForward", "BSalir"};
    std::vector<QString> visited;
    for (int i = 0; i < 30 && visited.size() < 20; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        if (focus->objectName() == QStringLiteral("MNotas")) {
            // Tab types a tab there; Ctrl+Tab goes on.
            auto* notes = Control<QPlainTextEdit>(*form, "MNotas");
            const QString before = notes->toPlainText();
            QTest::keyClick(focus, Qt::Key_Tab);
            EXPECT_EQ(notes->toPlainText(), before + u'\t');
            EXPECT_EQ(QApplication::focusWidget(), notes);
            QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
        } else {
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        visited.push_back(QApplication::focusWidget()->objectName());
        if (visited.back() == QStringLiteral("BSalir")) break;
    }
    std::vector<QString> withoutBoard;
    for (const QString& v : visited)
        if (v != QStringLiteral("ChessBrd1")) withoutBoard.push_back(v);
    std::vector<QString> expected(order.begin(), order.end());
    EXPECT_EQ(withoutBoard, expected);

    // Ctrl+Shift+Tab leaves the notes backwards.
    Control<QWidget>(*form, "MNotas")->setFocus();
    QTest::keyClick(Control<QWidget>(*form, "MNotas"), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>(*form, "ListBoxRepe"));
}

TEST_F(AccessibilityTest, AHumanMoveIsSaidOnceOnTheStatusLine) {
    StartTwoPlayers();
    QWidget* line = Control<QWidget>(*form, "LAnuncio");
    EventSpy spy;
    ASSERT_TRUE(Board(*form)->MakeMove(S::E2, S::E4));
    QTRY_COMPARE(Announced(), QStringLiteral("Blancas: peón de e2 a e4"));
    const auto said = spy.On(line);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said.front().type, QAccessible::NameChanged);
    EXPECT_EQ(said.front().name, QStringLiteral("Blancas: peón de e2 a e4"));
    EXPECT_EQ(Accessible(line)->text(QAccessible::Name), QStringLiteral("Blancas: peón de e2 a e4"));
}

TEST_F(AccessibilityTest, CheckMateNavigationAndPauseAreSaid) {
    StartTwoPlayers();
    MessageCloser closer;
    Play(kLegal);
    QTRY_COMPARE(Announced(), QStringLiteral("Blancas: caballo de c3 a d5, jaque mate"));
    form->ButtonBackClick();
    EXPECT_EQ(Announced(), QStringLiteral("Negras: rey de e8 a e7"));
    form->ButtonBackClick();
    EXPECT_EQ(Announced(), QStringLiteral("Blancas: alfil de c4 a f7, captura peón, jaque"));
    form->FirstPositionKey();
    EXPECT_EQ(Announced(), QStringLiteral("Posición inicial"));
    form->ButtonForwardClick();
    EXPECT_EQ(Announced(), QStringLiteral("Blancas: peón de e2 a e4"));

    QWidget* line = Control<QWidget>(*form, "LAnuncio");
    QStringList said;
    EventSpy spy;
    form->ButtonStopClick();  // the closer answers the message
    for (const EventSpy::Seen& e : spy.On(line)) said << e.name;
    EXPECT_EQ(said, (QStringList{"Juego en pausa", "Juego reanudado"}));
}

TEST_F(AccessibilityTest, TheComputersMoveIsSaid) {
    QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);  // Black: "Ordenador"
    ASSERT_TRUE(Board(*form)->MakeMove(S::E2, S::E4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Announced().startsWith(QStringLiteral("Negras: ")); }, 30000))
        << Announced().toStdString();
}

TEST_F(AccessibilityTest, ALoadWithoutAnimationSaysOnlyItsLastMove) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::E7, S::E5}, {S::G1, S::F3}});
    dialogs->answers << File("tres.Chess");
    {
        MessageCloser closer;
        form->BSalvarClick();
    }
    form->BNuevaParClick();
    QWidget* line = Control<QWidget>(*form, "LAnuncio");
    EventSpy spy;
    {
        MessageCloser closer;
        Load(File("tres.Chess"));
    }
    QTRY_COMPARE(Announced(), QStringLiteral("Blancas: caballo de g1 a f3"));
    EXPECT_EQ(spy.On(line).size(), 1u);
}

TEST_F(AccessibilityTest, ALoadWithAnimationSaysEachMove) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::E7, S::E5}, {S::G1, S::F3}});
    dialogs->answers << File("tres.Chess");
    {
        MessageCloser closer;
        form->BSalvarClick();
    }
    form->BNuevaParClick();
    QWidget* line = Control<QWidget>(*form, "LAnuncio");
    EventSpy spy;
    {
        MessageCloser closer;
        Load(File("tres.Chess"), true);
    }
    QTRY_COMPARE(Announced(), QStringLiteral("Blancas: caballo de g1 a f3"));
    QStringList said;
    for (const EventSpy::Seen& e : spy.On(line)) said << e.name;
    EXPECT_EQ(said,
              (QStringList{"Blancas: peón de e2 a e4", "Negras: peón de e7 a e5", "Blancas: caballo de g1 a f3"}));
}

TEST_F(AccessibilityTest, CtrlShiftDReadsThePosition) {
    StartTwoPlayers();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QAction* read = Control<QAction>(*form, "AccionLeerPosicion");
    EXPECT_EQ(read->text(), "Leer posición");
    EXPECT_EQ(read->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Announced().startsWith(QStringLiteral("Juegan blancas. Blancas: rey e1, dama d1")))
        << Announced().toStdString();
}

TEST_F(AccessibilityTest, TheLoadWithAnimationAndTheAboutWindowHaveKeys) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogs->seen, QStringList{"Tablerix ( Cargar Partida )."});  // cancelled by the script
    EXPECT_TRUE(form->AnimateLoad());

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    MessageCloser closer;
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(closer.dialogTitles, QStringList{" Tablerix   Acerca de...."});
}

}  // namespace
}  // namespace tablerix
