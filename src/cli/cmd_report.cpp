#include "cli/commands.h"

namespace orv::cli {

int runReport(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "ornaveld-cli report: nog niet beschikbaar\n";
    return kExitUsage;
}

} // namespace orv::cli
