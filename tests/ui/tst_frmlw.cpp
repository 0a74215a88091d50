// The library editor as a user drives it: modes, keys and an import.
#include "app/session.h"
#include "app/settingsfile.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "library/library.h"
#include "ui/lw/frmlw.h"
#include "ui/platform/uihelpers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;
using namespace orvtest;

namespace {

struct Editor {
    explicit Editor(const QStringList& names = {"Compressor", "Heftruck", "Pomp"}) {
        state->settings.library[1] = makeEntry(kPlaceholderName, 0, 0);
        state->settings.libraryCount = 1;
        for (const QString& n : names)
            addSorted(state->settings, makeEntry(n, 90, 95));
        window = std::make_unique<frmLw>(*state, session, platform);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    template <class T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    QListWidget* list() const { return find<QListWidget>("lstLw"); }
    void click(const QString& name) const {
        QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    }
    void select(int row) const { list()->setCurrentRow(row); }

    DecimalSeparatorGuard comma{QLatin1Char(',')};
    std::unique_ptr<State> state = std::make_unique<State>();
    FakePlatform platform;
    Session session;
    std::unique_ptr<frmLw> window;
};

} // namespace

class TestLw : public QObject {
    Q_OBJECT
private slots:
    void modes_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("editing");
        QTest::newRow("add by hand") << "add" << true;
        QTest::newRow("change") << "cmdWijzig" << true;
        QTest::newRow("double click") << "double" << true;
        QTest::newRow("cancelled") << "cmdCancel" << false;
    }
    void modes() {
        QFETCH(QString, action);
        QFETCH(bool, editing);
        Editor e;
        const QByteArray before = encodeSettings(e.state->settings);
        e.select(1);
        if (action == "add") {
            e.platform.inputAnswers.enqueue("1");
            e.click("cmdToevoegen");
        } else if (action == "double") {
            const QRect r = e.list()->visualItemRect(e.list()->item(1));
            QTest::mouseClick(e.list()->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(e.list()->viewport(), Qt::LeftButton, {}, r.center());
        } else {
            e.click("cmdWijzig");
            if (action == "cmdCancel") {
                e.box("txtOmsch")->setText("Zaag");
                e.click("cmdCancel");
            }
        }
        QCOMPARE(encodeSettings(e.state->settings), before);
        for (const char* name : {"txtOmsch", "txtLw_0", "txtLw_1", "cmdOK", "cmdCancel"})
            QCOMPARE(e.find<QWidget>(name)->isEnabled(), editing);
        for (const char* name : {"lstLw", "cmdToevoegen", "cmdWijzig", "cmdWissen", "lblLijst"})
            QCOMPARE(e.find<QWidget>(name)->isEnabled(), !editing);
        QCOMPARE(fieldBackground(e.box("txtLw_1")), editing ? kLightYellow : kFieldGrey);
        QCOMPARE(e.box("txtOmsch")->hasFocus(), editing);
        // Adding starts from the entry shown; cancelling shows it again.
        QCOMPARE(e.box("txtOmsch")->text(), "Heftruck");
        QCOMPARE(e.box("txtLw_0")->text(), "90,0");
    }

    void keys() {
        Editor e;
        e.select(2);
        e.click("cmdWijzig");
        QLineEdit* name = e.box("txtOmsch");
        name->setCursorPosition(4);
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, "xyz");
        QCOMPARE(name->text(), "Pomxyz");
        QTest::keyClick(name, Qt::Key_Escape);
        QCOMPARE(name->text(), "Pomp");
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("\u015D"),
                            {}); // the file cannot hold it
        QCOMPARE(name->text(), "Pomp");
        QCOMPARE(fieldBackground(name), kRefusedRed);
        QVERIFY(e.window->isVisible()); // Escape in a box does not close the window

        // Enter walks description -> Lweq -> Lwmax -> description; a letter is refused.
        QTest::keyClick(name, Qt::Key_Return);
        QLineEdit* eq = e.box("txtLw_0");
        QVERIFY(eq->hasFocus());
        eq->setText("101,44");
        QTest::keyClick(eq, Qt::Key_Down);
        QLineEdit* max = e.box("txtLw_1");
        max->setText("80");
        QTest::keyClicks(max, "a");
        QCOMPARE(max->text(), "80");
        QCOMPARE(fieldBackground(max), kRefusedRed);
        QTest::keyClick(max, Qt::Key_Return); // leaving validates and couples
        QVERIFY(name->hasFocus());
        QCOMPARE(eq->text(), "101,4");
        QCOMPARE(max->text(), "101,4");
    }

    // An import that stops at the full library still lists all the library holds.
    void importUpToTheFullLibrary() {
        QStringList names;
        for (int i = 0; i < 497; ++i)
            names << QStringLiteral("Bron %1").arg(i, 3, 10, QLatin1Char('0'));
        Editor e(names);
        QTemporaryDir dir;
        QFile file(dir.filePath("bronnen.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("zaag;90;95\r\nboor;80;85\r\nhamer;99;100\r\n");
        file.close();
        e.platform.inputAnswers.enqueue("2");
        e.platform.openAnswers.enqueue(chosen(file.fileName()));
        e.click("cmdToevoegen");
        QCOMPARE(e.list()->count(), 499);
        QVERIFY(!e.list()->findItems("Zaag", Qt::MatchExactly).isEmpty());
    }
};

ORV_GUI_TEST_MAIN(TestLw)
#include "tst_frmlw.moc"
