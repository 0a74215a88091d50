#pragma once
// Helpers for reading the text reports.

#include <QStringList>

namespace orvtest {

// The lines of a report text, split at CR LF (the last, empty piece after the final line
// end dropped).
inline QStringList reportLines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// The first line that starts with prefix, or a null string.
inline QString lineStarting(const QStringList& lines, const QString& prefix) {
    for (const QString& line : lines) {
        if (line.startsWith(prefix)) return line;
    }
    return QString();
}

} // namespace orvtest
