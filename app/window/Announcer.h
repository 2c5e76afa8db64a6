#pragma once
// Announcer: says a sentence on the window's status line near the board
// ("Blancas: peón de e2 a e4", "Juego en pausa"). The line shows it, its
// accessible name becomes it, and exactly one accessibility event, the
// line's NameChanged, tells a screen reader. UI thread only.

#include <QString>

class QAccessibleEvent;
class QLabel;

namespace tablerix {

class Announcer {
public:
    // Where the events go: QAccessible::updateAccessibility unless a test
    // or tool listens in its place (Qt sends nothing without a platform
    // bridge, as on a headless screen).
    using Delivery = void (*)(QAccessibleEvent* event);

    // line: the status line; not owned, must outlive this object. Its own
    // accessible name is fixed, so a new text sends no event of Qt's.
    explicit Announcer(QLabel& line);

    // Shows sentence on the line and sends one NameChanged event for it.
    void Say(const QString& sentence);
    // The sentence said last.
    QString Said() const;

    // Replaces where events go (nullptr: back to Qt); returns the old one.
    static Delivery SetDelivery(Delivery delivery);

private:
    QLabel& line_;
};

}  // namespace tablerix
