// Whole sessions driven by keys alone, from the main window's shortcuts to the file that
// "Opslaan" writes, checked through the command line's dump of that file.

#include "app/mainstate.h"
#include "app/settingsfile.h"
#include "base/numberformat.h"
#include "base/win1252.h"
#include "cli/commands.h"
#include "common/fakeplatform.h"
#include "common/testmain.h"
#include "testdata.h"
#include "ui/shell/frmstart.h"
#include "ui/shell/wiring.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;
using namespace orvtest;

namespace {

struct Desk {
    explicit Desk(bool example) {
        setDecimalSeparator(QLatin1Char(','));
        platform.currentDir = dir.path();
        if (example) {
            QFile::copy(ORNAVELD_EXAMPLES_DIR "/Ornaveld.set", dir.filePath(kSettingsFileName));
            QFile::copy(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv", dir.filePath("voorbeeld.orv"));
        } else {
            SettingsData s;
            s.libraryCount = 3;
            s.library[1] = {fixedText(u"<selecteer geluidsbron>", 25), 0, 0};
            s.library[2] = {fixedText(u"Heftruck", 25), 95, 100};
            s.library[3] = {fixedText(u"Shovel", 25), 102, 108};
            writeSettingsFile(dir.filePath(kSettingsFileName), s);
        }
        window.setMainState(&main);
        wireWindows(window, main, *state, platform, platform);
        main.MDIForm_Load(QString());
        window.show();
        QApplication::setActiveWindow(&window);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    ~Desk() { setDecimalSeparator(QLatin1Char('.')); }

    QWidget* focus() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focus(), k, m);
    }
    // Each text into the focused box, then Enter to the next box.
    void enter(const QStringList& texts) {
        for (const QString& t : texts) {
            QTest::keyClicks(focus(), t);
            key(Qt::Key_Return);
        }
    }
    bool tabTo(const QString& name) {
        for (int i = 0; i < 40 && focus()->objectName() != name; ++i)
            key(Qt::Key_Tab);
        return focus()->objectName() == name;
    }
    QJsonObject dump(const QString& file) {
        QString out, err;
        QTextStream o(&out), e(&err);
        [[maybe_unused]] const int rc = cli::runDump({dir.filePath(file)}, o, e);
        o.flush();
        return QJsonDocument::fromJson(out.toUtf8()).object();
    }
    void save(const QString& file) {
        platform.saveAnswers.enqueue(chosen(dir.filePath(file)));
        key(Qt::Key_S, Qt::ControlModifier);
    }

    QTemporaryDir dir;
    std::unique_ptr<State> state = std::make_unique<State>();
    FakePlatform platform;
    frmStart window{*state, platform};
    MainState main{*state, window, platform, platform};
};

// A source with the library choice (Down presses), its boxes and its two combo boxes.
void addSource(Desk& s, int libraryDowns, const QStringList& boxes, int reflectionDowns) {
    s.key(Qt::Key_Insert);
    s.key(Qt::Key_Home);
    for (int i = 0; i < libraryDowns; ++i)
        s.key(Qt::Key_Down);
    s.key(Qt::Key_Return);
    s.enter(boxes);
    QVERIFY(
        s.tabTo(s.focus()->objectName().startsWith("txtLijn") ? "cmbLijnbron_0" : "cmbMobbron_0"));
    s.key(Qt::Key_Home);
    for (int i = 0; i < reflectionDowns; ++i)
        s.key(Qt::Key_Down);
    QVERIFY(s.tabTo(s.focus()->objectName() == "cmbLijnbron_0" ? "cmdOK_0" : "cmdOK_1"));
    s.key(Qt::Key_Space);
}

// Every value of a dumped record, in the dump's (alphabetical) key order.
QString row(const QJsonValue& r) {
    QStringList v;
    for (const QJsonValue x : r.toObject()) {
        const QJsonArray many = x.isArray() ? x.toArray() : QJsonArray{x};
        for (const QJsonValue y : many)
            v << (y.isString() ? y.toString() : QString::number(y.toDouble()));
    }
    return v.join('|');
}

} // namespace

