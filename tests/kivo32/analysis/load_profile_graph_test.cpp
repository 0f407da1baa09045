// The points of the load-profile graph and its attribute file.
#include <gtest/gtest.h>

#include <algorithm>

#include "kivo32/analysis/load_profile_graph_data.h"
#include "kivo32/analysis/load_profile_graph_object_attributes.h"
#include "kivo32/analysis/load_profile_table.h"
#include "kivo32/analysis/load_profile_tou.h"
#include "kivo32/analysis/profile_data.h"
#include "tests/kivo32/analysis/monday.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::kMonday;

// A profile whose buckets all hold `value`, set through a bucket subclass's own access.
class FilledProfile : public CLoadProfileTOU {
public:
    FilledProfile(int period, int code, float value) {
        Init(period, kProfileAllDays, code, kMonday, true);
        for (int bucket = 0; bucket < GetBucketCount(); ++bucket) {
            BucketAt(bucket).SetValue(value);
        }
    }
};

TEST(LoadProfileGraphTest, DailyPointsAreLabelledWithTheirHour) {
    struct Case {
        const char* name;
        int code;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"15 minutes", 11, {"0", "0", "0", "0", "1", "1"}},
        {"12 hours", 15, {"0", "12"}},
        {"one day", 16, {"0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadProfileGraphData data;
        ASSERT_TRUE(PrepareLoadProfileGraphData(FilledProfile(kProfileDaily, c.code, 1.0F), data));
        EXPECT_EQ(data.xAxisEnd, 24.0);
        ASSERT_GE(data.labels.size(), c.labels.size());
        EXPECT_EQ(std::vector<std::string>(data.labels.begin(),
                                           data.labels.begin() + static_cast<long>(c.labels.size())),
                  c.labels);
    }
    LoadProfileGraphData quarter;
    PrepareLoadProfileGraphData(FilledProfile(kProfileDaily, 11, 1.0F), quarter);
    EXPECT_EQ(quarter.labels.size(), 96U);
    EXPECT_EQ(quarter.labels[95], "23");
    EXPECT_EQ(quarter.x[95], 95.0);
}

TEST(LoadProfileGraphTest, WeeklyPointsAreLabelledWithTheirDayButTheLastNine) {
    datafiletest::EnglishTexts texts;
    LoadProfileGraphData data;
    ASSERT_TRUE(PrepareLoadProfileGraphData(FilledProfile(kProfileWeekly, 14, 1.0F), data));
    ASSERT_EQ(data.labels.size(), 168U);
    EXPECT_EQ(data.xAxisEnd, 7.0);
    EXPECT_EQ(data.labels[0], "Monday");
    EXPECT_EQ(data.labels[24], "Tuesday");
    EXPECT_EQ(data.labels[158], "Sunday");
    for (std::size_t point = 159; point < 168; ++point) {
        EXPECT_EQ(data.labels[point], "") << point;
    }
}

TEST(LoadProfileGraphTest, YAxisRange) {
    struct Case {
        const char* name;
        float value;
        double minimum;
        double maximum;
    };
    const Case cases[] = {
        {"all 5.0", 5.0F, 5.0, 6.0},
        {"all negative", -3.0F, -3.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadProfileGraphData data;
        ASSERT_TRUE(PrepareLoadProfileGraphData(FilledProfile(kProfileDaily, 11, c.value), data));
        EXPECT_EQ(data.yMinimum, c.minimum);
        EXPECT_EQ(data.yMaximum, c.maximum);
    }
    LoadProfileGraphData kept;
    kept.yMaximum = 42.0;
    EXPECT_FALSE(PrepareLoadProfileGraphData(FilledProfile(kProfileDaily, 0, 1.0F), kept));
    EXPECT_EQ(kept.yMaximum, 42.0);
}

TEST(LoadProfileTableTest, CsvLinesOfDailyAndWeeklyProfiles) {
    datafiletest::EnglishTexts texts;
    const std::string daily = LoadProfileCsvText(FilledProfile(kProfileDaily, 11, 2.5F));
    EXPECT_EQ(daily.substr(0, daily.find('\n')), "00:00:00,00:14:59,2.500");
    EXPECT_EQ(std::count(daily.begin(), daily.end(), '\n'), 96);
    EXPECT_TRUE(daily.ends_with("23:45:00,23:59:59,2.500\n"));
    const std::string weekly = LoadProfileCsvText(FilledProfile(kProfileWeekly, 16, 2.5F));
    EXPECT_EQ(weekly.substr(0, weekly.find('\n')), "Monday,00:00:00,23:59:59,2.500");
    EXPECT_TRUE(weekly.ends_with("Sunday,00:00:00,23:59:59,2.500\n"));
    EXPECT_EQ(LoadProfileCsvText(FilledProfile(kProfileDaily, 0, 2.5F)), "");
}

class LoadProfileAttributesTest : public testing::Test {
protected:
    datafiletest::EnglishTexts texts_{"graph"};
    testsupport::TempFolder folder_;
    std::filesystem::path path_ = folder_ / CLoadProfileGraphObjectAttributes::kFileName;
};

TEST_F(LoadProfileAttributesTest, NewObjectWritesTheTwentyFiveLines) {
    CLoadProfileGraphObjectAttributes attributes(path_);
    ASSERT_TRUE(attributes.SaveGOAttributes());
    EXPECT_EQ(datafiletest::ReadFileText(path_),
              "# KIVO Load Profile Graphical Object Attributes -\r\n"
              "GraphBackgndColor: 255 255 255 255\r\n"
              "GraphForegndColor: 255 0 0 0\r\n"
              "DeskBackgndColor: 255 0 0 1\r\n"
              "DeskForegndColor: 255 0 0 0\r\n"
              "BorderType: 3\r\n"
              "QuickStyle: 1 1\r\n"
              "ViewingStyle: 0\r\n"
              "GraphFontSize: 1\r\n"
              "GridAttributes: 3 0 0 0\r\n"
              "IncludeDataLabels: 0\r\n"
              "MainTitleFont: Arial\r\n"
              "MainTitleAttributes: 1 1 0\r\n"
              "SubTitleFont: Arial\r\n"
              "SubTitleAttributes: 1 1 0\r\n"
              "SubsetPointAxisLabelsFont: Arial\r\n"
              "SubsetPointAxisLabelsAttributes: 1 1 0\r\n"
              "ShowDataPoints: 0\r\n"
              "UseDefaultAttributes: 0\r\n"
              "Annotation: \r\n"
              "NumericPrecision: 1\r\n"
              "PlotColor: ff0000ff\r\n"
              "PlotLineType: 0\r\n"
              "PlotPointType: 3\r\n"
              "PlottingMethod: 3\r\n");
}

TEST_F(LoadProfileAttributesTest, SavedFileReadsBackButTheDataLabels) {
    CLoadProfileGraphObjectAttributes changed(path_);
    changed.graphBackgroundColor = 0x00102030;
    changed.deskForegroundColor = 0x01020304;
    changed.borderType = 1;
    changed.quickStyle = {2, 3};
    changed.gridAttributes = {1, 2, 3, 4};
    changed.includeDataLabels = 1;
    changed.mainTitleFont = {"DejaVu Sans Mono", {0, 1, 1}};
    changed.showDataPoints = 1;
    changed.useDefault = 1;
    changed.annotation = "Site 4: north feeder";
    changed.numericPrecision = 3;
    changed.plotColor = 0x0000FF00;
    changed.plotLineType = 2;
    changed.plotPointType = 5;
    changed.plottingMethod = 1;
    ASSERT_TRUE(changed.SaveGOAttributes());

    CLoadProfileGraphObjectAttributes read(path_);
    changed.includeDataLabels = 0;
    EXPECT_EQ(read.FileText(), changed.FileText());
}

TEST_F(LoadProfileAttributesTest, KeysCountOnlyAtTheStartOfALine) {
    CLoadProfileGraphObjectAttributes attributes(path_);
    EXPECT_TRUE(attributes.ParseLine("Annotation: PlotLineType: 7"));
    EXPECT_EQ(attributes.annotation, "PlotLineType: 7");
    EXPECT_EQ(attributes.plotLineType, 0);
    EXPECT_FALSE(attributes.ParseLine("x BorderType: 9"));
    EXPECT_EQ(attributes.borderType, 3);
    EXPECT_TRUE(attributes.ParseLine("# BorderType: 9"));
    EXPECT_FALSE(attributes.ParseLine("IncludeDataLabels: 1"));
    EXPECT_TRUE(attributes.ParseLine("SubTitleFont: Noto  Sans "));
    EXPECT_EQ(attributes.subtitleFont.name, "Noto  Sans ");
    EXPECT_TRUE(attributes.ParseLine("QuickStyle: 4"));
    EXPECT_EQ(attributes.quickStyle, (std::array<int, 2>{4, 1}));
}

TEST_F(LoadProfileAttributesTest, FailedSavesAreTold) {
    testsupport::ScriptedUiBroker boxes{IDOK};
    datafiletest::WriteFileText(path_, "BorderType: 5\r\n");
    CLoadProfileGraphObjectAttributes read(path_);
    EXPECT_EQ(read.borderType, 5);

    CLoadProfileGraphObjectAttributes away(folder_ / "gone" / CLoadProfileGraphObjectAttributes::kFileName);
    EXPECT_FALSE(away.SaveGOAttributes());
    CLoadProfileGraphObjectAttributes unnamed("");
    EXPECT_FALSE(unnamed.SaveGOAttributes());
    ASSERT_EQ(boxes.Boxes().size(), 2U);
    EXPECT_NE(boxes.Boxes()[0].texts.prompt.find("gone"), std::string::npos);
    EXPECT_EQ(boxes.Boxes()[1].texts.prompt,
              "SaveGOAttributes() Error: m_strGOAttribIniFileName.GetLength() == 0");
}

}  // namespace
