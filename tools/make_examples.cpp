// ornaveld-make-examples OUTDIR: writes the bundled example project "voorbeeld.orv" and its
// start-up file "Ornaveld.set" into OUTDIR.

#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "examples.h"

#include <memory>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "Gebruik: ornaveld-make-examples MAP\n";
        return 2;
    }
    const QDir dir(args[1]);

    auto state = std::make_unique<orv::State>();
    orv::examples::buildProject(*state);
    orv::examples::buildSettings(state->settings);

    const QString project = dir.filePath(QStringLiteral("voorbeeld.orv"));
    const QString settings = dir.filePath(orv::kSettingsFileName);
    auto report = [&err](const QString& path, const orv::FileError& error) {
        err << path << ": Fout " << error.number << " - " << error.description << ".\n";
        return 3;
    };
    if (const orv::FileError e = orv::writeProjectFile(project, *state); !e.ok())
        return report(project, e);
    if (const orv::FileError e = orv::writeSettingsFile(settings, state->settings); !e.ok())
        return report(settings, e);
    return 0;
}