class TestInvoerSession : public QObject {
    Q_OBJECT
private slots:
    void newProjectByKeys() {
        Desk s(false);
        s.key(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(s.focus()->objectName(), QStringLiteral("txtProject_0"));
        s.enter({"P-24", "05-11-1999", "Loods Noord", "nachtelijk laden"});
        QVERIFY(s.tabTo("txtReken_0"));
        s.enter({"Woning 3", "4,25"});
        QVERIFY(s.tabTo("cmbReken_0"));
        s.key(Qt::Key_Down);
        s.key(Qt::Key_Return);
        s.key(Qt::Key_Down);
        s.key(Qt::Key_PageDown, Qt::ControlModifier); // to the line sources
        QCOMPARE(s.focus()->objectName(), QStringLiteral("lstBron_0"));
        addSource(s, 1, {"Route A", "123,46", "12", "57,6", "40", "6,25", "", "1,05", "60", "140"},
                  1);
        addSource(s, 2, {"Route B", "80", "8", "15", "2", "", "1", "1,5", "30", "90"}, 0);
        s.key(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(s.focus()->objectName(), QStringLiteral("lstBron_1"));
        addSource(s, 2, {"Laadkuil", "1", "3,25", "0,5", "", "2", "25"}, 1);
        addSource(s, 1, {"Terrein", "4", "8", "0", "0", "1", "40", "25"}, 0);
        s.save("nieuw.orv");

        const QJsonObject d = s.dump("nieuw.orv");
        QCOMPARE(d.value("sourceCount").toArray(), (QJsonArray{2, 2}));
        QCOMPARE(row(d["project"]),
                 "3|zacht|05-11-1999|Loods Noord|P-24|Woning 3|4.2|nachtelijk laden");
        const QJsonArray lines = d["sources"][0].toArray(), mobiles = d["sources"][1].toArray();
        QCOMPARE(row(lines[0]),
                 "Route A|60|140|1|123.5|95|100|40|6.2|0|0|0|0|12|2|0|Heftruck|58|0");
        // A new source starts as a copy of the one shown: the evening left alone stays 6.2.
        QCOMPARE(row(lines[1]), "Route B|30|90|1.5|80|102|108|2|6.2|1|0|0|0|8|0|0|Shovel|15|0");
        // One sub-source: the farthest distance is the nearest.
        QCOMPARE(row(mobiles[0]), "Laadkuil|25|25|2|0|102|108|0|0|0|3.25|0.5|0|1|2|0|Shovel|0|0");
        // The farthest below the nearest becomes the nearest.
        QCOMPARE(row(mobiles[1]), "Terrein|40|40|1|0|95|100|0|0|0|8|0|0|4|0|0|Heftruck|0|0");
    }

    // The bundled example: one source and one project field edited, nothing else moves.
    void exampleEditChangesOnlyThat() {
        Desk s(true);
        const QJsonObject before = s.dump("voorbeeld.orv");
        s.platform.openAnswers.enqueue(chosen(s.dir.filePath("voorbeeld.orv")));
        s.key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(s.focus()->objectName(), QStringLiteral("txtProject_0"));
        QTest::keyClicks(s.focus(), "25.001");
        s.key(Qt::Key_PageDown, Qt::ControlModifier);
        s.key(Qt::Key_Down);
        s.key(Qt::Key_Return); // edit the second line source
        s.key(Qt::Key_Return);
        s.enter({"", "", ""});
        QCOMPARE(s.focus()->objectName(), QStringLiteral("txtLijnbron_3"));
        QTest::keyClicks(s.focus(), "33");
        QVERIFY(s.tabTo("cmdOK_0"));
        s.key(Qt::Key_Space);
        s.save("bewerkt.orv");

        QJsonObject expected = before;
        QJsonObject project = expected.value("project").toObject();
        project.insert("projectNumber", "25.001");
        expected.insert("project", project);
        QJsonArray sources = expected.value("sources").toArray();
        QJsonArray lines = sources[0].toArray();
        QJsonObject second = lines[1].toObject();
        second.insert("speed", 33);
        lines[1] = second;
        sources[0] = lines;
        expected.insert("sources", sources);
        QCOMPARE(s.dump("bewerkt.orv"), expected);
    }
};

ORV_GUI_TEST_MAIN(TestInvoerSession)
#include "tst_invoersession.moc"
