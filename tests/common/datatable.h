#pragma once
// The rows of a table under tests/data, for a test's _data() function: lines starting with '#'
// are comments (the first names the columns), cells are split at '|' and trimmed; in a cell,
// "\s" stands for a space (one that trimming would take), "\n" and "\r" for line ends, "~" alone
// for a null text.

#include "testdata.h"

#include <QFile>
#include <QList>
#include <QStringList>

namespace orvtest {

inline QList<QStringList> dataTable(const QString& name) {
    QList<QStringList> rows;
    QFile f(QStringLiteral(ORNAVELD_TEST_DATA_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("no table %s", qPrintable(name));
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        QStringList cells;
        for (const QString& c : line.split(u'|'))
            cells << (c.trimmed() == u"~" ? QString()
                                          : c.trimmed()
                                                .replace("\\s", " ")
                                                .replace("\\n", "\n")
                                                .replace("\\r", "\r"));
        rows << cells;
    }
    return rows;
}

} // namespace orvtest
