#pragma once
// One formatter for every number the program shows, and one parser for every number typed.
//
// Formatting takes the value first to 15 significant digits (so that 2.675, stored as
// 2.67499999..., is treated as the 2.675 the user sees), then rounds to the format's
// decimals with an exact half going to the even neighbour (NEN 1047). A value that rounds
// to zero carries no minus sign. Formats: "#0", "##0", "#0.0", "##0.0", "#0.00", "#0.0000".

#include <optional>
#include <QChar>
#include <QString>
#include <QStringView>

namespace orv {

// The decimal separator of the user's locale; defaults to the system locale's and is set
// explicitly by tests and the command line.
QChar decimalSeparator();
void setDecimalSeparator(QChar separator);

QString formatNumber(double value, QStringView format, QChar separator);
inline QString formatNumber(double value, QStringView format) {
    return formatNumber(value, format, decimalSeparator());
}
// Decimals that a display format asks for ("#0.0000" -> 4).
int formatDecimals(QStringView format);
// The value as the format shows it, read back: what an entered value is stored as.
double roundToFormat(double value, QStringView format);

// Digits with at most one "," or "." as decimal separator, surrounded by spaces at most.
// Anything else is not a number.
std::optional<double> parseNumber(QStringView text);

} // namespace orv
