// The update check's result dialog: the rows it shows, which download buttons it offers, the results
// 100, 101 and 102, and download pages opened in the web browser.
#include "kivo32/dialogs/update_check_dlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>

#include "kivo32/update/update_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

using Findings = CUpdateCheckDlg::Findings;

class UpdateCheckDlgTest : public testsupport::QtTest {
protected:
    UpdateCheckDlgTest() { SetProgramTexts(platform::EnglishTexts()); }

    // Runs the dialog; `act` sees it shown and ends it.
    int Run(const Findings& findings, const std::function<void(QWidget*)>& act) {
        testsupport::OnNextModal(act);
        CUpdateCheckDlg dialog(findings);
        return dialog.DoModal();
    }
    static QAbstractButton* Button(QWidget* dialog, int id) {
        return platform::FindControlAs<QAbstractButton>(dialog, id);
    }
    static std::string Text(QWidget* dialog, int id) {
        return platform::FromQString(platform::FindControlAs<QLabel>(dialog, id)->text());
    }

    testsupport::RecordingDesktopServices desktop_;
};

Findings NewerProgram() {
    Findings findings;
    findings.appNewer = true;
    findings.appMessage = "A newer version is published.";
    findings.thisVersion = "v1.346";
    findings.latestApp = "v1.350";
    findings.appAddress = "http://127.0.0.1:1/Setup.exe";
    findings.appFile = true;
    findings.deviceVersion = "400.224";
    findings.latestDevice = "400.224";
    findings.deviceLabel = "Quarven RS / KX";
    return findings;
}

Findings NewerDevice(const std::string& label) {
    Findings findings;
    findings.thisVersion = "v1.346";
    findings.latestApp = "v1.346";
    findings.deviceNewer = true;
    findings.deviceMessage = "A newer version is published.";
    findings.deviceVersion = "4.40";
    findings.latestDevice = "4.41";
    findings.deviceAddress = "http://127.0.0.1:1/WiFly3-441.img";
    findings.deviceLabel = label;
    findings.deviceFile = true;
    return findings;
}

TEST_F(UpdateCheckDlgTest, ANewerProgramOffersItsDownloadAndShowsTheDeviceAsItIs) {
    bool appShown = false;
    bool deviceShown = true;
    const int result = Run(NewerProgram(), [&](QWidget* dialog) {
        appShown = Button(dialog, CUpdateCheckDlg::IDC_UPDATE_APP_DOWNLOAD)->isVisible();
        deviceShown = Button(dialog, CUpdateCheckDlg::IDC_UPDATE_DEVICE_DOWNLOAD)->isVisible();
        EXPECT_EQ(Text(dialog, CUpdateCheckDlg::IDC_UPDATE_THIS_VERSION), "v1.346");
        EXPECT_EQ(Text(dialog, CUpdateCheckDlg::IDC_UPDATE_LATEST_APP), "v1.350");
        EXPECT_EQ(Text(dialog, CUpdateCheckDlg::IDC_UPDATE_APP_MESSAGE), "A newer version is published.");
        EXPECT_EQ(Text(dialog, CUpdateCheckDlg::IDC_UPDATE_LATEST_DEVICE), "400.224");
        EXPECT_EQ(Text(dialog, CUpdateCheckDlg::IDC_UPDATE_DEVICE_LABEL), "Quarven RS / KX");
        Button(dialog, CUpdateCheckDlg::IDC_UPDATE_APP_DOWNLOAD)->click();
    });
    EXPECT_TRUE(appShown);
    EXPECT_FALSE(deviceShown);
    EXPECT_EQ(result, IDC_VC_DOWNLOAD_INSTALLER);
    EXPECT_TRUE(desktop_.Opened().empty());
}

TEST_F(UpdateCheckDlgTest, TheDeviceButtonAsksForTheFirmwareOfItsDevice) {
    const std::vector<std::pair<std::string, int>> cases{{"Quarven RS / KX", IDC_VC_DOWNLOAD_LOGGER_FIRMWARE},
                                                         {"WiFly", IDC_VC_DOWNLOAD_MODULE_FIRMWARE}};
    for (const auto& [label, expected] : cases) {
        SCOPED_TRACE(label);
        bool appShown = true;
        std::string appMessage;
        const int result = Run(NewerDevice(label), [&](QWidget* dialog) {
            appShown = Button(dialog, CUpdateCheckDlg::IDC_UPDATE_APP_DOWNLOAD)->isVisible();
            appMessage = Text(dialog, CUpdateCheckDlg::IDC_UPDATE_APP_MESSAGE);
            Button(dialog, CUpdateCheckDlg::IDC_UPDATE_DEVICE_DOWNLOAD)->click();
        });
        EXPECT_FALSE(appShown);
        EXPECT_EQ(appMessage, LoadText(IDS_VC_UP_TO_DATE));
        EXPECT_EQ(result, expected);
    }
}

TEST_F(UpdateCheckDlgTest, WithoutTheFilesTheButtonsOpenTheDownloadPagesAndTheDialogStays) {
    Findings findings = NewerDevice("Quarven RS / KX");
    findings.appNewer = true;
    findings.appFile = false;
    findings.appAddress = "http://127.0.0.1:1/downloads";
    findings.deviceFile = false;
    findings.deviceAddress = "http://127.0.0.1:1/firmware";
    const int result = Run(findings, [&](QWidget* dialog) {
        Button(dialog, CUpdateCheckDlg::IDC_UPDATE_APP_DOWNLOAD)->click();
        Button(dialog, CUpdateCheckDlg::IDC_UPDATE_DEVICE_DOWNLOAD)->click();
        EXPECT_TRUE(dialog->isVisible());
        Button(dialog, IDOK)->click();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(desktop_.Opened(),
              (std::vector<std::string>{"http://127.0.0.1:1/downloads", "http://127.0.0.1:1/firmware"}));
}

}  // namespace
