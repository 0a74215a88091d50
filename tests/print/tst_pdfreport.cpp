// The report as a PDF: as many pages as the renderer drew, on the paper of the print
// settings.

#include "../report/tst_renderer_fixture.h"
#include "app/numberformat.h"
#include "common/testregistry.h"
#include "print/pdfreport.h"
#include "report/drukoverzicht.h"
#include "report/recordingsurface.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QtTest>

using namespace orv;

namespace {

int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// The first page's media box: width and height in points.
QSizeF mediaBox(const QByteArray& pdf) {
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    const auto m = box.match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

} // namespace

class TestPdfReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setDecimalSeparator(QLatin1Char(',')); }
    void pagesAsRendered_data();
    void pagesAsRendered();
};

void TestPdfReport::pagesAsRendered_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("mobiles");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("size");
    QTest::newRow("li 200 landscape 8") << 2 << 150 << 50 << 2 << 8;
    QTest::newRow("li 3 landscape 8") << 2 << 2 << 1 << 2 << 8;
    QTest::newRow("cb 120 portrait 6") << 1 << 60 << 60 << 1 << 6;
    QTest::newRow("lw 80 landscape 10") << 3 << 40 << 40 << 2 << 10;
}

void TestPdfReport::pagesAsRendered() {
    QFETCH(int, kind);
    QFETCH(int, lines);
    QFETCH(int, mobiles);
    QFETCH(int, orientation);
    QFETCH(int, size);
    const auto st = orvtest::makeReportState(kind, lines, mobiles, orientation, size);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const PdfOutcome outcome = renderReportPdf(*st, buffer);
    QVERIFY(outcome.ok);
    QVERIFY(buffer.data().startsWith("%PDF-"));
    QCOMPARE(pdfPageCount(buffer.data()), outcome.pages);

    // A4 in points, turned as the settings say.
    const QSizeF box = mediaBox(buffer.data());
    const QSizeF a4 = orientation == 2 ? QSizeF(842, 595) : QSizeF(595, 842);
    QVERIFY2(std::abs(box.width() - a4.width()) < 1.5 && std::abs(box.height() - a4.height()) < 1.5,
             qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));

    // Courier New (Liberation Mono) measures as the recording surface's fixed pitch, so the
    // recorded run on a page of the same size turns its pages at the same rows.
    const double margin = 2 * kPdfPrinterMarginPoints * 20;
    const double shortSide = RecordingSurface::kA4WidthTwips - margin;
    const double longSide = RecordingSurface::kA4HeightTwips - margin;
    RecordingSurface recorded(TextMetric::fixedPitch(), shortSide, longSide);
    QCOMPARE(DrukOverzicht(recorded, *st, false), outcome.pages);
}

ORV_TEST(TestPdfReport)
#include "tst_pdfreport.moc"
