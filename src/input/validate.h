#pragma once
// The one check-and-normalise step for the text of an input box, chosen by the box's tag.
// The window applies the outcome: the accepted text and colour, or red, the tooltip and the
// focus back on the box.

#include <QString>
#include <QStringView>

namespace orv {

inline const QString kTagNumeric = QStringLiteral("NUMERIC;");
inline const QString kTagDate = QStringLiteral("DATE;");
inline const QString kTagUpper = QStringLiteral("UCASE;");
inline const QString kTagLower = QStringLiteral("LCASE;");

constexpr double kNoUpperBound = 1e99;
constexpr double kNoLowerBound = -1e99;

struct ValidateResult {
    bool accepted = false;
    // The normalised text (numbers in the display format with the user's decimal
    // separator); empty when refused, and the box then keeps what was typed.
    QString text;
    // Empty when accepted; the hint for the box when refused.
    QString toolTip;

    // What callers store: the text as a number, 0 when refused or not numeric.
    double number() const;
};

// tag: "NUMERIC;", "DATE;", "UCASE;", "LCASE;", anything else (also empty) only trims.
// An empty numeric box counts as 0 and an empty date box as todayText ("dd-mm-yyyy").
// Numbers above upper become upper, and only then below lower become lower.
ValidateResult ValiDate(QStringView text, QStringView tag, double upper, double lower,
                        QStringView displayFormat, QStringView todayText);

} // namespace orv
