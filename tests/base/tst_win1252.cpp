#include "base/win1252.h"
#include "common/testmain.h"

using namespace orv;

class TestWin1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesReadAndWrite() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(toWin1252(fromWin1252(all)), all);
    }

    void characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("e diaeresis") << QStringLiteral("ë") << QByteArray("\xEB");
        QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
    }
    void characters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toWin1252(text), bytes);
        QCOMPARE(fromWin1252(bytes), text);
    }

    void fixedTexts() {
        QCOMPARE(toWin1252(QStringLiteral("a中b")), QByteArray("a?b")); // no such character
        QCOMPARE(fixedText(u"abc", 5), QStringLiteral("abc  "));
        QCOMPARE(fixedText(QStringLiteral("12345678901234567890123456"), 25).size(), 25);
        QCOMPARE(fixedBytes(u"hard", 5), QByteArray("hard "));
        QCOMPARE(trimmed(u"  a b  "), QStringLiteral("a b"));
        QCOMPARE(rtrimmed(u"  a b  "), QStringLiteral("  a b"));
        QCOMPARE(trimmed(u"     "), QString());
    }
};

ORV_TEST_MAIN(TestWin1252)
#include "tst_win1252.moc"
