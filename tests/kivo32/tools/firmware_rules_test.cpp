// The firmware update window's rules: file kinds and targets, the stepping stone, what firmware files and
// module images say of their version, and the transfer and installation texts.
#include "kivo32/tools/firmware_rules.h"
#include "kivo32/session/module_installation.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/base/program_texts.h"
#include "tests/support/resource_texts.h"
#include "tests/support/temp_folder.h"

namespace {

class FirmwareRulesTest : public ::testing::Test {
protected:
    FirmwareRulesTest() {
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "firmware");
        texts.Merge(testsupport::LoadResourceTexts("en", "web"));
        SetProgramTexts(std::move(texts));
    }
    ~FirmwareRulesTest() override { SetProgramTexts({}); }

    std::filesystem::path Write(const std::string& name, const std::string& content) const {
        std::ofstream(folder_ / name, std::ios::binary) << content;
        return folder_ / name;
    }

    testsupport::TempFolder folder_;
};

TEST_F(FirmwareRulesTest, KindAndTargetFollowTheExtensionIgnoringCase) {
    struct Case {
        const char* path;
        FirmwareFileKind kind;
        FirmwareTarget target;
    };
    for (const Case& c : {
             Case{"/f/NX400213.hex", FirmwareFileKind::kHex, FirmwareTarget::kLogger},
             Case{"/f/NX400213.HEX", FirmwareFileKind::kHex, FirmwareTarget::kLogger},
             Case{"/f/setup.exe", FirmwareFileKind::kExe, FirmwareTarget::kNone},
             Case{"/f/WiFly3-441.img", FirmwareFileKind::kImg, FirmwareTarget::kModule},
             Case{"/f/WiFly2-441.Mif", FirmwareFileKind::kMif, FirmwareTarget::kModule},
             Case{"/f.old/NX400213", FirmwareFileKind::kNone, FirmwareTarget::kNone},
             Case{"/f/notes.txt", FirmwareFileKind::kNone, FirmwareTarget::kNone},
             Case{"", FirmwareFileKind::kNone, FirmwareTarget::kNone},
         }) {
        EXPECT_EQ(FirmwareFileKindOf(c.path), c.kind) << c.path;
        EXPECT_EQ(FirmwareTargetOf(FirmwareFileKindOf(c.path)), c.target) << c.path;
    }
}

TEST_F(FirmwareRulesTest, SteppingStoneIsNeededBelowTheStoneVersionOfTheTarget) {
    struct Case {
        FirmwareFileKind kind;
        const char* logger;
        const char* module;
        bool needed;
    };
    for (const Case& c : {
             Case{FirmwareFileKind::kHex, "NX400.100", "4.41", true},
             Case{FirmwareFileKind::kHex, "NX400.212", "0", true},
             Case{FirmwareFileKind::kHex, "NX400.213", "0", false},
             Case{FirmwareFileKind::kHex, "401.005", "0", false},
             Case{FirmwareFileKind::kImg, "NX400.100", "2.38", true},
             Case{FirmwareFileKind::kMif, "NX400.100", "4.000", false},
             Case{FirmwareFileKind::kImg, "NX400.100", "4.004", false},
             Case{FirmwareFileKind::kExe, "NX401.000", "4.41", true},
             Case{FirmwareFileKind::kNone, "NX401.000", "4.41", true},
         }) {
        EXPECT_EQ(NeedsSteppingStone(c.kind, FirmwareThousandths(c.logger), FirmwareThousandths(c.module)),
                  c.needed)
            << static_cast<int>(c.kind) << " " << c.logger << " " << c.module;
    }
    EXPECT_EQ(FirmwareThousandths("4.004"), 4004);
    EXPECT_EQ(FirmwareThousandths("NX400.213"), 400213);
}

TEST_F(FirmwareRulesTest, SteppingStoneFileIsFoundIgnoringCaseAndNamedWhenAbsent) {
    Write("nx400213.HEX", ":00000001FF\n");
    EXPECT_EQ(FindSteppingStoneFile(folder_.path(), FirmwareTarget::kLogger), folder_ / "nx400213.HEX");
    EXPECT_EQ(FindSteppingStoneFile(folder_.path(), FirmwareTarget::kModule), folder_ / "WiFly3-400.img");
    EXPECT_EQ(FindSteppingStoneFile(folder_ / "missing", FirmwareTarget::kLogger),
              folder_ / "missing" / "NX400213.hex");
}

