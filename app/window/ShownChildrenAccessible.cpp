#include "ShownChildrenAccessible.h"

#include <QWidget>

namespace tablerix {

ShownChildrenAccessible::ShownChildrenAccessible(QWidget* container, QAccessible::Role role)
    : QAccessibleWidget(container, role) {}

QWidgetList ShownChildrenAccessible::ShownChildren() const {
    QWidgetList shown;
    for (QObject* o : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        // Windows of their own (popups, dialogs) are not inside this one.
        if (w && !w->isWindow() && !w->isHidden()) shown.append(w);
    }
    return shown;
}

int ShownChildrenAccessible::childCount() const { return static_cast<int>(ShownChildren().size()); }

QAccessibleInterface* ShownChildrenAccessible::child(int index) const {
    const QWidgetList shown = ShownChildren();
    if (index < 0 || index >= shown.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(shown.at(index));
}

int ShownChildrenAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    return static_cast<int>(ShownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

}  // namespace tablerix
