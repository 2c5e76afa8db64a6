#include "PrintCommand.h"

#include "FormDialogs.h"
#include "GameSheet.h"
#include "TablerixPas.h"

namespace tablerix {

bool PrintCommand::Run(TForm1& form, QTextEdit& editor) {
    FormDialogs& dialogs = form.Dialogs();
    return GameSheet::Run(editor, form.SheetData(), dialogs.Printer(),
                          [&](QPrinter& printer) { return dialogs.SetUpPrinter(printer, &form); });
}

}  // namespace tablerix
