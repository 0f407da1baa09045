// The network settings dialog: what it offers for a logger, its port radios and the checks of OK.
#include "kivo32/dialogs/set_network_info_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>

#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "shared/link/link_ids.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class SetNetworkInfoDlgTest : public testsupport::QtTest {
protected:
    static QLineEdit* Edit(QWidget* window, int id) { return platform::FindControlAs<QLineEdit>(window, id); }
    static QRadioButton* Radio(QWidget* window, int id) {
        return platform::FindControlAs<QRadioButton>(window, id);
    }
    static void Click(QWidget* window, int id) {
        platform::FindControlAs<QAbstractButton>(window, id)->click();
    }
    // As the user's typing changes the text.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setText(text);
        emit edit->textEdited(text);
    }
};

TEST_F(SetNetworkInfoDlgTest, PortRadioFollowsTheNumberOfThePortText) {
    for (const auto& [text, radio] :
         std::vector<std::pair<std::string, int>>{{"80", IDC_NETINFO_PORT_80},
                                                  {"080", IDC_NETINFO_PORT_80},
                                                  {"3001", IDC_NETINFO_PORT_3001},
                                                  {"3002", IDC_NETINFO_PORT_OTHER},
                                                  {"", IDC_NETINFO_PORT_OTHER},
                                                  {"8080", IDC_NETINFO_PORT_OTHER}}) {
        EXPECT_EQ(CSetNetworkInfoDlg::PortRadioFor(text), radio) << text;
    }
}

