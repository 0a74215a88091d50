#pragma once
// Undo and redo of the input form: every change that reaches the project is one step that
// holds the project as it was before and after. The records are plain values, so a step is
// two copies of the used part of the source tables, the project record and the lists'
// selection; restoring one puts the tables back exactly, order and surcharges included.

#include "model/state.h"

#include <functional>
#include <vector>

namespace orv {

// What a source list shows selected: its current entry and every selected one (0-based).
struct ListSelection {
    int current = -1;
    std::vector<int> selected;

    bool operator==(const ListSelection&) const = default;
};

struct ProjectSnapshot {
    // Records 0..sourceCount of each kind; slot 0 of the line sources carries the surcharge
    // on the total level.
    std::array<std::vector<SourceRecord>, kKinds> sources;
    ProjectRecord project;
    std::array<ListSelection, kKinds> selection;

    // The same project, whatever the lists show selected.
    bool sameProject(const ProjectSnapshot& other) const {
        return sources == other.sources && project == other.project;
    }
    bool operator==(const ProjectSnapshot&) const = default;
};

ProjectSnapshot takeSnapshot(const State& state,
                             const std::array<ListSelection, kKinds>& selection = {});
// Puts the snapshot's records and counts back. Slots above the restored counts keep what
// they hold, as after a delete.
void restoreSnapshot(State& state, const ProjectSnapshot& snapshot);

// The history of one open project. The form records each change through it, the main state
// clears it when the project goes (close, open, new, save).
class ProjectHistory {
public:
    using Listener = std::function<void()>;

    // A change made: before and after. A step that leaves the project as it was (a refused
    // commit, a "Nee" to the delete question) is no step. Whatever could be redone is gone.
    void record(ProjectSnapshot before, ProjectSnapshot after);
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // Restores the project before the last step done (after the next one undone) and returns
    // the snapshot restored, for the form to show; nullptr when there is nothing to do.
    const ProjectSnapshot* undo(State& state);
    const ProjectSnapshot* redo(State& state);
    void clear();

    // Told after every recorded step, undo and redo: the project in the tables changed.
    // Listeners live as long as the history.
    void addProjectChangedListener(Listener listener) { listeners_.push_back(std::move(listener)); }

private:
    struct Step {
        ProjectSnapshot before;
        ProjectSnapshot after;
    };
    void changed();

    std::vector<Step> steps_;
    std::size_t done_ = 0;
    std::vector<Listener> listeners_;
};

} // namespace orv
