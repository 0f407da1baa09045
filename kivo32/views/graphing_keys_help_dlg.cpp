// CGraphingKeysHelpDlg: the keys and mouse actions of the data graph, with OK.
#include "kivo32/views/graphing_keys_help_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"

CGraphingKeysHelpDlg::CGraphingKeysHelpDlg(QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle(platform::ToQString(LoadText(IDS_GRAPHING_KEYS_TITLE)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(platform::ToQString(LoadText(IDS_GRAPHING_KEYS_TEXT)), this));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(platform::ToQString(LoadText(IDS_OK)), QDialogButtonBox::AcceptRole);
    platform::SetControlId(ok, IDOK);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    layout->addWidget(buttons);
}
