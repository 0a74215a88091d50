#include "base/numberformat.h"
#include "common/testmain.h"
#include "input/validate.h"

using namespace orv;

namespace {
const QString kNumberTip = QStringLiteral("Voer geldig getal in");
const QString kDateTip = QStringLiteral("Voer geldige datum in (dd-mm-yyyy)");
const QString kToday = QStringLiteral("07-03-2024");
} // namespace

class TestValidate : public QObject {
    Q_OBJECT
private slots:
    void init() { saved_ = decimalSeparator(); }
    void cleanup() { setDecimalSeparator(saved_); }

    void check_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("lower");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("toolTip");
        const QString num = kTagNumeric;
        const QString date = kTagDate;
        auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

        // Speed of a line source: 5..80 km/h, whole numbers.
        row("empty rises to lower") << "" << num << 80.0 << 5.0 << "#0"
                                    << "," << true << "5"
                                    << "";
        row("above upper") << "120" << num << 80.0 << 5.0 << "#0"
                           << "," << true << "80"
                           << "";
        row("below lower") << "2" << num << 80.0 << 5.0 << "#0"
                           << "," << true << "5"
                           << "";
        row("comma rounds") << "57,6" << num << 80.0 << 5.0 << "#0"
                            << "," << true << "58"
                            << "";
        row("point rounds") << "57.6" << num << 80.0 << 5.0 << "#0"
                            << "," << true << "58"
                            << "";
        row("spaces around") << "  40 " << num << 80.0 << 5.0 << "#0"
                             << "," << true << "40"
                             << "";
        row("letters") << "abc" << num << 80.0 << 5.0 << "#0"
                       << "," << false << "" << kNumberTip;
        row("two separators") << "1,2.3" << num << 80.0 << 5.0 << "#0"
                              << "," << false << "" << kNumberTip;
        row("only spaces") << "   " << num << 80.0 << 5.0 << "#0"
                           << "," << false << "" << kNumberTip;
        row("digits and text") << "12 m" << num << 80.0 << 5.0 << "#0"
                               << "," << false << "" << kNumberTip;
        // Operating hours in the day: 0..12 with four decimals, in the user's separator.
        row("hours comma") << "3,25" << num << 12.0 << 0.0 << "#0.0000"
                           << "," << true << "3,2500"
                           << "";
        row("hours point locale") << "3,25" << num << 12.0 << 0.0 << "#0.0000"
                                  << "." << true << "3.2500"
                                  << "";
        row("half to even at format") << "0.125" << num << 12.0 << 0.0 << "#0.00"
                                      << "." << true << "0.12"
                                      << "";
        // Crossed bounds: upper first, so lower wins.
        row("crossed bounds") << "50" << num << 10.0 << 20.0 << "#0"
                              << "." << true << "20"
                              << "";
        row("no bounds normalise") << "123,456" << num << kNoUpperBound << kNoLowerBound << "##0.0"
                                   << "," << true << "123,5"
                                   << "";
        row("no bounds empty") << "" << num << kNoUpperBound << kNoLowerBound << "##0.0"
                               << "," << true << "0,0"
                               << "";
        row("leading separator") << ",5" << num << 10.0 << 0.0 << "#0.0"
                                 << "," << true << "0,5"
                                 << "";

        row("date empty is today") << "" << date << 0.0 << 0.0 << ""
                                   << "," << true << kToday << "";
        row("date accepted") << "05-11-1999" << date << 0.0 << 0.0 << ""
                             << "," << true << "05-11-1999"
                             << "";
        row("date trimmed") << " 05-11-1999 " << date << 0.0 << 0.0 << ""
                            << "," << true << "05-11-1999"
                            << "";
        row("date leap day") << "29-02-2000" << date << 0.0 << 0.0 << ""
                             << "," << true << "29-02-2000"
                             << "";
        row("date one digit") << "1-2-2000" << date << 0.0 << 0.0 << ""
                              << "," << false << "" << kDateTip;
        row("date no such day") << "31-02-2000" << date << 0.0 << 0.0 << ""
                                << "," << false << "" << kDateTip;
        row("date not leap") << "29-02-1900" << date << 0.0 << 0.0 << ""
                             << "," << false << "" << kDateTip;
        row("date slashes") << "05/11/1999" << date << 0.0 << 0.0 << ""
                            << "," << false << "" << kDateTip;
        row("date month first") << "11-25-1999" << date << 0.0 << 0.0 << ""
                                << "," << false << "" << kDateTip;
        row("date only spaces") << "  " << date << 0.0 << 0.0 << ""
                                << "," << false << "" << kDateTip;

        row("upper case") << " Pomp a " << kTagUpper << 0.0 << 0.0 << ""
                          << "," << true << "POMP A"
                          << "";
        row("lower case") << "Hard" << kTagLower << 0.0 << 0.0 << ""
                          << "," << true << "hard"
                          << "";
        row("no tag trims only") << "  Heftruck  "
                                 << "" << 0.0 << 0.0 << ""
                                 << "," << true << "Heftruck"
                                 << "";
        row("no tag never refuses") << ""
                                    << "" << 0.0 << 0.0 << "#0"
                                    << "," << true << ""
                                    << "";
        row("tag without semicolon") << " 12x "
                                     << "NUMERIC" << 0.0 << 0.0 << "#0"
                                     << "," << true << "12x"
                                     << "";
    }
    void check() {
        QFETCH(QString, text);
        QFETCH(QString, tag);
        QFETCH(double, upper);
        QFETCH(double, lower);
        QFETCH(QString, format);
        QFETCH(QString, separator);
        setDecimalSeparator(separator.front());

        const ValidateResult r = ValiDate(text, tag, upper, lower, format, kToday);
        QTEST(r.accepted, "accepted");
        QTEST(r.text, "result");
        QTEST(r.toolTip, "toolTip");
    }

    // What a caller stores is the displayed value, whichever separator the user has.
    void numberIsTheRoundedValue_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("comma") << ",";
        QTest::newRow("point") << ".";
    }
    void numberIsTheRoundedValue() {
        QFETCH(QString, separator);
        setDecimalSeparator(separator.front());
        QCOMPARE(ValiDate(u"12,34567", kTagNumeric, 99, 0, u"##0.0", kToday).number(), 12.3);
        QCOMPARE(ValiDate(u"x", kTagNumeric, 99, 0, u"##0.0", kToday).number(), 0.0);
    }

private:
    QChar saved_;
};

ORV_TEST_MAIN(TestValidate)
#include "tst_validate.moc"
