#include "app/settingsfile.h"
#include "common/testregistry.h"
#include "filetestutil.h"

#include <QFile>
#include <QTemporaryDir>

using namespace orv;
using namespace orvtest;

namespace {

SettingsData sampleSettings(int entries) {
    SettingsData s;
    s.userName = fixedText(u"Jansen & Zn — geluid", 30);
    s.userNameLabel = fixedText(u"Jansen && Zn — geluid", 30);
    s.paperOrientation = 2;
    s.printFontName = fixedText(u"Courier New", 40);
    s.printFontSize = 10;
    s.headerStyle = 4;
    s.bodyStyle1 = 2;
    s.bodyStyle2 = -3; // a negative value tests the sign
    for (int i = 1; i <= entries; ++i)
        s.library[static_cast<std::size_t>(i)] = LibraryEntry{
            fixedText(QStringLiteral("Bron %1 ë€×").arg(i), 25), 80.0 + i / 8.0, 90.5 + i};
    s.libraryCount = static_cast<qint16>(entries);
    return s;
}

QByteArray zeros(qsizetype n) {
    return QByteArray(n, '\0');
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void sizeFollowsLibrary_data() {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("size");
        QTest::newRow("empty library") << 0 << 112;
        QTest::newRow("one entry") << 1 << 153;
        QTest::newRow("full library") << 500 << 112 + 41 * 500;
    }
    void sizeFollowsLibrary() {
        QFETCH(int, entries);
        QFETCH(int, size);
        QCOMPARE(encodeSettings(sampleSettings(entries)).size(), size);
        QCOMPARE(settingsFileSize(entries), size);
    }

    void layout_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("expected");
        const SettingsData s = sampleSettings(2);
        QTest::newRow("userName") << 0 << fixedBytes(s.userName, 30);
        QTest::newRow("userNameLabel") << 30 << fixedBytes(s.userNameLabel, 30);
        QTest::newRow("paperOrientation") << 60 << le16(2);
        QTest::newRow("printFontName") << 62 << fixedBytes(u"Courier New", 40);
        QTest::newRow("printFontSize") << 102 << le16(10);
        QTest::newRow("headerStyle") << 104 << le16(4);
        QTest::newRow("bodyStyle1") << 106 << le16(2);
        QTest::newRow("bodyStyle2") << 108 << le16(-3);
        QTest::newRow("libraryCount") << 110 << le16(2);
        QTest::newRow("entryName 1") << 112 << fixedBytes(s.library[1].entryName, 25);
        QTest::newRow("lwEq 1") << 137 << le64(s.library[1].lwEq);
        QTest::newRow("lwMax 1") << 145 << le64(s.library[1].lwMax);
        QTest::newRow("entryName 2") << 153 << fixedBytes(s.library[2].entryName, 25);
        QTest::newRow("lwMax 2 at the very end") << 186 << le64(s.library[2].lwMax);
    }
    void layout() {
        QFETCH(int, offset);
        QFETCH(QByteArray, expected);
        const QByteArray bytes = encodeSettings(sampleSettings(2));
        QCOMPARE(bytes.mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
    }

    void roundTripIsByteIdentical_data() {
        QTest::addColumn<int>("entries");
        QTest::newRow("empty library") << 0;
        QTest::newRow("three entries") << 3;
        QTest::newRow("full library") << 500;
    }
    void roundTripIsByteIdentical() {
        QFETCH(int, entries);
        const SettingsData original = sampleSettings(entries);
        QTemporaryDir dir;
        const QString path = dir.filePath(kSettingsFileName);
        QVERIFY(writeSettingsFile(path, original).ok());
        SettingsData back;
        QVERIFY(readSettingsFile(path, back).ok());
        QCOMPARE(encodeSettings(back), encodeSettings(original));
        QCOMPARE(back.userNameLabel, original.userNameLabel);
        QCOMPARE(back.libraryCount, qint16(entries));
        if (entries > 0)
            QCOMPARE(back.library[entries].entryName, original.library[entries].entryName);
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        const QByteArray good = encodeSettings(sampleSettings(2));
        const QByteArray head = good.left(110);
        QTest::newRow("empty") << QByteArray() << 62;
        QTest::newRow("one byte") << QByteArray(1, 'J') << 62;
        QTest::newRow("count cut") << good.left(111) << 62;
        QTest::newRow("entry missing") << good.left(153) << 62;
        QTest::newRow("one byte short") << good.left(good.size() - 1) << 62;
        QTest::newRow("501 entries") << head + le16(501) + zeros(501 * 41) << 1001;
        QTest::newRow("count -1") << head + le16(-1) << 1001;
        QTest::newRow("count 32767") << head + le16(32767) << 1001;
        QTest::newRow("trailing garbage") << good + QByteArray("oude staart") << 0;
        QTest::newRow("empty library") << head + le16(0) << 0;
        QTest::newRow("500 entries") << head + le16(500) + zeros(500 * 41) << 0;
    }
    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        SettingsData settings = sampleSettings(3);
        const QByteArray before = encodeSettings(settings);
        const FileError e = decodeSettings(bytes, settings);
        QCOMPARE(e.number, error);
        if (error != 0) {
            QCOMPARE(encodeSettings(settings), before);
        } else {
            const QByteArray again = encodeSettings(settings);
            QCOMPARE(again, bytes.left(again.size()));
        }
    }

    void fileFailures() {
        QTemporaryDir dir;
        SettingsData settings = sampleSettings(1);
        QCOMPARE(readSettingsFile(dir.filePath(kSettingsFileName), settings).number, 53);
        QCOMPARE(writeSettingsFile(dir.filePath("weg/Ornaveld.set"), settings).number, 76);
        QCOMPARE(encodeSettings(settings), encodeSettings(sampleSettings(1)));
    }

    void emptyLibraryGetsThePlaceholder() {
        SettingsData s = sampleSettings(0);
        QVERIFY(fillEmptyLibrary(s));
        QCOMPARE(s.libraryCount, qint16(1));
        QCOMPARE(s.library[1].entryName, QStringLiteral("<selecteer geluidsbron>  "));
        QCOMPARE(s.library[1].lwEq, 0.0);
        QCOMPARE(s.library[1].lwMax, 0.0);
        QCOMPARE(encodeSettings(s).size(), 153); // what the next start-up finds

        SettingsData two = sampleSettings(2);
        QVERIFY(!fillEmptyLibrary(two));
        QCOMPARE(encodeSettings(two), encodeSettings(sampleSettings(2)));
    }
};

ORV_TEST(TestSettingsFile)
#include "tst_settingsfile.moc"
