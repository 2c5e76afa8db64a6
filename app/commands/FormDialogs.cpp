#include "FormDialogs.h"

#include "TablerixMessage.h"

#include <QAbstractItemView>
#include <QBackingStore>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegion>
#include <QStandardPaths>

namespace tablerix {

FormDialogs::FormDialogs() = default;
FormDialogs::~FormDialogs() = default;

QString FormDialogs::ChooseFile(QFileDialog& dialog) {
    const bool accepted = dialog.exec() == QDialog::Accepted;
    TakeOffScreen(dialog);
    return accepted ? dialog.selectedFiles().value(0) : QString();
}

void FormDialogs::TakeOffScreen(QFileDialog& dialog) {
    // The completion list is a window of its own that closing the dialog
    // leaves up.
    for (const QCompleter* completer : dialog.findChildren<QCompleter*>()) {
        if (QAbstractItemView* list = completer->popup()) list->hide();
    }
    dialog.hide();
    QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) return;
    // Put the window's own pixels back over the area the dialog left now:
    // the window system asks for that only through events, which a busy
    // window would handle too late.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (QBackingStore* store = owner->backingStore()) store->flush(QRegion(owner->rect()), owner->windowHandle());
}

bool FormDialogs::Ask(QWidget* parent, const QString& question) const {
    return TablerixMessage::Question(parent, question);
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

}  // namespace tablerix
