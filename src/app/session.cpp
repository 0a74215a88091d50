#include "app/session.h"

#include "base/helpers.h"

namespace orv {

QString Session::projectFileName() const {
    return project == ProjectStatus::Opened ? GetFileName(projectPath) : QString();
}

bool isProjectFileName(QStringView path) {
    return path.right(3).compare(QLatin1String("orv"), Qt::CaseInsensitive) == 0;
}

QString commandLineProject(const QString& commandLine) {
    QString name = commandLine;
    if (name.size() >= 2 && name.front() == QLatin1Char('"') && name.back() == QLatin1Char('"'))
        name = name.mid(1, name.size() - 2);
    return isProjectFileName(name) ? name : QString();
}

} // namespace orv
