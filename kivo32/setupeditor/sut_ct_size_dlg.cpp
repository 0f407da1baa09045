// CSUTCTSizeDlg: asks for the size of a channel's current transformer.
#include "kivo32/setupeditor/sut_ct_size_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/setupeditor/ct_size_check.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box_flags.h"
#include "shared/common/program_texts.h"

CSUTCTSizeDlg::CSUTCTSizeDlg(QWidget* parent) : platform::Dialog(parent), size_edit_(new QLineEdit(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_CT_SIZE_TITLE)));
    platform::SetControlId(size_edit_, IDC_CT_SIZE);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(platform::ToQString(LoadText(IDS_OK)), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(platform::ToQString(LoadText(IDS_CANCEL)), QDialogButtonBox::RejectRole);
    platform::SetControlId(ok, IDOK);
    platform::SetControlId(cancel, IDCANCEL);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSUTCTSizeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSUTCTSizeDlg::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(platform::ToQString(LoadText(IDS_CT_SIZE_LABEL)), size_edit_);
    layout->addRow(buttons);
}

void CSUTCTSizeDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, size_edit_, size_text_);
    ValidateCTSize(exchange, size_text_, size_);
}
