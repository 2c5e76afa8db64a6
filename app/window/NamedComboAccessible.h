#pragma once
// NamedComboAccessible: a drop-down list as a screen reader meets it, named
// by its label ("Dificultad") with its choice as the value. Qt's own
// interface on Linux names a list by its current choice, so two lists
// under the same caption could not be told apart. Created by the window's
// accessibility factory; owned by Qt's accessibility cache. UI thread only.

#include <QAccessibleWidget>

class QComboBox;

namespace tablerix {

class NamedComboAccessible : public QAccessibleWidget {
public:
    // list: not owned.
    explicit NamedComboAccessible(QComboBox* list);

    // Name: the list's accessible name; Value: the choice shown.
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;  // expandable, expanded while open
    // "Press" and "showMenu" open the list, as Alt+Down does.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QComboBox* List() const;
};

}  // namespace tablerix
