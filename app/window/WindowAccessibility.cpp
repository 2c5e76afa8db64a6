#include "WindowAccessibility.h"

#include "ClockAccessible.h"
#include "ElidedLabel.h"
#include "Form1Controls.h"
#include "NamedComboAccessible.h"
#include "ShownChildrenAccessible.h"
#include "StatusLineAccessible.h"
#include "TChessBrd.h"
#include "TNotesEdit.h"

#include <QAccessible>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>

#include <initializer_list>
#include <utility>

namespace tablerix {

namespace {

bool IsClock(const QObject* object) {
    const QString name = object->objectName();
    return name == QLatin1StringView("PRNegras") || name == QLatin1StringView("PRBlancas") ||
           name == QLatin1StringView("PRPartida");
}

// The status line, and the status bar's time and date, which change every
// second: named by their text when asked, never by an event of their own.
bool IsReadWhenAsked(const QString& className, const QObject* object) {
    const QString name = object->objectName();
    if (className == QLatin1StringView("tablerix::ElidedLabel")) return name == QLatin1StringView("LAnuncio");
    return className == QLatin1StringView("tablerix::QuietLabel");
}

// Matches the window's own containers by their exact class, so Qt's
// interfaces for labels, lists and buttons stay as they are.
QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1StringView("tablerix::TForm1"))
        return new ShownChildrenAccessible(widget, QAccessible::Window);
    if (IsReadWhenAsked(className, widget)) return new StatusLineAccessible(static_cast<QLabel*>(widget));
    if (className == QLatin1StringView("QComboBox")) return new NamedComboAccessible(static_cast<QComboBox*>(widget));
    if (className == QLatin1StringView("QStatusBar"))
        return new ShownChildrenAccessible(widget, QAccessible::StatusBar);
    if (className == QLatin1StringView("QFrame")) {
        if (IsClock(widget)) return new ClockAccessible(widget);
        return new ShownChildrenAccessible(widget, QAccessible::Grouping);
    }
    return nullptr;
}

}  // namespace

void WindowAccessibility::InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    static_cast<void>(installed);
}

void WindowAccessibility::Describe(Form1Controls& ui) {
    // Each list named by its label; the two "Cuadro" lists told apart.
    const std::pair<QLabel*, QComboBox*> lists[] = {
        {ui.LFichasNegras, ui.ComboJugadores}, {ui.LDificultad, ui.ComboDificultad}, {ui.LPiezas, ui.ComboPiezas},
        {ui.LLIneas, ui.ComboBorde},           {ui.LOscuro, ui.ComboOscuro},         {ui.LClaro, ui.ComboClaro}};
    for (const auto& [label, list] : lists) {
        label->setBuddy(list);
        list->setAccessibleName(label->text());
    }
    ui.ComboOscuro->setAccessibleName(QStringLiteral("Cuadro oscuro"));
    ui.ComboClaro->setAccessibleName(QStringLiteral("Cuadro claro"));
    ui.LMovimientos->setBuddy(ui.ListBoxRepe);
    ui.ListBoxRepe->setAccessibleName(QStringLiteral("Jugadas"));
    ui.LNotasPartida->setBuddy(ui.MNotas);
    ui.MNotas->setAccessibleName(QStringLiteral("Notas Partida"));
    ui.MNotas->setToolTip(QStringLiteral(" Tab escribe un tabulador; Ctrl+Tab y Ctrl+Mayús+Tab salen de las notas "));
    ui.ChessBrd1->setToolTip(QStringLiteral(" Tablero (Ctrl+Mayús+D lee la posición) "));
    // Only once it carries its name: the factory knows the line by it.
    ui.LAnuncio->setAccessibleDescription(QStringLiteral("Avisos de la partida"));
    ui.BAceptar->setAccessibleName(QStringLiteral("Empezar"));
    ui.BAceptar->setAccessibleDescription(QStringLiteral("Empieza la partida"));

    // A clock's labels carry names of their own: a new text then sends no
    // event, and the clock's name is read when asked.
    for (QFrame* clock : {ui.PRNegras, ui.PRBlancas, ui.PRPartida}) {
        for (QLabel* label : clock->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            label->setAccessibleName(QStringLiteral("reloj"));
    }

    // Reading order: the start button, the right-hand column, the board,
    // then the bottom row. Hidden or disabled controls are passed over.
    QWidget* const chain[] = {ui.BAceptar,    ui.ComboJugadores, ui.ComboDificultad, ui.ListBoxRepe, ui.MNotas,
                              ui.ComboPiezas, ui.ComboBorde,     ui.ComboOscuro,     ui.ComboClaro,  ui.ChessBrd1,
                              ui.ButtonBack,  ui.ButtonStop,     ui.ButtonForward,   ui.BSalir};
    for (std::size_t i = 1; i < std::size(chain); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace tablerix