TEST_F(FirmwareRulesTest, HexFileGivesItsVersionLineOrIsRefused) {
    struct Case {
        const char* model;
        const char* content;
        HexFileCheck check;
        const char* version;
    };
    for (const Case& c : {
             Case{"Ornat 4", ":10000000\n;VERSION=NX401.005\r\n:00000001FF\n", HexFileCheck::kAccepted,
                  "NX401.005"},
             Case{"Quarven RS", ";VERSION=NX400.213\n", HexFileCheck::kAccepted, "NX400.213"},
             Case{"Quarven KX", ";VERSION=NX401.005\n", HexFileCheck::kWrongVersion, ""},
             // Without a version line nothing tells what the file would install.
             Case{"Ornat 4", ":10000000\n:00000001FF\n", HexFileCheck::kWrongVersion, ""},
             Case{"Ornat 4", " ;VERSION=NX401.005\n", HexFileCheck::kWrongVersion, ""},
             Case{"Ornat 4", "", HexFileCheck::kWrongVersion, ""},
         }) {
        const HexFileFinding finding = CheckHexFile(c.model, Write("f.hex", c.content));
        EXPECT_EQ(finding.check, c.check) << c.model << " " << c.content;
        EXPECT_EQ(finding.version, c.version) << c.model << " " << c.content;
    }
    EXPECT_EQ(CheckHexFile("Ornat 4", folder_ / "none.hex").check, HexFileCheck::kUnreadable);
}

TEST_F(FirmwareRulesTest, ValidationChecksKindTargetAndVersion) {
    const auto hex = Write("NX400224.hex", ";VERSION=NX400.224\n");
    const auto bare = Write("bare.hex", ":00000001FF\n");
    const auto image = Write("WiFly3-441.img", "image");
    const auto odd = Write("module.img", "image");
    const auto unnumbered = Write("WiFly-beta.img", "image");
    const auto shouted = Write("wifly3-400.IMG", "image");
    const auto exe = Write("setup.exe", "MZ");
    struct Case {
        std::filesystem::path path;
        FirmwareTarget target;
        const char* pattern;
        FirmwareFileCheck check;
        const char* versionText;
        std::int64_t fileVersion;
    };
    for (const Case& c : {
             Case{hex, FirmwareTarget::kLogger, "", FirmwareFileCheck::kValid, "NX400.224", 400224},
             Case{hex, FirmwareTarget::kModule, "", FirmwareFileCheck::kWrongKind, "(unknown)", -1},
             Case{bare, FirmwareTarget::kLogger, "", FirmwareFileCheck::kWrongVersion, "(unknown)", -1},
             Case{folder_ / "gone.hex", FirmwareTarget::kLogger, "", FirmwareFileCheck::kUnreadable,
                  "(unknown)", -1},
             Case{image, FirmwareTarget::kModule, "WiFly*.img", FirmwareFileCheck::kValid, "4.41", 4410},
             Case{image, FirmwareTarget::kModule, "", FirmwareFileCheck::kValid, "(unknown)", -1},
             // The name fits the pattern whatever its case, and the version leaves the extension out.
             Case{shouted, FirmwareTarget::kModule, "WiFly*.img", FirmwareFileCheck::kValid, "4.00", 4000},
             Case{odd, FirmwareTarget::kModule, "", FirmwareFileCheck::kValid, "(unknown)", -1},
             // A known pattern the name does not fit says nothing of the version: refused.
             Case{odd, FirmwareTarget::kModule, "WiFly*.img", FirmwareFileCheck::kWrongVersion, "(unknown)",
                  -1},
             Case{unnumbered, FirmwareTarget::kModule, "WiFly*.img", FirmwareFileCheck::kWrongVersion,
                  "(unknown)", -1},
             Case{image, FirmwareTarget::kLogger, "WiFly*.img", FirmwareFileCheck::kWrongKind, "(unknown)",
                  -1},
             Case{exe, FirmwareTarget::kNone, "", FirmwareFileCheck::kWrongKind, "(unknown)", -1},
             Case{hex, FirmwareTarget::kNone, "", FirmwareFileCheck::kWrongKind, "(unknown)", -1},
         }) {
        const FirmwareFileFinding finding = ValidateFirmwareFile(c.path, c.target, "Ornat 4", c.pattern);
        EXPECT_EQ(finding.check, c.check) << c.path << " " << c.pattern;
        EXPECT_EQ(finding.versionText, c.versionText) << c.path << " " << c.pattern;
        EXPECT_EQ(finding.fileVersion, c.fileVersion) << c.path << " " << c.pattern;
    }
}

