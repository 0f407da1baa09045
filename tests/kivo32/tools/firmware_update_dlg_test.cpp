// The firmware update window offscreen: the stepping-stone file put in place at open, the files it takes
// and refuses, and the transfer line fed from the counters.
#include "kivo32/tools/firmware_update_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>

#include "kivo32/tools/firmware_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

class FirmwareUpdateDlgTest : public testsupport::QtTest {
protected:
    FirmwareUpdateDlgTest() {
        SetProgramTexts(platform::EnglishTexts());
        std::filesystem::create_directories(folder_ / "Firmware");
        Write(folder_ / "Firmware" / "nx400213.HEX", ";VERSION=NX400.213\n:00000001FF\n");
        Write(folder_ / "NX400224.hex", ";VERSION=NX400.224\n:00000001FF\n");
        Write(folder_ / "bare.hex", ":00000001FF\n");
        Write(folder_ / "setup.exe", "MZ");
    }

    static void Write(const std::filesystem::path& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }

    std::unique_ptr<CFirmwareUpdateDlg> Open(const std::filesystem::path& preset,
                                             const std::string& loggerVersion) {
        CFirmwareUpdateDlg::Links links;
        links.firmwareFolder = folder_ / "Firmware";
        links.startTransfer = [this](const std::string& path) {
            started_.push_back(path);
            return true;
        };
        links.counters = [this] { return counters_; };
        links.now = [this] { return now_; };
        auto dialog = std::make_unique<CFirmwareUpdateDlg>(app_, std::move(links), nullptr);
        dialog->SetInfo(preset.string(), loggerVersion, "Ornat 4", "4.41", "WiFly");
        dialog->show();
        testsupport::ProcessEventsFor(20);
        return dialog;
    }

    static std::string Shown(const QWidget* dialog, int id) {
        if (const auto* edit = FindControlAs<QLineEdit>(dialog, id)) {
            return edit->text().toStdString();
        }
        return FindControlAs<QLabel>(dialog, id)->text().toStdString();
    }

    testsupport::FakeAppContext app_;
    testsupport::TempFolder folder_;
    std::vector<std::string> started_;
    CFirmwareUpdateDlg::TransferCounters counters_;
    std::int64_t now_ = 100;
};

TEST_F(FirmwareUpdateDlgTest, OpeningPutsTheSteppingStoneInPlaceOnlyWhenOneIsNeeded) {
    struct Case {
        std::string preset;
        const char* loggerVersion;
        std::string shownPath;
        bool okEnabled;
        std::size_t boxes;
    };
    const std::string stone = (folder_ / "Firmware" / "nx400213.HEX").string();
    const std::string newer = (folder_ / "NX400224.hex").string();
    for (const Case& c : {
             Case{newer, "NX400.100", stone, true, 1},
             Case{newer, "NX400.213", newer, true, 0},
             // The file the logger must not take is refused, with its box.
             Case{(folder_ / "bare.hex").string(), "NX400.213", (folder_ / "bare.hex").string(), false, 1},
             // An installer updates nothing here.
             Case{(folder_ / "setup.exe").string(), "NX400.213", (folder_ / "setup.exe").string(), false, 0},
             Case{(folder_ / "gone.hex").string(), "NX400.213", (folder_ / "gone.hex").string(), false, 0},
         }) {
        testsupport::ScriptedUiBroker broker(IDOK);
        const auto dialog = Open(c.preset, c.loggerVersion);
        EXPECT_EQ(Shown(dialog.get(), IDC_FW_PATH), c.shownPath) << c.preset << " " << c.loggerVersion;
        EXPECT_EQ(FindControlAs<QPushButton>(dialog.get(), IDOK)->isEnabled(), c.okEnabled)
            << c.preset << " " << c.loggerVersion;
        EXPECT_EQ(broker.Boxes().size(), c.boxes) << c.preset << " " << c.loggerVersion;
    }
}

TEST_F(FirmwareUpdateDlgTest, SteppingStoneNoteNamesTheModelAndVersion) {
    testsupport::ScriptedUiBroker broker(IDOK);
    const auto dialog = Open(folder_ / "NX400224.hex", "NX400.100");
    ASSERT_EQ(broker.Boxes().size(), 1u);
    EXPECT_NE(broker.Boxes()[0].texts.prompt.find("Ornat 4"), std::string::npos);
    EXPECT_NE(broker.Boxes()[0].texts.prompt.find("400.213"), std::string::npos);
    EXPECT_EQ(Shown(dialog.get(), IDC_FW_FILE_VERSION), "File version: NX400.213");
}

TEST_F(FirmwareUpdateDlgTest, OkHandsTheFileOverAndTheTimerShowsTheCounters) {
    testsupport::ScriptedUiBroker broker(IDOK);
    const auto dialog = Open(folder_ / "NX400224.hex", "NX400.213");
    FindControlAs<QPushButton>(dialog.get(), IDOK)->click();
    ASSERT_EQ(started_, std::vector<std::string>{(folder_ / "NX400224.hex").string()});
    EXPECT_FALSE(FindControlAs<QLineEdit>(dialog.get(), IDC_FW_PATH)->isEnabled());
    counters_ = {1000, 0};
    dialog->OnTimer();
    EXPECT_EQ(Shown(dialog.get(), IDC_FW_NOTE), "0% sent");
    counters_ = {1000, 100};
    dialog->OnTimer();
    now_ += 20;
    counters_ = {1000, 400};
    dialog->OnTimer();
    EXPECT_EQ(Shown(dialog.get(), IDC_FW_NOTE), "40% sent (About 30 seconds remaining)");
    dialog->TransferFinished(4);
    EXPECT_EQ(Shown(dialog.get(), IDC_FW_NOTE),
              "Ornat 4: the firmware was not sent (the data could not be sent).");
    EXPECT_FALSE(FindControlAs<QPushButton>(dialog.get(), IDOK)->isEnabled());
    EXPECT_FALSE(FindControlAs<QLineEdit>(dialog.get(), IDC_FW_PATH)->isEnabled());
}

}  // namespace
