#pragma once
// MoveSentence: what the status line says of the position the board shows,
// as Spanish text: the half-move that led to it with how the game then
// stood, or "Posición inicial". UI thread only (reads the board).

#include "MoveSpeech.h"

#include <QString>

namespace tablerix {

class ChessBrdCore;

class MoveSentence {
public:
    static inline const QString kStart = QStringLiteral("Posición inicial");

    // The half-move that led to the shown position, outcome as the board
    // reported it.
    static QString Shown(const ChessBrdCore& board, MoveSpeech::Outcome outcome);
    // The same, the outcome judged on the shown position (navigation: no
    // event reports it): mate, check, or a side left without a move.
    static QString Shown(const ChessBrdCore& board);
};

}  // namespace tablerix
