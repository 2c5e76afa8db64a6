#pragma once
// The save and load commands of the main window: what its header buttons
// " Salvar Partida ", " Cargar Partida CON Animación " and " Cargar Partida
// SIN Animación " do, for ".Chess" files and PGN games alike. A short-lived
// helper over the window; it owns nothing. User-interface thread only.

#include "GameFile.h"
#include "GameFileCheck.h"
#include "LoadedGame.h"

#include <QString>

#include <string_view>
#include <vector>

namespace tablerix {

class TForm1;

class GameFileCommands {
public:
    static inline const QString kSaveFailed = QStringLiteral("Error al Salvar el Fichero");
    static inline const QString kNotFound = QStringLiteral("Error No Encuentro el Fichero");
    static inline const QString kReadFailed = QStringLiteral("Error al Leer el Fichero");
    static inline const QString kContinue = QStringLiteral("        Continuar Partida");
    static inline const QString kBadFile = QStringLiteral("*****     Error en el Fichero     *****");

    explicit GameFileCommands(TForm1& form) : form_(form) {}

    // Asks for a file and writes the game to it, as PGN when the name or the
    // chosen filter says so. A failed write leaves any old file as it was
    // and says so.
    void Save();
    // Asks for a file and loads it as LoadPath does; a cancelled dialog
    // only runs the final steps.
    void Load();
    // Loads the game in the file at path (a ".pgn" name: its first PGN game)
    // as if it had been picked in the open dialog: the dialog remembers the
    // name, the file is checked whole and only a usable one replaces the
    // game (replayed onto the board, animated when the window's AnimateLoad
    // is set). A missing, unreadable or unusable file is refused with its
    // message and the window stays exactly as it was, the clocks and the
    // engine halted only while the message is up. AnimateLoad is true again
    // afterwards.
    void LoadPath(const QString& path);

    // Replays a checked game onto the window in place of the current one,
    // then runs the load's final steps. Escape (the window's HurryLoad)
    // turns the animation off for the moves still to come.
    void Play(const LoadedGame& game);
    // Refuses a load with text under caption: nothing of the game changes.
    void RefuseLoad(const QString& text, const QString& caption);

    // The window's game as the file holds it.
    GameRecordText Collect() const;

private:
    void LoadAs(const QString& path, bool pgn);
    static LoadedGame FromCheck(const QString& path, const GameFileCheck& check);
    // The steps of Play, in order.
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
    // The message for a file that is not loaded; nothing else changes.
    void Refuse(const QString& text, const QString& caption);
    void FinalSteps();

    TForm1& form_;
};

}  // namespace tablerix
