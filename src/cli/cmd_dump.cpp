#include "cli/commands.h"

namespace orv::cli {

int runDump(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "ornaveld-cli dump: nog niet beschikbaar\n";
    return kExitUsage;
}

} // namespace orv::cli
