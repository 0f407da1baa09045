// The firmware update window offscreen: the stepping-stone file put in place at open, the files it takes
// and refuses, and the transfer line fed from the counters.
#include "kivo32/tools/firmware_update_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <optional>

#include "kivo32/session/session_messages.h"
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
#include "tests/support/ui/recording_desktop_services.h"

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
        Write(folder_ / "WiFly3-441.img", "image");
    }

    static void Write(const std::filesystem::path& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }

    std::unique_ptr<CFirmwareUpdateDlg> Open(const std::filesystem::path& preset,
                                             const std::string& loggerVersion) {
        CFirmwareUpdateDlg::Links links;
        links.firmwareFolder = folder_ / "Firmware";
        links.startTransfer = [this](FirmwareTransferRequest request) {
            started_.push_back(request.path);
            counters_ = request.counters;
            reply_to_ = request.replyTo;
            return true;
        };
        links.linkKind = [this] { return link_kind_; };
        links.cancelCommand = [this] { ++cancels_; };
        links.postCommand = [this](unsigned command) { posted_.push_back(command); };
        links.reconnect = [this] { posted_.push_back(0); };
        links.endSession = [this] { posted_.push_back(ID_SESSION_DISCONNECT); };
        links.setPresetPath = [this](const std::string& path) { preset_ = path; };
        links.now = [this] { return now_; };
        links.stopModuleCheck = [this] { program_.push_back("no module check"); };
        links.checkVersionAgain = [this] { program_.push_back("check again"); };
        links.holdWaitCursor = [this](bool hold) {
            program_.push_back(hold ? "hold cursor" : "release cursor");
        };
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
    // Moves the counters the window handed over with its request.
    void Count(std::uint64_t total, std::uint64_t done) {
        counters_->total = total;
        counters_->done = done;
    }

    std::vector<std::string> started_;
    std::shared_ptr<TransferCounters> counters_;
    std::shared_ptr<platform::MessageTarget> reply_to_;
    int link_kind_ = kLinkDirect;
    int cancels_ = 0;
    // The commands posted to the main window; 0 for the reconnect over the last link and the disconnect
    // command's number for the end of the session.
    std::vector<unsigned> posted_;
    std::optional<std::string> preset_;
    // What the window set in the program: the update check's flags and the wait-cursor hold, in order.
    std::vector<std::string> program_;
    std::int64_t now_ = 100;
};

