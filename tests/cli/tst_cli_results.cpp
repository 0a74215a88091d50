// ornaveld-cli results: the JSON contract, exit statuses, and that a damaged or refused
// project never puts a number on standard output.

#include "app/projectfile.h"
#include "app/win1252.h"
#include "calc/commands.h"
#include "cli/commands.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/testregistry.h"

#include <cmath>
#include <limits>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace orv;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run results(const QStringList& args) {
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = cli::runResults(args, out, err);
    out.flush();
    err.flush();
    return r;
}

QJsonObject parse(const QString& text) {
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

QStringList sortedKeys(const QJsonObject& o) {
    QStringList keys = o.keys();
    keys.sort();
    return keys;
}

// A route with too few point sources for its distance and a mobile source.
std::unique_ptr<State> site() {
    auto s = std::make_unique<State>();
    Reset(*s);
    s->sourceCount = {1, 1};
    SourceRecord& route = s->sources[0][1];
    route.description = fixedText(u"Laadroute", kDescriptionWidth);
    route.lwA = 100;
    route.lwAMax = 108;
    route.pointCount = 2;
    route.length = 100;
    route.speed = 20;
    route.movements[0] = 100;
    route.height = 1.5;
    route.distanceA = 50;
    route.distanceB = 132.288;
    SourceRecord& truck = s->sources[1][1];
    truck.description = fixedText(u"Heftruck noord", kDescriptionWidth);
    truck.lwA = 98;
    truck.lwAMax = 104;
    truck.pointCount = 4;
    truck.operatingHours[0] = 6;
    truck.operatingHours[2] = 1;
    truck.height = 1;
    truck.distanceA = 100;
    truck.distanceB = 400;
    truck.reflection = 2;
    truck.screening = 5;
    return s;
}

} // namespace

class TestCliResults : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString save(const State& s, const QString& name) {
        const QString path = dir.filePath(name);
        if (!writeProjectFile(path, s).ok()) qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void contract() {
        auto s = site();
        const QString path = save(*s, QStringLiteral("site.orv"));
        const Run r = results({path, QStringLiteral("--kind"), QStringLiteral("2")});
        QCOMPARE(r.code, 0);
        const QString warning =
            QStringLiteral("Bron Laadroute dient minimaal uit 4 bronpunten te bestaan!");
        QCOMPARE(r.err, warning + QLatin1Char('\n'));
        const QJsonObject json = parse(r.out);
        QCOMPARE(sortedKeys(json),
                 (QStringList{"cumulativeLw", "kind", "lden", "letmaal", "lnight", "penalisedLevel",
                              "replacementHeight", "results", "sections", "sourceCount",
                              "totalLaeq", "totalLamax", "warnings"}));
        QCOMPARE(json["kind"].toInt(), 2);
        QCOMPARE(json["sections"].toString(), QStringLiteral("1111"));
        QCOMPARE(json["sourceCount"].toArray(), (QJsonArray{1, 1}));
        QCOMPARE(json["warnings"].toArray(), QJsonArray{warning});
        const QJsonArray tables = json["results"].toArray();
        QCOMPARE(tables.size(), 2);
        const QJsonObject row = tables[1].toArray()[0].toObject();
        QCOMPARE(sortedKeys(row),
                 (QStringList{"cb", "cm", "cmMax", "correctedLw", "equivalentDistance", "laeq",
                              "lamax", "levelEqBase", "levelMaxBase", "lineLength",
                              "operatingHours", "perpendicularDistance", "startCosine",
                              "transmission", "transmissionMax"}));

        // Every number exactly as the command leaves it in memory: the same run in-process.
        auto mem = site();
        orvtest::FakePlatform platform;
        orvtest::FakeMainView view;
        QCOMPARE(runCalculationCommand(*mem, platform, view, 2), CommandStatus::Done);
        for (int k = 0; k < 2; ++k) {
            const QJsonObject got = tables[k].toArray()[0].toObject();
            const SourceResult& want = mem->results[k][1];
            QCOMPARE(got["transmission"].toDouble(), want.transmission);
            QCOMPARE(got["cm"].toDouble(), want.cm);
            QCOMPARE(got["startCosine"].toDouble(), want.startCosine);
            for (int p = 0; p < 3; ++p) {
                QCOMPARE(got["cb"].toArray()[p].toDouble(), want.cb[p]);
                QCOMPARE(got["laeq"].toArray()[p].toDouble(), want.laeq[p]);
                QCOMPARE(got["lamax"].toArray()[p].toDouble(), want.lamax[p]);
                QCOMPARE(got["operatingHours"].toArray()[p].toDouble(),
                         mem->sources[k][1].operatingHours[p]);
            }
        }
        QCOMPARE(json["letmaal"].toDouble(), mem->letmaal);
        QCOMPARE(json["lden"].toDouble(), mem->lden);
        QCOMPARE(json["totalLaeq"].toArray()[0].toDouble(), mem->totalLaeq[0]);
        QCOMPARE(json["totalLaeq"].toArray()[1].toDouble(), 0.0);
        // The truck's Cb by day: 10·log10(6 / (4·12)).
        QVERIFY(qAbs(tables[1].toArray()[0].toObject()["cb"].toArray()[0].toDouble() -
                     -9.030899869919434) < 1e-12);
    }

