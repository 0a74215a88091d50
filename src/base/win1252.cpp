#include "base/win1252.h"

#include <array>

namespace orv {
namespace {

// Code points of bytes 0x80..0x9F; the unassigned ones keep their C1 value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char toByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString fromWin1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray toWin1252(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = toByte(text[i].unicode());
    return out;
}

bool inWin1252(QChar c) {
    return c == QLatin1Char('?') || toByte(c.unicode()) != '?';
}

bool inWin1252(QStringView text) {
    for (const QChar c : text)
        if (!inWin1252(c)) return false;
    return true;
}

QString fixedText(QStringView text, int n) {
    QString out = text.left(n).toString();
    if (out.size() < n) out.append(QString(n - out.size(), QLatin1Char(' ')));
    return out;
}

QByteArray fixedBytes(QStringView text, int n) {
    return toWin1252(fixedText(text, n));
}

QString trimmed(QStringView text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b] == QLatin1Char(' '))
        ++b;
    while (e > b && text[e - 1] == QLatin1Char(' '))
        --e;
    return text.mid(b, e - b).toString();
}

QString rtrimmed(QStringView text) {
    qsizetype e = text.size();
    while (e > 0 && text[e - 1] == QLatin1Char(' '))
        --e;
    return text.left(e).toString();
}

} // namespace orv
