// CTHDCalculator: the THD of a load from a meter's readings.
#include "kivo32/harmonics/thd_calculator.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "kivo32/harmonics/harmonics_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

struct ReadingRow {
    int edit;
    int indicator;
    unsigned label;
};
constexpr std::array<ReadingRow, kTHDReadings> kRows{{
    {IDC_THD_VOLTS, IDC_THD_VOLTS_USED, IDS_THD_LABEL_VOLTS},
    {IDC_THD_AMPS, IDC_THD_AMPS_USED, IDS_THD_LABEL_AMPS},
    {IDC_THD_KW, IDC_THD_KW_USED, IDS_THD_LABEL_KW},
    {IDC_THD_KVAR, IDC_THD_KVAR_USED, IDS_THD_LABEL_KVAR},
    {IDC_THD_POWER_FACTOR, IDC_THD_POWER_FACTOR_USED, IDS_THD_LABEL_POWER_FACTOR},
}};

// An indicator shows; the user does not tick it.
QCheckBox* Indicator(QWidget* parent, int id) {
    auto* box = new QCheckBox(parent);
    platform::SetControlId(box, id);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLabel* Label(QWidget* parent, unsigned textId) {
    return new QLabel(platform::ToQString(LoadText(textId)), parent);
}

}  // namespace

CTHDCalculator::CTHDCalculator(bool modeless, QWidget* parent)
    : platform::Dialog(parent),
      modeless_(modeless),
      result_(new QLabel(this)),
      result_valid_(Indicator(this, IDC_THD_RESULT_VALID)),
      status_(new QLabel(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_THD_CALCULATOR_TITLE)));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const int row = static_cast<int>(i);
        edits_[i] = new QLineEdit(this);
        platform::SetControlId(edits_[i], kRows[i].edit);
        edits_[i]->installEventFilter(this);
        used_[i] = Indicator(this, kRows[i].indicator);
        QLabel* label = Label(this, kRows[i].label);
        label->setBuddy(edits_[i]);
        grid->addWidget(label, row, 0);
        grid->addWidget(edits_[i], row, 1);
        grid->addWidget(used_[i], row, 2);
    }
    platform::SetControlId(result_, IDC_THD_RESULT);
    platform::SetControlId(status_, IDC_THD_STATUS);
    const int resultRow = static_cast<int>(kRows.size());
    grid->addWidget(Label(this, IDS_THD_LABEL_RESULT), resultRow, 0);
    grid->addWidget(result_, resultRow, 1);
    grid->addWidget(result_valid_, resultRow, 2);
    layout->addLayout(grid);
    // Room for the longest status, so that the window keeps its size while the status changes.
    status_->setMinimumWidth(
        status_->fontMetrics().horizontalAdvance(platform::ToQString(LoadText(IDS_THD_VALID_DISTORTED))));
    layout->addWidget(status_);
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CTHDCalculator::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    Calculate();
    return result;
}

THDReadingTexts CTHDCalculator::ReadingTexts() const {
    THDReadingTexts texts;
    for (std::size_t i = 0; i < kTHDReadings; ++i) {
        texts[i] = platform::FromQString(edits_[i]->text());
    }
    return texts;
}

void CTHDCalculator::Calculate() {
    const THDCalculation calculation = CalculateFromReadings(ReadingTexts());
    for (std::size_t i = 0; i < kTHDReadings; ++i) {
        used_[i]->setChecked(calculation.used[i]);
    }
    result_->setText(QString::fromStdString(calculation.result));
    result_valid_->setChecked(calculation.valid);
    status_->setText(platform::ToQString(LoadText(calculation.statusId)));
}

void CTHDCalculator::Validate() {
    if (const unsigned missing = FirstMissingReading(ReadingTexts())) {
        status_->setText(platform::ToQString(LoadText(missing)));
        return;
    }
    Calculate();
}

bool CTHDCalculator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        Validate();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter goes on to the next control instead of closing the calculator.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return platform::Dialog::eventFilter(watched, event);
}

void CTHDCalculator::OnOK() {
    End();
}

void CTHDCalculator::OnCancel() {
    End();
}

void CTHDCalculator::End() {
    if (modeless_) {
        hide();
    } else {
        platform::Dialog::OnCancel();
    }
}
