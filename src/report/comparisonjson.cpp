#include "report/comparisonjson.h"

#include <QJsonArray>

namespace orv {

namespace {

QJsonValue optional(const std::optional<double>& v) {
    return v ? QJsonValue(*v) : QJsonValue();
}

QJsonObject pair(const ValuePair& p) {
    return {{QStringLiteral("a"), optional(p.a)},
            {QStringLiteral("b"), optional(p.b)},
            {QStringLiteral("difference"), optional(p.difference())}};
}

QJsonObject variant(const VariantInfo& info, int decisive) {
    return {{QStringLiteral("file"), info.file},
            {QStringLiteral("projectNumber"), info.projectNumber},
            {QStringLiteral("projectName"), info.projectName},
            {QStringLiteral("decisivePeriod"), decisive},
            {QStringLiteral("warnings"), QJsonArray::fromStringList(info.warnings)}};
}

QJsonArray perPeriod(const ValuePair (&pairs)[kPeriods]) {
    QJsonArray array;
    for (const ValuePair& p : pairs)
        array.append(pair(p));
    return array;
}

} // namespace

QJsonObject comparisonJson(const Comparison& c, const VariantInfo& a, const VariantInfo& b) {
    QJsonArray periods;
    for (int p = 0; p < kPeriods; ++p) {
        const ComparedPeriod& period = c.periods[p];
        periods.append(QJsonObject{{QStringLiteral("energyLevel"), pair(period.laeq)},
                                   {QStringLiteral("lamax"), pair(period.lamax)},
                                   {QStringLiteral("surcharge"), pair(period.surcharge)},
                                   {QStringLiteral("ratedLevel"), pair(period.rated)},
                                   {QStringLiteral("limit"), optional(c.limit[p])},
                                   {QStringLiteral("margin"), pair(period.margin)},
                                   {QStringLiteral("lamaxLimit"), optional(c.lamaxLimit[p])},
                                   {QStringLiteral("lamaxMargin"), pair(period.lamaxMargin)}});
    }
    QJsonArray sources;
    for (const ComparedSource& s : c.sources) {
        const auto number = [](int n) { return n > 0 ? QJsonValue(n) : QJsonValue(); };
        sources.append(QJsonObject{{QStringLiteral("source"), s.description},
                                   {QStringLiteral("sourceName"), s.sourceName},
                                   {QStringLiteral("kind"), s.kind},
                                   {QStringLiteral("numberA"), number(s.numberA)},
                                   {QStringLiteral("numberB"), number(s.numberB)},
                                   {QStringLiteral("laeq"), perPeriod(s.laeq)},
                                   {QStringLiteral("lamax"), perPeriod(s.lamax)}});
    }
    return {{QStringLiteral("a"), variant(a, c.decisiveA)},
            {QStringLiteral("b"), variant(b, c.decisiveB)},
            {QStringLiteral("periods"), periods},
            {QStringLiteral("letmaal"), pair(c.letmaal)},
            {QStringLiteral("lden"), pair(c.lden)},
            {QStringLiteral("lnight"), pair(c.lnight)},
            {QStringLiteral("sources"), sources}};
}

} // namespace orv
