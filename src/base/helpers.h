#pragma once
// Small stateless helpers shared by several windows: path splitting, splitting a line at a
// delimiter, and the largest and smallest value of a list.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <span>

namespace orv {

// The line end of every multi-line message.
inline const QString kCrlf = QStringLiteral("\r\n");

// The part of a path after its last separator ("\" or "/"); the whole path when it has none.
QString GetFileName(QStringView path);
// The part of a path before its last separator, without it (empty when the separator is the
// first character); the whole path when it has none.
QString GetFolder(QStringView path);
// folder + "/" + name, without doubling a separator that folder already ends with. An empty
// folder stands for the root, as a path that starts with its separator does.
QString joinPath(QStringView folder, QStringView name);

// Splits text at every occurrence of delimiter. limit -1 means no limit; otherwise the
// splitting stops once more than limit fields are taken and the rest becomes one field. A
// text that ends with the delimiter yields no empty last field; an empty text yields none.
QStringList SplitText(QStringView text, QStringView delimiter, int limit = -1,
                      Qt::CaseSensitivity compare = Qt::CaseSensitive);

// Both sort the list in place into ascending order (callers may rely on that) and return its
// last or first element; 0 for an empty list.
double ArrayMax(std::span<double> values);
double ArrayMin(std::span<double> values);

} // namespace orv
