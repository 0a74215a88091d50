// Any bytes as a library text file: decoded, split into lines and imported into a library
// that already holds a few entries. The library stays within its 500 entries and in order,
// the user sees a bounded number of messages, and the settings file written from it reads
// back to the same bytes.

#include "app/settingsfile.h"
#include "base/platform.h"
#include "library/library.h"
#include "library/libraryimport.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Counts the messages; every question is answered No and every dialog cancelled.
class CountingPlatform final : public orv::Platform {
public:
    int messages = 0;
    int messageBox(const QString&, orv::MsgIcon, orv::MsgButtons, const QString&) override {
        ++messages;
        return orv::kAnswerNo;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    orv::FileDialogAnswer openFileDialog(const orv::FileDialogRequest&) override { return {}; }
    orv::FileDialogAnswer saveFileDialog(const orv::FileDialogRequest&) override { return {}; }
    void setBusy(bool) override {}
    bool startProgram(const QString&) override { return false; }
    void openMail(const QString&, const QString&) override {}
    QString currentDirectory() const override { return {}; }
    bool setCurrentDirectory(const QString&) override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Built once and copied per input: a fresh library allocates every entry's strings,
    // which took most of the run's time; a copy shares them.
    static const orv::SettingsData start = [] {
        orv::SettingsData s;
        orv::fillEmptyLibrary(s);
        // A library loaded out of order: the first line taken sorts it.
        for (const char* name : {"zaag", "boor", "Hamer"})
            orv::addSorted(s, orv::makeEntry(QString::fromLatin1(name), 80, 90), true);
        return s;
    }();
    static const orv::SettingsData blank;
    static orv::SettingsData settings;
    settings = start;

    CountingPlatform platform;
    const QStringList lines = orv::splitLines(orv::decodeText(bytes));
    const orv::ImportOutcome outcome =
        orv::importLines(settings, lines, QStringLiteral("bibliotheek.txt"), platform);

    check(settings.libraryCount >= 1 && settings.libraryCount <= orv::kMaxLibrary);
    check(outcome.taken + outcome.refused <= lines.size());
    // Ten format messages, a summary, the lost characters and a full library at most.
    check(platform.messages <= 13);
    const QStringList names = orv::listNames(settings);
    check(std::is_sorted(names.begin(), names.end(), orv::nameLess));

    const QByteArray written = orv::encodeSettings(settings);
    check(written.size() == orv::settingsFileSize(settings.libraryCount));
    static orv::SettingsData again;
    again = blank;
    check(orv::decodeSettings(written, again).ok());
    check(orv::encodeSettings(again) == written);
    return 0;
}
