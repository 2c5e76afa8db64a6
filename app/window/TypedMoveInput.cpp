#include "TypedMoveInput.h"

#include "Announcer.h"
#include "TChessBrd.h"
#include "TypedMove.h"

namespace tablerix {

TypedMoveInput::TypedMoveInput(TChessBrd& board, Announcer& announcer) : board_(board), announcer_(announcer) {
    board.OnTypedEntryChanged = [this](TChessBrd&, const std::string& text) { Changed(text); };
    board.OnTypedMove = [this](TChessBrd&, const std::string& text) { Enter(text); };
}

void TypedMoveInput::Changed(const std::string& text) {
    if (!text.empty()) announcer_.Say(QStringLiteral("Jugada: ") + QString::fromStdString(text));
}

bool TypedMoveInput::Enter(const std::string& text) {
    // The same rules as a drop: nothing while the computer thinks.
    if (board_.Thinking()) {
        announcer_.Say(QStringLiteral("Espere: el ordenador está pensando"));
        return false;
    }
    const San::Reading reading = TypedMove::Read(board_.CurrentPosition(), text);
    if (reading.Ok() && board_.IsLegalMove(reading.Move.From, reading.Move.To) &&
        board_.MakeMove(reading.Move.From, reading.Move.To))
        return true;  // the move's own sentence follows from the window
    // A full record refuses any move: not the move's fault.
    if (reading.Ok() && board_.RecordFull()) {
        announcer_.Say(QStringLiteral("La partida es demasiado larga"));
        return false;
    }
    // A reading of the position alone misses what the board adds (a standing
    // repetition): then the move is illegal here.
    const San::Error fault = reading.Ok() ? San::Error::Illegal : reading.Fault;
    announcer_.Say(QString::fromStdString(TypedMove::Refusal(text, fault)));
    return false;
}

}  // namespace tablerix
