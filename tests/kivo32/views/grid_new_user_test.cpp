// A new user's way through a downloaded file: open it, select two channels over a week, export them,
// write both reports, extract a day and print to PDF.
#include <gtest/gtest.h>

#include "kivo32/views/data_grid_commands.h"
#include "platform/base/local_time.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/user_data_folder.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

class GridNewUserTest : public gridtest::GridFixture {};

TEST_F(GridNewUserTest, SelectsAWeekOfTwoChannelsExportsReportsExtractsADayAndPrints) {
    testsupport::RecordingDesktopServices desktop;
    constexpr int kDays = 14;
    constexpr int kPerDay = 96;
    CRawDataView* view = OpenGrid("Downloaded.kivo", gridtest::ChannelsSetup(3),
                                  gridtest::Records(kDays * kPerDay, 3, 900,
                                                    [](int i, int c) { return static_cast<float>(i % 100 + c); }));
    ASSERT_NE(view, nullptr);

    // Channels 2 and 3 over the first week, dragged with the mouse.
    view->Grid().MouseDown(1, 4, 0);
    view->Grid().MouseMove(7 * kPerDay, 5);
    view->Grid().MouseUp(7 * kPerDay, 5, 0);
    const auto csv = folder_ / "week.csv";
    broker_.AnswerMessageBox(IDOK);
    ASSERT_TRUE(view->ExportCSVFile(csv));
    const std::string exported = datafiletest::ReadFileText(csv);
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 2 + 7 * kPerDay);
    EXPECT_EQ(exported.substr(0, exported.find("\r\n")), R"("Record","","","Chan 2","Chan 3")");

    ASSERT_TRUE(view->ReportDataErrors());
    ASSERT_TRUE(view->ReportDataFileSummary());
    EXPECT_EQ(desktop.Opened(), (std::vector<std::string>{
                                    (UserDataFolder() / "Data" / "Downloaded-Data Errors.txt").string(),
                                    (UserDataFolder() / "Data" / "Downloaded-Summary.txt").string()}));

    // The third day, by its dates.
    std::tm day{};
    day.tm_year = 124;
    day.tm_mon = 2;
    day.tm_mday = 18;
    const double from = platform::ToOleDate(day);
    long first = 0;
    long last = 0;
    view->FindRecordRange(from, from + 1.0 - 1.0 / 86400.0, first, last);
    broker_.AnswerMessageBox(IDOK);
    CRawDataDoc* extract = ExtractDataRange(*view, first, last);
    ASSERT_NE(extract, nullptr);
    EXPECT_EQ(extract->GetRawData().GetRecordCount(), kPerDay);

    const auto pdf = folder_ / "grid.pdf";
    view->GetPrintTexts() = {"$F", "$D $T", 1, 2};
    ASSERT_TRUE(PrintToPdf(*view, pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

}  // namespace
