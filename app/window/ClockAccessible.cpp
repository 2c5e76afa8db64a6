#include "ClockAccessible.h"

#include <QLabel>
#include <QWidget>

namespace tablerix {

ClockAccessible::ClockAccessible(QWidget* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

QString ClockAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name && t != QAccessible::Value) return QAccessibleWidget::text(t);
    // The caption first, then the digits and colons as shown.
    QString caption;
    QString time;
    for (const QLabel* label : widget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (caption.isEmpty()) caption = label->text();
        else time += label->text();
    }
    return t == QAccessible::Value ? time : caption + u' ' + time;
}

}  // namespace tablerix
