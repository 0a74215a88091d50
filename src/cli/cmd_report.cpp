// ornaveld-cli report FILE.orv --kind K: runs calculation command K and prints the text
// overview, or writes it to a "*.prn" file with -o.

#include "calc/commands.h"
#include "cli/cliplatform.h"
#include "cli/commands.h"
#include "cli/runoptions.h"
#include "report/overzicht.h"
#include "report/prnfile.h"

#include <memory>

namespace orv::cli {
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

int runReport(const QStringList& args, QTextStream& out, QTextStream& err) {
    RunOptions options;
    if (parseRunOptions(args, options, err) != kExitDone) return kExitUsage;
    auto state = std::make_unique<State>();
    if (const int code = loadRunState(options, *state, err); code != kExitDone) return code;

    CliPlatform platform(err, options.sections);
    NoWindows view;
    switch (runCalculationCommand(*state, platform, view, options.kind)) {
    case CommandStatus::Done:
        break;
    case CommandStatus::NoSources:
        err << "Het project bevat geen bronnen: er is niets berekend.\n";
        return kExitRefused;
    case CommandStatus::GeometryRefused:
    case CommandStatus::DamagedValue:
    case CommandStatus::DialogCancelled:
        return kExitRefused;
    }

    const QString text = reportText(*state);
    if (!options.output.isEmpty()) {
        const FileError e = writePrnFile(options.output, text);
        if (!e.ok()) {
            err << options.output << ": Fout " << e.number << " - " << e.description << ".\n";
            return kExitFile;
        }
        return kExitDone;
    }
    out << text;
    out.flush();
    return kExitDone;
}

} // namespace orv::cli
