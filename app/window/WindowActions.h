#pragma once
// The main window's commands as QActions: each with its Spanish name, its
// key (the ones the window has always had), a tooltip that shows the key,
// and an enabled and a shown state. A command with a button drives it: the
// button runs the command when clicked, is enabled and shown as the command
// is, and gives a screen reader a plain name ("Jugada anterior") and its key. A disabled or hidden
// command's key does nothing, so the key goes to the focused control as
// usual; a text field (the notes) claims its own editing keys (blank,
// arrows, Home, End, copy and paste) before any command sees them.
//
// Ownership: every action is a Qt child of the window and added to it (its
// keys work while the window is active); this object only names them. It
// must not outlive the window. User-interface thread only.

#include <QString>

#include <array>
#include <cstddef>

class QAction;
class QWidget;

namespace tablerix {

struct Form1Controls;

class WindowActions {
public:
    enum class Command {
        Save,             // " Salvar Partida ", Ctrl+S
        LoadAnimated,     // " Cargar Partida CON Animación ", Ctrl+Shift+O
        Load,             // " Cargar Partida SIN Animación ", Ctrl+O
        Print,            // " Imprimir Partida ", Ctrl+P
        NewGame,          // " Nueva Partida ", Ctrl+N
        About,            // " Acerca de... ", F1
        Quit,             // "Salir", Ctrl+Q
        Back,             // " Jugada Anterior ", Left
        Pause,            // " Juego en Pausa ", Space
        Forward,          // " Jugada Siguiente ", Right
        First,            // the starting position, Home (shown with Back)
        Last,             // the last half-move, End (shown with Forward)
        CopyGame,         // the game as PGN onto the clipboard, Ctrl+C
        CopyFen,          // the shown position as FEN onto the clipboard, Ctrl+Shift+C
        Paste,            // a PGN game from the clipboard, Ctrl+V
        HurryLoad,        // the animated load under way goes on unanimated, Escape
        ReadPosition,     // the status line reads the shown position, Ctrl+Shift+D
        TakeBack,         // "Deshacer jugada", Ctrl+Z
        RecoverPrevious,  // "Recuperar la partida anterior", Ctrl+Shift+Z
    };
    static constexpr std::size_t kCount = static_cast<std::size_t>(Command::RecoverPrevious) + 1;

    // Makes every command as a child of window and binds those with a button
    // to theirs in ui (window's controls, already built). All start enabled
    // and shown; the window connects each one's triggered signal.
    WindowActions(QWidget& window, const Form1Controls& ui);

    // The action of command; owned by the window.
    QAction& operator[](Command command) const;

    // Save, print, a new game and a take-back: offered once a game is under way.
    void OfferGameCommands(bool offered);
    // Every header command, the paste or recovery of a game and a take-back:
    // off while a game loads.
    void OfferHeaderCommands(bool offered);
    // Back, pause, forward and their Home and End: shown while a game is.
    void ShowNavigation(bool shown);

    // The tooltip for a key: the old text with " (key)" before its trailing
    // blanks, or the caption and the key.
    static QString WithKey(const QString& tooltip, const QString& caption, const QString& key);

private:
    std::array<QAction*, kCount> actions_{};  // Qt children of the window
};

}  // namespace tablerix
