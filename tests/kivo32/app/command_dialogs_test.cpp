// The windows the program gives the requests of code without widgets: each runner shows its dialog
// with the request's values and writes the user's answers back.
#include "kivo32/app/command_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/session/setting_requests.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class CommandDialogsTest : public testsupport::QtTest {};

TEST_F(CommandDialogsTest, TheSessionsNetworkSettingsRequestGetsItsWindow) {
    RegisterCommandDialogs();
    const auto runner = platform::FindDialogRunner<SetNetworkInfoRequest>();
    ASSERT_TRUE(runner);
    SetNetworkInfoRequest request{.logger = {.loggerId = "Logger 7", .firmware = "NX4.212"},
                                  .settings = {.address = "10.0.0.7",
                                               .mask = "255.255.255.0",
                                               .port = "3001",
                                               .gateway = "10.0.0.1",
                                               .mac = "00:1E:C0:12:34:56",
                                               .dhcp = false},
                                  .quarven = true,
                                  .editMac = false};
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_EQ(platform::FindControlAs<QLabel>(window, IDC_NETINFO_FIRST_TEXT)->text(), "Logger 7");
        EXPECT_FALSE(platform::FindControlAs<QLineEdit>(window, IDC_NETINFO_MAC)->isVisible());
        platform::FindControlAs<QLineEdit>(window, IDC_NETINFO_ADDRESS)->setText("10.0.0.8");
        platform::FindControlAs<QAbstractButton>(window, IDC_NETINFO_PORT_80)->click();
        platform::FindControlAs<QAbstractButton>(window, IDOK)->click();
    });
    ASSERT_EQ(runner(request), IDOK);
    EXPECT_EQ(request.settings.address, "10.0.0.8");
    EXPECT_EQ(request.settings.port, "80");
    EXPECT_EQ(request.settings.mask, "255.255.255.0");
    EXPECT_EQ(request.settings.gateway, "10.0.0.1");
    EXPECT_FALSE(request.settings.dhcp);
}

}  // namespace
