#include "report/limitinput.h"

#include "base/numberformat.h"

#include <QList>

namespace orv {

LimitText parseLimit(QStringView text) {
    if (text.trimmed().isEmpty()) return {true, std::nullopt};
    const std::optional<double> v = parseNumber(text);
    if (!v || *v < 0 || *v > 150) return {false, std::nullopt};
    return {true, roundToFormat(*v, u"#0.0")};
}

std::optional<std::array<double, kPeriods>> parseLimitTriple(QStringView text) {
    const QList<QStringView> parts = text.split(u'/');
    if (parts.size() != kPeriods) return std::nullopt;
    std::array<double, kPeriods> limits{};
    for (int p = 0; p < kPeriods; ++p) {
        const LimitText limit = parseLimit(parts[p]);
        if (!limit.ok || !limit.value) return std::nullopt;
        limits[static_cast<std::size_t>(p)] = *limit.value;
    }
    return limits;
}

} // namespace orv
