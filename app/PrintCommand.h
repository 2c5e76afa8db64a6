#pragma once
// The main window's " Imprimir Partida " command: the game sheet from the
// window's controls, composed in its hidden print editor and printed after
// the printer setup dialog. User-interface thread only.

#include "GameSheet.h"

namespace tablerix {

class TForm1;

class PrintCommand {
public:
    // The sheet's content as the window shows it now.
    static GameSheetData SheetData(const TForm1& form);
    // Portrait, compose, setup dialog, print; true when printed.
    static bool Run(TForm1& form);
};

}  // namespace tablerix
