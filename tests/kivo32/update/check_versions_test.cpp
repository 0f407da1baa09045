// The whole version check against a version page served on 127.0.0.1, with a fake logger and host: a
// newer program and its installer, newer logger firmware from the firmware folder, a module that must
// update over FTP, nothing new, offline, switched off, one check at a time.
#include "kivo32/update/check_versions.h"

#include <gtest/gtest.h>

#include <fstream>

#include "kivo32/update/update_ids.h"
#include "kivo32/update/update_requests.h"
#include "kivo32/update/version_check.h"
#include "kivo32/update/version_check_host.h"
#include "kivo32/update/version_page_fetcher.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/message_target.h"
#include "platform/base/program_texts.h"
#include "shared/common/open_with_desktop_request.h"
#include "tests/support/local_http_server.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"

namespace {

class FakeLogger : public CVersionCheckLogger {
public:
    Identity identity{13, "NX400.224", false};
    std::optional<std::string> module;

    Identity ReadIdentity() override { return identity; }
    std::optional<std::string> ReadModuleFirmware() override { return module; }
};

class FakeHost : public CVersionCheckHost {
public:
    FakeLogger* logger = nullptr;
    bool checkAgain = false;
    bool checkWiFly = false;
    bool splashHidden = false;
    bool moduleUpdateRequested = false;
    std::pair<std::string, std::string> latestLogger;
    std::pair<std::string, std::string> latestModule;
    std::string firmwareFile;
    platform::MessageQueue mainQueue;
    platform::MessageQueue sessionQueue;

    std::string ThisVersion() const override { return "v1.346"; }
    std::string FirmwareOverride() const override { return {}; }
    std::string ModuleOverride() const override { return {}; }
    CVersionCheckLogger* Logger() override { return logger; }
    bool TakeCheckVersionAgain() override { return std::exchange(checkAgain, false); }
    bool IsCheckWiFly() const override { return checkWiFly; }
    void SetCheckWiFly(bool on) override { checkWiFly = on; }
    void SetLatestLogger(const std::string& model, const std::string& version) override {
        latestLogger = {model, version};
    }
    void SetLatestModule(const std::string& model, const std::string& version) override {
        latestModule = {model, version};
    }
    void SetFirmwareFile(const std::string& path) override { firmwareFile = path; }
    void HideSplash() override { splashHidden = true; }
    void RequestModuleUpdate() override { moduleUpdateRequested = true; }
    platform::MessageTarget* MainWindow() override { return &main_target_; }
    platform::MessageTarget* Session() override { return &session_target_; }

private:
    platform::QueueMessageTarget main_target_{mainQueue};
    platform::QueueMessageTarget session_target_{sessionQueue};
};

class CheckVersionsTest : public testing::Test {
protected:
    CheckVersionsTest() {
        SetProgramTexts(testsupport::LoadResourceTexts("en", "update"));
        check_.SetUserDataFolder([this] { return folder_.path(); });
        check_.SetOnlineTest([this] { return online_; });
        // The test server answers by whole path: the fetch goes there without the query that keeps
        // caches out, which is kept to be looked at.
        check_.SetFetcher(
            [this](const std::string& url, const std::filesystem::path& path, std::string& error) {
                fetched_.push_back(url);
                return HttpPageFetcher()(url.substr(0, url.find('?')), path, error);
            });
        check_.SetSchedule({true, "7", "", server_.Url("/AppVer.html")});
        check_.SetWaitCursor([this](int code) { wait_cursor_.push_back(code); });
    }

    // Serves a page with the program version `app` and its installer, then `rows`.
    void ServePage(const std::string& app, const std::string& rows) {
        page_ = "<p>Format: 1<br>\nKIVO15Ver: " + app + "<br>\nAppVerURL: " + server_.Url("/AppVer.html") +
                "<br>\nKIVODownloadsURL: " + server_.Url("/downloads") +
                "<br>\nKIVOFileURL: " + server_.Url("/Setup.exe") +
                "<br>\nKIVOFileSize: 2048<br>\nKIVOFileName: Setup.exe</p>\n" + rows;
        server_.Serve("/AppVer.html", testsupport::TextResponse(200, page_));
    }
    void WriteFile(const std::filesystem::path& path, const std::string& text) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    // The fetches of the version page, each with its own tick count.
    std::size_t PageRequests() const {
        std::size_t count = 0;
        for (const std::string& url : fetched_) {
            count += url.starts_with(server_.Url("/AppVer.html?t=")) ? 1 : 0;
        }
        return count;
    }
    // How often the dialog of `name` was asked for.
    std::size_t AskedFor(std::string_view name) const {
        std::size_t count = 0;
        for (const testsupport::AskedQuestion& question : broker_.Asked()) {
            count += question.kind == name ? 1 : 0;
        }
        return count;
    }
    bool Run(bool force, bool show, bool checkApp) {
        return CheckVersions(check_, host_, force, show, checkApp);
    }

