#include "report/prnfile.h"

#include "app/fileio.h"
#include "app/win1252.h"

namespace orv {

FileError writePrnFile(const QString& path, const QString& overviewText) {
    QByteArray bytes = toWin1252(overviewText);
    bytes.append("\r\n");
    return saveFile(path, [&bytes](QIODevice& device) { return writeBytes(device, bytes); });
}

} // namespace orv
