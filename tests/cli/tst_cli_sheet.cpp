// ornaveld-cli sheet against golden outputs, its failures with their Dutch messages and exit
// statuses, and the two small gaps beside it (--version, a folder given to dump).

#include "base/numberformat.h"
#include "cli/commands.h"
#include "common/clirun.h"
#include "common/files.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "testdata.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;
using namespace orvtest;

class TestCliSheet : public QObject {
    Q_OBJECT
    orvtest::DecimalSeparatorGuard decimal_{QLatin1Char(',')};

private slots:
    void cleanup() { setDecimalSeparator(QLatin1Char(',')); }

    // The sheet of the example against limits, as JSON and as CSV with a decimal point; the
    // period figures agree with the transmission report of the same run (day 53,8, Letmaal
    // from the evening's 52,8 + 5).
    void golden_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::newRow("json") << QStringList{"--limits", "50/45/40", "--lamax-limits", "70/65/60"}
                              << "voorbeeld_sheet_50-45-40.json";
        QTest::newRow("csv") << QStringList{"--decimal",      ".",        "--limits", "40/35/30",
                                            "--lamax-limits", "60/55/50", "--csv"}
                             << "voorbeeld_sheet_40-35-30_punt.csv";
    }
    void golden() {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        const CliRun r = cliRun(QStringList{"sheet", kExample} + args);
        QCOMPARE(r.code, 0);
        QFile golden(QStringLiteral(ORNAVELD_TEST_DATA_DIR "/golden/") + file);
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(r.out.toUtf8(), golden.readAll()); // byte for byte: the CSV opens with a BOM
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString limits =
            "--limits verwacht drie grenswaarden dag/avond/nacht in dB(A) (0..150), bijvoorbeeld "
            "50/45/40.\n";
        QTest::newRow("two limits")
            << QStringList{"sheet", kExample, "--limits", "50/45"} << 2 << limits;
        QTest::newRow("lamax limit not a number")
            << QStringList{"sheet", kExample, "--lamax-limits", "70/6x/60"} << 2
            << QString(limits).replace("--limits", "--lamax-limits");
        QTest::newRow("no file") << QStringList{"sheet"} << 2
                                 << "Geef precies één projectbestand (.orv) op.\n";
        QTest::newRow("dump of a folder")
            << QStringList{"dump", "@"} << 3 << "@: Fout 75 - Fout bij toegang tot pad/bestand.\n";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        for (QString& a : args)
            a.replace('@', dir.path());
        const CliRun r = cliRun(args);
        QCOMPARE(r.code, code);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, message.replace('@', dir.path()));
    }

    void version() {
        const CliRun r = cliRun({"--version"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString("ornaveld-cli (Ornaveld) 1.0.0\n"));
    }
};

ORV_TEST_MAIN(TestCliSheet)
#include "tst_cli_sheet.moc"
