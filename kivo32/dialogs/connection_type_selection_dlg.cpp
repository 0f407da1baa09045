// CConnectionTypeSelectionDlg: the choice of the link a logger command opens.
#include "kivo32/dialogs/connection_type_selection_dlg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"

CConnectionTypeSelectionDlg::CConnectionTypeSelectionDlg(bool modemOffered, QWidget* parent)
    : platform::Dialog(parent) {
    setWindowTitle(platform::ToQString(LoadText(IDS_CONNECTION_TYPE_TITLE)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(platform::ToQString(LoadText(IDS_CONNECTION_TYPE_PROMPT)), this));
    QPushButton* direct = AddChoice(IDS_CONNECT_DIRECT_BUTTON, IDC_CONNECT_DIRECT);
    QPushButton* modem = AddChoice(IDS_CONNECT_MODEM_BUTTON, IDC_CONNECT_MODEM);
    AddChoice(IDS_CONNECT_NETWORK_BUTTON, IDC_CONNECT_NETWORK);
    modem->setVisible(modemOffered);
    modem->setEnabled(modemOffered);
    AddChoice(IDS_CANCEL, IDCANCEL);
    direct->setDefault(true);
    direct->setFocus();
}

QPushButton* CConnectionTypeSelectionDlg::AddChoice(unsigned labelId, int id) {
    auto* button = new QPushButton(platform::ToQString(LoadText(labelId)), this);
    button->setAutoDefault(false);
    platform::SetControlId(button, id);
    connect(button, &QPushButton::clicked, this, [this, id] { EndDialog(id); });
    layout()->addWidget(button);
    return button;
}
