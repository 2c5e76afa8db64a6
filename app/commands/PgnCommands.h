#pragma once
// PGN and FEN in the main window: saving the game as PGN, loading the first
// game of a PGN file or of the clipboard through the window's load path, and
// copying the game (PGN) or the shown position (FEN) to the clipboard. A
// short-lived helper over the window, reached through CommandHost; it owns
// nothing. User-interface thread only.

#include "CommandHost.h"
#include "LoadedGame.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tablerix {

class PgnCommands {
public:
    static inline const QString kNoGameInClipboard = QStringLiteral("No hay ninguna partida en el portapapeles");

    explicit PgnCommands(CommandHost& host) : host_(host) {}

    // The host's game in PGN export format: its moves from the start up
    // to the shown position, today's date, Black's player, the clocks and
    // the notes. Nothing only when the board's record cannot be written.
    std::optional<QByteArray> ExportText() const;
    // Writes ExportText safely to path; false (old file kept) on any failure.
    bool SaveTo(const QString& path) const;

    // Loads the first game of the PGN file at path without touching the
    // current game unless the whole game replays; refusals say why.
    void LoadPath(const QString& path);
    // The same for the clipboard's text, always without animation.
    void PasteGame();
    // The game as PGN, or the shown position as FEN, onto the clipboard.
    void CopyGame() const;
    void CopyFen() const;

    // What a PGN text holds for the window: the game checked against the
    // rules, or the message that refuses it.
    struct Reading {
        std::optional<LoadedGame> Game;
        QString Fault;        // the message when there is no game
        bool NoGame = false;  // nothing that looks like a game at all, or no text
    };
    static Reading Read(const QByteArray& bytes);

private:
    void Load(const QByteArray& bytes, const QString& header, bool fromClipboard);

    CommandHost& host_;
};

}  // namespace tablerix
