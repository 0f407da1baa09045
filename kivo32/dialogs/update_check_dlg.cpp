// The update check's result dialog.
#include "kivo32/dialogs/update_check_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kivo32/update/update_ids.h"
#include "kivo32/update/version_check.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

// The controls with tool tips, and their tips.
constexpr int kTipControls[] = {CUpdateCheckDlg::IDC_UPDATE_THIS_VERSION,
                                CUpdateCheckDlg::IDC_UPDATE_LATEST_APP,
                                CUpdateCheckDlg::IDC_UPDATE_APP_MESSAGE,
                                CUpdateCheckDlg::IDC_UPDATE_APP_DOWNLOAD,
                                CUpdateCheckDlg::IDC_UPDATE_DEVICE_VERSION,
                                CUpdateCheckDlg::IDC_UPDATE_LATEST_DEVICE,
                                CUpdateCheckDlg::IDC_UPDATE_DEVICE_MESSAGE,
                                CUpdateCheckDlg::IDC_UPDATE_DEVICE_DOWNLOAD,
                                IDOK,
                                0};
constexpr ToolTipTexts kTips[] = {{IDS_VC_TIP_THIS_VERSION, 0},
                                  {IDS_VC_TIP_LATEST_APP, 0},
                                  {IDS_VC_TIP_APP_MESSAGE, 0},
                                  {IDS_VC_TIP_DOWNLOAD, 0},
                                  {IDS_VC_TIP_DEVICE_VERSION, 0},
                                  {IDS_VC_TIP_LATEST_DEVICE, 0},
                                  {IDS_VC_TIP_DEVICE_MESSAGE, 0},
                                  {IDS_VC_TIP_DOWNLOAD, 0},
                                  {IDS_VC_TIP_OK, 0},
                                  {0, 0}};

// A text of the dialog with its control id (0 for none).
QLabel* AddText(QGridLayout* grid, int row, int column, const std::string& text, int id, QWidget* parent) {
    auto* label = new QLabel(platform::ToQString(text), parent);
    label->setWordWrap(true);
    if (id != 0) {
        platform::SetControlId(label, id);
    }
    grid->addWidget(label, row, column);
    return label;
}

QPushButton* AddDownloadButton(QGridLayout* grid, int row, int id, bool shown, QWidget* parent) {
    auto* button = new QPushButton(platform::ToQString(LoadText(IDS_VC_DOWNLOAD_BUTTON)), parent);
    platform::SetControlId(button, id);
    button->setAutoDefault(false);
    button->setVisible(shown);
    grid->addWidget(button, row, 5);
    return button;
}

}  // namespace

CUpdateCheckDlg::CUpdateCheckDlg(Findings findings, QWidget* parent)
    : platform::Dialog(parent), findings_(std::move(findings)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_VC_DIALOG_TITLE)));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const std::string installed = LoadText(IDS_VC_INSTALLED_LABEL);
    const std::string published = LoadText(IDS_VC_PUBLISHED_LABEL);

    grid->addWidget(new QLabel(platform::ToQString(LoadText(IDS_VC_PROGRAM_ROW)), this), 0, 0);
    AddText(grid, 0, 1, installed, 0, this);
    AddText(grid, 0, 2, findings_.thisVersion, IDC_UPDATE_THIS_VERSION, this);
    AddText(grid, 1, 1, published, 0, this);
    AddText(grid, 1, 2, findings_.latestApp, IDC_UPDATE_LATEST_APP, this);
    AddText(grid, 0, 3, findings_.appNewer ? findings_.appMessage : LoadText(IDS_VC_UP_TO_DATE),
            IDC_UPDATE_APP_MESSAGE, this);
    connect(AddDownloadButton(grid, 0, IDC_UPDATE_APP_DOWNLOAD, findings_.appNewer, this),
            &QPushButton::clicked, this, [this] { OnAppDownload(); });

    AddText(grid, 2, 0, findings_.deviceLabel, IDC_UPDATE_DEVICE_LABEL, this);
    AddText(grid, 2, 1, installed, 0, this);
    AddText(grid, 2, 2, findings_.deviceVersion, IDC_UPDATE_DEVICE_VERSION, this);
    AddText(grid, 3, 1, published, 0, this);
    AddText(grid, 3, 2, findings_.latestDevice, IDC_UPDATE_LATEST_DEVICE, this);
    AddText(grid, 2, 3, findings_.deviceMessage, IDC_UPDATE_DEVICE_MESSAGE, this);
    connect(AddDownloadButton(grid, 2, IDC_UPDATE_DEVICE_DOWNLOAD, findings_.deviceNewer, this),
            &QPushButton::clicked, this, [this] { OnDeviceDownload(); });

    layout->addWidget(MakeOkCancelButtons(this, false));
    tool_tips_.Create(this, kTipControls, kTips);
}

void CUpdateCheckDlg::OnAppDownload() {
    if (findings_.appFile) {
        EndDialog(IDC_VC_DOWNLOAD_INSTALLER);
    } else {
        platform::CurrentDesktopServices().OpenUrl(findings_.appAddress);
    }
}

void CUpdateCheckDlg::OnDeviceDownload() {
    if (!findings_.deviceFile) {
        platform::CurrentDesktopServices().OpenUrl(findings_.deviceAddress);
    } else {
        EndDialog(findings_.deviceLabel == CVersionCheck::kModuleModel ? IDC_VC_DOWNLOAD_MODULE_FIRMWARE
                                                                       : IDC_VC_DOWNLOAD_LOGGER_FIRMWARE);
    }
}
