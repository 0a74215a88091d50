#pragma once
// The report sections: which parts a report holds, chosen in "Samenstellen overzichten"
// before anything is calculated. Four flags, index 0..3, non-zero = include; what each
// index means depends on the report kind, and the box captions say it.

#include <array>
#include <QString>
#include <QStringView>

namespace orv {

// The caption of box 0..3 for report kind 1..3; empty for a box that kind does not use
// (and for every box of another kind).
QStringView sectionCaption(int reportKind, int box);

// The flags as the dialog opens: a box with a caption is ticked and its flag set, a box
// without one is hidden and its flag cleared, so every report starts complete.
std::array<int, 4> initialSectionFlags(int reportKind);

// Ticking or unticking box index.
void setSectionFlag(std::array<int, 4>& flags, int index, bool ticked);

// The initial flags as four characters 0/1: "1110" for kinds 1 and 3, "1111" for kind 2.
QString sectionFlagsText(const std::array<int, 4>& flags);
inline QString defaultSectionsText(int reportKind) {
    return sectionFlagsText(initialSectionFlags(reportKind));
}

} // namespace orv
