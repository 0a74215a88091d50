#include "common/testregistry.h"
#include "tst_mainstate_fixture.h"

using namespace orv;
using namespace orvtest;

class TestMainStateFiles : public QObject {
    Q_OBJECT
private slots:
    void openReadsRecordsAndOpensInputForm() {
        Harness h;
        const auto project = sampleProject();
        h.writeProject("proj.orv", *project);
        h.start();
        h.platform.log.clear();

        h.open("proj.orv");

        const FileDialogRequest& r = h.platform.openRequests.first();
        QCOMPARE(r.initialFolder, h.dir.path());
        QCOMPARE(r.filter, QStringLiteral("Bestand Ornaveld (*.orv)|*.orv"));
        QVERIFY(r.fileMustExist);
        QVERIFY(r.noChangeDir);
        QCOMPARE(h.state->projectPath, h.path("proj.orv"));
        QCOMPARE(encodeProject(*h.state), encodeProject(*project));
        QCOMPARE(h.view.panels.value(1), QStringLiteral("proj.orv"));
        QCOMPARE(h.menuPattern(), QStringLiteral("00111111"));
        QCOMPARE(h.buttonPattern(), QStringLiteral("001111111"));
        QVERIFY(h.view.open.contains(FormId::Invoer));
        QCOMPARE(h.platform.log.last(), QStringLiteral("idle"));
        QVERIFY(h.platform.messages.isEmpty());
    }

