// The dialogs of a connection: the choice of the link, the number a modem dials and the network
// address with its split of "address:port".
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "kivo32/dialogs/connection_type_selection_dlg.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/dialogs/modem_man_dial_dlg.h"
#include "kivo32/dialogs/network_address_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class ConnectionDialogsTest : public testsupport::QtTest {};

TEST_F(ConnectionDialogsTest, SplitAddressTextTakesThePortAfterTheFirstColon) {
    const struct {
        std::string address;
        std::string port;
        bool split;
        std::string splitAddress;
        std::string splitPort;
    } cases[] = {
        {"192.168.1.20:10001", "", true, "192.168.1.20", "10001"},
        {"192.168.1.20", "4001", false, "192.168.1.20", "4001"},
        {"logger.local:", "4001", true, "logger.local", ""},
        {"host:1:2", "", true, "host", "1:2"},
    };
    for (const auto& c : cases) {
        std::string address = c.address;
        std::string port = c.port;
        EXPECT_EQ(CNetworkAddressDlg::SplitAddressText(address, port), c.split) << c.address;
        EXPECT_EQ(address, c.splitAddress);
        EXPECT_EQ(port, c.splitPort);
    }
}

TEST_F(ConnectionDialogsTest, OkSplitsTheAddressAndRefusesAMissingPort) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    CNetworkAddressDlg dialog("", "", {"10.0.0.7:4001", "10.0.0.8"});
    testsupport::OnNextModal([](QWidget* window) {
        auto* address = platform::FindControlAs<QComboBox>(window, IDC_NETWORK_ADDRESS);
        auto* port = platform::FindControlAs<QLineEdit>(window, IDC_NETWORK_PORT);
        ASSERT_EQ(address->count(), 2);
        // Without a port the dialog stays open and says so.
        address->setEditText("10.0.0.9");
        platform::FindControlAs<QPushButton>(window, IDOK)->click();
        EXPECT_TRUE(window->isVisible());
        address->setEditText("10.0.0.9:502");
        platform::FindControlAs<QPushButton>(window, IDOK)->click();
        EXPECT_EQ(port->text(), "502");
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.address, "10.0.0.9");
    EXPECT_EQ(dialog.port, "502");
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].text, LoadText(IDP_NO_NETWORK_PORT));
}

TEST_F(ConnectionDialogsTest, TheModemIsShownOnlyWhenOffered) {
    for (const bool modemOffered : {true, false}) {
        CConnectionTypeSelectionDlg dialog(modemOffered);
        testsupport::OnNextModal([modemOffered](QWidget* window) {
            QWidget* modem = platform::FindControl(window, IDC_CONNECT_MODEM);
            EXPECT_EQ(modem->isVisible(), modemOffered);
            EXPECT_EQ(modem->isEnabled(), modemOffered);
            platform::FindControlAs<QPushButton>(window, modemOffered ? IDC_CONNECT_MODEM : IDCANCEL)
                ->click();
        });
        EXPECT_EQ(dialog.DoModal(), modemOffered ? IDC_CONNECT_MODEM : IDCANCEL);
    }
}

TEST_F(ConnectionDialogsTest, TheChoiceEndsWithItsButton) {
    for (const int button : {IDC_CONNECT_DIRECT, IDC_CONNECT_NETWORK}) {
        CConnectionTypeSelectionDlg dialog(true);
        testsupport::OnNextModal(
            [button](QWidget* window) { platform::FindControlAs<QPushButton>(window, button)->click(); });
        EXPECT_EQ(dialog.DoModal(), button);
    }
}

TEST_F(ConnectionDialogsTest, TheDialledNumberMustNotBeEmptyButBlanksCount) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    CModemManDialDlg dialog("0612345678");
    testsupport::OnNextModal([&dialog](QWidget* window) {
        auto* number = platform::FindControlAs<QLineEdit>(window, IDC_MODEM_NUMBER);
        EXPECT_EQ(number->text(), "0612345678");
        // An empty number is told and the dialog stays open, with the number to fill in.
        number->clear();
        platform::FindControlAs<QPushButton>(window, IDOK)->click();
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return dialog.focusWidget() == number; }));
        number->setText(QString(45, QLatin1Char('9')));
        EXPECT_EQ(number->text().size(), static_cast<int>(CModemManDialDlg::kNumberMax));
        number->setText("   ");
        platform::FindControlAs<QPushButton>(window, IDOK)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.number, "   ");
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].text, LoadText(IDP_NO_MODEM_NUMBER));
}

}  // namespace
