// Any bytes as a project file, through everything the program does with one: read, the three
// calculation commands, their reports and the calculation sheet with its CSV. A command may
// refuse (damaged values, no sources, geometry); when it runs, every number it leaves for the
// reports and every number of the sheet is finite and within bounds no real site leaves.

#include "app/projectfile.h"
#include "cli/commands.h"
#include "cli/runoptions.h"
#include "report/limitinput.h"
#include "report/overzicht.h"
#include "report/sheet.h"
#include "report/sheetcolumns.h"
#include "report/sheetexport.h"

#include <QScopeGuard>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <memory>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// dB values, distances and lengths of any site the checks let through stay far below this.
constexpr double kSane = 1e5;

void sane(double v) {
    check(std::isfinite(v) && std::fabs(v) <= kSane);
}
template <std::size_t N> void sane(const double (&values)[N]) {
    for (double v : values)
        sane(v);
}

void checkResults(const orv::State& s, orv::ReportKind kind) {
    for (const orv::SourceKind k : orv::kSourceKinds) {
        for (int i = 1; i <= s.sourceCount[k]; ++i) {
            const orv::SourceResult& r = s.results[k][i];
            sane(r.cb);
            sane(r.laeq);
            sane(r.lamax);
            for (double v : {r.levelEqBase, r.levelMaxBase, r.cm, r.cmMax, r.transmission,
                             r.transmissionMax, r.equivalentDistance, r.perpendicularDistance})
                sane(v);
            // The geometry check of the level calculation writes these as it goes and leaves
            // them when it refuses (a length of 0 gives an infinite cosine); only the level
            // calculation reads them, after that check has passed.
            if (kind == orv::ReportKind::Transmission) {
                sane(r.lineLength);
                sane(r.startCosine);
            }
            sane(s.correctedLw[k][i]);
        }
    }
    sane(s.totalLaeq);
    sane(s.totalLamax);
    sane(s.penalisedLevel);
    sane(s.cumulativeLw);
    for (double v : {s.letmaal, s.lden, s.lnight, s.replacementHeight})
        sane(v);
}

void checkSheet(const orv::State& s) {
    orv::SheetLimits limits;
    for (int p = 0; p < orv::kPeriods; ++p) {
        limits.rated[p] = 50.0 - 5 * p;
        limits.lamax[p] = 70.0 - 5 * p;
    }
    const orv::Sheet sheet = orv::buildSheet(s, limits);
    for (const orv::SheetRow& row : sheet.rows) {
        for (int c = 0; c < orv::kSheetColumns; ++c) {
            const orv::SheetCell cell = orv::sheetCell(row, static_cast<orv::SheetColumn>(c));
            // "not feasible" is the one number that is infinite on purpose.
            // The allowed hours and movements grow with the margin (a far source may run
            // 10^(margin/10) times as long), so they are only held to being finite; the levels
            // they come from are bounded by checkResults.
            if (cell.type == orv::SheetCell::Type::Number && cell.text != orv::notFeasibleText())
                check(std::isfinite(cell.value));
        }
    }
    check(!orv::sheetCsv(orv::sheetTable(sheet), QLatin1Char(';')).isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // A blank State holds two padded strings per source slot: building or copying one per
    // command took most of the run's time. The project goes back to the blank at the end of
    // the input rather than its start, so that what an input allocates is freed within it.
    static const auto blank = std::make_unique<const orv::State>();
    static const auto state = std::make_unique<orv::State>();
    const auto toBlank = qScopeGuard([] { *state = *blank; });
    if (!orv::decodeProject(bytes, *state).ok()) return 0;

    // The three commands one after another on the one project, as a user runs them in the
    // program. The input's length picks which comes first, so that each also meets a project
    // fresh from the file, as on the command line.
    constexpr orv::ReportKind kinds[] = {orv::ReportKind::Cb, orv::ReportKind::Transmission,
                                         orv::ReportKind::Emission};
    QString discarded;
    QTextStream err(&discarded);
    for (std::size_t n = 0; n < std::size(kinds); ++n) {
        const orv::ReportKind kind = kinds[(size + n) % std::size(kinds)];
        orv::cli::RunOptions options;
        options.kind = kind;
        options.sections = orv::Sections::initial(kind);
        if (orv::cli::runCliCommand(options, *state, err) != orv::cli::kExitDone) continue;
        checkResults(*state, kind);
        check(!orv::reportText(*state).isEmpty());
        if (kind == orv::ReportKind::Transmission) checkSheet(*state);
        discarded.clear();
    }
    return 0;
}
