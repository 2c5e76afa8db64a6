#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace tablerix {

QTranslator* QtTranslation::InstallSpanish() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    if (!QCoreApplication::installTranslator(translator.get())) return nullptr;
    translator->setParent(app);
    return translator.release();
}

}  // namespace tablerix
