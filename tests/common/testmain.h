#pragma once
// The main of a test executable: one test class each, so that QtTest's own command line
// works as documented (a function name runs that function alone, -o FILE,FORMAT keeps every
// result).

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

// Core tests: no GUI application.
#define ORV_TEST_MAIN(Class) QTEST_GUILESS_MAIN(Class)

// Window, font and painter tests: a GUI application on the offscreen platform unless the
// caller chose another one (to watch a test under a real display).
#define ORV_GUI_TEST_MAIN(Class)                                                                   \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        Class test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
