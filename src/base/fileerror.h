#pragma once
// Failures of reading or writing a file, numbered as the classic runtime numbers them so
// that the messages keep the form users know: "Fout 53 - Bestand niet gevonden".

#include <QString>

namespace orv {

enum FileErrorNumber : int {
    kErrNone = 0,
    kErrFileNotFound = 53,      // "Bestand niet gevonden"
    kErrDiskFull = 61,          // "Schijf vol"
    kErrPastEnd = 62,           // "Invoer voorbij einde van bestand"
    kErrPermission = 70,        // "Toegang geweigerd"
    kErrPathFileAccess = 75,    // "Fout bij toegang tot pad/bestand"
    kErrPathNotFound = 76,      // "Pad niet gevonden"
    kErrCountOutOfRange = 1001, // "Ongeldig bestand: aantal bronnen buiten 0..500"
    kErrNameTooLong = 1002,     // a path part over 255 characters, or the path too long
    kErrLinkLoop = 1003         // symbolic links that point round in a circle
};

struct FileError {
    int number = kErrNone;
    QString description;
    bool ok() const { return number == kErrNone; }
};

// The Dutch description that belongs to a number above.
QString fileErrorDescription(int number);
inline FileError makeFileError(int number) {
    return {number, fileErrorDescription(number)};
}

} // namespace orv
