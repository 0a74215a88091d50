#include "base/numberformat.h"
#include "base/win1252.h"
#include "common/datatable.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "input/centring.h"
#include "input/commit.h"
#include "input/fields.h"
#include "input/listops.h"
#include "input/projecttexts.h"
#include "input/sourcetexts.h"

#include <memory>

using namespace orv;

namespace {

SourceRecord named(const QString& name, const QString& description) {
    SourceRecord r;
    r.sourceName = fixedText(name, kSourceNameWidth);
    r.description = fixedText(description, kDescriptionWidth);
    return r;
}

std::unique_ptr<State> withLibrary() {
    auto s = std::make_unique<State>();
    s->settings.libraryCount = 3;
    s->settings.library[1] = {fixedText(u"<selecteer geluidsbron>", 25), 0, 0};
    s->settings.library[2] = {fixedText(u"Heftruck", 25), 95, 100};
    s->settings.library[3] = {fixedText(u"Heftruck", 25), 90, 104}; // a second of that name
    return s;
}

// A complete line source as typed: name, description, then boxes 1..9.
SourceTexts lineInput(QStringList boxes) {
    SourceTexts t;
    t.sourceName = QStringLiteral("Heftruck");
    t.libraryPosition = 2;
    for (int i = 0; i < boxes.size(); ++i)
        t.boxes[static_cast<std::size_t>(i)] = boxes[i];
    t.reflection = QStringLiteral("2");
    t.screening = QStringLiteral("5");
    return t;
}

QStringList descriptions(const State& s, int kind) {
    QStringList out;
    for (int i = 1; i <= s.sourceCount[static_cast<std::size_t>(kind)]; ++i)
        out << trimmed(
            s.sources[static_cast<std::size_t>(kind)][static_cast<std::size_t>(i)].description);
    return out;
}

} // namespace

