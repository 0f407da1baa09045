// CGetSUTTypeDlg: the model list of a new setup table, with its help box.
#include "kivo32/setupeditor/get_sut_type_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setupeditor/sut_type_help.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"
#include "shared/controls/dialog_buttons.h"

namespace {

struct ModelEntry {
    const char* name;
    int code;
};

// In the order the list shows them.
constexpr ModelEntry kModels[] = {
    {"Quarven KX", 14},
    {"Quarven RS", 13},
    {"Quarven  (4 Channel)", 2},
    {"Brelan 1 Temp / 3 Pulse", 6},
    {"Brelan 2 Temp / 2 Pulse", 3},
    {"Brelan 4 Current", 4},
    {"Brelan 4 Pulse", 5},
    {"Brelan 4 mA", 7},
    {"Brelan 4 Vdc", 8},
    {"Brelan 1 Pulse 3 Vdc", 9},
    {"Brelan 4 Temp", 10},
};

int g_last_chosen_model = -1;

}  // namespace

CGetSUTTypeDlg::CGetSUTTypeDlg(QWidget* parent)
    : platform::Dialog(parent),
      list_(new QComboBox(this)),
      help_(new QPushButton(platform::ToQString(LoadText(IDS_HELP)), this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_SUT_TYPE_TITLE)));
    platform::SetControlId(list_, IDC_SUT_TYPE_LIST);
    platform::SetControlId(help_, IDC_SUT_TYPE_HELP);
    for (const ModelEntry& model : kModels) {
        list_->addItem(platform::ToQString(model.name), model.code);
    }
    auto* label = new QLabel(platform::ToQString(LoadText(IDS_SUT_TYPE_LABEL)), this);
    label->setBuddy(list_);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    buttons->addButton(help_, QDialogButtonBox::HelpRole);
    connect(help_, &QPushButton::clicked, this, [this] {
        CSUTTypeHelp help(this);
        help.DoModal();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

int CGetSUTTypeDlg::GetLastChosenModel() {
    return g_last_chosen_model;
}

void CGetSUTTypeDlg::SetLastChosenModel(int model) {
    g_last_chosen_model = model;
}

bool CGetSUTTypeDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    list_->setCurrentIndex(std::max(0, list_->findData(g_last_chosen_model)));
    return true;
}

void CGetSUTTypeDlg::OnOK() {
    model_code_ = list_->currentData().toInt();
    g_last_chosen_model = model_code_;
    EndDialog(IDOK);
}
