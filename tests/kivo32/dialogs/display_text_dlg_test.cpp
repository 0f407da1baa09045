// The text display dialog: sized to its lines, the refresh button, resizing, and texts from files.
#include "kivo32/dialogs/display_text_dlg.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <fstream>

#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

class DisplayTextDlgTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
};

// Lines of an 80-column report.
std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        std::string line = "Channel " + std::to_string(i) + "   12.5 kWh";
        line.resize(80, '.');
        text += (i > 1 ? "\r\n" : "") + line;
    }
    return text;
}

TEST_F(DisplayTextDlgTest, EveryLineShowsWholeWithoutScrollBars) {
    for (int lines : {1, 30}) {
        CDisplayTextDlg dialog(false);
        dialog.SetText(lines == 1 ? std::string() : Lines(lines));
        testsupport::OnNextModal([&](QWidget*) {
            auto* edit = FindControlAs<QPlainTextEdit>(&dialog, IDC_DISPLAY_TEXT);
            testsupport::ProcessEventsFor(10);
            EXPECT_EQ(edit->verticalScrollBar()->maximum(), 0) << lines;
            EXPECT_FALSE(edit->verticalScrollBar()->isVisible()) << lines;
            EXPECT_FALSE(edit->horizontalScrollBar()->isVisible()) << lines;
            EXPECT_TRUE(edit->font().fixedPitch());
            dialog.accept();
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
}

TEST_F(DisplayTextDlgTest, ALineWiderThanTheScreenKeepsTheDialogWithinIt) {
    CDisplayTextDlg dialog(false);
    dialog.SetText(std::string(5000, 'x'));
    testsupport::OnNextModal([&](QWidget*) {
        EXPECT_LE(dialog.width(), QGuiApplication::primaryScreen()->availableGeometry().width());
        dialog.accept();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(DisplayTextDlgTest, WithoutRefreshTheButtonIsHiddenAndOkKeepsItsCornerWhenResized) {
    CDisplayTextDlg dialog(false);
    dialog.SetTitle("Energy Summary");
    dialog.SetText(Lines(3));
    testsupport::OnNextModal([&](QWidget*) {
        EXPECT_EQ(dialog.windowTitle(), "Energy Summary");
        EXPECT_FALSE(FindControlAs<QPushButton>(&dialog, IDC_DISPLAY_REFRESH)->isVisible());
        EXPECT_EQ(dialog.minimumSize(), QSize(250, 250));
        dialog.resize(600, 450);
        testsupport::ProcessEventsFor(10);
        auto* ok = FindControlAs<QPushButton>(&dialog, IDOK);
        EXPECT_EQ(dialog.width() - ok->geometry().right() - 1, 20);
        EXPECT_EQ(dialog.height() - ok->geometry().bottom() - 1, 25);
        dialog.resize(100, 100);
        EXPECT_EQ(dialog.size(), QSize(250, 250));
        dialog.reject();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DisplayTextDlgTest, RefreshEndsTheDialogWithItsIdAndFilesAreReadLineByLine) {
    testsupport::TempFolder folder;
    std::ofstream(folder / "WiFi Help.txt", std::ios::binary) << "first\r\nsecond\nthird";
    CDisplayTextDlg dialog(true);
    EXPECT_FALSE(dialog.LoadTextFile(folder / "missing.txt"));
    ASSERT_TRUE(dialog.LoadTextFile(folder / "WiFi Help.txt"));
    dialog.SetRefreshButton(true);
    testsupport::OnNextModal([&](QWidget*) {
        EXPECT_EQ(FindControlAs<QPlainTextEdit>(&dialog, IDC_DISPLAY_TEXT)->toPlainText(),
                  "first\nsecond\nthird\n");
        FindControlAs<QPushButton>(&dialog, IDC_DISPLAY_REFRESH)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDC_DISPLAY_REFRESH);
}

}  // namespace
