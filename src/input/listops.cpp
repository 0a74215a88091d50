#include "input/listops.h"

#include "base/win1252.h"

#include <algorithm>

namespace orv {

void deleteSources(State& state, SourceKind kind, std::vector<int> rows) {
    auto& table = state.sources[static_cast<std::size_t>(kind)];
    qint16& count = state.sourceCount[static_cast<std::size_t>(kind)];
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int write = 1;
    std::size_t next = 0;
    for (int read = 1; read <= count; ++read) {
        if (next < rows.size() && rows[next] == read - 1) {
            ++next;
            continue;
        }
        if (write != read)
            table[static_cast<std::size_t>(write)] = table[static_cast<std::size_t>(read)];
        ++write;
    }
    count = static_cast<qint16>(write - 1);
}

namespace {

QString sortKey(const SourceRecord& r) {
    return fixedText(r.sourceName, kSourceNameWidth) + fixedText(r.description, kDescriptionWidth);
}

} // namespace

bool sortsBefore(const SourceRecord& a, const SourceRecord& b) {
    return sortKey(a).toCaseFolded() < sortKey(b).toCaseFolded();
}

// A stable sort gives exactly the order of repeated neighbour swaps (ascending, equal keys
// in their old order) in n log n comparisons; the keys are formed once.
void sortSources(State& state, SourceKind kind, const std::function<void(int, int)>& progress) {
    auto& table = state.sources[static_cast<std::size_t>(kind)];
    const int count = state.sourceCount[static_cast<std::size_t>(kind)];
    if (count <= 0) return;
    if (progress) progress(0, count);
    std::vector<std::pair<QString, int>> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i)
        keys.emplace_back(sortKey(table[static_cast<std::size_t>(i)]).toCaseFolded(), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SourceRecord> sorted;
    sorted.reserve(keys.size());
    for (const auto& key : keys)
        sorted.push_back(table[static_cast<std::size_t>(key.second)]);
    for (int i = 1; i <= count; ++i)
        table[static_cast<std::size_t>(i)] = std::move(sorted[static_cast<std::size_t>(i - 1)]);
    if (progress) progress(count, count);
}

} // namespace orv
