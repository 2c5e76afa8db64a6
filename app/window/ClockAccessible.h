#pragma once
// ClockAccessible: one clock panel (caption and hours, minutes, seconds
// labels) as one accessible text named "Blancas 00:01:23" (Qt's clock role
// reaches the desktop's bridge as an unknown one). The name is
// read from the labels when asked, so a ticking clock sends no event; the
// labels inside are not objects of their own. Created by the window's
// accessibility factory; owned by Qt's accessibility cache. UI thread only.

#include <QAccessibleWidget>

namespace tablerix {

class ClockAccessible : public QAccessibleWidget {
public:
    // panel: the clock's frame, its labels its children in reading order;
    // not owned.
    explicit ClockAccessible(QWidget* panel);

    // Name: the caption, a blank and the time; Value: the time alone.
    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

}  // namespace tablerix
