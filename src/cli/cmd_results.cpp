// ornaveld-cli results FILE.orv --kind K: runs calculation command K and prints every value
// it leaves in the results table and the result values, as JSON at full double precision.

#include "cli/cmd_results.h"
#include "app/calculationrun.h"
#include "cli/cliplatform.h"
#include "cli/commands.h"
#include "cli/runoptions.h"

#include <memory>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orv::cli {
namespace {

QJsonArray periods(const double (&values)[kPeriods]) {
    return QJsonArray{values[0], values[1], values[2]};
}

QJsonObject row(const State& state, SourceKind kind, int number) {
    const SourceResult& r = state.results[kind][number];
    return QJsonObject{
        {QStringLiteral("cb"), periods(r.cb)},
        {QStringLiteral("operatingHours"), periods(state.sources[kind][number].operatingHours)},
        {QStringLiteral("levelEqBase"), r.levelEqBase},
        {QStringLiteral("levelMaxBase"), r.levelMaxBase},
        {QStringLiteral("laeq"), periods(r.laeq)},
        {QStringLiteral("lamax"), periods(r.lamax)},
        {QStringLiteral("cm"), r.cm},
        {QStringLiteral("cmMax"), r.cmMax},
        {QStringLiteral("transmission"), r.transmission},
        {QStringLiteral("transmissionMax"), r.transmissionMax},
        {QStringLiteral("equivalentDistance"), r.equivalentDistance},
        {QStringLiteral("lineLength"), r.lineLength},
        {QStringLiteral("startCosine"), r.startCosine},
        {QStringLiteral("perpendicularDistance"), r.perpendicularDistance},
        {QStringLiteral("correctedLw"), periods(state.correctedLw[kind][number])},
    };
}

} // namespace

QJsonObject resultsJson(const State& state, const QStringList& warnings) {
    QJsonArray tables;
    for (const SourceKind k : kSourceKinds) {
        QJsonArray rows;
        for (int i = 1; i <= state.sourceCount[k]; ++i)
            rows.append(row(state, k, i));
        tables.append(rows);
    }
    return QJsonObject{
        {QStringLiteral("kind"), kindNumber(state.reportKind)},
        {QStringLiteral("sections"), state.sections.text()},
        {QStringLiteral("sourceCount"),
         QJsonArray{state.sourceCount[LineSource], state.sourceCount[MobileSource]}},
        {QStringLiteral("results"), tables},
        {QStringLiteral("totalLaeq"), periods(state.totalLaeq)},
        {QStringLiteral("totalLamax"), periods(state.totalLamax)},
        {QStringLiteral("penalisedLevel"), periods(state.penalisedLevel)},
        {QStringLiteral("letmaal"), state.letmaal},
        {QStringLiteral("lden"), state.lden},
        {QStringLiteral("lnight"), state.lnight},
        {QStringLiteral("cumulativeLw"), periods(state.cumulativeLw)},
        {QStringLiteral("replacementHeight"), state.replacementHeight},
        {QStringLiteral("warnings"), QJsonArray::fromStringList(warnings)},
    };
}

int runResults(const QStringList& args, QTextStream& out, QTextStream& err) {
    RunOptions options;
    if (parseRunOptions(args, options, err) != kExitDone) return kExitUsage;
    auto state = std::make_unique<State>();
    if (const int code = loadRunState(options, *state, err); code != kExitDone) return code;

    QStringList warnings;
    if (const int code = runCliCommand(options, *state, err, &warnings); code != kExitDone)
        return code;
    out << QString::fromUtf8(QJsonDocument(resultsJson(*state, warnings)).toJson());
    out.flush();
    return kExitDone;
}

} // namespace orv::cli
