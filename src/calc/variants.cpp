#include "calc/variants.h"

#include "calc/assessment.h"
#include "calc/damaged.h"
#include "calc/geometry.h"
#include "calc/procedures.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <QHash>

namespace orv {

namespace {

// The assessment of a copy that has just run its steps, over every source.
void assessAll(const State& run, VariantLevels& levels) {
    const Assessment a = assess(run, ListedKinds{});
    for (int p = 0; p < kPeriods; ++p) {
        levels.energyLevel[p] = levelOf(a.energySum[p]);
        levels.ratedLevel[p] = a.totalLaeq[p];
        levels.totalLamax[p] = a.totalLamax[p];
        levels.penalisedLevel[p] = a.penalisedLevel[p];
    }
    levels.letmaal = a.letmaal;
    levels.lden = a.lden;
    levels.lnight = a.lnight;
}

std::optional<double> level(double value) {
    return value != 0 ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> margin(const std::optional<double>& limit, double value) {
    if (!limit || value == 0) return std::nullopt;
    return *limit - value;
}

int decisive(const double (&penalised)[kPeriods]) {
    int best = 0;
    for (int p = 1; p < kPeriods; ++p) {
        if (penalised[p] > penalised[best]) best = p;
    }
    return best;
}

ComparedSource sideBySide(const VariantSource* a, const VariantSource* b) {
    const VariantSource& any = a ? *a : *b;
    ComparedSource c;
    c.description = any.description;
    c.sourceName = any.sourceName;
    c.key = any.key;
    c.kind = any.kind;
    c.numberA = a ? a->number : 0;
    c.numberB = b ? b->number : 0;
    for (int p = 0; p < kPeriods; ++p) {
        const double laeqA = a ? a->laeq[p] : 0, laeqB = b ? b->laeq[p] : 0;
        const double lamaxA = a ? a->lamax[p] : 0, lamaxB = b ? b->lamax[p] : 0;
        c.laeq[p] = {level(laeqA), level(laeqB)};
        c.lamax[p] = {level(lamaxA), level(lamaxB)};
        c.largestChange =
            std::max({c.largestChange, std::abs(laeqB - laeqA), std::abs(lamaxB - lamaxA)});
    }
    return c;
}

} // namespace

VariantLevels assessVariant(const State& project) {
    VariantLevels levels;
    const auto run = std::make_unique<State>(project);
    run->reportKind = ReportKind::Transmission;
    run->sections = Sections::initial(ReportKind::Transmission);
    if (run->sourceCount[LineSource] < 1 && run->sourceCount[MobileSource] < 1) {
        levels.outcome = Outcome::refused(Refusal::NoSources);
        return levels;
    }
    if (Outcome check = CheckIt(*run); !check.done()) {
        levels.outcome = check;
        return levels;
    }
    if (Outcome damaged = findDamagedValue(*run, ReportKind::Transmission); !damaged.done()) {
        levels.outcome = damaged;
        return levels;
    }
    // The steps of the transmission command, straight on the copy: a refused run leaves
    // nothing behind that would need putting back.
    Cbedrijfsduur(*run);
    levels.outcome = Overdracht(*run);
    if (levels.outcome.done()) levels.outcome = OverdrachtMax(*run);
    if (!levels.outcome.done()) return levels;
    Immissie(*run);
    assessAll(*run, levels);
    for (const SourceKind kind : kSourceKinds) {
        for (int i = 1; i <= run->sourceCount[kind]; ++i) {
            VariantSource s;
            s.kind = kind;
            s.number = i;
            s.description = run->sources[kind][i].description.trimmed();
            s.sourceName = run->sources[kind][i].sourceName.trimmed();
            s.key = variantKey(s.sourceName, s.description);
            std::copy_n(run->results[kind][i].laeq, kPeriods, s.laeq);
            std::copy_n(run->results[kind][i].lamax, kPeriods, s.lamax);
            levels.sources.push_back(std::move(s));
        }
    }
    return levels;
}

// Name first, so that ordering by the key orders by name, then by description.
QString variantKey(const QString& sourceName, const QString& description) {
    QString key;
    key.reserve(sourceName.size() + description.size() + 1);
    key.append(sourceName).append(QChar(0)).append(description);
    return std::move(key).toCaseFolded();
}

std::optional<double> ValuePair::difference() const {
    if (!a || !b) return std::nullopt;
    return *b - *a;
}

Comparison compareVariants(const VariantLevels& a, const VariantLevels& b,
                           const SheetLimits& limits) {
    Comparison c;
    for (int p = 0; p < kPeriods; ++p) {
        ComparedPeriod& period = c.periods[p];
        period.laeq = {level(a.energyLevel[p]), level(b.energyLevel[p])};
        period.lamax = {level(a.totalLamax[p]), level(b.totalLamax[p])};
        // What the stored surcharge added to the total, where it added anything.
        period.surcharge = {level(a.ratedLevel[p] - a.energyLevel[p]),
                            level(b.ratedLevel[p] - b.energyLevel[p])};
        period.rated = {level(a.ratedLevel[p]), level(b.ratedLevel[p])};
        period.margin = {margin(limits.rated[p], a.ratedLevel[p]),
                         margin(limits.rated[p], b.ratedLevel[p])};
        period.lamaxMargin = {margin(limits.lamax[p], a.totalLamax[p]),
                              margin(limits.lamax[p], b.totalLamax[p])};
        c.limit[p] = limits.rated[p];
        c.lamaxLimit[p] = limits.lamax[p];
    }
    c.letmaal = {a.letmaal, b.letmaal};
    c.lden = {a.lden, b.lden};
    c.lnight = {a.lnight, b.lnight};
    c.decisiveA = decisive(a.penalisedLevel);
    c.decisiveB = decisive(b.penalisedLevel);

    // B's sources by key, each key's list claimed in order by A's sources of that key.
    struct Bucket {
        std::vector<std::size_t> inB;
        std::size_t taken = 0;
    };
    QHash<QString, Bucket> buckets;
    buckets.reserve(static_cast<qsizetype>(b.sources.size()));
    for (std::size_t i = 0; i < b.sources.size(); ++i)
        buckets[b.sources[i].key].inB.push_back(i);
    std::vector<bool> matchedB(b.sources.size(), false);
    c.sources.reserve(a.sources.size() + b.sources.size());
    for (const VariantSource& s : a.sources) {
        const VariantSource* partner = nullptr;
        const auto found = buckets.find(s.key);
        if (found != buckets.end() && found->taken < found->inB.size()) {
            const std::size_t i = found->inB[found->taken++];
            matchedB[i] = true;
            partner = &b.sources[i];
        }
        c.sources.push_back(sideBySide(&s, partner));
    }
    for (std::size_t i = 0; i < b.sources.size(); ++i) {
        if (!matchedB[i]) c.sources.push_back(sideBySide(nullptr, &b.sources[i]));
    }
    std::stable_sort(c.sources.begin(), c.sources.end(), [](const auto& x, const auto& y) {
        if (x.largestChange != y.largestChange) return x.largestChange > y.largestChange;
        return x.key < y.key;
    });
    return c;
}

} // namespace orv
