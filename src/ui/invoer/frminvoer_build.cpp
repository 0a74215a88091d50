// Building the input form's controls. The content is laid out once with Qt layouts and
// then kept at its own size, so that the form can centre it.

#include "ui/invoer/frminvoer.h"
#include "ui/platform/toolbaricon.h"
#include "ui/platform/win1252guard.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {
namespace {

struct ListButton {
    const char* key;
    const char* toolTip;
    QStyle::StandardPixmap icon;
};

constexpr ListButton kListButtons[] = {
    {"Nieuw", "Nieuwe geluidsbron invoeren", QStyle::SP_FileIcon},
    {"edit", "Geluidsbron wijzigen", QStyle::SP_FileDialogDetailedView},
    {"wissen", "Geluidsbron wissen", QStyle::SP_TrashIcon},
    {"sorteren", "Lijst geluidsbronnen sorteren", QStyle::SP_ArrowDown},
    {"reselect", "Alle geluidsbronnen selecteren", QStyle::SP_DialogApplyButton},
    {"deselect", "Selectie geluidsbronnen ongedaan maken", QStyle::SP_DialogResetButton},
    {"help", "Toelichting bij invoer", QStyle::SP_MessageBoxQuestion},
};

QLabel* label(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    if (buddy) l->setBuddy(buddy);
    return l;
}

} // namespace

QLineEdit* frmInvoer::addBox(QGridLayout* grid, FieldGroup group, int index, int row, int column) {
    const FieldSpec& rule = fieldTable(group)[static_cast<std::size_t>(index)];
    auto* edit = new QLineEdit;
    edit->setObjectName(fieldName(group, index));
    edit->setProperty("fieldGroup", static_cast<int>(group));
    edit->setProperty("fieldIndex", index);
    if (rule.maxLength > 0) edit->setMaxLength(rule.maxLength);
    const QFontMetrics fm(edit->font());
    const bool numeric = rule.format[0] != 0 || rule.tag[0] != 0;
    if (numeric) {
        edit->setFixedWidth(fm.horizontalAdvance(QStringLiteral("00000,0000")) + 14);
        if (rule.format[0]) edit->setAlignment(Qt::AlignRight);
    } else if (rule.maxLength <= 10) {
        edit->setFixedWidth(fm.horizontalAdvance(QString(rule.maxLength + 1, u'0')) + 14);
    } else {
        edit->setMinimumWidth(fm.averageCharWidth() * std::min(rule.maxLength + 2, 34));
    }
    if (rule.label[0]) {
        // The counts say on a second line what they count in.
        QString text = QString::fromUtf8(rule.label);
        if (group == FieldGroup::Lijnbron && index == 2)
            text += QStringLiteral("\n(in lijnbron/rijroute)");
        if (group == FieldGroup::Mobbron && index == 1)
            text += QStringLiteral("\n(in geluidsbron)");
        grid->addWidget(label(text, edit), row, 0);
        edit->setAccessibleName(QString::fromUtf8(rule.label));
    }
    if (numeric || rule.maxLength <= 10)
        grid->addWidget(edit, row, column);
    else
        grid->addWidget(edit, row, column, 1, 4);
    if (rule.unit[0]) grid->addWidget(new QLabel(QString::fromUtf8(rule.unit)), row, column + 1);
    edit->installEventFilter(this);
    refuseOutsideWin1252(edit);
    return edit;
}

QComboBox* frmInvoer::addCombo(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    const ComboSpec* rule = comboSpec(QLatin1String(name));
    if (rule && rule->items[0]) combo->addItems(QString::fromUtf8(rule->items).split('|'));
    combo->installEventFilter(this);
    return combo;
}

