#include "ui/platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orv {

QTranslator* installQtDutch(QCoreApplication& app) {
    // Dutch whatever the system's language: every text of the program is Dutch, and a
    // dialog with English buttons among them reads as a fault.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace orv
