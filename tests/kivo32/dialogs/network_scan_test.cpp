// The network scan dialog on 127.0.0.1 against the simulated logger's network module, and the network
// address dialog's scan and port check.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "kivo32/controls/sort_list_ctrl.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/dialogs/network_address_dlg.h"
#include "kivo32/dialogs/scan_dialog.h"
#include "kivo32/session/setting_requests.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "shared/link/discovery_test_socket.h"
#include "tests/support/loopback_datagrams.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/manual_ui_clock.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tools/loggersim/discovery_responder.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

constexpr const char* kLoopback = "127.0.0.1";

class NetworkScanTest : public testsupport::QtTest {
protected:
    void TearDown() override {
        for (const std::string& target : datagrams_.Targets()) {
            EXPECT_EQ(target, kLoopback);
        }
    }

    // Starts the logger's network module; the scan's endpoints that reach it.
    DiscoveryEndpoints StartLogger(DiscoveryResponder::Identity identity = {}) {
        logger_ = std::make_unique<DiscoveryResponder>(std::move(identity));
        const int port = logger_->Start(0);
        EXPECT_NE(port, 0);
        return {kLoopback, 0, kLoopback, static_cast<std::uint16_t>(port)};
    }

    // Ticks the refresh timer until the list of `window` shows `rows` rows.
    bool ListShows(QWidget* window, int rows) {
        auto* list = platform::FindControlAs<CSortListCtrl>(window, IDC_SCAN_LIST);
        return testsupport::ProcessEventsUntil([&] {
            clock_.Advance(CScanDialog::kRefreshMs);
            return list->topLevelItemCount() == rows;
        });
    }

    static bool Enabled(QWidget* window, int id) { return platform::FindControl(window, id)->isEnabled(); }
    static void Click(QWidget* window, int id) { platform::FindControlAs<QPushButton>(window, id)->click(); }

    testsupport::LoopbackDatagrams datagrams_;
    testsupport::ManualUiClock clock_;
    testsupport::ScriptedUiBroker broker_;
    std::unique_ptr<DiscoveryResponder> logger_;
};