TEST_F(SetNetworkInfoDlgTest, WhatTheDialogOffersDependsOnTheLogger) {
    struct Case {
        bool dhcp, dhcpCapable, macEditable;
        bool radiosShown, addressEnabled, macShown;
    };
    for (const Case& c :
         {Case{true, true, false, true, false, false}, Case{false, true, true, true, true, true},
          Case{true, false, false, false, true, false}}) {
        CSetNetworkInfoDlg dialog("Logger 7", "NX4.212", "10.0.0.7", "255.255.255.0", "3001", "10.0.0.1",
                                  "00:1E:C0:12:34:56", c.dhcp, c.dhcpCapable, c.macEditable);
        testsupport::OnNextModal([&c](QWidget* window) {
            EXPECT_EQ(platform::FindControlAs<QLabel>(window, IDC_NETINFO_FIRST_TEXT)->text(), "Logger 7");
            EXPECT_EQ(platform::FindControlAs<QLabel>(window, IDC_NETINFO_SECOND_TEXT)->text(), "NX4.212");
            EXPECT_EQ(Radio(window, IDC_NETINFO_DHCP)->isVisible(), c.radiosShown);
            EXPECT_EQ(Radio(window, IDC_NETINFO_FIXED)->isVisible(), c.radiosShown);
            for (const int id : {IDC_NETINFO_ADDRESS, IDC_NETINFO_MASK, IDC_NETINFO_GATEWAY}) {
                EXPECT_EQ(Edit(window, id)->isEnabled(), c.addressEnabled) << id;
            }
            EXPECT_EQ(Edit(window, IDC_NETINFO_MAC)->isVisible(), c.macShown);
            EXPECT_EQ(platform::FindControl(window, IDC_NETINFO_MAC_LABEL)->isVisible(), c.macShown);
            EXPECT_TRUE(Radio(window, IDC_NETINFO_PORT_3001)->isChecked());
            Click(window, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
}

TEST_F(SetNetworkInfoDlgTest, EachCaptionShowsItsKeyAndLeadsToItsField) {
    CSetNetworkInfoDlg dialog("", "", "", "", "3001", "", "", false, true, true);
    testsupport::OnNextModal([](QWidget* window) {
        // A label shows its '&' as a mnemonic only when it has a buddy.
        std::map<QString, QWidget*> buddies;
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().contains('&')) {
                buddies[label->text()] = label->buddy();
            }
        }
        const std::map<QString, QWidget*> expected = {
            {"&Address:", Edit(window, IDC_NETINFO_ADDRESS)},
            {"Subnet &mask:", Edit(window, IDC_NETINFO_MASK)},
            {"&Gateway:", Edit(window, IDC_NETINFO_GATEWAY)},
            {"&Port:", Edit(window, IDC_NETINFO_PORT)},
            {"MA&C address:", Edit(window, IDC_NETINFO_MAC)},
        };
        EXPECT_EQ(buddies, expected);
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(SetNetworkInfoDlgTest, PortRadiosWriteThePortAndTypingChecksThem) {
    CSetNetworkInfoDlg dialog("", "", "", "", "3002", "", "", true, true, false);
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_TRUE(Radio(window, IDC_NETINFO_PORT_OTHER)->isChecked());
        Click(window, IDC_NETINFO_PORT_80);
        EXPECT_EQ(Edit(window, IDC_NETINFO_PORT)->text(), "80");
        Click(window, IDC_NETINFO_PORT_3001);
        EXPECT_EQ(Edit(window, IDC_NETINFO_PORT)->text(), "3001");
        Type(Edit(window, IDC_NETINFO_PORT), "080");
        EXPECT_TRUE(Radio(window, IDC_NETINFO_PORT_80)->isChecked());
        Type(Edit(window, IDC_NETINFO_PORT), "4000");
        EXPECT_TRUE(Radio(window, IDC_NETINFO_PORT_OTHER)->isChecked());
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.port, "4000");
    EXPECT_TRUE(dialog.dhcp);
}

TEST_F(SetNetworkInfoDlgTest, OkChecksAFixedAddressFieldByField) {
    struct Case {
        int field;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {IDC_NETINFO_ADDRESS, "0.1.2.3", LoadText(IDS_ERROR) + ": " + LoadText(IDS_BAD_ADDRESS)},
        {IDC_NETINFO_ADDRESS, "255.1.2.3", LoadText(IDS_ERROR) + ": " + LoadText(IDS_BAD_ADDRESS)},
        {IDC_NETINFO_MASK, "255.255.0", LoadText(IDS_NETINFO_BAD_MASK)},
        {IDC_NETINFO_GATEWAY, "255.0.0.1", LoadText(IDS_NETINFO_BAD_GATEWAY)},
        {IDC_NETINFO_MAC, "00:1E:C0:12:34", LoadText(IDS_NETINFO_BAD_MAC)},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(IDOK);
        CSetNetworkInfoDlg dialog("", "", "10.0.0.7", "255.255.255.0", "3001", "10.0.0.1",
                                  "00:1E:C0:12:34:56", false, true, true);
        testsupport::OnNextModal([&c](QWidget* window) {
            QLineEdit* field = Edit(window, c.field);
            const QString good = field->text();
            field->setText(c.text);
            Click(window, IDOK);
            EXPECT_TRUE(window->isVisible()) << c.text;
            // The window's own focus: the window need not be the active one on a busy machine.
            EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return window->focusWidget() == field; }))
                << c.text;
            field->setText(good);
            Click(window, IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK) << c.text;
        ASSERT_EQ(broker.Asked().size(), 1u) << c.text;
        EXPECT_EQ(broker.Asked()[0].text, c.message);
    }
}

TEST_F(SetNetworkInfoDlgTest, DhcpTakesTheAddressFieldsUnchecked) {
    CSetNetworkInfoDlg dialog("", "", "10.0.0.7", "", "3001", "", "00:1E:C0:12:34:56", false, true, false);
    testsupport::OnNextModal([](QWidget* window) {
        Edit(window, IDC_NETINFO_ADDRESS)->setText("bad");
        Click(window, IDC_NETINFO_DHCP);
        EXPECT_FALSE(Edit(window, IDC_NETINFO_ADDRESS)->isEnabled());
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.dhcp);
    EXPECT_EQ(dialog.address, "bad");
}

}  // namespace
