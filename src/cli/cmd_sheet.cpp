// ornaveld-cli sheet FILE.orv: runs the transmission command and prints its calculation
// sheet, with what each source alone must give up to meet the limits given, as JSON or CSV.

#include "cli/cmd_sheet.h"
#include "base/numberformat.h"
#include "cli/commands.h"
#include "cli/runoptions.h"
#include "report/limitinput.h"
#include "report/sheet.h"
#include "report/sheetcolumns.h"
#include "report/sheetexport.h"

#include <memory>
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orv::cli {
namespace {

using Status = SheetReduction::Status;

QJsonValue optional(const std::optional<double>& v) {
    return v ? QJsonValue(*v) : QJsonValue();
}

QString statusName(Status status) {
    switch (status) {
    case Status::NoLimit:
        return QStringLiteral("noLimit");
    case Status::Met:
        return QStringLiteral("met");
    case Status::Needed:
        return QStringLiteral("needed");
    case Status::NotFeasible:
        return QStringLiteral("notFeasible");
    }
    return {};
}

QJsonObject reductionJson(const SheetReduction& r) {
    QJsonObject o{{QStringLiteral("status"), statusName(r.status)}};
    if (r.status == Status::Needed || r.status == Status::Met) {
        o.insert(QStringLiteral("exactDb"), r.exactDb);
        o.insert(QStringLiteral("roundedDb"), r.roundedDb);
        o.insert(QStringLiteral("allowedLw"), r.allowedLw);
    }
    return o;
}

QJsonObject rowJson(const SheetRow& r) {
    QJsonObject amount{{QStringLiteral("status"), statusName(r.amount.status)}};
    if (r.amount.status == Status::Needed || r.amount.status == Status::Met) {
        amount.insert(QStringLiteral("exact"), r.amount.exact);
        amount.insert(QStringLiteral("allowed"), r.amount.allowed);
    }
    auto level = [](double v) { return v != 0 ? QJsonValue(v) : QJsonValue(); };
    auto share = [&r](double v) { return r.contributes ? QJsonValue(v) : QJsonValue(); };
    return QJsonObject{
        {QStringLiteral("kind"), r.kind},
        {QStringLiteral("number"), r.number},
        {QStringLiteral("source"), r.source},
        {QStringLiteral("period"), r.period},
        {QStringLiteral("lwA"), r.lwA},
        {QStringLiteral("lwAMax"), r.lwAMax},
        {QStringLiteral("pointCount"), r.pointCount},
        {QStringLiteral("movements"), r.movements},
        {QStringLiteral("operatingHours"), r.hours},
        {QStringLiteral("cb"), r.cb != kSilent ? QJsonValue(r.cb) : QJsonValue()},
        {QStringLiteral("transmission"), r.transmission},
        {QStringLiteral("cm"), r.cm},
        {QStringLiteral("transmissionMax"), r.transmissionMax},
        {QStringLiteral("cmMax"), r.cmMax},
        {QStringLiteral("screening"), r.screening},
        {QStringLiteral("reflection"), r.reflection},
        {QStringLiteral("facadeReflection"), r.facade},
        {QStringLiteral("surchargeK"), r.surchargeK},
        {QStringLiteral("laeq"), level(r.laeq)},
        {QStringLiteral("laeqSurcharged"), level(r.laeqSurcharged)},
        {QStringLiteral("lamax"), level(r.lamax)},
        {QStringLiteral("shareDb"), share(r.shareDb)},
        {QStringLiteral("sharePercent"), share(r.sharePercent)},
        {QStringLiteral("reduction"), reductionJson(r.rated)},
        {QStringLiteral("allowed"), amount},
        {QStringLiteral("lamaxReduction"), reductionJson(r.lamaxCut)},
    };
}

QJsonObject periodJson(const SheetPeriod& p) {
    auto level = [](double v) { return v != 0 ? QJsonValue(v) : QJsonValue(); };
    return QJsonObject{
        {QStringLiteral("energyLevel"), level(p.energyLevel)},
        {QStringLiteral("ratedLevel"), level(p.ratedLevel)},
        {QStringLiteral("lamax"), level(p.lamax)},
        {QStringLiteral("limit"), optional(p.limit)},
        {QStringLiteral("margin"), optional(p.margin)},
        {QStringLiteral("lamaxLimit"), optional(p.lamaxLimit)},
        {QStringLiteral("lamaxMargin"), optional(p.lamaxMargin)},
    };
}

} // namespace

QJsonObject sheetJson(const Sheet& sheet, const QStringList& warnings) {
    QJsonArray periods;
    for (const SheetPeriod& p : sheet.periods)
        periods.append(periodJson(p));
    QJsonArray rows;
    for (const SheetRow& r : sheet.rows)
        rows.append(rowJson(r));
    return QJsonObject{
        {QStringLiteral("decisivePeriod"), sheet.decisivePeriod},
        {QStringLiteral("periods"), periods},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("warnings"), QJsonArray::fromStringList(warnings)},
    };
}

int runSheet(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QString limitsName = QStringLiteral("limits");
    const QString lamaxName = QStringLiteral("lamax-limits");
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption decimal = decimalOption();
    parser.addOptions({{limitsName, QString(), QStringLiteral("D/E/N")},
                       {lamaxName, QString(), QStringLiteral("D/E/N")},
                       csv,
                       decimal});
    QStringList withProgram = args;
    withProgram.prepend(QStringLiteral("ornaveld-cli"));
    if (!parser.parse(withProgram)) {
        err << parser.errorText() << '\n';
        return kExitUsage;
    }
    if (parser.positionalArguments().size() != 1) {
        err << "Geef precies één projectbestand (.orv) op.\n";
        return kExitUsage;
    }
    RunOptions options;
    options.projectFile = parser.positionalArguments().front();
    options.kind = ReportKind::Transmission;
    options.sections = Sections::initial(ReportKind::Transmission);
    if (!takeDecimal(parser, options, err)) return kExitUsage;
    SheetLimits limits;
    if (!takeLimits(parser, limitsName, limits.rated, err) ||
        !takeLimits(parser, lamaxName, limits.lamax, err))
        return kExitUsage;

    auto state = std::make_unique<State>();
    if (const int code = loadRunState(options, *state, err); code != kExitDone) return code;
    QStringList warnings;
    if (const int code = runCliCommand(options, *state, err, &warnings); code != kExitDone)
        return code;

    const Sheet sheet = buildSheet(*state, limits);
    if (parser.isSet(csv)) {
        // fromUtf8 drops the byte order mark; the stream writes it back as U+FEFF.
        const QByteArray bytes = sheetCsv(sheetTable(sheet), csvSeparator(decimalSeparator()));
        out << QChar(0xFEFF) << QString::fromUtf8(bytes.mid(3));
    } else
        out << QString::fromUtf8(QJsonDocument(sheetJson(sheet, warnings)).toJson());
    out.flush();
    return kExitDone;
}

} // namespace orv::cli
