#pragma once
// One test executable per folder: each test class registers itself with ORV_TEST, and the
// folder's main runs them all, failing when any of them fails.

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <memory>
#include <vector>

namespace orvtest {

using Factory = QObject* (*)();

inline std::vector<Factory>& registry()
{
    static std::vector<Factory> factories;
    return factories;
}

struct Register {
    explicit Register(Factory f) { registry().push_back(f); }
};

inline int runAll(int argc, char** argv)
{
    int failures = 0;
    for (Factory f : registry()) {
        std::unique_ptr<QObject> test(f());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

} // namespace orvtest

#define ORV_TEST(Class)                                                                        \
    static const orvtest::Register orvRegister##Class([]() -> QObject* { return new Class; });

#define ORV_TEST_MAIN_GUILESS                                                                  \
    int main(int argc, char** argv)                                                            \
    {                                                                                          \
        QCoreApplication app(argc, argv);                                                      \
        return orvtest::runAll(argc, argv);                                                    \
    }
