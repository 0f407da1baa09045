// CSUTCTSizeDlg: asks for the size of a channel's current transformer.
#include "kivo32/setupeditor/sut_ct_size_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>

#include "kivo32/setupeditor/ct_size_check.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CSUTCTSizeDlg::CSUTCTSizeDlg(QWidget* parent) : platform::Dialog(parent), size_edit_(new QLineEdit(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_CT_SIZE_TITLE)));
    platform::SetControlId(size_edit_, IDC_CT_SIZE);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QFormLayout(this);
    layout->addRow(platform::ToQString(LoadText(IDS_CT_SIZE_LABEL)), size_edit_);
    layout->addRow(buttons);
}

void CSUTCTSizeDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, size_edit_, size_text_);
    ValidateCTSize(exchange, size_text_, size_);
}
