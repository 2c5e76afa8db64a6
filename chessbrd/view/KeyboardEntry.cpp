#include "KeyboardEntry.h"

#include "BoardGeometry.h"
#include "BoardStyle.h"

#include <QKeyEvent>

#include <algorithm>

namespace tablerix {

namespace {

bool HasCommandModifier(const QKeyEvent& event) {
    return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return true;
    default: return false;
    }
}

}  // namespace

void KeyboardEntry::SetCursor(Square sq) {
    if (!IsOnBoard(sq) || sq == cursor_) return;
    const Square from = cursor_;
    cursor_ = sq;
    host_.CursorMoved(from, sq);
}

void KeyboardEntry::ClearText() { SetText(QString()); }

void KeyboardEntry::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    host_.FireTypedEntryChanged(Text());
}

bool KeyboardEntry::Printable(const QString& text) {
    if (text.isEmpty()) return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint() && !c.isSpace(); });
}

bool KeyboardEntry::Claims(const QKeyEvent& event) const {
    if (HasCommandModifier(event)) return false;
    const int key = event.key();
    if (IsNavigationKey(key)) return true;
    if (key == Qt::Key_Escape) return !text_.isEmpty() || host_.PickedUp() != Square::None;
    if (key == Qt::Key_Backspace) return !text_.isEmpty();
    return Printable(event.text());
}

bool KeyboardEntry::Press(const QKeyEvent& event) {
    if (!Claims(event)) return false;
    switch (event.key()) {
    case Qt::Key_Left: Step(-1, 0); break;
    case Qt::Key_Right: Step(1, 0); break;
    case Qt::Key_Up: Step(0, -1); break;
    case Qt::Key_Down: Step(0, 1); break;
    case Qt::Key_Home: MoveToCell(0, BoardGeometry::Of(style_).ScreenCell(cursor_).y()); break;
    case Qt::Key_End: MoveToCell(7, BoardGeometry::Of(style_).ScreenCell(cursor_).y()); break;
    case Qt::Key_PageUp: MoveToCell(BoardGeometry::Of(style_).ScreenCell(cursor_).x(), 0); break;
    case Qt::Key_PageDown: MoveToCell(BoardGeometry::Of(style_).ScreenCell(cursor_).x(), 7); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (text_.isEmpty()) {
            Activate(cursor_);
        } else {
            // Cleared first: the owner may answer with a message box.
            const std::string typed = Text();
            ClearText();
            host_.FireTypedMove(typed);
        }
        break;
    case Qt::Key_Space:
        if (text_.isEmpty()) Activate(cursor_);
        break;
    case Qt::Key_Escape:
        ClearText();
        host_.PickUp(Square::None);
        break;
    case Qt::Key_Backspace: {
        QString shorter = text_;
        shorter.chop(shorter.size() >= 2 && shorter.back().isLowSurrogate() ? 2 : 1);
        SetText(shorter);
        break;
    }
    default: SetText(text_ + event.text()); break;
    }
    return true;
}

void KeyboardEntry::Activate(Square sq) {
    const Square picked = host_.PickedUp();
    if (picked != Square::None && host_.CanPlay(picked, sq)) {
        host_.Play(picked, sq);
    } else if (sq == picked) {
        host_.PickUp(Square::None);
    } else if (host_.CanPickUp(sq)) {
        host_.PickUp(sq);
    }
}

void KeyboardEntry::Step(int dx, int dy) {
    const QPoint cell = BoardGeometry::Of(style_).ScreenCell(cursor_);
    MoveToCell(std::clamp(cell.x() + dx, 0, 7), std::clamp(cell.y() + dy, 0, 7));
}

void KeyboardEntry::MoveToCell(int column, int row) {
    SetCursor(BoardGeometry::Of(style_).SquareAtCell(QPoint(column, row)));
}

}  // namespace tablerix
