#include "ui/vergelijk/frmvergelijk.h"

#include "app/projectfile.h"
#include "base/helpers.h"
#include "base/numberformat.h"
#include "print/comparisonpdf.h"
#include "print/paintersurface.h"
#include "report/htmltable.h"
#include "report/limitinput.h"
#include "report/sheetcolumns.h"
#include "report/sheetexport.h"
#include "ui/platform/uihelpers.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orv {

namespace {

const QString kCaption = QStringLiteral("Varianten vergelijken");

QTableWidget* makeTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setAccessibleName(name.mid(3)); // "Perioden", "Bronnen"
    table->setTabKeyNavigation(false);     // Tab goes on to the buttons
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    return table;
}

VariantInfo infoOf(const State& state, const QString& path) {
    VariantInfo info;
    info.file = path.isEmpty() ? QStringLiteral("niet opgeslagen") : GetFileName(path);
    info.projectNumber = state.project.projectNumber.trimmed();
    info.projectName = state.project.projectName.trimmed();
    return info;
}

QString projectFolder(const Session& session, const Platform& platform) {
    if (session.projectPath.isEmpty()) return session.dialogFolder;
    return QFileInfo(QDir(platform.currentDirectory()).filePath(session.projectPath))
        .absolutePath();
}

} // namespace

frmVergelijk* frmVergelijk::open(const State& state, const Session& session, Platform& platform,
                                 PrintJob& printer, QWidget* parent) {
    FileDialogRequest request;
    request.initialFolder = projectFolder(session, platform);
    request.filter = QStringLiteral("Bestand Ornaveld (*.orv)|*.orv");
    request.fileMustExist = true;
    request.noChangeDir = true;
    const FileDialogAnswer answer = platform.openFileDialog(request);
    if (answer.cancelled || answer.path.isEmpty()) return nullptr;

    platform.setBusy(true);
    const auto other = std::make_unique<State>();
    std::copy_n(state.periodHours, kPeriods, other->periodHours);
    const FileError error = readProjectFile(answer.path, *other);
    ComparisonPrint names;
    names.a = infoOf(state, session.projectPath);
    names.b = infoOf(*other, answer.path);
    VariantLevels a, b;
    QString refusal;
    if (!error.ok()) {
        refusal = names.b.file + QStringLiteral(": Fout ") + QString::number(error.number) +
                  QStringLiteral(" - ") + error.description + QLatin1Char('.');
    } else {
        a = assessVariant(state);
        b = assessVariant(*other);
        if (!a.outcome.done())
            refusal = names.a.file + QStringLiteral(": ") + variantRefusalText(a.outcome);
        else if (!b.outcome.done())
            refusal = names.b.file + QStringLiteral(": ") + variantRefusalText(b.outcome);
    }
    platform.setBusy(false);
    if (!refusal.isEmpty()) {
        platform.messageBox(refusal, MsgIcon::Exclamation, MsgButtons::Ok,
                            QStringLiteral("Waarschuwing"));
        return nullptr;
    }
    names.a.warnings = a.outcome.warnings;
    names.b.warnings = b.outcome.warnings;
    auto* window = new frmVergelijk(std::move(a), std::move(b), names, state, session, platform,
                                    printer, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

frmVergelijk::frmVergelijk(VariantLevels a, VariantLevels b, ComparisonPrint names,
                           const State& state, const Session& session, Platform& platform,
                           PrintJob& printer, QWidget* parent)
    : QWidget(parent, Qt::Window), a_(std::move(a)), b_(std::move(b)), print_(std::move(names)),
      limits_(state.sheetLimits), state_(state), session_(session), platform_(platform),
      printer_(printer) {
    setObjectName(QStringLiteral("frmVergelijk"));
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    for (const bool isA : {true, false}) {
        auto* heading = new QLabel(variantHeading(isA, isA ? print_.a : print_.b), this);
        heading->setObjectName(isA ? QStringLiteral("lblA") : QStringLiteral("lblB"));
        heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(heading);
    }
    auto* limits = new QWidget(this);
    buildLimits(limits);
    layout->addWidget(limits);

    periods_ = makeTable(this, QStringLiteral("grdPerioden"));
    layout->addWidget(periods_);

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("&Zoek bron:"), this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("txtFilter"));
    filter_->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter_);
    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    filterRow->addStretch(2);
    layout->addLayout(filterRow);

    sources_ = makeTable(this, QStringLiteral("grdBronnen"));
    sources_->horizontalHeader()->setSectionsClickable(true);
    connect(sources_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortBy(column); });
    layout->addWidget(sources_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    orv::addButton(*buttons, this, QStringLiteral("cmdKopieren"), QStringLiteral("&Kopiëren"),
                   [this] { copy(); });
    orv::addButton(*buttons, this, QStringLiteral("cmdOpslaan"), QStringLiteral("&Opslaan als CSV"),
                   [this] { saveCsv(); });
    orv::addButton(*buttons, this, QStringLiteral("cmdAfdrukken"), QStringLiteral("&Afdrukken"),
                   [this] { printComparison(); });
    orv::addButton(*buttons, this, QStringLiteral("cmdPreview"), QStringLiteral("Afdruk&voorbeeld"),
                   [this] { preview(); });
    orv::addButton(*buttons, this, QStringLiteral("cmdPdf"), QStringLiteral("&PDF"),
                   [this] { savePdf(); });
    orv::addButton(*buttons, this, QStringLiteral("cmdSluiten"), QStringLiteral("&Sluiten"),
                   [this] { close(); });
    layout->addLayout(buttons);

    refresh();
    const QFontMetrics m = fontMetrics();
    QSize size(m.horizontalAdvance(QLatin1Char('0')) * 160, m.height() * 46);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableSize() * 95 / 100);
    resize(size);
}

