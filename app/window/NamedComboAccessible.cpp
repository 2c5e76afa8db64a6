#include "NamedComboAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace tablerix {

NamedComboAccessible::NamedComboAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox* NamedComboAccessible::List() const { return static_cast<QComboBox*>(widget()); }

QString NamedComboAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return List()->currentText();
    if (t == QAccessible::Name && List()->accessibleName().isEmpty()) return List()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessible::State NamedComboAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    const bool open = List()->view() && List()->view()->isVisible();
    s.expanded = open;
    s.collapsed = !open;
    return s;
}

QStringList NamedComboAccessible::actionNames() const { return {showMenuAction(), pressAction(), setFocusAction()}; }

void NamedComboAccessible::doAction(const QString& actionName) {
    if (actionName == showMenuAction() || actionName == pressAction()) {
        List()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

}  // namespace tablerix
