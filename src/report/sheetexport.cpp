#include "report/sheetexport.h"

#include "base/fileio.h"

#include <QRegularExpression>

namespace orv {

QString spreadsheetSafeCell(const QString& cell) {
    if (cell.isEmpty()) return cell;
    const QChar first = cell.front();
    if (first != u'=' && first != u'+' && first != u'-' && first != u'@' && first != u'\t' &&
        first != u'\r')
        return cell;
    // A signed number is a number to every spreadsheet program and stays one; "---", the
    // sheet's mark for no value, has no operand to run and stays as the window shows it.
    static const QRegularExpression plain(QStringLiteral("^([-+]?[0-9]+([.,][0-9]+)?|-+)$"));
    if (plain.match(cell).hasMatch()) return cell;
    return QLatin1Char('\'') + cell;
}

QString sheetTsv(const QList<QStringList>& table) {
    QString text;
    for (const QStringList& line : table) {
        QStringList cells;
        for (const QString& original : line) {
            QString cell = spreadsheetSafeCell(original);
            for (QChar& c : cell) {
                if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
            }
            cells.append(cell);
        }
        text += cells.join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

QChar csvSeparator(QChar decimalSeparator) {
    return decimalSeparator == u',' ? QLatin1Char(';') : QLatin1Char(',');
}

QByteArray sheetCsv(const QList<QStringList>& table, QChar separator) {
    QString text;
    for (const QStringList& line : table) {
        QStringList fields;
        for (const QString& original : line) {
            const QString cell = spreadsheetSafeCell(original);
            const bool quote = cell.contains(separator) || cell.contains(u'"') ||
                               cell.contains(u'\n') || cell.contains(u'\r');
            if (!quote) {
                fields.append(cell);
                continue;
            }
            QString q = cell;
            q.replace(QLatin1String("\""), QLatin1String("\"\""));
            fields.append(QLatin1Char('"') + q + QLatin1Char('"'));
        }
        text += fields.join(separator);
        text += QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

FileError writeSheetCsv(const QString& path, const QByteArray& csv) {
    return saveFile(path, [&csv](QIODevice& device) { return writeBytes(device, csv); });
}

QString sheetSaveErrorText(const FileError& error) {
    return QStringLiteral("Onverwachte fout in procedure cmdOpslaan_Click van Form "
                          "frmRekenblad.\r\nFout ") +
           QString::number(error.number) + QStringLiteral(" - ") + error.description +
           QLatin1Char('.');
}

} // namespace orv
