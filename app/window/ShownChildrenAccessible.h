#pragma once
// ShownChildrenAccessible: what a screen reader sees of a container (the
// window, its panels): the container itself and only those children not
// hidden, so staging fields and lists kept out of sight stay out of the
// accessible tree. Created by Qt's accessibility factory (see
// WindowAccessibility); owned by Qt's accessibility cache. UI thread only.

#include <QAccessibleWidget>

namespace tablerix {

class ShownChildrenAccessible : public QAccessibleWidget {
public:
    // container: the widget it speaks for; not owned.
    explicit ShownChildrenAccessible(QWidget* container, QAccessible::Role role);

    // Only children that are not hidden count; positions follow that list.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QWidgetList ShownChildren() const;
};

}  // namespace tablerix