TEST_F(NetworkScanTest, ScanListsTheLoggerAndOkReturnsTheChosenRow) {
    CScanDialog dialog(nullptr, StartLogger({.serial = "20571", .tcpPort = 3002}));
    testsupport::OnNextModal([this](QWidget* window) {
        ASSERT_TRUE(ListShows(window, 1));
        auto* list = platform::FindControlAs<CSortListCtrl>(window, IDC_SCAN_LIST);
        const QTreeWidgetItem* row = list->topLevelItem(0);
        EXPECT_EQ(row->text(0), "127.0.0.1");
        EXPECT_EQ(row->text(1), "20571");
        EXPECT_EQ(row->text(2), "00:1E:C0:12:34:56");
        EXPECT_EQ(row->text(3), "3002");
        EXPECT_EQ(row->text(4), "NONE");
        EXPECT_TRUE(row->isSelected());
        EXPECT_TRUE(Enabled(window, IDC_SCAN_TEST));
        EXPECT_TRUE(Enabled(window, IDC_SCAN_SETTINGS));
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    std::string address, serial, mac, port, connections;
    ASSERT_TRUE(dialog.GetSelection(address, serial, mac, port, connections));
    EXPECT_EQ(address, "127.0.0.1");
    EXPECT_EQ(serial, "20571");
    EXPECT_EQ(mac, "00:1E:C0:12:34:56");
    EXPECT_EQ(port, "3002");
    EXPECT_EQ(connections, "NONE");
}

TEST_F(NetworkScanTest, OtherDevicesAreNotListedAndWithoutALoggerTheScanSaysNoneAnswered) {
    CScanDialog dialog(nullptr, StartLogger({.device = "WIFLY"}));
    testsupport::OnNextModal([this](QWidget* window) {
        auto* status = platform::FindControlAs<QLabel>(window, IDC_SCAN_STATUS);
        EXPECT_EQ(status->text().toStdString(), LoadText(IDS_SCAN_SCANNING));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([this] { return logger_->RequestsAnswered() == 1; }));
        // The reply waits at the dialog's socket: one pass of the event loop takes it.
        QCoreApplication::processEvents();
        clock_.Advance(CScanDialog::kRefreshMs);
        EXPECT_EQ(platform::FindControlAs<CSortListCtrl>(window, IDC_SCAN_LIST)->topLevelItemCount(), 0);
        EXPECT_EQ(status->text().toStdString(), LoadText(IDS_SCAN_SCANNING));
        for (const int id : {IDC_SCAN_TEST, IDC_SCAN_SETTINGS, IDOK}) {
            EXPECT_FALSE(Enabled(window, id)) << id;
        }
        clock_.Advance(CScanDialog::kAnswerWaitMs - CScanDialog::kRefreshMs);
        EXPECT_EQ(status->text().toStdString(), LoadText(IDS_SCAN_NO_ANSWER));
        // Scanning again waits anew.
        Click(window, IDC_SCAN_AGAIN);
        EXPECT_EQ(status->text().toStdString(), LoadText(IDS_SCAN_SCANNING));
        Click(window, IDCANCEL);
    });
    ASSERT_EQ(dialog.DoModal(), IDCANCEL);
    std::string address, serial, mac, port, connections;
    EXPECT_FALSE(dialog.GetSelection(address, serial, mac, port, connections));
}

TEST_F(NetworkScanTest, OkWaitsForAChosenLoggerAndTheColumnsHoldTheirTexts) {
    CScanDialog dialog(nullptr, StartLogger({.serial = "20571", .tcpPort = 3002}));
    testsupport::OnNextModal([this](QWidget* window) {
        ASSERT_TRUE(ListShows(window, 1));
        auto* list = platform::FindControlAs<CSortListCtrl>(window, IDC_SCAN_LIST);
        EXPECT_TRUE(platform::FindControlAs<QLabel>(window, IDC_SCAN_STATUS)->text().isEmpty());
        const QTreeWidgetItem* row = list->topLevelItem(0);
        const QFontMetrics metrics(list->font());
        for (int column = 0; column < list->columnCount(); ++column) {
            EXPECT_GE(list->columnWidth(column), metrics.horizontalAdvance(row->text(column))) << column;
            EXPECT_GE(list->columnWidth(column), metrics.horizontalAdvance(list->headerItem()->text(column)))
                << column;
        }
        EXPECT_TRUE(Enabled(window, IDOK));
        list->clearSelection();
        for (const int id : {IDC_SCAN_TEST, IDC_SCAN_SETTINGS, IDOK}) {
            EXPECT_FALSE(Enabled(window, id)) << id;
        }
        // Enter with nothing chosen keeps the dialog open.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(window, &enter);
        EXPECT_TRUE(window->isVisible());
        list->setCurrentItem(list->topLevelItem(0));
        EXPECT_TRUE(Enabled(window, IDOK));
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    std::string address, serial, mac, port, connections;
    EXPECT_TRUE(dialog.GetSelection(address, serial, mac, port, connections));
}

TEST_F(NetworkScanTest, ConnectionTestShowsItsOutcome) {
    LoggerSimulator simulator(*FindLoggerModel("standard"));
    const int tcpPort = simulator.StartTcp(0);
    ASSERT_NE(tcpPort, 0);
    CScanDialog dialog(nullptr, StartLogger({.tcpPort = tcpPort}));
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    testsupport::OnNextModal([&](QWidget* window) {
        ASSERT_TRUE(ListShows(window, 1));
        Click(window, IDC_SCAN_TEST);
        // A logger that stays silent: the test ends when its ten seconds pass on the window's clock,
        // the window working all the while.
        SimulatorFaults silent;
        silent.silentCommand = "I!F";
        simulator.Logger().SetFaults(silent);
        QTimer::singleShot(20, [this] { clock_.Advance(CTestSocket::kStepLimit.count()); });
        Click(window, IDC_SCAN_TEST);
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const std::vector<testsupport::AskedQuestion> asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, LoadText(IDS_SCAN_TEST_PASSED));
    EXPECT_EQ(asked[1].text, LoadText(IDS_SCAN_TEST_NO_REPLY));
    EXPECT_EQ(simulator.Logger().Commands(), (std::vector<std::string>{"I!F", "I!F"}));
}

TEST_F(NetworkScanTest, SettingsChangeSendsTheDatagramAndPausesWithTheButtonsDisabled) {
    CScanDialog dialog(nullptr, StartLogger({.tcpPort = 3001}));
    broker_.AnswerRequest<SetNetworkInfoRequest>(IDOK, [](SetNetworkInfoRequest& r) {
        r.settings = {.address = "10.0.0.9",
                      .mask = "255.255.255.0",
                      .port = "3005",
                      .gateway = "10.0.0.1",
                      .mac = "00:1E:C0:12:34:56",
                      .dhcp = false};
    });
    testsupport::OnNextModal([this](QWidget* window) {
        ASSERT_TRUE(ListShows(window, 1));
        Click(window, IDC_SCAN_SETTINGS);
        ASSERT_TRUE(testsupport::ProcessEventsUntil([this] { return !logger_->SettingsReceived().empty(); }));
        testsupport::ProcessEventsFor(20);
        auto* status = platform::FindControlAs<QLabel>(window, IDC_SCAN_STATUS);
        EXPECT_EQ(status->text().toStdString(), "... " + LoadText(IDS_SCAN_APPLYING_SETTINGS) + " ...");
        clock_.Advance(CScanDialog::kRestartPauseMs - 1);
        for (const int id : {IDC_SCAN_AGAIN, IDC_SCAN_TEST, IDC_SCAN_SETTINGS, IDOK}) {
            EXPECT_FALSE(Enabled(window, id)) << id;
        }
        EXPECT_TRUE(Enabled(window, IDCANCEL));
        // After the pause the scan starts again and finds the logger on its new port.
        clock_.Advance(1);
        EXPECT_EQ(status->text().toStdString(), LoadText(IDS_SCAN_SCANNING));
        ASSERT_TRUE(ListShows(window, 1));
        EXPECT_TRUE(status->text().isEmpty());
        EXPECT_EQ(platform::FindControlAs<CSortListCtrl>(window, IDC_SCAN_LIST)->topLevelItem(0)->text(3),
                  "3005");
        EXPECT_TRUE(Enabled(window, IDOK));
        EXPECT_TRUE(Enabled(window, IDC_SCAN_SETTINGS));
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(broker_.Asked().size(), 1u);
    const NetworkSettings offered = broker_.Asked()[0].As<SetNetworkInfoRequest>().settings;
    EXPECT_EQ(offered.address, "127.0.0.1");
    EXPECT_EQ(offered.mask, "255.255.255.0");
    EXPECT_EQ(offered.gateway, "");
    EXPECT_EQ(offered.port, "3001");
    EXPECT_EQ(offered.mac, "00:1E:C0:12:34:56");
    EXPECT_TRUE(offered.dhcp);
    ASSERT_EQ(logger_->SettingsReceived().size(), 1u);
    const DiscoveryResponder::NewSettings taken = logger_->SettingsReceived()[0];
    EXPECT_EQ(taken.address, "10.0.0.9");
    EXPECT_EQ(taken.gateway, "10.0.0.1");
    EXPECT_EQ(taken.tcpPort, 3005);
}

TEST_F(NetworkScanTest, SettingsThatDoNotParseAreNotSent) {
    CScanDialog dialog(nullptr, StartLogger());
    // DHCP chosen, with a port that is no TCP port.
    broker_.AnswerRequest<SetNetworkInfoRequest>(IDOK, [](SetNetworkInfoRequest& r) {
        r.settings.port = "0";
        r.settings.dhcp = true;
    });
    broker_.AnswerMessageBox(IDOK);
    testsupport::OnNextModal([this](QWidget* window) {
        ASSERT_TRUE(ListShows(window, 1));
        Click(window, IDC_SCAN_SETTINGS);
        ASSERT_TRUE(testsupport::ProcessEventsUntil([this] { return broker_.Asked().size() == 2; }));
        // Nothing pauses: the scan starts again at once and finds the logger.
        EXPECT_TRUE(Enabled(window, IDC_SCAN_AGAIN));
        ASSERT_TRUE(ListShows(window, 1));
        EXPECT_TRUE(Enabled(window, IDOK));
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(broker_.Asked()[1].text, LoadText(IDS_SCAN_SETTINGS_NOT_SENT));
    EXPECT_TRUE(logger_->SettingsReceived().empty());
}

// Acts on the scan dialog once it is the modal window (over the address dialog).
void OnScanDialog(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer(QApplication::instance());
    QObject::connect(poll, &QTimer::timeout, [poll, action = std::move(action)] {
        if (auto* scan = qobject_cast<CScanDialog*>(QApplication::activeModalWidget());
            scan && scan->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(scan);
        }
    });
    poll->start(5);
}

TEST_F(NetworkScanTest, AddressDialogTakesTheScannedLoggerAndRefusesAPortOutOfRange) {
    CNetworkAddressDlg dialog("", "", {}, nullptr, StartLogger({.tcpPort = 3002}));
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    testsupport::OnNextModal([this](QWidget* window) {
        auto* address = platform::FindControlAs<QComboBox>(window, IDC_NETWORK_ADDRESS);
        auto* port = platform::FindControlAs<QLineEdit>(window, IDC_NETWORK_PORT);
        OnScanDialog([this](QWidget* scan) {
            ASSERT_TRUE(ListShows(scan, 1));
            Click(scan, IDOK);
        });
        Click(window, IDC_NETWORK_SCAN);
        EXPECT_EQ(address->currentText(), "127.0.0.1");
        EXPECT_EQ(port->text(), "3002");
        for (const char* refused : {"0", "65536"}) {
            port->setText(refused);
            Click(window, IDOK);
            EXPECT_TRUE(window->isVisible()) << refused;
        }
        port->setText("65535");
        Click(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.address, "127.0.0.1");
    EXPECT_EQ(dialog.port, "65535");
    ASSERT_EQ(broker_.Asked().size(), 2u);
    EXPECT_EQ(broker_.Asked()[0].text, LoadText(IDP_BAD_NETWORK_PORT));
}

}  // namespace
