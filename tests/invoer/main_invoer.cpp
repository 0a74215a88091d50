#include "common/testregistry.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return orvtest::runAll(argc, argv);
}
