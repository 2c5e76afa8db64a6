#pragma once
// The save and load commands of the main window: what its header buttons
// " Salvar Partida ", " Cargar Partida CON Animación " and " Cargar Partida
// SIN Animación " do. A short-lived helper over the window; it owns nothing.
// User-interface thread only.

#include "GameFile.h"
#include "GameFileCheck.h"

#include <QString>

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

    // Asks for a file and writes the game to it. A failed write leaves any
    // old file as it was and says so.
    void Save();
    // Asks for a file and loads it as LoadPath does; a cancelled dialog
    // only runs the final steps.
    void Load();
    // Loads the game in the file at path as if it had been picked in the
    // open dialog: the dialog remembers the name, the file is checked whole
    // and only a usable one replaces the game (replayed onto the board,
    // animated when the window's AnimateLoad is set). A missing, unreadable
    // or unusable file is refused with its message and the window stays
    // exactly as it was, the clocks and the engine halted only while the
    // message is up. AnimateLoad is true again afterwards.
    void LoadPath(const QString& path);

    // The window's game as the file holds it.
    GameRecordText Collect() const;

private:
    // A file that passed the check: clears the window, replays the game and
    // shows it, as the load steps say.
    void LoadChecked(const QString& path, const GameFileCheck& check);
    void ApplySettings(const GameFile& file);
    // False when the window was closed during the replay.
    bool Replay(const GameFileCheck& check);
    // Fills the window's lists, notes and clocks from the file once replayed.
    void TakeListsNotesAndClocks(const GameFile& file);
    // The message for a file that is not loaded; nothing else changes.
    void Refuse(const QString& text);
    void FinalSteps();

    TForm1& form_;
};

}  // namespace tablerix
