#pragma once
// Fixed-width texts and their Windows-1252 form on disk. Qt knows Windows-1252 only when
// built with ICU, so the mapping is our own exact table: Latin-1 plus the 27 code points of
// 0x80-0x9F. The five unassigned bytes map to the C1 controls of the same value, so every
// byte survives a read and a write unchanged.

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace orv {

QString fromWin1252(QByteArrayView bytes);
// One byte per character; a character that Windows-1252 lacks becomes '?'.
QByteArray toWin1252(QStringView text);
// Whether the files can hold the character, and every character of a text: what a text box
// refuses, typed or pasted, rather than let the writer turn it into '?'.
bool inWin1252(QChar c);
bool inWin1252(QStringView text);

// Text(N): left-aligned, padded with spaces to n, cut at n.
QString fixedText(QStringView text, int n);
// Text(N) as exactly n Windows-1252 bytes.
QByteArray fixedBytes(QStringView text, int n);
// Leading and trailing spaces removed (only spaces, as the classic Trim does).
QString trimmed(QStringView text);
// Trailing spaces removed.
QString rtrimmed(QStringView text);

} // namespace orv
