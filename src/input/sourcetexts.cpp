#include "input/sourcetexts.h"

#include "base/numberformat.h"
#include "base/win1252.h"

namespace orv {

int boxCount(int kind) {
    return static_cast<int>(fieldTable(boxGroup(kind)).size());
}

FieldGroup boxGroup(int kind) {
    return kind == 0 ? FieldGroup::Lijnbron : FieldGroup::Mobbron;
}

int libraryPosition(const SettingsData& settings, QStringView name) {
    const QString wanted = trimmed(name);
    for (int i = 1; i <= settings.libraryCount; ++i)
        if (trimmed(settings.library[static_cast<std::size_t>(i)].entryName) == wanted)
            return i - 1;
    return -1;
}

// The formats of a list click, which are not all those of leaving a box: the speed shows
// one decimal here and none after it is typed.
SourceTexts showSource(int kind, const SourceRecord& r, const SettingsData& settings) {
    SourceTexts t;
    t.sourceName = trimmed(r.sourceName);
    t.libraryPosition = libraryPosition(settings, t.sourceName);
    t.boxes[0] = trimmed(r.description);
    t.boxes[1] = formatNumber(kind == 0 ? r.length : r.pointCount, kind == 0 ? u"#0.0" : u"#0");
    if (kind == 0) {
        t.boxes[2] = formatNumber(r.pointCount, u"#0");
        t.boxes[3] = formatNumber(r.speed, u"#0.0");
        for (int p = 0; p < kPeriods; ++p)
            t.boxes[4 + p] = formatNumber(r.movements[p], u"#0.0");
        t.boxes[7] = formatNumber(r.height, u"#0.0");
        t.boxes[8] = formatNumber(r.distanceA, u"#0.0");
        t.boxes[9] = formatNumber(r.distanceB, u"#0.0");
    } else {
        for (int p = 0; p < kPeriods; ++p)
            t.boxes[2 + p] = formatNumber(r.operatingHours[p], u"#0.0000");
        t.boxes[5] = formatNumber(r.height, u"#0.0");
        t.boxes[6] = formatNumber(r.distanceA, u"#0.0");
        t.boxes[7] = formatNumber(r.distanceB, u"#0.0");
    }
    t.reflection = QString::number(r.reflection);
    t.screening = QString::number(r.screening);
    return t;
}

QString listText(const SourceRecord& record) {
    return trimmed(record.sourceName) + QStringLiteral(" / ") + trimmed(record.description);
}

QStringList listTexts(const State& state, int kind) {
    QStringList texts;
    const auto& table = state.sources[static_cast<std::size_t>(kind)];
    const int count = state.sourceCount[static_cast<std::size_t>(kind)];
    texts.reserve(count);
    for (int i = 1; i <= count; ++i)
        texts.append(listText(table[static_cast<std::size_t>(i)]));
    return texts;
}

} // namespace orv
