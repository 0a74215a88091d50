#pragma once
// The comparison of two variants as tables of texts: the period table (totals, surcharge,
// LAr,LT, margins, then Letmaal, Lden and Lnight) and the source table, each cell with the
// value behind it and, for a difference, whether B is better or worse than A.

#include "calc/variants.h"

#include <QList>
#include <QStringList>
#include <vector>

namespace orv {

struct ComparisonCell {
    enum class Change { None, Better, Worse };
    QString text;                 // as shown, with the locale's decimal separator
    std::optional<double> value;  // the number behind a numeric cell
    Change change = Change::None; // differences only: lower levels and higher margins are better
    bool missing = false;         // shown as "---", exported as an empty cell
};

// Which project a variant is, for headings and the command line's output.
struct VariantInfo {
    QString file;                       // file name, without its folder
    QString projectNumber, projectName; // trimmed
    QStringList warnings;               // the minimum-point-source sentences of its run
};

// "A: 2024-017 Voorbeeld (voorbeeld.orv)"
QString variantHeading(bool isA, const VariantInfo& info);

struct ComparisonTable {
    QStringList header;
    std::vector<std::vector<ComparisonCell>> rows;
};

ComparisonTable comparisonPeriodTable(const Comparison& comparison);
// Columns: source (the library name), its description, kind, presence, then per period LAeq A, B,
// difference and LAmax A, B, difference.
ComparisonTable comparisonSourceTable(const Comparison& comparison);
inline constexpr int kComparisonNameColumns = 4;

// The table as lines of texts, header first. A text cell that a spreadsheet would read as a
// formula gets a leading apostrophe; numbers keep their sign; a missing value is empty.
QList<QStringList> comparisonTexts(const ComparisonTable& table);

// Sorts the rows on a column, stable: numbers by value, texts alphabetically, missing values
// last in either direction.
void sortComparisonRows(ComparisonTable& table, int column, bool ascending);

// Whether a source row's name or description holds the filter text (case-insensitive; an empty
// filter holds every row).
bool comparisonRowMatches(const std::vector<ComparisonCell>& row, const QString& filter);

// Why a variant could not be compared: the refusal of its run, or that it has no sources.
QString variantRefusalText(const Outcome& outcome);

// "alleen in A", "alleen in B".
QString onlyInText(bool inA);

} // namespace orv
