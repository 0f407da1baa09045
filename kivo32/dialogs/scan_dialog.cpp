// CScanDialog: the network scan, its connection test and its settings change.
#include "kivo32/dialogs/scan_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QHeaderView>
#include <QVBoxLayout>

#include "kivo32/controls/sort_list_ctrl.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/session/network_dialog_values.h"
#include "kivo32/session/setting_requests.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/window_messages.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"
#include "shared/link/discovery_test_socket.h"
#include "shared/logger/network_settings.h"

namespace {

// Posted to the dialog itself once the settings dialog closed.
constexpr unsigned WM_APPLY_NETWORK_SETTINGS = WM_APP + 0xEF;
constexpr const char* kDefaultMask = "255.255.255.0";
constexpr const char* kDhcpAddress = "0.0.0.0";

enum Column { kAddress, kSerial, kMac, kPort, kConnections, kColumnCount };

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

QPushButton* Button(QWidget* parent, int id, unsigned labelId, unsigned tipId) {
    auto* button = new QPushButton(Text(labelId), parent);
    platform::SetControlId(button, id);
    button->setToolTip(Text(tipId));
    button->setAutoDefault(false);
    return button;
}

// The connection test's waits: a local event loop that goes on dispatching (replies, timer ticks)
// until the socket is ready or the step's time on the user-interface clock is over.
class EventLoopWaits : public CTestSocket::Waits {
public:
    EventLoopWaits() {
        limit_.setSingleShot(true);
        QObject::connect(&limit_, &QTimer::timeout, &loop_, &QEventLoop::quit);
    }

    void BeginStep(std::chrono::milliseconds limit) override {
        platform::CurrentUiClock().StartTimer(limit_, static_cast<int>(limit.count()));
    }

    bool WaitReady(int fd, bool forWriting) override {
        if (!limit_.isActive()) {
            return false;
        }
        QSocketNotifier ready(fd, forWriting ? QSocketNotifier::Write : QSocketNotifier::Read);
        QObject::connect(&ready, &QSocketNotifier::activated, &loop_, &QEventLoop::quit);
        loop_.exec();
        return limit_.isActive();
    }

private:
    QTimer limit_;
    QEventLoop loop_;
};

unsigned OutcomeText(ConnectionTestOutcome outcome) {
    switch (outcome) {
        case ConnectionTestOutcome::Passed:
            return IDS_SCAN_TEST_PASSED;
        case ConnectionTestOutcome::NoConnection:
            return IDS_SCAN_TEST_NO_CONNECTION;
        case ConnectionTestOutcome::SendFailed:
            return IDS_SCAN_TEST_SEND_FAILED;
        case ConnectionTestOutcome::NoReply:
            return IDS_SCAN_TEST_NO_REPLY;
        case ConnectionTestOutcome::WrongReply:
            break;
    }
    return IDS_SCAN_TEST_WRONG_REPLY;
}

}  // namespace

CScanDialog::CScanDialog(QWidget* parent, DiscoveryEndpoints endpoints)
    : platform::Dialog(parent), socket_(std::move(endpoints)) {
    setWindowTitle(Text(IDS_SCAN_TITLE));
    BuildControls();
    connect(&refresh_timer_, &QTimer::timeout, this, [this] { RefreshList(); });
    pause_timer_.setSingleShot(true);
    connect(&pause_timer_, &QTimer::timeout, this, [this] { EndSettingsPause(); });
    answer_wait_.setSingleShot(true);
    connect(&answer_wait_, &QTimer::timeout, this, [this] { OnAnswerWaitOver(); });
}

CScanDialog::~CScanDialog() {
    refresh_timer_.stop();
    if (pausing_) {
        QApplication::restoreOverrideCursor();
    }
}