class TestInvoerLogic : public QObject {
    Q_OBJECT
private slots:
    // The one field table: a box left, a box stored by the commit, and a key typed.
    void fieldRules_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left");   // null: refused
        QTest::addColumn<QString>("stored"); // null: refused
        const QStringList groups{"Lijnbron", "Mobbron", "Project", "Reken", "Lw", "Toeslag"};
        for (const QStringList& c : orvtest::tableRows("fieldrules.txt"))
            QTest::newRow(qPrintable(c[0]))
                << int(groups.indexOf(c[1])) << c[2].toInt() << c[3] << c[4] << c[5];
    }
    void fieldRules() {
        QFETCH(int, group);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, left);
        QFETCH(QString, stored);
        const auto g = static_cast<FieldGroup>(group);
        const ValidateResult l = leaveBox(g, index, text, u"07-03-2024");
        QCOMPARE(l.accepted ? l.text : QString(), left);
        const ValidateResult st = storeBox(g, index, text);
        QCOMPARE(st.accepted ? st.text : QString(), stored);
    }

    void keys() {
        using enum KeyColour;
        const FieldSpec& length = fieldRule(FieldGroup::Lijnbron, 1);
        const FieldSpec& name = fieldRule(FieldGroup::Project, 2);
        const FieldSpec& date = fieldRule(FieldGroup::Project, 1);
        const FieldSpec& count = fieldRule(FieldGroup::Lijnbron, 2);
        const QList<KeyColour> got{
            keyColour(length, u',', false), keyColour(length, u'a', true),
            keyColour(count, u',', false),  keyColour(length, u'7', true),
            keyColour(date, u'-', true),    keyColour(date, u'/', false),
            keyColour(name, u'é', false),   keyColour(name, QChar(0x015D), false),
            keyColour(name, u'€', true),    keyColour(count, QChar(8), false)};
        QCOMPARE(got, (QList<KeyColour>{Normal, Refused, Refused, EditMany, Normal, Refused, Normal,
                                        Refused, EditMany, Normal}));
        QCOMPARE(nextFieldIndex(FieldGroup::Lijnbron, 0, false), 9);
        QCOMPARE(nextFieldIndex(FieldGroup::Mobbron, 6, true, false), 0);
        QCOMPARE(nextFieldIndex(FieldGroup::Mobbron, 0, false, false), 6);
    }

    // A form smaller or larger than its design keeps the content centred; minimised, it stays.
    void centring() {
        QCOMPARE(centringOffset({500, 300}, {601, 340}, false), QPoint(-51, -20));
        QCOMPARE(centringOffset({700, 400}, {600, 300}, false), QPoint(50, 50));
        QCOMPARE(centringOffset({100, 100}, {600, 300}, true), std::nullopt);
    }

    // The caption over the fields, and one sub-source that puts the farthest distance away.
    void sourceTexts() {
        auto s = withLibrary();
        QCOMPARE(frameCaption(s->settings, 1, 1), "Geluidsvermogenniveau Lw,A 95,0 dB(A)");
        QCOMPARE(frameCaption(s->settings, 0, 0), QString()); // the placeholder
        QCOMPARE(frameCaption(s->settings, 1, 2), QString()); // several sources
        QVERIFY(!subSourceCount(u"").farthestInUse);
        QVERIFY(!subSourceCount(u"1,2").farthestInUse);
        QVERIFY(subSourceCount(u"2").farthestInUse);
    }

    // A single add of a line source: what is stored, or why nothing is.
    void addLine_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored"); // length, points, speed, movements, height, A, B
        const QStringList full{"Route", "123,46", "10", "57.6", "1000",
                               "",      "2,25",   "1",  "20",   "30"};
        QTest::newRow("rounded to display") << full << 0 << -1 << ""
                                            << "123.5 10 58 1000 0 2.2 1 20 30";
        QStringList noName = full;
        noName[0].clear();
        QTest::newRow("description first") << noName << 1 << 0 << "Specificatie niet ingevuld!"
                                           << "";
        QStringList letters = full;
        letters[8] = QStringLiteral("2O");
        QTest::newRow("no number refused") << letters << 2 << 8 << ""
                                           << "";
    }
    void addLine() {
        QFETCH(QStringList, boxes);
        QFETCH(int, box);
        auto s = withLibrary();
        const CommitOutcome out = commitInput(*s, CommitInput{.texts = lineInput(boxes)});
        QTEST(static_cast<int>(out.status), "status");
        QCOMPARE(out.box, box);
        QTEST(out.message, "message");
        QCOMPARE(s->sourceCount[0], qint16(out.status == CommitOutcome::Stored ? 1 : 0));
        if (out.status != CommitOutcome::Stored) return;
        const SourceRecord& r = s->sources[0][1];
        QStringList v;
        for (double x : {r.length, r.pointCount, r.speed, r.movements[0], r.movements[1],
                         r.movements[2], r.height, r.distanceA, r.distanceB})
            v << QString::number(x);
        QTEST(v.join(' '), "stored");
        QCOMPARE(out.currentRow, 0);
        // The second library entry of the same name gives its own levels.
        QCOMPARE(qMakePair(r.lwA, r.lwAMax), qMakePair(90.0, 104.0));
        QCOMPARE(qMakePair(r.reflection, r.screening), qMakePair(qint16(2), qint16(5)));
    }

    void mobileDistances_data() {
        QTest::addColumn<QString>("nearest");
        QTest::addColumn<QString>("farthest");
        QTest::addColumn<double>("storedB");
        QTest::newRow("farthest empty") << QStringLiteral("40") << QString() << 40.0;
        QTest::newRow("farthest kept") << QStringLiteral("40") << QStringLiteral("90") << 90.0;
    }
    void mobileDistances() {
        QFETCH(QString, nearest);
        QFETCH(QString, farthest);
        auto s = withLibrary();
        const CommitInput in{.kind = MobileSource,
                             .texts =
                                 lineInput({"Pomp", "3", "3,25", "", "", "2", nearest, farthest})};
        QCOMPARE(commitInput(*s, in).status, CommitOutcome::Stored);
        const SourceRecord& r = s->sources[1][1];
        QCOMPARE(r.distanceA, 40.0);
        QTEST(r.distanceB, "storedB");
        QCOMPARE(r.operatingHours[0], 3.25);
    }

    // A name no longer in the library keeps the record's levels; a full kind takes no more,
    // neither when adding starts nor at the commit.
    void libraryLevels() {
        auto s = withLibrary();
        s->sourceCount[0] = 2;
        s->sources[0][2].lwA = 77;
        CommitInput in{.mode = EditMode::Edit,
                       .selectedCount = 1,
                       .currentRow = 1,
                       .texts = lineInput({"bron 2", "1", "1", "5", "", "", "", "1", "1", "1"})};
        in.texts.libraryPosition = -1; // "Heftruck" no longer in the library
        QCOMPARE(commitInput(*s, in).status, CommitOutcome::Stored);
        QCOMPARE(trimmed(s->sources[0][2].sourceName), QStringLiteral("Heftruck"));
        QCOMPARE(s->sources[0][2].lwA, 77.0);
        QCOMPARE(addRefusal(*s, LineSource), QString());
        s->sourceCount[0] = kMaxSources;
        QCOMPARE(addRefusal(*s, LineSource), "Maximaal aantal geluidsbronnen bereikt (= 500)!");
        QCOMPARE(commitInput(*s, CommitInput{.texts = in.texts}).status, CommitOutcome::Full);
    }

    void deleteRows_data() {
        QTest::addColumn<std::vector<int>>("rows");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("2 and 4") << std::vector<int>{3, 1} << QStringList{"1", "3", "5"};
        QTest::newRow("first and last") << std::vector<int>{0, 4} << QStringList{"2", "3", "4"};
        QTest::newRow("all") << std::vector<int>{0, 1, 2, 3, 4} << QStringList{};
    }
    void deleteRows() {
        QFETCH(std::vector<int>, rows);
        auto s = std::make_unique<State>();
        s->sourceCount[1] = 5;
        for (int i = 1; i <= 5; ++i)
            s->sources[1][i] = named("x", QString::number(i));
        deleteSources(*s, MobileSource, rows);
        QTEST(descriptions(*s, 1), "left");
    }

    void sorting_data() {
        QTest::addColumn<QStringList>("records"); // name|description
        QTest::addColumn<QStringList>("sorted");  // descriptions
        QTest::newRow("prefix name first")
            << QStringList{"karretje|a", "kar|b"} << QStringList{"b", "a"};
        QTest::newRow("case ignored, then description")
            << QStringList{"Pomp|z", "pomp|a", "POMP|m"} << QStringList{"a", "m", "z"};
    }
    void sorting() {
        QFETCH(QStringList, records);
        auto s = std::make_unique<State>();
        for (const QString& r : records)
            s->sources[0][++s->sourceCount[0]] = named(r.section('|', 0, 0), r.section('|', 1));
        sortSources(*s, LineSource);
        QTEST(descriptions(*s, 0), "sorted");
    }

    // A height that is no number, or a date that does not exist, keeps the record's value.
    void acceptProject_data() {
        QTest::addColumn<QString>("height");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("storedDate");
        QTest::newRow("above 99") << "120" << 99.0 << "05-11-1999"
                                  << "05-11-1999";
        QTest::newRow("below 1.5, comma") << "1,2" << 1.5 << ""
                                          << "";
        QTest::newRow("refused keep") << "4m" << 7.0 << "31-02-2026"
                                      << "01-01-2000";
    }
    void acceptProject() {
        ProjectRecord p;
        p.receiverHeight = 7;
        p.projectDate = fixedText(u"01-01-2000", kProjectDateWidth);
        ProjectTexts t = showProject(p);
        QFETCH(QString, date);
        t.project[1] = date;
        t.project[2] = QStringLiteral("  Loods  ") + QString(60, u'x');
        QFETCH(QString, height);
        t.reken[1] = height;
        t.groundType = QStringLiteral("zacht");
        t.facadeReflection = QStringLiteral("3");
        const ProjectOutcome out = AcceptProject(t, p);
        QCOMPARE(out.height.accepted, p.receiverHeight != 7);
        QCOMPARE(out.date.accepted, date != "31-02-2026");
        QTEST(p.receiverHeight, "stored");
        QTEST(trimmed(p.projectDate), "storedDate");
        QCOMPARE(p.projectName.size(), kProjectNameWidth);
        QVERIFY(p.projectName.startsWith(QStringLiteral("Loods  xx")));
        QCOMPARE(p.groundType, QStringLiteral("zacht"));
        QCOMPARE(p.facadeReflection, qint16(3));
    }

private:
    orvtest::DecimalSeparatorGuard comma_{QLatin1Char(',')};
};

ORV_TEST_MAIN(TestInvoerLogic)
#include "tst_invoerlogic.moc"
