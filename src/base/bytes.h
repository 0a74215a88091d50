#pragma once
// Little-endian fields of the two binary files: 16-bit two's complement integers, IEEE-754
// doubles and fixed-width Windows-1252 texts, with no bytes between them. The reader never
// looks past the end it was given; callers check the length before they read, so that
// nothing half-read reaches the tables.

#include "base/win1252.h"

#include <cstring>
#include <QByteArray>
#include <QString>
#include <QtEndian>

namespace orv::bytes {

class Writer {
public:
    explicit Writer(qsizetype reserve = 0) { m_out.reserve(reserve); }

    void int16(qint16 value) {
        char b[2];
        qToLittleEndian(value, b);
        m_out.append(b, 2);
    }
    void real(double value) {
        // Bit for bit: a NaN read from a damaged file goes back out unchanged.
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        char b[8];
        qToLittleEndian(bits, b);
        m_out.append(b, 8);
    }
    // Text(N): cut at width, padded with spaces, one Windows-1252 byte per character.
    void text(const QString& value, int width) {
        const QByteArray b = toWin1252(QStringView(value).left(width));
        m_out.append(b);
        m_out.append(width - b.size(), ' ');
    }

    const QByteArray& bytes() const { return m_out; }
    QByteArray take() { return std::move(m_out); }

private:
    QByteArray m_out;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_data(bytes.constData()), m_size(bytes.size()) {}

    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_size - m_pos; }
    bool has(qsizetype n) const { return n >= 0 && remaining() >= n; }

    qint16 int16() {
        if (!has(2)) return fail<qint16>();
        const auto v = qFromLittleEndian<qint16>(m_data + m_pos);
        m_pos += 2;
        return v;
    }
    double real() {
        if (!has(8)) return fail<double>();
        const auto bits = qFromLittleEndian<quint64>(m_data + m_pos);
        m_pos += 8;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    QString text(int width) {
        if (!has(width)) {
            m_overrun = true;
            m_pos = m_size;
            return QString(width, QLatin1Char(' '));
        }
        QString v = fromWin1252(QByteArrayView(m_data + m_pos, width));
        m_pos += width;
        return v;
    }

    // True once any read asked for more than was left.
    bool overrun() const { return m_overrun; }

private:
    template <typename T> T fail() {
        m_overrun = true;
        m_pos = m_size;
        return T{};
    }

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_overrun = false;
};

} // namespace orv::bytes
