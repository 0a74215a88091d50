// "Vergelijken..." on the overview of the example's transmission run, as a user meets it:
// the other project asked for beside the open one, the differences coloured, the filter,
// and what "Kopiëren" hands a spreadsheet and a word processor; also the sheet's copy.

#include "app/calculationrun.h"
#include "app/projectfile.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/files.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "testdata.h"
#include "ui/overzicht/frmoverzicht.h"
#include "ui/platform/uihelpers.h"
#include "ui/vergelijk/frmvergelijk.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace orv;
using namespace orvtest;

namespace {

struct Harness {
    std::unique_ptr<State> state = std::make_unique<State>();
    Session session{{}, {}, {}, {}, kExample, ProjectStatus::Opened}; // the example open
    orvtest::FakePlatform platform;
    orvtest::FakeMainView view;
    std::unique_ptr<frmOverzicht> overview;

    Harness() {
        readProjectFile(kExample, *state);
        runCalculationCommand(*state, platform, platform, view, ReportKind::Transmission);
        overview = std::make_unique<frmOverzicht>(*state, view);
        QObject::connect(overview.get(), &frmOverzicht::compareRequested, overview.get(), [this] {
            frmVergelijk::open(*state, session, platform, platform, overview.get());
        });
    }
    // Presses "Vergelijken..." and picks path in the file dialog.
    frmVergelijk* compareWith(const QString& path) {
        platform.openAnswers.enqueue({false, path});
        overview->findChild<QAction*>("Toolbar1_vergelijken")->trigger();
        return overview->findChild<frmVergelijk*>();
    }
};

} // namespace

class TestVergelijk : public QObject {
    Q_OBJECT
    orvtest::DecimalSeparatorGuard decimal_{QLatin1Char(',')};

private slots:

    void compareWithLouderCopy() {
        Harness h;
        QTemporaryDir dir;
        auto copy = std::make_unique<State>(*h.state);
        copy->sources[1][1].lwA += 3; // "Laden en lossen terrein"
        writeProjectFile(dir.filePath("b.orv"), *copy);
        frmVergelijk* window = h.compareWith(dir.filePath("b.orv"));
        QVERIFY(window);
        QCOMPARE(h.platform.openRequests.front().initialFolder,
                 QStringLiteral(ORNAVELD_EXAMPLES_DIR));

        // LAeq by day 53,8 -> 55,6: higher, so red; the louder source heads the list.
        const QTableWidgetItem* day = window->findChild<QTableWidget*>("grdPerioden")->item(0, 3);
        QCOMPARE(day->text(), QStringLiteral("+1,8"));
        QCOMPARE(day->foreground().color(), kWorseRed);
        auto* sources = window->findChild<QTableWidget*>("grdBronnen");
        QCOMPARE(sources->item(0, 1)->text(), QStringLiteral("Laden en lossen terrein"));

        QTest::keyClicks(window->findChild<QLineEdit*>("txtFilter"), "KOEL");
        QVERIFY(!sources->isRowHidden(4) && sources->isRowHidden(0) && sources->isRowHidden(7));

        QTest::mouseClick(window->findChild<QPushButton*>("cmdKopieren"), Qt::LeftButton);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->text().contains("Heftruck diesel\tLaden en lossen terrein\t"
                                        "Mobiele/vaste bron\tA en B\t50,8\t53,8\t+3,0"));
        QVERIFY(copied->html().contains("<td>Heftruck diesel</td><td>Laden en lossen terrein"));
        QVERIFY(copied->html().contains("<td align=\"right\">+3,0</td>"));
    }

    void missingFileOpensNothing() {
        Harness h;
        QVERIFY(!h.compareWith(ORNAVELD_EXAMPLES_DIR "/weg.orv"));
        QCOMPARE(h.platform.messages.front().text,
                 QStringLiteral("weg.orv: Fout 53 - Bestand niet gevonden."));
    }
};

ORV_GUI_TEST_MAIN(TestVergelijk)
#include "tst_vergelijk.moc"
