#include "common/testmain.h"
#include "invoerfixture.h"

#include <QGroupBox>
#include <QTabWidget>

using namespace orv;
using namespace orvtest;

class TestFrmInvoer : public QObject {
    Q_OBJECT
private slots:
    // Keys typed into a box in input mode: refused ones leave the text and turn it red.
    void keys_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("multi");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("letter refused") << "txtLijnbron_1" << false << "1a"
                                        << "1" << kRefusedRed;
        QTest::newRow("multi-edit cyan") << "txtLijnbron_3" << true << "4"
                                         << "4" << kEditManyCyan;
    }
    void keys() {
        QFETCH(QString, box);
        QFETCH(bool, multi);
        QFETCH(QString, typed);
        InvoerForm f(3, 3);
        f.form->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(0);
        if (multi) f.select(0, {0, 2});
        multi ? f.form->Wijzig(0) : f.form->startAdding(0);
        QLineEdit* edit = f.box(box);
        edit->clear();
        QTest::keyClicks(edit, typed);
        QTEST(edit->text(), "text");
        QTEST(fieldBackground(edit), "colour");
    }

    // Leaving a box puts its value in range and in its display format, or refuses it.
    void leaving_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("refused");
        QTest::newRow("speed above") << "txtLijnbron_3"
                                     << "120"
                                     << "80" << false;
        QTest::newRow("movements on leaving") << "txtLijnbron_4"
                                              << "2500"
                                              << "1000,0" << false;
        QTest::newRow("empty date") << "txtProject_1"
                                    << ""
                                    << "07-03-2024" << false;
        QTest::newRow("no such date") << "txtProject_1"
                                      << "31-02-2000"
                                      << "31-02-2000" << true;
    }
    void leaving() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        InvoerForm f(1, 1);
        const int kind = box.startsWith("txtLijn") ? 0 : 2;
        f.form->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(kind);
        if (kind < 2) f.form->startAdding(kind);
        QLineEdit* edit = f.box(box);
        f.typeAndLeave(edit, typed);
        QTEST(edit->text(), "shown");
        QCOMPARE(fieldBackground(edit) == kRefusedRed, refused);
        QCOMPARE(edit->hasFocus(), refused);
        QCOMPARE(edit->toolTip().isEmpty(), !refused);
    }

    // Enter moves on through the boxes, wrapping at the end, then through the combo boxes.
    void navigation() {
        InvoerForm f(1, 0);
        f.form->startAdding(0);
        for (auto [from, to] : {std::pair{"txtLijnbron_9", "txtLijnbron_0"},
                                std::pair{"cmbLijnbron_1", "cmbBron_0"}}) {
            f.w(from)->setFocus();
            QTest::keyClick(f.w(from), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(to));
        }
    }

    // A list click shows every field in its format and the name in the library list.
    void listClickShowsSource() {
        InvoerForm f(2, 1);
        f.state->sources[0][2].description = fixedText(u"tweede", 25);
        f.state->sources[0][2].speed = 57;
        f.w<QListWidget>("lstBron_0")->setCurrentRow(1);
        QStringList shown;
        for (int i = 0; i < 10; ++i)
            shown << f.box(QStringLiteral("txtLijnbron_%1").arg(i))->text();
        QCOMPARE(shown, (QStringList{"tweede", "120,0", "10", "57,0", "12,5", "0,0", "0,0", "1,5",
                                     "40,0", "60,0"}));
        QCOMPARE(f.w<QComboBox>("cmbBron_0")->currentText(), QStringLiteral("Heftruck"));
        QCOMPARE(f.w<QGroupBox>("frmBron_0")->title(),
                 QStringLiteral("Geluidsvermogenniveau Lw,A 95,0 dB(A)"));
    }

    void fullKindRefusesNew() {
        InvoerForm f(kMaxSources, 2);
        f.toolbar(0, "Nieuw");
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text,
                 QStringLiteral("Maximaal aantal geluidsbronnen bereikt (= 500)!"));
    }

    void missingSpeedStoresNothing() {
        InvoerForm f(1, 0);
        f.toolbar(0, "Nieuw");
        f.box("txtLijnbron_3")->clear();
        f.w<QPushButton>("cmdOK_0")->click();
        QCOMPARE(f.platform.messages.value(0).text, QStringLiteral("Rijsnelheid niet ingevuld!"));
        QCOMPARE(QApplication::focusWidget(), f.box("txtLijnbron_3"));
        QCOMPARE(f.state->sourceCount[0], qint16(1));
        QVERIFY(!f.w<QListWidget>("lstBron_0")->isEnabled()); // still entering
    }

    void multiEditChangesOnlyFilledBox() {
        InvoerForm f(4, 0);
        f.select(0, {0, 1, 3});
        f.toolbar(0, "edit");
        QVERIFY(f.box("txtLijnbron_1")->text().isEmpty());
        QVERIFY(!f.w<QAction>("Toolbar1_reken")->isVisible());
        f.box("txtLijnbron_3")->setText("45");
        f.w<QPushButton>("cmdOK_0")->click();
        for (int i = 1; i <= 4; ++i) { // the empty boxes leave each source's own values
            QCOMPARE(f.state->sources[0][i].speed, i == 3 ? 30.0 : 45.0);
            QCOMPARE(f.state->sources[0][i].description, sampleSource(0, i).description);
        }
        QCOMPARE(f.w<QListWidget>("lstBron_0")->currentRow(), 3);
        QVERIFY(f.w<QAction>("Toolbar1_reken")->isVisible());
    }

    void deleteTwoOfFive() {
        InvoerForm f(5, 0);
        f.select(0, {1, 3});
        f.platform.answers.enqueue(kAnswerYes);
        f.toolbar(0, "wissen");
        auto* list = f.w<QListWidget>("lstBron_0");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QStringLiteral("Heftruck / bron 3"));
        QCOMPARE(f.box("txtLijnbron_0")->text(), QStringLiteral("bron 1"));
    }

    // The library editor changed the library: both lists show it, and the source stays shown.
    void libraryHandOver() {
        InvoerForm f(1, 0);
        f.state->settings.library[2].entryName = fixedText(u"Shovel", 25);
        f.state->settings.libraryCount = 3;
        f.state->settings.library[3] = {fixedText(u"Heftruck", 25), 90, 99};
        f.form->refillLibraryLists();
        QCOMPARE(f.w<QComboBox>("cmbBron_1")->count(), 3);
        QCOMPARE(f.w<QComboBox>("cmbBron_0")->currentText(), QStringLiteral("Heftruck"));
        QCOMPARE(f.box("txtLijnbron_0")->text(), QStringLiteral("bron 1"));
    }

    void f9StartsTheCalculator() {
        InvoerForm f;
        QTest::keyClick(f.box("txtProject_0"), Qt::Key_F9);
        QCOMPARE(f.platform.startedPrograms, QStringList{"calc.exe"});
    }

    void centredOnResize() {
        InvoerForm f;
        QWidget* content = f.w("Inhoud");
        const QPoint design = content->pos();
        const QSize saved = f.form->size();
        f.form->resize(saved - QSize(101, 40));
        QCOMPARE(content->pos(), design - QPoint(51, 20));
    }
};

ORV_GUI_TEST_MAIN(TestFrmInvoer)
#include "tst_frminvoer.moc"
