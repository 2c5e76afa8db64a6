#pragma once
// Moves typed at the board: what is being typed is said on the status line
// as it changes, and on Return the text is read (coordinates or SAN, in
// English or Spanish letters) and played as a drop would be, or refused
// with a short reason and the board unchanged. Promotion follows the
// board's own piece. User-interface thread only.

#include <string>

namespace tablerix {

class Announcer;
class TChessBrd;

class TypedMoveInput {
public:
    // Takes over the board's two typed-entry events. Neither object is
    // owned; both must outlive this one (the window owns all three).
    TypedMoveInput(TChessBrd& board, Announcer& announcer);
    TypedMoveInput(const TypedMoveInput&) = delete;
    TypedMoveInput& operator=(const TypedMoveInput&) = delete;

    // The text on Return: played when legal now, else the reason is said.
    // True when the move was played.
    bool Enter(const std::string& text);

private:
    void Changed(const std::string& text);

    TChessBrd& board_;
    Announcer& announcer_;
};

}  // namespace tablerix
