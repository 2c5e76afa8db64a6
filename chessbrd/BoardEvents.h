#pragma once
// Event handler types of the board. Plain C++. An empty std::function means
// "unassigned": the event does not fire. Parameters passed by reference may
// be changed by the handler.

#include "ChessTypes.h"

#include <functional>

namespace tablerix {

class ChessBrdCore;

using TNotifyEvent = std::function<void(ChessBrdCore& Sender)>;
using TMoveEvent = std::function<void(ChessBrdCore& Sender, Square oldSq, Square newSq)>;
using TCaptureEvent = std::function<void(ChessBrdCore& Sender, Square oldSq, Square newSq, char CapturedPiece)>;
using TOneSquareEvent = std::function<void(ChessBrdCore& Sender, Square square)>;
using TPromotionEvent = std::function<void(ChessBrdCore& Sender, Square oldSq, Square newSq, char& NewPiece)>;
using TThinkEvent = std::function<void(ChessBrdCore& Sender, Square& oldsq, Square& newsq)>;

}  // namespace tablerix
