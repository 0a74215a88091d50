#pragma once
// A MainView that remembers what it was told: enabled items and buttons, panel texts,
// which forms are open, and the order of the calls.

#include "app/mainview.h"

#include <functional>
#include <QMap>
#include <QSet>
#include <QStringList>

namespace orvtest {

class FakeMainView : public orv::MainView {
public:
    void setMenuEnabled(orv::MenuItem item, bool enabled) override { menu[item] = enabled; }
    void setButtonEnabled(int index, bool enabled) override { buttons[index] = enabled; }
    void setStatusText(int panel, const QString& text) override { panels[panel] = text; }
    void setCaption(const QString& text) override { caption = text; }
    void showForm(orv::FormId form, bool modal) override {
        open.insert(form);
        calls.append(QStringLiteral("show:%1%2").arg(int(form)).arg(modal ? "m" : ""));
        if (modal) open.remove(form); // a modal form is closed again when the call returns
    }
    void closeForm(orv::FormId form) override {
        open.remove(form);
        calls.append(QStringLiteral("close:%1").arg(int(form)));
    }
    void endProcess() override {
        ended = true;
        calls.append(QStringLiteral("end"));
    }
    void acceptPendingEdits() override {
        if (pendingEdits) pendingEdits();
    }

    QMap<orv::MenuItem, bool> menu;
    QMap<int, bool> buttons;
    QMap<int, QString> panels;
    QString caption;
    QSet<orv::FormId> open;
    QStringList calls;
    bool ended = false;
    std::function<void()> pendingEdits; // the input form's project tab
};

} // namespace orvtest