TEST_F(FirmwareRulesTest, OnlyTheSteppingStoneIsAcceptedWhileOneIsNeeded) {
    const FirmwareFileFinding newer{FirmwareFileCheck::kValid, "NX400.224", 400224};
    const FirmwareFileFinding stone{FirmwareFileCheck::kValid, "NX400.213", 400213};
    const FirmwareFileFinding refused{FirmwareFileCheck::kWrongVersion, "(unknown)", -1};
    EXPECT_FALSE(FirmwareFileAcceptable(newer, FirmwareTarget::kLogger, true));
    EXPECT_TRUE(FirmwareFileAcceptable(stone, FirmwareTarget::kLogger, true));
    EXPECT_TRUE(FirmwareFileAcceptable(newer, FirmwareTarget::kLogger, false));
    EXPECT_FALSE(FirmwareFileAcceptable(refused, FirmwareTarget::kLogger, false));
    EXPECT_TRUE(
        FirmwareFileAcceptable({FirmwareFileCheck::kValid, "4.000", 4000}, FirmwareTarget::kModule, true));

    EXPECT_EQ(FirmwareVersionNote(400224, 400224, false, FirmwareTarget::kLogger, "Ornat 4"),
              "The chosen file holds the firmware already installed.");
    EXPECT_EQ(FirmwareVersionNote(400100, 400224, true, FirmwareTarget::kLogger, "Ornat 4"),
              "Ornat 4 must first be updated to version 400.213: choose that file.");
    EXPECT_EQ(FirmwareVersionNote(2380, 4410, true, FirmwareTarget::kModule, "WiFly"),
              "WiFly must first be updated to version 4.000: choose that file.");
    EXPECT_EQ(FirmwareVersionNote(400213, 400224, false, FirmwareTarget::kLogger, "Ornat 4"),
              "The chosen file can be installed.");
    // The stepping stone itself is what the logger needs: no call to choose it.
    EXPECT_EQ(FirmwareVersionNote(400100, 400213, true, FirmwareTarget::kLogger, "Ornat 4"),
              "The chosen file can be installed.");
}

TEST_F(FirmwareRulesTest, TransferLineShowsTimeLeftOnlyOnceBytesHaveMovedForTenSeconds) {
    struct Case {
        std::uint64_t total, done;
        std::int64_t elapsed;
        const char* line;
    };
    for (const Case& c : {
             Case{0, 0, 30, "0% sent"},
             Case{1000, 0, 30, "0% sent"},
             Case{1000, 500, 10, "50% sent"},
             Case{1000, 1000, 30, "100% sent"},
             // 20 bytes a second, 600 to go: 30 seconds.
             Case{1000, 400, 20, "40% sent (About 30 seconds remaining)"},
             Case{1000, 10, 11, "1% sent (About 18 minutes, 9 seconds remaining)"},
         }) {
        EXPECT_EQ(TransferProgressLine(c.total, c.done, c.elapsed), c.line)
            << c.total << " " << c.done << " " << c.elapsed;
    }
    struct Remark {
        std::int64_t seconds;
        const char* text;
    };
    for (const Remark& r : {
             Remark{1, " (About 1 second remaining)"},
             Remark{59, " (About 59 seconds remaining)"},
             Remark{61, " (About 1 minute, 1 second remaining)"},
             Remark{125, " (About 2 minutes, 5 seconds remaining)"},
             Remark{3700, " (1 hour, 1 minute)"},
             Remark{7260, " (2 hours, 1 minute)"},
             Remark{90000, " (25 hours, 0 minutes)"},
         }) {
        EXPECT_EQ(TimeLeftRemark(r.seconds), r.text) << r.seconds;
    }
}

