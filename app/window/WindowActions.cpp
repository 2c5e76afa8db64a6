#include "WindowActions.h"

#include "Form1Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <iterator>

namespace tablerix {

namespace {

using Command = WindowActions::Command;

struct ActionEntry {
    Command Which;
    const char* Name;  // objectName, for tests and outside tools
    QString Text;      // the command's name
    QKeySequence Key;
    QString KeyLabel;  // the key as the tooltip names it
    QAbstractButton* Button = nullptr;
    QString Spoken = QString();  // the button's accessible name
};

// The button runs action and shows its state: enabled, shown and tooltip;
// a screen reader hears spoken and the key. A hidden action reads as
// disabled, so a hidden button keeps the enabled state it had.
void Bind(QAction& action, QAbstractButton& button, const QString& spoken, const QString& key) {
    button.setAccessibleName(spoken);
    if (!key.isEmpty()) button.setAccessibleDescription(QStringLiteral("Tecla: ") + key);
    QObject::connect(&button, &QAbstractButton::clicked, &action, &QAction::trigger);
    const auto follow = [&action, &button] {
        button.setToolTip(action.toolTip());
        if (action.isVisible()) button.setEnabled(action.isEnabled());
        if (button.isHidden() == action.isVisible()) button.setVisible(action.isVisible());
    };
    QObject::connect(&action, &QAction::changed, &button, follow);
    QObject::connect(&action, &QAction::enabledChanged, &button, follow);
    QObject::connect(&action, &QAction::visibleChanged, &button, follow);
    follow();
}

}  // namespace

WindowActions::WindowActions(QWidget& window, const Form1Controls& ui) {
    // clang-format off
    const ActionEntry entries[] = {
        {Command::Save, "AccionSalvar", QStringLiteral("Salvar Partida"),
         QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("Ctrl+S"), ui.BSalvar, QStringLiteral("Salvar Partida")},
        {Command::LoadAnimated, "AccionCargarCon", QStringLiteral("Cargar Partida CON Animación"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), QStringLiteral("Ctrl+Mayús+O"), ui.BCargarCon,
         QStringLiteral("Cargar Partida con animación")},
        {Command::Load, "AccionCargarSin", QStringLiteral("Cargar Partida SIN Animación"),
         QKeySequence(Qt::CTRL | Qt::Key_O), QStringLiteral("Ctrl+O"), ui.BCargarSin,
         QStringLiteral("Cargar Partida sin animación")},
        {Command::Print, "AccionImprimir", QStringLiteral("Imprimir Partida"),
         QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("Ctrl+P"), ui.BImprimir, QStringLiteral("Imprimir Partida")},
        {Command::NewGame, "AccionNuevaPartida", QStringLiteral("Nueva Partida"),
         QKeySequence(Qt::CTRL | Qt::Key_N), QStringLiteral("Ctrl+N"), ui.BNuevaPar, QStringLiteral("Nueva Partida")},
        {Command::About, "AccionAcercaDe", QStringLiteral("Acerca de..."),
         QKeySequence(Qt::Key_F1), QStringLiteral("F1"), ui.BAcercaDe, QStringLiteral("Acerca de")},
        {Command::Quit, "AccionSalir", QStringLiteral("Salir"),
         QKeySequence(Qt::CTRL | Qt::Key_Q), QStringLiteral("Ctrl+Q"), ui.BSalir, QStringLiteral("Salir")},
        {Command::Back, "AccionAnterior", QStringLiteral("Jugada Anterior"),
         QKeySequence(Qt::Key_Left), QStringLiteral("\u2190; Inicio: posición inicial"), ui.ButtonBack,
         QStringLiteral("Jugada anterior")},
        {Command::Pause, "AccionPausa", QStringLiteral("Juego en Pausa"),
         QKeySequence(Qt::Key_Space), QStringLiteral("Espacio"), ui.ButtonStop, QStringLiteral("Pausa")},
        {Command::Forward, "AccionSiguiente", QStringLiteral("Jugada Siguiente"),
         QKeySequence(Qt::Key_Right), QStringLiteral("\u2192; Fin: última jugada"), ui.ButtonForward,
         QStringLiteral("Jugada siguiente")},
        {Command::First, "AccionInicio", QStringLiteral("Posición Inicial"),
         QKeySequence(Qt::Key_Home), QStringLiteral("Inicio")},
        {Command::Last, "AccionFin", QStringLiteral("Última Jugada"),
         QKeySequence(Qt::Key_End), QStringLiteral("Fin")},
        {Command::CopyGame, "AccionCopiarPgn", QStringLiteral("Copiar Partida PGN"),
         QKeySequence(Qt::CTRL | Qt::Key_C), QStringLiteral("Ctrl+C")},
        {Command::CopyFen, "AccionCopiarFen", QStringLiteral("Copiar Posición FEN"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), QStringLiteral("Ctrl+Mayús+C")},
        {Command::Paste, "AccionPegar", QStringLiteral("Pegar Partida"),
         QKeySequence(Qt::CTRL | Qt::Key_V), QStringLiteral("Ctrl+V")},
        {Command::HurryLoad, "AccionAcelerarCarga", QStringLiteral("Acelerar Carga"),
         QKeySequence(Qt::Key_Escape), QStringLiteral("Esc")},
        {Command::ReadPosition, "AccionLeerPosicion", QStringLiteral("Leer posición"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), QStringLiteral("Ctrl+Mayús+D")},
        {Command::TakeBack, "AccionDeshacer", QStringLiteral("Deshacer jugada"),
         QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("Ctrl+Z")},
        {Command::RecoverPrevious, "AccionRecuperarAnterior", QStringLiteral("Recuperar la partida anterior"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QStringLiteral("Ctrl+Mayús+Z")},
    };
    // clang-format on
    static_assert(std::size(entries) == kCount);
    for (const ActionEntry& entry : entries) {
        auto* action = new QAction(entry.Text, &window);  // a child of the window
        action->setObjectName(QLatin1StringView(entry.Name));
        action->setShortcut(entry.Key);
        action->setShortcutContext(Qt::WindowShortcut);
        // Stepping through a game by holding an arrow down; nothing else repeats.
        action->setAutoRepeat(entry.Which == Command::Back || entry.Which == Command::Forward);
        // A button's tooltip keeps its hint, the key added.
        const QString hint = entry.Button ? entry.Button->toolTip() : QString();
        const QString caption = entry.Button ? entry.Button->text() : entry.Text;
        action->setToolTip(entry.KeyLabel.isEmpty() ? hint : WithKey(hint, caption, entry.KeyLabel));
        window.addAction(action);
        if (entry.Button) Bind(*action, *entry.Button, entry.Spoken, entry.KeyLabel);
        actions_[static_cast<std::size_t>(entry.Which)] = action;
    }
}

QAction& WindowActions::operator[](Command command) const { return *actions_[static_cast<std::size_t>(command)]; }

void WindowActions::OfferGameCommands(bool offered) {
    for (const Command c : {Command::Save, Command::Print, Command::NewGame, Command::TakeBack})
        (*this)[c].setEnabled(offered);
}

void WindowActions::OfferHeaderCommands(bool offered) {
    // A game from the clipboard is a load without animation.
    for (const Command c : {Command::Save, Command::LoadAnimated, Command::Load, Command::Print, Command::NewGame,
                            Command::About, Command::Paste, Command::RecoverPrevious, Command::TakeBack})
        (*this)[c].setEnabled(offered);
}

void WindowActions::ShowNavigation(bool shown) {
    for (const Command c : {Command::Back, Command::Pause, Command::Forward, Command::First, Command::Last})
        (*this)[c].setVisible(shown);
}

QString WindowActions::WithKey(const QString& tooltip, const QString& caption, const QString& key) {
    QString text = tooltip.isEmpty() ? caption.trimmed() : tooltip;
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ') --end;
    text.insert(end, QStringLiteral(" (") + key + u')');
    return text;
}

}  // namespace tablerix
