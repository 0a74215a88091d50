// ornaveld-cli: the JSON of dump and results, the report texts and "*.prn" bytes, the PDF's
// pages as the renderer draws them, and the exit status and message of every failure.

#include "app/calculationrun.h"
#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "base/win1252.h"
#include "calc/calcfixture.h"
#include "cli/cliplatform.h"
#include "cli/commands.h"
#include "cli/runoptions.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/recordingsurface.h"
#include "common/testmain.h"
#include "report/drukoverzicht.h"
#include "report/printsettings.h"
#include "testdata.h"

#include <functional>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <thread>

using namespace orv;
using namespace orvtest;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// args[0] is the subcommand, as on the command line.
Run cliRun(const QStringList& args) {
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = cli::run(args, out, err);
    out.flush();
    err.flush();
    return r;
}

QJsonObject parse(const QString& text) {
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &e);
    if (e.error != QJsonParseError::NoError) qWarning() << e.errorString();
    return doc.object();
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool putFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QString kExample = QStringLiteral(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv");

QStringList reportArgs(const QString& kind, const QString& flags, const QString& sep) {
    return {"report", kExample,    "--kind", kind,     "--sections",
            flags,    "--decimal", sep,      "--user", "Ir. J. de Vries"};
}

#ifdef ORNAVELD_CLI_PROGRAM
// The PDF is drawn by the real program: fonts need a GUI application, which this test
// executable (a core application) does not start.
Run program(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ORNAVELD_CLI_PROGRAM), QStringList{QStringLiteral("pdf")} + args);
    Run r;
    if (!p.waitForFinished(120000)) return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

// The example's sources repeated until there are lines and mobiles of each kind.
QString writeBigProject(const QString& folder, int lines, int mobiles) {
    auto st = std::make_unique<State>();
    if (!readProjectFile(kExample, *st).ok()) return {};
    const std::array<int, 2> want{lines, mobiles};
    for (int kind = 0; kind < 2; ++kind) {
        const int have = st->sourceCount[kind];
        for (int i = have + 1; i <= want[kind]; ++i)
            st->sources[kind][i] = st->sources[kind][1 + (i - 1) % have];
        st->sourceCount[kind] = static_cast<qint16>(want[kind]);
    }
    const QString path = folder + QStringLiteral("/groot.orv");
    return writeProjectFile(path, *st).ok() ? path : QString();
}

// What the renderer draws for the same run on a page the size of the PDF's printable page.
int recordedPages(const QStringList& args) {
    cli::RunOptions options;
    QString sink;
    QTextStream err(&sink);
    if (cli::parseRunOptions(args, options, err) != cli::kExitDone) return -1;
    auto st = std::make_unique<State>();
    if (cli::loadRunState(options, *st, err) != cli::kExitDone) return -1;
    if (options.settingsFile.isEmpty() && !options.orientation && options.fontSize <= 0)
        applyPrintStandard(st->settings);
    if (options.orientation)
        st->settings.paperOrientation = static_cast<qint16>(*options.orientation);
    if (options.fontSize) st->settings.printFontSize = static_cast<qint16>(options.fontSize);
    cli::CliPlatform platform(err, options.sections);
    orvtest::FakeMainView view;
    if (!runCalculationCommand(*st, platform, platform, view, options.kind).done()) return -1;
    const double margins = 2 * 12 * 20; // the PDF keeps 12 points free on every side
    RecordingSurface surface(TextMetric::fixedPitch(), 595 * 20 - margins, 842 * 20 - margins);
    return DrukOverzicht(surface, *st, false);
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
    }

    // Nothing on standard output; the message exact when it ends a line, else its start.
    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QStringList& args, int code,
                            const char* message) {
            QTest::newRow(name) << args << code << QString::fromUtf8(message);
        };
        const QString k = "--kind", two = "2";
        row("dump no file", {"dump"}, 2, "Gebruik: ornaveld-cli dump");
        row("dump backup", {"dump", "voorbeeld.orv.bak"}, 2, "Gebruik: ornaveld-cli dump");
        row("dump missing", {"dump", "@/weg.orv"}, 3,
            "@/weg.orv: Fout 53 - Bestand niet gevonden.\n");
        row("dump cut short", {"dump", "@/kort.orv"}, 3,
            "@/kort.orv: Fout 62 - Invoer voorbij einde van bestand.\n");
        row("dump library of 501", {"dump", "@/groot.SET"}, 3,
            "@/groot.SET: Fout 1001 - Ongeldig bestand: aantal bronnen buiten 0..500.\n");
        row("results speed NaN", {"results", "@/speed.orv", k, two}, 1,
            "Bron Laadroute: ongeldige waarde voor Rijsnelheid; berekening niet uitgevoerd.\n");
        row("results no triangle", {"results", "@/triangle.orv", k, two}, 1,
            "De ingevoerde lengte van lijnbron Laadroute komt niet overeen met de opgegeven "
            "afstanden tot de rijlijn!\n");
        row("report output folder missing",
            reportArgs("1", "1110", ".") + QStringList{"-o", "@/nergens/uit.prn"}, 3,
            "@/nergens/uit.prn: Fout 76 - Pad niet gevonden.\n");
        row("report output is a folder", reportArgs("1", "1110", ".") + QStringList{"-o", "@"}, 3,
            "@: Fout 75 - Fout bij toegang tot pad/bestand.\n");
        row("report no sources", {"report", "@/leeg.orv", k, two}, 1,
            "Het project bevat geen bronnen: er is niets berekend.\n");
        row("report no kind", {"report", kExample}, 2, "--kind moet 1, 2 of 3 zijn.\n");
        row("pdf no output", {"pdf", kExample, k, two}, 2,
            "ornaveld-cli pdf: geef het PDF-bestand op met -o OUT.pdf.\n");
        row("pdf output folder missing",
            {"pdf", kExample, k, two, "--landscape", "--size", "6", "-o", "@/geen/rapport.pdf"}, 3,
            "@/geen/rapport.pdf: Fout 76 - Pad niet gevonden.\n");
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
#ifdef ORNAVELD_CLI_PROGRAM
        const Run r = drawn ? program(args.mid(1)) : cliRun(args);
