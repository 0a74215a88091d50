#pragma once
// "Varianten vergelijken": the open project (A) beside another project file (B). The period
// table with the limits, the source table with a filter and sortable columns, and the
// tables to the clipboard, a CSV file, the printer or a PDF. The comparison itself is built
// in the core; this window binds it to controls.

#include "app/session.h"
#include "base/platform.h"
#include "base/printjob.h"
#include "calc/variants.h"
#include "model/state.h"
#include "print/pdfreport.h"
#include "print/previewsurface.h"
#include "report/comparisonpages.h"

#include <functional>

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace orv {

// What the print preview shows for a comparison: its pages, and how its "PDF" writes them.
struct ComparisonPreview {
    PreviewPages pages;
    std::function<PdfResult(const QString&)> writePdf;
};

class frmVergelijk : public QWidget {
    Q_OBJECT
public:
    // a and b are the runs of both projects; limits start as the calculation sheet's.
    frmVergelijk(VariantLevels a, VariantLevels b, ComparisonPrint names, const State& state,
                 const Session& session, Platform& platform, PrintJob& printer,
                 QWidget* parent = nullptr);

    // Asks for the other project file (starting in the open project's folder), runs both and
    // shows the window; a failed read or run is reported and nothing opens.
    static frmVergelijk* open(const State& state, const Session& session, Platform& platform,
                              PrintJob& printer, QWidget* parent);

signals:
    // "Afdrukvoorbeeld": the comparison's pages, for the print preview window.
    void previewRequested(const orv::ComparisonPreview& preview);

private:
    void buildLimits(QWidget* box);
    void limitEdited(QLineEdit* edit, std::optional<double>& limit);
    void refresh();
    void fillTable(QTableWidget* table, const ComparisonTable& contents);
    void applyFilter();
    void sortBy(int column);
    void copy();
    void saveCsv();
    void printComparison();
    void preview();
    void savePdf();

    VariantLevels a_, b_;
    ComparisonPrint print_;
    SheetLimits limits_;
    const State& state_;
    const Session& session_;
    Platform& platform_;
    PrintJob& printer_;
    int sortColumn_ = -1; // -1: by the largest change
    bool ascending_ = true;
    QLineEdit* limit_[kPeriods] = {};
    QLineEdit* limitMax_[kPeriods] = {};
    QLineEdit* filter_ = nullptr;
    QTableWidget* periods_ = nullptr;
    QTableWidget* sources_ = nullptr;
};

} // namespace orv
