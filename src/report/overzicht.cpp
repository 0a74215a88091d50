#include "report/overzicht.h"

#include "base/numberformat.h"
#include "base/win1252.h"
#include "report/overzicht_p.h"
#include "report/reporttexts.h"

namespace orv {
namespace overzicht {

QString rule(int n) {
    QString line(n, texts::kRuleChar);
    line.append(kCrLf);
    return line;
}

QString field(const QString& text, int width) {
    return fixedText(text, width);
}

QString colOrMissing(bool missing, double value, QStringView format, int width) {
    if (!missing) return FormatKolom(value, format, width);
    QString text = spaces(width - static_cast<int>(texts::kMissing.size()));
    put(text, texts::kMissing);
    return text;
}

void writeTitle(State& state) {
    const ReportKind reportKind = state.reportKind;
    // The gap puts the title over the right-hand side of the widest table below it.
    int gap = 28;
    if (reportKind == ReportKind::Cb && !state.sections.linesListed(reportKind))
        gap = 17;
    else if (reportKind == ReportKind::Transmission)
        gap = 40;
    put(state.reportBlocks[0], field(state.settings.userName, kUserNameWidth).toUpper(),
        spaces(gap), texts::reportTitle(reportKind), kCrLf, kCrLf, kCrLf);
}

void writeProject(State& state, int dateColumn, int emptyLinesAfter) {
    auto putLine = [&state](QStringView label, const QString& value) {
        put(state.reportBlocks[1], label.toString().leftJustified(texts::kLabelWidth),
            texts::kLabelSeparator, value, kCrLf);
    };
    const ProjectRecord& p = state.project;
    const QString number = trimmed(p.projectNumber);
    // A number wider than its room still keeps one space before the date.
    const int gap = number.size() > dateColumn ? 1 : dateColumn - static_cast<int>(number.size());
    QString first = number + spaces(gap);
    put(first, texts::kDate, p.projectDate);
    putLine(texts::kProjectNumber, first);
    putLine(texts::kProjectName, trimmed(p.projectName));
    putLine(texts::kRemarks, trimmed(p.remarks));
    for (int i = 0; i < emptyLinesAfter; ++i)
        state.reportBlocks[1] += kCrLf;
}

} // namespace overzicht

QString FormatKolom(double value, QStringView format, int width) {
    const QString text = formatNumber(value, format);
    return text.size() >= width ? text
                                : overzicht::spaces(width - static_cast<int>(text.size())) + text;
}

void MaakOverzicht(State& state) {
    for (QString& block : state.reportBlocks)
        block.clear();
    switch (state.reportKind) {
    case ReportKind::Cb:
        overzicht::writeBedrijfsduur(state);
        break;
    case ReportKind::Transmission:
        overzicht::writeOverdracht(state);
        break;
    case ReportKind::Emission:
        overzicht::writeEmissie(state);
        break;
    case ReportKind::None:
        break;
    }
}

QString reportText(const State& state) {
    QString text;
    for (const QString& block : state.reportBlocks)
        text += block;
    return text;
}

} // namespace orv
