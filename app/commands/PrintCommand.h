#pragma once
// The main window's " Imprimir Partida " command: the game sheet as the
// window shows it, composed in its hidden print editor and printed after
// the printer setup dialog. User-interface thread only.

class QTextEdit;

namespace tablerix {

class TForm1;

class PrintCommand {
public:
    // Portrait, compose into editor (the window's print editor), setup
    // dialog, print; true when printed.
    static bool Run(TForm1& form, QTextEdit& editor);
};

}  // namespace tablerix
