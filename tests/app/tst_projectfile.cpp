#include "app/fileio.h"
#include "app/projectfile.h"
#include "common/testregistry.h"
#include "filetestutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

using namespace orv;
using namespace orvtest;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool putFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray zeros(qsizetype n) {
    return QByteArray(n, '\0');
}

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT
private slots:
    void sizeFollowsCounts_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("mobiles");
        QTest::addColumn<int>("size");
        QTest::newRow("empty project") << 0 << 0 << 169;
        QTest::newRow("one line, two mobile") << 1 << 2 << 673;
        QTest::newRow("mobile only") << 0 << 1 << 337;
        QTest::newRow("largest") << 500 << 500 << 168169;
    }
    void sizeFollowsCounts() {
        QFETCH(int, lines);
        QFETCH(int, mobiles);
        QFETCH(int, size);
        QCOMPARE(encodeProject(*sampleState(lines, mobiles)).size(), size);
        QCOMPARE(projectFileSize(lines, mobiles), size);
    }

    // Each field at its offset in a file with one line source and two mobile sources.
    void layout_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("expected");
        const auto st = sampleState(1, 2);
        const SourceRecord& l = st->sources[0][1];
        const SourceRecord& m2 = st->sources[1][2];
        const ProjectRecord& p = st->project;
        QTest::newRow("line count") << 0 << le16(1);
        QTest::newRow("line surchargeKx") << 2 << le16(l.surchargeKx);
        QTest::newRow("line sourceName") << 4 << fixedBytes(l.sourceName, 25);
        QTest::newRow("line lwA") << 2 + 27 << le64(l.lwA);
        QTest::newRow("line lwAMax") << 2 + 35 << le64(l.lwAMax);
        QTest::newRow("line description") << 2 + 43 << fixedBytes(l.description, 25);
        QTest::newRow("line pointCount") << 2 + 68 << le64(l.pointCount);
        QTest::newRow("line length") << 2 + 76 << le64(l.length);
        QTest::newRow("line speed") << 2 + 84 << le64(l.speed);
        QTest::newRow("line movements")
            << 2 + 92 << le64(l.movements[0]) + le64(l.movements[1]) + le64(l.movements[2]);
        QTest::newRow("line operatingHours")
            << 2 + 116
            << le64(l.operatingHours[0]) + le64(l.operatingHours[1]) + le64(l.operatingHours[2]);
        QTest::newRow("line height") << 2 + 140 << le64(l.height);
        QTest::newRow("line distanceA") << 2 + 148 << le64(l.distanceA);
        QTest::newRow("line distanceB") << 2 + 156 << le64(l.distanceB);
        QTest::newRow("line reflection") << 2 + 164 << le16(l.reflection);
        QTest::newRow("line screening") << 2 + 166 << le16(l.screening);
        QTest::newRow("mobile count") << 170 << le16(2);
        QTest::newRow("first mobile") << 172 << le16(st->sources[1][1].surchargeKx);
        QTest::newRow("second mobile name") << 172 + 168 + 2 << fixedBytes(m2.sourceName, 25);
        QTest::newRow("second mobile screening") << 172 + 168 + 166 << le16(m2.screening);
        QTest::newRow("projectNumber") << 508 << fixedBytes(p.projectNumber, 10);
        QTest::newRow("projectName") << 508 + 10 << fixedBytes(p.projectName, 50);
        QTest::newRow("remarks") << 508 + 60 << fixedBytes(p.remarks, 50);
        QTest::newRow("projectDate") << 508 + 110 << QByteArray("29-02-2024");
        QTest::newRow("receiverDescription") << 508 + 120 << fixedBytes(p.receiverDescription, 30);
        QTest::newRow("receiverHeight") << 508 + 150 << le64(4.5);
        QTest::newRow("groundType") << 508 + 158 << QByteArray("zacht");
        QTest::newRow("facadeReflection at the very end") << 508 + 163 << le16(3);
    }
    void layout() {
        QFETCH(int, offset);
        QFETCH(QByteArray, expected);
        const QByteArray bytes = encodeProject(*sampleState(1, 2));
        QCOMPARE(bytes.mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
    }

    void textsOnDisk_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("hard padded") << "hard" << QByteArray("hard ") << "hard ";
        QTest::newRow("cut at width") << "zachter" << QByteArray("zacht") << "zacht";
        QTest::newRow("Windows-1252") << "ë€×" << QByteArray("\xEB\x80\xD7  ") << "ë€×  ";
        QTest::newRow("not in code page") << "中" << QByteArray("?    ") << "?    ";
    }
    void textsOnDisk() {
        QFETCH(QString, text);
        QFETCH(QByteArray, onDisk);
        QFETCH(QString, readBack);
        auto state = std::make_unique<State>();
        state->project.groundType = text; // even unpadded in memory, the disk form is 5 bytes
        const QByteArray bytes = encodeProject(*state);
        QCOMPARE(bytes.size(), 169);
        QCOMPARE(bytes.mid(4 + 158, 5), onDisk);
        auto back = std::make_unique<State>();
        QVERIFY(decodeProject(bytes, *back).ok());
        QCOMPARE(back->project.groundType, readBack);
    }

    void roundTripIsByteIdentical_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("mobiles");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("one line, two mobile") << 1 << 2;
        QTest::newRow("largest") << 500 << 500;
    }
    void roundTripIsByteIdentical() {
        QFETCH(int, lines);
        QFETCH(int, mobiles);
        const auto original = sampleState(lines, mobiles);
        const QByteArray bytes = encodeProject(*original);

        QTemporaryDir dir;
        const QString path = dir.filePath("p.orv");
        QVERIFY(writeProjectFile(path, *original).ok());
        QCOMPARE(fileBytes(path), bytes);

        auto back = std::make_unique<State>();
        back->sources[0][0].surchargeKx = 10; // the total-level surcharge is memory only
        QVERIFY(readProjectFile(path, *back).ok());
        QCOMPARE(back->sources[0][0].surchargeKx, qint16(10));
        QCOMPARE(back->sourceCount[0], qint16(lines));
        QCOMPARE(back->sourceCount[1], qint16(mobiles));
        QCOMPARE(encodeProject(*back), bytes);
        QCOMPARE(back->project.projectName, original->project.projectName);
        if (lines > 0)
            QCOMPARE(back->sources[0][lines].sourceName, original->sources[0][lines].sourceName);
    }

    void countsBeyondTheTableAreNeverWritten() {
        auto state = sampleState(500, 3);
        state->sourceCount = {600, -2};
        const QByteArray bytes = encodeProject(*state);
        QCOMPARE(bytes.size(), projectFileSize(500, 0));
        auto back = std::make_unique<State>();
        QVERIFY(decodeProject(bytes, *back).ok());
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        const QByteArray good = encodeProject(*sampleState(1, 2));
        const QByteArray project = zeros(kProjectRecordSize);
        QTest::newRow("empty") << QByteArray() << 62;
        QTest::newRow("one byte") << QByteArray(1, '\0') << 62;
        QTest::newRow("counts only") << le16(0) + le16(0) << 62;
        QTest::newRow("line record cut") << good.left(100) << 62;
        QTest::newRow("mobile count cut") << good.left(171) << 62;
        QTest::newRow("one byte short") << good.left(672) << 62;
        QTest::newRow("lines 501") << le16(501) + zeros(501 * 168 + 2) + project << 1001;
        QTest::newRow("lines -1") << le16(-1) + le16(0) + project << 1001;
        QTest::newRow("lines 32767, file short") << le16(32767) + project << 1001;
        QTest::newRow("mobiles 501") << le16(0) + le16(501) + zeros(501 * 168) + project << 1001;
        QTest::newRow("mobiles -1") << le16(0) + le16(-1) + project << 1001;
        QTest::newRow("mobiles 32767") << good.left(170) + le16(32767) + project << 1001;
        // The second count lies inside the missing part of the line records: too short.
        QTest::newRow("lines 2, one record")
            << le16(2) + good.mid(2, 168) + le16(-1) + project << 62;
        QTest::newRow("trailing garbage") << good + QByteArray("oude staart", 11) << 0;
        QTest::newRow("500 of each")
            << le16(500) + zeros(500 * 168) + le16(500) + zeros(500 * 168) + project << 0;
    }
    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        auto state = sampleState(3, 3);
        state->sources[0][0].surchargeKx = 5;
        const QByteArray before = encodeProject(*state);

        const FileError e = decodeProject(bytes, *state);
        QCOMPARE(e.number, error);
        QCOMPARE(state->sources[0][0].surchargeKx, qint16(5));
        if (error != 0) {
            QCOMPARE(e.description, fileErrorDescription(error));
            QCOMPARE(encodeProject(*state), before);
        } else {
            const QByteArray again = encodeProject(*state);
            QCOMPARE(again, bytes.left(again.size()));
        }
    }

    void readFailures_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("error");
        QTest::newRow("missing file") << "missing" << 53;
        QTest::newRow("missing folder") << "nofolder" << 76;
        QTest::newRow("a folder") << "folder" << 75;
        QTest::newRow("empty file") << "emptyfile" << 62;
        QTest::newRow("unreadable") << "unreadable" << 70;
        QTest::newRow("old tail behind a shorter file") << "tail" << 0;
    }
    void readFailures() {
        QFETCH(QString, setup);
        QFETCH(int, error);
        if (setup == "unreadable" && geteuid() == 0) QSKIP("root reads every file");
        QTemporaryDir dir;
        QString path = dir.filePath("p.orv");
        const QByteArray good = encodeProject(*sampleState(1, 0));
        if (setup == "nofolder")
            path = dir.filePath("geen/p.orv");
        else if (setup == "folder")
            QVERIFY(QDir(dir.path()).mkdir("p.orv"));
        else if (setup == "emptyfile")
            QVERIFY(putFile(path, {}));
        else if (setup == "unreadable") {
            QVERIFY(putFile(path, good));
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        } else if (setup == "tail")
            QVERIFY(putFile(path, good + encodeProject(*sampleState(2, 2))));

        auto state = sampleState(2, 1);
        const QByteArray before = encodeProject(*state);
        const FileError e = readProjectFile(path, *state);
        QCOMPARE(e.number, error);
        QCOMPARE(encodeProject(*state), error == 0 ? good : before);
    }

    void writeFailures_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("error");
        QTest::newRow("missing folder") << "nofolder" << 76;
        QTest::newRow("onto a folder") << "folder" << 75;
        QTest::newRow("read-only file") << "readonly" << 70;
        QTest::newRow("read-only folder") << "readonlyfolder" << 70;
    }
    void writeFailures() {
        QFETCH(QString, setup);
        QFETCH(int, error);
        if (setup.startsWith("readonly") && geteuid() == 0) QSKIP("root writes everywhere");
        QTemporaryDir dir;
        QString path = dir.filePath("p.orv");
        const QByteArray old = encodeProject(*sampleState(0, 1));
        if (setup == "nofolder")
            path = dir.filePath("geen/p.orv");
        else if (setup == "folder")
            QVERIFY(QDir(dir.path()).mkdir("p.orv"));
        else if (setup == "readonly") {
            QVERIFY(putFile(path, old));
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        } else if (setup == "readonlyfolder") {
            QVERIFY(putFile(path, old));
            QVERIFY(
                QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const FileError e = writeProjectFile(path, *sampleState(2, 2));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QCOMPARE(e.number, error);
        QCOMPARE(e.description, fileErrorDescription(error));
        if (setup.startsWith("readonly")) QCOMPARE(fileBytes(path), old);
    }

    void rewriteHasExactlyTheNewLength() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.orv");
        QVERIFY(writeProjectFile(path, *sampleState(4, 4)).ok());
        QVERIFY(writeProjectFile(path, *sampleState(1, 0)).ok());
        QCOMPARE(QFileInfo(path).size(), projectFileSize(1, 0));
    }

    void failingDevice_data() {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<int>("error");
        QTest::newRow("nothing accepted") << qint64(0) << 75;
        QTest::newRow("inside first count") << qint64(1) << 75;
        QTest::newRow("up to the project record") << qint64(508) << 75;
        QTest::newRow("one byte short") << qint64(672) << 75;
        QTest::newRow("exactly enough") << qint64(673) << 0;
    }
    void failingDevice() {
        QFETCH(qint64, limit);
        QFETCH(int, error);
        FailAfterDevice device(limit);
        QCOMPARE(writeProject(device, *sampleState(1, 2)).number, error);
    }

    void failedWriteLeavesOldFileWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.orv");
        QVERIFY(writeProjectFile(path, *sampleState(2, 3)).ok());
        const QByteArray old = fileBytes(path);

        const auto bigger = sampleState(6, 6);
        const FileError e = saveFile(path, [&](QIODevice& file) {
            FailAfterDevice device(1000, &file); // the disk fills up after 1000 bytes
            return writeProject(device, *bigger);
        });
        QVERIFY(!e.ok());
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.orv"});
    }

    void fullDiskIsError61() {
        QFile full("/dev/full");
        if (!full.open(QIODevice::WriteOnly)) QSKIP("no /dev/full here");
        const FileError e = writeProject(full, *sampleState(1, 2));
        QCOMPARE(e.number, 61);
        QCOMPARE(e.description, QStringLiteral("Schijf vol"));
    }
};

ORV_TEST(TestProjectFile)
#include "tst_projectfile.moc"
