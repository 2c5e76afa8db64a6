#pragma once
// Playing on the board from the keyboard while it has the focus. A square
// cursor (starting on e2) moves with the arrows as the board is seen on
// screen, Home/End to the first or last column, Page Up/Down to the top or
// bottom row. Return or Space on a piece of the side to move picks it up;
// on one of its legal targets plays the move; on the picked-up piece drops
// it; anywhere else does nothing. Escape drops the pick-up.
//
// Printable characters go into a typed buffer that the board does not read:
// Backspace removes the last one, Escape clears it, Return with text hands
// it over (OnTypedMove) and clears it; Space with text does nothing. Every
// change fires OnTypedEntryChanged. Keys held with Ctrl, Alt or Meta are
// never taken, so the window's shortcuts keep working; Escape and Backspace
// are taken only when they have something to clear.
//
// Owned by the board control; works on it through its KeyHost side and
// reads its style for the orientation. User-interface thread only.

#include "ChessTypes.h"
#include "KeyHost.h"

#include <QString>

#include <string>

class QKeyEvent;

namespace tablerix {

struct BoardStyle;

class KeyboardEntry {
public:
    // Both belong to the board and must outlive the entry.
    KeyboardEntry(KeyHost& host, const BoardStyle& style) noexcept : host_(host), style_(style) {}

    Square Cursor() const noexcept { return cursor_; }
    // Moves the cursor to an on-board square (CursorMoved); others are ignored.
    void SetCursor(Square sq);
    // The typed buffer, UTF-8.
    std::string Text() const { return text_.toStdString(); }
    // Empties the buffer (OnTypedEntryChanged when it held text).
    void ClearText();

    // The key is the board's rather than a window shortcut's.
    bool Claims(const QKeyEvent& event) const;
    // Handles a key press; false when the key is not the board's.
    bool Press(const QKeyEvent& event);
    // Return or Space on sq, as described above.
    void Activate(Square sq);

private:
    void Step(int dx, int dy);
    void MoveToCell(int column, int row);
    void SetText(const QString& text);
    static bool Printable(const QString& text);

    KeyHost& host_;
    const BoardStyle& style_;
    Square cursor_ = Square::E2;
    QString text_;
};

}  // namespace tablerix
