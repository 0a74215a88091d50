#include "cli/commands.h"

namespace orv::cli {

int runPdf(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "ornaveld-cli pdf: nog niet beschikbaar\n";
    return kExitUsage;
}

} // namespace orv::cli
