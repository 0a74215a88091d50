#include "base/fileerror.h"

namespace orv {

QString fileErrorDescription(int number) {
    switch (number) {
    case kErrNone:
        return {};
    case kErrFileNotFound:
        return QStringLiteral("Bestand niet gevonden");
    case kErrDiskFull:
        return QStringLiteral("Schijf vol");
    case kErrPastEnd:
        return QStringLiteral("Invoer voorbij einde van bestand");
    case kErrPermission:
        return QStringLiteral("Toegang geweigerd");
    case kErrPathFileAccess:
        return QStringLiteral("Fout bij toegang tot pad/bestand");
    case kErrPathNotFound:
        return QStringLiteral("Pad niet gevonden");
    case kErrCountOutOfRange:
        return QStringLiteral("Ongeldig bestand: aantal bronnen buiten 0..500");
    case kErrNameTooLong:
        return QStringLiteral("Ongeldige bestandsnaam: langer dan 255 tekens");
    case kErrLinkLoop:
        return QStringLiteral("Ongeldig pad: symbolische koppelingen vormen een kring");
    default:
        return QStringLiteral("Fout bij toegang tot pad/bestand");
    }
}

} // namespace orv
