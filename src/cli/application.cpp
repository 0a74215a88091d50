#include "cli/application.h"

#include <cstdio>
#include <cstring>

#ifdef ORNAVELD_HAVE_PRINT
#include <QGuiApplication>
#endif

namespace orv::cli {
namespace {

// Standard error carries the program's own Dutch messages only; Qt's remarks about the
// environment (a missing runtime folder, font substitutions) would read as part of the run.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    qInstallMessageHandler(quietQtMessages);
#ifdef ORNAVELD_HAVE_PRINT
    // "compare" draws only with --pdf, but which of its arguments that is, is the parser's
    // business: the fonts are there for it either way.
    if (argc > 1 && (std::strcmp(argv[1], "pdf") == 0 || std::strcmp(argv[1], "compare") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace orv::cli
