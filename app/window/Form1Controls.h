#pragma once
// The controls of the main window, as Form1Layout builds them. TForm1 keeps
// one of these to itself and hands it only to the code that builds, drives
// or reads its controls on its behalf.
//
// Ownership: every control is a Qt child of the window (or of one of its
// panels) and dies with it; the pointers never own. The file dialogs and
// the appearance pictures are not here: the window keeps them in its
// GameFileDialogs and AppearanceImages, made and decoded when first needed.
// Threads: user-interface thread only.

#include <array>

class QComboBox;
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

class ElidedLabel;
class TBlinkLabel;
class TChessBrd;
class TNotesEdit;
class TmyLabel3d;

struct Form1Controls {
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
    ElidedLabel* LAnuncio = nullptr;  // the status line: what was just played or happened
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
};

}  // namespace tablerix
