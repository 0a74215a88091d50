// The painter surface: twips onto device pixels at the device's own resolution, fonts sized
// for that resolution, texts drawn where they were measured.

#include "common/testregistry.h"
#include "print/paintersurface.h"

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <QtTest>

using namespace orv;

namespace {

QImage whitePage(int dpi, int widthInches = 8, int heightInches = 4) {
    QImage image(widthInches * dpi, heightInches * dpi, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

// Bounding box of the dark pixels.
QRect inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(line[x]) < 200) box |= QRect(x, y, 1, 1);
    }
    return box;
}

} // namespace

class TestPainterSurface : public QObject {
    Q_OBJECT
private slots:
    void pageInTwips_data();
    void pageInTwips();
    void fontSizedForDevice_data();
    void fontSizedForDevice();
    void textLandsWhereMeasured_data();
    void textLandsWhereMeasured();
    void ruleAtItsTwips();
    void previewCapturesAndClears();
};

void TestPainterSurface::pageInTwips_data() {
    QTest::addColumn<int>("resolution");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("width"); // twips, A4 less 10 mm margins
    QTest::addColumn<double>("height");
    const double shortSide = (210.0 - 20) / 25.4 * 1440;
    const double longSide = (297.0 - 20) / 25.4 * 1440;
    QTest::newRow("1200 dpi portrait") << 1200 << 1 << shortSide << longSide;
    QTest::newRow("1200 dpi landscape") << 1200 << 2 << longSide << shortSide;
    QTest::newRow("300 dpi landscape") << 300 << 2 << longSide << shortSide;
    QTest::newRow("7200 dpi portrait") << 7200 << 1 << shortSide << longSide;
}

void TestPainterSurface::pageInTwips() {
    QFETCH(int, resolution);
    QFETCH(int, orientation);
    QFETCH(double, width);
    QFETCH(double, height);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(resolution);
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    PainterSurface s(writer);
    s.setPaper(kPaperA4, orientation);
    // The PDF writer keeps paper and margins in whole points: within a millimetre.
    QVERIFY2(std::abs(s.scaleWidth() - width) < 60, qPrintable(QString::number(s.scaleWidth())));
    QVERIFY2(std::abs(s.scaleHeight() - height) < 60, qPrintable(QString::number(s.scaleHeight())));
    s.setScaleLeft(-500);
    QCOMPARE(s.toDeviceX(0), 500.0 * resolution / 1440);
    QCOMPARE(s.toDeviceX(1440), 1940.0 * resolution / 1440);
    QCOMPARE(s.toDeviceY(720), 0.5 * resolution);
}

void TestPainterSurface::fontSizedForDevice_data() {
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("size");
    for (double size : {6.0, 8.0, 12.0}) {
        QTest::addRow("pdf 1200 dpi %g pt", size) << true << 1200 << size;
        QTest::addRow("pdf 7200 dpi %g pt", size) << true << 7200 << size;
        QTest::addRow("image 96 dpi %g pt", size) << false << 96 << size;
        QTest::addRow("image 300 dpi %g pt", size) << false << 300 << size;
    }
}

// Courier New is a fixed-pitch font of 0.6 em per character: 12 x size twips, the report's
// character unit, whatever the resolution of the device. A raster device sizes fonts in whole
// pixels, which costs up to half a pixel of em per character.
void TestPainterSurface::fontSizedForDevice() {
    QFETCH(bool, pdf);
    QFETCH(int, dpi);
    QFETCH(double, size);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(dpi);
    QImage image = pdf ? QImage() : whitePage(dpi, 2, 1);
    PainterSurface s(pdf ? static_cast<QPaintDevice&>(writer) : static_cast<QPaintDevice&>(image));
    s.setFontName(QStringLiteral("Courier New"));
    s.setFontSize(size);
    const QString digits = QStringLiteral("0123456789");
    const double pixelSlack = 10 * 0.6 * 0.5 * 1440.0 / dpi;
    QVERIFY2(std::abs(s.textWidth(digits) - 10 * 12 * size) <= pixelSlack + 1,
             qPrintable(QString::number(s.textWidth(digits))));
    QVERIFY(std::abs(s.textHeight() - 1.1328 * 20 * size) <= 1.1328 * 0.5 * 1440.0 / dpi + 1);
    s.setFontBold(true);
    QVERIFY(std::abs(s.textWidth(digits) - 10 * 12 * size) <= pixelSlack + 1);
    s.finish();
}

void TestPainterSurface::textLandsWhereMeasured_data() {
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("text");
    QTest::newRow("fixed pitch") << "Courier New"
                                 << "888,8";
    QTest::newRow("proportional") << "Liberation Sans"
                                  << "WWW 11,1";
}

// Right-aligned as the renderer does it: the ink ends at the column end (less the last
// glyph's side bearing) and lies below the current y, within the text height.
void TestPainterSurface::textLandsWhereMeasured() {
    QFETCH(QString, font);
    QFETCH(QString, text);
    const int dpi = 300;
    QImage image = whitePage(dpi);
    {
        PainterSurface s(image);
        s.setScaleLeft(-500);
        s.setFontName(font);
        s.setFontSize(12);
        const double end = 6000;
        s.setCurrentY(1440);
        s.setCurrentX(end - s.textWidth(text));
        s.print(text, true);
        QCOMPARE(s.currentX(), 0.0);
        QVERIFY(std::abs(s.currentY() - 1440 - s.textHeight()) < 1e-9);
        s.finish();
        const QRect box = inked(image);
        const double px = dpi / 1440.0;
        const double bearing = 0.12 * 12 * dpi / 72.0;
        QVERIFY2(box.right() <= s.toDeviceX(end) + 1 && box.right() >= s.toDeviceX(end) - bearing,
                 qPrintable(QString::number(box.right())));
        QVERIFY(box.top() > 1440 * px);
        QVERIFY(box.bottom() < (1440 + s.textHeight()) * px);
    }
}

void TestPainterSurface::ruleAtItsTwips() {
    const int dpi = 144;
    QImage image = whitePage(dpi);
    PainterSurface s(image);
    s.setScaleLeft(-500);
    s.line(0, 1440, 5000, 1440);
    s.finish();
    const QRect box = inked(image);
    QVERIFY(std::abs(box.left() - 50) <= 1); // 500 twips at 144 dpi
    QVERIFY(std::abs(box.right() - 550) <= 1);
    QVERIFY(std::abs(box.center().y() - 144) <= 1);
}

void TestPainterSurface::previewCapturesAndClears() {
    QImage image = whitePage(144);
    QList<QImage> pages;
    PainterSurface s(image);
    s.setPageCapture([&](int page) {
        QCOMPARE(page, pages.size() + 1);
        pages.append(image.copy());
    });
    s.line(0, 100, 2000, 100);
    s.capturePage();
    s.clear();
    s.line(0, 900, 2000, 900);
    s.capturePage();
    s.finish();
    QCOMPARE(pages.size(), 2);
    QVERIFY(inked(pages[0]).bottom() < 20);
    QVERIFY(inked(pages[1]).top() > 80); // the first page's rule was wiped
}

ORV_TEST(TestPainterSurface)
#include "tst_paintersurface.moc"
