#pragma once
// A scripted Platform, section dialog and printer: answers come from queues the test fills, and
// every message box, input box and dialog is recorded so that a test asserts the exact Dutch text.

#include "base/platform.h"
#include "base/printjob.h"
#include "base/sectiondialog.h"

#include <functional>

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace orvtest {

struct RecordedMessage {
    QString text;
    orv::MsgIcon icon;
    orv::MsgButtons buttons;
    QString caption;
};

class FakePlatform : public orv::Platform, public orv::SectionDialog, public orv::PrintJob {
public:
    int messageBox(const QString& text, orv::MsgIcon icon, orv::MsgButtons buttons,
                   const QString& caption) override {
        messages.append({text, icon, buttons, caption});
        log.append(QStringLiteral("message:") + caption);
        if (!answers.isEmpty()) return answers.dequeue();
        if (buttons == orv::MsgButtons::YesNoCancel) return orv::kAnswerCancel;
        return buttons == orv::MsgButtons::YesNo ? orv::kAnswerNo : orv::kAnswerOk;
    }
    QString inputBox(const QString& prompt, const QString& caption,
                     const QString& defaultText) override {
        inputPrompts.append(prompt);
        inputDefaults.append(defaultText);
        log.append(QStringLiteral("input:") + caption);
        return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
    }
    orv::FileDialogAnswer openFileDialog(const orv::FileDialogRequest& request) override {
        openRequests.append(request);
        log.append(QStringLiteral("open-dialog"));
        return openAnswers.isEmpty() ? orv::FileDialogAnswer{} : openAnswers.dequeue();
    }
    orv::FileDialogAnswer saveFileDialog(const orv::FileDialogRequest& request) override {
        saveRequests.append(request);
        log.append(QStringLiteral("save-dialog"));
        return saveAnswers.isEmpty() ? orv::FileDialogAnswer{} : saveAnswers.dequeue();
    }
    void setBusy(bool on) override {
        busy = on;
        log.append(on ? QStringLiteral("busy") : QStringLiteral("idle"));
    }
    bool startProgram(const QString& program) override {
        startedPrograms.append(program);
        return true;
    }
    void openMail(const QString& address, const QString& subject) override {
        mails.append(address + QLatin1Char('|') + subject);
    }
    QString currentDirectory() const override { return currentDir; }
    bool setCurrentDirectory(const QString& folder) override {
        currentDir = folder;
        log.append(QStringLiteral("cd:") + folder);
        return true;
    }
    bool composeSections(orv::ReportKind reportKind, orv::Sections& chosen) override {
        sectionKinds.append(reportKind);
        log.append(QStringLiteral("sections"));
        chosen = sections;
        return sectionsConfirm;
    }
    orv::PrintDialogAnswer printDialog() override {
        log.append(QStringLiteral("print-dialog"));
        return printAnswers.isEmpty() ? orv::PrintDialogAnswer{} : printAnswers.dequeue();
    }
    // Without a printer set by the test, a job succeeds without drawing.
    orv::FileError printJob(const orv::PrintRender& render) override {
        log.append(QStringLiteral("print-job"));
        return printer ? printer(render) : orv::FileError{};
    }

    // Scripted answers.
    QQueue<int> answers;
    QQueue<QString> inputAnswers;
    QQueue<orv::FileDialogAnswer> openAnswers;
    QQueue<orv::FileDialogAnswer> saveAnswers;
    QQueue<orv::PrintDialogAnswer> printAnswers;
    std::function<orv::FileError(const orv::PrintRender&)> printer;
    orv::Sections sections = *orv::Sections::fromText(QStringLiteral("1111"));
    bool sectionsConfirm = true;
    QString currentDir = QStringLiteral("/");

    // Records.
    QList<RecordedMessage> messages;
    QStringList inputPrompts, inputDefaults;
    QList<orv::FileDialogRequest> openRequests, saveRequests;
    QStringList startedPrograms, mails;
    QList<orv::ReportKind> sectionKinds;
    QStringList log;
    bool busy = false;
};

inline orv::FileDialogAnswer chosen(const QString& path) {
    return {false, path};
}
inline orv::FileDialogAnswer cancelled() {
    return {true, QString()};
}

} // namespace orvtest
