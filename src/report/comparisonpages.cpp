#include "report/comparisonpages.h"

#include "base/numberformat.h"
#include "base/version.h"
#include "report/printsettings.h"
#include "report/reporttexts.h"

#include <algorithm>
#include <numeric>

namespace orv {

namespace {

constexpr double kTop = 500;
constexpr double kGap = 150; // twips between columns
const QString kTitle = QStringLiteral("Varianten vergelijken");

// A heading word by word on lines of its own, the last word on the bottom line: "LAeq",
// "Dag", "B-A" stack over a column no wider than its numbers.
constexpr int kHeadingLines = 3;
QStringList headingLines(const QString& caption) {
    QStringList words = caption.split(u' ', Qt::SkipEmptyParts);
    while (words.size() > kHeadingLines) {
        words[0] += QLatin1Char(' ') + words[1];
        words.removeAt(1);
    }
    while (words.size() < kHeadingLines)
        words.prepend(QString());
    return words;
}

class ComparisonPager {
public:
    ComparisonPager(Surface& s, const SettingsData& settings, bool preview)
        : s_(s), settings_(settings), preview_(preview) {}

    void setup() {
        if (!preview_) s_.setPaper(kPaperA4, kLandscape);
        s_.setFontName(settings_.printFontName.trimmed());
        s_.setScaleLeft(-500);
        s_.setScaleTop(0);
        bottom_ = s_.scaleHeight() - 1000;
        right_ = s_.scaleWidth() - 1000;
    }
    void setBodySize(double size) { body_ = size; }
    void start() { header(); }

    double right() const { return right_; }

    void headingLine(const QString& text, bool bold) {
        s_.setFontSize(body_ + 2);
        s_.setFontBold(bold);
        room(s_.textHeight());
        s_.setCurrentX(0);
        s_.print(text, true);
    }

    void skip(double twips) { s_.setCurrentY(s_.currentY() + twips); }

    // Column widths in the body font: the widest of the heading's two lines and the cells.
    std::vector<double> widths(const ComparisonTable& t) {
        std::vector<double> w;
        for (int c = 0; c < t.header.size(); ++c) {
            bodyFont(true);
            double width = 0;
            for (const QString& line : headingLines(t.header[c]))
                width = std::max(width, s_.textWidth(line));
            bodyFont(false);
            for (const auto& row : t.rows)
                width = std::max(width, s_.textWidth(row[static_cast<std::size_t>(c)].text));
            w.push_back(width + kGap);
        }
        return w;
    }

    void table(const ComparisonTable& t) {
        const std::vector<double> w = widths(t);
        const double width = std::accumulate(w.begin(), w.end(), 0.0);
        // A column of numbers stands right, its heading over them.
        std::vector<bool> right(w.size(), false);
        for (const auto& row : t.rows)
            for (std::size_t c = 0; c < row.size(); ++c)
                if (row[c].value) right[c] = true;
        tableHeading(t, w, right, width);
        for (const auto& row : t.rows) {
            if (s_.currentY() + s_.textHeight() > bottom_ - 100) {
                turnPage();
                tableHeading(t, w, right, width);
            }
            bodyFont(false);
            QStringList texts;
            for (const ComparisonCell& cell : row)
                texts.append(cell.text);
            cells(texts, w, right);
        }
        rule(width);
    }

    int finish() {
        footer();
        return pages_;
    }

private:
    void bodyFont(bool bold) {
        s_.setFontSize(body_);
        s_.setFontBold(bold);
        s_.setFontItalic(false);
    }

    void room(double height) {
        if (s_.currentY() + height > bottom_ - 100) turnPage();
    }

    void rule(double width) {
        const double y = s_.currentY() + 30;
        s_.line(0, y, width, y);
        s_.setCurrentY(y + 30);
    }

    void tableHeading(const ComparisonTable& t, const std::vector<double>& w,
                      const std::vector<bool>& right, double width) {
        bodyFont(true);
        room((kHeadingLines + 2) * s_.textHeight());
        rule(width);
        QStringList lines[kHeadingLines];
        for (const QString& caption : t.header) {
            const QStringList words = headingLines(caption);
            for (int l = 0; l < kHeadingLines; ++l)
                lines[l].append(words[l]);
        }
        for (const QStringList& line : lines)
            cells(line, w, right);
        rule(width);
    }

