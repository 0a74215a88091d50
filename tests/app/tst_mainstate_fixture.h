#pragma once
// A MainState over a fresh State, the scripted platform and the recording view, with a
// temporary program folder on disk.

#include "app/mainstate.h"
#include "app/projectfile.h"
#include "app/settingsfile.h"
#include "app/win1252.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"

#include <memory>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace orvtest {

inline orv::SettingsData sampleSettings(int libraryCount = 2) {
    orv::SettingsData s;
    s.userName = orv::fixedText(u"Tester", orv::kUserNameWidth);
    s.userNameLabel = s.userName;
    s.paperOrientation = 2;
    s.printFontName = orv::fixedText(u"Courier New", orv::kPrintFontNameWidth);
    s.printFontSize = 10;
    s.headerStyle = 3;
    s.bodyStyle1 = 1;
    s.bodyStyle2 = 2;
    s.libraryCount = static_cast<qint16>(libraryCount);
    for (int i = 1; i <= libraryCount; ++i) {
        s.library[static_cast<std::size_t>(i)] = {
            orv::fixedText(QStringLiteral("bron %1").arg(i), orv::kEntryNameWidth), 90.0 + i,
            100.0 + i};
    }
    return s;
}

// One line source and two mobile sources, with a recognisable project record.
inline std::unique_ptr<orv::State> sampleProject() {
    auto st = std::make_unique<orv::State>();
    st->sourceCount = {1, 2};
    st->sources[0][1].description = orv::fixedText(u"Vrachtwagen", orv::kDescriptionWidth);
    st->sources[0][1].lwA = 103.5;
    st->sources[1][1].description = orv::fixedText(u"Heftruck", orv::kDescriptionWidth);
    st->sources[1][2].description = orv::fixedText(u"Koelmotor", orv::kDescriptionWidth);
    st->sources[1][2].distanceB = 75;
    st->project.projectName = orv::fixedText(u"Distributiecentrum", orv::kProjectNameWidth);
    st->project.receiverHeight = 5;
    st->project.groundType = orv::fixedText(u"zacht", orv::kGroundTypeWidth);
    return st;
}

// A view that also writes its form calls into the platform's log, so that one trace shows
// the order of both sides.
class TracingView : public FakeMainView {
public:
    explicit TracingView(QStringList& log) : log_(log) {}
    void showForm(orv::FormId form, bool modal) override {
        FakeMainView::showForm(form, modal);
        log_.append(calls.last());
    }
    void closeForm(orv::FormId form) override {
        FakeMainView::closeForm(form);
        log_.append(calls.last());
    }

private:
    QStringList& log_;
};

class Harness {
public:
    Harness() {
        platform.currentDir = dir.path();
        main.setToday(QDate(2024, 3, 7));
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    void makeFolder(const QString& name) const { QDir(dir.path()).mkpath(name); }
    void writeBytes(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray readBytes(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeSettings(const orv::SettingsData& s, const QString& name = orv::kSettingsFileName) {
        QVERIFY(orv::writeSettingsFile(path(name), s).ok());
    }
    void writeProject(const QString& name, const orv::State& project) {
        QVERIFY(orv::writeProjectFile(path(name), project).ok());
    }
    // A normal start: the settings file is there and the command line is empty.
    void start(const QString& commandLine = QString()) {
        writeSettings(sampleSettings());
        main.MDIForm_Load(commandLine);
    }
    // Opens name through the open dialog.
    void open(const QString& name) {
        platform.openAnswers.enqueue(chosen(path(name)));
        main.mnuOpenen_Click();
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const RecordedMessage& m : platform.messages)
            texts.append(m.text);
        return texts;
    }
    // "1" or "0" for the eight switched menu items, in menu order.
    QString menuPattern() const {
        QString p;
        for (int i = 0; i < orv::kMenuItemCount; ++i)
            p += view.menu.value(static_cast<orv::MenuItem>(i)) ? '1' : '0';
        return p;
    }
    // "1" or "0" for the toolbar buttons 2, 3, 5, 6, 7, 9, 10, 12, 13.
    QString buttonPattern() const {
        QString p;
        for (int index : {2, 3, 5, 6, 7, 9, 10, 12, 13})
            p += view.buttons.value(index) ? '1' : '0';
        return p;
    }

    QTemporaryDir dir;
    std::unique_ptr<orv::State> state = std::make_unique<orv::State>();
    FakePlatform platform;
    TracingView view{platform.log};
    orv::MainState main{*state, view, platform};
};

inline const QString kOpenError = QStringLiteral(
    "Onverwachte fout in procedure mnuOpenen_Click van Form frmStart.\r\nFout %1 - %2.");

} // namespace orvtest
