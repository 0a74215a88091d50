#include "common/testmain.h"
#include "ui/platform/qtplatform.h"
#include "ui/platform/uihelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
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
        auto* editable = new QComboBox(&form);
        editable->setEditable(true);
        editable->setEnabled(false);
        auto* list = new QListWidget(&form);
        auto* button = new QPushButton(&form);
        auto* inFrame = new QLineEdit(new QWidget(&form)); // nested controls count too
        const QColor buttonBase = fieldBackground(button);

        SetFieldColours(&form, kLightYellow, kFieldGrey);

        QCOMPARE(fieldBackground(on), kLightYellow);
        QCOMPARE(fieldBackground(off), kFieldGrey);
        QCOMPARE(off->palette().color(QPalette::Disabled, QPalette::Base), kFieldGrey);
        QCOMPARE(fieldBackground(editable), kFieldGrey);
        QCOMPARE(fieldBackground(editable->lineEdit()), kFieldGrey);
        QCOMPARE(fieldBackground(list), kLightYellow);
        QCOMPARE(fieldBackground(inFrame), kLightYellow);
        QCOMPARE(fieldBackground(button), buttonBase);

        off->setEnabled(true); // a later call follows the new state
        SetFieldColours(&form, kLightYellow, kFieldGrey);
        QCOMPARE(fieldBackground(off), kLightYellow);
    }

    void fileFilter_data() {
        for (const char* column : {"filter", "qt", "suffix"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char* name, const char* filter, const char* qt,
                            const char* suffix) { QTest::newRow(name) << filter << qt << suffix; };
        row("settings", "Bestand (Ornaveld.set)|Ornaveld.set", "Bestand (Ornaveld.set)", "");
        row("pattern added", "Tekstbestand|*.txt", "Tekstbestand (*.txt)", "txt");
        row("two patterns", "Import (*.txt;*.csv)|*.txt;*.csv", "Import (*.txt *.csv)", "txt");
        row("two entries", "Tekst|*.txt|Alles|*.*", "Tekst (*.txt);;Alles (*.*)", "txt");
        row("wildcard suffix", "Alles|*.*", "Alles (*.*)", "");
    }
    void fileFilter() {
        QFETCH(QString, filter);
        QTEST(qtFileFilter(filter), "qt");
        QTEST(defaultSuffix(filter), "suffix");
    }
};

ORV_GUI_TEST_MAIN(TestUiHelpers)
#include "tst_uihelpers.moc"