    // A damaged file is refused whole with one message; the empty project is then shown under
    // the file's name, so that the user sees what was asked for.
    void openDamagedFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray good = encodeProject(*sampleProject());
        QByteArray count501 = good;
        count501[0] = char(0xF5);
        count501[1] = char(0x01);
        QByteArray negative = good;
        negative[170] = char(0x80); // kind 1 count -32768
        negative[171] = char(0x80);
        QTest::newRow("count above 500")
            << count501
            << kOpenError.arg(1001).arg("Ongeldig bestand: aantal bronnen buiten 0..500");
        QTest::newRow("negative count")
            << negative
            << kOpenError.arg(1001).arg("Ongeldig bestand: aantal bronnen buiten 0..500");
        QTest::newRow("cut in a source")
            << good.left(100) << kOpenError.arg(62).arg("Invoer voorbij einde van bestand");
        QTest::newRow("cut in the project record")
            << good.left(good.size() - 1)
            << kOpenError.arg(62).arg("Invoer voorbij einde van bestand");
        QTest::newRow("empty file")
            << QByteArray() << kOpenError.arg(62).arg("Invoer voorbij einde van bestand");
    }
    void openDamagedFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        Harness h;
        h.writeBytes("kapot.orv", bytes);
        h.start();
        h.state->sourceCount = {3, 3}; // left over from before: the open empties it first
        h.state->sources[0][1].lwA = 99;

        h.open("kapot.orv");

        QCOMPARE(h.messageTexts(), QStringList{message});
        QCOMPARE(h.platform.messages.first().caption, QStringLiteral("Ornaveld"));
        QCOMPARE(h.platform.messages.first().icon, MsgIcon::Critical);
        QCOMPARE(encodeProject(*h.state), encodeProject(State{}));
        QCOMPARE(h.view.panels.value(1), QStringLiteral("kapot.orv"));
        QCOMPARE(h.menuPattern(), QStringLiteral("00111111"));
        QVERIFY(h.view.open.contains(FormId::Invoer));
        QVERIFY(!h.platform.busy);
    }

    void openWithoutFile_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancel") << "cancel";
        QTest::newRow("no name") << "";
        QTest::newRow("not an orv name") << "proj.orx";
        QTest::newRow("orv not at the end") << "proj.orv.txt";
    }
    void openWithoutFile() {
        QFETCH(QString, answer);
        Harness h;
        h.writeProject("proj.orx", *sampleProject());
        h.writeProject("proj.orv.txt", *sampleProject());
        h.start();
        h.state->sourceCount = {2, 0};
        h.platform.openAnswers.enqueue(answer == "cancel" ? cancelled()
                                       : answer.isEmpty() ? chosen(QString())
                                                          : chosen(h.path(answer)));

        h.main.mnuOpenen_Click();

        QVERIFY(h.platform.messages.isEmpty());
        QCOMPARE(h.state->sourceCount[0], qint16(0)); // emptied before the dialog
        QCOMPARE(h.view.panels.value(1), QStringLiteral("Geen bestand"));
        QCOMPARE(h.menuPattern(), QStringLiteral("11000001"));
        QVERIFY(h.view.open.isEmpty());
        QVERIFY(!h.platform.busy);
    }

    void saveWritesAndEndsProject() {
        Harness h;
        h.writeProject("proj.orv", *sampleProject());
        h.start();
        h.open("proj.orv");
        h.state->sources[1][2].distanceB = 80; // edited after opening
        const QByteArray expected = encodeProject(*h.state);
        h.view.calls.clear();
        h.platform.saveAnswers.enqueue(chosen(h.path("nieuw.orv")));

        h.main.mnuOpslaan_Click();

        const FileDialogRequest& r = h.platform.saveRequests.first();
        QCOMPARE(r.fileName, h.path("proj.orv")); // the name last chosen in the open dialog
        QCOMPARE(r.initialFolder, h.dir.path());
        QCOMPARE(r.filter, QStringLiteral("Bestand Ornaveld (*.orv)|*.orv"));
        QVERIFY(r.confirmOverwrite);
        QVERIFY(r.noChangeDir);
        QCOMPARE(h.readBytes("nieuw.orv"), expected);
        QCOMPARE(h.view.calls, QStringList({"close:2", "close:1", "close:0"}));
        QCOMPARE(h.view.panels.value(1), QStringLiteral("Geen bestand"));
        QCOMPARE(h.menuPattern(), QStringLiteral("11000001"));
        QCOMPARE(encodeProject(*h.state), encodeProject(State{}));

        // A save clears the dialog's name.
        h.platform.openAnswers.enqueue(cancelled());
        h.main.mnuOpenen_Click();
        QCOMPARE(h.platform.openRequests.last().fileName, QString());
    }

    // A failed write says so and shows the dialog again, proposing the same name; only a
    // good write or a cancel leaves the loop.
    void saveFailure_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("then");
        QTest::newRow("missing folder, then cancel") << "weg/x.orv"
                                                     << "Error 76\r\nPad niet gevonden"
                                                     << "";
        QTest::newRow("folder in the way, then cancel")
            << "map.orv"
            << "Error 75\r\nFout bij toegang tot pad/bestand"
            << "";
        QTest::newRow("missing folder, then elsewhere") << "weg/x.orv"
                                                        << "Error 76\r\nPad niet gevonden"
                                                        << "goed.orv";
    }
    void saveFailure() {
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFETCH(QString, then);
        Harness h;
        h.makeFolder("map.orv");
        h.writeProject("proj.orv", *sampleProject());
        h.start();
        h.open("proj.orv");
        h.view.calls.clear();
        h.platform.saveAnswers.enqueue(chosen(h.path(target)));
        h.platform.saveAnswers.enqueue(then.isEmpty() ? cancelled() : chosen(h.path(then)));

        h.main.mnuOpslaan_Click();

        QCOMPARE(h.messageTexts(), QStringList{message});
        QCOMPARE(h.platform.messages.first().caption, QStringLiteral("Foutmelding"));
        QCOMPARE(h.platform.messages.first().icon, MsgIcon::Critical);
        QCOMPARE(h.platform.saveRequests.size(), 2);
        QCOMPARE(h.platform.saveRequests.last().fileName, h.path(target));
        QVERIFY(!h.platform.busy);
        if (then.isEmpty()) {
            // Cancelled: the project stays open as it was.
            QVERIFY(h.view.calls.isEmpty());
            QCOMPARE(h.view.panels.value(1), QStringLiteral("proj.orv"));
            QCOMPARE(h.state->sourceCount[1], qint16(2));
        } else {
            QCOMPARE(h.readBytes(then), h.readBytes("proj.orv"));
            QCOMPARE(h.view.panels.value(1), QStringLiteral("Geen bestand"));
        }
    }

    // A dialog answered without a name saves nothing, so it must not close the project either.
    void saveWithoutNameKeepsProject() {
        Harness h;
        h.writeProject("proj.orv", *sampleProject());
        h.start();
        h.open("proj.orv");
        h.view.calls.clear();
        h.platform.saveAnswers.enqueue(chosen(QString()));

        h.main.mnuOpslaan_Click();

        QVERIFY(h.platform.messages.isEmpty());
        QVERIFY(h.view.calls.isEmpty());
        QCOMPARE(h.view.panels.value(1), QStringLiteral("proj.orv"));
        QCOMPARE(h.state->sourceCount[1], qint16(2));
        QCOMPARE(h.menuPattern(), QStringLiteral("00111111"));
    }
};

ORV_TEST(TestMainStateFiles)
#include "tst_mainstate_files.moc"
