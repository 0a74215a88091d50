#include "library/libraryimport.h"

#include "base/fileio.h"
#include "base/helpers.h"
#include "base/numberformat.h"
#include "base/version.h"
#include "base/win1252.h"
#include "library/library.h"

#include <QStringDecoder>

namespace orv {

namespace {

// A text file of the size the library can take is small; this only guards against reading
// a huge file whole.
constexpr qint64 kMaxImportBytes = 64 * 1024 * 1024;

void reportFull(Platform& platform) {
    platform.messageBox(QStringLiteral("Maximaal aantal geluidsbronnen bereikt (= 500)!"),
                        MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Invoer-stop"));
}

} // namespace

QStringList splitLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start).toString());
    return lines;
}

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return fromWin1252(bytes);
}

std::optional<LibraryEntry> parseImportLine(QStringView line) {
    const QStringList fields = SplitText(line, u";");
    if (fields.size() != 3) return std::nullopt;
    const auto lwEq = parseNumber(fields[1]);
    const auto lwMax = parseNumber(fields[2]);
    if (!lwEq || !lwMax) return std::nullopt;
    // The name is cased before it is trimmed: a leading space takes the capital.
    return makeEntry(nameCase(fields[0]), *lwEq, *lwMax);
}

bool isImportName(QStringView path) {
    const QString tail = path.right(3).toString().toLower();
    return tail == QLatin1String("txt") || tail == QLatin1String("csv");
}

ImportOutcome importLines(SettingsData& settings, const QStringList& lines, const QString& path,
                          Platform& platform) {
    ImportOutcome outcome;
    bool sorted = false; // the first line taken sorts a library loaded out of order
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto entry = parseImportLine(lines[i]);
        if (!entry) {
            ++outcome.refused;
            platform.messageBox(QStringLiteral("Fout in format regel ") + QString::number(i + 1) +
                                    QStringLiteral(" van ") + path,
                                MsgIcon::Exclamation, MsgButtons::Ok,
                                QStringLiteral("Waarschuwing"));
            continue;
        }
        if (!addSorted(settings, *entry, sorted)) {
            outcome.full = true;
            reportFull(platform);
            break;
        }
        ++outcome.taken;
        sorted = true;
    }
    return outcome;
}

ImportOutcome importFile(SettingsData& settings, const QString& path, Platform& platform,
                         QStringView crlf) {
    QByteArray bytes;
    const FileError error = readFileStart(path, kMaxImportBytes, bytes);
    if (!error.ok()) {
        platform.messageBox(
            QStringLiteral("Onverwachte fout in procedure cmdToevoegen_Click van Form frmLw.") +
                crlf.toString() + QStringLiteral("Fout ") + QString::number(error.number) +
                QStringLiteral(" - ") + error.description + QLatin1Char('.'),
            MsgIcon::Critical, MsgButtons::Ok, QLatin1String(kProgramTitle));
        return {};
    }
    return importLines(settings, splitLines(decodeText(bytes)), path, platform);
}

} // namespace orv
