#pragma once
// The modal dialogs behind the save, load and print commands. The main
// window owns one; tests put in a subclass that answers without showing
// anything. User-interface thread only.

#include <QString>

class QFileDialog;
class QPrinter;
class QWidget;

namespace tablerix {

class FormDialogs {
public:
    FormDialogs();
    virtual ~FormDialogs();
    FormDialogs(const FormDialogs&) = delete;
    FormDialogs& operator=(const FormDialogs&) = delete;

    // Runs a file dialog modally: the chosen path, or empty when cancelled.
    // On return the dialog and its name-completion list are off the screen
    // and what they covered is drawn again, even if the caller keeps the
    // window busy (an animated load) without processing events.
    virtual QString ChooseFile(QFileDialog& dialog);
    // Runs the printer setup dialog on printer: true when confirmed.
    virtual bool SetUpPrinter(QPrinter& printer, QWidget* parent);
    // Asks question over parent with "Sí" and "No": true for yes.
    virtual bool Ask(QWidget* parent, const QString& question) const;

    // Where the save and open dialogs start before one has been used: the
    // user's documents folder, or the home folder when there is none.
    static QString StartFolder();

    // The name the open dialog holds once a load has been tried. Empty
    // before the first load.
    QString OpenedFile;

private:
    static void TakeOffScreen(QFileDialog& dialog);
};

}  // namespace tablerix
