// CLoggerAlarmsDlg: the alarm dialog of the setup form.
#include "kivo32/setupeditor/logger_alarms_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <limits>

#include "kivo32/setupeditor/form_controls.h"
#include "kivo32/setupeditor/setup_form_exchange.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/controls/dialog_buttons.h"

namespace {

constexpr int kEditLimit = 35;

// An edit left empty shows "0".
class ZeroWhenEmptyEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        if (text().isEmpty()) {
            setText("0");
        }
        QLineEdit::focusOutEvent(event);
    }
};

}  // namespace

CLoggerAlarmsDlg::CLoggerAlarmsDlg(const AlarmDialogValues& values, const std::string& title, bool countMode,
                                   QWidget* parent)
    : platform::Dialog(parent),
      values_(values),
      count_mode_(countMode),
      high_on_(WithId(new QCheckBox(TextOf(IDS_ALARM_HIGH_ON), this), IDC_ALARM_HIGH_ON)),
      low_on_(WithId(new QCheckBox(TextOf(IDS_ALARM_LOW_ON), this), IDC_ALARM_LOW_ON)),
      low_label_(WithId(new QLabel(TextOf(IDS_ALARM_LOW_LIMIT), this), IDC_ALARM_LOW_LABEL)),
      high_label_(WithId(new QLabel(TextOf(IDS_ALARM_HIGH_LIMIT), this), IDC_ALARM_HIGH_LABEL)),
      count_label_(WithId(new QLabel(TextOf(IDS_ALARM_COUNT), this), IDC_ALARM_COUNT_LABEL)),
      low_edit_(WithId(new ZeroWhenEmptyEdit(this), IDC_ALARM_LOW)),
      high_edit_(WithId(new ZeroWhenEmptyEdit(this), IDC_ALARM_HIGH)) {
    setWindowTitle(platform::ToQString(title));
    auto* grid = new QGridLayout(this);
    grid->addWidget(high_on_, 0, 0, 1, 2);
    grid->addWidget(high_label_, 1, 0);
    grid->addWidget(high_edit_, 1, 1);
    grid->addWidget(count_label_, 1, 2);
    grid->addWidget(low_on_, 2, 0, 1, 2);
    grid->addWidget(low_label_, 3, 0);
    grid->addWidget(low_edit_, 3, 1);
    grid->addWidget(MakeOkCancelButtons(this), 4, 0, 1, 3);
    connect(high_on_, &QCheckBox::toggled, this, &CLoggerAlarmsDlg::EnableHigh);
    connect(low_on_, &QCheckBox::toggled, this, &CLoggerAlarmsDlg::EnableLow);
}

bool CLoggerAlarmsDlg::OnInitDialog() {
    if (count_mode_) {
        values_.lowOn = false;
    }
    const bool result = platform::Dialog::OnInitDialog();
    for (QWidget* low : std::initializer_list<QWidget*>{low_on_, low_label_, low_edit_}) {
        low->setVisible(!count_mode_);
    }
    low_on_->setEnabled(!count_mode_);
    count_label_->setVisible(count_mode_);
    high_label_->setVisible(!count_mode_);
    EnableLow(values_.lowOn);
    EnableHigh(values_.highOn);
    high_edit_->setMaxLength(kEditLimit);
    if (!count_mode_) {
        low_edit_->setMaxLength(kEditLimit);
    }
    return result;
}

void CLoggerAlarmsDlg::EnableHigh(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{high_label_, high_edit_, count_label_}) {
        control->setEnabled(on);
    }
}

void CLoggerAlarmsDlg::EnableLow(bool on) {
    low_label_->setEnabled(on);
    low_edit_->setEnabled(on);
}

void CLoggerAlarmsDlg::DoDataExchange(platform::DataExchange& exchange) {
    int high = values_.highOn ? 1 : 0;
    int low = values_.lowOn ? 1 : 0;
    platform::ExchangeCheck(exchange, high_on_, high);
    platform::ExchangeCheck(exchange, low_on_, low);
    values_.highOn = high != 0;
    values_.lowOn = low != 0 && !count_mode_;
    if (count_mode_) {
        double count = values_.count;
        if (!exchange.saving()) {
            high_edit_->setText(QString::number(values_.count));
            return;
        }
        platform::ExchangeDouble(exchange, high_edit_, count);
        if (!exchange.failed() && count != static_cast<double>(static_cast<std::uint64_t>(count))) {
            exchange.Fail(AFX_IDP_PARSE_INT);
        }
        platform::ValidateRange(exchange, count, 0.0,
                                static_cast<double>(std::numeric_limits<std::uint32_t>::max()));
        if (!exchange.failed()) {
            values_.count = static_cast<std::uint32_t>(count);
        }
        return;
    }
    const FieldRange range{-kAlarmLimit, kAlarmLimit};
    ExchangeDoubleInRange(exchange, high_edit_, values_.high, range);
    ExchangeDoubleInRange(exchange, low_edit_, values_.low, range);
}
