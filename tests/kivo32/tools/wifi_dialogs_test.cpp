// The Wi-Fi windows offscreen: the pass-phrase limits, the scan list, and the settings dialog's modes,
// ports, scan reply and settings file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "kivo32/session/session_messages.h"
#include "kivo32/tools/set_wifi_info_dlg.h"
#include "kivo32/tools/wifi_ids.h"
#include "kivo32/tools/wifi_password_dlg.h"
#include "kivo32/tools/wifi_scan_dlg.h"
#include "kivo32/tools/wifi_settings_file.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class WiFiDialogsTest : public testsupport::QtTest {
protected:
    static QLineEdit* Edit(QWidget* window, int id) { return platform::FindControlAs<QLineEdit>(window, id); }
    static QAbstractButton* Button(QWidget* window, int id) {
        return platform::FindControlAs<QAbstractButton>(window, id);
    }

    static WiFiSettings Logger() {
        WiFiSettings settings;
        settings.moduleFirmware = "WiFly Ver 4.41";
        settings.moduleVersion = "4.41";
        settings.ssid = "Plant Floor";
        settings.address = "10.0.0.7,2000";
        settings.port = "<undetermined>";
        settings.mask = "<undetermined>";
        settings.gateway = "10.0.0.1";
        settings.mac = "00:06:66:12:34:56";
        return settings;
    }
};

TEST_F(WiFiDialogsTest, PassPhraseLimits) {
    struct Case {
        int shortest, longest;
        bool emptyAllowed;
        std::string typed;
        bool accepted;
    };
    for (const Case& c :
         {Case{8, 64, false, std::string(7, 'a'), false}, Case{8, 64, false, std::string(64, 'a'), true},
          Case{8, 64, false, "", false}, Case{0, 31, true, "", true}}) {
        testsupport::ScriptedUiBroker broker;
        if (!c.accepted) {
            broker.AnswerMessageBox(IDOK);
        }
        CWiFiPasswordDlg dialog("Title", "Prompt", c.shortest, c.longest, c.emptyAllowed);
        testsupport::OnNextModal([&c](QWidget* window) {
            QLineEdit* edit = Edit(window, IDC_PASSWORD_EDIT);
            edit->setText(QString::fromStdString(c.typed));
            Button(window, IDOK)->click();
            EXPECT_EQ(window->isVisible(), !c.accepted) << c.typed.size();
            if (window->isVisible()) {
                Button(window, IDCANCEL)->click();
            }
        });
        EXPECT_EQ(dialog.DoModal(), c.accepted ? IDOK : IDCANCEL) << c.typed.size();
        if (c.accepted) {
            EXPECT_EQ(dialog.password, c.typed);
        } else {
            ASSERT_EQ(broker.Asked().size(), 1u);
            EXPECT_EQ(broker.Asked()[0].text, "Password must be no less than " + std::to_string(c.shortest) +
                                                  " and no more than " + std::to_string(c.longest) +
                                                  " characters long.");
        }
    }
}

