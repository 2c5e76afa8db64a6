#include "FormDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace tablerix {

FormDialogs::FormDialogs() = default;
FormDialogs::~FormDialogs() = default;

QString FormDialogs::ChooseFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

bool FormDialogs::SetUpPrinter(QPrinter& printer, QWidget* parent) {
    // Without a printer the dialog offers a PDF file; propose one by name
    // rather than a bare folder.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(QDir::home().filePath(QStringLiteral("Partida.pdf")));
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString FormDialogs::StartFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

QPrinter& FormDialogs::Printer() {
    // Made on first use: finding the system's printers can take a moment.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

}  // namespace tablerix