    testsupport::TempFolder folder_;
    testsupport::LocalHttpServer server_;
    testsupport::ScriptedUiBroker broker_;
    bool online_ = true;
    std::string page_;
    std::vector<std::string> fetched_;
    std::vector<int> wait_cursor_;
    CVersionCheck check_;
    FakeLogger logger_;
    FakeHost host_;
};

constexpr const char* kLoggerRow =
    "Device0Model: Quarven RS<br>Device0Ver: NX400.224<br>\n"
    "Device0URL: http://127.0.0.1:1/firmware<br>Device0FileName: NX400224.hex<br>\n";
constexpr const char* kModuleRow = "Device1Model: WiFly<br>Device1Ver: 4.41<br>\n";

TEST_F(CheckVersionsTest, ANewerProgramOnlyOffersItsInstallerWhichOpensOnceDownloaded) {
    ServePage("v1.350", "");
    const std::string installer = (folder_ / "Setup.exe").string();
    broker_.AnswerRequest<UpdateCheckRequest>(IDC_VC_DOWNLOAD_INSTALLER);
    broker_.AnswerRequest<GetWebFileRequest>(IDOK, [&](GetWebFileRequest& r) { r.path = installer; });
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerRequest<OpenWithDesktopRequest>(IDOK);

    EXPECT_TRUE(Run(false, false, true));

    EXPECT_EQ(PageRequests(), 1u);
    EXPECT_EQ(wait_cursor_, (std::vector<int>{1, -1}));
    EXPECT_TRUE(std::filesystem::exists(folder_ / CVersionCheck::kPageCopyName));
    EXPECT_FALSE(check_.GetSchedule().next.empty());
    EXPECT_TRUE(host_.splashHidden);
    const std::vector<testsupport::AskedQuestion> asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 4u);
    const auto& dialog = asked[0].As<UpdateCheckRequest>();
    EXPECT_TRUE(dialog.appNewer);
    EXPECT_FALSE(dialog.deviceNewer);
    EXPECT_EQ(dialog.thisVersion, "v1.346");
    EXPECT_EQ(dialog.latestApp, "v1.350");
    EXPECT_EQ(dialog.appAddress, server_.Url("/Setup.exe"));
    EXPECT_TRUE(dialog.appFile);
    EXPECT_EQ(dialog.deviceLabel, "");
    const auto& download = asked[1].As<GetWebFileRequest>();
    EXPECT_EQ(download.path, installer);
    EXPECT_EQ(download.size, 2048);
    EXPECT_EQ(download.fileType, 2);
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_VC_RUN_INSTALLER_NOW);
    EXPECT_EQ(asked[3].As<OpenWithDesktopRequest>().path, installer);
    // The installer is no firmware.
    EXPECT_EQ(host_.firmwareFile, "");
}

TEST_F(CheckVersionsTest, NewerLoggerFirmwareInTheFirmwareFolderStartsTheFirmwareUpdate) {
    ServePage("v1.346", kLoggerRow);
    WriteFile(folder_ / "Firmware" / "NX400224.hex", "x");
    logger_.identity.firmwareText = "NX400.213";
    host_.logger = &logger_;
    broker_.AnswerMessageBox(IDYES);

    EXPECT_TRUE(Run(false, false, false));

    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_VC_USE_LOCAL_FILE);
    EXPECT_EQ(host_.firmwareFile, (folder_ / "Firmware" / "NX400224.hex").string());
    EXPECT_EQ(host_.latestLogger, (std::pair<std::string, std::string>("Quarven RS", "NX400.224")));
    const std::optional<platform::Message> posted = host_.mainQueue.TryTake();
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->id, WM_COMMAND);
    EXPECT_EQ(posted->wParam, ID_VC_FIRMWARE_UPDATE);
    EXPECT_TRUE(host_.mainQueue.Empty());
    EXPECT_EQ(AskedFor(UpdateCheckRequest::kName), 0u);
}

