// teldrin's about box: its name and version; the free space in whole kilobytes however large,
// "Indispo" when it cannot be read.
#include "teldrin/app/about_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "platform/ui/control_id.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using teldrin::CAboutDlg;

TEST(TeldrinAboutTest, FreeSpaceIsShownInWholeKilobytesBeyondFourGigabytes) {
    struct Case {
        std::optional<std::uintmax_t> freeBytes;
        const char* shown;
    };
    const Case cases[] = {
        {std::uintmax_t{6} << 30, "6291456 KB libre sur /data"},
        {std::uintmax_t{4} << 30 | 1023, "4194304 KB libre sur /data"},
        {0, "0 KB libre sur /data"},
        {std::nullopt, "Indispo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CAboutDlg::FreeSpaceText(c.freeBytes, "/data"), c.shown);
    }
}

using TeldrinAboutDialogTest = testsupport::QtTest;

TEST_F(TeldrinAboutDialogTest, ShowsTheProgramTheMemoryAndTheDataFolderSpace) {
    const testsupport::TempFolder folder;
    const CAboutDlg dialog(folder.path());
    const auto* version = platform::FindControlAs<QLabel>(&dialog, CAboutDlg::kProgramVersion);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Teldrin v1.346");
    for (const int id : {CAboutDlg::kTotalMemory, CAboutDlg::kAvailableMemory}) {
        EXPECT_TRUE(platform::FindControlAs<QLabel>(&dialog, id)->text().endsWith(" KB")) << id;
    }
    EXPECT_TRUE(platform::FindControlAs<QLabel>(&dialog, CAboutDlg::kFreeSpace)
                    ->text()
                    .endsWith(QString::fromStdString(" KB libre sur " + folder.path().string())));
    const CAboutDlg unreadable(folder / "missing");
    EXPECT_EQ(platform::FindControlAs<QLabel>(&unreadable, CAboutDlg::kFreeSpace)->text(), "Indispo");
}

}  // namespace
