#include "input/validate.h"

#include "base/numberformat.h"
#include "base/win1252.h"

#include <QDate>

namespace orv {
namespace {

ValidateResult accepted(QString text) {
    return {true, std::move(text), QString()};
}
ValidateResult refused(QString toolTip) {
    return {false, QString(), std::move(toolTip)};
}

ValidateResult checkNumber(const QString& s, double upper, double lower,
                           QStringView displayFormat) {
    const std::optional<double> parsed = parseNumber(s);
    if (!parsed) return refused(QStringLiteral("Voer geldig getal in"));
    double value = *parsed;
    // The upper bound first: with crossed bounds the lower one wins.
    if (value > upper) value = upper;
    if (value < lower) value = lower;
    return accepted(formatNumber(value, displayFormat));
}

// Pattern ##-##-####: day and month need their two digits, so "1-2-2000" is refused
// although QDate would read it.
bool hasDatePattern(const QString& s) {
    if (s.size() != 10) return false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        const bool ok = (i == 2 || i == 5) ? c == QLatin1Char('-')
                                           : (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        if (!ok) return false;
    }
    return true;
}

ValidateResult checkDate(const QString& s) {
    const QString format = QStringLiteral("dd-MM-yyyy");
    if (hasDatePattern(s)) {
        const QDate date = QDate::fromString(s, format);
        if (date.isValid()) return accepted(date.toString(format));
    }
    return refused(QStringLiteral("Voer geldige datum in (dd-mm-yyyy)"));
}

} // namespace

double ValidateResult::number() const {
    return parseNumber(text).value_or(0.0);
}

ValidateResult ValiDate(QStringView text, QStringView tag, double upper, double lower,
                        QStringView displayFormat, QStringView todayText) {
    QString s = trimmed(text);
    if (tag == kTagNumeric) {
        if (text.isEmpty()) s = QStringLiteral("0");
        return checkNumber(s, upper, lower, displayFormat);
    }
    if (tag == kTagDate) {
        if (text.isEmpty()) s = todayText.toString();
        return checkDate(s);
    }
    if (tag == kTagUpper) return accepted(s.toUpper());
    if (tag == kTagLower) return accepted(s.toLower());
    return accepted(s);
}

} // namespace orv
