#pragma once
// Which of the two file types a dialog's answer names: a ".Chess" game file
// or a PGN game. The name's extension decides; a name with neither leaves it
// to the filter the user chose. User-interface thread only.

#include <QString>

class QFileDialog;

namespace tablerix {

class GameFileKind {
public:
    // The game files' filter in the open and save dialogs, and PGN's after it.
    static inline const QString kGameFilterName = QStringLiteral("Partidas De Tablerix  ( .Chess )");
    static inline const QString kPgnFilterName = QStringLiteral("Partidas PGN  ( .pgn )");
    static inline const QString kPgnFilter = kPgnFilterName + QStringLiteral(" (*.pgn)");

    // True when path is to be read or written as PGN.
    static bool IsPgn(const QString& path, const QString& chosenFilter = QString());
    // Adds the PGN filter after the dialog's own and keeps its default
    // extension in step with the filter the user picks. The dialog is not owned.
    static void OfferPgn(QFileDialog& dialog);
    // Shows the filter and extension that fit a proposed name.
    static void FitTo(QFileDialog& dialog, const QString& path);
};

}  // namespace tablerix
