#pragma once
// The subcommands of ornaveld-cli. Each takes its arguments (without the program name and
// the subcommand word) and writes to the streams it is given, so tests run it in-process.

#include <QStringList>
#include <QTextStream>

namespace orv::cli {

enum ExitCode : int {
    kExitDone = 0,
    kExitRefused = 1, // calculation refused (geometry, damaged value) or no sources
    kExitUsage = 2,
    kExitFile = 3, // a file missing, unreadable or invalid
};

// Dispatches on the first argument ("dump", "results", "report", "pdf", "sheet", "compare",
// "--version").
int run(const QStringList& args, QTextStream& out, QTextStream& err);

int runDump(const QStringList& args, QTextStream& out, QTextStream& err);
int runResults(const QStringList& args, QTextStream& out, QTextStream& err);
int runReport(const QStringList& args, QTextStream& out, QTextStream& err);
int runPdf(const QStringList& args, QTextStream& out, QTextStream& err);
int runSheet(const QStringList& args, QTextStream& out, QTextStream& err);
int runCompare(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace orv::cli
