#include "ui/overzicht/frmpreview.h"

#include "base/win1252.h"
#include "print/afdrukken.h"
#include "print/fontcheck.h"
#include "print/pdfreport.h"
#include "report/pagefit.h"
#include "report/previewpaging.h"
#include "report/printsettings.h"
#include "ui/platform/uihelpers.h"

#include <cmath>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace orv {
namespace {

struct NavButton {
    const char* key;
    const char* toolTip;
    QStyle::StandardPixmap icon;
};
constexpr NavButton kNavButtons[] = {
    {"begin", "Naar beginpagina", QStyle::SP_MediaSkipBackward},
    {"terug", "Naar vorige pagina", QStyle::SP_MediaSeekBackward},
    {"volgende", "Naar volgende pagina", QStyle::SP_MediaSeekForward},
    {"eind", "Naar laatste pagina", QStyle::SP_MediaSkipForward},
};

constexpr double kTwipsPerInch = 1440.0;

} // namespace

frmPreView::frmPreView(const State& state, const Session& session, Platform& platform,
                       QWidget* parent)
    : QWidget(parent), state_(state), session_(session), platform_(platform) {
    setObjectName(QStringLiteral("frmPreView"));
    setWindowTitle(QStringLiteral("Afdrukvoorbeeld - Pagina "));
    platform_.setBusy(true);

    container_ = new QWidget(this);
    container_->setObjectName(QStringLiteral("DocumentContainer"));
    container_->setBackgroundRole(QPalette::Dark);
    container_->setAutoFillBackground(true);
    document_ = new QLabel(container_);
    document_->setObjectName(QStringLiteral("Document"));
    hscroll_ = new QScrollBar(Qt::Horizontal, container_);
    hscroll_->setObjectName(QStringLiteral("HScroll1"));
    vscroll_ = new QScrollBar(Qt::Vertical, container_);
    vscroll_->setObjectName(QStringLiteral("VScroll1"));
    connect(hscroll_, &QScrollBar::valueChanged, this, &frmPreView::placeDocument);
    connect(vscroll_, &QScrollBar::valueChanged, this, &frmPreView::placeDocument);
    container_->installEventFilter(this);
    document_->installEventFilter(this);
    // The page itself takes the focus, so that the keys reach the window from the start.
    container_->setFocusPolicy(Qt::StrongFocus);
    container_->setAccessibleName(QStringLiteral("Pagina"));
    setFocusProxy(container_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ButtonSetup();
    layout->addWidget(container_, 1);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setWordWrap(true);
    status_->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(status_);

    // Every page is drawn now; the window shows them one at a time.
    pages_ = renderPreviewPages(state_);
    page_ = totalPages();

    const double dpi = logicalDpiX();
    const QSize sheet(qRound(pages_.paper.width() * dpi / kTwipsPerInch),
                      qRound(pages_.paper.height() * dpi / kTwipsPerInch));
    QSize size = sheet + QSize(40, 80);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    showPage();
    bindKeys();
    platform_.setBusy(false);
}

// Keys wherever the focus is in the window: the pages, the scroll of a page taller than the
// window, the zoom one choice larger or smaller, and Escape to close.
void frmPreView::bindKeys() {
    const auto bind = [this](std::initializer_list<QKeySequence> keys, auto run) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::WidgetWithChildrenShortcut);
            connect(shortcut, &QShortcut::activated, this, run);
        }
    };
    const auto page = [this](const char* key) {
        return [this, key] { Toolbar1_ButtonClick(QLatin1String(key)); };
    };
    bind({Qt::Key_Home}, page("begin"));
    bind({Qt::Key_PageUp, Qt::Key_Left}, page("terug"));
    bind({Qt::Key_PageDown, Qt::Key_Right}, page("volgende"));
    bind({Qt::Key_End}, page("eind"));
    bind({Qt::Key_Up}, [this] { scrollOrPage(-1); });
    bind({Qt::Key_Down}, [this] { scrollOrPage(1); });
    // Ctrl+= too: the plus sits on that key, shifted, on many keyboards.
    bind({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [this] { zoomStepBy(1); });
    bind({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoomStepBy(-1); });
    bind({Qt::Key_Escape}, [this] { closeDocument(this); });
}

