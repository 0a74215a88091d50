// What keeps a day's work: the crash copy (also after a real kill -9), the recent projects,
// where windows open, and the lock of one program per user.
#include "app/instancelock.h"
#include "app/mainstate.h"
#include "app/projectfile.h"
#include "app/recentprojects.h"
#include "app/recovery.h"
#include "app/settingsfile.h"
#include "app/windowplace.h"
#include "base/win1252.h"
#include "common/clirun.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/files.h"
#include "common/testmain.h"

#include <csignal>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

using namespace orv;
using namespace orvtest;

namespace {

// One run of the program: its state, its copy store, over a program folder with the example.
struct Run {
    explicit Run(const QTemporaryDir& dir) : store(dir.filePath("herstel")) {
        platform.currentDir = dir.path();
        main.setRecovery(&store);
        main.setRecentProjects(&recent);
    }
    void start(const QString& commandLine = {}) { main.MDIForm_Load(commandLine); }
    // Edits as the input form commits them: a source more and a new project name.
    void edit() {
        state->sourceCount[1] += 1;
        state->sources[1][state->sourceCount[1]].lwA = 99.5;
        state->project.projectName = fixedText(u"Na de wijziging", kProjectNameWidth);
        main.projectChanged();
    }

    std::unique_ptr<State> state = std::make_unique<State>();
    FakePlatform platform;
    FakeMainView view;
    RecoveryStore store;
    RecentProjects recent;
    MainState main{*state, view, platform, platform};
};

QStringList copiesIn(const QTemporaryDir& dir) {
    return QDir(dir.filePath("herstel")).entryList({"*.orv"}, QDir::Files);
}

void prepare(const QTemporaryDir& dir) {
    QVERIFY(writeSettingsFile(dir.filePath(kSettingsFileName), SettingsData{}).ok());
    QVERIFY(QFile::copy(kExample, dir.filePath("proj.orv")));
}

} // namespace

