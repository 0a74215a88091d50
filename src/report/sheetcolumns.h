#pragma once
// The columns of the calculation sheet: caption, the text a cell shows (in the display
// format, with the decimal separator of the locale), the full-precision value behind it, and
// sorting the rows by any column.

#include "report/sheet.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orv {

// The outcome first (level, share, what it takes), then the terms the level is made of.
enum class SheetColumn {
    Source,
    Kind,
    Period,
    Laeq,
    LaeqSurcharged,
    ShareDb,
    SharePercent,
    Reduction,
    Allowed,
    Lamax,
    LamaxReduction,
    LwA,
    LwAMax,
    PointCount,
    Movements,
    Hours,
    Cb,
    Transmission,
    Cm,
    TransmissionMax,
    CmMax,
    Screening,
    Reflection,
    Facade,
};
inline constexpr int kSheetColumns = static_cast<int>(SheetColumn::Facade) + 1;

struct SheetCell {
    enum class Type { Number, Text, Empty } type = Type::Empty;
    QString text;     // as shown
    double value = 0; // full precision (Number); what sorting compares
    QString tooltip;  // the value at full precision, empty where there is none
};

QString sheetCaption(SheetColumn column);
SheetCell sheetCell(const SheetRow& row, SheetColumn column);

// Sorts the rows by a column, stable: numbers by value, texts alphabetically, empty cells
// last in either direction; "niet haalbaar" counts as larger than any reduction.
void sortSheetRows(std::vector<SheetRow>& rows, SheetColumn column, bool ascending);

// The sheet as shown: the caption line, then one line of cell texts per row.
QList<QStringList> sheetTable(const Sheet& sheet);

// "Dag", "Avond", "Nacht".
QString periodName(int period);

// A value at full precision (shortest form that reads back the same double) with the
// decimal separator of the locale.
QString fullPrecision(double value);

} // namespace orv
