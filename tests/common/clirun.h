#pragma once
// One run of ornaveld-cli in-process, its streams caught; args[0] is the subcommand.

#include "cli/commands.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace orvtest {

struct CliRun {
    int code = -1;
    QString out, err;
};

inline CliRun cliRun(const QStringList& args) {
    CliRun r;
    QTextStream out(&r.out), err(&r.err);
    r.code = orv::cli::run(args, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace orvtest
