#pragma once
// Checks a game read by PgnReader against the rules: each move token is read
// as SAN in the position it is played from and carried out on a scratch replay,
// so the moves returned are exactly those the window's board will accept,
// repetition and record length included. The first token that cannot be
// read or played stops the replay. Plain C++; the caller's thread.

#include "ChessBrdCore.h"
#include "PgnTypes.h"
#include "San.h"
#include "ScratchReplay.h"

#include <string>
#include <vector>

namespace tablerix {

class PgnReplay {
public:
    struct Result {
        std::vector<HalfMove> Moves;  // the moves accepted, in order
        San::Error Fault = San::Error::None;
        int ErrorHalfMove = 0;    // 1-based index of the refused token
        int ErrorMoveNumber = 0;  // its move number as the PGN shows it (12 for 12...)
        std::string ErrorToken;   // the token as written
        bool TooLong = false;     // refused only because the board's record is full
        bool Ok() const noexcept { return Fault == San::Error::None; }
        // "Error en la jugada 12: Nf9" (control characters shown as "?"), or
        // "La partida es demasiado larga"; empty when Ok.
        std::string Message() const;
    };

    // Replays tokens on a scratch board from the starting position.
    static Result Run(const std::vector<PgnMoveToken>& tokens);
    // The same on board, which must stand at the start of a new game; it is
    // left after the last move accepted. Its promotion piece is changed.
    static Result Run(const std::vector<PgnMoveToken>& tokens, ChessBrdCore& board);

private:
    static Result Run(const std::vector<PgnMoveToken>& tokens, ScratchReplay& replay);
};

}  // namespace tablerix
