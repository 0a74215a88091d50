// ornaveld-cli compare: the example against a copy with one louder source, as JSON (against
// the sheet of the same run) and as CSV (against a golden file), and its exit statuses.

#include "app/projectfile.h"
#include "cli/commands.h"
#include "common/clirun.h"
#include "common/files.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "testdata.h"

#include <memory>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;
using namespace orvtest;

namespace {

// The example with "Laden en lossen terrein" 3 dB louder, as b.orv in dir.
QString louderCopy(const QTemporaryDir& dir) {
    auto state = std::make_unique<State>();
    readProjectFile(kExample, *state);
    state->sources[1][1].lwA += 3;
    const QString path = dir.filePath(QStringLiteral("b.orv"));
    writeProjectFile(path, *state);
    return path;
}

} // namespace

class TestCliCompare : public QObject {
    Q_OBJECT
    orvtest::DecimalSeparatorGuard decimal_{QLatin1Char(',')};

private slots:

    // A's period levels are the sheet's of the same project, under the same names; the
    // louder source leads; a level the source does not have is null.
    void json() {
        QTemporaryDir dir;
        const CliRun compare =
            cliRun({"compare", kExample, louderCopy(dir), "--limits", "50/45/40"});
        QCOMPARE(compare.code, 0);
        const QJsonObject c = QJsonDocument::fromJson(compare.out.toUtf8()).object();
        const QJsonObject sheet =
            QJsonDocument::fromJson(cliRun({"sheet", kExample}).out.toUtf8()).object();
        for (int p = 0; p < 3; ++p) {
            const QJsonObject mine = c["periods"][p].toObject();
            const QJsonObject theirs = sheet["periods"][p].toObject();
            for (const char* field : {"energyLevel", "ratedLevel", "lamax"})
                QCOMPARE(mine[field]["a"], theirs[field]);
        }
        QCOMPARE(c["periods"][0]["limit"].toDouble(), 50.0);
        QCOMPARE(c["b"]["file"].toString(), QStringLiteral("b.orv"));
        const QJsonObject first = c["sources"][0].toObject();
        QCOMPARE(first["source"].toString(), QStringLiteral("Laden en lossen terrein"));
        QVERIFY(qAbs(first["laeq"][0]["difference"].toDouble() - 3) < 1e-9);
        QVERIFY(first["laeq"][2]["a"].isNull());
    }

    // Both tables as one CSV, ";" beside the decimal comma; missing values empty.
    void csvGolden() {
        QTemporaryDir dir;
        const CliRun r = cliRun({"compare", kExample, louderCopy(dir), "--csv", "--decimal", ",",
                                 "--limits", "50/45/40", "--lamax-limits", "70/70/70"});
        QCOMPARE(r.code, 0);
        QFile golden(QStringLiteral(ORNAVELD_TEST_DATA_DIR "/golden/compare_voorbeeld.csv"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(r.out.toUtf8(), golden.readAll());
    }

    void exitStatus_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("A missing") << QStringList{"compare", "weg.orv", kExample} << 3
                                   << "weg.orv: Fout 53 - Bestand niet gevonden.";
        QTest::newRow("B missing") << QStringList{"compare", kExample, "weg.orv"} << 3
                                   << "weg.orv: Fout 53 - Bestand niet gevonden.";
        QTest::newRow("limits") << QStringList{"compare", kExample, kExample, "--limits", "50"} << 2
                                << "--limits verwacht";
    }
    void exitStatus() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        const CliRun r = cliRun(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }
};

ORV_TEST_MAIN(TestCliCompare)
#include "tst_cli_compare.moc"