#else
        if (drawn) QSKIP("built without the GUI");
        const Run r = cliRun(args);
#endif
        QCOMPARE(r.code, code);
        QCOMPARE(r.out, QString()); // nothing half-calculated, no NaN, on standard output
        if (message.endsWith('\n'))
            QCOMPARE(r.err, message);
        else
            QVERIFY2(r.err.startsWith(message), qPrintable(r.err));
    }

    // A damaged number in a file that is otherwise whole still gives valid JSON; names come
    // out of Windows-1252, the user's leading spaces stay.
    void dump() {
        auto state = std::make_unique<State>();
        state->sourceCount = {1, 2};
        state->sources[1][2].sourceName = fixedText(u"Bron ë€×", 25);
        state->sources[0][1].screening = -5; // a negative value tests the sign
        state->sources[1][1].lwA = qQNaN();
        state->sources[1][1].length = qInf();
        Run r = cliRun({"dump", save(*state, "Project.ORV")}); // the extension in any case
        QCOMPARE(r.code, 0);
        QVERIFY(r.err.isEmpty());
        QJsonObject json = parse(r.out);
        QCOMPARE(json["sourceCount"].toArray(), (QJsonArray{1, 2}));
        const QJsonArray sources = json["sources"].toArray();
        QCOMPARE(sources[0].toArray()[0].toObject()["screening"].toInt(), -5);
        QCOMPARE(sources[1].toArray()[1].toObject()["sourceName"].toString(),
                 QStringLiteral("Bron ë€×"));

        SettingsData s;
        s.userName = fixedText(u"  Jansen & Zn", 30);
        s.library[1] = LibraryEntry{fixedText(u"Heftruck diesel", 25), 98, 105.5};
        s.libraryCount = 1;
        const QString path = dir.filePath("Ornaveld.set");
        QVERIFY(writeSettingsFile(path, s).ok());
        r = cliRun({"dump", path});
        QCOMPARE(r.code, 0);
        json = parse(r.out);
        QCOMPARE(json["userName"].toString(), QStringLiteral("  Jansen & Zn"));
        const QJsonObject entry = json["library"].toArray()[0].toObject();
        QCOMPARE(entry["entryName"].toString(), QStringLiteral("Heftruck diesel"));
        QCOMPARE(entry["lwMax"].toDouble(), 105.5);
    }

    void resultsContract() {
        const Run r = cliRun({"results", save(*site(), "site.orv"), "--kind", "2"});
        QCOMPARE(r.code, 0);
        const QString warning = "Bron Laadroute dient minimaal uit 4 bronpunten te bestaan!";
        QCOMPARE(r.err, warning + '\n');
        const QJsonObject json = parse(r.out);
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
        // The truck's Cb by day: 10·log10(6 / (4·12)).
        QVERIFY(qAbs(tables[1].toArray()[0].toObject()["cb"].toArray()[0].toDouble() -
                     -9.030899869919434) < 1e-12);
    }

    // The file holds the overview in Windows-1252, one more line end after it, and replaces
    // a longer file whole.
    void reportPrnFile() {
        const QString path = dir.filePath("overzicht.prn");
        QVERIFY(putFile(path, QByteArray(100000, 'x')));
        const Run r = cliRun(reportArgs("2", "1111", ",") + QStringList{"-o", path});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString());
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes, toWin1252(QString::fromUtf8(fileBytes(
                            ORNAVELD_TEST_DATA_DIR "/golden/voorbeeld_2_1111_komma.txt"))) +
                            "\r\n");
        QVERIFY(bytes.contains("Belgi\xEB")); // the golden text is in Windows-1252 here
    }
    void pdfPagesAsRendered_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("fits");
        QTest::newRow("li landscape 8")
            << QStringList{"--kind", "2", "--landscape", "--size", "8"} << true;
        QTest::newRow("cb portrait 6")
            << QStringList{"--kind", "1", "--size", "6", "--decimal", ","} << true;
        // Without settings, size or orientation the Standaard values: every column fits.
        QTest::newRow("li Standaard values") << QStringList{"--kind", "2"} << true;
        QTest::newRow("li portrait 12 chosen")
            << QStringList{"--kind", "2", "--size", "12"} << false;
    }
    void pdfPagesAsRendered() {
#ifndef ORNAVELD_CLI_PROGRAM
        QSKIP("built without the GUI");
#else
        QFETCH(QStringList, options);
        QFETCH(bool, fits);
        const QString out = dir.filePath(QStringLiteral("rapport.pdf"));
        const QString big = writeBigProject(dir.path(), 140, 90);
        QVERIFY(!big.isEmpty());
        const QStringList args = QStringList{big, "-o", out} + options;
        const Run r = program(args);
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.isEmpty());
        const int pages = pdfPages(out);
        QVERIFY(pages > 1);
        QCOMPARE(pages, recordedPages(args));
        QVERIFY2(
            r.err.endsWith(QStringLiteral("%1 pagina's geschreven naar %2\n").arg(pages).arg(out)),
            qPrintable(r.err));
        QCOMPARE(
            r.err.contains(QStringLiteral("Waarschuwing: de tabellen zijn breder dan de pagina")),
            !fits);
