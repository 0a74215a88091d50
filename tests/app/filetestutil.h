#pragma once
// Helpers of the file tests: a device that breaks after a number of bytes, and a state full
// of recognisable values.

#include "app/win1252.h"
#include "model/state.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <QIODevice>
#include <QtEndian>

namespace orvtest {

// Accepts limit bytes, then fails every write, as a disk that fills up or a network share
// that drops away. With a target it passes the accepted bytes on.
class FailAfterDevice : public QIODevice {
public:
    explicit FailAfterDevice(qint64 limit, QIODevice* target = nullptr)
        : m_limit(limit), m_target(target) {
        open(QIODevice::WriteOnly);
    }
    qint64 accepted() const { return m_accepted; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = std::min(len, m_limit - m_accepted);
        if (n <= 0) return -1;
        if (m_target && m_target->write(data, n) != n) return -1;
        m_accepted += n;
        return n;
    }

private:
    qint64 m_limit;
    QIODevice* m_target;
    qint64 m_accepted = 0;
};

inline QByteArray le16(qint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

inline QByteArray le64(double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    return QByteArray(b, 8);
}

// Every field of every source differs from its neighbours and from the other sources, so a
// shifted field or a swapped record shows in the bytes.
inline orv::SourceRecord sampleSource(int kind, int n) {
    orv::SourceRecord s;
    const double base = 1000.0 * kind + 10.0 * n;
    s.surchargeKx = static_cast<qint16>(n % 3 * 5);
    s.sourceName = orv::fixedText(QStringLiteral("Bron %1-%2 ë€×").arg(kind).arg(n), 25);
    s.lwA = base + 0.25;
    s.lwAMax = base + 0.5;
    s.description = orv::fixedText(QStringLiteral("Specificatie %1.%2").arg(kind).arg(n), 25);
    s.pointCount = base + 1;
    s.length = base + 2;
    s.speed = base + 3;
    for (int p = 0; p < 3; ++p) {
        s.movements[p] = base + 4 + p;
        s.operatingHours[p] = base + 7 + p;
    }
    s.height = base + 10;
    s.distanceA = base + 11;
    s.distanceB = base + 12;
    s.reflection = static_cast<qint16>(2 * (n % 2));
    s.screening = static_cast<qint16>(-5 * (n % 2)); // a negative value tests the sign
    return s;
}

inline std::unique_ptr<orv::State> sampleState(int lines, int mobiles) {
    auto state = std::make_unique<orv::State>();
    const int counts[2] = {lines, mobiles};
    for (int kind = 0; kind < 2; ++kind) {
        for (int n = 1; n <= counts[kind]; ++n)
            state->sources[kind][n] = sampleSource(kind, n);
        state->sourceCount[kind] = static_cast<qint16>(counts[kind]);
    }
    orv::ProjectRecord& p = state->project;
    p.projectNumber = orv::fixedText(u"P-ë€×", 10);
    p.projectName = orv::fixedText(u"Uitbreiding hal × 2 à € 1 mln — België", 50);
    p.remarks = orv::fixedText(u"Toelichting", 50);
    p.projectDate = orv::fixedText(u"29-02-2024", 10);
    p.receiverDescription = orv::fixedText(u"Woning Dorpsstraat 1", 30);
    p.receiverHeight = 4.5;
    p.groundType = orv::fixedText(u"zacht", 5);
    p.facadeReflection = 3;
    return state;
}

} // namespace orvtest
