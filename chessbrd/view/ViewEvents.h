#pragma once
// Mouse and drag event types of the board control. An empty std::function is
// an unassigned event. Positions are in the board's own coordinates.

#include <QObject>

#include <functional>
#include <string>

namespace tablerix {

class TChessBrd;

// Which query of a drag this is: the first over the control, a further one,
// or the last before the pointer leaves it.
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// The board always starts its drags itself; the value is only kept.
enum class TDragMode { dmManual, dmAutomatic };

using TMouseEvent =
    std::function<void(TChessBrd& Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TChessBrd& Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;
using TStartDragEvent = std::function<void(TChessBrd& Sender)>;
// Accept starts false; the board's own rule may turn it true afterwards.
using TDragOverEvent =
    std::function<void(TChessBrd& Sender, QObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TChessBrd& Sender, QObject* Source, int X, int Y)>;
// Target is the board after a drop, nullptr after a cancel.
using TEndDragEvent = std::function<void(TChessBrd& Sender, QObject* Target, int X, int Y)>;
// Text typed on the board, UTF-8; the board does not read it as a move.
using TTextEvent = std::function<void(TChessBrd& Sender, const std::string& Text)>;

}  // namespace tablerix
