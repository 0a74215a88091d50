#include "report/comparisontable.h"

#include "base/numberformat.h"
#include "report/sheetcolumns.h"

#include <algorithm>

namespace orv {

namespace {

using Change = ComparisonCell::Change;

ComparisonCell text(const QString& t) {
    return {t, std::nullopt, Change::None};
}

ComparisonCell missing() {
    return {QStringLiteral("---"), std::nullopt, Change::None, true};
}

ComparisonCell number(const std::optional<double>& v) {
    if (!v) return missing();
    return {formatNumber(*v, u"#0.0"), v, Change::None};
}

// A difference as shown: signed, and judged on what the user reads, so that a change that
// rounds to 0,0 is neither better nor worse.
ComparisonCell difference(const ValuePair& pair, bool higherIsBetter) {
    const std::optional<double> d = pair.difference();
    if (!d) return missing();
    ComparisonCell cell = number(d);
    // The formatter writes no sign on a value that rounds to zero.
    const bool zero = std::none_of(cell.text.cbegin(), cell.text.cend(),
                                   [](QChar c) { return c >= u'1' && c <= u'9'; });
    if (zero) return cell;
    const bool higher = !cell.text.startsWith(u'-');
    if (higher) cell.text.prepend(QLatin1Char('+'));
    cell.change = higher == higherIsBetter ? Change::Better : Change::Worse;
    return cell;
}

void addTriple(std::vector<ComparisonCell>& row, const ValuePair& pair, bool higherIsBetter) {
    row.push_back(number(pair.a));
    row.push_back(number(pair.b));
    row.push_back(difference(pair, higherIsBetter));
}

QString decisiveText(int period) {
    return periodName(period).toLower();
}

} // namespace

QString variantHeading(bool isA, const VariantInfo& info) {
    QStringList parts{isA ? QStringLiteral("A:") : QStringLiteral("B:")};
    for (const QString& part : {info.projectNumber, info.projectName})
        if (!part.isEmpty()) parts.append(part);
    parts.append(QLatin1Char('(') + info.file + QLatin1Char(')'));
    return parts.join(QLatin1Char(' '));
}

QString variantRefusalText(const Outcome& outcome) {
    if (outcome.refusal == Refusal::NoSources)
        return QStringLiteral("Het project bevat geen bronnen: er is niets berekend.");
    return outcome.message;
}

QString onlyInText(bool inA) {
    return inA ? QStringLiteral("alleen in A") : QStringLiteral("alleen in B");
}

ComparisonTable comparisonPeriodTable(const Comparison& c) {
    ComparisonTable t;
    t.header.append(QStringLiteral("Grootheid"));
    for (int p = 0; p < kPeriods; ++p) {
        const QString name = periodName(p);
        t.header << name + QStringLiteral(" A") << name + QStringLiteral(" B")
                 << name + QStringLiteral(" B-A");
    }
    struct Line {
        const char* caption;
        ValuePair ComparedPeriod::*pair;
        bool higherIsBetter;
    };
    std::vector<Line> lines = {{"LAeq totaal dB(A)", &ComparedPeriod::laeq, false},
                               {"LAmax totaal dB(A)", &ComparedPeriod::lamax, false},
                               {"Toeslag dB", &ComparedPeriod::surcharge, false},
                               {"LAr,LT dB(A)", &ComparedPeriod::rated, false}};
    const auto anyLimit = [](const std::optional<double>(&limits)[kPeriods]) {
        return std::any_of(limits, limits + kPeriods, [](const auto& l) { return l.has_value(); });
    };
    if (anyLimit(c.limit)) lines.push_back({"Marge LAr,LT dB", &ComparedPeriod::margin, true});
    if (anyLimit(c.lamaxLimit))
        lines.push_back({"Marge LAmax dB", &ComparedPeriod::lamaxMargin, true});
    for (const Line& line : lines) {
        std::vector<ComparisonCell> row{text(QString::fromUtf8(line.caption))};
        for (const ComparedPeriod& period : c.periods)
            addTriple(row, period.*line.pair, line.higherIsBetter);
        t.rows.push_back(std::move(row));
    }
    // The day-evening-night figures take the first group's columns under their own heading.
    t.rows.push_back({text(QStringLiteral("Etmaal")), text(QStringLiteral("A")),
                      text(QStringLiteral("B")), text(QStringLiteral("B-A"))});
    const std::pair<const char*, const ValuePair*> totals[] = {
        {"Letmaal dB(A)", &c.letmaal}, {"Lden dB", &c.lden}, {"Lnight dB", &c.lnight}};
    for (const auto& [caption, pair] : totals) {
        std::vector<ComparisonCell> row{text(QString::fromUtf8(caption))};
        addTriple(row, *pair, false);
        t.rows.push_back(std::move(row));
    }
    t.rows.push_back({text(QStringLiteral("Maatgevende periode")), text(decisiveText(c.decisiveA)),
                      text(decisiveText(c.decisiveB))});
    for (auto& row : t.rows)
        row.resize(static_cast<std::size_t>(t.header.size()));
    return t;
}

ComparisonTable comparisonSourceTable(const Comparison& c) {
    ComparisonTable t;
    t.header << QStringLiteral("Geluidsbron") << QStringLiteral("Specificatie")
             << QStringLiteral("Soort") << QStringLiteral("In");
    for (int p = 0; p < kPeriods; ++p) {
        const QString name = periodName(p);
        for (const char* level : {"LAeq", "LAmax"}) {
            const QString caption = QLatin1String(level) + QLatin1Char(' ') + name;
            t.header << caption + QStringLiteral(" A") << caption + QStringLiteral(" B")
                     << caption + QStringLiteral(" B-A");
        }
    }
    for (const ComparedSource& s : c.sources) {
        std::vector<ComparisonCell> row{text(s.sourceName), text(s.description),
                                        text(s.kind == LineSource
                                                 ? QStringLiteral("Lijnbron/rijroute")
                                                 : QStringLiteral("Mobiele/vaste bron")),
                                        text(s.numberA == 0   ? onlyInText(false)
                                             : s.numberB == 0 ? onlyInText(true)
                                                              : QStringLiteral("A en B"))};
        for (int p = 0; p < kPeriods; ++p) {
            addTriple(row, s.laeq[p], false);
            addTriple(row, s.lamax[p], false);
        }
        t.rows.push_back(std::move(row));
    }
    return t;
}

QList<QStringList> comparisonTexts(const ComparisonTable& table) {
    QList<QStringList> lines{table.header};
    for (const auto& row : table.rows) {
        QStringList cells;
        for (const ComparisonCell& cell : row) {
            // A missing value is an empty cell to a spreadsheet, not a text. The exports
            // (sheetTsv, sheetCsv) make every text cell safe from formula injection.
            cells.append(cell.missing ? QString() : cell.text);
        }
        lines.append(cells);
    }
    return lines;
}

void sortComparisonRows(ComparisonTable& table, int column, bool ascending) {
    const auto c = static_cast<std::size_t>(column);
    std::stable_sort(table.rows.begin(), table.rows.end(), [&](const auto& x, const auto& y) {
        const ComparisonCell& a = x[c];
        const ComparisonCell& b = y[c];
        const bool numeric = a.value || b.value;
        if (numeric) {
            if (!a.value || !b.value) return a.value.has_value(); // missing values last
            return ascending ? *a.value < *b.value : *b.value < *a.value;
        }
        const int order = a.text.compare(b.text, Qt::CaseInsensitive);
        return ascending ? order < 0 : order > 0;
    });
}

bool comparisonRowMatches(const std::vector<ComparisonCell>& row, const QString& filter) {
    const QString f = filter.trimmed();
    return row[0].text.contains(f, Qt::CaseInsensitive) ||
           row[1].text.contains(f, Qt::CaseInsensitive);
}

} // namespace orv
