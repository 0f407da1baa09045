// Printing the grid: header and footer tokens, margins typed in inches or centimetres, the header and
// footer in their cells, pages counted from the rows and capped, a print to PDF, and the page setup.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QPrinter>
#include <fstream>

#include "kivo32/views/grid_print_profile.h"
#include "kivo32/views/print_grid_setup_dlg.h"
#include "kivo32/views/print_tokens.h"
#include "kivo32/views/views_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/printer_page_painter.h"
#include "platform/ui/program_settings.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/recording_page_painter.h"

namespace {

TEST(PrintTokensTest, ExpandsDateTimeAndTitle) {
    std::tm now{};
    now.tm_year = 124;
    now.tm_mon = 2;
    now.tm_mday = 5;
    now.tm_hour = 7;
    now.tm_min = 8;
    now.tm_sec = 9;
    const std::pair<const char*, const char*> cases[] = {
        {"$F printed $d at $T", "site.kivo printed 03/05/24 at 07:08:09"},
        {"$D$t$f", "03/05/2407:08:09site.kivo"},
        {"$$F", "$site.kivo"},
        {"cost $5 $x", "cost $5 $x"},
        {"ends in $", "ends in $"},
        {"", ""},
    };
    for (const auto& [pattern, expected] : cases) {
        EXPECT_EQ(ExpandPrintTokens("site.kivo", pattern, now), expected) << pattern;
    }
    // The date as the grid shows that day, in the user's order.
    const std::pair<const char*, const char*> dates[] = {{"dd/MM/yyyy", "on 05/03/2024"},
                                                         {"yyyy.MM.dd", "on 2024.03.05"}};
    for (const auto& [shortDate, expected] : dates) {
        testsupport::FakeAppContext context;
        context.shortDateFormat = shortDate;
        EXPECT_EQ(ExpandPrintTokens("site.kivo", "on $D", now), expected) << shortDate;
    }
}

TEST(PrintTokensTest, MarginsInInchesAndCentimetresRoundAlike) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1", 1000},        {"1 in", 1000},     {"0.75", 750},         {"2.54 cm", 1000},
        {"2.54cm", 1000},   {"1.27 cm", 500},   {"0", 0},              {"0.0005", 1},
        {"-1", std::nullopt}, {"-2 cm", std::nullopt}, {"cm", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, units] : cases) {
        EXPECT_EQ(ParseMarginText(text), units) << text;
    }
    EXPECT_EQ(FormatMarginText(1250), "1.25 in");
    EXPECT_EQ(ParseMarginText(FormatMarginText(1250)), 1250);
}

class GridPrintTest : public gridtest::GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        view_ = OpenGrid("site.kivo", gridtest::ChannelsSetup(2),
                         gridtest::Records(1000, 2, 900, [](int i, int c) { return float(i * 2 + c); }));
        ASSERT_NE(view_, nullptr);
    }

    CRawDataView* view_ = nullptr;
};

TEST_F(GridPrintTest, HeaderAndFooterInTheirCellsAndTheLastPageCapped) {
    view_->GetPrintTexts() = {"$F", "bottom line", 2, 1};
    testsupport::RecordingPagePainter painter;
    platform::PrintInfo info;
    ASSERT_TRUE(view_->OnPreparePrinting(info));
    info.toPage = 3;
    ASSERT_TRUE(view_->PrintPages(painter, info));
    EXPECT_TRUE(painter.Balanced());
    // 9-point text on the recording painter: 22 units a line, 259 records on a 10-inch page.
    EXPECT_EQ(view_->GetLastPageCount(), 4);
    EXPECT_EQ(painter.PagesStarted(), 3);

    const int right = 4800 - 300;
    const int centre = 4800 / 2;
    int headers = 0;
    int footers = 0;
    for (const auto& text : painter.Texts()) {
        if (text.text == "site.kivo") {
            ++headers;
            EXPECT_EQ(text.y, 300);
            EXPECT_EQ(text.x + 9 * 9, right);
        }
        if (text.text == "bottom line") {
            ++footers;
            EXPECT_NEAR(text.x + 11 * 9 / 2.0, centre, 1.0);
            EXPECT_EQ(text.y, 6400 - 300 - 22);
        }
    }
    EXPECT_EQ(headers, 3);
    EXPECT_EQ(footers, 3);
    // Each page starts with the next record: 259 a page.
    EXPECT_NE(std::find(painter.TextLines().begin(), painter.TextLines().end(), "260"), painter.TextLines().end());

    // Asking for more pages than there are prints those there are.
    testsupport::RecordingPagePainter all;
    platform::PrintInfo everything;
    ASSERT_TRUE(view_->OnPreparePrinting(everything));
    ASSERT_TRUE(view_->PrintPages(all, everything));
    EXPECT_EQ(all.PagesStarted(), 4);
}

