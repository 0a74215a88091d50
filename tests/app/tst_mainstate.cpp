// The main window's state over a fresh State, the scripted platform and the recording view,
// with a temporary program folder on disk.
#include "app/mainstate.h"
#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "base/win1252.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/testmain.h"
#include "testdata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace orv;
using namespace orvtest;

namespace {

const QString kNoFile = QStringLiteral("Geen bestand");
const QString kNotFound = QStringLiteral("Opstartbestand Ornaveld.set niet gevonden");
const QString kCloseQuestion = QStringLiteral(
    "Wilt u het databestand sluiten zonder opslag van eventueel ingevoerde/gewijzigde gegevens?");
const QString kOpenError = QStringLiteral(
    "Onverwachte fout in procedure mnuOpenen_Click van Form frmStart.\r\nFout %1 - %2.");

SettingsData sampleSettings(int entries = 2, const QString& user = QStringLiteral("Tester")) {
    SettingsData s;
    s.userName = s.userNameLabel = fixedText(user, kUserNameWidth);
    s.libraryCount = static_cast<qint16>(entries);
    for (int i = 1; i <= entries; ++i)
        s.library[static_cast<std::size_t>(i)] = {
            fixedText(QStringLiteral("bron %1").arg(i), kEntryNameWidth), 90.0 + i, 100.0 + i};
    return s;
}

// One line source and two mobile sources, with a recognisable project record.
QByteArray sampleProject() {
    auto st = std::make_unique<State>();
    st->sourceCount = {1, 2};
    st->sources[0][1].lwA = 103.5;
    st->sources[1][2].distanceB = 75;
    st->project.projectName = fixedText(u"Distributiecentrum", kProjectNameWidth);
    return encodeProject(*st);
}

struct Harness {
    Harness() {
        platform.currentDir = dir.path();
        main.setToday(QDate(2024, 3, 7));
        put("proj.orv", sampleProject());
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void mkdir(const QString& name) const { QDir(dir.path()).mkpath(name); }
    void put(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    QByteArray bytes(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A normal start: the settings file is there.
    void start(const QString& commandLine = QString(), int entries = 2) {
        put(kSettingsFileName, encodeSettings(sampleSettings(entries)));
        main.MDIForm_Load(commandLine);
    }
    void open(const QString& name) {
        platform.openAnswers.enqueue(name == "cancel" ? cancelled() : chosen(path(name)));
        main.mnuOpenen_Click();
    }
    QStringList messages() const {
        QStringList texts;
        for (const RecordedMessage& m : platform.messages)
            texts.append(m.text);
        return texts;
    }
    // The eight switched menu items in menu order, then the buttons 2, 3, 5, 6, 7, 9, 10, 12,
    // 13: "1" enabled, "0" not.
    QString menus() const {
        QString p;
        for (int i = 0; i < kMenuItemCount; ++i) {
            const bool on = view.menu.value(MenuItem(i)); // "?" where the state disagrees
            p += main.menuEnabled(MenuItem(i)) != on ? '?' : on ? '1' : '0';
        }
        p += '/';
        for (int index : {2, 3, 5, 6, 7, 9, 10, 12, 13})
            p += view.buttons.value(index) ? '1' : '0';
        return p;
    }

    QTemporaryDir dir;
    std::unique_ptr<State> state = std::make_unique<State>();
    FakePlatform platform;
    FakeMainView view;
    MainState main{*state, view, platform, platform};
};

} // namespace

class TestMainState : public QObject {
    Q_OBJECT
private slots:
    // Menu items (Nieuw, Openen, Bewerken, Sluiten, Opslaan, GebruikersNaam, Lettertype, Info)
    // and buttons, the panel and the project in memory after a sequence of commands.
    void states_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("menus");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("loaded");
        const QString none = "11000001/110000011", work = "00111111/001111111";
        QTest::newRow("no file") << "" << none << kNoFile << false;
        QTest::newRow("new") << "new" << work << kNoFile << false;
        QTest::newRow("open") << "open" << work << "proj.orv" << true;
        QTest::newRow("open cancelled") << "cancel" << none << kNoFile << false;
        QTest::newRow("open, other extension") << "proj.orx" << none << kNoFile << false;
        QTest::newRow("open, close") << "open close" << none << kNoFile << false;
        QTest::newRow("open, close, no") << "open closeNo" << work << "proj.orv" << true;
        QTest::newRow("open, save") << "open save" << none << kNoFile << false;
    }
    void states() {
        QFETCH(QString, steps);
        QFETCH(bool, loaded);
        Harness h;
        h.put("proj.orx", sampleProject());
        h.start();
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "new") h.main.mnuNieuw_Click();
            if (step == "open" || step == "cancel" || step == "proj.orx")
                h.open(step == "open" ? "proj.orv" : step);
            if (step.startsWith("close")) {
                h.platform.answers.enqueue(step == "close" ? kAnswerYes : kAnswerNo);
                h.main.mnuSluiten_Click();
            }
            if (step == "save") {
                h.platform.saveAnswers.enqueue(chosen(h.path("x.orv")));
                h.main.mnuOpslaan_Click();
                QCOMPARE(h.bytes("x.orv"), sampleProject());
                QCOMPARE(h.platform.saveRequests.first().fileName, h.path("proj.orv"));
            }
        }
        QTEST(h.menus(), "menus");
        QTEST(h.view.panels.value(1), "panel");
        QCOMPARE(encodeProject(*h.state), loaded ? sampleProject() : encodeProject(State{}));
        QCOMPARE(h.view.open.contains(FormId::Invoer), h.menus().startsWith("00111111"));
        QCOMPARE(h.messages().join(""), steps.contains("close") ? kCloseQuestion : QString());
        QVERIFY(!h.platform.busy);
    }

