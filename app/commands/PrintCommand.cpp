#include "PrintCommand.h"

#include "CommandHost.h"
#include "GameSheet.h"

#include <QPrinter>

namespace tablerix {

PrintCommand::PrintCommand() = default;
PrintCommand::~PrintCommand() = default;

bool PrintCommand::Run(CommandHost& host, QTextEdit& editor) {
    // Made on first use: finding the system's printers can take a moment.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return GameSheet::Run(editor, host.SheetData(), *printer_,
                          [&host](QPrinter& printer) { return host.SetUpPrinter(printer); });
}

}  // namespace tablerix
