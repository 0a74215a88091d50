#pragma once
// What asks the user or touches the desktop goes through narrow interfaces, so that the
// logic behind the windows runs and is tested without a screen: Platform (messages, input
// box, file dialogs, pointer, programs, current folder), SectionDialog and PrintJob. The Qt
// implementations live in ui/, the command line has its own, and tests use a scripted fake.

#include <QString>

namespace orv {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo, YesNoCancel };

// Answers of a message box, with the classic numbering.
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

struct FileDialogRequest {
    QString initialFolder;
    QString filter;   // "Bestand Ornaveld (*.orv)|*.orv": description|pattern
    QString fileName; // proposed name
    bool fileMustExist = false;
    bool noChangeDir = false;
    bool confirmOverwrite = false;
};

struct FileDialogAnswer {
    bool cancelled = true;
    QString path; // may be empty without a cancel
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual int messageBox(const QString& text, MsgIcon icon, MsgButtons buttons,
                           const QString& caption) = 0;
    // Returns the typed text; empty on cancel.
    virtual QString inputBox(const QString& prompt, const QString& caption,
                             const QString& defaultText) = 0;
    virtual FileDialogAnswer openFileDialog(const FileDialogRequest& request) = 0;
    virtual FileDialogAnswer saveFileDialog(const FileDialogRequest& request) = 0;
    // The hourglass (true) or the default pointer (false).
    virtual void setBusy(bool busy) = 0;
    // Starts an external program in a normal window; false when it could not be started.
    virtual bool startProgram(const QString& program) = 0;
    virtual void openMail(const QString& address, const QString& subject) = 0;
    virtual QString currentDirectory() const = 0;
    virtual bool setCurrentDirectory(const QString& folder) = 0;
};

// What a file dialog is for: finding a file with no further demand (the settings file),
// opening one (it must exist) or saving one (an overwrite is confirmed). Opening and saving
// leave the current folder as it is.
enum class FileDialogUse { Locate, Open, Save };

// Every file dialog's request, starting in folder and proposing fileName.
FileDialogRequest fileDialogRequest(FileDialogUse use, const QString& folder, const QString& filter,
                                    const QString& fileName = {});

} // namespace orv
