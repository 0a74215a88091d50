#include "report/prnfile.h"

#include "base/fileio.h"
#include "base/win1252.h"

namespace orv {

QByteArray prnBytes(const QString& overviewText) {
    return toWin1252(overviewText) + QByteArrayLiteral("\r\n");
}

FileError writePrnFile(const QString& path, const QString& overviewText) {
    const QByteArray bytes = prnBytes(overviewText);
    return saveFile(path, [&bytes](QIODevice& device) { return writeBytes(device, bytes); });
}

} // namespace orv
