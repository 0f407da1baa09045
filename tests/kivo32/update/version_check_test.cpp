// The version check without its driver: the version page's entries and device rows, a page address that
// moves, version order and thousandths, firmware file names and the newest file, the due and next dates,
// and the device results.
#include "kivo32/update/version_check.h"

#include <gtest/gtest.h>

#include <fstream>

#include "kivo32/update/update_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "tests/support/local_http_server.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"

namespace {

// 2026-03-01 12:00:00 UTC.
constexpr std::time_t kNow = 1772366400;

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A page that parses: its three required values, then `body`.
std::string Page(const std::string& body, const std::string& pageAddress = "http://127.0.0.1:1/AppVer.html") {
    return "<html><body>\n<p>Format: 1<br>\nKIVO15Ver: v1.350<br>\nAppVerURL: " + pageAddress +
           "<br>\nKIVODownloadsURL: http://127.0.0.1:1/downloads</p>\n" + body + "\n</body></html>\n";
}

class VersionCheckTest : public testing::Test {
protected:
    VersionCheckTest() {
        SetProgramTexts(testsupport::LoadResourceTexts("en", "update"));
        check_.SetUserDataFolder([this] { return folder_.path(); });
        check_.SetOnlineTest([this] { return online_; });
        check_.SetClock([this] { return now_; });
        check_.SetSchedule({true, "7", "", "http://127.0.0.1:1/AppVer.html"});
    }

    bool Parse(const std::string& page) {
        WriteFile(PagePath(), page);
        return check_.ParseVersionPage(PagePath());
    }
    std::filesystem::path PagePath() const { return folder_ / CVersionCheck::kPageCopyName; }