TEST_F(WiFiDialogsTest, ThePassPhraseEditStopsAtTheLongestAndHidesOnRequest) {
    CWiFiPasswordDlg dialog("Title", "Prompt", 8, 64, false);
    testsupport::OnNextModal([](QWidget* window) {
        QLineEdit* edit = Edit(window, IDC_PASSWORD_EDIT);
        EXPECT_EQ(edit->maxLength(), 64);
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
        Button(window, IDC_PASSWORD_MASKED)->click();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        EXPECT_EQ(window->windowTitle(), "Title");
        EXPECT_TRUE(
            platform::FindControlAs<QLabel>(window, IDC_PASSWORD_PROMPT)->text().startsWith("Prompt "));
        Button(window, IDCANCEL)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(WiFiDialogsTest, TheScanListShowsEachNetworkAndReturnsTheChosenOne) {
    for (const bool choose : {true, false}) {
        CWiFiScanDlg dialog;
        dialog.AddNetwork("Open Workshop", 6, 73, false);
        dialog.AddNetwork("Cafe, Bar", 11, 0, true);
        testsupport::OnNextModal([choose](QWidget* window) {
            auto* list = platform::FindControlAs<QTreeWidget>(window, IDC_SCAN_NETWORKS);
            ASSERT_EQ(list->topLevelItemCount(), 2);
            const QTreeWidgetItem* first = list->topLevelItem(0);
            EXPECT_EQ(first->text(0), "Open Workshop");
            EXPECT_EQ(first->text(1), "6");
            EXPECT_EQ(first->text(2), "73%");
            EXPECT_EQ(first->text(3), "FALSE");
            EXPECT_EQ(list->topLevelItem(1)->text(3), "TRUE");
            if (choose) {
                list->setCurrentItem(list->topLevelItem(1));
            }
            Button(window, IDOK)->click();
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        std::string name = "none";
        EXPECT_EQ(dialog.GetSelectedNetwork(name), choose);
        EXPECT_EQ(name, choose ? "Cafe, Bar" : "none");
    }
}

TEST_F(WiFiDialogsTest, ModesShowTheirFieldsAndAnOldModuleSetsNoAccessPointPassPhrase) {
    WiFiSettings settings = Logger();
    settings.moduleVersion = "4.40";
    CSetWiFiInfoDlg dialog("Logger 7", "QX 2.10", settings, 0, {});
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_EQ(Edit(window, IDC_WIFI_ADDRESS)->text(), "10.0.0.7");
        EXPECT_EQ(Edit(window, IDC_WIFI_MASK)->text(), "255.255.255.0");
        EXPECT_EQ(Edit(window, IDC_WIFI_PORT)->text(), "80");
        EXPECT_TRUE(Button(window, IDC_WIFI_PORT_80)->isChecked());
        EXPECT_TRUE(Edit(window, IDC_WIFI_SSID)->isEnabled());
        EXPECT_TRUE(Button(window, IDC_WIFI_PASSWORD)->isEnabled());
        EXPECT_FALSE(Button(window, IDC_WIFI_SCAN)->isVisible());

        Button(window, IDC_WIFI_ACCESS_POINT)->click();
        EXPECT_EQ(Edit(window, IDC_WIFI_ADDRESS)->text(), "192.168.1.1");
        for (const int id :
             {IDC_WIFI_SSID, IDC_WIFI_ADDRESS, IDC_WIFI_DHCP, IDC_WIFI_FIXED, IDC_WIFI_PASSWORD}) {
            EXPECT_FALSE(platform::FindControl(window, id)->isEnabled()) << id;
        }
        EXPECT_FALSE(platform::FindControlAs<QLabel>(window, IDC_WIFI_VERSION_NOTE)->text().isEmpty());

        Button(window, IDC_WIFI_JOIN_NETWORK)->click();
        EXPECT_EQ(Edit(window, IDC_WIFI_SSID)->text(), "Plant Floor");
        EXPECT_EQ(Edit(window, IDC_WIFI_ADDRESS)->text(), "10.0.0.7");
        Button(window, IDC_WIFI_DHCP)->click();
        EXPECT_FALSE(Edit(window, IDC_WIFI_ADDRESS)->isEnabled());
        Button(window, IDC_WIFI_PORT_3001)->click();
        Button(window, IDOK)->click();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.changed);
    EXPECT_TRUE(dialog.values.dhcp);
    EXPECT_FALSE(dialog.values.accessPoint);
    EXPECT_EQ(dialog.values.port, "3001");
    EXPECT_EQ(dialog.values.password, WiFiSettings::kUnchanged);
}

TEST_F(WiFiDialogsTest, OkRefusesAPortOutsideOneTo65535) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    CSetWiFiInfoDlg dialog("", "", Logger(), 0, {});
    testsupport::OnNextModal([](QWidget* window) {
        Edit(window, IDC_WIFI_PORT)->setText("70000");
        Button(window, IDOK)->click();
        EXPECT_TRUE(window->isVisible());
        Edit(window, IDC_WIFI_PORT)->setText("65535");
        Button(window, IDOK)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].text, "Enter a TCP port from 1 to 65535.");
}

TEST_F(WiFiDialogsTest, TheScanReplyOffersItsNetworksAndTheChosenOneBecomesTheSsid) {
    std::shared_ptr<platform::MessageTarget> asked;
    WiFiDialogHooks hooks{
        .scan = [&asked](std::shared_ptr<platform::MessageTarget> replyTo) { asked = replyTo; },
        .showHelp = {},
        .offeredModuleVersion = {},
        .stopModuleChecks = {}};
    CSetWiFiInfoDlg dialog("", "", Logger(), 0, std::move(hooks));
    testsupport::OnNextModal([&asked](QWidget* window) {
        Button(window, IDC_WIFI_SCAN)->click();
        ASSERT_NE(asked, nullptr);
        EXPECT_FALSE(Button(window, IDC_WIFI_SCAN)->isEnabled());
        testsupport::OnNextModal([](QWidget* list) {
            auto* networks = platform::FindControlAs<QTreeWidget>(list, IDC_SCAN_NETWORKS);
            ASSERT_EQ(networks->topLevelItemCount(), 2);
            networks->setCurrentItem(networks->topLevelItem(1));
            Button(list, IDOK)->click();
        });
        asked->PostMessage(platform::Message(
            WM_WIFI_SCAN_REPLY, 1,
            platform::MakePayload(std::string("SSID=x,1=6,-48,0,a,b,c,d,Open,2=1,-72,2,a,b,c,d,Cafe, Bar"))));
        EXPECT_TRUE(testsupport::ProcessEventsUntil(
            [window] { return Edit(window, IDC_WIFI_SSID)->text() == "Cafe, Bar"; }));
        EXPECT_TRUE(Button(window, IDC_WIFI_SCAN)->isEnabled());
        Button(window, IDOK)->click();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.values.ssid, "Cafe, Bar");
}

TEST_F(WiFiDialogsTest, SettingsSavedToAFileLoadBackAndThePassPhraseStaysPlain) {
    testsupport::TempFolder folder;
    const std::filesystem::path path = folder / "WiFi.ini";
    testsupport::ScriptedUiBroker broker;
    broker.AnswerFileName(path);
    CSetWiFiInfoDlg saving("", "", Logger(), 0, {});
    testsupport::OnNextModal([](QWidget* window) {
        testsupport::OnNextModal([](QWidget* pass) {
            EXPECT_EQ(pass->windowTitle(), "Set Network Pass Phrase");
            Edit(pass, IDC_PASSWORD_EDIT)->setText("door-key-42");
            Button(pass, IDOK)->click();
        });
        Button(window, IDC_WIFI_PASSWORD)->click();
        Edit(window, IDC_WIFI_SSID)->setText("Yard Net");
        Button(window, IDC_WIFI_SAVE_FILE)->click();
        Button(window, IDOK)->click();
    });
    ASSERT_EQ(saving.DoModal(), IDOK);
    EXPECT_TRUE(saving.fileSaved);
    EXPECT_EQ(saving.values.password, "door-key-42");

    broker.AnswerFileName(path);
    CSetWiFiInfoDlg loading("", "", Logger(), 0, {});
    testsupport::OnNextModal([](QWidget* window) {
        Button(window, IDC_WIFI_LOAD_FILE)->click();
        EXPECT_EQ(Edit(window, IDC_WIFI_SSID)->text(), "Yard Net");
        Button(window, IDOK)->click();
    });
    ASSERT_EQ(loading.DoModal(), IDOK);
    EXPECT_EQ(loading.values.ssid, "Yard Net");
    EXPECT_EQ(loading.values.password, "door-key-42");
    EXPECT_TRUE(loading.changed);
}

TEST_F(WiFiDialogsTest, AnOfferedModuleUpdateIsCancelledJoinedOrTakenAsItIs) {
    struct Case {
        int answer;
        int result;
        bool stopsChecks;
    };
    for (const Case& c :
         {Case{IDCANCEL, IDCANCEL, true}, Case{IDYES, IDOK, false}, Case{IDNO, IDOK, false}}) {
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(c.answer);
        if (c.answer == IDYES) {
            broker.AnswerMessageBox(IDOK);  // the note to choose the network
            broker.AnswerMessageBox(IDNO);  // no settings file before the update
        }
        bool stopped = false;
        WiFiSettings settings = Logger();
        settings.accessPoint = true;
        CSetWiFiInfoDlg dialog(
            "", "", settings, CSetWiFiInfoDlg::kStateUpdateAsked,
            {.scan = {}, .showHelp = {}, .offeredModuleVersion = "4.45", .stopModuleChecks = [&stopped] {
                 stopped = true;
             }});
        if (c.answer == IDYES) {
            testsupport::OnNextModal([](QWidget* window) {
                EXPECT_TRUE(Button(window, IDC_WIFI_JOIN_NETWORK)->isChecked());
                EXPECT_FALSE(Button(window, IDC_WIFI_ACCESS_POINT)->isEnabled());
                EXPECT_FALSE(Button(window, IDC_WIFI_JOIN_NETWORK)->isEnabled());
                Button(window, IDOK)->click();
            });
        }
        EXPECT_EQ(dialog.DoModal(), c.result) << c.answer;
        EXPECT_EQ(stopped, c.stopsChecks) << c.answer;
        ASSERT_FALSE(broker.Asked().empty());
        EXPECT_NE(broker.Asked()[0].text.find("WiFly Ver 4.41\nModule firmware offered: 4.45\n\n"),
                  std::string::npos);
        EXPECT_EQ(dialog.values.accessPoint, c.answer != IDYES) << c.answer;
    }
}

TEST_F(WiFiDialogsTest, AfterAModuleUpdateTheUserIsToldAndTheDialogCloses) {
    for (const int state : {CSetWiFiInfoDlg::kStateUpdateDone, CSetWiFiInfoDlg::kStateUpdateNotDone}) {
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(IDOK);
        CSetWiFiInfoDlg dialog("", "", Logger(), state, {});
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_EQ(broker.Asked().size(), 1u);
        EXPECT_NE(
            broker.Asked()[0].text.find(state == CSetWiFiInfoDlg::kStateUpdateDone ? "was updated" : "not"),
            std::string::npos);
    }
}

}  // namespace
