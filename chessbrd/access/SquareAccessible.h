#pragma once
// One cell of the board's accessible table: a square, named as MoveSpeech
// describes it ("e4, peón blanco", "f6, vacía"), with its rectangle on the
// screen and its states (focusable, focused under the keyboard cursor while
// the board has the focus, selected when picked up). The square shown at
// its row and column is looked up each time, so turning the board is seen.
//
// Ownership: made, registered and deleted by its table (BoardAccessible).
// User-interface thread only.

#include "AccessHost.h"

#include <QAccessible>
#include <QPointer>

namespace tablerix {

class BoardAccessible;

class SquareAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    // index: row * 8 + column as shown on screen.
    SquareAccessible(BoardAccessible& table, AccessHost& host, int index);

    Square SquareShown() const noexcept;

    // ---- QAccessibleInterface ----
    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // ---- QAccessibleTableCellInterface ----
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % 8; }
    int rowIndex() const override { return index_ / 8; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    BoardAccessible& table_;
    AccessHost& host_;
    QPointer<QWidget> board_;
    int index_;
};

}  // namespace tablerix
