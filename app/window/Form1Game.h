#pragma once
// The game as the main window's controls hold it: read out for a save or a
// print, and replaced by a loaded game replayed onto the board. TForm1 makes
// one of these over its own controls and state whenever it needs it; the
// commands reach it only through the window's operations of the same names.
// It owns nothing. User-interface thread only.

#include "GameFile.h"
#include "GameSheet.h"
#include "LoadedGame.h"

#include <string_view>
#include <vector>

namespace tablerix {

class TForm1;
class WindowActions;
struct Form1Controls;
struct Form1State;

class Form1Game {
public:
    Form1Game(TForm1& form, const Form1Controls& ui, Form1State& state, WindowActions& actions)
        : form_(form), ui_(ui), state_(state), actions_(actions) {}

    // What a save of the window ui writes: both move lists, the clock
    // labels, the choice lists and the notes.
    static GameRecordText Collect(const Form1Controls& ui);
    // What the printed sheet shows, as the window ui shows it now.
    static GameSheetData Sheet(const Form1Controls& ui);

    // Replays a checked game onto the window in place of the current one,
    // then runs the load's final steps. Escape (the window's HurryLoad)
    // turns the animation off for the moves still to come.
    void Apply(const LoadedGame& game);
    // The final steps of every load command, a cancelled dialog included:
    // the clocks run unless the game is over, the choices go to the board.
    void FinishLoad();

private:
    // The steps of Apply, in order.
    // Empties the lists, the notes and the board for the game to come.
    void ClearGame();
    // The loading panel with the game's header in place of the controls.
    void ShowLoadingPanel(const QString& header);
    void ApplySettings(const LoadedGame& game);
    // No engine move and, unless asked for, no animation during the replay.
    void HoldEngineAndAnimation();
    // Replays with the loading flags set, then puts animation back and hides
    // the panel. False when the window was closed during the replay.
    bool ReplayLoading(const LoadedGame& game, std::vector<std::string_view>& words);
    // False when the window was closed during the replay. words gets the
    // annotation of each move made ("Jaque" ... or empty).
    bool Replay(const LoadedGame& game, std::vector<std::string_view>& words);
    // Fills the window's lists, notes and clocks once the game is replayed.
    void TakeListsNotesAndClocks(const LoadedGame& game, const std::vector<std::string_view>& words);
    // The visible list as saved, or annotated from the replay's words.
    void FillVisibleList(const LoadedGame& game, const std::vector<std::string_view>& words);
    // The clocks go on from what the labels show.
    void ClocksFromLabels();

    TForm1& form_;
    const Form1Controls& ui_;
    Form1State& state_;
    WindowActions& actions_;
};

}  // namespace tablerix