    void cells(const QStringList& texts, const std::vector<double>& w,
               const std::vector<bool>& right) {
        const double y = s_.currentY();
        double x = 0;
        for (std::size_t c = 0; c < w.size() && c < static_cast<std::size_t>(texts.size()); ++c) {
            const QString& text = texts[static_cast<qsizetype>(c)];
            s_.setCurrentX(right[c] ? x + w[c] - kGap - s_.textWidth(text) : x);
            s_.setCurrentY(y);
            s_.print(text, false);
            x += w[c];
        }
        s_.setCurrentX(0);
        s_.setCurrentY(y + s_.textHeight());
    }

    void header() {
        s_.line(0, kTop + 300, right_, kTop + 300);
        s_.setCurrentY(kTop);
        s_.setFontSize(8);
        s_.setFontBold(true);
        s_.setFontItalic(false);
        s_.setCurrentX(0);
        s_.print(settings_.userName.trimmed().toUpper(), false);
        s_.setCurrentX(right_ - s_.textWidth(kTitle));
        s_.print(kTitle, false);
        s_.setCurrentX(0);
        s_.setCurrentY(kTop + 500);
    }

    void footer() {
        s_.line(0, bottom_, right_, bottom_);
        s_.setCurrentY(bottom_ + 100);
        s_.setFontSize(8);
        s_.setFontBold(true);
        s_.setCurrentX(0);
        s_.print(texts::kFooterProgram.toString() + QString::number(kVersionMajor) +
                     QLatin1Char('.') + QString::number(kVersionMinor),
                 false);
        const QString page = texts::kFooterPage.toString() + QString::number(pages_);
        s_.setCurrentX(right_ - s_.textWidth(page));
        s_.print(page, false);
        if (preview_) s_.capturePage();
    }

    void turnPage() {
        footer();
        ++pages_;
        if (preview_)
            s_.clear();
        else
            s_.newPage();
        header();
    }

    Surface& s_;
    const SettingsData& settings_;
    bool preview_;
    double body_ = 8;
    double bottom_ = 0, right_ = 0;
    int pages_ = 1;
};

} // namespace

QString comparisonLimitsLine(const SheetLimits& limits) {
    QStringList parts;
    const auto add = [&parts](const char* label, const std::optional<double>(&l)[kPeriods]) {
        if (!std::any_of(l, l + kPeriods, [](const auto& v) { return v.has_value(); })) return;
        QStringList values;
        for (const auto& v : l)
            values.append(v ? formatNumber(*v, u"#0.0") : QStringLiteral("---"));
        parts.append(QLatin1String(label) + values.join(QStringLiteral(" / ")) +
                     QStringLiteral(" dB(A)"));
    };
    add("Grenswaarden LAr,LT dag/avond/nacht: ", limits.rated);
    add("Grenswaarden LAmax dag/avond/nacht: ", limits.lamax);
    return parts.join(QStringLiteral("; "));
}

int drawComparison(Surface& surface, const ComparisonPrint& print, const SettingsData& settings,
                   bool preview) {
    SettingsData look = settings;
    applyPrintStartValues(look);
    ComparisonPager pager(surface, look, preview);
    // The source table is the widest: step the size down until it fits across the page.
    pager.setup();
    double size = look.printFontSize >= 1 ? look.printFontSize : 8;
    for (; size > 5; size -= 0.5) {
        pager.setBodySize(size);
        const std::vector<double> w = pager.widths(print.sources);
        if (std::accumulate(w.begin(), w.end(), 0.0) <= pager.right()) break;
    }
    pager.setBodySize(size);
    pager.start();
    pager.headingLine(kTitle, true);
    pager.headingLine(variantHeading(true, print.a), false);
    pager.headingLine(variantHeading(false, print.b), false);
    if (!print.limitsLine.isEmpty()) pager.headingLine(print.limitsLine, false);
    pager.skip(200);
    pager.table(print.periods);
    pager.skip(300);
    pager.table(print.sources);
    return pager.finish();
}

} // namespace orv
