// ornaveld-cli report FILE.orv --kind K: runs calculation command K and prints the text
// overview, or writes it to a "*.prn" file with -o.

#include "app/calculationrun.h"
#include "base/fileio.h"
#include "cli/cliplatform.h"
#include "cli/commands.h"
#include "cli/runoptions.h"
#include "report/overzicht.h"
#include "report/prnfile.h"

#include <memory>

namespace orv::cli {

int runReport(const QStringList& args, QTextStream& out, QTextStream& err) {
    RunOptions options;
    if (parseRunOptions(args, options, err) != kExitDone) return kExitUsage;
    auto state = std::make_unique<State>();
    if (const int code = loadRunState(options, *state, err); code != kExitDone) return code;

    if (const int code = runCliCommand(options, *state, err); code != kExitDone) return code;

    const QString text = reportText(*state);
    if (!options.output.isEmpty()) {
        const FileError e = options.output == QLatin1String("-")
                                ? writeStandardOutput([&text](QIODevice& device) {
                                      return writeBytes(device, prnBytes(text));
                                  })
                                : writePrnFile(options.output, text);
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