TEST_F(GridPrintTest, PrintsToAPdfFile) {
    const auto path = folder_ / "grid.pdf";
    ASSERT_TRUE(PrintToPdf(*view_, path));
    std::ifstream file(path, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content.rfind("%PDF", 0), 0u);
    EXPECT_NE(content.find("/Count " + std::to_string(view_->GetLastPageCount())), std::string::npos);
}

// Whether any pixel of `area` of the page is not white.
bool DrawnIn(const QImage& page, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(GridPrintTest, PageSetupPreviewFollowsTheControls) {
    CPrintGridSetupDlg dialog(view_->GetPrintTexts(), view_->GetPrintProperties(), view_->Printer());
    dialog.UpdateData(false);
    const QImage& page = dialog.PreviewPage();
    ASSERT_FALSE(page.isNull());
    // Half an inch of margin at 96 dots per inch stays white; the grid starts below the header line.
    EXPECT_FALSE(DrawnIn(page, QRect(0, 0, page.width(), 47)));
    EXPECT_TRUE(DrawnIn(page, QRect(48, 48, 300, 100)));
    const QRect topRight(page.width() / 2, 48, page.width() / 2 - 49, 14);
    EXPECT_FALSE(DrawnIn(page, topRight));

    platform::FindControlAs<QLineEdit>(&dialog, IDC_PRINT_HEADER)->setText("Site");
    platform::FindControlAs<QRadioButton>(&dialog, IDC_PRINT_HEADER_POSITION + 2)->setChecked(true);
    EXPECT_TRUE(DrawnIn(dialog.PreviewPage(), topRight));

    platform::FindControlAs<QLineEdit>(&dialog, IDC_PRINT_MARGIN_TOP)->setText("2");
    EXPECT_FALSE(DrawnIn(dialog.PreviewPage(), QRect(0, 0, page.width(), 190)));
}

TEST_F(GridPrintTest, PageSetupTakesMarginsAndRefusesNegativeOnes) {
    CPrintGridSetupDlg dialog(view_->GetPrintTexts(), view_->GetPrintProperties(), view_->Printer());
    dialog.UpdateData(false);
    auto* top = platform::FindControlAs<QLineEdit>(&dialog, IDC_PRINT_MARGIN_TOP);
    auto* left = platform::FindControlAs<QLineEdit>(&dialog, IDC_PRINT_MARGIN_LEFT);
    auto* header = platform::FindControlAs<QLineEdit>(&dialog, IDC_PRINT_HEADER);
    auto* right = platform::FindControlAs<QRadioButton>(&dialog, IDC_PRINT_HEADER_POSITION + 2);
    ASSERT_TRUE(top && left && header && right);
    EXPECT_EQ(top->text(), "0.50 in");

    top->setText("2.54 cm");
    left->setText("-1");
    header->setText("$F");
    right->setChecked(true);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(broker_.Asked().back().text, "Type a margin of 0 or more, in inches or followed by cm.");
    EXPECT_EQ(dialog.GetProperties().topMargin, 500);

    left->setText("0.25");
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.GetProperties().topMargin, 1000);
    EXPECT_EQ(dialog.GetProperties().leftMargin, 250);
    EXPECT_EQ(dialog.GetTexts().header, "$F");
    EXPECT_EQ(dialog.GetTexts().headerPosition, 2);
}

