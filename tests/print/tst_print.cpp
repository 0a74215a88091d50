// Printing: twips onto device pixels at the device's own resolution, texts drawn where
// they were measured.

#include "common/testmain.h"
#include "print/paintersurface.h"

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <QtTest>

using namespace orv;

namespace {

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

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void pageInTwips_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<double>("width"); // twips, A4 less 10 mm margins
        QTest::addColumn<double>("height");
        const double shortSide = (210.0 - 20) / 25.4 * 1440;
        const double longSide = (297.0 - 20) / 25.4 * 1440;
        QTest::newRow("1200 dpi portrait") << 1200 << 1 << shortSide << longSide;
        QTest::newRow("300 dpi landscape") << 300 << 2 << longSide << shortSide;
    }
    void pageInTwips() {
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
        QVERIFY(std::abs(s.scaleWidth() - width) < 60 && std::abs(s.scaleHeight() - height) < 60);
        s.setScaleLeft(-500);
        QCOMPARE(s.toDeviceX(0), 500.0 * resolution / 1440);
        QCOMPARE(s.toDeviceX(1440), 1940.0 * resolution / 1440);
        QCOMPARE(s.toDeviceY(720), 0.5 * resolution);
    }

    void textLandsWhereMeasured_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("text");
        QTest::newRow("fixed pitch") << "Courier New"
                                     << "888,8";
        QTest::newRow("proportional") << "Liberation Sans"
                                      << "WWW 11,1";
    }
    // Right-aligned as the renderer does it: the ink ends at the column end (less the last
    // glyph's side bearing) and lies below the current y, within the text height.
    void textLandsWhereMeasured() {
        QFETCH(QString, font);
        QFETCH(QString, text);
        const int dpi = 300;
        QImage image(8 * dpi, 4 * dpi, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
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
};

ORV_GUI_TEST_MAIN(TestPrint)
#include "tst_print.moc"
