#include "app/version.h"
#include "common/testregistry.h"
#include "tst_mainstate_fixture.h"

using namespace orv;
using namespace orvtest;

namespace {
const QString kNotFound = QStringLiteral("Opstartbestand Ornaveld.set niet gevonden");
const QString kUnusable = QStringLiteral(" geen of onbruikbaar opstartbestand");
} // namespace

class TestMainStateStartup : public QObject {
    Q_OBJECT
private slots:
    void startupEntersNoFileState() {
        Harness h;
        h.start();
        const QString caption =
            QStringLiteral("Ornaveld %1.%2").arg(kVersionMajor).arg(kVersionMinor);
        QCOMPARE(h.view.caption, caption);
        QCOMPARE(h.view.panels.value(1), QStringLiteral("Geen bestand"));
        QCOMPARE(h.view.panels.value(2), caption);
        QCOMPARE(h.state->todayText, QStringLiteral("07-03-2024"));
        QCOMPARE(h.state->crlf, QStringLiteral("\r\n"));
        QCOMPARE(h.state->programFolder, h.dir.path());
        QCOMPARE(h.state->periodHours[0], qint16(12));
        QCOMPARE(h.state->periodHours[1], qint16(4));
        QCOMPARE(h.state->periodHours[2], qint16(8));
        QCOMPARE(trimmed(h.state->settings.userName), QStringLiteral("Tester"));
        QCOMPARE(h.state->settings.libraryCount, qint16(2));
        QCOMPARE(h.menuPattern(), QStringLiteral("11000001"));
        QCOMPARE(h.buttonPattern(), QStringLiteral("110000011"));
        QVERIFY(h.platform.messages.isEmpty());
        QVERIFY(h.platform.openRequests.isEmpty());
        QVERIFY(h.main.startupCompleted());
    }

    // A library stored empty starts with the one placeholder entry, which is then written
    // back: 112 bytes in, 153 out.
    void emptyLibraryGetsPlaceholderWrittenBack() {
        Harness h;
        h.writeSettings(sampleSettings(0));
        QCOMPARE(h.readBytes(kSettingsFileName).size(), 112);
        h.main.MDIForm_Load(QString());
        QCOMPARE(h.state->settings.libraryCount, qint16(1));
        QCOMPARE(trimmed(h.state->settings.library[1].entryName),
                 QStringLiteral("<selecteer geluidsbron>"));
        h.main.MDIForm_Unload();
        QCOMPARE(h.readBytes(kSettingsFileName).size(), 153);
        QVERIFY(h.view.ended);
    }

