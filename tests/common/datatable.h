#pragma once
// Test tables kept as text under tests/data: '#' lines are comments, the first other line names
// the columns, then one row a line with its fields between '|', the first field naming the row.

#include "testdata.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTest>
#include <utility>

namespace orvtest {

// One column "f": the row's fields after its name, trimmed.
inline void dataTable(const char* name) {
    QTest::addColumn<QStringList>("f");
    QFile file(QStringLiteral(ORNAVELD_TEST_DATA_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("test data %s missing", name);
    bool header = true;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#')) continue;
        if (std::exchange(header, false)) continue;
        QStringList fields;
        for (const QString& field : line.split(u'|'))
            fields << field.trimmed();
        const QString row = fields.takeFirst();
        QTest::newRow(qPrintable(row)) << fields;
    }
}

// A number of a data row; "nan", "inf" and "-inf" as written.
inline double num(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) qFatal("not a number in test data: %s", qPrintable(text));
    return value;
}

// The same files with the column names in a '#' line, as a list of rows whose cells are
// trimmed: in a cell "\s" stands for a space (one that trimming would take), "\n" and "\r" for
// line ends, "~" alone for a null text.
inline QList<QStringList> tableRows(const QString& name) {
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
