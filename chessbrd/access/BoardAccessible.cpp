#include "BoardAccessible.h"

#include "SquareAccessible.h"

#include <QWidget>

namespace tablerix {

BoardAccessible::BoardAccessible(QWidget* board, AccessHost& host)
    : QAccessibleWidget(board, QAccessible::Table), host_(host) {}

BoardAccessible::~BoardAccessible() {
    for (const QAccessible::Id id : cells_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    host_.AccessibleGone();
}

int BoardAccessible::IndexOf(Square sq) const noexcept {
    if (!IsOnBoard(sq)) return -1;
    const QPoint cell = host_.AccessCellOf(sq);
    return cell.y() * 8 + cell.x();
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return QStringLiteral("Tablero");
    return QAccessibleWidget::text(t);
}

QAccessible::State BoardAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    return s;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= 64) return nullptr;
    QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
    if (id == 0) {
        // Qt's cache owns the cell from here; this table deletes it through the cache.
        auto* cell = new SquareAccessible(*const_cast<BoardAccessible*>(this), host_, index);
        id = QAccessible::registerAccessibleInterface(cell);
    }
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < 64; ++i) {
        const QAccessible::Id id = cells_[static_cast<std::size_t>(i)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child) return i;
    }
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < 64; ++i) {
        const Square sq = host_.AccessSquareAtCell(QPoint(i % 8, i / 8));
        if (host_.AccessSquareRect(sq).contains(local)) return child(i);
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    return widget()->hasFocus() ? child(IndexOf(host_.AccessCursor())) : nullptr;
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
    if (row < 0 || row > 7 || column < 0 || column > 7) return nullptr;
    return child(row * 8 + column);
}

int BoardAccessible::selectedCellCount() const { return IsOnBoard(host_.AccessSelected()) ? 1 : 0; }

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const {
    const int index = IndexOf(host_.AccessSelected());
    if (index < 0) return {};
    return {child(index)};
}

QString BoardAccessible::columnDescription(int column) const {
    const Square sq = host_.AccessSquareAtCell(QPoint(column, 0));
    if (!IsOnBoard(sq)) return {};
    return QString(QChar(u'a' + (ToInt(sq) - 1) % 8));
}

QString BoardAccessible::rowDescription(int row) const {
    const Square sq = host_.AccessSquareAtCell(QPoint(0, row));
    if (!IsOnBoard(sq)) return {};
    return QString::number(8 - (ToInt(sq) - 1) / 8);
}

}  // namespace tablerix
