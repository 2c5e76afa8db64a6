#include "WindowShortcuts.h"

#include "Form1Controls.h"
#include "PgnCommands.h"
#include "TablerixPas.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace tablerix {

WindowShortcuts::WindowShortcuts(TForm1& form, const Form1Controls& ui) : form_(form) {
    BindClick(ui.BNuevaPar, QKeySequence(Qt::CTRL | Qt::Key_N), QStringLiteral("Ctrl+N"));
    BindClick(ui.BCargarSin, QKeySequence(Qt::CTRL | Qt::Key_O), QStringLiteral("Ctrl+O"));
    BindClick(ui.BSalvar, QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("Ctrl+S"));
    BindClick(ui.BImprimir, QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("Ctrl+P"));
    BindClick(ui.BSalir, QKeySequence(Qt::CTRL | Qt::Key_Q), QStringLiteral("Ctrl+Q"));
    BindClick(ui.ButtonBack, QKeySequence(Qt::Key_Left), QStringLiteral("\u2190, Inicio"));
    BindClick(ui.ButtonForward, QKeySequence(Qt::Key_Right), QStringLiteral("\u2192, Fin"));
    BindClick(ui.ButtonStop, QKeySequence(Qt::Key_Space), QStringLiteral("Espacio"));
    Bind(ui.ButtonBack, QKeySequence(Qt::Key_Home), [this] { form_.FirstPositionKey(); });
    Bind(ui.ButtonForward, QKeySequence(Qt::Key_End), [this] { form_.LastPositionKey(); });
    // A game from the clipboard is a load without animation.
    Bind(ui.BCargarSin, QKeySequence(Qt::CTRL | Qt::Key_V), [this] {
        if (!form_.Loading()) PgnCommands(form_).PasteGame();
    });
    Free(QKeySequence(Qt::CTRL | Qt::Key_C), [this] {
        if (!form_.Loading()) PgnCommands(form_).CopyGame();
    });
    Free(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] {
        if (!form_.Loading()) PgnCommands(form_).CopyFen();
    });
    // Read by the replay before each move; the slide under way may finish.
    Free(QKeySequence(Qt::Key_Escape), [this] { form_.HurryLoad(); });
    Follow();
}

WindowShortcuts::~WindowShortcuts() {
    for (const Binding& b : bindings_) b.Button->removeEventFilter(this);
}

QString WindowShortcuts::WithKey(const QString& tooltip, const QString& caption, const QString& key) {
    QString text = tooltip.isEmpty() ? caption.trimmed() : tooltip;
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ') --end;
    text.insert(end, QStringLiteral(" (") + key + u')');
    return text;
}

template <typename Action>
QShortcut* WindowShortcuts::Free(const QKeySequence& key, Action action) {
    auto* shortcut = new QShortcut(key, &form_);  // a child of the window
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, action);
    return shortcut;
}

template <typename Action>
QShortcut* WindowShortcuts::Bind(QAbstractButton* button, const QKeySequence& key, Action action) {
    QShortcut* shortcut = Free(key, action);
    bindings_.push_back({button, shortcut});
    button->installEventFilter(this);
    return shortcut;
}

void WindowShortcuts::BindClick(QAbstractButton* button, const QKeySequence& key, const QString& label) {
    QShortcut* shortcut = Bind(button, key, [button] { button->click(); });
    // Stepping through a game by holding an arrow down.
    shortcut->setAutoRepeat(key == QKeySequence(Qt::Key_Left) || key == QKeySequence(Qt::Key_Right));
    button->setToolTip(WithKey(button->toolTip(), button->text(), label));
}

void WindowShortcuts::Follow() {
    for (const Binding& b : bindings_) b.Key->setEnabled(b.Button->isEnabled() && b.Button->isVisibleTo(&form_));
}

bool WindowShortcuts::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent: Follow(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tablerix
