#pragma once
// Builders for small projects in a fresh state, so that each test says only what matters.

#include "app/win1252.h"
#include "model/state.h"

#include <memory>

namespace calctest {

inline std::unique_ptr<orv::State> freshState() {
    auto state = std::make_unique<orv::State>();
    orv::Reset(*state);
    return state;
}

struct Line {
    QString description = QStringLiteral("Route");
    double lwA = 100, lwAMax = 105;
    double points = 10, length = 100, speed = 20;
    double movements[3] = {100, 0, 0};
    double height = 1.5, distanceA = 50, distanceB = 50;
    qint16 reflection = 0, screening = 0;
};

struct Mobile {
    QString description = QStringLiteral("Heftruck");
    double lwA = 100, lwAMax = 105;
    double points = 1;
    double hours[3] = {12, 0, 0};
    double height = 1.5, distanceA = 50, distanceB = 50;
    qint16 reflection = 0, screening = 0;
};

inline int add(orv::State& s, const Line& l) {
    const int i = ++s.sourceCount[0];
    orv::SourceRecord& r = s.sources[0][i];
    r.description = orv::fixedText(l.description, orv::kDescriptionWidth);
    r.lwA = l.lwA;
    r.lwAMax = l.lwAMax;
    r.pointCount = l.points;
    r.length = l.length;
    r.speed = l.speed;
    for (int p = 0; p < 3; ++p)
        r.movements[p] = l.movements[p];
    r.height = l.height;
    r.distanceA = l.distanceA;
    r.distanceB = l.distanceB;
    r.reflection = l.reflection;
    r.screening = l.screening;
    return i;
}

inline int add(orv::State& s, const Mobile& m) {
    const int i = ++s.sourceCount[1];
    orv::SourceRecord& r = s.sources[1][i];
    r.description = orv::fixedText(m.description, orv::kDescriptionWidth);
    r.lwA = m.lwA;
    r.lwAMax = m.lwAMax;
    r.pointCount = m.points;
    for (int p = 0; p < 3; ++p)
        r.operatingHours[p] = m.hours[p];
    r.height = m.height;
    r.distanceA = m.distanceA;
    r.distanceB = m.distanceB;
    r.reflection = m.reflection;
    r.screening = m.screening;
    return i;
}

inline void setReceiver(orv::State& s, double height, const char* ground, qint16 facade = 0) {
    s.project.receiverHeight = height;
    s.project.groundType = orv::fixedText(QString::fromLatin1(ground), orv::kGroundTypeWidth);
    s.project.facadeReflection = facade;
}

} // namespace calctest
