#include "cli/application.h"

#include <cstring>

#ifdef ORNAVELD_HAVE_PRINT
#include <QGuiApplication>
#endif

namespace orv::cli {

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
#ifdef ORNAVELD_HAVE_PRINT
    if (argc > 1 && std::strcmp(argv[1], "pdf") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace orv::cli
