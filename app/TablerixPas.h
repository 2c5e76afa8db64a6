#pragma once
// TForm1, the program's main window: the header buttons, the board, the
// choice lists, the clocks, the move lists with navigation, the start panel
// and the status bar, and the game flow that ties them to the board.
//
// Ownership: every control is a Qt child of the window (or of one of its
// panels) and dies with it; the pointers below never own. Form1Layout
// creates and places them; TForm1 only drives them.
// Threads: user-interface thread only. The board's events reach the handlers
// on that thread, also for the engine's moves.

#include "ElidedLabel.h"
#include "FormDialogs.h"
#include "GameClocks.h"
#include "TChessBrd.h"
#include "TNotesEdit.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <string_view>

class QComboBox;
class QFileDialog;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTextEdit;
class QTimer;
class QToolButton;

namespace tablerix {

class TBlinkLabel;
class TmyLabel3d;
class WindowShortcuts;

class TForm1 : public QWidget {
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

    // ---- Window state (read and written by the game-file, printing and
    // about-window code too) ----
    bool ClocksRunning = false;  // the clocks advance on each tick
    bool Loading = false;        // a saved game is being replayed onto the board
    bool AnimateLoad = true;     // the next load replays its moves animated
    bool HurryLoad = false;      // Escape: the load under way plays its remaining moves unanimated
    GameClocks Clocks;           // GameClock, WhiteClock, BlackClock
    QString DialogDirectory;     // where the save and open dialogs start: documents, then the last folder used

    // ---- Header ----
    QFrame* PTeclasCab = nullptr;
    QToolButton* BSalvar = nullptr;
    QToolButton* BCargarCon = nullptr;
    QToolButton* BCargarSin = nullptr;
    QToolButton* BImprimir = nullptr;
    QToolButton* BNuevaPar = nullptr;
    ElidedLabel* LPartida = nullptr;  // the whole path; painted with its middle left out
    QToolButton* BAcercaDe = nullptr;

    // ---- Board ----
    QFrame* PTablero = nullptr;
    TChessBrd* ChessBrd1 = nullptr;

    // ---- Right-hand column ----
    QLabel* LFichasNegras = nullptr;
    QComboBox* ComboJugadores = nullptr;
    QLabel* LDificultad = nullptr;
    QComboBox* ComboDificultad = nullptr;
    QLabel* LMovimientos = nullptr;
    QListWidget* ListBoxRepe = nullptr;
    QFrame* PRNegras = nullptr;
    QLabel* LNHor = nullptr;
    QLabel* LNMin = nullptr;
    QLabel* LNSeg = nullptr;
    QFrame* PRBlancas = nullptr;
    QLabel* LBHor = nullptr;
    QLabel* LBMin = nullptr;
    QLabel* LBSeg = nullptr;
    QFrame* PRPartida = nullptr;
    QLabel* LPHor = nullptr;
    QLabel* LPMin = nullptr;
    QLabel* LPseg = nullptr;
    QLabel* PJugadasCarga = nullptr;  // a panel with a caption
    QLabel* LNotasPartida = nullptr;
    TNotesEdit* MNotas = nullptr;  // ignores pastes without text
    QLabel* LPiezas = nullptr;
    QComboBox* ComboPiezas = nullptr;
    QLabel* LLIneas = nullptr;
    QComboBox* ComboBorde = nullptr;
    QLabel* LOscuro = nullptr;
    QComboBox* ComboOscuro = nullptr;
    QLabel* LClaro = nullptr;
    QComboBox* ComboClaro = nullptr;

    // ---- Bottom row ----
    QLabel* PMueve = nullptr;  // a panel with a caption
    QPushButton* ButtonBack = nullptr;
    QPushButton* ButtonStop = nullptr;
    QPushButton* ButtonForward = nullptr;
    QFrame* PJaque = nullptr;
    TBlinkLabel* BLJaque = nullptr;
    QFrame* PSalir = nullptr;
    QPushButton* BSalir = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 4> StatusPanels{};  // product, program, time, date

    // ---- Start panel ----
    QFrame* PEmpezar = nullptr;
    QLabel* Label1 = nullptr;
    TmyLabel3d* myLabel3d2 = nullptr;
    QPushButton* BAceptar = nullptr;

    // ---- Hidden controls ----
    QListWidget* ListBox1 = nullptr;  // mirrors the board's move list
    QPlainTextEdit* Memo1 = nullptr;  // staging text of a game file
    QPlainTextEdit* MTiempos = nullptr;
    QPlainTextEdit* MJugadasJaque = nullptr;
    QPlainTextEdit* MControl = nullptr;
    QTextEdit* EditorNotasImprimir = nullptr;
    QComboBox* ComboJugadorBlancas = nullptr;
    QLabel* LFichasBlancas = nullptr;
    QTimer* Timer1 = nullptr;
    QFileDialog* Save = nullptr;
    QFileDialog* Open = nullptr;
    QImage MarronOscuro2;  // dark wood of "Oscuro 1"
    QImage MarronClaro2;   // light wood of "Claro 1"
    QImage MaderaBorde;    // wood of the board's border
    // The save, open and printer dialogs as the commands run them, and the
    // printer; tests put in their own.
    std::unique_ptr<FormDialogs> Dialogs = std::make_unique<FormDialogs>();

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
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WireControls();
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

    bool centred_ = false;
    int repeRowHandled_ = -2;  // row already handled during the current click
    // The keyboard; goes before the controls it watches.
    std::unique_ptr<WindowShortcuts> shortcuts_;
};

}  // namespace tablerix
