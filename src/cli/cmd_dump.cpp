// ornaveld-cli dump FILE: the records of a project file (.orv) or a start-up file (.set) as
// JSON, every field under its own name, texts without their padding.

#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "base/win1252.h"
#include "cli/commands.h"

#include <memory>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orv::cli {
namespace {

QJsonArray periods(const double (&values)[kPeriods]) {
    return QJsonArray{values[0], values[1], values[2]};
}

QJsonObject sourceJson(const SourceRecord& s) {
    return QJsonObject{
        {QStringLiteral("surchargeKx"), s.surchargeKx},
        {QStringLiteral("sourceName"), rtrimmed(s.sourceName)},
        {QStringLiteral("lwA"), s.lwA},
        {QStringLiteral("lwAMax"), s.lwAMax},
        {QStringLiteral("description"), rtrimmed(s.description)},
        {QStringLiteral("pointCount"), s.pointCount},
        {QStringLiteral("length"), s.length},
        {QStringLiteral("speed"), s.speed},
        {QStringLiteral("movements"), periods(s.movements)},
        {QStringLiteral("operatingHours"), periods(s.operatingHours)},
        {QStringLiteral("height"), s.height},
        {QStringLiteral("distanceA"), s.distanceA},
        {QStringLiteral("distanceB"), s.distanceB},
        {QStringLiteral("reflection"), s.reflection},
        {QStringLiteral("screening"), s.screening},
    };
}

QJsonObject projectJson(const State& state) {
    QJsonArray sources;
    for (const SourceKind kind : kSourceKinds) {
        QJsonArray list;
        for (int n = 1; n <= state.sourceCount[kind]; ++n)
            list.append(sourceJson(state.sources[kind][n]));
        sources.append(list);
    }
    const ProjectRecord& p = state.project;
    const QJsonObject project{
        {QStringLiteral("projectNumber"), rtrimmed(p.projectNumber)},
        {QStringLiteral("projectName"), rtrimmed(p.projectName)},
        {QStringLiteral("remarks"), rtrimmed(p.remarks)},
        {QStringLiteral("projectDate"), rtrimmed(p.projectDate)},
        {QStringLiteral("receiverDescription"), rtrimmed(p.receiverDescription)},
        {QStringLiteral("receiverHeight"), p.receiverHeight},
        {QStringLiteral("groundType"), rtrimmed(p.groundType)},
        {QStringLiteral("facadeReflection"), p.facadeReflection},
    };
    return QJsonObject{
        {QStringLiteral("sourceCount"),
         QJsonArray{state.sourceCount[LineSource], state.sourceCount[MobileSource]}},
        {QStringLiteral("sources"), sources},
        {QStringLiteral("project"), project},
    };
}

QJsonObject settingsJson(const SettingsData& s) {
    QJsonArray library;
    for (int i = 1; i <= s.libraryCount; ++i) {
        const LibraryEntry& e = s.library[static_cast<std::size_t>(i)];
        library.append(QJsonObject{{QStringLiteral("entryName"), rtrimmed(e.entryName)},
                                   {QStringLiteral("lwEq"), e.lwEq},
                                   {QStringLiteral("lwMax"), e.lwMax}});
    }
    return QJsonObject{
        {QStringLiteral("userName"), rtrimmed(s.userName)},
        {QStringLiteral("userNameLabel"), rtrimmed(s.userNameLabel)},
        {QStringLiteral("paperOrientation"), s.paperOrientation},
        {QStringLiteral("printFontName"), rtrimmed(s.printFontName)},
        {QStringLiteral("printFontSize"), s.printFontSize},
        {QStringLiteral("headerStyle"), s.headerStyle},
        {QStringLiteral("bodyStyle1"), s.bodyStyle1},
        {QStringLiteral("bodyStyle2"), s.bodyStyle2},
        {QStringLiteral("libraryCount"), s.libraryCount},
        {QStringLiteral("library"), library},
    };
}

} // namespace

int runDump(const QStringList& args, QTextStream& out, QTextStream& err) {
    // A folder is no file of either kind, whatever its name ends in.
    if (args.size() == 1 && QFileInfo(args[0]).isDir()) {
        const FileError e = makeFileError(kErrPathFileAccess);
        err << args[0] << ": Fout " << e.number << " - " << e.description << ".\n";
        return kExitFile;
    }
    const QString suffix = args.size() == 1 ? QFileInfo(args[0]).suffix().toLower() : QString();
    if (suffix != QLatin1String("orv") && suffix != QLatin1String("set")) {
        err << "Gebruik: ornaveld-cli dump FILE (een projectbestand .orv of een "
               "opstartbestand .set)\n";
        return kExitUsage;
    }
    const QString& path = args[0];
    auto state = std::make_unique<State>();
    const FileError e = suffix == QLatin1String("orv") ? readProjectFile(path, *state)
                                                       : readSettingsFile(path, state->settings);
    if (!e.ok()) {
        err << path << ": Fout " << e.number << " - " << e.description << ".\n";
        return kExitFile;
    }
    const QJsonObject json =
        suffix == QLatin1String("orv") ? projectJson(*state) : settingsJson(state->settings);
    out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    out.flush();
    return kExitDone;
}

} // namespace orv::cli
