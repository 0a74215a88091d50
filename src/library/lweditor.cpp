#include "library/lweditor.h"

#include "base/helpers.h"
#include "base/numberformat.h"
#include "base/win1252.h"
#include "library/library.h"
#include "library/libraryimport.h"

namespace orv {

namespace {

const QString kWarning = QStringLiteral("Waarschuwing");

} // namespace

QStringList LwEditor::names() {
    return listNames(state_.settings);
}

bool LwEditor::inList(int position) const {
    return position >= 0 && position < namedEntryCount(state_.settings);
}

void LwEditor::warn(const QString& text) {
    platform_.messageBox(text, MsgIcon::Exclamation, MsgButtons::Ok, kWarning);
}

std::optional<EntryTexts> LwEditor::show(int position) {
    if (!inList(position)) return std::nullopt;
    currentEntry_ = entryOfPosition(position);
    const LibraryEntry& e = state_.settings.library[static_cast<std::size_t>(currentEntry_)];
    return EntryTexts{trimmed(e.entryName), e.lwEq, e.lwMax};
}

void LwEditor::reportEmpty() {
    warn(QStringLiteral("Geen geluidsbronnen aanwezig!"));
}

LwEditor::AddChoice LwEditor::add() {
    if (state_.settings.libraryCount >= kMaxLibrary) {
        platform_.messageBox(QStringLiteral("Maximaal aantal geluidsbronnen bereikt (= 500)!"),
                             MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Invoer-stop"));
        return AddChoice::Nothing;
    }
    const QString answer =
        platform_.inputBox(addPrompt(state_.settings, kCrlf),
                           QStringLiteral("Geluidsbronnen toevoegen"), QStringLiteral("1"));
    if (answer == QLatin1String("1")) {
        editMode_ = EditMode::Add;
        editing_ = true;
        return AddChoice::Manual;
    }
    if (answer == QLatin1String("2")) {
        return importText() ? AddChoice::Imported : AddChoice::Nothing;
    }
    return AddChoice::Nothing;
}

bool LwEditor::importText() {
    const FileDialogAnswer chosen = platform_.openFileDialog(
        fileDialogRequest(FileDialogUse::Open, dialogFolder_, kImportFilter));
    if (chosen.cancelled || chosen.path.isEmpty() || !isImportName(chosen.path)) {
        platform_.setBusy(false);
        return false;
    }
    platform_.setBusy(true);
    importFile(state_.settings, chosen.path, platform_, kCrlf);
    platform_.setBusy(false);
    return true;
}

bool LwEditor::change(int position) {
    if (!inList(position)) {
        warn(QStringLiteral("Geen geluidsbronnen geselecteerd!"));
        return false;
    }
    currentEntry_ = entryOfPosition(position);
    editMode_ = EditMode::Edit;
    editing_ = true;
    return true;
}

int LwEditor::confirm(const QString& name, double lwEq, double lwMax, int selectedPosition) {
    SettingsData& s = state_.settings;
    const LibraryEntry entry = makeEntry(storedName(name), lwEq, lwMax);
    if (editMode_ == EditMode::Add) {
        if (s.libraryCount >= kMaxLibrary) { // the window's add checks this; keep the table whole
            editing_ = false;
            return selectedPosition;
        }
        ++s.libraryCount;
        currentEntry_ = s.libraryCount;
    } else {
        currentEntry_ = entryOfPosition(selectedPosition);
    }
    if (currentEntry_ >= kFirstNamedEntry)
        s.library[static_cast<std::size_t>(currentEntry_)] = entry;
    platform_.setBusy(true);
    SorTeren(s);
    platform_.setBusy(false);
    editing_ = false;
    return positionOfEntry(currentEntry_);
}

std::optional<int> LwEditor::remove(int position) {
    if (!inList(position)) {
        warn(QStringLiteral("Geen geluidsbronnen geselecteerd!"));
        return std::nullopt;
    }
    currentEntry_ = entryOfPosition(position);
    const QString name =
        trimmed(state_.settings.library[static_cast<std::size_t>(currentEntry_)].entryName);
    const int answer =
        platform_.messageBox(name + QStringLiteral(" wissen?"), MsgIcon::Question,
                             MsgButtons::YesNo, QStringLiteral("Wissen van geluidsbronnen"));
    if (answer != kAnswerYes) return std::nullopt;
    platform_.setBusy(true);
    removeEntry(state_.settings, currentEntry_);
    platform_.setBusy(false);
    editing_ = false;
    return namedEntryCount(state_.settings) > 0 ? 0 : -1;
}

} // namespace orv
