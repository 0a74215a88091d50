#pragma once
// A source record as the input form shows it, and back: the texts of the kind's boxes and
// combo boxes, and the line a record gets in the source list.

#include "input/fields.h"
#include "model/state.h"

#include <array>
#include <QString>
#include <QStringList>

namespace orv {

// txtLijnbron_0..9 for kind 0, txtMobbron_0..7 for kind 1.
int boxCount(SourceKind kind);
FieldGroup boxGroup(SourceKind kind);

struct SourceTexts {
    // What cmbBron shows; empty when nothing is chosen (multi-edit).
    QString sourceName;
    // The combo's list position (library entry position + 1); -1 when the name shown is not
    // in the library (any more), or nothing is chosen.
    int libraryPosition = -1;
    std::array<QString, 10> boxes{};
    QString reflection; // "0" or "2"; empty when nothing is chosen
    QString screening;  // "0" or "5"
};

// The list position of a library name (trimmed, exact), -1 when absent.
int libraryPosition(const SettingsData& settings, QStringView name);

// Record i shown in the fields, as after a click in the list.
SourceTexts showSource(SourceKind kind, const SourceRecord& record, const SettingsData& settings);

// The caption over a kind's fields for the library choice at list position (-1: none):
// its LwA, or a blank line for the placeholder and while several sources are edited.
QString frameCaption(const SettingsData& settings, int position, int selectedCount);

// A mobile source's sub-source count as its box shows it once checked, and whether the
// farthest distance is in use (not with one sub-source: all of it is then at the nearest).
struct SubSourceCount {
    ValidateResult count;
    bool farthestInUse = true;
};
SubSourceCount subSourceCount(QStringView text);

// "name / description", both trimmed.
QString listText(const SourceRecord& record);
// The list texts of records 1..sourceCount[kind].
QStringList listTexts(const State& state, SourceKind kind);

} // namespace orv
