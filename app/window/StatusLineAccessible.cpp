#include "StatusLineAccessible.h"

#include <QLabel>

namespace tablerix {

StatusLineAccessible::StatusLineAccessible(QLabel* line) : QAccessibleWidget(line, QAccessible::StaticText) {}

QString StatusLineAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        const QString shown = static_cast<QLabel*>(widget())->text();
        if (!shown.isEmpty()) return shown;
    }
    return QAccessibleWidget::text(t);
}

}  // namespace tablerix
