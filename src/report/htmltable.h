#pragma once
// A table as HTML for the clipboard beside its tab-separated text: a word processor pastes
// it as a real table, a spreadsheet as cells.

#include <QList>
#include <QStringList>

namespace orv {

// One <table> per table, the first line of each as header cells, texts escaped; a cell
// that reads as a number is right-aligned. Tables follow each other with an empty
// paragraph between them.
QString htmlTables(const QList<QList<QStringList>>& tables);

} // namespace orv
