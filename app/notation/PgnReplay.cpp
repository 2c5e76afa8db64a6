#include "PgnReplay.h"

namespace tablerix {

std::string PgnReplay::Result::Message() const {
    if (Ok()) return {};
    return "Error en la jugada " + std::to_string(ErrorMoveNumber) + ": " + ErrorToken;
}

PgnReplay::Result PgnReplay::Run(const std::vector<PgnMoveToken>& tokens) {
    ChessBrdCore board;
    return Run(tokens, board);
}

PgnReplay::Result PgnReplay::Run(const std::vector<PgnMoveToken>& tokens, ChessBrdCore& board) {
    Result r;
    r.Moves.reserve(tokens.size());
    for (const PgnMoveToken& token : tokens) {
        const San::Reading reading = San::Read(BoardState::FromCore(board), token.Text);
        San::Error fault = reading.Fault;
        if (reading.Ok()) {
            board.SetPromotionPiece(reading.Move.Promotion != 0 ? reading.Move.Promotion : 'q');
            // The board also refuses every move once a repetition stands, and
            // moves past its record's end.
            if (!board.PerformMove(reading.Move.From, reading.Move.To)) fault = San::Error::Illegal;
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
