// ornaveld-make-default-settings FILE: writes the start-up file installed with the program,
// which a user's first start copies into the user's own data folder: no user name, a library
// of only its first entry "<selecteer geluidsbron>" (levels 0, 0) and the print settings of
// the "Standaard" button.

#include "app/settingsfile.h"
#include "base/win1252.h"
#include "report/printsettings.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "Gebruik: ornaveld-make-default-settings BESTAND\n";
        return 2;
    }
    orv::SettingsData settings;
    orv::applyPrintStandard(settings);
    settings.library[1] = {orv::fixedText(orv::kPlaceholderName, orv::kEntryNameWidth), 0, 0};
    settings.libraryCount = 1;
    if (const orv::FileError e = orv::writeSettingsFile(args[1], settings); !e.ok()) {
        err << args[1] << ": Fout " << e.number << " - " << e.description << ".\n";
        return 3;
    }
    return 0;
}
