#pragma once
// The main window's " Imprimir Partida " command: the game sheet as the
// window shows it, composed in its hidden print editor and printed after
// the printer setup dialog.
//
// Ownership: the window owns one for its lifetime; it owns the printer,
// made on the first print, so the user's choices last between prints.
// User-interface thread only.

#include <memory>

class QPrinter;
class QTextEdit;

namespace tablerix {

class CommandHost;

class PrintCommand {
public:
    PrintCommand();
    ~PrintCommand();
    PrintCommand(const PrintCommand&) = delete;
    PrintCommand& operator=(const PrintCommand&) = delete;

    // Portrait, compose host's sheet into editor (the window's print editor,
    // not owned), setup dialog over host, print; true when printed.
    bool Run(CommandHost& host, QTextEdit& editor);

private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace tablerix
