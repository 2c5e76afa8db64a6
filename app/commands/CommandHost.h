#pragma once
// All the file, PGN, print and clipboard commands know of the window they
// serve: its dialogs and message boxes, the game as it holds it, and the few
// switches a load or a save turns. The main window implements it; tests put
// in a host without a window. Nothing here hands out the host's state for
// writing: a command asks, and the host changes itself.
//
// Ownership: the host owns what it lends by const reference and outlives the
// command that uses it; a command keeps the reference only while it runs.
// Threads: user-interface thread only.

#include <QString>

#include <functional>

class QPrinter;

namespace tablerix {

class ChessBrdCore;
class GameClocks;
struct GameRecordText;
struct GameSheetData;
struct LoadedGame;

class CommandHost {
public:
    // A file chosen in the save or open dialog (empty: cancelled) and
    // whether it is to be read or written as PGN.
    struct ChosenFile {
        QString Path;
        bool Pgn = false;
    };
    // The program's two message boxes: "Tablerix  Aviso" and "Tablerix  Error".
    enum class Message { Aviso, Error };

    CommandHost() = default;
    CommandHost(const CommandHost&) = delete;
    CommandHost& operator=(const CommandHost&) = delete;
    virtual ~CommandHost() = default;

    // ---- Dialogs and messages, modal over the host ----
    // The save dialog, proposing the game's file: the one it was loaded
    // from (or a load tried) or last saved to; no name for a game that has
    // none, such as a new one.
    virtual ChosenFile ChooseSaveFile() = 0;
    virtual ChosenFile ChooseOpenFile() = 0;
    // A load of path has been tried: the open dialog holds its name and the
    // next save proposes it.
    virtual void RememberOpenedFile(const QString& path) = 0;
    // The game has been written to path: the next save proposes it.
    virtual void RememberSavedFile(const QString& path) = 0;
    // The printer setup dialog on printer (not owned): true when confirmed.
    virtual bool SetUpPrinter(QPrinter& printer) = 0;
    // Shows text (leading blanks kept) and returns when the user closes it.
    virtual void ShowMessage(Message kind, const QString& text) = 0;
    // Runs show (a message) with the clocks and the engine halted; then
    // both go on as they were.
    virtual void HaltWhile(const std::function<void()>& show) = 0;

    // ---- The game as the host holds it ----
    // What a save writes: move lists, clock labels, choices, notes.
    virtual GameRecordText CollectGame() const = 0;
    // What the printed sheet shows.
    virtual GameSheetData SheetData() const = 0;
    // GameClock, WhiteClock and BlackClock as they run.
    virtual const GameClocks& Clocks() const = 0;
    // The board, for reading its record and the position it shows.
    virtual const ChessBrdCore& Board() const = 0;

    // ---- What the commands change ----
    // Replays a checked game in place of the current one, then runs the
    // load's final steps.
    virtual void ApplyLoadedGame(const LoadedGame& game) = 0;
    // The final steps of every load command, also after a cancelled dialog.
    virtual void FinishLoad() = 0;
    virtual void SetClocksRunning(bool running) = 0;
    // The game has just been written to a file the user chose.
    virtual void GameSaved() = 0;
    // Whether the next load replays its moves animated.
    virtual void SetAnimateLoad(bool animate) = 0;
};

}  // namespace tablerix