// Up and Down scroll a page taller than the window; a page that fits has nothing to scroll,
// and they turn it instead.
void frmPreView::scrollOrPage(int direction) {
    if (vscroll_->isVisible())
        vscroll_->setValue(vscroll_->value() + direction * vscroll_->singleStep());
    else
        Toolbar1_ButtonClick(QLatin1String(direction < 0 ? "terug" : "volgende"));
}

void frmPreView::zoomStepBy(int direction) {
    const double dpi = logicalDpiX();
    cboZoom_->setCurrentIndex(
        zoomStep(cboZoom_->currentIndex(), direction, pages_.paper.width() * dpi / kTwipsPerInch,
                 pages_.paper.height() * dpi / kTwipsPerInch, container_->width(),
                 container_->height(), kZoomMarginTwips * dpi / kTwipsPerInch));
}

// Closing gives the main window its commands back. A preview destroyed without closing is
// one the ending program discards, when the main state may already be gone.
frmPreView::~frmPreView() = default;

void frmPreView::ButtonSetup() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    static_cast<QVBoxLayout*>(layout())->addWidget(bar);

    QAction* pdf =
        bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("PDF"));
    pdf->setObjectName(QStringLiteral("Toolbar1_pdf"));
    pdf->setToolTip(QStringLiteral("Opslaan als PDF-bestand"));
    connect(pdf, &QAction::triggered, this, &frmPreView::savePdf);
    bar->addSeparator();
    for (int i = 0; i < 4; ++i) {
        const QString key = QString::fromLatin1(kNavButtons[i].key);
        QAction* action = bar->addAction(style()->standardIcon(kNavButtons[i].icon),
                                         QString::fromUtf8(kNavButtons[i].toolTip));
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setToolTip(QString::fromUtf8(kNavButtons[i].toolTip));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        buttons_[i] = action;
    }
    bar->addSeparator();
    cboZoom_ = new QComboBox(bar);
    cboZoom_->setObjectName(QStringLiteral("cboZoom"));
    cboZoom_->setAccessibleName(QStringLiteral("Zoom"));
    for (QStringView text : kZoomTexts)
        cboZoom_->addItem(text.toString());
    cboZoom_->setCurrentIndex(kZoom100);
    bar->addWidget(cboZoom_);
    connect(cboZoom_, &QComboBox::currentIndexChanged, this, &frmPreView::ZoomPagina);
    reachToolbar(bar);
}

void frmPreView::Toolbar1_ButtonClick(const QString& key) {
    if (page_ == 0) return;
    page_ = navigatePage(key, page_, totalPages());
    showPage();
}

// The page's picture, the caption and the buttons; then the zoom in force again.
void frmPreView::showPage() {
    const NavigationButtons b = ButtonEnabled(totalPages(), page_);
    const bool enabled[4] = {b.begin, b.terug, b.volgende, b.eind};
    for (int i = 0; i < 4; ++i)
        buttons_[i]->setEnabled(enabled[i]);
    setWindowTitle(previewCaption(page_, totalPages()));
    status_->setText(statusText());
    status_->setVisible(!status_->text().isEmpty());
    ZoomPagina(cboZoom_->currentIndex());
}

// The page is painted afresh at the resolution it is shown in, so it stays sharp at every
// zoom and on a high-density screen.
void frmPreView::ZoomPagina(int index) {
    if (page_ < 1 || page_ > totalPages()) return;
    const double dpi = logicalDpiX();
    const double pageWidth = pages_.paper.width() * dpi / kTwipsPerInch;
    const double pageHeight = pages_.paper.height() * dpi / kTwipsPerInch;
    zoom_ = zoomFactor(index, pageWidth, pageHeight, container_->width(), container_->height(),
                       kZoomMarginTwips * dpi / kTwipsPerInch);
    const double ratio = devicePixelRatioF();
    // Whole dots per inch, rounded down, so that a fitted page still fits.
    const int renderDpi = std::max(1, static_cast<int>(std::floor(dpi * zoom_ * ratio)));
    QImage image = paintPreviewPage(pages_.pages[static_cast<std::size_t>(page_ - 1)], pages_.paper,
                                    pages_.edge, renderDpi);
    image.setDevicePixelRatio(ratio);
    document_->setPixmap(QPixmap::fromImage(image));
    document_->resize(image.deviceIndependentSize().toSize());
    SizeScrolls();
}

