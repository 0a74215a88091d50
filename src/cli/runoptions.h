#pragma once
// The options that results, report and pdf share, and the loading of the project, the
// settings and the options into a fresh state before a calculation command runs.

#include "model/state.h"

#include <optional>
#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

namespace orv::cli {

struct RunOptions {
    QString projectFile;
    ReportKind kind = ReportKind::None;
    Sections sections;
    QChar decimal;               // null: the system locale's
    std::optional<QString> user; // --user
    QString settingsFile;        // --settings
    QString output;              // -o
    std::optional<int> totalSurcharge;
    std::optional<int> orientation; // 1 portrait, 2 landscape
    QString font;
    int fontSize = 0;
};

// Parses args (after the subcommand word). On wrong usage writes a Dutch message to err
// and returns kExitUsage; otherwise kExitDone.
int parseRunOptions(const QStringList& args, RunOptions& options, QTextStream& err);

// --decimal SEP, shared by every command that formats numbers: "," or "." only.
QCommandLineOption decimalOption();
// Takes a --decimal that parser saw into options; false with the message on err when wrong.
bool takeDecimal(const QCommandLineParser& parser, RunOptions& options, QTextStream& err);

// --limits and --lamax-limits of sheet and compare: "D/E/N", each 0..150 dB(A). Leaves `into`
// alone when the option is not given; false, with the message on err, for a wrong value.
bool takeLimits(const QCommandLineParser& parser, const QString& name,
                std::optional<double> (&into)[kPeriods], QTextStream& err);

// An output file that is one of the inputs would be destroyed by the run: refused as wrong
// usage with a Dutch message. "-" (standard output) is never an input.
int refuseOutputOntoInput(const QString& output, const QStringList& inputs, QTextStream& err);

// Reads the project (and the settings file when given) into state, applies --user,
// --total-surcharge and --decimal. Returns kExitFile with the message on err when a file is
// missing, unreadable or invalid; otherwise kExitDone.
int loadRunState(const RunOptions& options, State& state, QTextStream& err);

// Runs calculation command options.kind on a loaded state as the command line does: the
// messages of the run on err, --sections as the section dialog's answer, no
// windows. kExitDone when the command ran; kExitRefused (no sources, or refused with its
// message already on err) otherwise. warnings receives the minimum-point sentences.
int runCliCommand(const RunOptions& options, State& state, QTextStream& err,
                  QStringList* warnings = nullptr);

} // namespace orv::cli
