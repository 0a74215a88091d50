// ornaveld-cli: the JSON of dump and results, the report texts and "*.prn" bytes, the PDF's
// pages as the renderer draws them, and the exit status and message of every failure.

#include "app/calculationrun.h"
#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "base/win1252.h"
#include "cli/commands.h"
#include "common/calcfixture.h"
#include "common/clirun.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/files.h"
#include "common/testmain.h"
#include "testdata.h"

#include <map>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <thread>

using namespace orv;
using namespace orvtest;

namespace {

QStringList reportArgs(const QString& kind, const QString& flags, const QString& sep) {
    return {"report", kExample,    "--kind", kind,     "--sections",
            flags,    "--decimal", sep,      "--user", "Ir. J. de Vries"};
}

#ifdef ORNAVELD_CLI_PROGRAM
// The PDF is drawn by the real program: fonts need a GUI application, which this test
// executable (a core application) does not start.
CliRun program(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ORNAVELD_CLI_PROGRAM), QStringList{QStringLiteral("pdf")} + args);
    CliRun r;
    if (!p.waitForFinished(120000)) return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

#endif

// A route with too few point sources for its length and a mobile source. In order:
// description, Lw,A, Lw,max, points, [length, speed,] amount, height, distances, Cr, Ds.
std::unique_ptr<State> site() {
    auto s = calctest::freshState();
    calctest::add(*s, calctest::Line{"Laadroute", 100, 108, 2, 100, 20, {100}, 1.5, 50, 132.288});
    calctest::add(*s, calctest::Mobile{"Heftruck noord", 98, 104, 4, {6, 0, 1}, 1, 100, 400, 2, 5});
    return s;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString save(const State& s, const QString& name) {
        const QString path = dir.filePath(name);
        if (!writeProjectFile(path, s).ok()) qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase() {
        QVERIFY(
            putFile(dir.filePath("kort.orv"), QByteArray("\x01\x00", 2) + QByteArray(100, ' ')));
        QVERIFY(
            putFile(dir.filePath("groot.SET"), QByteArray(110, ' ') + QByteArray("\xF5\x01", 2)));
        save(*std::make_unique<State>(), "leeg.orv");
        auto speed = site(), triangle = site();
        speed->sources[0][1].speed = qQNaN();
        triangle->sources[0][1].distanceB = 30;
        save(*speed, "speed.orv");
        save(*triangle, "triangle.orv");
        for (const int k : {7, 0x7FFF, -32768}) {
            auto kx = site();
            kx->sources[0][1].surchargeKx = static_cast<qint16>(k);
            save(*kx, QStringLiteral("kx%1.orv").arg(k));
        }
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pijp.orv")).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath("kring.orv"), dir.filePath("kring.orv")));
    }

    // The rows and their rules are in tests/data/cli_failures.txt.
    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QFile table(QStringLiteral(ORNAVELD_TEST_DATA_DIR "/cli_failures.txt"));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString& line : QString::fromUtf8(table.readAll()).split('\n')) {
            const QStringList cells = line.split(QStringLiteral(" | "));
            if (line.startsWith('#') || cells.size() != 4) continue;
            QStringList args = cells[2].split(' ');
            args.replaceInStrings("EXAMPLE", kExample).replaceInStrings("''", "");
            QTest::newRow(qPrintable(cells[0]))
                << args << cells[1].toInt() << QString(cells[3]).replace("\\n", "\n");
        }
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        for (QString& a : args)
            if (a.startsWith('@')) a.replace(0, 1, dir.path());
        message.replace(QLatin1Char('@'), dir.path());
        // The pdf command draws only in a GUI application: those rows run the program.
        const bool drawn = args[0] == "pdf" && args.contains("-o");
        std::map<QString, QByteArray> inputs; // no refused run may touch a file it was given
        for (const QString& a : args)
            if (QFileInfo(a).isFile()) inputs[a] = fileBytes(a);
        QElapsedTimer clock;
        clock.start();
#ifdef ORNAVELD_CLI_PROGRAM
        const CliRun r = drawn ? program(args.mid(1)) : cliRun(args);
#else
        if (drawn) QSKIP("built without the GUI");
        const CliRun r = cliRun(args);
#endif
        // A named pipe is refused at once, not waited on for a writer.
        if (QString(QTest::currentDataTag()).startsWith("pipe")) QVERIFY(clock.elapsed() < 1000);
        for (const auto& [path, bytes] : inputs)
            QCOMPARE(fileBytes(path), bytes);
        QCOMPARE(r.code, code);
        QCOMPARE(r.out, QString()); // nothing half-calculated, no NaN, on standard output
        if (message.endsWith('\n'))
            QCOMPARE(r.err, message);
        else
            QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
    }

    // Every field under its name; a damaged number in a file that is otherwise whole gives
    // null, names come out of Windows-1252, the user's leading spaces stay.
    void dump() {
        auto state = std::make_unique<State>();
        state->sourceCount = {1, 2};
        state->sources[1][2].sourceName = fixedText(u"Bron ë€×", 25);
        state->sources[0][1].screening = -5; // a negative value tests the sign
        state->sources[1][1].lwA = qQNaN();
        state->sources[1][1].length = qInf();
        save(*state, "Project.ORV"); // the extension in any case
        SettingsData s;
        s.userName = fixedText(u"  Jansen & Zn", 30);
        s.library[1] = LibraryEntry{fixedText(u"Heftruck diesel", 25), 98, 105.5};
        s.libraryCount = 1;
        QVERIFY(writeSettingsFile(dir.filePath("Ornaveld.set"), s).ok());
        for (const QString name : {"Project.ORV", "Ornaveld.set"}) {
            const CliRun r = cliRun({"dump", dir.filePath(name)});
            QCOMPARE(r.code, 0);
            const QString golden =
                ORNAVELD_TEST_DATA_DIR "/golden/dump_" + name.toLower() + ".json";
            QCOMPARE(r.out, QString::fromUtf8(fileBytes(golden)));
        }
    }

    void resultsContract() {
        const CliRun r = cliRun({"results", save(*site(), "site.orv"), "--kind", "2"});
        QCOMPARE(r.code, 0);
        const QString warning = "Bron Laadroute dient minimaal uit 4 bronpunten te bestaan!";
        QCOMPARE(r.err, warning + '\n');
        const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(json["sections"].toString(), QStringLiteral("1111"));
        QCOMPARE(json["warnings"].toArray(), QJsonArray{warning});
        const QJsonArray tables = json["results"].toArray();
        QCOMPARE(tables.size(), 2);

        // Numbers exactly as the command leaves them in memory: the same run in-process.
        auto mem = site();
        FakePlatform platform;
        FakeMainView view;
        QVERIFY(
            runCalculationCommand(*mem, platform, platform, view, ReportKind::Transmission).done());
        for (int k = 0; k < 2; ++k)
            QCOMPARE(tables[k].toArray()[0].toObject()["laeq"].toArray()[1].toDouble(),
                     mem->results[k][1].laeq[1]);
        QCOMPARE(json["lden"].toDouble(), mem->lden);
    }

    // The file holds the overview in Windows-1252, one more line end after it, and replaces
    // a longer file whole.
    void reportPrnFile() {
        const QString path = dir.filePath("overzicht.prn");
        QVERIFY(putFile(path, QByteArray(100000, 'x')));
        const CliRun r = cliRun(reportArgs("2", "1111", ",") + QStringList{"-o", path});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString());
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes, toWin1252(QString::fromUtf8(fileBytes(
                            ORNAVELD_TEST_DATA_DIR "/golden/voorbeeld_2_1111_komma.txt"))) +
                            "\r\n");
        QVERIFY(bytes.contains("Belgi\xEB")); // the golden text is in Windows-1252 here
    }
    // The print options reach the renderer: only a chosen 12 pt portrait page is too narrow.
    void pdfOptions_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("fits");
        QTest::newRow("li Standaard values") << QStringList{} << true;
        QTest::newRow("li portrait 12 chosen") << QStringList{"--size", "12"} << false;
        QTest::newRow("li to standard output")
            << QStringList{"--landscape", "--size", "8", "-o", "-"} << true;
    }
    void pdfOptions() {
#ifndef ORNAVELD_CLI_PROGRAM
        QSKIP("built without the GUI");
#else
        QFETCH(QStringList, options);
        const QString file = dir.filePath(QStringLiteral("rapport.pdf"));
        const CliRun r = program(QStringList{kExample, "--kind", "2", "-o", file} + options);
        const bool piped = options.contains("-");
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.endsWith(" geschreven naar " + (piped ? "standaarduitvoer" : file) + "\n"),
                 qPrintable(r.err));
        QTEST(!r.err.contains(QStringLiteral("Waarschuwing: de tabellen zijn breder")), "fits");
        QVERIFY((piped ? r.out.toUtf8() : fileBytes(file)).startsWith("%PDF-"));
#endif
    }

    // A pipe is written straight to and stays what it is.
    void nonRegularTargets() {
        const QString fifo = dir.filePath(QStringLiteral("pijp.prn"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString prn = dir.filePath(QStringLiteral("gewoon.prn"));
        QCOMPARE(cliRun(reportArgs("2", "1111", ",") + QStringList{"-o", prn}).code, 0);
        QByteArray received;
        std::thread reader([&] { received = fileBytes(fifo); });
        QCOMPARE(cliRun(reportArgs("2", "1111", ",") + QStringList{"-o", fifo}).code, 0);
        reader.join();
        QCOMPARE(received, fileBytes(prn));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    }
};

ORV_TEST_MAIN(TestCli)
#include "tst_cli.moc"
