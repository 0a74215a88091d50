// ornaveld-cli sheet against the sheet the core builds of the same run (its CSV is compared
// with the window's), its failures with their Dutch messages and exit statuses, and the two
// small gaps beside it (--version, a folder given to dump).

#include "app/calculationrun.h"
#include "app/projectfile.h"
#include "base/numberformat.h"
#include "cli/commands.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "report/sheet.h"
#include "testdata.h"

#include <memory>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;

namespace {

const QString kExample = QStringLiteral(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv");

struct Run {
    int code = -1;
    QString out, err;
};

Run cliRun(const QStringList& args) {
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.code = cli::run(args, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace

class TestCliSheet : public QObject {
    Q_OBJECT
    orvtest::DecimalSeparatorGuard decimal_{QLatin1Char(',')};

private slots:
    void cleanup() { setDecimalSeparator(QLatin1Char(',')); }

    void jsonMatchesCore() {
        const Run r =
            cliRun({"sheet", kExample, "--limits", "52/50/46", "--lamax-limits", "65,0/60/55"});
        QCOMPARE(r.code, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
        // The example calculated in-process as the desktop does, and its sheet.
        auto s = std::make_unique<State>();
        QVERIFY(readProjectFile(kExample, *s).ok());
        orvtest::FakePlatform platform;
        orvtest::FakeMainView view;
        QVERIFY(
            runCalculationCommand(*s, platform, platform, view, ReportKind::Transmission).done());
        SheetLimits limits;
        limits.rated[0] = 52, limits.rated[1] = 50, limits.rated[2] = 46;
        limits.lamax[0] = 65, limits.lamax[1] = 60, limits.lamax[2] = 55;
        const Sheet sheet = buildSheet(*s, limits);
        const QJsonArray rows = json["rows"].toArray();
        QCOMPARE(rows.size(), qsizetype(sheet.rows.size()));
        bool someNeeded = false;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QJsonObject row = rows[i].toObject();
            const SheetRow& want = sheet.rows[static_cast<std::size_t>(i)];
            QCOMPARE(QPair(row["number"].toInt(), row["period"].toInt()),
                     QPair(want.number, want.period));
            QCOMPARE(row["laeq"].toDouble(), want.laeq);
            const QJsonObject red = row["reduction"].toObject();
            QCOMPARE(red["roundedDb"].toDouble(), want.rated.roundedDb);
            QCOMPARE(row["allowed"].toObject()["allowed"].toDouble(), want.amount.allowed);
            someNeeded |= red["status"].toString() == "needed";
        }
        QVERIFY(someNeeded);
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
        QTest::newRow("cut short") << QStringList{"sheet", "@/kort.orv"} << 3
                                   << "@/kort.orv: Fout 62 - Invoer voorbij einde van bestand.\n";
        QTest::newRow("dump of a folder")
            << QStringList{"dump", "@"} << 3 << "@: Fout 75 - Fout bij toegang tot pad/bestand.\n";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile example(kExample);
        QVERIFY(example.open(QIODevice::ReadOnly));
        QFile cut(dir.filePath("kort.orv"));
        QVERIFY(cut.open(QIODevice::WriteOnly) && cut.write(example.read(100)) == 100);
        cut.close();
        for (QString& a : args)
            a.replace('@', dir.path());
        const Run r = cliRun(args);
        QCOMPARE(r.code, code);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, message.replace('@', dir.path()));
    }

    void version() {
        const Run r = cliRun({"--version"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString("ornaveld-cli (Ornaveld) 1.0.0\n"));
    }
};

ORV_TEST_MAIN(TestCliSheet)
#include "tst_cli_sheet.moc"
