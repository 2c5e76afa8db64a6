#pragma once
// The save and load commands of the main window: what its header buttons
// " Salvar Partida ", " Cargar Partida CON Animación " and " Cargar Partida
// SIN Animación " do, for ".Chess" files and PGN games alike: the files and
// their checks. The window itself collects and replays the game; it is
// reached only through CommandHost. A short-lived helper over the host; it
// owns nothing. User-interface thread only.

#include "CommandHost.h"
#include "GameFile.h"
#include "GameFileCheck.h"
#include "LoadedGame.h"

#include <QString>

namespace tablerix {

class GameFileCommands {
public:
    static inline const QString kSaveFailed = QStringLiteral("Error al Salvar el Fichero");
    static inline const QString kNotFound = QStringLiteral("Error No Encuentro el Fichero");
    static inline const QString kReadFailed = QStringLiteral("Error al Leer el Fichero");
    static inline const QString kContinue = QStringLiteral("        Continuar Partida");
    static inline const QString kBadFile = QStringLiteral("*****     Error en el Fichero     *****");

    explicit GameFileCommands(CommandHost& host) : host_(host) {}

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
    // game (replayed onto the board, animated when the host's AnimateLoad
    // is set). A missing, unreadable or unusable file is refused with its
    // message and the window stays exactly as it was, the clocks and the
    // engine halted only while the message is up. AnimateLoad is true again
    // afterwards.
    void LoadPath(const QString& path);
    // Loads the ".Chess" game at path as LoadPath does, but as a game kept
    // by the program itself: header names it and the dialogs do not take
    // the file's name.
    void Recover(const QString& path, const QString& header);

    // Refuses a load with text in a box of that kind: nothing of the game
    // changes.
    void RefuseLoad(CommandHost::Message kind, const QString& text);

private:
    void LoadAs(const QString& path, bool pgn);
    void LoadChess(const QString& path, const QString& header, bool userFile);
    static LoadedGame FromCheck(const QString& header, const GameFileCheck& check);
    // The message for a file that is not loaded; nothing else changes.
    void Refuse(CommandHost::Message kind, const QString& text);

    CommandHost& host_;
};

}  // namespace tablerix
