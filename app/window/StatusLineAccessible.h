#pragma once
// StatusLineAccessible: a label whose text is read when asked: the window's
// status line, whose name is the sentence said last ("Avisos" before any)
// so the Announcer's NameChanged event carries the sentence, and the status
// bar's time and date, which change every second without an event. Created by the
// window's accessibility factory; owned by Qt's accessibility cache. UI
// thread only.

#include <QAccessibleWidget>

class QLabel;

namespace tablerix {

class StatusLineAccessible : public QAccessibleWidget {
public:
    // line: not owned.
    explicit StatusLineAccessible(QLabel* line);

    QString text(QAccessible::Text t) const override;  // Name: the shown sentence
};

}  // namespace tablerix