// What the page shown does not show as chosen: tables cut at the right edge, another font.
QString frmPreView::statusText() const {
    SettingsData settings = state_.settings;
    applyPrintStartValues(settings);
    QStringList notes;
    if (!tablesFitPage(state_.reportKind, state_.sections, settings))
        notes << pageCutWarning({state_.reportKind}, settings);
    notes << fontSubstituteNote(trimmed(settings.printFontName));
    notes.removeAll(QString());
    return notes.join(QLatin1Char(' '));
}

void frmPreView::SizeScrolls() {
    const double margin = kScrollMarginTwips * logicalDpiX() / kTwipsPerInch;
    const ScrollRange h = scrollRange(container_->width(), document_->width(), margin);
    const ScrollRange v = scrollRange(container_->height(), document_->height(), margin);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    hscroll_->setVisible(h.visible);
    vscroll_->setVisible(v.visible);
    hscroll_->setRange(0, h.maximum + (v.visible ? bar : 0));
    vscroll_->setRange(0, v.maximum + (h.visible ? bar : 0));
    hscroll_->setPageStep(container_->width());
    vscroll_->setPageStep(container_->height());
    hscroll_->setSingleStep(20);
    vscroll_->setSingleStep(20);
    hscroll_->setGeometry(0, container_->height() - bar,
                          container_->width() - (v.visible ? bar : 0), bar);
    vscroll_->setGeometry(container_->width() - bar, 0, bar,
                          container_->height() - (h.visible ? bar : 0));
    hscroll_->raise();
    vscroll_->raise();
    placeDocument();
}

void frmPreView::placeDocument() {
    document_->move(hscroll_->isVisible() ? -hscroll_->value() : 0,
                    vscroll_->isVisible() ? -vscroll_->value() : 0);
}

void frmPreView::savePdf() {
    const FileDialogAnswer answer = platform_.saveFileDialog(
        fileDialogRequest(FileDialogUse::Save, session_.dialogFolder, kPdfFilter));
    if (answer.cancelled || answer.path.isEmpty()) return;
    platform_.setBusy(true);
    const PdfResult result =
        writePdf_ ? writePdf_(answer.path) : writeReportPdf(state_, answer.path);
    platform_.setBusy(false);
    if (!result.error.ok()) showPrintError(platform_, result.error);
}

void frmPreView::showPages(PreviewPages pages, std::function<PdfResult(const QString&)> writePdf) {
    pages_ = std::move(pages);
    writePdf_ = std::move(writePdf);
    page_ = 1;
    showPage();
}

void frmPreView::Form_Unload() {
    // A late zoom does nothing once the page counter is 0.
    page_ = 0;
    if (unloaded_) return;
    unloaded_ = true;
    emit unloaded();
}

void frmPreView::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QWidget::closeEvent(event);
}

// The keys work from the moment the window shows, whatever had the focus before.
void frmPreView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    container_->setFocus(Qt::OtherFocusReason);
}

void frmPreView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (cboZoom_->currentIndex() == kZoom100)
        SizeScrolls();
    else
        ZoomPagina(cboZoom_->currentIndex());
}

// The wheel scrolls the page, as in any document window.
bool frmPreView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && (watched == container_ || watched == document_)) {
        QScrollBar* bar =
            static_cast<QWheelEvent*>(event)->modifiers() & Qt::ShiftModifier ? hscroll_ : vscroll_;
        if (bar->isVisible()) QApplication::sendEvent(bar, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orv
