#pragma once
// TForm1, the program's main window: the header buttons, the board, the
// choice lists, the clocks, the move lists with navigation, the start panel
// and the status bar, and the game flow that ties them to the board.
//
// Ownership: every control is a Qt child of the window (or of one of its
// panels) and dies with it. The window keeps its controls and its state to
// itself: Form1Layout creates and places the controls into a private
// Form1Controls, its commands are the actions of a WindowActions, which
// drive their buttons and keys, and the game-file, PGN, printing and
// clipboard commands reach the window only through CommandHost, which it
// implements. Each control and action carries its form name as objectName
// (ChessBrd1, ComboJugadores, ListBoxRepe, Timer1, AccionSalvar, ...), so
// tests and outside tools find it with findChild.
// Threads: user-interface thread only. The board's events reach the handlers
// on that thread, also for the engine's moves.

#include "Announcer.h"
#include "AppearanceImages.h"
#include "CommandHost.h"
#include "Form1Controls.h"
#include "Form1Record.h"
#include "Form1State.h"
#include "FormDialogs.h"
#include "GameClocks.h"
#include "GameFileDialogs.h"
#include "MoveSpeech.h"
#include "PrintCommand.h"
#include "TChessBrd.h"
#include "TypedMoveInput.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

namespace tablerix {

class WindowActions;
struct GameRecordText;
struct GameSheetData;
struct LoadedGame;

class TForm1 : public QWidget, public CommandHost {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral(" Tablerix 1.0");
    // The form's client area minus the strip of hidden controls below the
    // status bar (the window is cut off there on purpose).
    static constexpr int kClientWidth = 680;
    static constexpr int kClientHeight = 478;
    static constexpr int kStatusBarHeight = 22;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- Window state ----
    bool ClocksRunning() const;  // the clocks advance on each tick
    void SetClocksRunning(bool running) override;
    bool Loading() const;      // a saved game is being replayed onto the board
    bool AnimateLoad() const;  // the next load replays its moves animated
    void SetAnimateLoad(bool animate) override;
    // Escape: the load under way plays its remaining moves unanimated.
    // Outside a load it does nothing.
    void HurryLoad();
    bool LoadHurried() const;
    const GameClocks& Clocks() const override;  // GameClock, WhiteClock, BlackClock
    // Sets the three counters and shows them on the clock labels.
    void SetClocks(const GameClocks& clocks);
    // The board, for reading its game and position.
    const TChessBrd& Board() const override;
    // The pictures of the appearance lists decoded so far.
    const AppearanceImages& Images() const noexcept;
    // The save, open and printer dialogs as the commands run them. The
    // window owns them; tests put in their own.
    const FormDialogs& Dialogs() const;
    void SetDialogs(std::unique_ptr<FormDialogs> dialogs);

    // ---- What the game-file, PGN, print and clipboard commands ask ----
    // (CommandHost; the commands know the window by nothing else.)
    ChosenFile ChooseSaveFile() override;
    ChosenFile ChooseOpenFile() override;
    void RememberOpenedFile(const QString& path) override;
    void RememberSavedFile(const QString& path) override;
    bool SetUpPrinter(QPrinter& printer) override;
    void ShowMessage(Message kind, const QString& text) override;
    void HaltWhile(const std::function<void()>& show) override;
    GameRecordText CollectGame() const override;
    GameSheetData SheetData() const override;
    void ApplyLoadedGame(const LoadedGame& game) override;
    void FinishLoad() override;
    void GameSaved() override;

    // ---- The record that keeps the game from being lost ----
    // Keeps the game in progress in folder (the program passes
    // GameJournal::DefaultFolder(); without this call nothing is written).
    // A record left by a run cut short is offered back once the window has
    // painted when ask is set, or kept as the last discarded game otherwise
    // (a game named on the command line is about to be loaded). False when
    // no record can be kept (see Form1Record::Start).
    bool KeepRecordIn(const QString& folder, bool ask);
    const Form1Record& Record() const;
    // "Recuperar la partida anterior" (Ctrl+Shift+Z).
    void RecoverPreviousGame();
    // "Deshacer jugada" (Ctrl+Z): against the computer the human's last move
    // and the computer's reply (or the human's move alone while the
    // computer thinks); with two players one half-move. The players stay as
    // they are, the lists, turn and check indicator are as if the moves had
    // never been played, and the computer answers the next move as usual.
    void TakeBackClick();

