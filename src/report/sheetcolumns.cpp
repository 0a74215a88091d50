#include "report/sheetcolumns.h"

#include "base/numberformat.h"

#include <algorithm>
#include <limits>
#include <QLocale>

namespace orv {

namespace {

using Type = SheetCell::Type;
using Status = SheetReduction::Status;

const char* const kCaptions[kSheetColumns] = {
    "Bron",
    "Soort",
    "Periode",
    "LAeq dB(A)",
    "LAeq+K dB(A)",
    "Onder totaal dB",
    "Aandeel %",
    "Reductie Lw,A dB",
    "Toegestaan uren/bewegingen",
    "LAmax dB(A)",
    "Reductie Lw,A,max dB",
    "Lw,A dB(A)",
    "Lw,A,max dB(A)",
    "Aantal",
    "Bewegingen",
    "Bedrijfsduur uren",
    "Cb dB",
    "Overdracht dB",
    "Cm dB",
    "Overdracht max dB",
    "Cm,max dB",
    "Ds dB",
    "Cr dB",
    "Gevelreflectie dB",
};

SheetCell number(double value, QStringView format) {
    return {Type::Number, formatNumber(value, format), value, fullPrecision(value)};
}
SheetCell text(const QString& t) {
    return {Type::Text, t, 0, QString()};
}
SheetCell missing() {
    return {Type::Empty, QStringLiteral("---"), 0, QString()};
}
SheetCell empty() {
    return {};
}
SheetCell level(double value) {
    return value == 0 ? missing() : number(value, u"#0.0");
}
SheetCell notFeasible() {
    return {Type::Number, notFeasibleText(), std::numeric_limits<double>::infinity(), QString()};
}

SheetCell reduction(const SheetReduction& r) {
    switch (r.status) {
    case Status::NoLimit:
        return empty();
    case Status::Met:
        return number(0, u"#0.0");
    case Status::NotFeasible:
        return notFeasible();
    case Status::Needed: {
        // The cell shows what applying the rounded sound power takes off; the tip the exact.
        SheetCell c = number(r.roundedDb, u"#0.0");
        c.tooltip = fullPrecision(r.exactDb);
        return c;
    }
    }
    return empty();
}

SheetCell allowed(const SheetRow& row) {
    const QStringView format = row.kind == LineSource ? QStringView(u"##0.0") : u"#0.0000";
    switch (row.amount.status) {
    case Status::NoLimit:
        return empty();
    case Status::NotFeasible:
        return notFeasible();
    case Status::Met:
    case Status::Needed: {
        SheetCell c = number(row.amount.allowed, format);
        c.tooltip = fullPrecision(row.amount.exact);
        return c;
    }
    }
    return empty();
}

} // namespace

QString periodName(int period) {
    static const char* const names[] = {"Dag", "Avond", "Nacht"};
    return QString::fromLatin1(names[std::clamp(period, 0, 2)]);
}

QString fullPrecision(double value) {
    QString t = QString::number(value, 'g', QLocale::FloatingPointShortest);
    return t.replace(QLatin1Char('.'), decimalSeparator());
}

QString sheetCaption(SheetColumn column) {
    return QString::fromUtf8(kCaptions[static_cast<int>(column)]);
}

SheetCell sheetCell(const SheetRow& row, SheetColumn column) {
    const bool silent = row.cb == kSilent;
    switch (column) {
    case SheetColumn::Source:
        return text(row.source);
    case SheetColumn::Kind:
        return text(row.kind == LineSource ? QStringLiteral("Lijnbron/rijroute")
                                           : QStringLiteral("Mobiele/vaste bron"));
    case SheetColumn::Period:
        return {Type::Number, periodName(row.period), static_cast<double>(row.period), QString()};
    case SheetColumn::LwA:
        return level(row.lwA);
    case SheetColumn::LwAMax:
        return level(row.lwAMax);
    case SheetColumn::PointCount:
        return number(row.pointCount, u"#0");
    case SheetColumn::Movements:
        return row.kind == LineSource ? number(row.movements, u"##0.0") : empty();
    case SheetColumn::Hours:
        return number(row.hours, u"#0.0000");
    case SheetColumn::Cb:
        return silent ? missing() : number(row.cb, u"#0.00");
    case SheetColumn::Transmission:
        return number(row.transmission, u"#0.00");
    case SheetColumn::Cm:
        return number(row.cm, u"#0.00");
    case SheetColumn::TransmissionMax:
        return number(row.transmissionMax, u"#0.00");
    case SheetColumn::CmMax:
        return number(row.cmMax, u"#0.00");
    case SheetColumn::Screening:
        return number(row.screening, u"#0");
    case SheetColumn::Reflection:
        return number(row.reflection, u"#0");
    case SheetColumn::Facade:
        return number(row.facade, u"#0");
    case SheetColumn::Laeq:
        return level(row.laeq);
    case SheetColumn::LaeqSurcharged:
        return level(row.laeqSurcharged);
    case SheetColumn::Lamax:
        return level(row.lamax);
    case SheetColumn::ShareDb:
        return row.contributes ? number(row.shareDb, u"#0.0") : missing();
    case SheetColumn::SharePercent:
        return row.contributes ? number(row.sharePercent, u"#0.0") : missing();
    case SheetColumn::Reduction:
        return reduction(row.rated);
    case SheetColumn::Allowed:
        return allowed(row);
    case SheetColumn::LamaxReduction:
        return row.lamaxCut.status == Status::Needed ? reduction(row.lamaxCut) : empty();
    }
    return empty();
}

void sortSheetRows(std::vector<SheetRow>& rows, SheetColumn column, bool ascending) {
    std::vector<std::pair<SheetCell, std::size_t>> keyed;
    keyed.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keyed.emplace_back(sheetCell(rows[i], column), i);
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        const SheetCell& x = a.first;
        const SheetCell& y = b.first;
        if ((x.type == Type::Empty) != (y.type == Type::Empty)) return y.type == Type::Empty;
        if (x.type == Type::Empty) return false;
        if (x.type == Type::Text) {
            const int c = x.text.compare(y.text, Qt::CaseInsensitive);
            return ascending ? c < 0 : c > 0;
        }
        return ascending ? x.value < y.value : x.value > y.value;
    });
    std::vector<SheetRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& k : keyed)
        sorted.push_back(rows[k.second]);
    rows = std::move(sorted);
}

QList<QStringList> sheetTable(const Sheet& sheet) {
    QList<QStringList> table;
    QStringList captions;
    for (int c = 0; c < kSheetColumns; ++c)
        captions.append(sheetCaption(static_cast<SheetColumn>(c)));
    table.append(captions);
    for (const SheetRow& row : sheet.rows) {
        QStringList cells;
        for (int c = 0; c < kSheetColumns; ++c)
            cells.append(sheetCell(row, static_cast<SheetColumn>(c)).text);
        table.append(cells);
    }
    return table;
}

} // namespace orv
