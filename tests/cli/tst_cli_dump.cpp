#include "app/filetestutil.h"
#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "cli/commands.h"
#include "common/testregistry.h"

#include <limits>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace orv;
using namespace orvtest;

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

Run dump(const QStringList& args) {
    Run r{};
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = cli::runDump(args, out, err);
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

QStringList sortedKeys(const QJsonObject& o) {
    QStringList keys = o.keys();
    keys.sort();
    return keys;
}

bool putFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestCliDump : public QObject {
    Q_OBJECT
private slots:
    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no file") << QStringList{};
        QTest::newRow("two files") << QStringList{"a.orv", "b.orv"};
        QTest::newRow("text file") << QStringList{"bronnen.txt"};
        QTest::newRow("no extension") << QStringList{"voorbeeld"};
        QTest::newRow("backup of a project") << QStringList{"voorbeeld.orv.bak"};
    }
    void usage() {
        QFETCH(QStringList, args);
        const Run r = dump(args);
        QCOMPARE(r.code, int(cli::kExitUsage));
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("Gebruik: ornaveld-cli dump"));
    }

    void fileErrors_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing project")
            << "weg.orv" << QByteArray() << "Fout 53 - Bestand niet gevonden.";
        QTest::newRow("missing settings")
            << "Ornaveld.set" << QByteArray() << "Fout 53 - Bestand niet gevonden.";
        QTest::newRow("project cut short") << "kort.orv" << le16(1) + QByteArray(100, ' ')
                                           << "Fout 62 - Invoer voorbij einde van bestand.";
        QTest::newRow("library of 501")
            << "groot.SET" << QByteArray(110, ' ') + le16(501)
            << "Fout 1001 - Ongeldig bestand: aantal bronnen buiten 0..500.";
    }
    void fileErrors() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!bytes.isEmpty()) QVERIFY(putFile(path, bytes));
        const Run r = dump({path});
        QCOMPARE(r.code, int(cli::kExitFile));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err, path + ": " + message + "\n");
    }

    void project() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Project.ORV"); // the extension in any case
        auto state = sampleState(1, 2);
        state->project.groundType = fixedText(u"hard", 5);
        QVERIFY(writeProjectFile(path, *state).ok());

        const Run r = dump({path});
        QCOMPARE(r.code, int(cli::kExitDone));
        QVERIFY(r.err.isEmpty());
        const QJsonObject json = parse(r.out);
        QCOMPARE(sortedKeys(json), (QStringList{"project", "sourceCount", "sources"}));
        QCOMPARE(json["sourceCount"].toArray(), (QJsonArray{1, 2}));

        const QJsonArray sources = json["sources"].toArray();
        QCOMPARE(sources.size(), 2);
        QCOMPARE(sources[0].toArray().size(), 1);
        QCOMPARE(sources[1].toArray().size(), 2);
        const QJsonObject line = sources[0].toArray()[0].toObject();
        QCOMPARE(sortedKeys(line),
                 (QStringList{"description", "distanceA", "distanceB", "height", "length", "lwA",
                              "lwAMax", "movements", "operatingHours", "pointCount", "reflection",
                              "screening", "sourceName", "speed", "surchargeKx"}));
        const SourceRecord& l = state->sources[0][1];
        QCOMPARE(line["sourceName"].toString(), QStringLiteral("Bron 0-1 ë€×"));
        QCOMPARE(line["description"].toString(), QStringLiteral("Specificatie 0.1"));
        QCOMPARE(line["lwA"].toDouble(), l.lwA);
        QCOMPARE(line["distanceB"].toDouble(), l.distanceB);
        QCOMPARE(line["movements"].toArray(),
                 (QJsonArray{l.movements[0], l.movements[1], l.movements[2]}));
        QCOMPARE(line["screening"].toInt(), -5);
        QCOMPARE(line["surchargeKx"].toInt(), 5);
        QCOMPARE(sources[1].toArray()[1].toObject()["sourceName"].toString(),
                 QStringLiteral("Bron 1-2 ë€×"));

        const QJsonObject p = json["project"].toObject();
        QCOMPARE(sortedKeys(p), (QStringList{"facadeReflection", "groundType", "projectDate",
                                             "projectName", "projectNumber", "receiverDescription",
                                             "receiverHeight", "remarks"}));
        QCOMPARE(p["groundType"].toString(), QStringLiteral("hard"));
        QCOMPARE(p["projectNumber"].toString(), QStringLiteral("P-ë€×"));
        QCOMPARE(p["receiverHeight"].toDouble(), 4.5);
        QCOMPARE(p["facadeReflection"].toInt(), 3);
    }

    void settings() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Ornaveld.set");
        SettingsData s;
        s.userName = fixedText(u"  Jansen & Zn", 30); // leading spaces are the user's own
        s.userNameLabel = fixedText(u"  Jansen && Zn", 30);
        s.paperOrientation = 2;
        s.printFontSize = 8;
        s.bodyStyle2 = 4;
        s.library[1] = LibraryEntry{fixedText(u"Heftruck diesel", 25), 98, 105.5};
        s.libraryCount = 1;
        QVERIFY(writeSettingsFile(path, s).ok());

        const Run r = dump({path});
        QCOMPARE(r.code, int(cli::kExitDone));
        const QJsonObject json = parse(r.out);
        QCOMPARE(sortedKeys(json),
                 (QStringList{"bodyStyle1", "bodyStyle2", "headerStyle", "library", "libraryCount",
                              "paperOrientation", "printFontName", "printFontSize", "userName",
                              "userNameLabel"}));
        QCOMPARE(json["userName"].toString(), QStringLiteral("  Jansen & Zn"));
        QCOMPARE(json["userNameLabel"].toString(), QStringLiteral("  Jansen && Zn"));
        QCOMPARE(json["printFontName"].toString(), QString());
        QCOMPARE(json["paperOrientation"].toInt(), 2);
        QCOMPARE(json["bodyStyle2"].toInt(), 4);
        QCOMPARE(json["libraryCount"].toInt(), 1);
        const QJsonObject entry = json["library"].toArray()[0].toObject();
        QCOMPARE(sortedKeys(entry), (QStringList{"entryName", "lwEq", "lwMax"}));
        QCOMPARE(entry["entryName"].toString(), QStringLiteral("Heftruck diesel"));
        QCOMPARE(entry["lwMax"].toDouble(), 105.5);
    }

    // A damaged number in a file that is otherwise whole still gives valid JSON.
    void notANumberStaysValidJson() {
        QTemporaryDir dir;
        const QString path = dir.filePath("nan.orv");
        auto state = sampleState(1, 0);
        state->sources[0][1].lwA = std::numeric_limits<double>::quiet_NaN();
        state->sources[0][1].length = std::numeric_limits<double>::infinity();
        QVERIFY(writeProjectFile(path, *state).ok());
        const Run r = dump({path});
        QCOMPARE(r.code, int(cli::kExitDone));
        QJsonParseError e{};
        QJsonDocument::fromJson(r.out.toUtf8(), &e);
        QCOMPARE(e.error, QJsonParseError::NoError);
    }
};

ORV_TEST(TestCliDump)
#include "tst_cli_dump.moc"