QWidget* frmInvoer::buildSourceTab(SourceKind kind) {
    auto* page = new QWidget;
    auto* frame = new QGroupBox(page);
    frame->setObjectName(QStringLiteral("frmBron_%1").arg(kind));
    frmBron_[kind] = frame;
    auto* grid = new QGridLayout(frame);
    const FieldGroup group = boxGroup(kind);
    cmbBron_[kind] = addCombo(kind == LineSource ? "cmbBron_0" : "cmbBron_1", frame);
    grid->addWidget(label(QStringLiteral("Geluidsbron"), cmbBron_[kind]), 0, 0);
    grid->addWidget(cmbBron_[kind], 0, 1, 1, 4);
    const std::span<QLineEdit*> boxes = kind == LineSource ? std::span<QLineEdit*>(txtLijnbron_)
                                                           : std::span<QLineEdit*>(txtMobbron_);
    const int periodFirst = kind == LineSource ? 4 : 2;
    int row = 1;
    for (int i = 0; i < boxCount(kind); ++i) {
        if (i == periodFirst) {
            grid->addWidget(label(kind == LineSource
                                      ? QStringLiteral("Intenstiteit (vtg/periode)")
                                      : QStringLiteral("Effectieve bedrijfsduur (u)"),
                                  nullptr),
                            row + 1, 0);
            const char* periods[] = {"dag", "avond", "nacht"};
            for (int p = 0; p < kPeriods; ++p) {
                QLineEdit* edit = addBox(grid, group, i + p, row + 1, 1 + p);
                auto* heading = label(QLatin1String(periods[p]), edit);
                heading->setAlignment(Qt::AlignCenter);
                grid->addWidget(heading, row, 1 + p);
                edit->setAccessibleName(heading->text());
                boxes[static_cast<std::size_t>(i + p)] = edit;
            }
            i += kPeriods - 1;
            row += 2;
            continue;
        }
        boxes[static_cast<std::size_t>(i)] = addBox(grid, group, i, row++, 1);
    }
    for (int c = 0; c < 2; ++c) {
        const char* name = kind == LineSource ? (c == 0 ? "cmbLijnbron_0" : "cmbLijnbron_1")
                                              : (c == 0 ? "cmbMobbron_0" : "cmbMobbron_1");
        QComboBox* combo = addCombo(name, frame);
        combo->setFixedWidth(boxes[1]->width());
        (kind == LineSource ? cmbLijnbron_ : cmbMobbron_)[static_cast<std::size_t>(c)] = combo;
        grid->addWidget(label(QString::fromUtf8(comboSpec(QLatin1String(name))->label), combo), row,
                        0);
        grid->addWidget(combo, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("dB")), row++, 2);
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(5, 1);

    auto* right = new QVBoxLayout;
    toolbarLijst_[kind] = buildListToolbar(kind);
    right->addWidget(toolbarLijst_[kind]);
    auto* list = new QListWidget(page);
    list->setObjectName(QStringLiteral("lstBron_%1").arg(kind));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumWidth(QFontMetrics(list->font()).averageCharWidth() * 58);
    list->installEventFilter(this);
    lstBron_[kind] = list;
    right->addWidget(list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (kind == LineSource) {
        cmdControle_ = new QPushButton(QStringLiteral("geometrie"), page);
        cmdControle_->setObjectName(QStringLiteral("cmdControle"));
        cmdControle_->setToolTip(
            QStringLiteral("Controle geometrie rijlijn op basis van opgegeven afstanden"));
        cmdControle_->installEventFilter(this);
        connect(cmdControle_, &QPushButton::clicked, this, &frmInvoer::cmdControle_Click);
        buttons->addWidget(cmdControle_);
    }
    cmdOK_[kind] = new QPushButton(QStringLiteral("ok"), page);
    cmdOK_[kind]->setObjectName(QStringLiteral("cmdOK_%1").arg(kind));
    cmdOK_[kind]->setToolTip(QStringLiteral("Toevoegen aan lijst"));
    cmdCancel_[kind] = new QPushButton(QStringLiteral("cancel"), page);
    cmdCancel_[kind]->setObjectName(QStringLiteral("cmdCancel_%1").arg(kind));
    for (QPushButton* b : {cmdOK_[kind], cmdCancel_[kind]}) {
        b->installEventFilter(this);
        buttons->addWidget(b);
    }
    connect(cmdOK_[kind], &QPushButton::clicked, this, [this, kind] { cmdOK_Click(kind); });
    connect(cmdCancel_[kind], &QPushButton::clicked, this, [this, kind] { cmdCancel_Click(kind); });

    auto* left = new QVBoxLayout;
    left->addWidget(frame, 1);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    return page;
}

QToolBar* frmInvoer::buildListToolbar(SourceKind kind) {
    auto* bar = new QToolBar;
    bar->setObjectName(QStringLiteral("ToolbarLijst_%1").arg(kind));
    bar->setIconSize(QSize(16, 16));
    bar->addSeparator();
    for (const ListButton& b : kListButtons) {
        const QString key = QLatin1String(b.key);
        if (key == QLatin1String("help")) bar->addSeparator();
        QAction* action = bar->addAction(toolbarIcon(style(), b.icon), key);
        action->setObjectName(QStringLiteral("ToolbarLijst_%1_%2").arg(kind).arg(key));
        action->setToolTip(QString::fromUtf8(b.toolTip));
        action->setData(key);
        connect(action, &QAction::triggered, this, [this, kind, key] {
            if (key == QLatin1String("Nieuw"))
                startAdding(kind);
            else if (key == QLatin1String("edit"))
                Wijzig(kind);
            else if (key == QLatin1String("wissen"))
                Wissen(kind);
            else if (key == QLatin1String("sorteren"))
                SorTeren(kind);
            else if (key == QLatin1String("reselect"))
                lstBron_[kind]->selectAll();
            else if (key == QLatin1String("deselect")) {
                lstBron_[kind]->clearSelection();
                if (lstBron_[kind]->count() > 0) lstBron_[kind]->item(0)->setSelected(true);
            } else if (!helpText_.isEmpty()) {
                platform_.messageBox(helpText_, MsgIcon::Information, MsgButtons::Ok,
                                     QStringLiteral("Toelichting bij invoer"));
            }
        });
    }
    bar->addSeparator();
    return bar;
}

QWidget* frmInvoer::buildProjectTab() {
    auto* page = new QWidget;
    frame3_ = new QGroupBox(QStringLiteral("Project"), page);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    auto* g3 = new QGridLayout(frame3_);
    for (int i = 0; i < 4; ++i)
        txtProject_[i] = addBox(g3, FieldGroup::Project, i, i, 1);
    image1_ = new QToolButton(frame3_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setText(QStringLiteral("Kalender"));
    image1_->setToolTip(QStringLiteral("Kalender"));
    image1_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    image1_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    g3->addWidget(image1_, 1, 2);
    connect(image1_, &QToolButton::clicked, this, &frmInvoer::toggleCalendar);
    monthView1_ = new QCalendarWidget(frame3_);
    monthView1_->setObjectName(QStringLiteral("MonthView1"));
    monthView1_->setGridVisible(true);
    monthView1_->setLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
    monthView1_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QSizePolicy keep = monthView1_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    monthView1_->setSizePolicy(keep);
    g3->addWidget(monthView1_, 0, 5, 5, 1, Qt::AlignTop);
    g3->setColumnStretch(4, 1);
    g3->setRowStretch(4, 1);
    connect(monthView1_, &QCalendarWidget::clicked, this, [this](QDate date) {
        txtProject_[1]->setText(date.toString(QStringLiteral("dd-MM-yyyy")));
        monthView1_->hide();
    });

    frame4_ = new QGroupBox(QStringLiteral("Immissiepunt"), page);
    frame4_->setObjectName(QStringLiteral("Frame4"));
    auto* g4 = new QGridLayout(frame4_);
    for (int i = 0; i < 2; ++i)
        txtReken_[i] = addBox(g4, FieldGroup::Reken, i, i, 1);
    for (int c = 0; c < 2; ++c) {
        const char* name = c == 0 ? "cmbReken_0" : "cmbReken_1";
        cmbReken_[c] = addCombo(name, frame4_);
        cmbReken_[c]->setFixedWidth(txtReken_[1]->width());
        const ComboSpec* rule = comboSpec(QLatin1String(name));
        g4->addWidget(label(QString::fromUtf8(rule->label), cmbReken_[c]), 2 + c, 0);
        g4->addWidget(cmbReken_[c], 2 + c, 1);
        if (rule->unit[0]) g4->addWidget(new QLabel(QString::fromUtf8(rule->unit)), 2 + c, 2);
    }
    g4->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame3_);
    layout->addWidget(frame4_);
    layout->addStretch();
    return page;
}

void frmInvoer::ButtonSetup() {
    toolbar1_ = new QToolBar(this);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    struct Button {
        const char* key;
        const char* caption;
        const char* toolTip;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {"reken", "Bereken", "Berekening uitvoeren", QStyle::SP_MediaPlay},
        {"lijst", "Bronlijst", "Lijst geluidsbronnen", QStyle::SP_FileDialogListView},
        {"Toeslag", "Toeslag", "Bereken beoordelingsniveau met toeslag Kx", QStyle::SP_ArrowUp},
    };
    toolbar1_->addSeparator();
    for (const Button& b : buttons) {
        QAction* action =
            toolbar1_->addAction(style()->standardIcon(b.icon), QString::fromUtf8(b.caption));
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(QLatin1String(b.key)));
        action->setToolTip(QString::fromUtf8(b.toolTip));
        action->setData(QLatin1String(b.key));
        toolbar1_->addSeparator();
    }
    connect(toolbar1_->actions()[1], &QAction::triggered, this, [this] {
        AcceptProject();
        // The menu drops down from the button, as from a menu bar.
        QWidget* button = toolbar1_->widgetForAction(toolbar1_->actions()[1]);
        emit calculationMenuRequested(button ? button : this);
    });
    connect(toolbar1_->actions()[3], &QAction::triggered, this, [this] {
        if (!isSignalConnected(QMetaMethod::fromSignal(&frmInvoer::libraryEditorRequested))) return;
        emit libraryEditorRequested();
        refillLibraryLists();
    });
    connect(toolbar1_->actions()[5], &QAction::triggered, this,
            [this] { emit surchargeToolRequested(); });
}

