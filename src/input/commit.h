#pragma once
// The commit of an input: the walk over the required boxes, the store step that writes the
// boxes into a record, and the add, single edit and multi-edit that call it.

#include "input/sourcetexts.h"
#include "model/state.h"

#include <vector>

namespace orv {

enum class EditMode { Add, Edit };

struct CommitInput {
    SourceKind kind = LineSource;
    EditMode mode = EditMode::Add;
    // List entries selected when editing started: 0 or 1 is a single input, 2 or more a
    // multi-edit, which skips the required boxes and writes only the boxes filled in.
    int selectedCount = 0;
    int currentRow = -1;             // the list's current entry (single edit)
    std::vector<int> selectedRows{}; // 0-based, ascending (multi-edit)
    bool farthestEnabled = true;     // txtMobbron_7 in use (not with one sub-source)
    SourceTexts texts;
};

struct CommitOutcome {
    enum Status {
        Stored,  // records written; currentRow is the one to show
        Missing, // a required box is empty: message, focus to box, nothing stored
        Refused, // a box holds no number: red, toolTip, focus to box, nothing stored
        Full,    // adding to a kind that holds 500 sources
    };
    Status status = Stored;
    int box = -1;
    QString message; // Missing: label + " niet ingevuld!"; Full: the limit's message
    QString toolTip; // Refused
    int currentRow = -1;
    // The boxes as the commit left them: filled where the walk fills, numbers normalised.
    SourceTexts texts;
};

// Why no source of the kind can be added (its 500 sources are there); empty when one can.
QString addRefusal(const State& state, SourceKind kind);

// The required-field walk of a single input: fills the boxes that get a default and
// returns the first required box still empty (-1 when none), with its message.
int checkRequired(SourceKind kind, SourceTexts& texts, QString* message);

// Writes the non-empty boxes and combo boxes into record; an empty one leaves its field.
// Numbers go through the commit's bounds and are stored rounded to their display format.
// Returns the first box that holds no number (nothing is written then), or -1.
int storeRecord(SourceKind kind, SourceTexts& texts, const SettingsData& settings,
                SourceRecord& record);

CommitOutcome commitInput(State& state, const CommitInput& input);

} // namespace orv
