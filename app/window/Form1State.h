#pragma once
// The main window's own state flags and clock counters. TForm1 keeps one to
// itself; the code that replays a loaded game on its behalf gets it too.
// Plain values; user-interface thread only, like the window.

#include "GameClocks.h"

#include <QString>

namespace tablerix {

struct Form1State {
    bool ClocksRunning = false;  // the clocks advance on each tick
    bool Loading = false;        // a saved game is being replayed onto the board
    bool AnimateLoad = true;     // the next load replays its moves animated
    bool HurryLoad = false;      // Escape: the load under way plays its remaining moves unanimated
    GameClocks Clocks;           // GameClock, WhiteClock, BlackClock
    QString DialogDirectory;     // where the save and open dialogs start: documents, then the last folder used
    // The game's file, which a save proposes: the one loaded (or a load
    // tried) or last saved to; empty for a new game and one from the clipboard.
    QString GameFile;
};

}  // namespace tablerix
