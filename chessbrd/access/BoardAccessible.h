#pragma once
// The board as a screen reader sees it: a table named "Tablero" of 8 rows
// and 8 columns as shown on screen (White at the bottom: rank 8 to rank 1,
// files a to h), whose cells (SquareAccessible) say what stands on each
// square. The focused cell is the keyboard cursor's while the board has the
// focus; the selected cell is the picked-up piece's. Row and column
// descriptions are the rank digits and file letters.
//
// Ownership: made by the board's accessibility factory and owned by Qt's
// accessibility cache. It owns its cells, made on first use, registered
// with the cache and deleted with it. User-interface thread only.

#include "AccessHost.h"

#include <QAccessibleWidget>

#include <array>

namespace tablerix {

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    BoardAccessible(QWidget* board, AccessHost& host);
    ~BoardAccessible() override;

    // Screen index (row * 8 + column) of a square; -1 off the board.
    int IndexOf(Square sq) const noexcept;

    // ---- QAccessibleInterface ----
    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 64; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // ---- QAccessibleTableInterface ----
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 8; }
    int rowCount() const override { return 8; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells are fixed; their names are read afresh whenever asked.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    AccessHost& host_;
    mutable std::array<QAccessible::Id, 64> cells_{};  // 0: not made yet
};

}  // namespace tablerix
