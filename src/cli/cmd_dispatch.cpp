#include "base/version.h"
#include "cli/commands.h"

namespace orv::cli {

namespace {
const char* const kUsage =
    "Gebruik:\n"
    "  ornaveld-cli dump FILE\n"
    "  ornaveld-cli results FILE.orv --kind K [opties]\n"
    "  ornaveld-cli report  FILE.orv --kind K [opties] [-o FILE.prn]\n"
    "  ornaveld-cli pdf     FILE.orv --kind K -o OUT.pdf [opties]\n"
    "  ornaveld-cli sheet   FILE.orv [--limits D/E/N] [--lamax-limits D/E/N] [--csv]\n"
    "                       [--decimal SEP]\n"
    "  ornaveld-cli compare A.orv B.orv [--limits D/E/N] [--lamax-limits D/E/N] [--csv]\n"
    "                       [--decimal SEP] [--pdf OUT.pdf]\n"
    "  ornaveld-cli --version\n"
    "Opties: --sections FLAGS, --decimal SEP, --user NAAM, --settings FILE.set,\n"
    "        --total-surcharge K, --landscape, --portrait, --font NAAM, --size PT\n";
}

int run(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty()) {
        err << kUsage;
        return kExitUsage;
    }
    const QString verb = args.front();
    const QStringList rest = args.mid(1);
    if (verb == QLatin1String("dump")) return runDump(rest, out, err);
    if (verb == QLatin1String("results")) return runResults(rest, out, err);
    if (verb == QLatin1String("report")) return runReport(rest, out, err);
    if (verb == QLatin1String("pdf")) return runPdf(rest, out, err);
    if (verb == QLatin1String("sheet")) return runSheet(rest, out, err);
    if (verb == QLatin1String("compare")) return runCompare(rest, out, err);
    if (verb == QLatin1String("--version")) {
        out << "ornaveld-cli (" << kProgramTitle << ") " << kVersionMajor << '.' << kVersionMinor
            << '.' << kVersionRevision << '\n';
        return kExitDone;
    }
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        out << kUsage;
        return kExitDone;
    }
    err << "Onbekende opdracht: " << verb << "\n" << kUsage;
    return kExitUsage;
}

} // namespace orv::cli
