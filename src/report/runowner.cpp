#include "report/runowner.h"

#include "base/win1252.h"

#include <QStringList>

namespace orv {

QString projectTitle(const ProjectRecord& project) {
    QStringList parts;
    for (const QString& text : {project.projectNumber, project.projectName})
        if (!trimmed(text).isEmpty()) parts << trimmed(text);
    return parts.join(QLatin1Char(' '));
}

bool sheetOffered(const State& state) {
    return state.reportKind == ReportKind::Transmission && state.sectionsConfirmed;
}

QString sheetUnavailableText() {
    return QStringLiteral("Het rekenblad hoort bij een overdrachtsberekening: kies eerst "
                          "\"Overdrachtsberekening\" in het menu Berekening.");
}

QString sheetOwnerText(const State& state, const QDateTime& ranAt) {
    const QString title = projectTitle(state.project);
    return QStringLiteral("Project ") +
           (title.isEmpty() ? QStringLiteral("(zonder naam)") : title) +
           QStringLiteral(", overdrachtsberekening van ") +
           ranAt.toString(QStringLiteral("dd-MM-yyyy HH:mm"));
}

} // namespace orv