    testsupport::TempFolder folder_;
    testsupport::ScriptedUiBroker broker_;
    bool online_ = false;
    std::time_t now_ = kNow;
    CVersionCheck check_;
};

struct EntryCase {
    const char* what;
    std::string body;
    std::size_t cell;  // the device cell expected to hold `value`; npos: no cell at all
    std::string value;
};

TEST_F(VersionCheckTest, EntriesEndAtTheirTagsAndDeviceKeysNameTheirCell) {
    constexpr std::size_t kNone = std::string::npos;
    const std::vector<EntryCase> cases{
        {"an entry ended by <br>", "Device1Model: Quarven RS<br>", 7, "Quarven RS"},
        {"entries ended by the whole <br />, one after another on a line",
         "Device0Model: Quarven KX<br />Device0Ver: NX400.224<br />", 1, "NX400.224"},
        {"an entry ended by </p>", "Device0FileName: NX400224.hex</p>", 5, "NX400224.hex"},
        {"an entry with a tag before its key", "<p>Device0FileName: NX400224.hex</p>", kNone, ""},
        {"&nbsp; as blanks, and the value after the colon and its blanks",
         "Device2Ver:&nbsp;&nbsp;  NX401.005 <br>", 15, "NX401.005"},
        {"row twelve's version", "Device12Ver: 400.224<br>", 12 * 7 + 1, "400.224"},
        {"the pattern column", "Device3FWTemplate: NX*.hex<br>", 3 * 7 + 6, "NX*.hex"},
        {"no digit right after Device", "Devices1Ver: 400.224<br>", kNone, ""},
        {"text before Device", "New Device1Ver: 400.224<br>", kNone, ""},
        {"a key that is no column", "Device1VerX: 400.224<br>", kNone, ""},
        {"a row far beyond any page", "Device99999999999999999999Ver: 1<br>", kNone, ""},
        {"a line without an end tag", "Device1Ver: 400.224", kNone, ""},
    };
    for (const EntryCase& entry : cases) {
        SCOPED_TRACE(entry.what);
        ASSERT_TRUE(Parse(Page(entry.body)));
        const std::vector<std::string>& cells = check_.DeviceCells();
        if (entry.cell == kNone) {
            EXPECT_TRUE(cells.empty()) << cells.size();
        } else {
            ASSERT_LT(entry.cell, cells.size());
            EXPECT_EQ(cells[entry.cell], entry.value);
            EXPECT_EQ(cells.size() % 7, 0u);
        }
    }
}

TEST_F(VersionCheckTest, TheProgramValuesComeFromTheirTagsAfterTheFormatLine) {
    const std::string page =
        "KIVO15Ver: v9.999<br>\n"  // before the format line: not read
        "<p>Format: 1<br>KIVO15Ver:&nbsp;v1.350 <br />AppVerURL: http://127.0.0.1:1/AppVer.html<br>\n"
        "KIVODownloadsURL: http://127.0.0.1:1/downloads</p>\n"
        "KIVOFileURL: http://127.0.0.1:1/Setup.exe<br>KIVOFileSize: 1234<br>KIVOFileName: Setup.exe<br>\n";
    ASSERT_TRUE(Parse(page));
    EXPECT_EQ(check_.GetAppLatestVersion(), "v1.350");
    EXPECT_EQ(check_.GetDownloadsUrl(), "http://127.0.0.1:1/downloads");
    EXPECT_EQ(check_.GetFileUrl(), "http://127.0.0.1:1/Setup.exe");
    EXPECT_EQ(check_.GetFileSize(), "1234");
    EXPECT_EQ(check_.GetFileName(), "Setup.exe");
}

TEST_F(VersionCheckTest, APageWithoutEndTagsOrWithoutItsValuesFailsAndOnlyAForcedCheckSaysSo) {
    EXPECT_FALSE(Parse("Format: 1\nKIVO15Ver: v1.350\nKIVODownloadsURL: http://127.0.0.1:1/d\n"));
    EXPECT_TRUE(broker_.Boxes().empty());

    check_.SetForce(true);
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(Parse("<p>Format: 1<br>KIVO15Ver: v1.350<br></p>"));
    EXPECT_FALSE(check_.ParseVersionPage(folder_ / "missing.html"));
    ASSERT_EQ(broker_.Boxes().size(), 2u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_VC_PAGE_UNREAD);
    EXPECT_EQ(broker_.Boxes()[1].ids.promptId, IDS_VC_PAGE_UNREAD);
}

TEST_F(VersionCheckTest, AMovedPageCountsOnlyWhenItsNewAddressServesAVersionPage) {
    testsupport::LocalHttpServer server;
    online_ = true;
    server.Serve("/new.html", testsupport::TextResponse(200, "<p>Format: 1<br>\nAppVerURL: x<br>\n"));
    server.Serve("/empty.html", testsupport::TextResponse(200, "<p>Format: 1<br>\n"));
    check_.AddAlias("http://old.example/AppVer.html", server.Url("/new.html"));

    // An older address stands for its replacement, which serves a version page.
    ASSERT_TRUE(Parse(Page("", "http://old.example/AppVer.html")));
    EXPECT_EQ(check_.GetSchedule().pageAddress, server.Url("/new.html"));
    // A page without "AppVerURL:", and one that is not there, leave the address.
    ASSERT_TRUE(Parse(Page("", server.Url("/empty.html"))));
    ASSERT_TRUE(Parse(Page("", server.Url("/gone.html"))));
    EXPECT_EQ(check_.GetSchedule().pageAddress, server.Url("/new.html"));
    // Offline nothing is asked.
    online_ = false;
    const std::size_t asked = server.Requests().size();
    ASSERT_TRUE(Parse(Page("", "http://127.0.0.1:1/other.html")));
    EXPECT_EQ(server.Requests().size(), asked);
    EXPECT_EQ(check_.GetSchedule().pageAddress, server.Url("/new.html"));
}

TEST_F(VersionCheckTest, AnEmptyPageAddressIsTheBuiltInOne) {
    check_.SetBuiltInAddress("http://127.0.0.1:1/built-in.html");
    check_.AddAlias("http://127.0.0.1:1/built-in.html", "http://127.0.0.1:1/moved.html");
    EXPECT_EQ(check_.MapPageAddress(""), "http://127.0.0.1:1/moved.html");
    EXPECT_EQ(check_.MapPageAddress("http://127.0.0.1:1/mine.html"), "http://127.0.0.1:1/mine.html");
}

TEST_F(VersionCheckTest, VersionsCompareNumberByNumber) {
    struct Case {
        const char* a;
        const char* b;
        bool older;
    };
    const std::vector<Case> cases{
        {"v15.2", "v15.10", true},  {"v15.10", "v15.2", false}, {"v2.0", "v1.9", false},
        {"v1.9", "v2.0", true},     {"15.2", "15.2.1", false},  {"v1.346", "v1.346", false},
        {"v1.346", "v1.350", true}, {"1.346", "v1.347", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CVersionCheck::IsVersionOlder(c.a, c.b), c.older) << c.a << " against " << c.b;
    }
}

TEST_F(VersionCheckTest, VersionTextsAreWholeThousandths) {
    const std::vector<std::pair<const char*, std::int64_t>> cases{
        {"400.213", 400213},  {"NX400.224", 400224}, {"4.41", 4410}, {"4.5", 4500},
        {"401.0059", 401005}, {"7", 7000},           {"none", 0},    {"", 0},
    };
    for (const auto& [text, thousandths] : cases) {
        EXPECT_EQ(CVersionCheck::VersionThousandths(text), thousandths) << text;
    }
}

TEST_F(VersionCheckTest, AFileNameGivesItsVersionByItsPattern) {
    const std::vector<std::array<const char*, 3>> cases{
        {"NX400213.hex", "NX*.hex", "400.213"},   {"NX401005.hex", "NX*.hex", "401.005"},
        {"NX4003.hex", "NX*.hex", "400.300"},     {"/home/u/Firmware/NX400224.hex", "NX*.hex", "400.224"},
        {"WiFly3-441.img", "WiFly*.img", "4.41"}, {"WiFly3-451.mif", "WiFly*.mif", "4.51"},
    };
    for (const auto& [name, pattern, version] : cases) {
        EXPECT_EQ(CVersionCheck::GetVersionFromFileName(name, pattern), version) << name;
    }
}

TEST_F(VersionCheckTest, TheNewestFileOfAModelIsFoundByTheVersionInItsName) {
    for (const char* name :
         {"NX400224.hex", "NX401005.hex", "NX4003.hex", "notes.txt", "WiFly3-441.img", "WiFly3-451.mif"}) {
        WriteFile(folder_ / "Firmware" / name, "x");
    }
    std::filesystem::create_directories(folder_ / "Firmware" / "NX999999.hex");  // a folder
    std::int64_t version = 0;
    EXPECT_EQ(check_.FindLatestFile("Quarven RS", version), folder_ / "Firmware" / "NX401005.hex");
    EXPECT_EQ(version, 401005);
    EXPECT_EQ(check_.FindLatestFile("WiFly2", version), folder_ / "Firmware" / "WiFly3-451.mif");
    EXPECT_EQ(version, 4510);
    EXPECT_TRUE(check_.FindLatestFile("Brelan Vdc", version).empty());
    EXPECT_EQ(version, 0);

    // The page's pattern of a model goes before the built-in one.
    ASSERT_TRUE(Parse(Page("Device0Model: Quarven RS<br>Device0FWTemplate: WiFly*.img<br>")));
    EXPECT_EQ(check_.GetDeviceFWTemplate("Quarven RS"), "WiFly*.img");
    EXPECT_EQ(check_.GetDeviceFWTemplate("Quarven KX"), "NX*.hex");
}

TEST_F(VersionCheckTest, TheCheckIsDueOnceItsNextDatePassed) {
    EXPECT_TRUE(check_.IsVersionCheckDue());  // no date yet
    check_.SetNextCheckDate();
    EXPECT_EQ(check_.GetSchedule().next, "2026/03/08 12:00:00");
    EXPECT_FALSE(check_.IsVersionCheckDue());
    now_ = kNow + 7 * 86400;
    EXPECT_FALSE(check_.IsVersionCheckDue());
    now_ += 1;
    EXPECT_TRUE(check_.IsVersionCheckDue());

    now_ = kNow;
    check_.SetForce(true);
    EXPECT_TRUE(check_.IsVersionCheckDue());
    check_.SetForce(false);
    check_.SetSchedule({true, "", "2026/03/08 12:00:00", ""});
    EXPECT_TRUE(check_.IsVersionCheckDue());
}

TEST_F(VersionCheckTest, DeviceResults) {
    const std::string rows =
        "Device0Model: Quarven RS<br>Device0Ver: NX400.224<br>Device0FileName: NX400224.hex<br>"
        "Device1Model: WiFly<br>Device1Ver: 4.41<br>";
    WriteFile(PagePath(), Page(rows));
    std::string message;
    std::string localFile;

    // Newer firmware is published for the logger, nothing newer is in the firmware folder.
    EXPECT_EQ(check_.CheckDeviceVersion(false, "Quarven RS", "400.213", message, localFile),
              CVersionCheck::kDeviceNewer);
    EXPECT_EQ(message, LoadText(IDS_VC_NEWER_PUBLISHED));
    EXPECT_EQ(check_.GetDeviceLatestVer(), "NX400.224");
    EXPECT_EQ(check_.CheckDeviceVersion(false, "Quarven RS", "400.224", message, localFile),
              CVersionCheck::kUpToDate);
    EXPECT_EQ(check_.CheckDeviceVersion(false, "Quarven RS", "Device not connected.", message, localFile),
              CVersionCheck::kUpToDate);

    // A model without a row: nothing found, and nothing of the row examined before is kept.
    EXPECT_EQ(check_.CheckDeviceVersion(false, "Quarven KX", "400.100", message, localFile),
              CVersionCheck::kUpToDate);
    EXPECT_EQ(check_.GetDeviceLatestModel(), "");
    EXPECT_EQ(check_.GetDeviceLatestVer(), "");

    // A file of the firmware folder newer than the logger and not older than the page is offered.
    WriteFile(folder_ / "Firmware" / "NX400224.hex", "x");
    broker_.AnswerMessageBox(IDNO);
    EXPECT_EQ(check_.CheckDeviceVersion(false, "Quarven RS", "400.213", message, localFile),
              CVersionCheck::kLocalFileDeclined);
    broker_.AnswerMessageBox(IDYES);
    localFile.clear();
    EXPECT_EQ(check_.CheckDeviceVersion(false, "Quarven RS", "400.213", message, localFile),
              CVersionCheck::kDeviceNewer);
    EXPECT_EQ(localFile, (folder_ / "Firmware" / "NX400224.hex").string());
    ASSERT_EQ(broker_.Boxes().size(), 2u);
    EXPECT_EQ(broker_.Boxes()[1].ids.promptId, IDS_VC_USE_LOCAL_FILE);
    // The file equal to the logger's own firmware is not offered.
    EXPECT_EQ(check_.CheckDeviceVersion(false, "Quarven RS", "400.224", message, localFile),
              CVersionCheck::kUpToDate);

    // A module below 4.0 never takes a file from the folder.
    WriteFile(folder_ / "Firmware" / "WiFly3-451.mif", "x");
    EXPECT_EQ(check_.CheckDeviceVersion(false, "WiFly", "3.9", message, localFile),
              CVersionCheck::kDeviceNewer);
    EXPECT_EQ(broker_.Boxes().size(), 2u);

    // Switched off: only a forced check looks.
    check_.SetSchedule({false, "7", "", "http://127.0.0.1:1/AppVer.html"});
    EXPECT_EQ(check_.CheckDeviceVersion(false, "Quarven RS", "400.213", message, localFile),
              CVersionCheck::kNotChecked);
    EXPECT_EQ(check_.CheckDeviceVersion(true, "Quarven RS", "400.224", message, localFile),
              CVersionCheck::kUpToDate);
}

}  // namespace
