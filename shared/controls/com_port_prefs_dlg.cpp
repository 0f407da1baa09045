// CCOMPortPrefsDlg: the check list of serial ports with its move, remove and help buttons.
#include "shared/controls/com_port_prefs_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/tool_tip_delay.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/controls/controls_ids.h"
#include "shared/link/enum_serial_ports.h"
#include "shared/link/link_ids.h"
#include "shared/link/port_names.h"

namespace {

QPushButton* MakeButton(QWidget* parent, int controlId, unsigned labelId, unsigned tipId) {
    auto* button = new QPushButton(platform::ToQString(LoadText(labelId)), parent);
    button->setAutoDefault(false);
    button->setToolTip(platform::ToQString(LoadText(tipId)));
    platform::SetControlId(button, controlId);
    return button;
}

}  // namespace

CCOMPortPrefsDlg::CCOMPortPrefsDlg(QWidget* parent, std::unique_ptr<platform::SerialPortSource> source,
                                   int selection)
    : platform::Dialog(parent),
      source_(source ? std::move(source) : std::make_unique<platform::UdevSerialPortSource>()),
      initial_selection_(selection),
      list_(new QListWidget(this)),
      up_(MakeButton(this, IDC_PORT_PREFS_UP, IDS_PORT_PREFS_UP, IDS_PORT_PREFS_TIP_UP)),
      down_(MakeButton(this, IDC_PORT_PREFS_DOWN, IDS_PORT_PREFS_DOWN, IDS_PORT_PREFS_TIP_DOWN)),
      remove_(MakeButton(this, IDC_PORT_PREFS_REMOVE, IDS_PORT_PREFS_REMOVE, IDS_PORT_PREFS_TIP_REMOVE)),
      help_(MakeButton(this, IDC_PORT_PREFS_HELP, IDS_PORT_PREFS_HELP_BUTTON, IDS_PORT_PREFS_TIP_HELP)),
      path_(new QLineEdit(this)),
      add_(MakeButton(this, IDC_PORT_PREFS_ADD, IDS_PORT_PREFS_ADD, IDS_PORT_PREFS_TIP_PATH)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_PORT_PREFS_TITLE)));
    platform::SetControlId(list_, IDC_PORT_PREFS_LIST);
    list_->setToolTip(platform::ToQString(LoadText(IDS_PORT_PREFS_TIP_LIST)));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = MakeButton(this, IDOK, IDS_OK, IDS_PORT_PREFS_TIP_OK);
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(MakeButton(this, IDCANCEL, IDS_CANCEL, IDS_PORT_PREFS_TIP_CANCEL),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    for (QPushButton* button : {up_, down_, remove_, help_}) {
        side->addWidget(button);
    }
    side->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(side);
    // A port the list does not offer is typed in by its device path.
    platform::SetControlId(path_, IDC_PORT_PREFS_PATH);
    path_->setToolTip(platform::ToQString(LoadText(IDS_PORT_PREFS_TIP_PATH)));
    path_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    auto* pathLabel = new QLabel(platform::ToQString(LoadText(IDS_PORT_PREFS_PATH_LABEL)), this);
    pathLabel->setBuddy(path_);
    auto* typed = new QHBoxLayout;
    typed->addWidget(pathLabel);
    typed->addWidget(path_, 1);
    typed->addWidget(add_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(typed);
    layout->addWidget(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        prefs_.SetShown(list_->row(item), item->checkState() == Qt::Checked);
    });
    connect(up_, &QPushButton::clicked, this, [this] {
        const int selection = Selection();
        prefs_.MoveUp(selection);
        ShowItems(selection - 1);
    });
    connect(down_, &QPushButton::clicked, this, [this] {
        const int selection = Selection();
        prefs_.MoveDown(selection);
        ShowItems(selection + 1);
    });
    connect(remove_, &QPushButton::clicked, this, [this] { ShowItems(prefs_.Remove(Selection())); });
    connect(path_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
    connect(add_, &QPushButton::clicked, this, [this] {
        ShowItems(prefs_.AddDevicePath(platform::FromQString(path_->text())));
        path_->clear();
    });
    connect(help_, &QPushButton::clicked, this,
            [] { ShowMessageBoxId(IDS_PORT_PREFS_HELP, MB_OK | MB_ICONINFORMATION, true); });
    platform::SetToolTipDelay(this, kToolTipDelayMs);
}

bool CCOMPortPrefsDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    std::vector<std::string> ports;
    EnumSerialPorts(ports, *source_);
    prefs_.Fill(GetAppContext().GetKnownPorts(), ports);
    ShowItems(initial_selection_);
    return true;
}

void CCOMPortPrefsDlg::ShowItems(int selection) {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const CCOMPortPrefs::Item& item : prefs_.Items()) {
        auto* row = new QListWidgetItem(platform::ToQString(item.text), list_);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(item.shown ? Qt::Checked : Qt::Unchecked);
    }
    list_->setCurrentRow(selection >= 0 && selection < list_->count() ? selection : -1);
    UpdateButtons();
}

void CCOMPortPrefsDlg::UpdateButtons() {
    const int selection = Selection();
    up_->setEnabled(prefs_.CanMoveUp(selection));
    down_->setEnabled(prefs_.CanMoveDown(selection));
    remove_->setEnabled(prefs_.CanRemove());
    add_->setEnabled(IsDevicePath(platform::FromQString(path_->text().trimmed())));
}

void CCOMPortPrefsDlg::OnOK() {
    GetAppContext().SetKnownPorts(prefs_.KnownPorts());
    EndDialog(IDOK);
}
