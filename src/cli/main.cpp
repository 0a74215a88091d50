#include "cli/application.h"
#include "cli/commands.h"

#include <cstdio>
#include <QCoreApplication>

int main(int argc, char* argv[]) {
    const auto app = orv::cli::makeApplication(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = orv::cli::run(args, out, err);
    out.flush();
    err.flush();
    return code;
}
