#pragma once
// The input form: the project tab and the two source tabs with their lists. It binds the
// input logic (field table, commit, list operations, centring) to controls named as the
// program names them ("txtLijnbron_3", "cmbBron_0", "lstBron_1", ...). The tools it opens
// belong to other windows: it asks for them with its signals.

#include "app/geometryfields.h"
#include "app/mainview.h"
#include "app/session.h"
#include "base/platform.h"
#include "input/commit.h"
#include "input/fields.h"
#include "model/state.h"

#include <array>
#include <QWidget>

class QAction;
class QCalendarWidget;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace orv {

class frmInvoer : public QWidget {
    Q_OBJECT
public:
    // view receives the status texts (panel 2); the caption names the session's open file.
    frmInvoer(State& state, const Session& session, Platform& platform, MainView* view,
              QWidget* parent = nullptr);
    ~frmInvoer() override;

    // The project tab into the project record.
    void AcceptProject();
    // After the library changed: both library lists refilled, the placeholder shown, and
    // the source selected in each list shown again.
    void refillLibraryLists();

    QString helpText() const { return helpText_; }
    QSize sizeHint() const override { return savedSize_; }

    // The operations behind the list toolbar and the buttons, by kind.
    void startAdding(SourceKind kind);
    void Wijzig(SourceKind kind);
    void Wissen(SourceKind kind);
    void SorTeren(SourceKind kind);
    void cmdOK_Click(SourceKind kind);
    void cmdCancel_Click(SourceKind kind);
    void UnlockFields(SourceKind kind);
    void LockFields(SourceKind kind);

signals:
    // "reken": the calculation menu, to drop down under the button.
    void calculationMenuRequested(QWidget* button);
    // "lijst": the library editor, modal; the form refills its library lists afterwards.
    void libraryEditorRequested();
    // "Toeslag": the surcharge tool, modal.
    void surchargeToolRequested();
    // "geometrie": the line source's boxes accepted, their geometry test to show.
    void geometryRequested(const orv::BoxesGeometry& run);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildForm();
    QWidget* buildSourceTab(SourceKind kind);
    QWidget* buildProjectTab();
    QLineEdit* addBox(QGridLayout* grid, FieldGroup group, int index, int row, int column);
    QComboBox* addCombo(const char* name, QWidget* parent);
    void ButtonSetup();
    QToolBar* buildListToolbar(SourceKind kind);
    void SetUpForm();
    void Reset();
    void fillList(SourceKind kind);
    void showProject();

    QLineEdit* box(FieldGroup group, int index) const;
    QLineEdit* sourceBox(SourceKind kind, int index) const;
    std::array<QComboBox*, 2> kindCombos(SourceKind kind) const;
    SourceTexts sourceTexts(SourceKind kind) const;
    void setSourceTexts(SourceKind kind, const SourceTexts& texts);
    void setLibraryChoice(SourceKind kind, const QString& name);
    void showCurrent(SourceKind kind);
    void cmbBron_Click(SourceKind kind);
    void SSTab1_Click(int tab);
    void repaintFields();
    QColor enabledColour() const;
    std::vector<int> selectedRows(SourceKind kind) const;
    void closeForm();
    // Today as "dd-mm-yyyy": what an empty date becomes.
    QString today() const { return session_.todayText; }

    void fieldFocusIn(QWidget* field);
    void fieldLeft(QLineEdit* box);
    bool fieldKey(QWidget* field, QKeyEvent* key);
    void setStatus(const QString& status, const QString& help);
    void toggleCalendar();
    void cmdControle_Click();
    void refuseBox(QLineEdit* box, const QString& toolTip);

    State& state_;
    const Session& session_;
    Platform& platform_;
    MainView* view_;

    QToolBar* toolbar1_ = nullptr;
    QWidget* content_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::array<QGroupBox*, 2> frmBron_{};
    std::array<QListWidget*, 2> lstBron_{};
    std::array<QToolBar*, 2> toolbarLijst_{};
    std::array<QComboBox*, 2> cmbBron_{};
    std::array<QComboBox*, 2> cmbLijnbron_{};
    std::array<QComboBox*, 2> cmbMobbron_{};
    std::array<QComboBox*, 2> cmbReken_{};
    std::array<QPushButton*, 2> cmdOK_{};
    std::array<QPushButton*, 2> cmdCancel_{};
    QPushButton* cmdControle_ = nullptr;
    std::array<QLineEdit*, 10> txtLijnbron_{};
    std::array<QLineEdit*, 8> txtMobbron_{};
    std::array<QLineEdit*, 4> txtProject_{};
    std::array<QLineEdit*, 2> txtReken_{};
    QGroupBox* frame3_ = nullptr;
    QGroupBox* frame4_ = nullptr;
    QToolButton* image1_ = nullptr;
    QCalendarWidget* monthView1_ = nullptr;

    int currentSourceNo_ = 0;
    int selectedCount_ = 0;
    EditMode editMode_ = EditMode::Add;
    QString helpText_;
    QSize savedSize_;
    QPoint designPos_;
    bool closing_ = false;
};

} // namespace orv
