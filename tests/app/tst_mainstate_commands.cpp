#include "common/testregistry.h"
#include "tst_mainstate_fixture.h"

using namespace orv;
using namespace orvtest;

class TestMainStateCommands : public QObject {
    Q_OBJECT
private slots:
    // The eight switched items in menu order (Nieuw, Openen, Bewerken, Sluiten, Opslaan,
    // GebruikersNaam, Lettertype, Info) and the buttons 2, 3, 5, 6, 7, 9, 10, 12, 13.
    void states_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("menus");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("panel");
        QTest::newRow("no file") << QStringList{} << "11000001"
                                 << "110000011"
                                 << "Geen bestand";
        QTest::newRow("after new") << QStringList{"new"} << "00111111"
                                   << "001111111"
                                   << "Geen bestand";
        QTest::newRow("after open") << QStringList{"open"} << "00111111"
                                    << "001111111"
                                    << "proj.orv";
        QTest::newRow("open, close") << QStringList{"open", "close"} << "11000001"
                                     << "110000011"
                                     << "Geen bestand";
        QTest::newRow("new, save") << QStringList{"new", "save"} << "11000001"
                                   << "110000011"
                                   << "Geen bestand";
        QTest::newRow("new, edit") << QStringList{"new", "edit"} << "00111111"
                                   << "001111111"
                                   << "Geen bestand";
    }
    void states() {
        QFETCH(QStringList, steps);
        Harness h;
        h.writeProject("proj.orv", *sampleProject());
        h.start();
        for (const QString& step : steps) {
            if (step == "new") h.main.mnuNieuw_Click();
            if (step == "open") h.open("proj.orv");
            if (step == "edit") h.main.mnuBewerken_Click();
            if (step == "close") {
                h.platform.answers.enqueue(kAnswerYes);
                h.main.mnuSluiten_Click();
            }
            if (step == "save") {
                h.platform.saveAnswers.enqueue(chosen(h.path("x.orv")));
                h.main.mnuOpslaan_Click();
            }
        }
        QTEST(h.menuPattern(), "menus");
        QTEST(h.buttonPattern(), "buttons");
        QTEST(h.view.panels.value(1), "panel");
        for (int i = 0; i < kMenuItemCount; ++i)
            QCOMPARE(h.main.menuEnabled(MenuItem(i)), h.view.menu.value(MenuItem(i)));
    }

    void newEmptiesProject() {
        Harness h;
        h.start();
        h.state->sourceCount = {4, 1};
        h.state->project.receiverHeight = 7;
        h.main.mnuNieuw_Click();
        QCOMPARE(encodeProject(*h.state), encodeProject(State{}));
        QCOMPARE(h.view.calls, QStringList{"show:0"});
    }

    void closeQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("no") << kAnswerNo;
        QTest::newRow("yes") << kAnswerYes;
    }
    void closeQuestion() {
        QFETCH(int, answer);
        Harness h;
        h.writeProject("proj.orv", *sampleProject());
        h.start();
        h.open("proj.orv");
        h.view.showForm(FormId::Overzicht, false);
        h.view.calls.clear();
        const QByteArray before = encodeProject(*h.state);
        h.platform.answers.enqueue(answer);

        h.main.mnuSluiten_Click();

        const RecordedMessage& m = h.platform.messages.first();
        QCOMPARE(m.text, QStringLiteral("Wilt u het databestand sluiten zonder opslag van "
                                        "eventueel ingevoerde/gewijzigde gegevens?"));
        QCOMPARE(m.caption, QStringLiteral("Afsluiting programma"));
        QCOMPARE(m.icon, MsgIcon::Question);
        QCOMPARE(m.buttons, MsgButtons::YesNo);
        if (answer == kAnswerNo) {
            QVERIFY(h.view.calls.isEmpty());
            QCOMPARE(encodeProject(*h.state), before);
            QCOMPARE(h.view.panels.value(1), QStringLiteral("proj.orv"));
            QCOMPARE(h.menuPattern(), QStringLiteral("00111111"));
        } else {
            QCOMPARE(h.view.calls, QStringList({"close:2", "close:1", "close:0"}));
            QVERIFY(h.view.open.isEmpty());
            QCOMPARE(encodeProject(*h.state), encodeProject(State{}));
            QCOMPARE(h.view.panels.value(1), QStringLiteral("Geen bestand"));
        }
    }

    void userNamePrompt() {
        Harness h;
        h.start();
        h.main.mnuGebruikersNaam_Click();
        QCOMPARE(h.platform.inputPrompts,
                 QStringList{"Huidige instelling gebruikersnaam: \r\n"
                             "Tester\r\n\r\nVoer nieuwe gebruikersnaam in"});
        QCOMPARE(h.platform.inputCaptions, QStringList{"Instelling gebruikersnaam"});
        QCOMPARE(h.platform.inputDefaults, QStringList{"Tester"});
    }

    void userName_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        const QString full(29, 'x');
        QTest::newRow("ampersand doubled") << "Jansen & Zn"
                                           << "Jansen & Zn"
                                           << "Jansen && Zn";
        QTest::newRow("only the first") << "A&B&C"
                                        << "A&B&C"
                                        << "A&&B&C";
        QTest::newRow("first character") << "&Co"
                                         << "&Co"
                                         << "&&Co";
        QTest::newRow("trimmed") << "  Piet  "
                                 << "Piet"
                                 << "Piet";
        QTest::newRow("only spaces empties") << "   "
                                             << ""
                                             << "";
        QTest::newRow("cancel keeps") << ""
                                      << "Tester"
                                      << "Tester";
        QTest::newRow("cut to 30") << QString(35, 'y') << QString(30, 'y') << QString(30, 'y');
        QTest::newRow("doubling cut to 30") << full + "&" << full + "&" << full + "&";
    }
    void userName() {
        QFETCH(QString, answer);
        QFETCH(QString, name);
        QFETCH(QString, label);
        Harness h;
        h.start();
        h.platform.inputAnswers.enqueue(answer);
        h.main.mnuGebruikersNaam_Click();
        QCOMPARE(h.state->settings.userName, fixedText(name, kUserNameWidth));
        QCOMPARE(h.state->settings.userNameLabel, fixedText(label, kUserNameWidth));
    }

    // key: the toolbar button's key; trace: platform and view calls in order.
    void toolbar_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("trace");
        QTest::newRow("Nieuw") << "Nieuw" << QStringList{"show:0"};
        QTest::newRow("Open") << "Open" << QStringList{"open-dialog", "idle"};
        QTest::newRow("Bewerken") << "Bewerken"
                                  << QStringList{"close:0", "close:1", "close:2", "show:0"};
        QTest::newRow("Sluiten") << "Sluiten" << QStringList{"message:Afsluiting programma"};
        QTest::newRow("Opslaan") << "Opslaan" << QStringList{"save-dialog"};
        QTest::newRow("User") << "User" << QStringList{"input:Instelling gebruikersnaam"};
        QTest::newRow("Lettertype") << "Lettertype" << QStringList{"busy", "show:3m", "idle"};
        QTest::newRow("Info") << "Info" << QStringList{"show:4m"};
        QTest::newRow("Calc, start fails") << "Calc" << QStringList{"start:calc.exe"};
        QTest::newRow("key in other case") << "nieuw" << QStringList{};
        QTest::newRow("unknown key") << "Print" << QStringList{};
    }
    void toolbar() {
        QFETCH(QString, key);
        Harness h;
        h.start();
        h.platform.startSucceeds = false;
        h.platform.log.clear();
        h.main.Toolbar1_ButtonClick(key);
        QStringList trace = h.platform.log;
        for (const QString& p : h.platform.startedPrograms)
            trace.append("start:" + p);
        QTEST(trace, "trace");
    }
};

ORV_TEST(TestMainStateCommands)
#include "tst_mainstate_commands.moc"
