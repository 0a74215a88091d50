#pragma once
// What the source list's toolbar does to the records: delete with compaction and sort.

#include "model/state.h"

#include <functional>
#include <vector>

namespace orv {

// Removes the records at the given 0-based list positions of a kind, moving the later
// records down so that 1..sourceCount stay contiguous and in order.
void deleteSources(State& state, SourceKind kind, std::vector<int> rows);

// The sort key: library name, then description, both at their full width of 25 characters,
// without regard to case. A name that is a prefix of another sorts first ("kar" before
// "karretje"): the padding space compares below any letter.
bool sortsBefore(const SourceRecord& a, const SourceRecord& b);

// Sorts records 1..sourceCount[kind] ascending by that key; equal keys keep their order.
// progress(done, total) is told how far the sort is, for the form's progress bar.
void sortSources(State& state, SourceKind kind,
                 const std::function<void(int done, int total)>& progress = {});

} // namespace orv