#endif
    }

    // A pipe or a device is written straight to and stays what it is; "-" is standard output.
    void nonRegularTargets() {
#ifndef ORNAVELD_CLI_PROGRAM
        QSKIP("built without the GUI");
#else
        const QString fifo = dir.filePath(QStringLiteral("pijp"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString prn = dir.filePath(QStringLiteral("gewoon.prn"));
        QCOMPARE(cliRun(reportArgs("2", "1111", ",") + QStringList{"-o", prn}).code, 0);
        const auto throughPipe = [&fifo](const std::function<int()>& writer) {
            QByteArray received;
            std::thread reader([&] { received = fileBytes(fifo); });
            const int code = writer();
            reader.join();
            return std::make_pair(code, received);
        };
        const auto report = throughPipe([&] {
            return cliRun(reportArgs("2", "1111", ",") + QStringList{"-o", fifo}).code;
        });
        QCOMPARE(report.first, 0);
        QCOMPARE(report.second, fileBytes(prn));
        const auto pdf = throughPipe([&] {
            return program({kExample, "--kind", "2", "-o", fifo}).code;
        });
        QCOMPARE(pdf.first, 0);
        QVERIFY(pdf.second.startsWith("%PDF-") && pdf.second.trimmed().endsWith("%%EOF"));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));

        if (QFileInfo(QStringLiteral("/dev/full")).isWritable()) {
            const Run full = cliRun(reportArgs("1", "1110", ",") + QStringList{"-o", "/dev/full"});
            QCOMPARE(full.code, 3);
            QCOMPARE(full.err, QStringLiteral("/dev/full: Fout 61 - Schijf vol.\n"));
            QVERIFY(::stat("/dev/full", &info) == 0 && S_ISCHR(info.st_mode));
        }

        QProcess p;
        p.start(QStringLiteral(ORNAVELD_CLI_PROGRAM),
                {"pdf", kExample, "--kind", "2", "--landscape", "-o", "-"});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray bytes = p.readAllStandardOutput();
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(QString::fromLatin1(bytes).count(page), 1);
#endif
    }
};

ORV_TEST_MAIN(TestCli)
#include "tst_cli.moc"
