#include "input/sourcetexts.h"

#include "base/numberformat.h"
#include "base/win1252.h"

namespace orv {

int boxCount(SourceKind kind) {
    return static_cast<int>(fieldTable(boxGroup(kind)).size());
}

FieldGroup boxGroup(SourceKind kind) {
    return kind == LineSource ? FieldGroup::Lijnbron : FieldGroup::Mobbron;
}

QString frameCaption(const SettingsData& settings, int position, int selectedCount) {
    const int entry = position + 1;
    if (position < 0 || entry > settings.libraryCount || selectedCount >= 2) return {};
    const LibraryEntry& e = settings.library[static_cast<std::size_t>(entry)];
    if (trimmed(e.entryName) == kPlaceholderName) return {};
    return QStringLiteral("Geluidsvermogenniveau Lw,A ") + formatNumber(e.lwEq, u"#0.0") +
           QStringLiteral(" dB(A)");
}

SubSourceCount subSourceCount(QStringView text) {
    SubSourceCount out;
    out.count = leaveBox(FieldGroup::Mobbron, 1, text, {});
    out.farthestInUse = out.count.number() != 1;
    return out;
}

int libraryPosition(const SettingsData& settings, QStringView name) {
    const QString wanted = trimmed(name);
    for (int i = 1; i <= settings.libraryCount; ++i)
        if (trimmed(settings.library[static_cast<std::size_t>(i)].entryName) == wanted)
            return i - 1;
    return -1;
}

SourceTexts showSource(SourceKind kind, const SourceRecord& r, const SettingsData& settings) {
    SourceTexts t;
    t.sourceName = trimmed(r.sourceName);
    t.libraryPosition = libraryPosition(settings, t.sourceName);
    t.boxes[0] = trimmed(r.description);
    const FieldGroup g = boxGroup(kind);
    auto show = [&](int box, double value) {
        t.boxes[static_cast<std::size_t>(box)] = showBox(g, box, value);
    };
    show(1, kind == LineSource ? r.length : r.pointCount);
    const int height = kind == LineSource ? 7 : 5;
    for (int p = 0; p < kPeriods; ++p)
        show((kind == LineSource ? 4 : 2) + p,
             kind == LineSource ? r.movements[p] : r.operatingHours[p]);
    if (kind == LineSource) {
        show(2, r.pointCount);
        show(3, r.speed);
    }
    show(height, r.height);
    show(height + 1, r.distanceA);
    show(height + 2, r.distanceB);
    t.reflection = QString::number(r.reflection);
    t.screening = QString::number(r.screening);
    return t;
}

QString listText(const SourceRecord& record) {
    return trimmed(record.sourceName) + QStringLiteral(" / ") + trimmed(record.description);
}

QStringList listTexts(const State& state, SourceKind kind) {
    QStringList texts;
    const auto& table = state.sources[static_cast<std::size_t>(kind)];
    const int count = state.sourceCount[static_cast<std::size_t>(kind)];
    texts.reserve(count);
    for (int i = 1; i <= count; ++i)
        texts.append(listText(table[static_cast<std::size_t>(i)]));
    return texts;
}

} // namespace orv
