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

// A full library of 499 named entries is about 30 KB as text; a file far beyond that is no
// library, and reading it whole would cost memory for nothing.
constexpr qint64 kMaxImportBytes = 1024 * 1024;
// After this many format messages the rest are counted and told in one summary, so that a
// file of empty lines cannot hold the user in an endless row of message boxes.
constexpr int kFormatMessagesShown = 10;
// Line numbers named in the message about lost characters.
constexpr int kLostLinesNamed = 10;

void warn(Platform& platform, const QString& text) {
    platform.messageBox(text, MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Waarschuwing"));
}

void reportFull(Platform& platform) {
    platform.messageBox(QStringLiteral("Maximaal aantal geluidsbronnen bereikt (= 500)!"),
                        MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Invoer-stop"));
}

QString lineList(const QList<int>& lines) {
    QStringList numbers;
    for (int i = 0; i < lines.size() && i < kLostLinesNamed; ++i)
        numbers.append(QString::number(lines[i]));
    return numbers.join(QStringLiteral(", ")) +
           (lines.size() > kLostLinesNamed ? QStringLiteral(" en verder") : QString());
}

} // namespace

QString win1252Name(QStringView name, bool& lost) {
    QString kept;
    // Code point by code point: a character beyond the 16-bit range is dropped whole, never
    // half a surrogate pair.
    for (const char32_t c : name.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (one.size() == 1 && fromWin1252(toWin1252(one)) == one)
            kept += one;
        else
            lost = true;
    }
    return kept;
}

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

std::optional<LibraryEntry> parseImportLine(QStringView line, bool* lost) {
    const QStringList fields = SplitText(line, u";");
    if (fields.size() != 3) return std::nullopt;
    const auto lwEq = parseNumber(fields[1]);
    const auto lwMax = parseNumber(fields[2]);
    if (!lwEq || !lwMax) return std::nullopt;
    // The name is cased before it is trimmed: a leading space takes the capital.
    bool dropped = false;
    const QString name = nameCase(win1252Name(fields[0], dropped));
    if (lost) *lost = dropped;
    return makeEntry(name, *lwEq, *lwMax);
}

bool isImportName(QStringView path) {
    const QString tail = path.right(3).toString().toLower();
    return tail == QLatin1String("txt") || tail == QLatin1String("csv");
}

ImportOutcome importLines(SettingsData& settings, const QStringList& lines, const QString& path,
                          Platform& platform) {
    ImportOutcome outcome;
    QList<int> lostLines;
    bool sorted = false; // the first line taken sorts a library loaded out of order
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        bool lost = false;
        const auto entry = parseImportLine(lines[i], &lost);
        if (!entry) {
            if (++outcome.refused <= kFormatMessagesShown)
                warn(platform, QStringLiteral("Fout in format regel ") + QString::number(number) +
                                   QStringLiteral(" van ") + path);
            continue;
        }
        if (!addSorted(settings, *entry, sorted)) {
            outcome.full = true;
            reportFull(platform);
            break;
        }
        if (lost) lostLines.append(number);
        ++outcome.taken;
        sorted = true;
    }
    if (outcome.refused > kFormatMessagesShown)
        warn(platform,
             QStringLiteral("Nog ") + QString::number(outcome.refused - kFormatMessagesShown) +
                 QStringLiteral(" regels met een fout in het format overgeslagen in ") + path);
    if (!lostLines.isEmpty())
        warn(platform,
             QStringLiteral("Tekens die niet in de tekenset Windows-1252 staan, zijn weggelaten "
                            "uit de naam in regel ") +
                 lineList(lostLines) + QStringLiteral(" van ") + path);
    outcome.lostCharacters = static_cast<int>(lostLines.size());
    return outcome;
}

ImportOutcome importFile(SettingsData& settings, const QString& path, Platform& platform,
                         QStringView crlf) {
    // One byte beyond the limit tells a file that is too large (or grew while it was read)
    // from one that just fits: nothing of it is imported, so no line is ever cut.
    QByteArray bytes;
    const FileError error = readFileStart(path, kMaxImportBytes + 1, bytes);
    if (error.ok() && bytes.size() > kMaxImportBytes) {
        warn(platform, path + QStringLiteral(" is groter dan 1 MB en is geen bibliotheek; er is "
                                             "niets geïmporteerd."));
        ImportOutcome outcome;
        outcome.tooLarge = true;
        return outcome;
    }
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