TEST_F(CheckVersionsTest, NewerLoggerFirmwareToDownloadIsStoredAsTheFirmwareFile) {
    ServePage("v1.346",
              std::string(kLoggerRow) + "Device0FileURL: " + server_.Url("/NX400224.hex") + "<br>\n");
    logger_.identity.firmwareText = "NX400.213";
    host_.logger = &logger_;
    const std::string downloaded = (folder_ / "Firmware" / "NX400224.hex").string();
    broker_.AnswerRequest<UpdateCheckRequest>(IDC_VC_DOWNLOAD_LOGGER_FIRMWARE);
    broker_.AnswerRequest<GetWebFileRequest>(IDOK, [&](GetWebFileRequest& r) { r.path = downloaded; });
    broker_.AnswerMessageBox(IDOK);

    EXPECT_TRUE(Run(true, true, true));

    const std::vector<testsupport::AskedQuestion> asked = broker_.Asked();
    ASSERT_GE(asked.size(), 2u);
    const auto& dialog = asked[0].As<UpdateCheckRequest>();
    EXPECT_TRUE(dialog.deviceNewer);
    EXPECT_EQ(dialog.deviceLabel, "Quarven RS / KX");
    EXPECT_EQ(dialog.deviceVersion, "400.213");
    EXPECT_EQ(dialog.latestDevice, "400.224");
    EXPECT_TRUE(dialog.deviceFile);
    EXPECT_EQ(asked[1].As<GetWebFileRequest>().path, downloaded);
    EXPECT_EQ(asked[1].As<GetWebFileRequest>().fileType, 1);
    EXPECT_EQ(host_.firmwareFile, downloaded);
    EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDS_VC_UPDATE_FIRMWARE_NOW);
    const std::optional<platform::Message> posted = host_.mainQueue.TryTake();
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->wParam, ID_VC_FIRMWARE_UPDATE);
}

TEST_F(CheckVersionsTest, AModuleBelow441UpdatesOverFtpUnlessTheLoggerIsLinkedThroughIt) {
    for (const bool linkedThroughWiFi : {false, true}) {
        SCOPED_TRACE(linkedThroughWiFi ? "linked through the module" : "linked by cable");
        ServePage("v1.346", std::string(kLoggerRow) + kModuleRow);
        FakeHost host;
        FakeLogger logger;
        logger.identity.linkedThroughWiFi = linkedThroughWiFi;
        logger.module = "WiFly Ver 4.40, 08-21-2013";
        host.logger = &logger;
        host.checkWiFly = true;
        if (linkedThroughWiFi) {
            broker_.AnswerMessageBox(IDOK);
        }

        EXPECT_TRUE(CheckVersions(check_, host, true, true, false));

        EXPECT_EQ(host.latestModule, (std::pair<std::string, std::string>("WiFly", "4.41")));
        EXPECT_EQ(host.moduleUpdateRequested, !linkedThroughWiFi);
        const std::optional<platform::Message> posted = host.sessionQueue.TryTake();
        EXPECT_EQ(posted.has_value(), !linkedThroughWiFi);
        if (posted) {
            EXPECT_EQ(posted->id, WM_APP + 0x152u);
        }
        EXPECT_TRUE(host.mainQueue.Empty());
    }
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_VC_MODULE_LINKED_THROUGH_WIFI);
    EXPECT_EQ(AskedFor(UpdateCheckRequest::kName), 0u);
}

TEST_F(CheckVersionsTest, NothingNewShowsTheSummaryOfWhatIsInstalledAndPublished) {
    ServePage("v1.346", std::string(kLoggerRow) + kModuleRow);
    logger_.module = "4.41";
    host_.logger = &logger_;
    host_.checkWiFly = true;
    broker_.AnswerMessageBox(IDOK);

    EXPECT_TRUE(Run(true, true, true));

    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].texts.prompt,
              "Everything is up to date.\n\n_______________________________"
              "\n\nKIVO: v1.346\nLatest: v1.346"
              "\n\nQuarven RS: NX400.224\nLatest: NX400.224"
              "\n\nWiFly: 4.41\nLatest: 4.41");
    EXPECT_FALSE(host_.checkWiFly);
    EXPECT_EQ(PageRequests(), 1u);
}

