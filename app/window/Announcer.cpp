#include "Announcer.h"

#include <QAccessible>
#include <QLabel>

namespace tablerix {

namespace {

Announcer::Delivery& CurrentDelivery() {
    static Announcer::Delivery delivery = nullptr;
    return delivery;
}

}  // namespace

Announcer::Announcer(QLabel& line) : line_(line) {
    // Non-empty, so QLabel::setText stays quiet; the line's interface
    // (StatusLineAccessible) reads the sentence as its name.
    line_.setAccessibleName(QStringLiteral("Avisos"));
}

void Announcer::Say(const QString& sentence) {
    line_.setText(sentence);
    QAccessibleEvent event(&line_, QAccessible::NameChanged);
    if (Delivery deliver = CurrentDelivery()) deliver(&event);
    else QAccessible::updateAccessibility(&event);
}

QString Announcer::Said() const { return line_.text(); }

Announcer::Delivery Announcer::SetDelivery(Delivery delivery) {
    const Delivery old = CurrentDelivery();
    CurrentDelivery() = delivery;
    return old;
}

}  // namespace tablerix