void CScanDialog::BuildControls() {
    list_ = new CSortListCtrl(this);
    platform::SetControlId(list_, IDC_SCAN_LIST);
    list_->setHeaderLabels({Text(IDS_SCAN_COLUMN_ADDRESS), Text(IDS_SCAN_COLUMN_SERIAL),
                            Text(IDS_SCAN_COLUMN_MAC), Text(IDS_SCAN_COLUMN_PORT),
                            Text(IDS_SCAN_COLUMN_CONNECTIONS)});
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->header()->setDefaultAlignment(Qt::AlignCenter);
    // Each column as wide as its heading and its texts.
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumWidth(480);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { OnOK(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { EnableRowButtons(); });

    scan_again_ = Button(this, IDC_SCAN_AGAIN, IDS_SCAN_AGAIN, IDS_SCAN_TIP_AGAIN);
    test_ = Button(this, IDC_SCAN_TEST, IDS_SCAN_TEST, IDS_SCAN_TIP_TEST);
    settings_ = Button(this, IDC_SCAN_SETTINGS, IDS_SCAN_SETTINGS, IDS_SCAN_TIP_SETTINGS);
    connect(scan_again_, &QPushButton::clicked, this, [this] { OnScanAgain(); });
    connect(test_, &QPushButton::clicked, this, [this] { OnTestConnection(); });
    connect(settings_, &QPushButton::clicked, this, [this] { OnChangeSettings(); });
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    platform::SetControlId(status_, IDC_SCAN_STATUS);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    ok_ = platform::FindControlAs<QPushButton>(this, IDOK);
    ok_->setToolTip(Text(IDS_SCAN_TIP_OK));
    platform::FindControl(this, IDCANCEL)->setToolTip(Text(IDS_SCAN_TIP_CANCEL));
    buttons->addButton(scan_again_, QDialogButtonBox::ActionRole);
    buttons->addButton(test_, QDialogButtonBox::ActionRole);
    buttons->addButton(settings_, QDialogButtonBox::ActionRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(status_);
    layout->addWidget(buttons);
}

bool CScanDialog::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    if (StartScan(true)) {
        receive_notifier_ = std::make_unique<QSocketNotifier>(socket_.Descriptor(), QSocketNotifier::Read);
        connect(receive_notifier_.get(), &QSocketNotifier::activated, this, [this] { OnReceive(); });
        RefreshList();
        platform::CurrentUiClock().StartTimer(refresh_timer_, kRefreshMs);
    } else {
        EnableRowButtons();
    }
    return result;
}

bool CScanDialog::StartScan(bool firstScan) {
    if (!socket_.SendDiscovery(firstScan)) {
        status_->clear();
        ShowMessageBoxId(IDS_SCAN_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    if (list_->topLevelItemCount() == 0) {
        status_->setText(Text(IDS_SCAN_SCANNING));
    }
    platform::CurrentUiClock().StartTimer(answer_wait_, kAnswerWaitMs);
    return true;
}

void CScanDialog::OnAnswerWaitOver() {
    if (list_->topLevelItemCount() == 0 && !pausing_) {
        status_->setText(Text(IDS_SCAN_NO_ANSWER));
    }
}

void CScanDialog::OnReceive() {
    if (const int error = socket_.OnReceive(); error != 0) {
        status_->setText(
            platform::ToQString(platform::FormatLoadedText(IDS_SCAN_RECEIVE_ERROR, {std::to_string(error)})));
    }
}

void CScanDialog::RefreshList() {
    if (!socket_.TakeNewResults()) {
        return;
    }
    list_->DeleteAllItems();
    for (const DiscoveredLogger& logger : socket_.Results()) {
        const int index =
            list_->AddItem({logger.address, logger.serial, logger.mac, logger.port, logger.connections});
        for (int column = 0; column < kColumnCount; ++column) {
            list_->topLevelItem(index)->setTextAlignment(column, Qt::AlignCenter);
        }
    }
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
        list_->setFocus();
        if (!pausing_) {
            status_->clear();
        }
    }
    EnableRowButtons();
}

void CScanDialog::EnableRowButtons() {
    DiscoveredLogger row;
    const bool chosen = SelectedRow(row);
    test_->setEnabled(chosen && !pausing_ && !testing_);
    settings_->setEnabled(chosen && !pausing_);
    scan_again_->setEnabled(!pausing_);
    ok_->setEnabled(chosen && !pausing_);
}

bool CScanDialog::SelectedRow(DiscoveredLogger& row) const {
    const QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return false;
    }
    const auto text = [item](int column) { return platform::FromQString(item->text(column)); };
    row = {.serial = text(kSerial),
           .address = text(kAddress),
           .mac = text(kMac),
           .port = text(kPort),
           .connections = text(kConnections),
           .device = {}};
    return true;
}

bool CScanDialog::GetSelection(std::string& address, std::string& serial, std::string& mac, std::string& port,
                               std::string& connections) const {
    if (chosen_.address.empty()) {
        return false;
    }
    address = chosen_.address;
    serial = chosen_.serial;
    mac = chosen_.mac;
    port = chosen_.port;
    connections = chosen_.connections;
    return true;
}

void CScanDialog::OnOK() {
    // OK (the button, Enter or a double click) ends the dialog only with a logger chosen.
    if (pausing_ || !SelectedRow(chosen_)) {
        return;
    }
    EndDialog(IDOK);
}

void CScanDialog::OnScanAgain() {
    StartScan(false);
    RefreshList();
}

void CScanDialog::OnTestConnection() {
    DiscoveredLogger row;
    if (!SelectedRow(row)) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Replies and ticks go on during the test's waits; a second test does not start inside it.
    testing_ = true;
    EnableRowButtons();
    EventLoopWaits waits;
    CTestSocket test(waits);
    const ConnectionTestOutcome outcome = test.Run(row.address, ConnectionTestPort(row.port));
    testing_ = false;
    QApplication::restoreOverrideCursor();
    EnableRowButtons();
    ShowMessageBoxId(
        OutcomeText(outcome),
        MB_OK | (outcome == ConnectionTestOutcome::Passed ? MB_ICONINFORMATION : MB_ICONEXCLAMATION), true);
    list_->setFocus();
}

void CScanDialog::OnChangeSettings() {
    DiscoveredLogger row;
    if (!SelectedRow(row)) {
        return;
    }
    NetworkSettings settings{.address = row.address,
                             .mask = kDefaultMask,
                             .port = row.port,
                             .gateway = "",
                             .mac = row.mac,
                             .dhcp = true};
    SetNetworkInfoRequest request{.logger = {}, .settings = settings, .quarven = true, .editMac = false};
    if (platform::RunDialogRequest(request) == IDOK) {
        socket_.ClearResults();
        RefreshList();
        TakeNetworkValues(request.settings, settings);
        new_settings_ = {request.settings.mac, settings.dhcp ? kDhcpAddress : settings.address, settings.mask,
                         settings.gateway, settings.port};
        Target()->PostMessage(platform::Message(WM_APPLY_NETWORK_SETTINGS));
    }
    list_->setFocus();
}

void CScanDialog::OnMessage(platform::Message& message) {
    if (message.id == WM_APPLY_NETWORK_SETTINGS) {
        ApplySettings();
        return;
    }
    platform::Dialog::OnMessage(message);
}

void CScanDialog::ApplySettings() {
    status_->setText(platform::ToQString("... " + LoadText(IDS_SCAN_APPLYING_SETTINGS) + " ..."));
    if (!socket_.SendNetworkSettings(new_settings_)) {
        ShowMessageBoxId(IDS_SCAN_SETTINGS_NOT_SENT, MB_OK | MB_ICONEXCLAMATION, true);
        EndSettingsPause();
        return;
    }
    // The dialog goes on working while the logger restarts; only its buttons wait.
    pausing_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    EnableRowButtons();
    platform::CurrentUiClock().StartTimer(pause_timer_, kRestartPauseMs);
}

void CScanDialog::EndSettingsPause() {
    if (pausing_) {
        pausing_ = false;
        QApplication::restoreOverrideCursor();
    }
    status_->clear();
    OnScanAgain();
}
