#pragma once
// What a screen reader says of the board, in Spanish: a square and what
// stands on it ("e4, peón blanco", "f6, vacía"), a half-move with what it
// did ("Negras: caballo de g8 a f6", "Blancas: peón de e5 a d6, captura
// peón al paso, jaque"), and the whole position piece by piece. Pure
// functions on position values; any thread.

#include "BoardPosition.h"
#include "HalfMove.h"

#include <string>

namespace tablerix {

class MoveSpeech {
public:
    // How the game stands after a move, as the board reported it.
    enum class Outcome { None, Check, Mate, Draw };

    // "peón blanco", "dama negra"; an empty text for a blank or no piece letter.
    static std::string PieceName(char letter);
    // "e4" (lower case); "--" off the board.
    static std::string SquareName(Square sq);
    // "e4, peón blanco", or "f6, vacía".
    static std::string Describe(const BoardPosition& position, Square sq);
    // The half-move move played from before, and how the game then stood.
    static std::string Move(const BoardPosition& before, const HalfMove& move, Outcome outcome);
    // "Juegan blancas. Blancas: rey e1, dama d1, … Negras: …", kings first,
    // then queens, rooks, bishops, knights and pawns, each from a8 to h1.
    static std::string Position(const BoardPosition& position);
};

}  // namespace tablerix
