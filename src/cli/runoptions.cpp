#include "cli/runoptions.h"

#include "app/calculationrun.h"
#include "app/mainview.h"
#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "base/fileio.h"
#include "base/numberformat.h"
#include "base/win1252.h"
#include "cli/cliplatform.h"
#include "cli/commands.h"
#include "report/limitinput.h"
#include "report/printsettings.h"

namespace orv::cli {

QCommandLineOption decimalOption() {
    return {QStringLiteral("decimal"), QString(), QStringLiteral("SEP")};
}

bool takeLimits(const QCommandLineParser& parser, const QString& name,
                std::optional<double> (&into)[kPeriods], QTextStream& err) {
    if (!parser.isSet(name)) return true;
    const auto limits = parseLimitTriple(parser.value(name));
    if (!limits) {
        err << "--" << name
            << " verwacht drie grenswaarden dag/avond/nacht in dB(A) (0..150), "
               "bijvoorbeeld 50/45/40.\n";
        return false;
    }
    for (int p = 0; p < kPeriods; ++p)
        into[p] = (*limits)[static_cast<std::size_t>(p)];
    return true;
}

bool takeDecimal(const QCommandLineParser& parser, RunOptions& options, QTextStream& err) {
    if (!parser.isSet(QStringLiteral("decimal"))) return true;
    const QString sep = parser.value(QStringLiteral("decimal"));
    if (sep != QLatin1String(",") && sep != QLatin1String(".")) {
        err << "--decimal moet \",\" of \".\" zijn.\n";
        return false;
    }
    options.decimal = sep.front();
    return true;
}

int refuseOutputOntoInput(const QString& output, const QStringList& inputs, QTextStream& err) {
    for (const QString& input : inputs) {
        if (output != QLatin1String("-") && sameExistingFile(output, input)) {
            err << "-o " << output << ": dit is een invoerbestand van de opdracht; kies een "
                << "ander uitvoerbestand.\n";
            return kExitUsage;
        }
    }
    return kExitDone;
}

int parseRunOptions(const QStringList& args, RunOptions& options, QTextStream& err) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption kind(QStringLiteral("kind"), QString(), QStringLiteral("K"));
    const QCommandLineOption sections(QStringLiteral("sections"), QString(),
                                      QStringLiteral("FLAGS"));
    const QCommandLineOption decimal = decimalOption();
    const QCommandLineOption user(QStringLiteral("user"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption settings(QStringLiteral("settings"), QString(),
                                      QStringLiteral("FILE"));
    const QCommandLineOption output(QStringList{QStringLiteral("o")}, QString(),
                                    QStringLiteral("FILE"));
    const QCommandLineOption surcharge(QStringLiteral("total-surcharge"), QString(),
                                       QStringLiteral("K"));
    const QCommandLineOption landscape(QStringLiteral("landscape"));
    const QCommandLineOption portrait(QStringLiteral("portrait"));
    const QCommandLineOption font(QStringLiteral("font"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption size(QStringLiteral("size"), QString(), QStringLiteral("PT"));
    parser.addOptions({kind, sections, decimal, user, settings, output, surcharge, landscape,
                       portrait, font, size});
    parser.addPositionalArgument(QStringLiteral("file"), QString());

    QStringList withProgram = args;
    withProgram.prepend(QStringLiteral("ornaveld-cli"));
    if (!parser.parse(withProgram)) {
        err << parser.errorText() << '\n';
        return kExitUsage;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        err << "Geef precies één projectbestand (.orv) op.\n";
        return kExitUsage;
    }
    options.projectFile = positional.front();

    bool ok = false;
    const std::optional<ReportKind> reportKind =
        reportKindFromNumber(parser.value(kind).toInt(&ok));
    if (!parser.isSet(kind) || !ok || !reportKind) {
        err << "--kind moet 1, 2 of 3 zijn.\n";
        return kExitUsage;
    }
    options.kind = *reportKind;
    options.sections = Sections::initial(options.kind);
    if (parser.isSet(sections)) {
        const std::optional<Sections> given = Sections::fromText(parser.value(sections));
        if (!given) {
            err << "--sections verwacht vier tekens 0 of 1, bijvoorbeeld 1110.\n";
            return kExitUsage;
        }
        options.sections = *given;
    }
    if (!takeDecimal(parser, options, err)) return kExitUsage;
    if (parser.isSet(user)) options.user = parser.value(user);
    options.settingsFile = parser.value(settings);
    options.output = parser.value(output);
    if (parser.isSet(output) && options.output.isEmpty()) {
        err << "-o verwacht een bestandsnaam (of - voor standaarduitvoer).\n";
        return kExitUsage;
    }
    if (const int code =
            refuseOutputOntoInput(options.output, {options.projectFile, options.settingsFile}, err);
        code != kExitDone)
        return code;
    if (parser.isSet(surcharge)) {
        // The surcharge tool offers exactly these; anything else would be squeezed into the
        // 16-bit field and apply a surcharge nobody asked for.
        const int k = parser.value(surcharge).toInt(&ok);
        if (!ok || (k != 0 && k != 5 && k != 10)) {
            err << "--total-surcharge verwacht een toeslag in dB: 0, 5 of 10.\n";
            return kExitUsage;
        }
        options.totalSurcharge = k;
    }
    if (parser.isSet(landscape) && parser.isSet(portrait)) {
        err << "Kies --landscape of --portrait, niet beide.\n";
        return kExitUsage;
    }
    if (parser.isSet(landscape)) options.orientation = 2;
    if (parser.isSet(portrait)) options.orientation = 1;
    options.font = parser.value(font);
    if (parser.isSet(size)) {
        options.fontSize = parser.value(size).toInt(&ok);
        if (!ok || options.fontSize < 4 || options.fontSize > 72) {
            err << "--size verwacht een lettergrootte in punten (4..72).\n";
            return kExitUsage;
        }
    }
    return kExitDone;
}

int loadRunState(const RunOptions& options, State& state, QTextStream& err) {
    if (!options.settingsFile.isEmpty()) {
        const FileError e = readSettingsFile(options.settingsFile, state.settings);
        if (!e.ok()) {
            err << options.settingsFile << ": Fout " << e.number << " - " << e.description << ".\n";
            return kExitFile;
        }
        if (const QString size = limitPrintFontSize(state.settings); !size.isEmpty())
            err << "Waarschuwing: " << size << "\n";
    }
    const FileError e = readProjectFile(options.projectFile, state);
    if (!e.ok()) {
        err << options.projectFile << ": Fout " << e.number << " - " << e.description << ".\n";
        return kExitFile;
    }
    if (options.user) {
        state.settings.userName = fixedText(*options.user, kUserNameWidth);
    } else if (options.settingsFile.isEmpty()) {
        state.settings.userName = fixedText(QString(), kUserNameWidth);
    }
    if (options.totalSurcharge)
        state.sources[LineSource][0].surchargeKx = static_cast<qint16>(*options.totalSurcharge);
    if (!options.decimal.isNull()) setDecimalSeparator(options.decimal);
    return kExitDone;
}

int runCliCommand(const RunOptions& options, State& state, QTextStream& err,
                  QStringList* warnings) {
    CliPlatform platform(err, options.sections);
    NoWindows view;
    const Outcome run = runCalculationCommand(state, platform, platform, view, options.kind);
    if (warnings) *warnings = run.warnings;
    if (run.done()) return kExitDone;
    // Every other refusal's message is already on standard error.
    if (run.refusal == Refusal::NoSources)
        err << "Het project bevat geen bronnen: er is niets berekend.\n";
    return kExitRefused;
}

} // namespace orv::cli
