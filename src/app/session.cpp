#include "app/session.h"

#include "base/helpers.h"

namespace orv {

QString Session::projectFileName() const {
    return project == ProjectStatus::Opened ? GetFileName(projectPath) : QString();
}

bool isProjectFileName(QStringView path) {
    return path.right(3).compare(QLatin1String("orv"), Qt::CaseInsensitive) == 0;
}

} // namespace orv
