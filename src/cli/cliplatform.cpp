#include "cli/cliplatform.h"

#include <QDir>

namespace orv::cli {

int CliPlatform::messageBox(const QString& text, MsgIcon, MsgButtons buttons, const QString&) {
    const QStringList lines = QString(text)
                                  .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        err_ << line << '\n';
        messages_.append(line);
    }
    err_.flush();
    return buttons == MsgButtons::YesNo ? kAnswerYes : kAnswerOk;
}

QString CliPlatform::currentDirectory() const {
    return QDir::currentPath();
}

bool CliPlatform::setCurrentDirectory(const QString& folder) {
    return QDir::setCurrent(folder);
}

bool CliPlatform::composeSections(ReportKind, Sections& sections) {
    sections = sections_;
    return true;
}

} // namespace orv::cli
