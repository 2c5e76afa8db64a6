#include "SquareAccessible.h"

#include "BoardAccessible.h"
#include "MoveSpeech.h"

#include <QWidget>
#include <QWindow>

namespace tablerix {

SquareAccessible::SquareAccessible(BoardAccessible& table, AccessHost& host, int index)
    : table_(table), host_(host), board_(&host.AccessControl()), index_(index) {}

Square SquareAccessible::SquareShown() const noexcept {
    return host_.AccessSquareAtCell(QPoint(columnIndex(), rowIndex()));
}

QWindow* SquareAccessible::window() const { return board_ ? board_->window()->windowHandle() : nullptr; }

QAccessibleInterface* SquareAccessible::parent() const { return &table_; }

QAccessibleInterface* SquareAccessible::table() const { return &table_; }

QString SquareAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !board_) return {};
    return QString::fromStdString(MoveSpeech::Describe(host_.AccessPosition(), SquareShown()));
}

QRect SquareAccessible::rect() const {
    if (!board_) return {};
    const QRect r = host_.AccessSquareRect(SquareShown());
    return QRect(board_->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State SquareAccessible::state() const {
    QAccessible::State s;
    if (!board_) {
        s.invalid = true;
        return s;
    }
    s.focusable = true;
    s.selectable = true;
    if (!board_->isVisible()) s.invisible = true;
    s.focused = board_->hasFocus() && host_.AccessCursor() == SquareShown();
    s.selected = isSelected();
    return s;
}

void* SquareAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool SquareAccessible::isSelected() const { return board_ && host_.AccessSelected() == SquareShown(); }

}  // namespace tablerix
