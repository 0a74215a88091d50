#include "library/library.h"

#include "base/numberformat.h"
#include "base/win1252.h"

#include <algorithm>

namespace orv {

namespace {

auto namedBegin(SettingsData& s) {
    return s.library.begin() + kFirstNamedEntry;
}
auto namedEnd(SettingsData& s) {
    return s.library.begin() + s.libraryCount + 1;
}

// Stored names are always at full width, so they compare as they stand.
bool entryLess(const LibraryEntry& a, const LibraryEntry& b) {
    return a.entryName.compare(b.entryName, Qt::CaseInsensitive) < 0;
}

} // namespace

int namedEntryCount(const SettingsData& settings) {
    return std::max(0, settings.libraryCount - 1);
}

int freeEntries(const SettingsData& settings) {
    return kMaxLibrary - settings.libraryCount;
}

QStringList listNames(SettingsData& settings) {
    QStringList names;
    names.reserve(namedEntryCount(settings));
    for (int e = kFirstNamedEntry; e <= settings.libraryCount; ++e) {
        QString& name = settings.library[static_cast<std::size_t>(e)].entryName;
        const QString shown = trimmed(name);
        name = fixedText(shown, kEntryNameWidth);
        names.append(shown);
    }
    return names;
}

bool nameLess(QStringView a, QStringView b) {
    const QString wa = fixedText(a, kEntryNameWidth);
    const QString wb = fixedText(b, kEntryNameWidth);
    return wa.compare(wb, Qt::CaseInsensitive) < 0;
}

void SorTeren(SettingsData& settings) {
    if (settings.libraryCount <= kFirstNamedEntry) return;
    std::stable_sort(namedBegin(settings), namedEnd(settings), entryLess);
}

bool addSorted(SettingsData& settings, const LibraryEntry& entry, bool knownSorted) {
    if (settings.libraryCount >= kMaxLibrary) return false;
    if (settings.libraryCount < 1) { // a named entry never takes the placeholder's place
        settings.library[1] = makeEntry(kPlaceholderName, 0, 0);
        settings.libraryCount = 1;
    }
    const auto begin = namedBegin(settings);
    const auto end = namedEnd(settings);
    ++settings.libraryCount;
    if (knownSorted || std::is_sorted(begin, end, entryLess)) {
        // upper_bound: behind every equal name, where a stable sort of the appended entry
        // would leave it.
        const auto at = std::upper_bound(begin, end, entry, entryLess);
        std::move_backward(at, end, end + 1);
        *at = entry;
    } else {
        *end = entry;
        SorTeren(settings);
    }
    return true;
}

LibraryEntry makeEntry(QStringView name, double lwEq, double lwMax) {
    return {fixedText(trimmed(fixedText(name, kEntryNameWidth)), kEntryNameWidth), lwEq, lwMax};
}

void removeEntry(SettingsData& settings, int entry) {
    if (entry < kFirstNamedEntry || entry > settings.libraryCount) return;
    const auto at = settings.library.begin() + entry;
    std::move(at + 1, namedEnd(settings), at);
    settings.library[static_cast<std::size_t>(settings.libraryCount)] = LibraryEntry{};
    --settings.libraryCount;
}

QString nameCase(QStringView name) {
    if (name.isEmpty()) return QString();
    return name.left(1).toString().toUpper() + name.mid(1).toString().toLower();
}

QString storedName(QStringView typed) {
    const QString name = trimmed(typed);
    return name.isEmpty() ? kUnnamedEntry : name;
}

QString coupledMaxText(QStringView eqText, QStringView maxText) {
    const auto eq = parseNumber(eqText);
    const auto max = parseNumber(maxText);
    if (!eq || !max || *eq <= *max) return QString();
    return formatNumber(*eq, u"#0.0");
}

QString addPrompt(const SettingsData& settings, QStringView crlf) {
    return QStringLiteral("1= handmatig") + crlf.toString() + crlf.toString() +
           QStringLiteral("2= tekstbestand (maximaal ") + QString::number(freeEntries(settings)) +
           QStringLiteral(" regels)") + crlf.toString() +
           QStringLiteral("format regel = {omschrijving} ; {Lweq} ; {Lwmax})");
}

QString countText(const SettingsData& settings) {
    return QString::number(std::max(0, settings.libraryCount - 1)) +
           QStringLiteral(" geluidsbron(nen) in lijst");
}

} // namespace orv
