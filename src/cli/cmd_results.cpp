#include "cli/commands.h"

namespace orv::cli {

int runResults(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "ornaveld-cli results: nog niet beschikbaar\n";
    return kExitUsage;
}

} // namespace orv::cli
