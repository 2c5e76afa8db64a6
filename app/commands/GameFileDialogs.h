#pragma once
// The save and open dialogs of the game files, each made the first time a
// command asks for it or when the window calls MakeBoth, just after its first
// paint: building a file dialog costs more than the rest of the window, and
// the start screen needs neither. Both start in one folder, set here before
// or after they exist.
//
// Ownership: the window owns this object; each dialog, once made, is a Qt
// child of that window and dies with it. User-interface thread only.

#include <QFileDialog>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

namespace tablerix {

class GameFileDialogs {
public:
    using FileChosen = std::function<void(const QString& file)>;

    // owner parents the dialogs; chosen hears every file accepted in either.
    GameFileDialogs(QWidget& owner, FileChosen chosen);

    // " Salvar Partida ", objectName "Save": asks before replacing a file.
    QFileDialog& Save();
    // The save dialog for one save: proposing name, with the filter that
    // fits it, or for an empty name with its name field blank. Qt cannot
    // empty the field (selectFile ignores an empty name) and a native dialog
    // keeps what was typed into it, so a dialog that has been handed out
    // before is then made anew.
    QFileDialog& SaveProposing(const QString& name);
    // " Cargar Partida ", objectName "Open": takes any name; a missing file
    // is the loader's to report.
    QFileDialog& Open();

    // Where the dialogs start: applied at once to those made, and to the
    // others when they are made.
    void SetDirectory(const QString& directory);

    // Makes whichever of the two is not made yet.
    void MakeBoth();

private:
    QFileDialog& Make(QPointer<QFileDialog>& slot, const QString& name, const QString& title,
                      QFileDialog::AcceptMode mode);

    QWidget& owner_;
    FileChosen chosen_;
    QString directory_;
    QPointer<QFileDialog> save_;
    bool saveHandedOut_ = false;  // save_ has been through SaveProposing
    QPointer<QFileDialog> open_;
};

}  // namespace tablerix
