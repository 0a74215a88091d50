// The calculation sheet window on the bundled example: sorting by a header click, red
// margins from the limits typed, and what "Kopiëren" and "Opslaan als CSV" hand over.

#include "app/calculationrun.h"
#include "app/projectfile.h"
#include "base/numberformat.h"
#include "cli/commands.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "report/sheetcolumns.h"
#include "testdata.h"
#include "ui/platform/uihelpers.h"
#include "ui/rekenblad/frmrekenblad.h"

#include <algorithm>
#include <memory>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;

namespace {

const QString kExample = QStringLiteral(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv");

struct Harness {
    std::unique_ptr<State> state = std::make_unique<State>();
    orvtest::FakePlatform platform;
    Session session;
    std::unique_ptr<frmRekenblad> window;

    Harness() {
        readProjectFile(kExample, *state);
        orvtest::FakeMainView view;
        runCalculationCommand(*state, platform, platform, view, ReportKind::Transmission);
        window = std::make_unique<frmRekenblad>(*state, session, platform);
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

    // A header click sorts ascending, a second one descending; "---" (no level) last both times.
    void headerClickSorts() {
        Harness h;
        const int laeq = static_cast<int>(SheetColumn::Laeq);
        for (const bool ascending : {true, false}) {
            h.clickHeader(laeq);
            QList<double> levels;
            for (int r = 0; r < h.table()->rowCount(); ++r)
                if (const auto v = parseNumber(h.table()->item(r, laeq)->text())) levels << *v;
            if (!ascending) std::reverse(levels.begin(), levels.end());
            QVERIFY(std::is_sorted(levels.begin(), levels.end()) && levels.first() < levels.last());
            QCOMPARE(h.table()->item(h.table()->rowCount() - 1, laeq)->text(), QString("---"));
        }
    }

    void marginsRedWhereExceeded_data() {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("red");
        QTest::addColumn<QString>("margin");
        QTest::newRow("exceeded") << "50" << true << "-3,8";
        QTest::newRow("met, decimal point") << "60.5" << false << "6,7";
        QTest::newRow("no limit") << "" << false << "";
    }
    void marginsRedWhereExceeded() {
        QFETCH(QString, limit);
        QFETCH(bool, red);
        QFETCH(QString, margin);
        Harness h;
        h.type("txtGrens_0", limit);
        QCOMPARE(fieldBackground(h.box("txtMarge_0")) == kRefusedRed, red);
        h.type("txtGrensMax_0", "60"); // LAmax 66.8
        QCOMPARE(fieldBackground(h.box("txtMargeMax_0")), kRefusedRed);
        QCOMPARE(h.box("txtMarge_0")->text(), margin);
        QCOMPARE(h.state->sheetLimits.rated[0].has_value(), !limit.isEmpty());
        h.type("txtGrens_1", "4x");
        QCOMPARE(fieldBackground(h.box("txtGrens_1")), kRefusedRed);
        QVERIFY(!h.state->sheetLimits.rated[1]);
    }

    // "Kopiëren" hands over the table as shown, sorted, one tab-separated line per row.
    void copyMatchesTable() {
        Harness h;
        h.clickHeader(0);
        QTest::mouseClick(h.window->findChild<QPushButton*>("cmdKopieren"), Qt::LeftButton);
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), h.table()->rowCount() + 1);
        QStringList shown;
        for (int c = 0; c < h.table()->columnCount(); ++c)
            shown << h.table()->item(h.table()->rowCount() - 1, c)->text();
        QCOMPARE(lines.last(), shown.join('\t'));
    }

    // The window's CSV is the command line's, limits and all.
    void csvMatchesCommandLine() {
        Harness h;
        h.type("txtGrens_0", "52");
        h.type("txtGrens_1", "50");
        h.type("txtGrens_2", "46");
        QTemporaryDir dir;
        const QString path = dir.filePath("blad.csv");
        h.platform.saveAnswers.enqueue(orvtest::chosen(path));
        QTest::mouseClick(h.window->findChild<QPushButton*>("cmdOpslaan"), Qt::LeftButton);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString out, err;
        QTextStream o(&out), e(&err);
        QCOMPARE(
            cli::run({"sheet", kExample, "--csv", "--decimal", ",", "--limits", "52/50/46"}, o, e),
            0);
        o.flush();
        QCOMPARE(f.readAll(), out.toUtf8());
    }
};

ORV_GUI_TEST_MAIN(TestRekenblad)
#include "tst_rekenblad.moc"
