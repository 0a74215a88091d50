#include "cli/runoptions.h"

#include "app/mainview.h"
#include "app/numberformat.h"
#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "app/win1252.h"
#include "calc/commands.h"
#include "cli/cliplatform.h"
#include "cli/commands.h"

namespace orv::cli {

int parseRunOptions(const QStringList& args, RunOptions& options, QTextStream& err) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption kind(QStringLiteral("kind"), QString(), QStringLiteral("K"));
    const QCommandLineOption sections(QStringLiteral("sections"), QString(),
                                      QStringLiteral("FLAGS"));
    const QCommandLineOption decimal(QStringLiteral("decimal"), QString(), QStringLiteral("SEP"));
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
    options.kind = parser.value(kind).toInt(&ok);
    if (!parser.isSet(kind) || !ok || options.kind < 1 || options.kind > 3) {
        err << "--kind moet 1, 2 of 3 zijn.\n";
        return kExitUsage;
    }
    options.sections =
        options.kind == 2 ? std::array<int, 4>{1, 1, 1, 1} : std::array<int, 4>{1, 1, 1, 0};
    if (parser.isSet(sections)) {
        const QString flags = parser.value(sections);
        if (flags.size() != 4) {
            err << "--sections verwacht vier tekens 0 of 1, bijvoorbeeld 1110.\n";
            return kExitUsage;
        }
        for (int i = 0; i < 4; ++i) {
            if (flags[i] != QLatin1Char('0') && flags[i] != QLatin1Char('1')) {
                err << "--sections verwacht vier tekens 0 of 1, bijvoorbeeld 1110.\n";
                return kExitUsage;
            }
            options.sections[static_cast<std::size_t>(i)] = flags[i] == QLatin1Char('1') ? 1 : 0;
        }
    }
    if (parser.isSet(decimal)) {
        const QString sep = parser.value(decimal);
        if (sep != QLatin1String(",") && sep != QLatin1String(".")) {
            err << "--decimal moet \",\" of \".\" zijn.\n";
            return kExitUsage;
        }
        options.decimal = sep.front();
    }
    if (parser.isSet(user)) options.user = parser.value(user);
    options.settingsFile = parser.value(settings);
    options.output = parser.value(output);
    if (parser.isSet(surcharge)) {
        const int k = parser.value(surcharge).toInt(&ok);
        if (!ok || k < 0) {
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
        state.sources[0][0].surchargeKx = static_cast<qint16>(*options.totalSurcharge);
    if (!options.decimal.isNull()) setDecimalSeparator(options.decimal);
    return kExitDone;
}

namespace {

// The command line has no windows: the command's requests to show and close them go nowhere.
class NoWindows final : public MainView {
public:
    void setMenuEnabled(MenuItem, bool) override {}
    void setButtonEnabled(int, bool) override {}
    void setStatusText(int, const QString&) override {}
    QString statusText(int) const override { return {}; }
    void setCaption(const QString&) override {}
    void showForm(FormId, bool) override {}
    void closeForm(FormId) override {}
    void endProcess() override {}
};

} // namespace

int runCliCommand(const RunOptions& options, State& state, QTextStream& err,
                  QStringList* warnings) {
    CliPlatform platform(err, options.sections);
    NoWindows view;
    switch (runCalculationCommand(state, platform, view, options.kind, warnings)) {
    case CommandStatus::Done:
        return kExitDone;
    case CommandStatus::NoSources:
        err << "Het project bevat geen bronnen: er is niets berekend.\n";
        return kExitRefused;
    case CommandStatus::GeometryRefused:
    case CommandStatus::DamagedValue:
    case CommandStatus::DialogCancelled:
        break; // the message is already on standard error
    }
    return kExitRefused;
}

} // namespace orv::cli