class TestKeeping : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The command line's files must never reach the user's own folders.
        QVERIFY(home_.isValid());
        qputenv("XDG_DATA_HOME", home_.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
    }

    // The copy appears with the first change, in the data folder and not beside the project,
    // and goes with a save or a close; an exit that leaves the changes unsaved keeps it.
    void copyFollowsTheProject_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Opslaan") << "Opslaan" << false;
        QTest::newRow("Sluiten, Ja") << "Sluiten" << false;
        QTest::newRow("exit, Nee") << "exit-nee" << true;
        QTest::newRow("exit, Ja, save cancelled") << "exit-ja" << true;
    }
    void copyFollowsTheProject() {
        QFETCH(QString, command);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        prepare(dir);
        Run run(dir);
        run.start("proj.orv");
        run.main.projectChanged();
        QVERIFY2(copiesIn(dir).isEmpty(), "an unchanged project needs no copy");
        run.edit();
        QCOMPARE(copiesIn(dir).size(), 1);
        QCOMPARE(QDir(dir.path()).entryList({"*.orv*"}, QDir::Files), QStringList{"proj.orv"});
        if (command == "Opslaan") {
            run.platform.saveAnswers.enqueue(chosen(dir.filePath("kopie.orv")));
            run.main.mnuOpslaan_Click();
        } else if (command == "Sluiten") {
            run.platform.answers.enqueue(kAnswerYes);
            run.main.mnuSluiten_Click();
        } else {
            run.platform.answers.enqueue(command == "exit-ja" ? kAnswerYes : kAnswerNo);
            run.main.MDIForm_Unload();
        }
        QCOMPARE(copiesIn(dir).size(), kept ? 1 : 0);
    }

    // A run killed (SIGKILL, nothing cleaned up) after its edits: its lock is taken over and
    // the next start offers the copy. "Ja" opens it as the project it was, "Nee" throws it away, no
    // answer keeps it.
    void killedRunIsOffered_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Ja") << kAnswerYes;
        QTest::newRow("Nee") << kAnswerNo;
        QTest::newRow("no answer") << kAnswerCancel;
    }
    void killedRunIsOffered() {
        QFETCH(int, answer);
        QTemporaryDir dir;
        prepare(dir);
        int ready[2];
        QVERIFY(::pipe(ready) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            InstanceLock lock(dir.filePath("lock"));
            lock.acquire();
            Run run(dir);
            run.start("proj.orv");
            run.edit();
            const char byte = 1;
            [[maybe_unused]] const auto n = ::write(ready[1], &byte, 1);
            for (;;)
                ::pause();
        }
        char byte = 0;
        QCOMPARE(::read(ready[0], &byte, 1), 1);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        QVERIFY(InstanceLock(dir.filePath("lock")).acquire()); // taken over

        Run run(dir);
        run.platform.answers.enqueue(answer);
        run.start();
        QCOMPARE(run.platform.messages.size(), 1);
        QVERIFY(run.platform.messages[0].text.contains(dir.filePath("proj.orv")));
        QCOMPARE(copiesIn(dir).size(), answer == kAnswerNo ? 0 : 1);
        QCOMPARE(run.main.session().projectOpen(), answer == kAnswerYes);
        if (answer != kAnswerYes) return;

        // The edits, exactly: saved from the recovered project, the file dumps as the one
        // saved by hand.
        Run byHand(dir);
        QVERIFY(readProjectFile(dir.filePath("proj.orv"), *byHand.state).ok());
        byHand.edit();
        QVERIFY(writeProjectFile(dir.filePath("hand.orv"), *byHand.state).ok());
        run.platform.saveAnswers.enqueue(chosen(dir.filePath("hersteld.orv")));
        run.main.mnuOpslaan_Click();
        QCOMPARE(run.platform.saveRequests.front().fileName, dir.filePath("proj.orv"));
        QCOMPARE(cliRun({"dump", dir.filePath("hersteld.orv")}).out,
                 cliRun({"dump", dir.filePath("hand.orv")}).out);
        QCOMPARE(copiesIn(dir).size(), 0);
        // The command line takes no lock and keeps no copy.
        QVERIFY(!QDir(InstanceLock::defaultFolder()).exists());
    }

    // Six at most, newest first, a project opened again moves up; kept across a restart; a
    // file gone since is reported and leaves the list.
    void recentProjects() {
        QTemporaryDir dir;
        QSettings store(dir.filePath("recent.ini"), QSettings::IniFormat);
        RecentProjects recent(&store);
        for (int i = 1; i <= 8; ++i)
            recent.add(dir.filePath(QStringLiteral("p%1.orv").arg(i)));
        recent.add(dir.filePath("p5.orv"));
        const QStringList expected = {"p5", "p8", "p7", "p6", "p4", "p3"};
        QStringList names;
        const RecentProjects restarted(&store);
        for (const QString& path : restarted.paths())
            names << QFileInfo(path).baseName();
        QCOMPARE(names, expected);
        QCOMPARE(RecentProjects::menuText(0, "/a/b&c.orv"), QStringLiteral("&1 b&&c.orv"));

        prepare(dir);
        Run run(dir);
        run.start();
        run.recent.add(dir.filePath("weg.orv"));
        run.main.openRecent(dir.filePath("weg.orv"));
        QCOMPARE(run.platform.messages.back().text,
                 QStringLiteral("Het project %1 bestaat niet meer.\r\nHet is uit de lijst van "
                                "recente projecten gehaald.")
                     .arg(dir.filePath("weg.orv")));
        QVERIFY(run.recent.paths().isEmpty());
        run.main.openRecent(dir.filePath("proj.orv"));
        QCOMPARE(run.view.panels[1], QStringLiteral("proj.orv"));
    }

    // A handed-over project opens only while no project is open.
    void handover() {
        QTemporaryDir dir;
        prepare(dir);
        Run run(dir);
        run.start();
        QVERIFY(run.main.acceptHandover(dir.filePath("proj.orv")));
        QVERIFY(!run.main.acceptHandover(dir.filePath("proj.orv")));
        QCOMPARE(handoverPath(handoverRequest("/a b/ü.orv")), std::optional<QString>("/a b/ü.orv"));

        InstanceLock first(dir.filePath("lock"));
        InstanceLock second(dir.filePath("lock"));
        QVERIFY(first.acquire());
        QVERIFY(!second.acquire());
    }

    // Screens: 1024 x 768 less a 24-pixel panel, and a second one to its right.
    void windowPlace_data() {
        QTest::addColumn<QRect>("remembered");
        QTest::addColumn<QSize>("preferred");
        QTest::addColumn<QRect>("placed");
        const QRect none, centred(212, 210, 600, 400);
        const QSize own(600, 400);
        QTest::newRow("none: centred") << none << own << centred;
        QTest::newRow("too big") << none << QSize(1200, 900) << QRect(4, 56, 1016, 708);
        QTest::newRow("kept") << QRect(100, 99, 500, 300) << own << QRect(100, 99, 500, 300);
        QTest::newRow("half off") << QRect(300, 700, 500, 300) << own << QRect(300, 464, 500, 300);
        QTest::newRow("screen gone") << QRect(3000, 9, 50, 30) << own << centred;
        QTest::newRow("second screen") << QRect(1200, 99, 50, 30) << own << QRect(1200, 99, 50, 30);
    }
    void windowPlace() {
        QFETCH(QRect, remembered);
        QFETCH(QSize, preferred);
        const QList<QRect> screens = {QRect(0, 24, 1024, 744), QRect(1024, 0, 1280, 1024)};
        QTEST(placeWindow(remembered, preferred, screens, QMargins(4, 32, 4, 4)).geometry,
              "placed");
    }

private:
    QTemporaryDir home_;
};

ORV_TEST_MAIN(TestKeeping)
#include "tst_keeping.moc"
