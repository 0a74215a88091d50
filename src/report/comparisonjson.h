#pragma once
// The comparison of two variants as JSON: every number at full precision, a missing value
// as null, the calculation sheet's field names where they mean the same.

#include "report/comparisontable.h"

#include <QJsonObject>

namespace orv {

QJsonObject comparisonJson(const Comparison& comparison, const VariantInfo& a,
                           const VariantInfo& b);

} // namespace orv
