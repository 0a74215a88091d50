// The reports of the bundled example project, compared whole with golden files whose key
// lines were checked by hand; a damaged silent period.

#include "app/calculationrun.h"
#include "app/projectfile.h"
#include "base/win1252.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "golden.h"
#include "report/overzicht.h"
#include "testdata.h"

using namespace orv;
using namespace orvtest;

class TestOverzichtGolden : public QObject {
    Q_OBJECT

private slots:
    void golden_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<QList<int>>("surcharges"); // total level, line sources 1..3
        const QChar comma(','), dot('.');
        const QList<int> none{0, 0, 0, 0};
        const auto row = [](const char* file) -> QTestData& {
            return QTest::newRow(file) << QString::fromLatin1(file);
        };
        row("voorbeeld_1_1110_komma.txt") << 1 << "1110" << comma << none;
        row("voorbeeld_1_1010_punt.txt") << 1 << "1010" << dot << none;
        row("voorbeeld_2_1111_komma.txt") << 2 << "1111" << comma << none;
        row("voorbeeld_2_1111_punt.txt") << 2 << "1111" << dot << none;
        row("voorbeeld_2_1100_komma.txt") << 2 << "1100" << comma << none;
        row("voorbeeld_2_1111_toeslag10_komma.txt")
            << 2 << "1111" << comma << QList<int>{10, 0, 0, 0};
        // Two surcharged sources, one note: that of the first.
        row("voorbeeld_2_1111_bron5en10_punt.txt") << 2 << "1111" << dot << QList<int>{0, 5, 0, 10};
        row("voorbeeld_3_1110_punt.txt") << 3 << "1110" << dot << none;
        row("voorbeeld_3_0010_komma.txt") << 3 << "0010" << comma << none;
    }
    void golden() {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QString, flags);
        QFETCH(QChar, sep);
        QFETCH(QList<int>, surcharges);
        auto st = std::make_unique<State>();
        QVERIFY(readProjectFile(QStringLiteral(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv"), *st).ok());
        st->settings.userName = fixedText(u"Ir. J. de Vries", kUserNameWidth);
        for (int i = 0; i < 4; ++i)
            st->sources[0][i].surchargeKx = static_cast<qint16>(surcharges[i]);

        const orvtest::DecimalSeparatorGuard separator(sep);
        FakePlatform platform;
        platform.sections = *Sections::fromText(flags);
        FakeMainView view;
        QVERIFY(runCalculationCommand(*st, platform, platform, view, static_cast<ReportKind>(kind))
                    .done());
        const QString text = reportText(*st);
        compareGolden(file, text);
        // Building again gives the same text: nothing accumulates between runs.
        MaakOverzicht(*st);
        QCOMPARE(reportText(*st), text);
    }
};

ORV_TEST_MAIN(TestOverzichtGolden)
#include "tst_overzicht_golden.moc"
