// Printing: twips onto device pixels at the device's own resolution, texts drawn where
// they were measured.

#include "common/testmain.h"
#include "print/paintersurface.h"

#include <QImage>
#include <QtTest>

using namespace orv;

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void textLandsWhereMeasured_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("text");
        QTest::newRow("fixed pitch") << "Courier New"
                                     << "888,8";
        QTest::newRow("proportional") << "Liberation Sans"
                                      << "WWW 11,1";
    }
    // Right-aligned as the renderer does it: the ink ends at the column end (less the last
    // glyph's side bearing) and lies below the current y, within the text height; the left
    // margin of 500 twips and an inch of 1440 twips land on the device's own pixels.
    void textLandsWhereMeasured() {
        QFETCH(QString, font);
        QFETCH(QString, text);
        const int dpi = 300;
        const double px = dpi / 1440.0;
        QImage image(8 * dpi, 4 * dpi, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
        PainterSurface s(image);
        s.setScaleLeft(-500);
        QCOMPARE(s.toDeviceX(1440), 1940 * px);
        QCOMPARE(s.toDeviceY(720), 0.5 * dpi);
        s.setFontName(font);
        s.setFontSize(12);
        const double end = 6000;
        s.setCurrentY(1440);
        s.setCurrentX(end - s.textWidth(text));
        s.print(text, true);
        QVERIFY(s.currentX() == 0 && std::abs(s.currentY() - 1440 - s.textHeight()) < 1e-9);
        s.finish();
        QRect box; // of the dark pixels
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 200) box |= QRect(x, y, 1, 1);
        const double bearing = 0.12 * 12 * dpi / 72.0;
        QVERIFY2(box.right() <= s.toDeviceX(end) + 1 && box.right() >= s.toDeviceX(end) - bearing,
                 qPrintable(QString::number(box.right())));
        QVERIFY(box.top() > 1440 * px && box.bottom() < (1440 + s.textHeight()) * px);
    }
};

ORV_GUI_TEST_MAIN(TestPrint)
#include "tst_print.moc"
