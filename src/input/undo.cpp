#include "input/undo.h"

namespace orv {

ProjectSnapshot takeSnapshot(const State& state,
                             const std::array<ListSelection, kKinds>& selection) {
    ProjectSnapshot s;
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        const auto& table = state.sources[kind];
        const auto used = static_cast<std::size_t>(std::max<int>(state.sourceCount[kind], 0)) + 1;
        s.sources[kind].assign(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(used));
    }
    s.project = state.project;
    s.selection = selection;
    return s;
}

void restoreSnapshot(State& state, const ProjectSnapshot& snapshot) {
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        const std::vector<SourceRecord>& records = snapshot.sources[kind];
        std::copy(records.begin(), records.end(), state.sources[kind].begin());
        state.sourceCount[kind] = static_cast<qint16>(records.size() - 1);
    }
    state.project = snapshot.project;
}

void ProjectHistory::record(ProjectSnapshot before, ProjectSnapshot after) {
    if (before.sameProject(after)) return;
    steps_.resize(done_);
    steps_.push_back({std::move(before), std::move(after)});
    done_ = steps_.size();
    changed();
}

const ProjectSnapshot* ProjectHistory::undo(State& state) {
    if (!canUndo()) return nullptr;
    const ProjectSnapshot& restored = steps_[--done_].before;
    restoreSnapshot(state, restored);
    changed();
    return &restored;
}

const ProjectSnapshot* ProjectHistory::redo(State& state) {
    if (!canRedo()) return nullptr;
    const ProjectSnapshot& restored = steps_[done_++].after;
    restoreSnapshot(state, restored);
    changed();
    return &restored;
}

void ProjectHistory::clear() {
    steps_.clear();
    done_ = 0;
}

void ProjectHistory::changed() {
    for (const Listener& listener : listeners_)
        listener();
}

} // namespace orv
