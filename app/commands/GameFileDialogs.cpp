#include "GameFileDialogs.h"

#include "GameFileKind.h"

#include <memory>
#include <utility>

namespace tablerix {

GameFileDialogs::GameFileDialogs(QWidget& owner, FileChosen chosen) : owner_(owner), chosen_(std::move(chosen)) {}

QFileDialog& GameFileDialogs::Save() {
    return Make(save_, QStringLiteral("Save"), QStringLiteral("Tablerix ( Salvar Partida )."), QFileDialog::AcceptSave);
}

QFileDialog& GameFileDialogs::SaveProposing(const QString& name) {
    if (name.isEmpty() && saveHandedOut_) {
        const std::unique_ptr<QFileDialog> used(save_.data());  // a child of the owner, gone now
        saveHandedOut_ = false;
    }
    QFileDialog& dialog = Save();
    saveHandedOut_ = true;
    if (!name.isEmpty()) {
        dialog.selectFile(name);
        GameFileKind::FitTo(dialog, name);
    }
    return dialog;
}

QFileDialog& GameFileDialogs::Open() {
    return Make(open_, QStringLiteral("Open"), QStringLiteral("Tablerix ( Cargar Partida )."), QFileDialog::AcceptOpen);
}

QFileDialog& GameFileDialogs::Make(QPointer<QFileDialog>& slot, const QString& name, const QString& title,
                                   QFileDialog::AcceptMode mode) {
    if (slot) return *slot;
    auto* dialog =
        new QFileDialog(&owner_, title, QString(), GameFileKind::kGameFilterName + QStringLiteral(" (*.Chess)"));
    dialog->setObjectName(name);  // its form name, as the window's controls carry theirs
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("Chess"));
    // The list shows the names alone. Qt folds the double blank of a filter
    // name into one; the names are passed exactly as written.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    GameFileKind::OfferPgn(*dialog);
    if (!directory_.isEmpty()) dialog->setDirectory(directory_);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [this](const QString& file) {
        if (chosen_) chosen_(file);
    });
    slot = dialog;
    return *dialog;
}

void GameFileDialogs::SetDirectory(const QString& directory) {
    directory_ = directory;
    for (QFileDialog* dialog : {save_.data(), open_.data()})
        if (dialog) dialog->setDirectory(directory_);
}

void GameFileDialogs::MakeBoth() {
    Save();
    Open();
}

}  // namespace tablerix
