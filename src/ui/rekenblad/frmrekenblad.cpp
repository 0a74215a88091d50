#include "ui/rekenblad/frmrekenblad.h"

#include "base/numberformat.h"
#include "report/htmltable.h"
#include "report/limitinput.h"
#include "report/runowner.h"
#include "report/sheetcolumns.h"
#include "report/sheetexport.h"
#include "ui/platform/uihelpers.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orv {

namespace {

QLineEdit* field(QWidget* parent, const QString& name, bool input) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(!input);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    setFieldBackground(box, input ? kLightYellow : kFieldGrey);
    return box;
}

QString levelText(double level) {
    return level == 0 ? QStringLiteral("---") : formatNumber(level, u"#0.0");
}

void showMargin(QLineEdit* box, const std::optional<double>& margin) {
    box->setText(margin ? formatNumber(*margin, u"#0.0") : QString());
    // Red where the level exceeds the limit.
    setFieldBackground(box, margin && *margin < 0 ? kRefusedRed : kFieldGrey);
}

} // namespace

frmRekenblad::frmRekenblad(State& state, const Session& session, Platform& platform,
                           const QDateTime& ranAt, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), session_(session), platform_(platform) {
    setObjectName(QStringLiteral("frmRekenblad"));
    setWindowTitle(QStringLiteral("Rekenblad"));
    auto* layout = new QVBoxLayout(this);
    auto* owner = new QLabel(sheetOwnerText(state_, ranAt), this);
    owner->setObjectName(QStringLiteral("lblProject"));
    layout->addWidget(owner);
    auto* grid = new QGridLayout;
    buildLimits(grid);
    auto* top = new QHBoxLayout;
    top->addLayout(grid);
    top->addStretch(1);
    layout->addLayout(top);

    decisive_ = new QLabel(this);
    decisive_->setObjectName(QStringLiteral("lblMaatgevend"));
    layout->addWidget(decisive_);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("grdRekenblad"));
    table_->setAccessibleName(QStringLiteral("Rekenblad"));
    table_->setTabKeyNavigation(false); // Tab goes on to the buttons
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionsClickable(true);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortBy(column); });
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    orv::addButton(*buttons, this, QStringLiteral("cmdKopieren"), QStringLiteral("&Kopiëren"),
                   [this] { copy(); });
    orv::addButton(*buttons, this, QStringLiteral("cmdOpslaan"), QStringLiteral("&Opslaan als CSV"),
                   [this] { saveCsv(); });
    orv::addButton(*buttons, this, QStringLiteral("cmdSluiten"), QStringLiteral("&Sluiten"),
                   [this] { close(); });
    layout->addLayout(buttons);

    const QFontMetrics m = fontMetrics();
    QSize size(m.horizontalAdvance(QLatin1Char('0')) * 150, m.height() * 48);
    // On a small screen the buttons stay on it; the table scrolls instead.
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
    refresh();
}

void frmRekenblad::buildLimits(QGridLayout* grid) {
    const QString headings[] = {QStringLiteral("LAr,LT dB(A)"),
                                QStringLiteral("Grenswaarde LAr,LT"),
                                QStringLiteral("Marge"),
                                QStringLiteral("LAmax dB(A)"),
                                QStringLiteral("Grenswaarde LAmax"),
                                QStringLiteral("Marge LAmax")};
    for (int c = 0; c < 6; ++c)
        grid->addWidget(new QLabel(headings[c], this), 0, c + 1, Qt::AlignRight);
    for (int p = 0; p < kPeriods; ++p) {
        const QString n = QString::number(p);
        auto* label = new QLabel(periodName(p), this);
        grid->addWidget(label, p + 1, 0);
        level_[p] = field(this, QStringLiteral("txtNiveau_") + n, false);
        limit_[p] = field(this, QStringLiteral("txtGrens_") + n, true);
        margin_[p] = field(this, QStringLiteral("txtMarge_") + n, false);
        levelMax_[p] = field(this, QStringLiteral("txtNiveauMax_") + n, false);
        limitMax_[p] = field(this, QStringLiteral("txtGrensMax_") + n, true);
        marginMax_[p] = field(this, QStringLiteral("txtMargeMax_") + n, false);
        label->setBuddy(limit_[p]);
        QLineEdit* row[] = {level_[p],    limit_[p],    margin_[p],
                            levelMax_[p], limitMax_[p], marginMax_[p]};
        for (int c = 0; c < 6; ++c) {
            row[c]->setAccessibleName(headings[c] + QLatin1Char(' ') + periodName(p).toLower());
            grid->addWidget(row[c], p + 1, c + 1);
        }
        const auto& rated = state_.sheetLimits.rated[p];
        const auto& lamax = state_.sheetLimits.lamax[p];
        limit_[p]->setText(rated ? formatNumber(*rated, u"#0.0") : QString());
        limitMax_[p]->setText(lamax ? formatNumber(*lamax, u"#0.0") : QString());
        connect(limit_[p], &QLineEdit::editingFinished, this,
                [this, p] { limitEdited(limit_[p], state_.sheetLimits.rated[p]); });
        connect(limitMax_[p], &QLineEdit::editingFinished, this,
                [this, p] { limitEdited(limitMax_[p], state_.sheetLimits.lamax[p]); });
    }
}

