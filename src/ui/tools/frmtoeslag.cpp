#include "ui/tools/frmtoeslag.h"

#include "base/numberformat.h"
#include "input/fields.h"
#include "ui/platform/uihelpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace orv {

namespace {

const char* const kPeriodTexts[] = {"Dag (07.00 u - 19.00 u)", "Avond (19.00 u - 23.00 u)",
                                    "Nacht (23.00 u - 07.00 u)"};

} // namespace

frmToeslag::frmToeslag(State& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), tool_(state),
      combo1_(new QComboBox(this)), combo2_(new QComboBox(this)), combo3_(new QComboBox(this)),
      cmdReken_(new QPushButton(QStringLiteral("LAr,LT"), this)), result_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmToeslag"));
    setWindowTitle(QStringLiteral("Bedrijfstoestand met toeslag"));
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo3_->setObjectName(QStringLiteral("Combo3"));
    cmdReken_->setObjectName(QStringLiteral("cmdReken"));
    cmdReken_->setAutoDefault(false);
    result_->setObjectName(QStringLiteral("lblResultaat"));
    result_->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("LAr,LT = 000,0 dB(A)")));

    auto* frame =
        new QGroupBox(QStringLiteral("Deelbron met  tonaal, impuls- of muziekkarakter"), this);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    auto addRow = [&](const QString& caption, QWidget* field, const QString& unit) {
        auto* label = new QLabel(caption, frame);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (!unit.isEmpty()) grid->addWidget(new QLabel(unit, frame), row, 2);
        ++row;
    };
    addRow(QStringLiteral("Etmaalperiode"), combo1_, {});
    addRow(QStringLiteral("Selecteer bron"), combo3_, {});
    addRow(QStringLiteral("Toeslag K"), combo2_, QStringLiteral("dB"));
    for (int i = 0; i < 3; ++i) {
        const FieldSpec& rule = fieldRule(FieldGroup::Toeslag, i);
        text_[i] = new QLineEdit(frame);
        text_[i]->setObjectName(fieldName(FieldGroup::Toeslag, i));
        text_[i]->setAlignment(Qt::AlignRight);
        text_[i]->installEventFilter(this);
        addRow(QString::fromUtf8(rule.label), text_[i], QString::fromUtf8(rule.unit));
    }
    grid->addWidget(cmdReken_, row, 0);
    grid->addWidget(result_, row, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    combo1_->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Sluiten"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);

    setTabOrder(combo1_, combo3_);
    setTabOrder(combo3_, combo2_);
    setTabOrder(combo2_, text_[0]);
    setTabOrder(text_[0], text_[1]);
    setTabOrder(text_[1], text_[2]);
    setTabOrder(text_[2], cmdReken_);

    Form_Load();
    connect(combo1_, &QComboBox::currentIndexChanged, this, &frmToeslag::Combo1_Click);
    connect(combo3_, &QComboBox::currentIndexChanged, this, &frmToeslag::Settings);
    connect(combo2_, &QComboBox::currentIndexChanged, this, &frmToeslag::Combo2_Click);
    connect(cmdReken_, &QPushButton::clicked, this, &frmToeslag::cmdReken_Click);
}

void frmToeslag::Form_Load() {
    refreshing_ = true;
    for (const char* text : kPeriodTexts)
        combo1_->addItem(QString::fromUtf8(text));
    for (int k : kSurchargeValues)
        combo2_->addItem(QString::number(k));
    combo3_->addItems(tool_.entries());
    combo1_->setCurrentIndex(0);
    combo3_->setCurrentIndex(tool_.preselection());
    refreshing_ = false;
    SetFieldColours(this, kLightYellow, kFieldGrey);
    Settings();
}

// The boxes from the result rows kept at opening; choosing the surcharge entry here stores
// nothing.
void frmToeslag::Settings() {
    const SurchargeBoxes boxes = tool_.refresh(combo1_->currentIndex(), combo3_->currentIndex());
    refreshing_ = true;
    text_[0]->setText(boxes.total);
    if (boxes.sourceLevel) text_[1]->setText(*boxes.sourceLevel);
    if (boxes.hours) text_[2]->setText(*boxes.hours);
    combo2_->setCurrentIndex(boxes.surchargeEntry);
    refreshing_ = false;
}

void frmToeslag::Combo1_Click() {
    if (const auto hours = tool_.clampedHours(boxValue(2), combo1_->currentIndex()))
        text_[2]->setText(*hours);
    Settings();
    result_->clear();
}

void frmToeslag::Combo2_Click() {
    if (refreshing_ || combo2_->currentIndex() < 0) return;
    tool_.store(combo3_->currentIndex(),
                kSurchargeValues[static_cast<std::size_t>(combo2_->currentIndex())]);
}

double frmToeslag::boxValue(int index) const {
    return parseNumber(text_[index]->text()).value_or(0.0);
}

void frmToeslag::cmdReken_Click() {
    for (int i = 0; i < 3; ++i)
        if (!Text_LostFocus(i)) return;
    const int k = tool_.surchargeFor(combo2_->currentIndex(), combo3_->currentIndex());
    const RatedLevel level =
        tool_.rate(boxValue(0), boxValue(1), boxValue(2), combo1_->currentIndex(), k);
    if (!level.outcome.done()) {
        platform_.messageBox(level.outcome.message, MsgIcon::Exclamation, MsgButtons::Ok,
                             QStringLiteral("Waarschuwing"));
        return;
    }
    result_->setText(ratedLevelText(level.value));
}

// Leaving a box brings it into its range and format; a box without a number keeps the focus.
bool frmToeslag::Text_LostFocus(int index) {
    QLineEdit* box = text_[index];
    const ValidateResult checked = leaveBox(FieldGroup::Toeslag, index, box->text(), {});
    box->setToolTip(checked.toolTip);
    if (!checked.accepted) {
        setFieldBackground(box, kRefusedRed);
        QTimer::singleShot(0, box, [box] { box->setFocus(Qt::OtherFocusReason); });
        return false;
    }
    box->setText(checked.text);
    setFieldBackground(box, kLightYellow);
    return true;
}

bool frmToeslag::eventFilter(QObject* watched, QEvent* event) {
    const int index = static_cast<int>(std::find(std::begin(text_), std::end(text_), watched) -
                                       std::begin(text_));
    if (event->type() == QEvent::FocusIn && index < 3) {
        text_[index]->selectAll();
    } else if (event->type() == QEvent::FocusOut && index < 3) {
        // A message box or a popup taking the focus for a moment is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Text_LostFocus(index);
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        const QString typed = key->text();
        if (index < 3 && typed.size() == 1 && typed[0].isPrint()) {
            const bool accepted = acceptsKey(fieldRule(FieldGroup::Toeslag, index), typed[0]);
            setFieldBackground(text_[index], accepted ? kLightYellow : kRefusedRed);
            return !accepted;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orv
