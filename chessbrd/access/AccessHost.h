#pragma once
// What the board's accessible table (BoardAccessible) and its cells read of
// the board: its control, its position, where each square is shown, the
// keyboard cursor and the picked-up square. The board control implements it.
//
// Ownership: the host outlives the table; it deletes the table before it
// goes, and the table tells it when Qt deletes it earlier.
// Threads: user-interface thread only.

#include "BoardPosition.h"
#include "ChessTypes.h"

#include <QPoint>
#include <QRect>

class QWidget;

namespace tablerix {

class AccessHost {
public:
    virtual QWidget& AccessControl() noexcept = 0;
    virtual const BoardPosition& AccessPosition() const noexcept = 0;
    // The square shown at a screen cell (column, row from the top left, 0..7).
    virtual Square AccessSquareAtCell(QPoint cell) const noexcept = 0;
    virtual QPoint AccessCellOf(Square sq) const noexcept = 0;
    // The square's rectangle in the control's coordinates.
    virtual QRect AccessSquareRect(Square sq) const noexcept = 0;
    virtual Square AccessCursor() const noexcept = 0;
    virtual Square AccessSelected() const noexcept = 0;
    // The table is being deleted; the host must not hand it out again.
    virtual void AccessibleGone() noexcept = 0;

protected:
    AccessHost() = default;
    ~AccessHost() = default;
    AccessHost(const AccessHost&) = default;
    AccessHost& operator=(const AccessHost&) = default;
};

}  // namespace tablerix
