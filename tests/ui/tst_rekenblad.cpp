// The calculation sheet window on the bundled example: the overview's button that opens it,
// sorting by a header click, red margins from the limits typed, refused limits, and what
// "Kopiëren" and "Opslaan als CSV" hand over.

#include "app/calculationrun.h"
#include "app/projectfile.h"
#include "base/numberformat.h"
#include "base/win1252.h"
#include "cli/commands.h"
#include "common/clirun.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/files.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "report/sheetcolumns.h"
#include "testdata.h"
#include "ui/overzicht/frmoverzicht.h"
#include "ui/platform/uihelpers.h"
#include "ui/rekenblad/frmrekenblad.h"
#include "ui/shell/wiring.h"

#include <algorithm>
#include <memory>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;
using namespace orvtest;

namespace {

QByteArray cliSheetCsv(const QStringList& limits) {
    return cliRun(QStringList{"sheet", kExample, "--csv", "--decimal", ","} + limits).out.toUtf8();
}

struct Harness {
    std::unique_ptr<State> state = std::make_unique<State>();
    orvtest::FakePlatform platform;
    Session session;
    std::unique_ptr<frmRekenblad> window;

    Harness() {
        readProjectFile(kExample, *state);
        orvtest::FakeMainView view;
        runCalculationCommand(*state, platform, platform, view, ReportKind::Transmission);
        window =
            std::make_unique<frmRekenblad>(*state, session, platform, QDateTime::currentDateTime());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QTableWidget* table() const { return window->findChild<QTableWidget*>("grdRekenblad"); }
    QLineEdit* box(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    void type(const QString& name, const QString& text) const {
        QLineEdit* b = box(name);
        b->clear();
        QTest::keyClicks(b, text);
        QTest::keyClick(b, Qt::Key_Return);
    }
    QByteArray savedCsv() {
        QTemporaryDir dir;
        const QString path = dir.filePath("blad.csv");
        platform.saveAnswers.enqueue(orvtest::chosen(path));
        QTest::mouseClick(window->findChild<QPushButton*>("cmdOpslaan"), Qt::LeftButton);
        return fileBytes(path);
    }
    void clickHeader(int column) const {
        table()->scrollTo(table()->model()->index(0, column));
        QHeaderView* h = table()->horizontalHeader();
        const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2,
                        h->height() / 2);
        QTest::mousePress(h->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, at, 10);
    }
};

} // namespace

class TestRekenblad : public QObject {
    Q_OBJECT
    orvtest::DecimalSeparatorGuard decimal_{QLatin1Char(',')};

private slots:

    // The sheet belongs to the last transmission run: after a Cb or an emission run its
    // button is disabled and says why; after a transmission run it opens on that project.
    void sheetButton_data() {
        QTest::addColumn<QList<int>>("runs");
        QTest::newRow("Cb") << QList<int>{1};
        QTest::newRow("transmission, then emission") << QList<int>{2, 3};
        QTest::newRow("transmission") << QList<int>{2};
    }
    void sheetButton() {
        QFETCH(QList<int>, runs);
        auto state = std::make_unique<State>();
        readProjectFile(kExample, *state);
        orvtest::FakePlatform platform;
        orvtest::FakeMainView view;
        const Session session;
        for (int kind : runs)
            runCalculationCommand(*state, platform, platform, view, ReportKind(kind));
        frmOverzicht overview(*state, view);
        addRekenbladButton(overview, *state, session, platform);
        auto* button = overview.findChild<QAction*>("Toolbar1_Rekenblad");
        const bool offered = runs.last() == 2;
        QCOMPARE(button->isEnabled(), offered);
        QCOMPARE(button->toolTip().startsWith("Het rekenblad hoort bij"), !offered);
        if (!offered) return;
        button->trigger();
        auto* sheet = overview.findChild<frmRekenblad*>();
        QVERIFY(sheet && sheet->isVisible());
        QVERIFY(sheet->findChild<QLabel*>("lblProject")
                    ->text()
                    .startsWith("Project " + trimmed(state->project.projectNumber)));
    }

    // The margin goes red where the level exceeds the limit; a refused limit leaves no
    // margin behind, and the CSV is then the one without that limit.
    void limits_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<bool>("red");
        QTest::newRow("exceeded") << QStringList{"50"} << "-3,8" << true;
        QTest::newRow("met, decimal point") << QStringList{"60.5"} << "6,7" << false;
        QTest::newRow("letters after a limit") << QStringList{"50", "abc"} << "" << false;
        QTest::newRow("negative after a limit") << QStringList{"50", "-3"} << "" << false;
    }
    void limits() {
        QFETCH(QStringList, typed);
        QFETCH(QString, margin);
        Harness h;
        for (const QString& text : typed)
            h.type("txtGrens_0", text);
        QCOMPARE(h.box("txtMarge_0")->text(), margin);
        QTEST(fieldBackground(h.box("txtMarge_0")) == kRefusedRed, "red");
        const bool refused = typed.size() > 1;
        QCOMPARE(fieldBackground(h.box("txtGrens_0")) == kRefusedRed, refused);
        if (refused) QCOMPARE(h.savedCsv(), cliSheetCsv({}));
        h.type("txtGrensMax_0", "60"); // LAmax 66,8
        QCOMPARE(fieldBackground(h.box("txtMargeMax_0")), kRefusedRed);
    }

    // A header click sorts ascending, a second one descending, "---" (no level) last both
    // times; "Kopiëren" then hands over the table as shown, one tab-separated line a row,
    // and as an HTML table.
    void sortAndCopy() {
        Harness h;
        const int laeq = static_cast<int>(SheetColumn::Laeq);
        QTableWidget* t = h.table();
        for (const bool ascending : {true, false}) {
            h.clickHeader(laeq);
            QList<double> levels;
            for (int r = 0; r < t->rowCount(); ++r)
                if (const auto v = parseNumber(t->item(r, laeq)->text())) levels << *v;
            if (!ascending) std::reverse(levels.begin(), levels.end());
            QVERIFY(std::is_sorted(levels.begin(), levels.end()) && levels.first() < levels.last());
            QCOMPARE(t->item(t->rowCount() - 1, laeq)->text(), QString("---"));
        }
        QTest::mouseClick(h.window->findChild<QPushButton*>("cmdKopieren"), Qt::LeftButton);
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), t->rowCount() + 1);
        QStringList shown;
        for (int c = 0; c < t->columnCount(); ++c)
            shown << t->item(t->rowCount() - 1, c)->text();
        QCOMPARE(lines.last(), shown.join('\t'));
        // Beside the text an HTML table, so a word processor pastes a real table.
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains(
            "<th>" + lines.first().section(u'\t', 0, 0) + "</th>"));
    }

    // The window's CSV is the command line's, limits and all.
    void csvMatchesCommandLine() {
        Harness h;
        h.type("txtGrens_0", "52");
        h.type("txtGrens_1", "50");
        h.type("txtGrens_2", "46");
        QCOMPARE(h.savedCsv(), cliSheetCsv({"--limits", "52/50/46"}));
    }
};

ORV_GUI_TEST_MAIN(TestRekenblad)
#include "tst_rekenblad.moc"
