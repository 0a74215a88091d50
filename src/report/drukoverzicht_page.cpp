// The page machinery of the paged renderer: geometry, header, footer, rules, columns and
// the page break with its continuation heading.

#include "base/numberformat.h"
#include "base/version.h"
#include "base/win1252.h"
#include "report/drukoverzicht.h"
#include "report/drukoverzicht_p.h"
#include "report/printsettings.h"
#include "report/reporttexts.h"

namespace orv {

double pageBreakThreshold(ReportKind reportKind, int orientation) {
    const bool landscape = orientation == kLandscape;
    if (reportKind == ReportKind::Transmission) return landscape ? 8400 : 13500;
    return landscape ? 9200 : 14300;
}

namespace druk {

QString num(double value, QStringView format) {
    return formatNumber(value, format);
}

Pager::Pager(Surface& surface, const State& st, const SettingsData& cfg, bool preview)
    : s(surface), state(st), settings(cfg), preview_(preview) {
    // A size below one point (only a damaged settings file holds one) prints at the start
    // value instead of collapsing every column onto the left edge.
    bodySize_ = settings.printFontSize >= 1 ? settings.printFontSize : 12;
    orientation_ = settings.paperOrientation == kLandscape ? kLandscape : kPortrait;
}

int Pager::pageNumber() const {
    return preview_ ? pageCounter_ : s.page();
}

void Pager::start() {
    if (!preview_) s.setPaper(kPaperA4, orientation_);
    s.setFontName(trimmed(settings.printFontName));
    s.setFontSize(bodySize_);
    s.setFontBold(false);
    s.setFontItalic(false);
    // A left margin of 500 twips: x = 0 is the left edge of the text.
    s.setScaleLeft(kScaleLeft);
    s.setScaleTop(0);
    bottomLimit_ = s.scaleHeight() - 1000;
    rightLimit_ = s.scaleWidth() - 1000;
    threshold_ = pageBreakThreshold(state.reportKind, orientation_);
    header();
}

void Pager::setStyle(int style) {
    s.setFontBold(styleBold(style));
    s.setFontItalic(styleItalic(style));
}

void Pager::header() {
    s.line(0, kTop + 300, rightLimit_, kTop + 300);
    s.setCurrentX(0);
    s.setCurrentY(kTop);
    s.setFontSize(8);
    setStyle(settings.headerStyle);
    s.print(fixedText(settings.userName, kUserNameWidth).toUpper(), false);
    rightAtX(rightLimit_, str(texts::reportTitle(state.reportKind)));
    setProjectFont();
    s.setCurrentY(kTop + 500);
    s.setCurrentX(0);
}

void Pager::footer() {
    s.line(0, bottomLimit_, rightLimit_, bottomLimit_);
    s.setCurrentX(0);
    s.setCurrentY(bottomLimit_ + 100);
    s.setFontSize(8);
    s.setFontBold(true);
    s.setFontItalic(false);
    s.print(str(texts::kFooterProgram) + QString::number(kVersionMajor) + QLatin1Char('.') +
                QString::number(kVersionMinor),
            false);
    rightAtX(rightLimit_, str(texts::kFooterPage) + QString::number(pageNumber()));
    if (preview_) s.capturePage();
    s.setFontSize(bodySize_);
}

void Pager::setProjectFont() {
    s.setFontSize(bodySize_ + 2);
    setStyle(settings.bodyStyle1);
}

void Pager::setTableFont() {
    s.setFontSize(bodySize_);
    setStyle(settings.bodyStyle2);
}

void Pager::left(int n, const QString& text) {
    s.setCurrentX(column(n));
    s.print(text, false);
}

void Pager::right(int n, const QString& text) {
    rightAtX(column(n), text);
}

void Pager::rightAtX(double x, const QString& text) {
    s.setCurrentX(x - s.textWidth(text));
    s.print(text, false);
}

void Pager::periodHeadings(int firstEnd, int secondEnd) {
    const QStringView names[kPeriods] = {texts::kHeadDay, texts::kHeadEvening, texts::kHeadNight};
    for (int per = 0; per < kPeriods; ++per)
        right(firstEnd + 8 * per, str(names[per]));
    for (int per = 0; per < kPeriods; ++per)
        right(secondEnd + 8 * per, str(names[per]));
    endLine();
}

void Pager::streep(double x) {
    const double y = s.currentY() + 30;
    s.line(0, y, x, y);
    s.setCurrentY(y + 30);
    s.setCurrentX(0);
}

void Pager::tableHeadings(bool continued) {
    streep(table_.width);
    if (table_.headings) table_.headings(continued);
    streep(table_.width);
}

void Pager::beforeRow() {
    if (s.currentY() > threshold_) breakPage();
}

void Pager::keepOnPage(double extra) {
    if (s.currentY() + extra + s.textHeight() > bottomLimit_) breakPage();
}

void Pager::turnPage() {
    footer();
    if (preview_) {
        ++pageCounter_;
        s.clear();
    } else {
        s.newPage();
    }
    header();
    setTableFont();
}

void Pager::breakPage() {
    streep(table_.width);
    lineOf(str(texts::kNextPage));
    turnPage();
    lineOf(table_.continuation);
    tableHeadings(true);
}

// A table whose first row would already fall past the threshold starts on a fresh page, so
// that its headings never stand alone at the bottom of a page or run into the footer.
void Pager::startTable(Table table, int openingLines) {
    table_ = std::move(table);
    if (s.currentY() + openingLines * s.textHeight() + 120 > threshold_) {
        lineOf(str(texts::kNextPage));
        turnPage();
    }
}

} // namespace druk
} // namespace orv
