// ornaveld-make-default-settings FILE: writes the start-up file installed with the program,
// which a user's first start copies into the user's own data folder: no user name, an empty
// library (the program adds its "<selecteer geluidsbron>" entry when it reads it) and the
// print settings of the "Standaard" button.

#include "app/settingsfile.h"
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
    if (const orv::FileError e = orv::writeSettingsFile(args[1], settings); !e.ok()) {
        err << args[1] << ": Fout " << e.number << " - " << e.description << ".\n";
        return 3;
    }
    return 0;
}
