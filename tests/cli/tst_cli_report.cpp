// ornaveld-cli report: the same texts as the golden reports of the example, the "*.prn" file
// in Windows-1252, and the exit status of every way a run can go wrong.

#include "app/projectfile.h"
#include "app/win1252.h"
#include "cli/commands.h"
#include "common/testregistry.h"
#include "testdata.h"

#include <memory>
#include <QFile>
#include <QTemporaryDir>

using namespace orv;

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

Run report(const QStringList& args) {
    Run r{};
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = cli::runReport(args, out, err);
    out.flush();
    err.flush();
    return r;
}

const QString kExample = QStringLiteral(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv");

QString golden(const QString& name) {
    QFile f(QStringLiteral(ORNAVELD_TEST_DATA_DIR "/golden/") + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList exampleArgs(const QString& kind, const QString& flags, const QString& sep) {
    return {kExample,    "--kind", kind,     "--sections",     flags,
            "--decimal", sep,      "--user", "Ir. J. de Vries"};
}

} // namespace

class TestCliReport : public QObject {
    Q_OBJECT
private slots:
    void sameAsGolden_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::newRow("1") << exampleArgs("1", "1110", ",") << "voorbeeld_1_1110_komma.txt";
        QTest::newRow("2") << exampleArgs("2", "1111", ".") << "voorbeeld_2_1111_punt.txt";
        QTest::newRow("2 no source lists")
            << exampleArgs("2", "1100", ",") << "voorbeeld_2_1100_komma.txt";
        QTest::newRow("2 total surcharge")
            << exampleArgs("2", "1111", ",") + QStringList{"--total-surcharge", "10"}
            << "voorbeeld_2_1111_toeslag10_komma.txt";
        QTest::newRow("3") << exampleArgs("3", "0010", ",") << "voorbeeld_3_0010_komma.txt";
        // Without --sections every part the section dialog offers is included.
        QTest::newRow("2 default sections")
            << QStringList{kExample, "--kind", "2", "--decimal", ".", "--user", "Ir. J. de Vries"}
            << "voorbeeld_2_1111_punt.txt";
    }
    void sameAsGolden() {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        const QString expected = golden(file);
        QVERIFY(!expected.isEmpty());
        const Run r = report(args);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, int(cli::kExitDone));
        QCOMPARE(r.out, expected);
    }

    // The file holds the overview in Windows-1252, one more line end after it, and replaces
    // a longer file whole.
    void prnFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("overzicht.prn");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();

        const Run r = report(exampleArgs("2", "1111", ",") + QStringList{"-o", path});
        QCOMPARE(r.code, int(cli::kExitDone));
        QCOMPARE(r.out, QString());
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes, toWin1252(golden("voorbeeld_2_1111_komma.txt")) + "\r\n");
        QVERIFY(bytes.endsWith("dB)\r\n\r\n"));
        // ë of "België", the em dash of the rules, the superscript one of the footnotes.
        QVERIFY(bytes.contains("Belgi\xEB"));
        QVERIFY(bytes.contains(QByteArray(141, '\x97') + "\r\n"));
        QVERIFY(bytes.contains("\xB9 De begin-"));
        QVERIFY(!bytes.contains('?'));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing project")
            << QStringList{"@DIR@/weg.orv", "--kind", "1"} << int(cli::kExitFile)
            << "@DIR@/weg.orv: Fout 53 - Bestand niet gevonden.\n";
        QTest::newRow("output folder missing")
            << exampleArgs("1", "1110", ".") + QStringList{"-o", "@DIR@/nergens/uit.prn"}
            << int(cli::kExitFile) << "@DIR@/nergens/uit.prn: Fout 76 - Pad niet gevonden.\n";
        QTest::newRow("output is a folder")
            << exampleArgs("1", "1110", ".") + QStringList{"-o", "@DIR@"} << int(cli::kExitFile)
            << "@DIR@: Fout 75 - Fout bij toegang tot pad/bestand.\n";
        QTest::newRow("no sources")
            << QStringList{"@DIR@/leeg.orv", "--kind", "2"} << int(cli::kExitRefused)
            << "Het project bevat geen bronnen: er is niets berekend.\n";
        QTest::newRow("no kind") << QStringList{kExample} << int(cli::kExitUsage)
                                 << "--kind moet 1, 2 of 3 zijn.\n";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        auto empty = std::make_unique<State>();
        QVERIFY(writeProjectFile(dir.filePath("leeg.orv"), *empty).ok());
        for (QString& a : args)
            a.replace("@DIR@", dir.path());
        message.replace("@DIR@", dir.path());
        const Run r = report(args);
        QCOMPARE(r.code, code);
        QCOMPARE(r.err, message);
        QCOMPARE(r.out, QString());
    }

    // A line source whose distances cannot meet its length stops the transmission command:
    // its warning goes to standard error and no report is printed.
    void geometryRefused() {
        QTemporaryDir dir;
        auto st = std::make_unique<State>();
        st->sourceCount[0] = 1;
        SourceRecord& s = st->sources[0][1];
        s.sourceName = fixedText(u"Vrachtwagen", kSourceNameWidth);
        s.description = fixedText(u"Te korte route", kDescriptionWidth);
        s.lwA = 100, s.lwAMax = 105, s.pointCount = 10, s.length = 10, s.speed = 20;
        s.movements[0] = 10;
        s.height = 1, s.distanceA = 50, s.distanceB = 200;
        const QString path = dir.filePath("scheef.orv");
        QVERIFY(writeProjectFile(path, *st).ok());
        const Run r = report({path, "--kind", "2", "--decimal", "."});
        QCOMPARE(r.code, int(cli::kExitRefused));
        QCOMPARE(r.out, QString());
        QVERIFY(r.err.contains("Te korte route"));
    }
};

ORV_TEST(TestCliReport)
#include "tst_cli_report.moc"
