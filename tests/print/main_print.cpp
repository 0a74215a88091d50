#include "common/testregistry.h"

#include <QGuiApplication>

// Fonts and painters need a GUI application; the tests run it on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return orvtest::runAll(argc, argv);
}
