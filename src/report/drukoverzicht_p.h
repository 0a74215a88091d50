#pragma once
// Inside the paged renderer: the page machinery shared by the three report layouts.
// Columns are counted in character units of the current font, 12 x its size in twips (the
// advance of one character of a fixed-pitch font), from the left edge x = 0.

#include "model/state.h"
#include "report/surface.h"

#include <functional>
#include <QString>

namespace orv::druk {

// What a page break inside a table repeats on the next page.
struct Table {
    QString continuation;                         // heading line above the repeated headings
    double width = 0;                             // twips; rules run from the left edge to here
    std::function<void(bool continued)> headings; // the column heading lines, without rules
};

class Pager {
public:
    Pager(Surface& surface, const State& state, const SettingsData& settings, bool preview);

    Surface& s;
    const State& state;
    const SettingsData& settings;

    double bodySize() const { return bodySize_; }
    int pageNumber() const;
    // The character unit of the current font and column n in twips.
    double unit() const { return 12.0 * s.font().size; }
    double column(int n) const { return n * unit(); }

    // Start of a run: paper, font, scale and page geometry, then the first header.
    void start();
    void header();
    void footer();
    void finish() { footer(); }

    // Text left-aligned at column n, or ending at column n by its measured width; the line
    // stays open.
    void left(int n, const QString& text);
    void right(int n, const QString& text);
    // Text ending at x (twips).
    void rightAtX(double x, const QString& text);
    void text(const QString& text) { s.print(text, false); }
    void endLine() { s.print(QString(), true); }
    void lineOf(const QString& text) { s.print(text, true); }
    // A rule from the left edge to x with a little air above and below.
    void streep(double x);

    // "dag", "avond", "nacht" ending at three columns 8 apart from each of two starts.
    void periodHeadings(int firstEnd, int secondEnd);

    void setProjectFont();
    void setTableFont();

    // Makes table the one whose rows are being printed. When its opening lines (group line
    // and headings) would leave no room for a first row, the table starts on the next page.
    void startTable(Table table, int openingLines);
    // Before every table row: past the threshold the rows go on on a next page, under the
    // continuation heading and the repeated column headings.
    void beforeRow();
    // Before a line under the table (total, footnote, note): one that would run into the
    // footer goes to the next page in the same way.
    void keepOnPage(double extra = 0);
    // Rule, the repeated headings between rules.
    void tableHeadings(bool continued);

    double rightLimit() const { return rightLimit_; }
    double bottomLimit() const { return bottomLimit_; }

    static constexpr double kTop = 500;
    static constexpr double kScaleLeft = -500;

private:
    void breakPage();
    void turnPage();
    void setStyle(int style);

    bool preview_;
    double bodySize_ = 12;
    int orientation_ = 1;
    int pageCounter_ = 1;
    double bottomLimit_ = 0;
    double rightLimit_ = 0;
    double threshold_ = 0;
    Table table_;
};

// Sources of a kind to print: the count, kept within the table's 500 slots.
inline int listedCount(const State& st, SourceKind kind) {
    const int n = st.sourceCount[static_cast<std::size_t>(kind)];
    return n < 0 ? 0 : n > kMaxSources ? kMaxSources : n;
}

// Number in a display format, with the user's decimal separator.
QString num(double value, QStringView format);
inline QString str(QStringView text) {
    return text.toString();
}

// The three layouts, after the header and the project block.
void drukBedrijfsduur(Pager& p);
void drukOverdracht(Pager& p);
void drukEmissie(Pager& p);

} // namespace orv::druk
