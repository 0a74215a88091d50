#include "print/fontcheck.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace orv {

bool fontInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QString printedFontFamily(const QString& chosen) {
    if (fontInstalled(chosen)) return chosen;
    return QFontInfo(QFont(chosen)).family();
}

QString fontSubstituteNote(const QString& chosen) {
    if (fontInstalled(chosen)) return {};
    return QStringLiteral("Lettertype \"%1\" is niet geïnstalleerd; afgedrukt wordt in \"%2\".")
        .arg(chosen, printedFontFamily(chosen));
}

} // namespace orv