TEST_F(FirmwareUpdateDlgTest, OpeningPutsTheSteppingStoneInPlaceOnlyWhenOneIsNeeded) {
    struct Case {
        std::string preset;
        const char* loggerVersion;
        std::string shownPath;
        bool okEnabled;
        std::size_t boxes;
        // The update check's flags the window set.
        std::vector<std::string> program;
    };
    const std::string stone = (folder_ / "Firmware" / "nx400213.HEX").string();
    const std::string newer = (folder_ / "NX400224.hex").string();
    for (const Case& c : {
             Case{newer, "NX400.100", stone, true, 1, {"check again"}},
             Case{stone, "NX400.100", stone, true, 0, {"check again"}},
             Case{newer, "NX400.213", newer, true, 0, {"no module check"}},
             // The file the logger must not take is refused, with its box.
             Case{(folder_ / "bare.hex").string(), "NX400.213", (folder_ / "bare.hex").string(), false, 1, {}},
             // An installer updates nothing here.
             Case{(folder_ / "setup.exe").string(), "NX400.213", (folder_ / "setup.exe").string(), false, 0, {}},
             Case{(folder_ / "gone.hex").string(), "NX400.213", (folder_ / "gone.hex").string(), false, 0, {}},
         }) {
        testsupport::ScriptedUiBroker broker(IDOK);
        program_.clear();
        const auto dialog = Open(c.preset, c.loggerVersion);
        EXPECT_EQ(program_, c.program) << c.preset << " " << c.loggerVersion;
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
    broker.AnswerMessageBox(IDYES);
    FindControlAs<QPushButton>(dialog.get(), IDOK)->click();
    ASSERT_EQ(started_, std::vector<std::string>{(folder_ / "NX400224.hex").string()});
    // A logger firmware file stays offered; it goes only after a yes.
    EXPECT_FALSE(preset_.has_value());
    ASSERT_EQ(broker.Boxes().size(), 1u);
    EXPECT_EQ(broker.Boxes()[0].texts.prompt, LoadText(IDS_FW_CONFIRM_SEND));
    EXPECT_FALSE(FindControlAs<QLineEdit>(dialog.get(), IDC_FW_PATH)->isEnabled());
    Count(1000, 0);
    dialog->OnTimer();
    EXPECT_EQ(Shown(dialog.get(), IDC_FW_NOTE), "0% sent");
    Count(1000, 100);
    dialog->OnTimer();
    now_ += 20;
    Count(1000, 400);
    dialog->OnTimer();
    EXPECT_EQ(Shown(dialog.get(), IDC_FW_NOTE), "40% sent (About 30 seconds remaining)");
    // The session set the total back at the end: the line keeps what went, with no estimate.
    Count(0, 1000);
    now_ += 5;
    dialog->OnTimer();
    EXPECT_EQ(Shown(dialog.get(), IDC_FW_NOTE), "100% sent");
    dialog->TransferFinished(4);
    EXPECT_EQ(Shown(dialog.get(), IDC_FW_NOTE),
              "Ornat 4: the firmware was not sent (the data could not be sent).");
    EXPECT_FALSE(FindControlAs<QPushButton>(dialog.get(), IDOK)->isEnabled());
    EXPECT_FALSE(FindControlAs<QLineEdit>(dialog.get(), IDC_FW_PATH)->isEnabled());
}

TEST_F(FirmwareUpdateDlgTest, TheSessionsResultDecidesBeepLineAndClosingStep) {
    using Kind = platform::DesktopServices::BeepKind;
    struct Case {
        const char* name;
        std::string file;
        int result;
        int installation;
        Kind beep;
        std::string line;  // after the result
        int ticks;         // of the countdown to the closing step
        std::vector<unsigned> posted;
        // The wait cursor is held from a sent logger firmware to the closing step.
        std::vector<std::string> cursor;
    };
    const std::string hex = (folder_ / "NX400224.hex").string();
    const std::string image = (folder_ / "WiFly3-441.img").string();
    const Case cases[] = {
        {"firmware sent",
         hex,
         0,
         0,
         Kind::Information,
         "Ornat 4: the firmware was sent. The logger is installing it and restarts by itself.",
         20,
         {ID_SESSION_DISCONNECT, ID_SESSION_CONNECT_DIRECT},
         {"hold cursor", "release cursor"}},
        {"firmware refused",
         hex,
         5,
         0,
         Kind::Warning,
         "Ornat 4: the firmware was not sent (the logger refused a block).",
         30,
         {},
         {}},
        {"image installed",
         image,
         0,
         0,
         Kind::Information,
         "WiFly: the firmware image was sent.",
         1,
         {ID_SESSION_VERSION_CHECK},
         {}},
        {"installation failed",
         image,
         0,
         5,
         Kind::Warning,
         "Error while waiting for Wi-Fi update to complete.",
         30,
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedUiBroker broker(IDYES);
        testsupport::RecordingDesktopServices desktop;
        posted_.clear();
        const auto dialog = Open(c.file, "NX400.213");
        program_.clear();
        FindControlAs<QPushButton>(dialog.get(), IDOK)->click();
        ASSERT_NE(reply_to_, nullptr);
        reply_to_->PostMessage(platform::Message(WM_FIRMWARE_RESULT, static_cast<std::uintptr_t>(c.result),
                                                 nullptr, c.installation));
        testsupport::ProcessEventsFor(20);
        EXPECT_EQ(desktop.BeepKinds(), std::vector<Kind>{c.beep});
        EXPECT_EQ(Shown(dialog.get(), IDC_FW_NOTE), c.line);
        EXPECT_EQ(program_, c.cursor.empty() ? c.cursor : std::vector<std::string>{c.cursor.front()});
        for (int tick = 0; tick < c.ticks; ++tick) {
            dialog->OnTimer();
        }
        EXPECT_EQ(posted_, c.posted);
        EXPECT_EQ(program_, c.cursor);
        // The window ends with the closing step only; after a failure Cancel is all that is left.
        EXPECT_EQ(dialog->isVisible(), c.posted.empty());
        EXPECT_FALSE(FindControlAs<QPushButton>(dialog.get(), IDOK)->isEnabled());
    }
}

TEST_F(FirmwareUpdateDlgTest, AWindowClosedWhileTheLoggerInstallsGivesTheWaitCursorBack) {
    testsupport::ScriptedUiBroker broker(IDYES);
    auto dialog = Open(folder_ / "NX400224.hex", "NX400.213");
    program_.clear();
    FindControlAs<QPushButton>(dialog.get(), IDOK)->click();
    ASSERT_NE(reply_to_, nullptr);
    reply_to_->PostMessage(platform::Message(WM_FIRMWARE_RESULT, 0));
    testsupport::ProcessEventsFor(20);
    dialog->OnTimer();
    dialog.reset();
    EXPECT_EQ(program_, (std::vector<std::string>{"hold cursor", "release cursor"}));
}

TEST_F(FirmwareUpdateDlgTest, ALostLinkEndsTheWindow) {
    testsupport::ScriptedUiBroker broker(IDYES);
    const auto dialog = Open(folder_ / "WiFly3-441.img", "NX400.213");
    FindControlAs<QPushButton>(dialog.get(), IDOK)->click();
    ASSERT_NE(reply_to_, nullptr);
    reply_to_->PostMessage(platform::Message(WM_FIRMWARE_RESULT, 3));
    testsupport::ProcessEventsFor(20);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(posted_.empty());
}

TEST_F(FirmwareUpdateDlgTest, CancelStopsTheTransferAndAsksFirstOnANetworkLink) {
    struct Case {
        int linkKind;
        std::uint64_t total;
        int answer;  // to the question, when one is asked
        bool asked;
        bool ends;
    };
    for (const Case& c :
         {Case{kLinkNetwork, 1000, IDNO, true, false}, Case{kLinkNetwork, 1000, IDYES, true, true},
          Case{kLinkDirect, 1000, 0, false, true}, Case{kLinkNetwork, 0, 0, false, true}}) {
        SCOPED_TRACE(testing::Message() << c.linkKind << " " << c.total << " " << c.answer);
        testsupport::ScriptedUiBroker broker(IDYES);
        link_kind_ = c.linkKind;
        cancels_ = 0;
        app_.Set(CAppContext::Flag::Abort, false);
        const auto dialog = Open(folder_ / "WiFly3-441.img", "NX400.213");
        FindControlAs<QPushButton>(dialog.get(), IDOK)->click();
        Count(c.total, c.total / 2);
        if (c.asked) {
            broker.AnswerMessageBox(c.answer);
        }
        FindControlAs<QPushButton>(dialog.get(), IDCANCEL)->click();
        EXPECT_EQ(broker.Boxes().size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(broker.Boxes()[0].texts.prompt, LoadText(IDS_FW_CONFIRM_CANCEL));
        }
        EXPECT_EQ(dialog->isVisible(), !c.ends);
        EXPECT_EQ(app_.IsSet(CAppContext::Flag::Abort), c.ends);
        // The session's command is cancelled only while a transfer runs.
        EXPECT_EQ(cancels_, c.ends && c.total != 0 ? 1 : 0);
        // A module image is not offered again.
        EXPECT_EQ(preset_, std::optional<std::string>(""));
    }
}

}  // namespace
