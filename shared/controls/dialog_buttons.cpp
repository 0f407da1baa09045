// The OK and Cancel buttons that the program's dialogs end with, and the Close button.
#include "shared/controls/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"

QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog, bool withCancel) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(platform::ToQString(LoadText(IDS_OK)), QDialogButtonBox::AcceptRole);
    platform::SetControlId(ok, IDOK);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    if (withCancel) {
        QPushButton* cancel =
            buttons->addButton(platform::ToQString(LoadText(IDS_CANCEL)), QDialogButtonBox::RejectRole);
        platform::SetControlId(cancel, IDCANCEL);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    }
    return buttons;
}

QDialogButtonBox* MakeCloseButton(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* close =
        buttons->addButton(platform::ToQString(LoadText(IDS_CLOSE)), QDialogButtonBox::RejectRole);
    platform::SetControlId(close, IDCANCEL);
    close->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}
