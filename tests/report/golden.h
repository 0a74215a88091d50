#pragma once
// A text compared with its golden file under tests/data/golden: line by line first, so that a
// failure names the line, then whole, for the line ends. ORNAVELD_UPDATE_GOLDEN=1 writes the
// golden file instead.

#include "testdata.h"

#include <QFile>
#include <QTest>

namespace orvtest {

inline void compareGolden(const QString& name, const QString& text) {
    QFile golden(QStringLiteral(ORNAVELD_TEST_DATA_DIR "/golden/") + name);
    if (qEnvironmentVariableIntValue("ORNAVELD_UPDATE_GOLDEN") == 1) {
        QVERIFY(golden.open(QIODevice::WriteOnly));
        golden.write(text.toUtf8());
        return;
    }
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
    const QString expected = QString::fromUtf8(golden.readAll());
    QCOMPARE(text.split(u'\n'), expected.split(u'\n'));
    QCOMPARE(text, expected);
}

} // namespace orvtest