void frmInvoer::buildForm() {
    ButtonSetup();
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("Inhoud"));
    auto* layout = new QVBoxLayout(content_);
    tabs_ = new QTabWidget(content_);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildSourceTab(LineSource), QStringLiteral("Lijnbron/Rijroute"));
    tabs_->addTab(buildSourceTab(MobileSource), QStringLiteral("Mobiele/vaste bron"));
    tabs_->addTab(buildProjectTab(), QStringLiteral("Projectgegevens"));
    layout->addWidget(tabs_);
    progress_ = new QProgressBar(content_);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    QSizePolicy keep = progress_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keep);
    layout->addWidget(progress_);
    // Measured with the style's own fonts and margins, and with the frames' captions that
    // the library choice writes, as it will be shown.
    for (QGroupBox* frame : frmBron_)
        frame->setTitle(QStringLiteral("Geluidsvermogenniveau Lw,A 000,0 dB(A)"));
    ensurePolished();
    // Both source frames as wide as the wider one, so the lists do not jump between tabs.
    const int frameWidth =
        std::max(frmBron_[0]->sizeHint().width(), frmBron_[1]->sizeHint().width());
    for (QGroupBox* frame : frmBron_)
        frame->setFixedWidth(frameWidth);
    // The layouts learn of the changes only through posted events: measure afresh now.
    for (QLayout* l : content_->findChildren<QLayout*>())
        l->invalidate();
    layout->activate();
    content_->setFixedSize(content_->sizeHint());
    for (QGroupBox* frame : frmBron_)
        frame->setTitle(QStringLiteral(" "));
    const int top = toolbar1_->sizeHint().height();
    designPos_ = QPoint(0, top);
    content_->move(designPos_);
    savedSize_ =
        QSize(std::max(content_->width(), toolbar1_->sizeHint().width()), top + content_->height());
    resize(savedSize_);
}

} // namespace orv