TEST_F(CheckVersionsTest, WithoutAPageTheStartUpCheckIsSilentAndTheMenuCheckSaysSo) {
    // Offline without a local copy, and a build without a page address and no "UpdateURL".
    for (const bool offline : {true, false}) {
        SCOPED_TRACE(offline ? "offline" : "no page address");
        testsupport::ScriptedUiBroker broker;
        online_ = !offline;
        ServePage("v1.350", "");
        if (!offline) {
            check_.SetSchedule({true, "7", "", ""});
        }

        EXPECT_TRUE(Run(false, false, true));
        EXPECT_TRUE(broker.Boxes().empty());
        broker.AnswerMessageBox(IDOK);
        EXPECT_TRUE(Run(true, true, true));
        // Nothing is claimed up to date either.
        ASSERT_EQ(broker.Boxes().size(), 1u);
        EXPECT_EQ(broker.Boxes()[0].ids.promptId, IDS_VC_PAGE_UNREAD);
        EXPECT_TRUE(fetched_.empty());
    }
}

TEST_F(CheckVersionsTest, OfflineTheChecksWorkFromTheLocalCopy) {
    online_ = false;
    ServePage("v1.350", "");
    WriteFile(folder_ / CVersionCheck::kPageCopyName, page_);
    broker_.AnswerRequest<UpdateCheckRequest>(IDOK);

    EXPECT_TRUE(Run(false, false, true));

    ASSERT_EQ(AskedFor(UpdateCheckRequest::kName), 1u);
    EXPECT_EQ(broker_.Asked().back().As<UpdateCheckRequest>().latestApp, "v1.350");
    EXPECT_EQ(PageRequests(), 0u);
}

TEST_F(CheckVersionsTest, SwitchedOffOnlyTheMenuCheckLooks) {
    ServePage("v1.350", kLoggerRow);
    check_.SetSchedule({false, "7", "", server_.Url("/AppVer.html")});
    logger_.identity.firmwareText = "NX400.213";
    host_.logger = &logger_;

    EXPECT_TRUE(Run(false, false, true));
    EXPECT_TRUE(Run(false, false, false));
    EXPECT_EQ(PageRequests(), 0u);
    EXPECT_TRUE(broker_.Asked().empty());

    broker_.AnswerRequest<UpdateCheckRequest>(IDOK);
    EXPECT_TRUE(Run(true, true, true));
    EXPECT_EQ(PageRequests(), 1u);
    ASSERT_EQ(broker_.Asked().size(), 1u);
    EXPECT_TRUE(broker_.Asked()[0].As<UpdateCheckRequest>().appNewer);
    EXPECT_TRUE(broker_.Asked()[0].As<UpdateCheckRequest>().deviceNewer);
}

TEST_F(CheckVersionsTest, AfterAFirmwareUpdateTheNextCheckIsForcedAndLeavesTheProgramOut) {
    ServePage("v1.350", kLoggerRow);
    WriteFile(folder_ / CVersionCheck::kPageCopyName, page_);
    check_.SetNextCheckDate();  // not due
    host_.logger = &logger_;
    host_.checkAgain = true;

    EXPECT_TRUE(Run(false, false, true));

    EXPECT_FALSE(host_.checkAgain);
    EXPECT_FALSE(host_.splashHidden);
    EXPECT_EQ(AskedFor(UpdateCheckRequest::kName), 0u);
    EXPECT_EQ(host_.latestLogger.second, "NX400.224");
}

TEST_F(CheckVersionsTest, ACheckAskedForWhileAnotherRunsIsLeftOut) {
    ServePage("v1.350", "");
    const std::unique_lock running = check_.TryLockForCheck();
    ASSERT_TRUE(running.owns_lock());
    EXPECT_FALSE(Run(true, true, true));
    EXPECT_EQ(PageRequests(), 0u);
    EXPECT_TRUE(broker_.Asked().empty());
}

}  // namespace
