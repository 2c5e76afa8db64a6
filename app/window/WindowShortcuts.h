#pragma once
// The main window's keyboard: the commands of its buttons on keys (Ctrl+N,
// Ctrl+O, Ctrl+S, Ctrl+P, Ctrl+Q, Left, Right, Home, End, Space), the
// clipboard (Ctrl+C the game as PGN, Ctrl+Shift+C the shown position as
// FEN, Ctrl+V a PGN game) and Escape, which hurries an animated load.
//
// A key bound to a button works only while that button is enabled and
// shown: its shortcut follows the button, so a disabled or hidden button's
// key goes to the focused control as usual. The notes field keeps its own
// editing keys (blank, arrows, Home, End, copy and paste): a text field
// claims them before any shortcut sees them.
//
// Ownership: the shortcuts are Qt children of the window; this object only
// steers them and must die before the window's controls (TForm1 holds it
// in a member). User-interface thread only.

#include <QObject>
#include <QString>

#include <vector>

class QAbstractButton;
class QKeySequence;
class QShortcut;

namespace tablerix {

class TForm1;
struct Form1Controls;

class WindowShortcuts : public QObject {
    Q_OBJECT
public:
    // The keys of form's controls ui.
    WindowShortcuts(TForm1& form, const Form1Controls& ui);
    ~WindowShortcuts() override;

    // The tooltip a button gets for its key: the old text with " (key)"
    // before its trailing blanks, or the button's caption and the key.
    static QString WithKey(const QString& tooltip, const QString& caption, const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QAbstractButton* Button;
        QShortcut* Key;
    };
    // A key that follows button; pressing it runs action.
    template <typename Action>
    QShortcut* Bind(QAbstractButton* button, const QKeySequence& key, Action action);
    // A key that clicks button, shown in its tooltip as label.
    void BindClick(QAbstractButton* button, const QKeySequence& key, const QString& label);
    template <typename Action>
    QShortcut* Free(const QKeySequence& key, Action action);
    void Follow();

    TForm1& form_;
    std::vector<Binding> bindings_;
};

}  // namespace tablerix
