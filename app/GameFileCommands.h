#pragma once
// The save and load commands of the main window: what its header buttons
// " Salvar Partida ", " Cargar Partida CON Animación " and " Cargar Partida
// SIN Animación " do. A short-lived helper over the window; it owns nothing.
// User-interface thread only.

#include "GameFile.h"

#include <QString>

namespace tablerix {

class TForm1;

class GameFileCommands {
public:
    static inline const QString kSaveFailed = QStringLiteral("Error al Salvar el Fichero");
    static inline const QString kNotFound = QStringLiteral("Error No Encuentro el Fichero");
    static inline const QString kContinue = QStringLiteral("        Continuar Partida");
    static inline const QString kBadFile = QStringLiteral("*****     Error en el Fichero     *****");

    explicit GameFileCommands(TForm1& form) : form_(form) {}

    // Asks for a file and writes the game to it. A failed write leaves any
    // old file as it was and says so.
    void Save();
    // Asks for a file and replays its game onto the board, animated when
    // the window's AnimateLoad is set; always ends with the final steps.
    void Load();

    // The window's game as the file holds it.
    GameRecordText Collect() const;

private:
    // Steps from clearing the window to the validity check.
    void LoadFile(const QString& path);
    void ApplySettings(const GameFile& file);
    // False when the window was closed during the replay.
    bool Replay(const GameFile& file);
    void FinalSteps();

    TForm1& form_;
};

}  // namespace tablerix