    // ---- Game flow ----
    void FormCreate();    // the start screen
    void FormActivate();  // the dialogs start in DialogDirectory
    void BAceptarClick();
    void ComboJugadoresChange();
    void ComboJugadorBlancasChange();
    void ComboDificultadChange();
    void BNuevaParClick();
    void ButtonStopClick();
    void BsalirClick();
    void Quita_Campos();
    void Pon_Campos();
    void Quito_Carga();
    void Pongo_Carga();

    // ---- Board events ----
    void ChessBrd1LegalMove(Square oldSq, Square newSq);
    void ChessBrd1Check(Square oldSq, Square newSq);
    void ChessBrd1Mate(Square oldSq, Square newSq);
    void ChessBrd1Draw();
    // Custom-engine handlers; the window never turns that mode on.
    void ChessBrd1CalculateMove(Square& oldSq, Square& newSq);
    void ChessBrd1CalculationFailed(Square oldSq, Square newSq);

    // ---- Clocks ----
    void Timer1Timer();
    void ShowClocks();  // the nine labels from the three counters

    // ---- Move lists and navigation ----
    void UpdateListBox();
    void Situacion();
    void ButtonBackClick();
    void ButtonForwardClick();
    void ListBox1Click();
    void ListBoxRepeClick();
    // Home and End: the starting position and the last half-move, with the
    // side effects of the back and forward buttons.
    void FirstPositionKey();
    void LastPositionKey();
    void SetPMueve();  // "Mueve Blancas" / "Mueve Negras" from the board

    // ---- What the status line says ----
    // The sentence the status line shows now (said last).
    QString Announced() const;
    // Says the position piece by piece (Ctrl+Shift+D).
    void ReadPosition();

    // ---- Game files, printing, appearance, about window ----
    // Filled in by the code that owns those features.
    void BSalvarClick();
    void BCargarConClick();
    void BCargarSinClick();
    // "CARGAR SIN Animación" with path in place of the dialog's answer.
    void OpenGameFile(const QString& path);
    // The dialogs start next time in the folder of file, a game just
    // chosen in one of them or opened otherwise.
    void UseDialogFolderOf(const QString& file);
    void BImprimirClick();
    void BAcercaDeClick();
    void ComboPiezasChange();
    void ComboOscuroChange();
    void ComboClaroChange();
    void ComboBordeChange();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WireControls();
    // What each command's action runs, by button, key or both.
    void WireCommands();
    void WireBoard();
    // Check, mate and draw: annotate the visible list and raise the indicator.
    void ReportEnding(std::string_view word);
    // Select "Jugador" for Black and apply it (navigation stops the computer).
    void BlackToHuman();
    // Selection changes made by the window itself, which must not count as
    // the user's choice of a move.
    void SelectRepe(int row);
    void SelectHidden(int row);
    // Shows the position after half-move row + 1 (-1: the start).
    void GoToPosition(int row);
    // The program's icon and the file dialogs, just after the first paint.
    void AfterFirstPaint();
    // Gives the window the program's icon, once.
    void ShowProgramIcon();
    // The move just played, once the board has reported all its events.
    void SayPlayedMove();
    // The move that led to the position shown after navigation.
    void SayShownPosition();
    // Half-moves a take-back removes: back to a human's turn, past at least
    // one human move (one half-move when the computer plays both sides).
    int HalfMovesToTakeBack() const;

    Form1Controls ui_;  // filled by Form1Layout; the pointers never own
    Form1State state_;
    std::unique_ptr<FormDialogs> dialogs_;
    PrintCommand print_;  // keeps the printer and its choices between prints
    // The pictures the appearance lists offer, the board's first textures
    // among them; each decoded when first used.
    AppearanceImages images_;
    // The save and open dialogs, made on first use or just after the
    // first paint; both start in state_.DialogDirectory.
    GameFileDialogs fileDialogs_{*this, [this](const QString& file) { UseDialogFolderOf(file); }};
    bool centred_ = false;
    bool painted_ = false;
    bool iconShown_ = false;
    int repeRowHandled_ = -2;  // row already handled during the current click
    // The commands with their keys, driving their buttons; the actions are
    // Qt children of the window, this only names them.
    std::unique_ptr<WindowActions> actions_;
    // Speaks through the status line ui_.LAnuncio; made after the controls.
    std::unique_ptr<Announcer> announcer_;
    std::unique_ptr<TypedMoveInput> typedInput_;               // uses the board and announcer_
    std::unique_ptr<Form1Record> record_;                      // uses announcer_
    bool offerRecordOnPaint_ = false;                          // KeepRecordIn came before the first paint
    bool movePending_ = false;                                 // a move is waiting to be said
    MoveSpeech::Outcome outcome_ = MoveSpeech::Outcome::None;  // of that move
};

}  // namespace tablerix
