// CModemManDialDlg: the telephone number a modem link dials.
#include "kivo32/dialogs/modem_man_dial_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>

#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CModemManDialDlg::CModemManDialDlg(std::string numberText, QWidget* parent)
    : platform::Dialog(parent), number(std::move(numberText)), number_edit_(new QLineEdit(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_MODEM_DIAL_TITLE)));
    platform::SetControlId(number_edit_, IDC_MODEM_NUMBER);
    number_edit_->setMaxLength(static_cast<int>(kNumberMax));
    auto* layout = new QFormLayout(this);
    layout->addRow(platform::ToQString(LoadText(IDS_MODEM_NUMBER_LABEL)), number_edit_);
    layout->addRow(static_cast<QWidget*>(MakeOkCancelButtons(this)));
}

void CModemManDialDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, number_edit_, number);
    if (!exchange.saving()) {
        return;
    }
    platform::ValidateMaxChars(exchange, number, kNumberMax);
    if (!exchange.failed() && number.empty()) {
        exchange.Fail(IDP_NO_MODEM_NUMBER);
    }
}
