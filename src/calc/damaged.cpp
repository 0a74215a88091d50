#include "calc/damaged.h"

#include "base/win1252.h"

#include <cmath>

namespace orv {

namespace {

// Bounds far outside anything the form accepts, yet close enough that every logarithm,
// power of ten and energy sum of the calculation stays a finite number.
constexpr double kMaxMetres = 1e4; // lengths, distances, heights; speeds in km/h
constexpr double kMinMetres = 1e-3;
constexpr double kMaxPoints = 1e6; // the transmission walks every point of a line
constexpr double kMaxMovements = 1e9;
constexpr double kMaxHours = 1e6;
constexpr double kMinPositive = 1e-6;  // smallest movements or hours that are not 0
constexpr double kMaxLevel = 500;      // sound power in dB(A), either sign
constexpr double kMaxCorrection = 100; // whole-dB corrections, either sign

bool inRange(double v, double low, double high) {
    return v >= low && v <= high;
}
// 0 means "none" for movements and hours; anything else must be a sensible amount.
bool zeroOrInRange(double v, double low, double high) {
    return v == 0 || inRange(v, low, high);
}
bool level(double v) {
    return inRange(v, -kMaxLevel, kMaxLevel);
}
bool correction(double v) {
    return inRange(v, -kMaxCorrection, kMaxCorrection);
}
bool metres(double v) {
    return inRange(v, kMinMetres, kMaxMetres);
}
// The surcharge tool offers 0, 5 and 10 dB and nothing writes another value; 0x7FFF would
// push the period energy past any double and -32768 would make the sheet and the totals
// disagree.
bool surcharge(int k) {
    return k == 0 || k == 5 || k == 10;
}

QString sourceMessage(const SourceRecord& source, const QString& label) {
    return QStringLiteral("Bron ") + trimmed(source.description) +
           QStringLiteral(": ongeldige waarde voor ") + label +
           QStringLiteral("; berekening niet uitgevoerd.");
}

QString receiverMessage(const ProjectRecord& project, const QString& label) {
    const QString name = trimmed(project.receiverDescription);
    return QStringLiteral("Immissiepunt") + (name.isEmpty() ? QString() : QLatin1Char(' ') + name) +
           QStringLiteral(": ongeldige waarde voor ") + label +
           QStringLiteral("; berekening niet uitgevoerd.");
}

// What the operating-time correction reads; every command starts with it.
QString operatingLabel(const SourceRecord& s, SourceKind kind) {
    if (!inRange(s.pointCount, 1, kMaxPoints))
        return kind == LineSource ? QStringLiteral("Aantal puntbronnen")
                                  : QStringLiteral("Aantal deelbronnen");
    if (kind == LineSource) {
        if (!metres(s.length)) return QStringLiteral("Lengte lijnbron/rijroute");
        if (!metres(s.speed)) return QStringLiteral("Rijsnelheid");
        for (double m : s.movements) {
            if (!zeroOrInRange(m, kMinPositive, kMaxMovements))
                return QStringLiteral("Intenstiteit (vtg/periode)");
        }
    } else {
        for (double h : s.operatingHours) {
            if (!zeroOrInRange(h, kMinPositive, kMaxHours))
                return QStringLiteral("Effectieve bedrijfsduur (u)");
        }
    }
    return {};
}

// What transmission and immission read.
QString transmissionLabel(const SourceRecord& s, SourceKind kind) {
    if (!level(s.lwA) || !level(s.lwAMax)) return QStringLiteral("Geluidsbron");
    if (!surcharge(s.surchargeKx)) return QStringLiteral("Toeslag K");
    if (!metres(s.height)) return QStringLiteral("Bronhoogte");
    if (!metres(s.distanceA))
        return kind == LineSource ? QStringLiteral("Afstand begin")
                                  : QStringLiteral("Kleinste afstand");
    if (!metres(s.distanceB))
        return kind == LineSource ? QStringLiteral("Afstand eind")
                                  : QStringLiteral("Grootste afstand");
    if (!correction(s.reflection)) return QStringLiteral("Reflectie");
    if (!correction(s.screening)) return QStringLiteral("Afscherming");
    return {};
}

// What the cumulative emission reads of a chosen kind.
QString emissionLabel(const SourceRecord& s) {
    if (!level(s.lwA)) return QStringLiteral("Geluidsbron");
    if (!metres(s.height)) return QStringLiteral("Bronhoogte");
    if (!correction(s.reflection)) return QStringLiteral("Reflectie");
    if (!correction(s.screening)) return QStringLiteral("Afscherming");
    return {};
}

Outcome damaged(const QString& text) {
    return Outcome::refused(Refusal::DamagedValue, text);
}

} // namespace

Outcome findDamagedValue(const State& state, ReportKind reportKind) {
    for (const SourceKind k : kSourceKinds) {
        const bool emitted =
            reportKind == ReportKind::Emission && state.sections.sourcesListed(reportKind, k);
        for (int i = 1; i <= state.sourceCount[k]; ++i) {
            const SourceRecord& source = state.sources[k][i];
            QString label = operatingLabel(source, k);
            if (label.isEmpty() && reportKind == ReportKind::Transmission)
                label = transmissionLabel(source, k);
            if (label.isEmpty() && emitted) label = emissionLabel(source);
            if (!label.isEmpty()) return damaged(sourceMessage(source, label));
        }
    }
    if (reportKind == ReportKind::Transmission) {
        if (!metres(state.project.receiverHeight))
            return damaged(receiverMessage(state.project, QStringLiteral("Hoogte immissiepunt")));
        if (!correction(state.project.facadeReflection))
            return damaged(receiverMessage(state.project, QStringLiteral("Gevelreflectie")));
    }
    return {};
}

} // namespace orv