TEST_F(GridPrintTest, PrinterSetupRunsOnTheViewsPrinter) {
    CPrintGridSetupDlg dialog(view_->GetPrintTexts(), view_->GetPrintProperties(), view_->Printer());
    auto* button = platform::FindControlAs<QAbstractButton>(&dialog, IDC_PRINT_PRINTER_SETUP);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isEnabled());
    broker_.AnswerDialog(CPrintGridSetupDlg::kPrinterSetupDialog, 0);
    button->click();
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

class GridPrintProfileTest : public GridPrintTest {
protected:
    void TearDown() override {
        platform::OpenProgramSettings()->remove("DataGrid");
        GridPrintTest::TearDown();
    }

    // File Page Setup with a top margin of `top` and the defaults check as `keep`, then OK.
    void PageSetup(const char* top, bool keep) {
        testsupport::OnNextModal([top, keep](QWidget* dialog) {
            platform::FindControlAs<QLineEdit>(dialog, IDC_PRINT_MARGIN_TOP)->setText(top);
            auto* check = platform::FindControlAs<QCheckBox>(dialog, IDC_PRINT_SAVE_DEFAULTS);
            EXPECT_TRUE(check->isChecked());
            check->setChecked(keep);
            platform::FindControlAs<QAbstractButton>(dialog, IDOK)->click();
        });
        view_->OnFilePageSetup();
    }
    CRawDataView* NewGrid(const std::string& name) {
        return OpenGrid(name, gridtest::ChannelsSetup(1),
                        gridtest::Records(3, 1, 900, [](int i, int) { return float(i); }));
    }
};

TEST_F(GridPrintProfileTest, TheDefaultsCheckKeepsTheSettingsForNewGrids) {
    // Cleared, the check keeps the change to this grid.
    PageSetup("2", false);
    EXPECT_EQ(view_->GetPrintProperties().topMargin, 2000);
    EXPECT_FALSE(platform::OpenProgramSettings()->contains("DataGrid/Print/TopMargin"));
    EXPECT_EQ(NewGrid("second.kivo")->GetPrintProperties(), platform::GridPrintProperties{});

    // Set, the settings come back as a new grid's defaults.
    view_->GetPrintProperties().frame = false;
    view_->GetPrintProperties().pageOrder = 1;
    PageSetup("1.5", true);
    platform::GridPrintProperties expected = view_->GetPrintProperties();
    expected.header = {};
    expected.footer = {};
    EXPECT_EQ(expected.topMargin, 1500);
    EXPECT_EQ(NewGrid("third.kivo")->GetPrintProperties(), expected);
}

TEST_F(GridPrintProfileTest, ASettingNeverSavedOrOutOfRangeKeepsItsValue) {
    platform::GridPrintProperties saved;
    saved.leftMargin = 1250;
    saved.centerVertically = true;
    SaveGridPrintProfile(saved);
    const auto settings = platform::OpenProgramSettings();
    settings->remove("DataGrid/Print/RightMargin");
    settings->setValue("DataGrid/Print/TopMargin", -5);
    settings->setValue("DataGrid/Print/PageOrder", 7);
    settings->setValue("DataGrid/Print/Frame", "x");
    settings->sync();

    platform::GridPrintProperties loaded;
    loaded.rightMargin = 333;
    loaded.topMargin = 444;
    loaded.pageOrder = 1;
    loaded.frame = false;
    loaded.header = {"kept", "", ""};
    LoadGridPrintProfile(loaded);
    EXPECT_EQ(loaded.leftMargin, 1250);
    EXPECT_TRUE(loaded.centerVertically);
    EXPECT_EQ(loaded.rightMargin, 333);
    EXPECT_EQ(loaded.topMargin, 444);
    EXPECT_EQ(loaded.pageOrder, 1);
    EXPECT_FALSE(loaded.frame);
    EXPECT_EQ(loaded.header[0], "kept");
}

}  // namespace
