#pragma once
// A game that passed its file's check and is ready to be replayed onto the
// window's board: what a ".Chess" file or a PGN game hands to the one load
// path they share. Plain values; any thread.

#include "GameFile.h"
#include "HalfMove.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace tablerix {

struct LoadedGame {
    struct Move {
        HalfMove Played;  // known to be accepted by a new game, in turn
        QString Caption;  // what the loading panel shows for it
    };
    std::vector<Move> Moves;
    // Label texts (LBHor .. LPseg) and choice indexes (ComboJugadores ..
    // ComboBorde); a missing one leaves its label or list as it is.
    std::array<std::optional<QString>, GameFile::kClockFields> ClockTexts;
    std::array<std::optional<int>, GameFile::kChoiceCount> Choices;
    // The visible list as saved; none: annotated from the replay itself.
    std::optional<QStringList> Entries;
    QString Notes;
    QString Header;  // what LPartida shows afterwards
    // Read from a file the user named: until changed, it is saved there.
    bool FromFile = false;
};

}  // namespace tablerix