    void sectionsAndKinds_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("sections");
        QTest::addColumn<bool>("hasTotals");
        QTest::newRow("kind 1") << QStringList{"--kind", "1"} << "1110" << false;
        QTest::newRow("kind 3") << QStringList{"--kind", "3"} << "1110" << false;
        QTest::newRow("kind 2, mobile only")
            << QStringList{"--kind", "2", "--sections", "1101"} << "1101" << true;
    }
    void sectionsAndKinds() {
        QFETCH(QStringList, options);
        QFETCH(QString, sections);
        QFETCH(bool, hasTotals);
        auto s = site();
        s->sources[0][1].pointCount = 10; // no warning
        const Run r = results(QStringList{save(*s, QStringLiteral("k.orv"))} + options);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());
        const QJsonObject json = parse(r.out);
        QCOMPARE(json["sections"].toString(), sections);
        QCOMPARE(json["warnings"].toArray(), QJsonArray{});
        // Only the transmission report forms totals; with only the mobile rows listed the
        // night total is the truck's own level.
        const double night = json["totalLaeq"].toArray()[2].toDouble();
        QCOMPARE(night != 0, hasTotals);
        if (hasTotals) {
            QCOMPARE(night, json["results"]
                                .toArray()[1]
                                .toArray()[0]
                                .toObject()["laeq"]
                                .toArray()[2]
                                .toDouble());
        }
    }

    void refused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("speed NaN") << "speed" << 1
                                   << "Bron Laadroute: ongeldige waarde voor Rijsnelheid; "
                                      "berekening niet uitgevoerd.";
        QTest::newRow("sub-sources 0") << "points" << 1
                                       << "Bron Heftruck noord: ongeldige waarde voor Aantal "
                                          "deelbronnen; berekening niet uitgevoerd.";
        QTest::newRow("receiver height infinite")
            << "receiver" << 1
            << "Immissiepunt: ongeldige waarde voor Hoogte immissiepunt; berekening niet "
               "uitgevoerd.";
        QTest::newRow("no triangle") << "triangle" << 1
                                     << "De ingevoerde lengte van lijnbron Laadroute komt niet "
                                        "overeen met de opgegeven afstanden tot de rijlijn!";
        QTest::newRow("no sources")
            << "empty" << 1 << "Het project bevat geen bronnen: er is niets berekend.";
    }
    void refused() {
        QFETCH(QString, field);
        QFETCH(int, code);
        QFETCH(QString, message);
        auto s = site();
        if (field == "speed")
            s->sources[0][1].speed = std::numeric_limits<double>::quiet_NaN();
        else if (field == "points")
            s->sources[1][1].pointCount = 0;
        else if (field == "receiver")
            s->project.receiverHeight = std::numeric_limits<double>::infinity();
        else if (field == "triangle")
            s->sources[0][1].distanceB = 30;
        else if (field == "empty")
            s->sourceCount = {0, 0};
        const Run r = results({save(*s, QStringLiteral("bad.orv")), "--kind", "2"});
        QCOMPARE(r.code, code);
        QCOMPARE(r.err, message + QLatin1Char('\n'));
        QCOMPARE(r.out, QString()); // nothing half-calculated, no NaN, on standard output
    }
};

ORV_TEST(TestCliResults)
#include "tst_cli_results.moc"
