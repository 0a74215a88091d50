// ornaveld-cli compare A.orv B.orv: runs the transmission command on both projects and
// prints the comparison per period and per source as JSON or CSV, or renders it to PDF.

#include "base/numberformat.h"
#include "calc/variants.h"
#include "cli/commands.h"
#include "cli/runoptions.h"
#include "report/comparisonjson.h"
#include "report/comparisonpages.h"
#include "report/comparisontable.h"
#include "report/limitinput.h"
#include "report/printsettings.h"
#include "report/sheetexport.h"

#include <memory>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>

#ifdef ORNAVELD_HAVE_PRINT
#include "print/comparisonpdf.h"

#include <QGuiApplication>
#endif

namespace orv::cli {
namespace {

// Loads and runs one variant. The refusal names the file, so that the user knows which of
// the two to mend.
int runVariant(const RunOptions& options, VariantLevels& levels, VariantInfo& info,
               SettingsData* settings, QTextStream& err) {
    auto state = std::make_unique<State>();
    if (const int code = loadRunState(options, *state, err); code != kExitDone) return code;
    levels = assessVariant(*state);
    info.file = QFileInfo(options.projectFile).fileName();
    info.projectNumber = state->project.projectNumber.trimmed();
    info.projectName = state->project.projectName.trimmed();
    info.warnings = levels.outcome.warnings;
    if (settings) *settings = state->settings;
    for (const QString& warning : info.warnings)
        err << options.projectFile << ": " << warning << '\n';
    if (levels.outcome.done()) return kExitDone;
    err << options.projectFile << ": " << variantRefusalText(levels.outcome) << '\n';
    return kExitRefused;
}

} // namespace

int runCompare(const QStringList& args, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QString limitsName = QStringLiteral("limits");
    const QString lamaxName = QStringLiteral("lamax-limits");
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption decimal(QStringLiteral("decimal"), QString(), QStringLiteral("SEP"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("OUT.pdf"));
    parser.addOptions({{limitsName, QString(), QStringLiteral("D/E/N")},
                       {lamaxName, QString(), QStringLiteral("D/E/N")},
                       csv,
                       decimal,
                       pdf});
    if (!parser.parse(QStringList{QStringLiteral("ornaveld-cli")} + args)) {
        err << parser.errorText() << '\n';
        return kExitUsage;
    }
    if (parser.positionalArguments().size() != 2) {
        err << "Geef precies twee projectbestanden (.orv) op: A en B.\n";
        return kExitUsage;
    }
    RunOptions options[2];
    for (int v = 0; v < 2; ++v)
        options[v].projectFile = parser.positionalArguments()[v];
    if (parser.isSet(decimal)) {
        const QString sep = parser.value(decimal);
        if (sep != QLatin1String(",") && sep != QLatin1String(".")) {
            err << "--decimal moet \",\" of \".\" zijn.\n";
            return kExitUsage;
        }
        options[0].decimal = sep.front();
    }
    SheetLimits limits;
    if (!takeLimits(parser, limitsName, limits.rated, err) ||
        !takeLimits(parser, lamaxName, limits.lamax, err))
        return kExitUsage;

    VariantLevels levels[2];
    ComparisonPrint print;
    SettingsData settings;
    if (const int code = runVariant(options[0], levels[0], print.a, &settings, err);
        code != kExitDone)
        return code;
    if (const int code = runVariant(options[1], levels[1], print.b, nullptr, err);
        code != kExitDone)
        return code;
    const Comparison comparison = compareVariants(levels[0], levels[1], limits);
    print.periods = comparisonPeriodTable(comparison);
    print.sources = comparisonSourceTable(comparison);

    if (parser.isSet(pdf)) {
#ifdef ORNAVELD_HAVE_PRINT
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            err << "ornaveld-cli compare: lettertypen zijn niet beschikbaar zonder grafische "
                   "toepassing.\n";
            return kExitUsage;
        }
        applyPrintStandard(settings);
        print.limitsLine = comparisonLimitsLine(limits);
        const QString path = parser.value(pdf);
        const PdfResult result = writeComparisonPdf(print, settings, path);
        if (!result.error.ok()) {
            err << path << ": Fout " << result.error.number << " - " << result.error.description
                << ".\n";
            return kExitFile;
        }
        err << result.pages << (result.pages == 1 ? " pagina" : " pagina's") << " geschreven naar "
            << path << '\n';
        return kExitDone;
#else
        err << "ornaveld-cli compare: deze uitvoering maakt geen PDF.\n";
        return kExitUsage;
#endif
    }
    if (parser.isSet(csv)) {
        // Both tables in one file, an empty line between them.
        QList<QStringList> lines = comparisonTexts(print.periods);
        lines.append(QStringList());
        lines.append(comparisonTexts(print.sources));
        const QByteArray bytes = sheetCsv(lines, csvSeparator(decimalSeparator()));
        // fromUtf8 drops the byte order mark; the stream writes it back as U+FEFF.
        out << QChar(0xFEFF) << QString::fromUtf8(bytes.mid(3));
    } else {
        out << QString::fromUtf8(
            QJsonDocument(comparisonJson(comparison, print.a, print.b)).toJson());
    }
    out.flush();
    return kExitDone;
}

} // namespace orv::cli
