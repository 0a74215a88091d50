#pragma once
// The calculation sheet ("Rekenblad") of the last transmission run: the limits per period
// with their margins, the table of every source and period, sortable by any column, and the
// sheet to the clipboard or to a CSV file. The sheet itself is built in the core; this window
// binds it to controls.

#include "app/session.h"
#include "base/platform.h"
#include "model/state.h"
#include "report/sheet.h"

#include <QDateTime>
#include <QWidget>

class QGridLayout;
class QLineEdit;
class QLabel;
class QTableWidget;

namespace orv {

class frmRekenblad : public QWidget {
    Q_OBJECT
public:
    // ranAt: when the run whose results stand in state was made.
    frmRekenblad(State& state, const Session& session, Platform& platform, const QDateTime& ranAt,
                 QWidget* parent = nullptr);

    // Rebuilds the sheet from the state's results and limits, keeping the chosen order.
    void refresh();

private:
    void buildLimits(QGridLayout* grid);
    void limitEdited(QLineEdit* box, std::optional<double>& limit);
    void fillPeriods();
    void fillTable();
    void sortBy(int column);
    void copy();
    void saveCsv();

    State& state_;
    const Session& session_;
    Platform& platform_;
    Sheet sheet_;
    int sortColumn_ = -1; // -1: by contribution in the decisive period
    bool ascending_ = true;
    QLineEdit* level_[kPeriods] = {};
    QLineEdit* limit_[kPeriods] = {};
    QLineEdit* margin_[kPeriods] = {};
    QLineEdit* levelMax_[kPeriods] = {};
    QLineEdit* limitMax_[kPeriods] = {};
    QLineEdit* marginMax_[kPeriods] = {};
    QLabel* decisive_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace orv