void frmRekenblad::limitEdited(QLineEdit* box, std::optional<double>& limit) {
    const LimitText typed = parseLimit(box->text());
    if (!typed.ok) {
        // The box keeps what was typed, so nothing may still be worked out from the limit
        // it replaced: the period has no limit until a valid one is typed.
        setFieldBackground(box, kRefusedRed);
        if (!limit) return;
        limit.reset();
        refresh();
        return;
    }
    setFieldBackground(box, kLightYellow);
    box->setText(typed.value ? formatNumber(*typed.value, u"#0.0") : QString());
    if (typed.value == limit) return;
    limit = typed.value;
    refresh();
}

void frmRekenblad::refresh() {
    sheet_ = buildSheet(state_, state_.sheetLimits);
    if (sortColumn_ >= 0)
        sortSheetRows(sheet_.rows, static_cast<SheetColumn>(sortColumn_), ascending_);
    fillPeriods();
    fillTable();
}

void frmRekenblad::fillPeriods() {
    for (int p = 0; p < kPeriods; ++p) {
        const SheetPeriod& period = sheet_.periods[p];
        level_[p]->setText(levelText(period.ratedLevel));
        levelMax_[p]->setText(levelText(period.lamax));
        showMargin(margin_[p], period.margin);
        showMargin(marginMax_[p], period.lamaxMargin);
    }
    decisive_->setText(QStringLiteral("Maatgevende periode: ") +
                       periodName(sheet_.decisivePeriod).toLower() +
                       QStringLiteral(" (Letmaal = ") + formatNumber(state_.letmaal, u"#0.0") +
                       QStringLiteral(" dB(A))"));
}

void frmRekenblad::fillTable() {
    table_->clear();
    table_->setColumnCount(kSheetColumns);
    table_->setRowCount(static_cast<int>(sheet_.rows.size()));
    QStringList captions;
    for (int c = 0; c < kSheetColumns; ++c)
        captions.append(sheetCaption(static_cast<SheetColumn>(c)));
    table_->setHorizontalHeaderLabels(captions);
    for (int r = 0; r < table_->rowCount(); ++r) {
        for (int c = 0; c < kSheetColumns; ++c) {
            const SheetCell cell =
                sheetCell(sheet_.rows[static_cast<std::size_t>(r)], static_cast<SheetColumn>(c));
            auto* item = new QTableWidgetItem(cell.text);
            item->setToolTip(cell.tooltip);
            if (cell.type != SheetCell::Type::Text)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    auto* header = table_->horizontalHeader();
    // Room for the sort arrow, which the fitted width leaves out.
    for (int c = 0; c < kSheetColumns; ++c)
        header->resizeSection(c, header->sectionSize(c) + fontMetrics().height());
    header->setSortIndicatorShown(sortColumn_ >= 0);
    if (sortColumn_ >= 0)
        header->setSortIndicator(sortColumn_,
                                 ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void frmRekenblad::sortBy(int column) {
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    sortSheetRows(sheet_.rows, static_cast<SheetColumn>(column), ascending_);
    fillTable();
}

void frmRekenblad::copy() {
    // Tab-separated text for a spreadsheet, a real table for a word processor.
    const QList<QStringList> table = sheetTable(sheet_);
    auto* data = new QMimeData;
    data->setText(sheetTsv(table));
    data->setHtml(htmlTables({table}));
    QGuiApplication::clipboard()->setMimeData(data);
}

void frmRekenblad::saveCsv() {
    const FileDialogAnswer answer = platform_.saveFileDialog(fileDialogRequest(
        FileDialogUse::Save, session_.dialogFolder, QStringLiteral("CSV-bestand (*.csv)|*.csv"),
        QStringLiteral("rekenblad.csv")));
    if (answer.cancelled || answer.path.isEmpty()) return;
    const QByteArray csv = sheetCsv(sheetTable(sheet_), csvSeparator(decimalSeparator()));
    const FileError e = writeSheetCsv(answer.path, csv);
    if (!e.ok())
        platform_.messageBox(sheetSaveErrorText(e), MsgIcon::Critical, MsgButtons::Ok,
                             QStringLiteral("Rekenblad"));
}

} // namespace orv
