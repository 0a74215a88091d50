#pragma once
// Whole-file reads and writes, and the bundled example, as several test folders use them.

#include "testdata.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orvtest {

inline const QString kExample = QStringLiteral(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv");

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool putFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace orvtest
