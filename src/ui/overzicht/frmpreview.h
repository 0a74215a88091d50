#pragma once
// "Afdrukvoorbeeld": the printed report page by page, with page navigation, three zoom
// choices, scroll bars and a PDF of the same pages. It opens on the last page.

#include "app/session.h"
#include "base/platform.h"
#include "model/state.h"
#include "print/pdfreport.h"
#include "print/previewsurface.h"

#include <functional>

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QScrollBar;

namespace orv {

class frmPreView : public QWidget {
    Q_OBJECT
public:
    // Renders every page of the report built in state.
    frmPreView(const State& state, const Session& session, Platform& platform,
               QWidget* parent = nullptr);
    ~frmPreView() override;

    int page() const { return page_; }
    int totalPages() const { return static_cast<int>(pages_.pages.size()); }
    // The zoom factor in force (1 at 100 %).
    double zoom() const { return zoom_; }

    // Shows other pages than the report's (the comparison of two variants), whose "PDF"
    // writes with writePdf. Opens on the first page.
    void showPages(PreviewPages pages, std::function<PdfResult(const QString&)> writePdf);

    // Page navigation by button key: "begin", "terug", "volgende", "eind".
    void Toolbar1_ButtonClick(const QString& key);
    void ZoomPagina(int index);

signals:
    // Once, when the preview goes: the main window gets back the commands it lent it.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ButtonSetup();
    void bindKeys();
    void scrollOrPage(int direction);
    void zoomStepBy(int direction);
    void showPage();
    QString statusText() const;
    void SizeScrolls();
    void placeDocument();
    void savePdf();
    void Form_Unload();

    const State& state_;
    const Session& session_;
    Platform& platform_;
    bool unloaded_ = false;
    PreviewPages pages_;
    std::function<PdfResult(const QString&)> writePdf_;
    int page_ = 0;
    double zoom_ = 1.0;
    QAction* buttons_[4] = {};
    QComboBox* cboZoom_ = nullptr;
    QWidget* container_ = nullptr;
    QLabel* document_ = nullptr;
    QLabel* status_ = nullptr;
    QScrollBar* hscroll_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
};

} // namespace orv