void frmVergelijk::buildLimits(QWidget* box) {
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int p = 0; p < kPeriods; ++p)
        grid->addWidget(new QLabel(periodName(p), box), 0, p + 1, Qt::AlignRight);
    const QString captions[] = {QStringLiteral("Grenswaarde &LAr,LT dB(A)"),
                                QStringLiteral("Grenswaarde LA&max dB(A)")};
    for (int r = 0; r < 2; ++r) {
        auto* label = new QLabel(captions[r], box);
        grid->addWidget(label, r + 1, 0);
        for (int p = 0; p < kPeriods; ++p) {
            auto* edit = new QLineEdit(box);
            edit->setObjectName(
                (r == 0 ? QStringLiteral("txtGrens_") : QStringLiteral("txtGrensMax_")) +
                QString::number(p));
            edit->setAccessibleName(QString(captions[r]).remove(QLatin1Char('&')) +
                                    QLatin1Char(' ') + periodName(p).toLower());
            edit->setAlignment(Qt::AlignRight);
            edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
            setFieldBackground(edit, kLightYellow);
            std::optional<double>& limit = r == 0 ? limits_.rated[p] : limits_.lamax[p];
            if (limit) edit->setText(formatNumber(*limit, u"#0.0"));
            connect(edit, &QLineEdit::editingFinished, this,
                    [this, edit, &limit] { limitEdited(edit, limit); });
            (r == 0 ? limit_ : limitMax_)[p] = edit;
            grid->addWidget(edit, r + 1, p + 1);
            if (p == 0) label->setBuddy(edit);
        }
    }
    grid->setColumnStretch(kPeriods + 1, 1);
}

void frmVergelijk::limitEdited(QLineEdit* edit, std::optional<double>& limit) {
    const LimitText typed = parseLimit(edit->text());
    if (!typed.ok) {
        setFieldBackground(edit, kRefusedRed);
        return;
    }
    setFieldBackground(edit, kLightYellow);
    edit->setText(typed.value ? formatNumber(*typed.value, u"#0.0") : QString());
    if (typed.value == limit) return;
    limit = typed.value;
    refresh();
}

void frmVergelijk::refresh() {
    const Comparison comparison = compareVariants(a_, b_, limits_);
    print_.periods = comparisonPeriodTable(comparison);
    print_.sources = comparisonSourceTable(comparison);
    print_.limitsLine = comparisonLimitsLine(limits_);
    if (sortColumn_ >= 0) sortComparisonRows(print_.sources, sortColumn_, ascending_);
    fillTable(periods_, print_.periods);
    // The period table shows all its rows; the source table below takes the rest.
    int height = periods_->horizontalHeader()->height() + 2 * periods_->frameWidth();
    for (int r = 0; r < periods_->rowCount(); ++r)
        height += periods_->rowHeight(r);
    periods_->setFixedHeight(height);
    fillTable(sources_, print_.sources);
    applyFilter();
}

