#pragma once
// The sound power library: entry 1 is the placeholder that every source list starts with,
// entries 2..libraryCount are the user's named sources. The editor lists the named entries
// only, so list position p is entry p + 2. After every store the named entries stand in
// ascending order of their names, compared without regard to case at full width; loading
// does not sort them, so a library from an old file may be unsorted until the first store.

#include "model/state.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace orv {

inline const QString kUnnamedEntry = QStringLiteral("<naamloos>");
constexpr int kFirstNamedEntry = 2;

constexpr int entryOfPosition(int position) {
    return position + kFirstNamedEntry;
}
constexpr int positionOfEntry(int entry) {
    return entry - kFirstNamedEntry;
}
// Named entries in use (libraryCount - 1, never below 0).
int namedEntryCount(const SettingsData& settings);
// How many more entries fit: 500 - libraryCount.
int freeEntries(const SettingsData& settings);

// The trimmed names of entries 2..libraryCount, each re-stored trimmed.
QStringList listNames(SettingsData& settings);

// Case-insensitive comparison of two names at their full stored width.
bool nameLess(QStringView a, QStringView b);
// A stable sort of entries 2..libraryCount by name: equal names keep their order.
void SorTeren(SettingsData& settings);
// Appends entry and leaves the named entries sorted, as appending and SorTeren would; when
// the others are already in order it inserts behind its equals instead of sorting again.
// knownSorted skips that check when the caller has just left them sorted. Returns false
// (and changes nothing) when the library is full.
bool addSorted(SettingsData& settings, const LibraryEntry& entry, bool knownSorted = false);

// The entry as stored: the name trimmed and cut to its width.
LibraryEntry makeEntry(QStringView name, double lwEq, double lwMax);
// Removes entry (2..libraryCount); the entries behind it move down by one.
void removeEntry(SettingsData& settings, int entry);

// The first character upper case, the rest lower case ("COMPRESSOR" -> "Compressor").
QString nameCase(QStringView name);
// What an empty description is stored as.
QString storedName(QStringView typed);

// Lwmax is never below Lweq: the Lwmax text after both level boxes were validated, or an
// empty text when it stays as it is (also when either box does not hold a number).
QString coupledMaxText(QStringView eqText, QStringView maxText);

// The input box of "Toevoegen" and the count under the list.
QString addPrompt(const SettingsData& settings, QStringView crlf);
QString countText(const SettingsData& settings);

} // namespace orv
