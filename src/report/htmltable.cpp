#include "report/htmltable.h"

#include "base/numberformat.h"

namespace orv {

namespace {

bool numeric(const QString& cell) {
    QString t = cell;
    if (t.startsWith(u'+')) t.remove(0, 1);
    t.replace(decimalSeparator(), QLatin1Char('.'));
    bool ok = false;
    t.toDouble(&ok);
    return ok;
}

} // namespace

QString htmlTables(const QList<QList<QStringList>>& tables) {
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>");
    bool first = true;
    for (const QList<QStringList>& table : tables) {
        if (!first) html += QStringLiteral("<p></p>");
        first = false;
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
        bool header = true;
        for (const QStringList& line : table) {
            html += QStringLiteral("<tr>");
            for (const QString& cell : line) {
                const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
                html += QLatin1Char('<') + tag;
                if (!header && numeric(cell)) html += QStringLiteral(" align=\"right\"");
                html += QLatin1Char('>') + cell.toHtmlEscaped() + QStringLiteral("</") + tag +
                        QLatin1Char('>');
            }
            html += QStringLiteral("</tr>");
            header = false;
        }
        html += QStringLiteral("</table>");
    }
    return html + QStringLiteral("</body></html>");
}

} // namespace orv
