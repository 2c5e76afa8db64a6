#include "PrintCommand.h"

#include "FormDialogs.h"
#include "TablerixPas.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace tablerix {

GameSheetData PrintCommand::SheetData(const TForm1& form) {
    const auto clock = [](const QLabel* h, const QLabel* m, const QLabel* s) {
        return h->text() + u':' + m->text() + u':' + s->text();
    };
    GameSheetData d;
    d.Partida = form.LPartida->text();
    d.BlackIsComputer = form.ComboJugadores->currentIndex() == 0;
    d.BlackPlayer = form.ComboJugadores->currentText();
    d.Difficulty = form.ComboDificultad->currentText();
    for (int i = 0; i < form.ListBoxRepe->count(); ++i) d.Entries << form.ListBoxRepe->item(i)->text();
    d.WhiteClock = clock(form.LBHor, form.LBMin, form.LBSeg);
    d.BlackClock = clock(form.LNHor, form.LNMin, form.LNSeg);
    d.GameClock = clock(form.LPHor, form.LPMin, form.LPseg);
    d.Notes = form.MNotas->toPlainText();
    return d;
}

bool PrintCommand::Run(TForm1& form) {
    FormDialogs& dialogs = *form.Dialogs;
    return GameSheet::Run(*form.EditorNotasImprimir, SheetData(form), dialogs.Printer(),
                          [&](QPrinter& printer) { return dialogs.SetUpPrinter(printer, &form); });
}

}  // namespace tablerix