void frmVergelijk::fillTable(QTableWidget* table, const ComparisonTable& contents) {
    table->clear();
    table->setColumnCount(static_cast<int>(contents.header.size()));
    table->setRowCount(static_cast<int>(contents.rows.size()));
    table->setHorizontalHeaderLabels(contents.header);
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = contents.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount(); ++c) {
            const ComparisonCell& cell = row[static_cast<std::size_t>(c)];
            auto* item = new QTableWidgetItem(cell.text);
            if (cell.value || cell.missing)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (cell.change != ComparisonCell::Change::None)
                item->setForeground(cell.change == ComparisonCell::Change::Better ? kBetterGreen
                                                                                  : kWorseRed);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    auto* header = table->horizontalHeader();
    if (table == sources_) {
        header->setSortIndicatorShown(sortColumn_ >= 0);
        if (sortColumn_ >= 0)
            header->setSortIndicator(sortColumn_,
                                     ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
}

void frmVergelijk::applyFilter() {
    for (int r = 0; r < sources_->rowCount(); ++r)
        sources_->setRowHidden(
            r, !comparisonRowMatches(print_.sources.rows[static_cast<std::size_t>(r)],
                                     filter_->text()));
}

void frmVergelijk::sortBy(int column) {
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    refresh();
}

void frmVergelijk::copy() {
    const QList<QStringList> periods = comparisonTexts(print_.periods);
    const QList<QStringList> sources = comparisonTexts(print_.sources);
    auto* data = new QMimeData;
    data->setText(sheetTsv(periods) + QLatin1Char('\n') + sheetTsv(sources));
    data->setHtml(htmlTables({periods, sources}));
    QGuiApplication::clipboard()->setMimeData(data);
}

void frmVergelijk::saveCsv() {
    FileDialogRequest request;
    request.initialFolder = session_.dialogFolder;
    request.filter = QStringLiteral("CSV-bestand (*.csv)|*.csv");
    request.fileName = QStringLiteral("vergelijking.csv");
    request.noChangeDir = true;
    request.confirmOverwrite = true;
    const FileDialogAnswer answer = platform_.saveFileDialog(request);
    if (answer.cancelled || answer.path.isEmpty()) return;
    QList<QStringList> lines = comparisonTexts(print_.periods);
    lines.append(QStringList());
    lines.append(comparisonTexts(print_.sources));
    const FileError e =
        writeSheetCsv(answer.path, sheetCsv(lines, csvSeparator(decimalSeparator())));
    if (!e.ok())
        platform_.messageBox(QStringLiteral("Fout ") + QString::number(e.number) +
                                 QStringLiteral(" - ") + e.description + QLatin1Char('.'),
                             MsgIcon::Critical, MsgButtons::Ok, kCaption);
}

void frmVergelijk::printComparison() {
    const PrintDialogAnswer answer = printer_.printDialog();
    if (answer.target != PrintTarget::Printer) return;
    const PrintRender render = [this](QPagedPaintDevice& printer) {
        PainterSurface surface(printer);
        drawComparison(surface, print_, state_.settings, false);
        return surface.finish();
    };
    for (int copy = 0; copy < std::max(1, answer.copies); ++copy) {
        const FileError e = printer_.printJob(render);
        if (!e.ok()) {
            platform_.messageBox(QStringLiteral("Fout ") + QString::number(e.number) +
                                     QStringLiteral(" - ") + e.description,
                                 MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Foutmelding"));
            return;
        }
    }
}

// The report's preview window shows the comparison's pages instead; "PDF" there writes the
// comparison too.
void frmVergelijk::preview() {
    emit previewRequested({renderComparisonPreview(print_, state_.settings),
                           [print = print_, settings = state_.settings](const QString& path) {
                               return writeComparisonPdf(print, settings, path);
                           }});
}

void frmVergelijk::savePdf() {
    FileDialogRequest request;
    request.initialFolder = session_.dialogFolder;
    request.filter = QStringLiteral("PDF-bestanden (*.pdf)|*.pdf");
    request.fileName = QStringLiteral("vergelijking.pdf");
    request.noChangeDir = true;
    request.confirmOverwrite = true;
    const FileDialogAnswer answer = platform_.saveFileDialog(request);
    if (answer.cancelled || answer.path.isEmpty()) return;
    const PdfResult result = writeComparisonPdf(print_, state_.settings, answer.path);
    if (!result.error.ok())
        platform_.messageBox(QStringLiteral("Fout ") + QString::number(result.error.number) +
                                 QStringLiteral(" - ") + result.error.description,
                             MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Foutmelding"));
}

} // namespace orv
