#pragma once
// Builders for small projects in a fresh state, so that each test says only what matters.

#include "base/win1252.h"
#include "model/state.h"

#include <cmath>
#include <initializer_list>
#include <memory>
#include <QTest>
#include <type_traits>

namespace calctest {

inline std::unique_ptr<orv::State> freshState() {
    auto state = std::make_unique<orv::State>();
    orv::Reset(*state);
    return state;
}

struct Line {
    QString description = QStringLiteral("Route");
    double lwA = 100, lwAMax = 105, points = 10, length = 100, speed = 20;
    double amount[3] = {100, 0, 0}; // movements per period
    double height = 1.5, distanceA = 50, distanceB = 50;
    qint16 reflection = 0, screening = 0;
};

struct Mobile {
    QString description = QStringLiteral("Heftruck");
    double lwA = 100, lwAMax = 105, points = 1;
    double amount[3] = {12, 0, 0}; // operating hours per period
    double height = 1.5, distanceA = 50, distanceB = 50;
    qint16 reflection = 0, screening = 0;
};

template <typename T> int add(orv::State& s, const T& src) {
    constexpr int kind = std::is_same_v<T, Line> ? 0 : 1;
    const int i = ++s.sourceCount[kind];
    orv::SourceRecord& r = s.sources[kind][i];
    r.description = orv::fixedText(src.description, orv::kDescriptionWidth);
    r.lwA = src.lwA;
    r.lwAMax = src.lwAMax;
    r.pointCount = src.points;
    if constexpr (kind == 0) {
        r.length = src.length;
        r.speed = src.speed;
    }
    for (int p = 0; p < 3; ++p)
        (kind == 0 ? r.movements[p] : r.operatingHours[p]) = src.amount[p];
    r.height = src.height;
    r.distanceA = src.distanceA;
    r.distanceB = src.distanceB;
    r.reflection = src.reflection;
    r.screening = src.screening;
    return i;
}

inline void setReceiver(orv::State& s, double height, const char* ground, qint16 facade = 0) {
    s.project.receiverHeight = height;
    s.project.groundType = orv::fixedText(QString::fromLatin1(ground), orv::kGroundTypeWidth);
    s.project.facadeReflection = facade;
}

// A data table with one column "row" of a case type.
template <typename T> void table(std::initializer_list<std::pair<const char*, T>> rows) {
    QTest::addColumn<T>("row");
    for (const auto& [name, row] : rows)
        QTest::newRow(name) << row;
}

// Within `tol`, and when not, the two numbers in full in the log.
inline bool near(double got, double want, double tol = 1e-9) {
    if (std::abs(got - want) < tol) return true;
    qWarning("got %.17g, want %.17g", got, want);
    return false;
}

} // namespace calctest
