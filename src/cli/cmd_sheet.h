#pragma once
// The JSON of "ornaveld-cli sheet".

#include "report/sheet.h"

#include <QJsonObject>
#include <QStringList>

namespace orv::cli {

// The sheet with the minimum-point-source warnings of its run; every number at full double
// precision, a missing level or share as null.
QJsonObject sheetJson(const Sheet& sheet, const QStringList& warnings);

} // namespace orv::cli
