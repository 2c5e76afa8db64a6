#include "GameFileKind.h"

#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>

namespace tablerix {

namespace {

const QString kPgnSuffix = QStringLiteral("pgn");
const QString kChessSuffix = QStringLiteral("Chess");

// By its pattern, or by its name alone: a dialog that hides the patterns
// answers with the name, its blanks folded.
bool IsPgnFilter(const QString& filter) {
    return filter.contains(QStringLiteral("*.pgn")) || filter.simplified() == GameFileKind::kPgnFilterName.simplified();
}

void FollowFilter(QFileDialog& dialog, const QString& filter) {
    dialog.setDefaultSuffix(IsPgnFilter(filter) ? kPgnSuffix : kChessSuffix);
}

}  // namespace

bool GameFileKind::IsPgn(const QString& path, const QString& chosenFilter) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(kPgnSuffix, Qt::CaseInsensitive) == 0) return true;
    if (suffix.compare(kChessSuffix, Qt::CaseInsensitive) == 0) return false;
    return IsPgnFilter(chosenFilter);
}

void GameFileKind::OfferPgn(QFileDialog& dialog) {
    QStringList filters = dialog.nameFilters();
    filters << kPgnFilter;
    dialog.setNameFilters(filters);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { FollowFilter(dialog, filter); });
}

void GameFileKind::FitTo(QFileDialog& dialog, const QString& path) {
    const QStringList filters = dialog.nameFilters();
    const bool pgn = IsPgn(path);
    const auto it =
        std::find_if(filters.begin(), filters.end(), [pgn](const QString& f) { return IsPgnFilter(f) == pgn; });
    if (it == filters.end()) return;
    const QString filter = *it;
    dialog.selectNameFilter(filter);
    FollowFilter(dialog, filter);
}

}  // namespace tablerix
