#pragma once
// Shared vocabulary of the rules core, the engine and the view: squares,
// piece letters, castling rights and castlings, coordinate sides, the
// game-record entry, the half-move and the engine's position. Plain C++; names neither the
// board nor threads.

#include "CastleSet.h"
#include "CastlingSquares.h"
#include "CoordSet.h"
#include "HalfMove.h"
#include "MoveInfo.h"
#include "PieceLetters.h"
#include "PositionSnapshot.h"
#include "Square.h"
