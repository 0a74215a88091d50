#pragma once
// The three reports and the parts a report holds. The four section flags are the boxes of
// "Samenstellen overzichten"; what a box means depends on the report, so code asks the named
// questions below rather than reading a box by its number.

#include "base/sourcekind.h"

#include <array>
#include <optional>
#include <QString>

namespace orv {

enum class ReportKind {
    None = 0,         // no command has run yet
    Cb = 1,           // "Bedrijfsduurcorrectie"
    Transmission = 2, // "Overdrachtsberekening": immission levels and their assessment
    Emission = 3,     // "Gecumuleerde geluidsemissie": one replacement point source
};

inline int kindNumber(ReportKind kind) {
    return static_cast<int>(kind);
}
// The kind of command number 1..3; nothing for any other number.
std::optional<ReportKind> reportKindFromNumber(int number);

class Sections {
public:
    // Box 0..3 of the dialog.
    bool box(int index) const { return index >= 0 && index < 4 && boxes_[index]; }
    void setBox(int index, bool ticked) {
        if (index >= 0 && index < 4) boxes_[index] = ticked;
    }

    bool projectBlock() const { return boxes_[0]; }
    // The calculation parameters (transmission report only).
    bool parameterBlock(ReportKind kind) const {
        return kind == ReportKind::Transmission && boxes_[1];
    }
    bool linesListed(ReportKind kind) const {
        return boxes_[kind == ReportKind::Transmission ? 2 : 1];
    }
    bool mobilesListed(ReportKind kind) const {
        return boxes_[kind == ReportKind::Transmission ? 3 : 2];
    }
    // Whether sources of kind 0 (line) or 1 (mobile) are listed.
    bool sourcesListed(ReportKind kind, SourceKind sourceKind) const {
        return sourceKind == LineSource ? linesListed(kind) : mobilesListed(kind);
    }

    // Four characters 0/1, box 0 first; parsing takes exactly that form.
    QString text() const;
    static std::optional<Sections> fromText(const QString& text);

    // The boxes as the dialog opens: every box the report has is ticked, so every report
    // starts complete.
    static Sections initial(ReportKind kind);

    bool operator==(const Sections&) const = default;

private:
    std::array<bool, 4> boxes_{};
};

} // namespace orv
