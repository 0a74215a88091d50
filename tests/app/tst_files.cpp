// The project and settings files: sizes, byte layout, round trips, damaged input and failing
// writes; and the committed examples against their generator.
#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "base/fileio.h"
#include "base/win1252.h"
#include "common/files.h"
#include "common/testmain.h"
#include "examples.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

using namespace orv;
using namespace orvtest;

namespace {

// Passes limit bytes on to its target, then fails every write, as a disk that fills up.
struct FailAfterDevice : QIODevice {
    FailAfterDevice(qint64 limit, QIODevice& target) : limit(limit), target(target) {
        open(QIODevice::WriteOnly);
    }
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = std::min(len, limit);
        if (n <= 0 || target.write(data, n) != n) return -1;
        limit -= n;
        return n;
    }
    qint64 limit;
    QIODevice& target;
};

template <typename T> QByteArray le(T v) { // a qint16 or a double, little-endian
    QByteArray b(sizeof v, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray zeros(qsizetype n) {
    return QByteArray(n, '\0');
}

// Every field of every source differs from its neighbours and from the other sources, so a
// shifted field or a swapped record shows in the bytes.
std::unique_ptr<State> sampleState(int lines, int mobiles) {
    auto state = std::make_unique<State>();
    const int counts[2] = {lines, mobiles};
    for (int kind = 0; kind < 2; ++kind) {
        for (int n = 1; n <= counts[kind]; ++n) {
            SourceRecord& s = state->sources[kind][n];
            const double base = 1000.0 * kind + 10.0 * n;
            s.surchargeKx = static_cast<qint16>(n % 3 * 5);
            s.sourceName = fixedText(QStringLiteral("Bron %1-%2 ë€×").arg(kind).arg(n), 25);
            s.lwA = base, s.lwAMax = base + 1, s.pointCount = base + 2, s.length = base + 3;
            s.speed = base + 4, s.height = base + 11, s.distanceA = base + 12;
            s.distanceB = base + 13;
            for (int p = 0; p < 3; ++p)
                s.movements[p] = base + 5 + p, s.operatingHours[p] = base + 8 + p;
            s.reflection = static_cast<qint16>(2 * (n % 2));
            s.screening = static_cast<qint16>(-5 * (n % 2)); // a negative value tests the sign
        }
        state->sourceCount[kind] = static_cast<qint16>(counts[kind]);
    }
    ProjectRecord& p = state->project;
    p.projectNumber = fixedText(u"P-ë€×", 10);
    p.projectName = fixedText(u"Uitbreiding hal × 2 à € 1 mln — België", 50);
    p.projectDate = fixedText(u"29-02-2024", 10);
    p.receiverHeight = 4.5;
    p.groundType = fixedText(u"zacht", 5);
    p.facadeReflection = 3;
    return state;
}

SettingsData sampleSettings(int entries) {
    SettingsData s;
    s.userName = fixedText(u"Jansen & Zn — geluid", 30);
    s.userNameLabel = fixedText(u"Jansen && Zn — geluid", 30);
    s.paperOrientation = 2;
    s.printFontName = fixedText(u"Courier New", 40);
    s.bodyStyle2 = -3; // a negative value tests the sign
    for (int i = 1; i <= entries; ++i)
        s.library[static_cast<std::size_t>(i)] = LibraryEntry{
            fixedText(QStringLiteral("Bron %1 ë€×").arg(i), 25), 80.0 + i / 8.0, 90.5 + i};
    s.libraryCount = static_cast<qint16>(entries);
    return s;
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    // Size, then write / read / write through a file that held a longer one: byte-identical.
    void roundTrip_data() {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("size");
        QTest::newRow("empty project") << false << 0 << 0 << 169;
        QTest::newRow("one line, two mobile") << false << 1 << 2 << 673;
        QTest::newRow("largest project") << false << 500 << 500 << 168169;
        QTest::newRow("empty library") << true << 0 << 0 << 112;
        QTest::newRow("full library") << true << 500 << 0 << 112 + 41 * 500;
    }
    void roundTrip() {
        QFETCH(bool, settings);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath(settings ? kSettingsFileName : "p.orv");
        QVERIFY(putFile(path, QByteArray(200000, 'x'))); // an old, longer file
        QByteArray bytes, again;
        if (settings) {
            const SettingsData original = sampleSettings(a);
            bytes = encodeSettings(original);
            QCOMPARE(settingsFileSize(a), size);
            QVERIFY(writeSettingsFile(path, original).ok());
            SettingsData back;
            QVERIFY(readSettingsFile(path, back).ok());
            again = encodeSettings(back);
        } else {
            const auto original = sampleState(a, b);
            bytes = encodeProject(*original);
            QCOMPARE(projectFileSize(a, b), size);
            QVERIFY(writeProjectFile(path, *original).ok());
            auto back = std::make_unique<State>();
            QVERIFY(readProjectFile(path, *back).ok());
            again = encodeProject(*back);
        }
        QCOMPARE(bytes.size(), size);
        QCOMPARE(fileBytes(path), bytes);
        // A saved project keeps the one it replaced beside it.
        QCOMPARE(fileBytes(path + ".bak"), settings ? QByteArray() : QByteArray(200000, 'x'));
        QCOMPARE(again, bytes);
    }

    // Every field at its offset, as checked by hand: a project with one line source and two
    // mobile sources (the line source at byte 2, the mobile count at 170, the project record at
    // 508), and a settings file with two library entries.
    void layoutAsRecorded() {
        const QString golden = QStringLiteral(ORNAVELD_TEST_DATA_DIR "/golden/");
        QCOMPARE(encodeProject(*sampleState(1, 2)).toHex(' '),
                 fileBytes(golden + "sample_1_2.orv").toHex(' '));
        QCOMPARE(encodeSettings(sampleSettings(2)).toHex(' '),
                 fileBytes(golden + "sample_2.set").toHex(' '));
    }

    // A damaged file gives its error and leaves what was in memory untouched.
    void damagedFiles_data() {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        const QByteArray good = encodeProject(*sampleState(1, 2));
        const QByteArray project = zeros(kProjectRecordSize);
        const QByteArray set = encodeSettings(sampleSettings(2));
        const QByteArray head = set.left(110);
        QTest::newRow("empty") << false << QByteArray() << 62;
        QTest::newRow("line record cut") << false << good.left(100) << 62;
        QTest::newRow("lines 501")
            << false << le<qint16>(501) + zeros(501 * 168 + 2) + project << 1001;
        QTest::newRow("lines -1") << false << le<qint16>(-1) + le<qint16>(0) + project << 1001;
        QTest::newRow("mobiles 501")
            << false << le<qint16>(0) + le<qint16>(501) + zeros(501 * 168) + project << 1001;
        // The second count lies inside the missing part of the line records: too short.
        QTest::newRow("lines 2, one record")
            << false << le<qint16>(2) + good.mid(2, 168) + le<qint16>(-1) + project << 62;
        QTest::newRow("trailing garbage") << false << good + QByteArray("oude staart") << 0;
        QTest::newRow("settings one byte short") << true << set.left(set.size() - 1) << 62;
        QTest::newRow("settings 501") << true << head + le<qint16>(501) + zeros(501 * 41) << 1001;
        QTest::newRow("settings -1") << true << head + le<qint16>(-1) << 1001;
    }
    void damagedFiles() {
        QFETCH(bool, settings);
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        auto state = sampleState(3, 3);
        state->sources[0][0].surchargeKx = 5;
        state->settings = sampleSettings(3);
        const auto encode = [&] {
            return settings ? encodeSettings(state->settings) : encodeProject(*state);
        };
        const QByteArray before = encode();
        const FileError e =
            settings ? decodeSettings(bytes, state->settings) : decodeProject(bytes, *state);
        QCOMPARE(e.number, error);
        QCOMPARE(state->sources[0][0].surchargeKx, qint16(5));
        if (error != 0) {
            QCOMPARE(e.description, fileErrorDescription(error));
            QCOMPARE(encode(), before);
        } else {
            const QByteArray again = encode();
            QCOMPARE(again, bytes.left(again.size()));
        }
    }

    // A write that fails part way reports 75 and leaves the old file whole.
    void failedWriteLeavesOldFileWhole_data() {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<int>("error");
        QTest::newRow("nothing accepted") << qint64(0) << 75;
        QTest::newRow("one byte short") << qint64(672) << 75;
        QTest::newRow("exactly enough") << qint64(673) << 0;
    }
    void failedWriteLeavesOldFileWhole() {
        QFETCH(qint64, limit);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString path = dir.filePath("p.orv");
        QVERIFY(writeProjectFile(path, *sampleState(2, 3)).ok());
        const QByteArray old = fileBytes(path);
        const auto bigger = sampleState(1, 2);
        const FileError e = saveFile(path, [&](QIODevice& file) {
            FailAfterDevice device(limit, file);
            return writeProject(device, *bigger);
        });
        QCOMPARE(e.number, error);
        QCOMPARE(fileBytes(path), error ? old : encodeProject(*bigger));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.orv"});
    }

    void fullDiskIsError61() {
        QFile full("/dev/full");
        if (!full.open(QIODevice::WriteOnly)) QSKIP("no /dev/full here");
        const FileError f = writeProject(full, *sampleState(1, 2));
        QCOMPARE(f.number, 61);
        QCOMPARE(f.description, QStringLiteral("Schijf vol"));
    }

    // A logout or kill ends the desktop program without questions, but with its settings: the
    // empty library read at start comes back with its placeholder entry.
    void terminatedProgramWritesTheSettings() {
#ifndef ORNAVELD_DESKTOP_PROGRAM
        QSKIP("built without the GUI");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath(kSettingsFileName);
        QVERIFY(writeSettingsFile(path, SettingsData{}).ok());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dir.filePath("data"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // The start-up reads the file after the splash (2.5 s); a slow machine gets more time.
        for (int wait = 5000; wait <= 20000 && QFileInfo(path).size() == 112; wait *= 2) {
            QProcess program;
            program.setWorkingDirectory(dir.path());
            program.setProcessEnvironment(env);
            program.start(ORNAVELD_DESKTOP_PROGRAM, QStringList());
            QVERIFY(program.waitForStarted());
            QTest::qWait(wait);
            program.terminate(); // SIGTERM
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        }
        QCOMPARE(QFileInfo(path).size(), settingsFileSize(1));
#endif
    }

    void committedExamplesMatchTheGenerator() {
        auto state = std::make_unique<State>();
        examples::buildProject(*state);
        examples::buildSettings(state->settings);
        const auto example = [](const char* name) {
            return fileBytes(QStringLiteral(ORNAVELD_EXAMPLES_DIR "/") + QLatin1String(name));
        };
        QCOMPARE(example("voorbeeld.orv"), encodeProject(*state));
        QCOMPARE(example("Ornaveld.set"), encodeSettings(state->settings));
    }
};

ORV_TEST_MAIN(TestFiles)
#include "tst_files.moc"
