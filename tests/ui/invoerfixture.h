#pragma once
// The input form on its own over a small library and some sources, with a scripted
// platform and a main view that keeps the status texts.

#include "base/numberformat.h"
#include "base/win1252.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "ui/invoer/frminvoer.h"
#include "ui/platform/uihelpers.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace orvtest {

inline orv::SourceRecord sampleSource(int kind, int i) {
    orv::SourceRecord r;
    r.sourceName = orv::fixedText(u"Heftruck", orv::kSourceNameWidth);
    r.lwA = 95;
    r.description = orv::fixedText(QStringLiteral("bron %1").arg(i), orv::kDescriptionWidth);
    r.pointCount = kind == 0 ? 10 : 4;
    r.length = 120;
    r.speed = 30;
    r.movements[0] = 12.5;
    r.height = 1.5;
    r.distanceA = 40;
    r.distanceB = 60;
    return r;
}

struct InvoerForm {
    explicit InvoerForm(int lines = 0, int mobiles = 0) {
        orv::setDecimalSeparator(QLatin1Char(','));
        auto& s = *state;
        session.todayText = QStringLiteral("07-03-2024");
        s.settings.libraryCount = 2;
        s.settings.library[1] = {orv::fixedText(u"<selecteer geluidsbron>", 25), 0, 0};
        s.settings.library[2] = {orv::fixedText(u"Heftruck", 25), 95, 100};
        for (int kind = 0; kind < 2; ++kind)
            for (int i = 1; i <= (kind == 0 ? lines : mobiles); ++i)
                s.sources[kind][i] = sampleSource(kind, i);
        s.sourceCount = {static_cast<qint16>(lines), static_cast<qint16>(mobiles)};
        form = std::make_unique<orv::frmInvoer>(s, session, platform, &view);
        form->show();
        QApplication::setActiveWindow(form.get());
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(form.get());
    }
    ~InvoerForm() { orv::setDecimalSeparator(QLatin1Char('.')); }

    template <typename T = QWidget> T* w(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QLineEdit* box(const QString& name) const { return w<QLineEdit>(name); }
    void toolbar(int kind, const char* key) const {
        w<QAction>(QStringLiteral("ToolbarLijst_%1_%2").arg(kind).arg(QLatin1String(key)))
            ->trigger();
    }
    void select(int kind, std::initializer_list<int> rows) const {
        auto* list = w<QListWidget>(QStringLiteral("lstBron_%1").arg(kind));
        list->clearSelection();
        for (int r : rows)
            list->item(r)->setSelected(true);
    }
    // Typing into a box and leaving it for the next one, as the user does with Tab.
    void typeAndLeave(QLineEdit* edit, const QString& text) const {
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
        edit->clearFocus();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<orv::State> state = std::make_unique<orv::State>();
    orv::Session session;
    FakePlatform platform;
    FakeMainView view;
    std::unique_ptr<orv::frmInvoer> form;
};

} // namespace orvtest
