#pragma once
// What the library editor does, apart from its window: which entry is shown, the browse
// and editing modes, adding by hand or from a text file, storing, cancelling and deleting.
// The window binds these to its controls and keeps the list selection; every question and
// message goes through Platform.

#include "base/platform.h"
#include "model/state.h"

#include <optional>
#include <QString>
#include <QStringList>

namespace orv {

// What the three boxes show for one entry (the levels in their box's display format).
struct EntryTexts {
    QString name;
    double lwEq = 0;
    double lwMax = 0;
};

class LwEditor {
public:
    enum class EditMode { Add, Edit };
    // Imported: a text file was read (also one that stopped at the full library, or took
    // nothing); the list shows the library again and selects its last line.
    enum class AddChoice { Nothing, Manual, Imported };

    // dialogFolder: where the import dialog opens.
    LwEditor(State& state, Platform& platform, QString dialogFolder = {})
        : state_(state), platform_(platform), dialogFolder_(std::move(dialogFolder)) {}

    // The names the list shows, top to bottom.
    QStringList names();
    bool editing() const { return editing_; }
    EditMode editMode() const { return editMode_; }
    int currentEntry() const { return currentEntry_; }

    // The entry at list position (from 0), which becomes the current one; nothing for a
    // position outside the list.
    std::optional<EntryTexts> show(int position);
    // "Geen geluidsbronnen aanwezig!": a click on a list without entries.
    void reportEmpty();

    // "Toevoegen": full library, or the choice between typing and a text file.
    AddChoice add();
    // "Wijzigen" and the double click: false (after a message) when nothing is selected.
    bool change(int position);
    // "Toepassen" with the typed name and the two validated levels: stores, sorts and
    // returns the list position to select, the one the entry had before the sort.
    int confirm(const QString& name, double lwEq, double lwMax, int selectedPosition);
    // "Annuleren": back to browsing, the library unchanged.
    void cancel() { editing_ = false; }
    // "Wissen": nothing when there is no selection or the user says no; otherwise the
    // position to select afterwards, -1 when no named entry is left.
    std::optional<int> remove(int position);

private:
    bool inList(int position) const;
    void warn(const QString& text);
    // Whether a file was read.
    bool importText();

    State& state_;
    Platform& platform_;
    QString dialogFolder_;
    int currentEntry_ = 0;
    EditMode editMode_ = EditMode::Add;
    bool editing_ = false;
};

} // namespace orv
