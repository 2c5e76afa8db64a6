#pragma once
// Keeps the main window's game from being lost: after every change the game
// in progress goes to the state folder's record (GameJournal), a game given
// up unsaved is kept as the last discarded game, a record left by a run that
// was cut short is offered back at start, and "Recuperar la partida
// anterior" brings the discarded game back.
//
// The window collects the game (cheap, on its thread); the files are written
// on the journal's own thread, so the board never waits on the disk. A write
// that fails is said once on the status line and shown in the status bar
// until one succeeds; play goes on.
//
// Ownership: owned by TForm1, which it serves through its CommandHost and
// public operations; owns the journal and its timers (Qt children of the
// form). Without Start no file is ever touched, as in tests that do not ask
// for it. User-interface thread only.

#include "GameJournal.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace tablerix {

class TForm1;

class Form1Record : public QObject {
    Q_OBJECT
public:
    static inline const QString kQuestion = QStringLiteral("¿Recuperar la partida interrumpida?");
    static inline const QString kRecoveredHeader = QStringLiteral("Partida recuperada");
    static inline const QString kNoPrevious = QStringLiteral("No hay ninguna partida anterior");
    static inline const QString kWriteFailed =
        QStringLiteral("No se puede guardar la copia de la partida en curso; el juego sigue");
    // In the status bar while the record cannot be written.
    static inline const QString kFailedPanel = QStringLiteral("Sin copia de la partida");
    static inline const QString kKeptAsPrevious =
        QStringLiteral("La partida interrumpida se guarda como partida anterior (Ctrl+Mayús+Z)");
    // The notes are recorded at most this often while they are typed.
    static constexpr int kNotesDelayMs = 1000;

    // say: shows a sentence on the status line; failing: the status bar
    // shows whether the record can be written.
    Form1Record(TForm1& form, std::function<void(const QString&)> say, std::function<void(bool)> failing);
    ~Form1Record() override;

    // Keeps the record in folder from now on. False when it cannot (the
    // folder cannot be made, or another run of the program keeps it).
    bool Start(const QString& folder);
    bool Started() const;
    // A record left by a run cut short: ask whether to load it (yes) or keep
    // it as the last discarded game (no). Nothing when there is none.
    void OfferInterrupted();
    // Keeps such a record as the last discarded game without asking (a game
    // named on the command line takes its place) and says so.
    void KeepInterrupted();
    bool HasInterrupted() const;

    // ---- What the window tells it ----
    // The game or its choices changed: recorded once the current event is done.
    void Changed();
    // The notes changed: recorded within kNotesDelayMs.
    void NotesChanged();
    // The game was just saved to a file: as it stands, giving it up loses nothing.
    void Saved();
    // A load replaced the game; fromFile: it is a file's game, unchanged.
    void Loaded(bool fromFile);
    // The game in progress is about to be replaced: kept as the last
    // discarded game unless there is nothing to lose.
    void GivingUp();
    // The program ends normally: the game is given up, the record goes, and
    // this returns once the files are written.
    void Finish();

    // "Recuperar la partida anterior": loads the last discarded game as a
    // load without animation would; the game it replaces is given up.
    void RecoverPrevious();

    // The folder's record and discarded game, for tests and tools.
    const GameJournal* Journal() const;

private:
    // Writes the game as it stands now (or clears the record).
    void Flush();
    // The game has moves or notes: something to lose.
    static bool WorthKeeping(const GameRecordText& game);
    void Load(const QString& path);
    // The writer's answer, back on this thread.
    void Reported(bool ok);

    TForm1& form_;
    std::function<void(const QString&)> say_;
    std::function<void(bool)> failing_;
    std::unique_ptr<GameJournal> journal_;
    QTimer soon_;   // zero-delay: after the current event
    QTimer notes_;  // the notes' delay
    int changes_ = 0;
    int savedAt_ = -1;  // changes_ when the game last matched a file
    bool failureSaid_ = false;
};

}  // namespace tablerix