    // answers: what the search dialog returns in turn ("cancel", "" for OK without a name,
    // or a path under the temporary folder). %1 in texts stands for that folder.
    void search_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("folder");
        QTest::newRow("upper-case name elsewhere")
            << QStringList{"apps/ORNAVELD.SET"} << QStringList{kNotFound} << true << "%1/apps";
        QTest::newRow("other name ends the program")
            << QStringList{"apps/other.set"}
            << QStringList{kNotFound, "%1/apps/other.set" + kUnusable} << false << "%1";
        QTest::newRow("cancel ends the program")
            << QStringList{"cancel"} << QStringList{kNotFound, kUnusable} << false << "%1";
        QTest::newRow("no name asks again")
            << QStringList{"", "apps/ORNAVELD.SET"} << QStringList{kNotFound, kNotFound} << true
            << "%1/apps";
        QTest::newRow("folder without the file asks again")
            << QStringList{"empty/Ornaveld.set", "cancel"}
            << QStringList{kNotFound, kNotFound, kUnusable} << false << "%1/empty";
    }
    void search() {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(bool, started);
        QFETCH(QString, folder);
        Harness h;
        h.makeFolder("apps");
        h.makeFolder("empty");
        SettingsData found = sampleSettings(3);
        found.userName = fixedText(u"Gevonden", kUserNameWidth);
        h.writeSettings(found, "apps/ORNAVELD.SET");
        h.writeSettings(found, "apps/other.set");
        const QByteArray before = h.readBytes("apps/ORNAVELD.SET");
        for (const QString& a : answers)
            h.platform.openAnswers.enqueue(a == "cancel" ? cancelled()
                                           : a.isEmpty() ? chosen(QString())
                                                         : chosen(h.path(a)));

        h.main.MDIForm_Load(QString());

        QCOMPARE(h.messageTexts(), messages.replaceInStrings("%1", h.dir.path()));
        for (const RecordedMessage& m : h.platform.messages) {
            QCOMPARE(m.icon, MsgIcon::Critical);
            QCOMPARE(m.caption, m.text == kNotFound ? "Foutmelding" : "Opstartfout");
        }
        QCOMPARE(h.platform.openRequests.first().filter,
                 QStringLiteral("Bestand Ornaveld.set (Ornaveld.set)|Ornaveld.set"));
        QCOMPARE(h.platform.openRequests.first().initialFolder, h.dir.path());
        QCOMPARE(h.state->programFolder, folder.replace("%1", h.dir.path()));
        QCOMPARE(h.main.startupCompleted(), started);
        QCOMPARE(h.view.ended, !started);
        if (started) {
            QCOMPARE(trimmed(h.state->settings.userName), QStringLiteral("Gevonden"));
            h.state->settings.userName = fixedText(u"Gewijzigd", kUserNameWidth);
            h.main.MDIForm_Unload();
            QVERIFY(h.readBytes("apps/ORNAVELD.SET") != before);
        } else {
            QCOMPARE(h.readBytes("apps/ORNAVELD.SET"), before);
            QVERIFY(!QFile::exists(h.path(kSettingsFileName)));
        }
        // Written back under the name it has, never beside it under another case.
        QCOMPARE(QDir(h.path("apps")).entryList(QDir::Files).size(), 2);
    }

    void unusableSettingsEndStartup_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("asFolder");
        QTest::addColumn<QString>("error");
        QByteArray count501 = encodeSettings(sampleSettings(0));
        count501[110] = char(0xF5); // 501, little-endian
        count501[111] = char(0x01);
        QByteArray negative = encodeSettings(sampleSettings(0));
        negative[110] = char(0xFF);
        negative[111] = char(0xFF);
        QTest::newRow("count above 500")
            << count501 << false << "1001 - Ongeldig bestand: aantal bronnen buiten 0..500";
        QTest::newRow("negative count")
            << negative << false << "1001 - Ongeldig bestand: aantal bronnen buiten 0..500";
        QTest::newRow("shorter than its fields")
            << QByteArray(60, ' ') << false << "62 - Invoer voorbij einde van bestand";
        QTest::newRow("shorter than its library")
            << encodeSettings(sampleSettings(2)).left(112 + 41) << false
            << "62 - Invoer voorbij einde van bestand";
        QTest::newRow("a folder of that name")
            << QByteArray() << true << "75 - Fout bij toegang tot pad/bestand";
    }
    void unusableSettingsEndStartup() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, asFolder);
        QFETCH(QString, error);
        Harness h;
        if (asFolder)
            h.makeFolder(kSettingsFileName);
        else
            h.writeBytes(kSettingsFileName, bytes);

        h.main.MDIForm_Load(QStringLiteral("/x/proj.orv"));

        QCOMPARE(h.messageTexts(),
                 QStringList{"Onverwachte fout in procedure MDIForm_Load van Form frmStart.\r\n"
                             "Fout " +
                             error + "."});
        QCOMPARE(h.platform.messages.first().caption, QStringLiteral("Ornaveld"));
        QCOMPARE(h.platform.messages.first().icon, MsgIcon::Critical);
        QCOMPARE(h.view.panels.value(1), QString());
        QCOMPARE(h.menuPattern(), QStringLiteral("00000001")); // nothing to work on
        QVERIFY(h.platform.openRequests.isEmpty());            // no search, no open
        QVERIFY(!h.view.ended);                                // the window stays up

        // Even a project saved in that state (which sets panel 1) must not let the exit
        // overwrite a settings file that could not be read.
        h.main.mnuNieuw_Click();
        h.platform.saveAnswers.enqueue(chosen(h.path("nieuw.orv")));
        h.main.mnuOpslaan_Click();
        h.main.mnuExit_Click();
        QVERIFY(h.view.ended);
        QCOMPARE(h.platform.messages.size(), 1); // no exit question
        if (!asFolder) QCOMPARE(h.readBytes(kSettingsFileName), bytes);
    }

    void commandLine_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("lineSources");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("extension in capitals") << "%1/proj.ORV"
                                               << "proj.ORV" << 1 << QStringList{};
        QTest::newRow("relative name") << "proj.ORV"
                                       << "proj.ORV" << 1 << QStringList{};
        QTest::newRow("quoted with spaces") << "\"%1/my data/proj.orv\""
                                            << "proj.orv" << 1 << QStringList{};
        QTest::newRow("leading quote kept") << "\"quoted.orv"
                                            << "\"quoted.orv" << 1 << QStringList{};
        QTest::newRow("other extension ignored") << "%1/proj.txt"
                                                 << "Geen bestand" << 0 << QStringList{};
        QTest::newRow("quoted other extension") << "\"%1/proj.orv.bak\""
                                                << "Geen bestand" << 0 << QStringList{};
        QTest::newRow("lone quote") << "\""
                                    << "Geen bestand" << 0 << QStringList{};
        QTest::newRow("empty") << ""
                               << "Geen bestand" << 0 << QStringList{};
        QTest::newRow("missing file")
            << "%1/weg.orv"
            << "weg.orv" << 0 << QStringList{kOpenError.arg(53).arg("Bestand niet gevonden")};
    }
    void commandLine() {
        QFETCH(QString, commandLine);
        QFETCH(QString, panel);
        QFETCH(int, lineSources);
        QFETCH(QStringList, messages);
        Harness h;
        const auto project = sampleProject();
        h.makeFolder("my data");
        for (const char* name : {"proj.ORV", "my data/proj.orv", "\"quoted.orv", "proj.txt"})
            h.writeProject(name, *project);

        h.start(commandLine.replace("%1", h.dir.path()));

        QVERIFY(h.platform.openRequests.isEmpty()); // never a dialog
        QCOMPARE(h.view.panels.value(1), panel);
        QCOMPARE(h.state->sourceCount[0], qint16(lineSources));
        QCOMPARE(h.messageTexts(), messages);
        QCOMPARE(h.state->pendingOpenName, QString());
        const bool opened = panel != "Geen bestand";
        QCOMPARE(h.view.open.contains(FormId::Invoer), opened);
        QCOMPARE(h.menuPattern(), opened ? QStringLiteral("00111111") : QStringLiteral("11000001"));
        QVERIFY(!h.platform.busy);
    }

    // what: the state before exit; answers: to the exit question and the save dialog.
    void shutdown_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no project") << "none" << 0 << "" << false << false;
        QTest::newRow("after new") << "new" << 0 << "" << false << false;
        QTest::newRow("open, no") << "open" << kAnswerNo << "" << true << false;
        QTest::newRow("open, yes, cancel") << "open" << kAnswerYes << "" << true << false;
        QTest::newRow("open, yes, save") << "open" << kAnswerYes << "kopie.orv" << true << true;
    }
    void shutdown() {
        QFETCH(QString, what);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, asked);
        QFETCH(bool, saved);
        Harness h;
        h.writeProject("proj.orv", *sampleProject());
        h.start();
        if (what == "new") h.main.mnuNieuw_Click();
        if (what == "open") h.open("proj.orv");
        h.platform.messages.clear();
        h.platform.log.clear();
        h.platform.currentDir = h.path("elders");
        if (answer) h.platform.answers.enqueue(answer);
        h.platform.saveAnswers.enqueue(saveAs.isEmpty() ? cancelled() : chosen(h.path(saveAs)));
        h.state->settings.userName = fixedText(u"Na afloop", kUserNameWidth);

        h.main.mnuExit_Click();

        QCOMPARE(h.platform.messages.size(), asked ? 1 : 0);
        if (asked) {
            const RecordedMessage& m = h.platform.messages.first();
            QCOMPARE(m.text, QStringLiteral("Berekeningsbestand eerst opslaan?"));
            QCOMPARE(m.caption, QStringLiteral("Programma afsluiten"));
            QCOMPARE(m.icon, MsgIcon::Question);
            QCOMPARE(m.buttons, MsgButtons::YesNo);
        }
        QCOMPARE(h.platform.saveRequests.size(), answer == kAnswerYes ? 1 : 0);
        QCOMPARE(QFile::exists(h.path("kopie.orv")), saved);
        // The current directory goes back to the program folder before anything is asked.
        QCOMPARE(h.platform.log.value(0), "cd:" + h.dir.path());
        SettingsData written;
        QVERIFY(readSettingsFile(h.path(kSettingsFileName), written).ok());
        QCOMPARE(trimmed(written.userName), QStringLiteral("Na afloop"));
        QCOMPARE(h.view.calls.count("end"), 1);

        h.main.MDIForm_Unload(); // closing the window after exit does nothing more
        QCOMPARE(h.view.calls.count("end"), 1);
        QCOMPARE(h.platform.messages.size(), asked ? 1 : 0);
    }

    void settingsWriteFailure_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("error");
        QTest::newRow("folder gone") << "folder"
                                     << "76 - Pad niet gevonden";
        QTest::newRow("folder in the way") << "file"
                                           << "75 - Fout bij toegang tot pad/bestand";
    }
    void settingsWriteFailure() {
        QFETCH(QString, damage);
        QFETCH(QString, error);
        Harness h;
        h.makeFolder("prog");
        h.writeSettings(sampleSettings(), "prog/Ornaveld.set");
        h.platform.currentDir = h.path("prog");
        h.main.MDIForm_Load(QString());
        QVERIFY(h.main.startupCompleted());
        if (damage == "folder") {
            QVERIFY(QDir(h.path("prog")).removeRecursively());
        } else {
            QVERIFY(QFile::remove(h.path("prog/Ornaveld.set")));
            h.makeFolder("prog/Ornaveld.set");
        }

        h.main.mnuExit_Click();

        QCOMPARE(h.messageTexts(),
                 QStringList{"Onverwachte fout in procedure MDIForm_Unload van Form frmStart.\r\n"
                             "Fout " +
                             error + "."});
        QCOMPARE(h.platform.messages.first().caption, QStringLiteral("Ornaveld"));
        QVERIFY(h.view.ended);
    }
};

ORV_TEST(TestMainStateStartup)
#include "tst_mainstate_startup.moc"
