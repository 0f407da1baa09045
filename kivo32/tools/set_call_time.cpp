// CSetCallTime: the time of one call and whether to call at all.
#include "kivo32/tools/set_call_time.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>

#include "kivo32/tools/call_time_fields.h"
#include "kivo32/tools/schedule_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CSetCallTime::CSetCallTime(int hourValue, int minuteValue, int choiceValue, QWidget* parent)
    : platform::Dialog(parent),
      hour(hourValue),
      minute(minuteValue),
      choice(choiceValue),
      time_(new CCallTimeFields(this, IDC_CALL_HOUR, IDC_CALL_MINUTE, IDC_CALL_SPIN)),
      call_(new QRadioButton(platform::ToQString(LoadText(IDS_CALL_AT_TIME)), this)),
      no_call_(new QRadioButton(platform::ToQString(LoadText(IDS_CALL_NOT)), this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_CALL_TIME_TITLE)));
    platform::SetControlId(call_, IDC_CALL_AT_TIME);
    platform::SetControlId(no_call_, IDC_CALL_NOT);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(time_->Hour());
    timeRow->addWidget(time_->Minute());
    timeRow->addWidget(time_->Spin());
    timeRow->addStretch();
    auto* layout = new QFormLayout(this);
    layout->addRow(platform::ToQString(LoadText(IDS_CALL_TIME_LABEL)), timeRow);
    layout->addRow(call_);
    layout->addRow(no_call_);
    layout->addRow(static_cast<QWidget*>(MakeOkCancelButtons(this)));
}

void CSetCallTime::DoDataExchange(platform::DataExchange& exchange) {
    if (!exchange.saving()) {
        time_->SetTime(hour, minute);
    }
    platform::ExchangeRadio(exchange, {call_, no_call_}, choice);
    if (exchange.saving()) {
        hour = time_->HourValue() > 23 ? 0 : time_->HourValue();
        minute = time_->MinuteValue() > 59 ? 0 : time_->MinuteValue();
    }
}
