#include "GameFileKind.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tablerix {

namespace {

const QString kPgnSuffix = QStringLiteral("pgn");
const QString kChessSuffix = QStringLiteral("Chess");

void FollowFilter(QFileDialog& dialog, const QString& filter) {
    dialog.setDefaultSuffix(filter == GameFileKind::kPgnFilter ? kPgnSuffix : kChessSuffix);
}

}  // namespace

bool GameFileKind::IsPgn(const QString& path, const QString& chosenFilter) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(kPgnSuffix, Qt::CaseInsensitive) == 0) return true;
    if (suffix.compare(kChessSuffix, Qt::CaseInsensitive) == 0) return false;
    return chosenFilter == kPgnFilter;
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
    const QString filter = IsPgn(path) ? kPgnFilter : filters.value(0);
    if (!filters.contains(filter)) return;
    dialog.selectNameFilter(filter);
    FollowFilter(dialog, filter);
}

}  // namespace tablerix
