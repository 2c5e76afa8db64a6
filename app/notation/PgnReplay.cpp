#include "PgnReplay.h"

#include "Utf8Text.h"

namespace tablerix {

std::string PgnReplay::Result::Message() const {
    if (Ok()) return {};
    if (TooLong) return "La partida es demasiado larga";
    return "Error en la jugada " + std::to_string(ErrorMoveNumber) + ": " + Utf8Text::Printable(ErrorToken);
}

PgnReplay::Result PgnReplay::Run(const std::vector<PgnMoveToken>& tokens) {
    ScratchReplay replay;
    return Run(tokens, replay);
}

PgnReplay::Result PgnReplay::Run(const std::vector<PgnMoveToken>& tokens, ChessBrdCore& board) {
    ScratchReplay replay(board);
    return Run(tokens, replay);
}

PgnReplay::Result PgnReplay::Run(const std::vector<PgnMoveToken>& tokens, ScratchReplay& replay) {
    Result r;
    r.Moves.reserve(tokens.size());
    for (const PgnMoveToken& token : tokens) {
        const San::Reading reading = San::Read(replay.Current(), token.Text);
        San::Error fault = reading.Fault;
        // The board also refuses every move once a repetition stands, and
        // moves past its record's end.
        if (reading.Ok() && !replay.Play(reading.Move)) {
            fault = San::Error::Illegal;
            r.TooLong = replay.Full();
        }
        if (fault != San::Error::None) {
            r.Fault = fault;
            r.ErrorHalfMove = token.HalfMove;
            r.ErrorMoveNumber = token.MoveNumber();
            r.ErrorToken = token.Text;
            return r;
        }
        r.Moves.push_back(reading.Move);
    }
    return r;
}

}  // namespace tablerix