    // A project named on the command line opens without a dialog. A damaged file is refused
    // whole with one message; the empty project is then shown under the file's name.
    void commandLine_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("panel");
        const QString none, tooShort = kOpenError.arg(62).arg("Invoer voorbij einde van bestand");
        QTest::newRow("extension in capitals") << "%1/proj.ORV" << none << "proj.ORV";
        QTest::newRow("quoted with spaces") << "\"%1/my data/proj.orv\"" << none << "proj.orv";
        QTest::newRow("leading quote kept") << "\"quoted.orv" << none << "\"quoted.orv";
        QTest::newRow("other extension ignored") << "%1/proj.txt" << none << kNoFile;
        QTest::newRow("missing file")
            << "%1/weg.orv" << kOpenError.arg(53).arg("Bestand niet gevonden") << "weg.orv";
        QTest::newRow("cut in a source") << "cut.orv" << tooShort << "cut.orv";
    }
    void commandLine() {
        QFETCH(QString, commandLine);
        QFETCH(QString, panel);
        Harness h;
        h.mkdir("my data");
        for (const char* name : {"proj.ORV", "my data/proj.orv", "\"quoted.orv", "proj.txt"})
            h.put(name, sampleProject());
        h.put("cut.orv", sampleProject().left(100));
        h.state->sourceCount = {3, 3}; // left over from before: an open empties it first

        h.start(commandLine.replace("%1", h.dir.path()));

        QVERIFY(h.platform.openRequests.isEmpty()); // never a dialog
        QTEST(h.messages().join('|'), "message");
        QCOMPARE(h.view.panels.value(1), panel);
        const QByteArray now = encodeProject(*h.state);
        if (panel == kNoFile)
            QVERIFY(now != sampleProject()); // nothing read
        else
            QCOMPARE(now, h.messages().isEmpty() ? sampleProject() : encodeProject(State{}));
        QCOMPARE(h.menus().left(8), panel != kNoFile ? "00111111" : "11000001");
        QVERIFY(!h.platform.busy);
    }

    // An installed program started from a folder without settings: the user's own folder
    // gets the installed default, nothing is asked, and the settings are written back there.
    void freshInstall() {
        Harness h;
        h.main.setInstallFolders({h.path("user"), ORNAVELD_DEFAULT_SETTINGS_DIR, h.path("docs")});
        h.main.MDIForm_Load(QString());
        QVERIFY(h.messages().isEmpty() && h.main.startupCompleted());
        h.main.MDIForm_Unload();
        QCOMPARE(QFileInfo(h.path("user/Ornaveld.set")).size(), settingsFileSize(1));
    }

    // answers: what the search dialog returns in turn; %1 in texts stands for the folder.
    void search_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("messages");
        QTest::addColumn<bool>("started");
        const QString unusable = " geen of onbruikbaar opstartbestand";
        QTest::newRow("upper-case name elsewhere") << "apps/ORNAVELD.SET" << kNotFound << true;
        QTest::newRow("other name ends the program")
            << "apps/other.set" << kNotFound + "|%1/apps/other.set" + unusable << false;
        QTest::newRow("folder without the file asks again")
            << "empty/Ornaveld.set cancel" << kNotFound + "|" + kNotFound + "|" + unusable << false;
    }
    void search() {
        QFETCH(QString, answers);
        QFETCH(QString, messages);
        QFETCH(bool, started);
        Harness h;
        h.mkdir("apps");
        h.mkdir("empty");
        h.put("apps/ORNAVELD.SET", encodeSettings(sampleSettings(3, "Gevonden")));
        h.put("apps/other.set", encodeSettings(sampleSettings(3, "Gevonden")));
        const QByteArray before = h.bytes("apps/ORNAVELD.SET");
        for (const QString& a : answers.split(' '))
            h.platform.openAnswers.enqueue(a == "cancel" ? cancelled() : chosen(h.path(a)));

        h.main.MDIForm_Load(QString());

        QCOMPARE(h.messages().join('|'), messages.replace("%1", h.dir.path()));
        QCOMPARE(h.main.startupCompleted(), started);
        QCOMPARE(h.view.ended, !started);
        if (started) {
            QCOMPARE(h.main.session().programFolder, h.path("apps"));
            QCOMPARE(trimmed(h.state->settings.userName), QStringLiteral("Gevonden"));
            h.state->settings.userName = fixedText(u"Gewijzigd", kUserNameWidth);
            h.main.MDIForm_Unload();
            QVERIFY(h.bytes("apps/ORNAVELD.SET") != before);
        } else {
            QCOMPARE(h.bytes("apps/ORNAVELD.SET"), before);
            QCOMPARE(h.bytes("apps/other.set"), before);
            QVERIFY(!QFile::exists(h.path(kSettingsFileName)));
        }
        // Written back under the name it has, never beside it under another case.
        QCOMPARE(QDir(h.path("apps")).entryList(QDir::Files).size(), 2);
    }

    // what: the state before exit; answer: to the exit question (yes: saved as kopie.orv).
    void exit_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("answer");
        QTest::newRow("empty library gets its placeholder") << "emptylib" << 0;
        QTest::newRow("open, no") << "open" << kAnswerNo;
        QTest::newRow("open, yes, save") << "open" << kAnswerYes;
    }
    void exit() {
        QFETCH(QString, what);
        QFETCH(int, answer);
        Harness h;
        h.start(QString(), what == "emptylib" ? 0 : 2);
        if (what == "open") h.open("proj.orv");
        h.platform.log.clear();
        h.platform.currentDir = h.path("elders");
        if (answer) h.platform.answers.enqueue(answer);
        h.platform.saveAnswers.enqueue(chosen(h.path("kopie.orv")));
        h.state->settings.userName = fixedText(u"Na afloop", kUserNameWidth);
        // The input form's project tab, taken in before anything is asked or written.
        h.view.pendingEdits = [&] {
            h.state->project.projectName = fixedText(u"Laatst", kProjectNameWidth);
        };

        h.main.mnuExit_Click();

        const bool asked = what == "open";
        QCOMPARE(h.messages(),
                 asked ? QStringList{"Berekeningsbestand eerst opslaan?"} : QStringList{});
        auto saved = std::make_unique<State>();
        QCOMPARE(readProjectFile(h.path("kopie.orv"), *saved).ok(), answer == kAnswerYes);
        if (answer == kAnswerYes)
            QCOMPARE(trimmed(saved->project.projectName), QStringLiteral("Laatst"));
        // The current directory goes back to the program folder before anything is asked.
        QCOMPARE(h.platform.log.value(0), "cd:" + h.dir.path());
        SettingsData written;
        QVERIFY(readSettingsFile(h.path(kSettingsFileName), written).ok());
        QCOMPARE(trimmed(written.userName), QStringLiteral("Na afloop"));
        if (what == "emptylib")
            QCOMPARE(trimmed(written.library[1].entryName),
                     QStringLiteral("<selecteer geluidsbron>"));
        h.main.MDIForm_Unload(); // closing the window after exit does nothing more
        QCOMPARE(h.view.calls.count("end"), 1);
        QCOMPARE(h.platform.messages.size(), asked ? 1 : 0);
    }

    // A failed write says so and shows the dialog again with the same name; only a good
    // write or a cancel leaves the loop. No name at all saves nothing and closes nothing.
    // A surcharge on the total level, which the file cannot hold, is named once after the write.
    void saveFailure_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("then");
        const QString e75 = "Error 75\r\nFout bij toegang tot pad/bestand";
        const QString e76 = "Error 76\r\nPad niet gevonden";
        QTest::newRow("missing folder, then cancel") << "weg/x.orv" << e76 << "";
        QTest::newRow("folder in the way, then elsewhere") << "map.orv" << e75 << "goed.orv";
        QTest::newRow("no name") << "" << QString() << "";
        QTest::newRow("total surcharge") << "map.orv" << e75 + kTotalSurchargeNotSaved << "g.orv";
    }
    void saveFailure() {
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFETCH(QString, then);
        Harness h;
        h.mkdir("map.orv");
        h.start();
        h.open("proj.orv");
        if (QByteArray(QTest::currentDataTag()) == "total surcharge")
            h.state->sources[0][0].surchargeKx = 5;
        h.view.calls.clear();
        h.platform.saveAnswers.enqueue(chosen(target.isEmpty() ? target : h.path(target)));
        h.platform.saveAnswers.enqueue(then.isEmpty() ? cancelled() : chosen(h.path(then)));

        h.main.mnuOpslaan_Click();

        QCOMPARE(h.messages().join(""), message);
        if (!message.isEmpty()) QCOMPARE(h.platform.saveRequests.last().fileName, h.path(target));
        QVERIFY(!h.platform.busy);
        QCOMPARE(h.view.panels.value(1), then.isEmpty() ? QStringLiteral("proj.orv") : kNoFile);
        QCOMPARE(then.isEmpty() ? encodeProject(*h.state) : h.bytes(then), sampleProject());
        if (then.isEmpty()) QVERIFY(h.view.calls.isEmpty()); // the project stays open as it was
    }

    void userName_data() {
        QTest::addColumn<QStringList>("answerNameLabel");
        const QString full(29, 'x');
        QTest::newRow("only the first ampersand doubled")
            << QStringList{"A&B&C", "A&B&C", "A&&B&C"};
        QTest::newRow("trimmed") << QStringList{"  Piet  ", "Piet", "Piet"};
        QTest::newRow("cancel keeps") << QStringList{"", "Tester", "Tester"};
        QTest::newRow("doubling cut to 30") << QStringList{full + "&", full + "&", full + "&"};
    }
    void userName() {
        QFETCH(QStringList, answerNameLabel);
        Harness h;
        h.start();
        h.platform.inputAnswers.enqueue(answerNameLabel[0]);
        h.main.mnuGebruikersNaam_Click();
        QCOMPARE(h.platform.inputDefaults, QStringList{"Tester"});
        QCOMPARE(h.state->settings.userName, fixedText(answerNameLabel[1], kUserNameWidth));
        QCOMPARE(h.state->settings.userNameLabel, fixedText(answerNameLabel[2], kUserNameWidth));
    }
};

ORV_TEST_MAIN(TestMainState)
#include "tst_mainstate.moc"
