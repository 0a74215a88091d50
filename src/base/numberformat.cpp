#include "base/numberformat.h"

#include <cmath>
#include <cstdio>
#include <QLocale>
#include <string>

namespace orv {
namespace {

QChar& separatorSlot() {
    static QChar sep = [] {
        const QString p = QLocale::system().decimalPoint();
        return p.isEmpty() ? QLatin1Char('.') : p.front();
    }();
    return sep;
}

// Rounds the 15 significant digits of value to `decimals` places, half to even, and
// returns the digits without separator plus the count of integer digits.
std::string roundedDigits(double value, int decimals, int& integerDigits) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: d.dddddddddddddde[+-]XX
    std::string mant;
    mant.push_back(buf[0]);
    mant.append(buf + 2, 14);
    const int exp10 = std::atoi(buf + 17);
    // mant holds digits of 0.mant * 10^(exp10+1)
    const int kept = exp10 + 1 + decimals; // digits that survive the rounding
    if (kept >= static_cast<int>(mant.size())) {
        mant.append(static_cast<std::size_t>(kept) - mant.size(), '0');
    } else if (kept < 0) {
        mant.assign(0, '0');
    } else {
        const char first = mant[static_cast<std::size_t>(kept)];
        bool restNonZero = false;
        for (std::size_t i = static_cast<std::size_t>(kept) + 1; i < mant.size(); ++i)
            restNonZero = restNonZero || mant[i] != '0';
        const bool prevOdd = kept > 0 && ((mant[static_cast<std::size_t>(kept) - 1] - '0') & 1);
        const bool up = first > '5' || (first == '5' && (restNonZero || prevOdd));
        mant.resize(static_cast<std::size_t>(kept));
        if (up) {
            int i = kept - 1;
            for (; i >= 0; --i) {
                if (mant[static_cast<std::size_t>(i)] == '9') {
                    mant[static_cast<std::size_t>(i)] = '0';
                } else {
                    ++mant[static_cast<std::size_t>(i)];
                    break;
                }
            }
            if (i < 0) {
                mant.insert(mant.begin(), '1');
                integerDigits = exp10 + 2;
                return mant;
            }
        }
    }
    integerDigits = exp10 + 1;
    return mant;
}

} // namespace

QChar decimalSeparator() {
    return separatorSlot();
}
void setDecimalSeparator(QChar separator) {
    separatorSlot() = separator;
}

int formatDecimals(QStringView format) {
    const qsizetype dot = format.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : static_cast<int>(format.size() - dot - 1);
}

QString formatNumber(double value, QStringView format, QChar separator) {
    if (!std::isfinite(value)) return QStringLiteral("---");
    const int decimals = formatDecimals(format);
    int integerDigits = 0;
    std::string digits = value == 0 ? std::string(static_cast<std::size_t>(decimals), '0')
                                    : roundedDigits(value, decimals, integerDigits);
    // digits holds integerDigits + decimals digits (integerDigits may be <= 0).
    std::string intPart;
    std::string fracPart;
    const int total = static_cast<int>(digits.size());
    const int intCount = total - decimals;
    if (intCount > 0) {
        intPart = digits.substr(0, static_cast<std::size_t>(intCount));
        fracPart = digits.substr(static_cast<std::size_t>(intCount));
    } else {
        fracPart = std::string(static_cast<std::size_t>(-intCount), '0') + digits;
    }
    // Strip leading zeros of the integer part, keep at least one digit ("#0").
    std::size_t nz = 0;
    while (nz + 1 < intPart.size() && intPart[nz] == '0')
        ++nz;
    intPart = intPart.substr(nz);
    if (intPart.empty()) intPart = "0";
    const bool allZero = intPart.find_first_not_of('0') == std::string::npos &&
                         fracPart.find_first_not_of('0') == std::string::npos;
    QString out;
    if (value < 0 && !allZero) out.append(QLatin1Char('-'));
    out.append(QLatin1String(intPart.data(), static_cast<qsizetype>(intPart.size())));
    if (decimals > 0) {
        out.append(separator);
        out.append(QLatin1String(fracPart.data(), static_cast<qsizetype>(fracPart.size())));
    }
    return out;
}

double roundToFormat(double value, QStringView format) {
    QString s = formatNumber(value, format, QLatin1Char('.'));
    bool ok = false;
    const double v = s.toDouble(&ok);
    return ok ? v : value;
}

std::optional<double> parseNumber(QStringView text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b] == QLatin1Char(' '))
        ++b;
    while (e > b && text[e - 1] == QLatin1Char(' '))
        --e;
    int digits = 0;
    int separators = 0;
    QString plain;
    for (qsizetype i = b; i < e; ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ++digits;
            plain.append(c);
        } else if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (++separators > 1) return std::nullopt;
            plain.append(QLatin1Char('.'));
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    bool ok = false;
    const double v = plain.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

} // namespace orv
