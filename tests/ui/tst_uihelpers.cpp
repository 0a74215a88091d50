#include "common/testregistry.h"
#include "ui/qtplatform.h"
#include "ui/samenstellen.h"
#include "ui/uihelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

using namespace orv;

class TestUiHelpers : public QObject {
    Q_OBJECT
private slots:
    void fieldColoursFollowEnabledState() {
        QWidget form;
        auto* on = new QLineEdit(&form);
        auto* off = new QLineEdit(&form);
        off->setEnabled(false);
        auto* combo = new QComboBox(&form);
        combo->addItems({"hard", "zacht"});
        auto* editable = new QComboBox(&form);
        editable->setEditable(true);
        editable->setEnabled(false);
        auto* list = new QListWidget(&form);
        auto* button = new QPushButton(&form);
        auto* label = new QLabel(&form);
        auto* inFrame = new QLineEdit(new QWidget(&form)); // nested controls count too
        const QColor buttonBase = fieldBackground(button);
        const QColor labelBase = fieldBackground(label);

        SetFieldColours(&form, kLightYellow, kFieldGrey);

        QCOMPARE(fieldBackground(on), kLightYellow);
        QCOMPARE(fieldBackground(off), kFieldGrey);
        QCOMPARE(off->palette().color(QPalette::Disabled, QPalette::Base), kFieldGrey);
        QCOMPARE(fieldBackground(combo), kLightYellow);
        QCOMPARE(fieldBackground(editable), kFieldGrey);
        QCOMPARE(fieldBackground(editable->lineEdit()), kFieldGrey);
        QCOMPARE(fieldBackground(list), kLightYellow);
        QCOMPARE(fieldBackground(inFrame), kLightYellow);
        QCOMPARE(fieldBackground(button), buttonBase);
        QCOMPARE(fieldBackground(label), labelBase);

        off->setEnabled(true); // a later call follows the new state
        SetFieldColours(&form, kLightYellow, kFieldGrey);
        QCOMPARE(fieldBackground(off), kLightYellow);
    }

    void gradientRunsTopToBottom() {
        QImage image(8, 101, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            paintGradient(painter, image.rect(), QColor(0, 100, 200), QColor(200, 100, 0));
        }
        QCOMPARE(QColor(image.pixel(3, 0)), QColor(0, 100, 200));
        QCOMPARE(QColor(image.pixel(3, 50)), QColor(100, 100, 100));
        QCOMPARE(QColor(image.pixel(3, 100)), QColor(200, 100, 0));
        QCOMPARE(image.pixel(0, 25), image.pixel(7, 25)); // whole lines
    }

    void fileFilter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("project") << "Bestand Ornaveld (*.orv)|*.orv"
                                 << "Bestand Ornaveld (*.orv)"
                                 << "orv";
        QTest::newRow("settings") << "Bestand Ornaveld.set (Ornaveld.set)|Ornaveld.set"
                                  << "Bestand Ornaveld.set (Ornaveld.set)"
                                  << "";
        QTest::newRow("pattern added") << "Tekstbestand|*.txt"
                                       << "Tekstbestand (*.txt)"
                                       << "txt";
        QTest::newRow("two patterns") << "Import (*.txt;*.csv)|*.txt;*.csv"
                                      << "Import (*.txt *.csv)"
                                      << "txt";
        QTest::newRow("two entries") << "Tekst|*.txt|Alles|*.*"
                                     << "Tekst (*.txt);;Alles (*.*)"
                                     << "txt";
        QTest::newRow("wildcard suffix") << "Alles|*.*"
                                         << "Alles (*.*)"
                                         << "";
    }
    void fileFilter() {
        QFETCH(QString, filter);
        QTEST(qtFileFilter(filter), "qt");
        QTEST(defaultSuffix(filter), "suffix");
    }

    void sectionDialog_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("Cb") << 1
                            << QStringList{"Projectgegevens", "Lijnbron/rijroute",
                                           "Mobiele/vaste bron", ""};
        QTest::newRow("transmission") << 2
                                      << QStringList{"Projectgegevens", "Rekenparameters",
                                                     "Lijnbron/rijroute", "Mobiele/vaste bron"};
    }
    void sectionDialog() {
        QFETCH(int, kind);
        QFETCH(QStringList, captions);
        frmSamenstellen dialog(kind);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Samenstellen overzichten"));
        for (int i = 0; i < 4; ++i) {
            auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("Check_%1").arg(i));
            QVERIFY(box);
            QCOMPARE(box->text(), captions[i]);
            QCOMPARE(box->isVisibleTo(&dialog), !captions[i].isEmpty());
            QCOMPARE(dialog.flags()[std::size_t(i)] != 0, !captions[i].isEmpty());
        }
        dialog.findChild<QCheckBox*>("Check_1")->setChecked(false);
        QCOMPARE(dialog.flags()[1], 0);
        auto* ok = dialog.findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("Aanmaken"));
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

ORV_TEST(TestUiHelpers)
#include "tst_uihelpers.moc"