TEST_F(FirmwareRulesTest, TransferResultNamesTheTargetAndTheReason) {
    struct Case {
        int result;
        FirmwareFileKind kind;
        const char* line;
    };
    for (const Case& c : {
             Case{0, FirmwareFileKind::kHex,
                  "Ornat 4: the firmware was sent. The logger is installing it and restarts by itself."},
             Case{0, FirmwareFileKind::kImg, "Ornat 4: the firmware image was sent."},
             Case{1, FirmwareFileKind::kHex,
                  "Ornat 4: the firmware was not sent (the logger did not answer)."},
             Case{3, FirmwareFileKind::kHex, "Ornat 4: the firmware was not sent (the connection was lost)."},
             Case{6, FirmwareFileKind::kHex,
                  "Ornat 4: the firmware was not sent (the transfer took too long)."},
             Case{8, FirmwareFileKind::kHex,
                  "Ornat 4: the firmware was not sent (the logger asked for a block again too often)."},
             Case{9, FirmwareFileKind::kHex, "Ornat 4: the firmware was not sent ()."},
         }) {
        EXPECT_EQ(DescribeTransferResult(c.result, c.kind, "Ornat 4"), c.line) << c.result;
    }
}

TEST_F(FirmwareRulesTest, InstallationTextsFollowPercentAndTimeSinceTheLastZeroReport) {
    struct Step {
        int percent;
        std::int64_t elapsed;
        const char* text;
    };
    CInstallationProgress progress;
    for (const Step& s : {
             // Never a 0 % report: time counts from before the wait began.
             Step{1, 30, "1% complete"},
             Step{10, 8, "10% complete"},
             Step{10, 30, "10% complete, about 4 minutes left"},
             // A 0 % report restarts the estimate.
             Step{0, 40, "0% complete"},
             Step{50, 45, "50% complete"},
             Step{50, 50, "50% complete, about 10 seconds left"},
             Step{99, 139, "99% complete, about 1 second left"},
             Step{25, 100, "25% complete, about 3 minutes left"},
             Step{40, 100, "40% complete, about 1 minute left"},
         }) {
        EXPECT_EQ(progress.ProgressText(s.percent, s.elapsed), s.text) << s.percent << " " << s.elapsed;
    }
}

TEST_F(FirmwareRulesTest, InstallationReplyIsDecidedByItsLastLine) {
    struct Case {
        const char* reply;
        std::vector<std::string> lines;
        InstallationOutcome outcome;
    };
    for (const Case& c : {
             Case{"  \r\n", {}, InstallationOutcome::kGoingOn},
             Case{"(null)\n<EMPTY>\n", {}, InstallationOutcome::kGoingOn},
             Case{"WIFI=PCT1\r\nWIFI=XMODEMCOMPLETE\r\n",
                  {"1% complete", "WIFI=XMODEMCOMPLETE"},
                  InstallationOutcome::kComplete},
             Case{"WIFI=XMODEMCOMPLETE\nWIFI=PCT5\n",
                  {"WIFI=XMODEMCOMPLETE", "5% complete"},
                  InstallationOutcome::kGoingOn},
             Case{"WIFI=XMODEMERROR", {"WIFI=XMODEMERROR"}, InstallationOutcome::kFailed},
             Case{"WIFI=XMODEMTIMEOUT\n(null)", {"WIFI=XMODEMTIMEOUT"}, InstallationOutcome::kGoingOn},
             Case{"WIFI=PCT3\nWIFI=XMODEMTIMEOUT",
                  {"3% complete", "WIFI=XMODEMTIMEOUT"},
                  InstallationOutcome::kFailed},
         }) {
        CInstallationProgress progress;
        const InstallationReply reply = progress.Read(c.reply, 5);
        EXPECT_EQ(reply.statusLines, c.lines) << c.reply;
        EXPECT_EQ(reply.outcome, c.outcome) << c.reply;
    }
}

TEST_F(FirmwareRulesTest, InstallationWaitGivesUpLaterOnceProgressIsReported) {
    CInstallationProgress progress;
    EXPECT_FALSE(progress.TimedOut(180));
    EXPECT_TRUE(progress.TimedOut(181));
    progress.Read("WIFI=PCT0", 170);
    EXPECT_TRUE(progress.ProgressSeen());
    EXPECT_FALSE(progress.TimedOut(600));
    EXPECT_TRUE(progress.TimedOut(601));
}

}  // namespace
