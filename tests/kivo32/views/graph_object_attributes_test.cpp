// The graph attribute file: its 78 lines, the parse rules, the snapshot, and the start, exit and
// options flows with default attributes on and off.
#include "kivo32/views/graph_object_attributes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "kivo32/views/graph_attributes_lifecycle.h"
#include "kivo32/views/views_ids.h"
#include "platform/ui/resource_texts.h"
#include "platform/base/program_texts.h"
#include "shared/common/user_data_folder.h"
#include "tests/support/scripted_ui_broker.h"

namespace {

class GraphObjectAttributesTest : public testing::Test {
protected:
    GraphObjectAttributesTest() {
        SetProgramTexts(platform::EnglishTexts());
        std::filesystem::create_directories(UserDataFolder());
        std::filesystem::remove(Path());
    }
    ~GraphObjectAttributesTest() override { std::filesystem::remove(Path()); }

    static std::filesystem::path Path() { return UserDataFolder() / "KivoGOAttrib.ini"; }

    static void WriteFile(const std::string& text) { std::ofstream(Path(), std::ios::binary) << text; }
    static std::string ReadFile() {
        std::ifstream file(Path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    static std::vector<std::string> FileLines() {
        std::vector<std::string> lines;
        std::istringstream text(ReadFile());
        for (std::string line; std::getline(text, line);) {
            EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
            line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    static bool HasLine(const std::string& line) {
        const auto lines = FileLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    testsupport::ScriptedUiBroker boxes{IDOK};
    CGraphObjectAttributes attributes{"KIVO 15"};
};

TEST_F(GraphObjectAttributesTest, DefaultsMakeSeventyEightLinesThatLoadBackTheSame) {
    attributes.LoadGOAttributes(true, true, true, true);  // no file: the defaults
    ASSERT_TRUE(attributes.SaveGOAttributes());
    const auto lines = FileLines();
    ASSERT_EQ(lines.size(), 78u);
    const std::pair<std::size_t, const char*> expected[] = {
        {0, "# Kivo Graphical Object Attributes -"},
        {1, "GraphBackgndColor: 255 255 255 255"},
        {3, "DeskBackgndColor: 255 0 0 1"},
        {6, "QuickStyle: 1 1"},
        {10, "GridAttributes: 3 0 0 0"},
        {13, "MainTitleAttributes: 1 1 0"},
        {24, "UseDefaultAttributes: 1"},
        {25, "Annotation: TARV Instruments KIVO 15"},
        {27, "Plot01Color: ffff0000"},
        {28, "Plot01LineType: 0"},
        {29, "Plot01PointType: 3"},
        {75, "Plot17Color: 0"},
        {77, "Plot17PointType: 3"},
    };
    for (const auto& [index, line] : expected) {
        EXPECT_EQ(lines[index], line);
    }

    // Another object with other values loads every member back.
    CGraphObjectAttributes loaded("KIVO 15");
    loaded.plotColors[16] = 0x12345678;
    loaded.showDataCursor = 1;
    loaded.LoadGOAttributes(true, true, true, true);
    EXPECT_EQ(loaded.FileText(), attributes.FileText());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(GraphObjectAttributesTest, LinesAreReadByTheirKeyAtTheStart) {
    attributes.SetDefaultAttributes(true, true, true, true);
    const struct {
        const char* line;
        bool recognised;
        std::function<bool(const CGraphObjectAttributes&)> check;
    } cases[] = {
        {"Plot05Color: ff00ff", true, [](const auto& a) { return a.plotColors[4] == 0x00FF00FFu; }},
        {"Plot17Color: FFABCDEF", true, [](const auto& a) { return a.plotColors[16] == 0xFFABCDEFu; }},
        {"Plot02Color: zz", true, [](const auto& a) { return a.plotColors[1] == 0xFF00FF00u; }},
        {"GraphBackgndColor: 255 16 32 48", true, [](const auto& a) { return a.graphBackgroundColor == 0xFF102030u; }},
        // Numbers beyond a byte are held to their byte, never written past it.
        {"DeskForegndColor: 256 511 -1 7", true, [](const auto& a) { return a.deskForegroundColor == 0x00FFFF07u; }},
        {"QuickStyle: 7", true, [](const auto& a) { return a.quickStyle == std::array<int, 2>{7, 1}; }},
        {"GridAttributes: 1 2 x", true, [](const auto& a) { return a.gridAttributes == std::array<int, 4>{1, 2, 0, 0}; }},
        {"BorderType: abc", true, [](const auto& a) { return a.borderType == 0; }},
        {"NumericPrecision: 99999999999", true, [](const auto& a) { return a.numericPrecision == INT_MAX; }},
        {"MainTitleFont: Courier New", true, [](const auto& a) { return a.mainTitleFont.name == "Courier New"; }},
        // A key elsewhere in the line, a comment, no blank after the colon: not recognised.
        {"  BorderType: 7", false, [](const auto& a) { return a.borderType == 3; }},
        {"MyLegendStyle: 4", false, [](const auto& a) { return a.legendStyle == 0; }},
        {"# ViewingStyle: 2", false, [](const auto& a) { return a.viewingStyle == 0; }},
        {"ViewingStyle:2", false, [](const auto& a) { return a.viewingStyle == 0; }},
    };
    for (const auto& test : cases) {
        CGraphObjectAttributes a("KIVO 15");
        a.SetDefaultAttributes(true, true, true, true);
        EXPECT_EQ(a.ParseGOAttributeLine(true, test.line), test.recognised) << test.line;
        EXPECT_TRUE(test.check(a)) << test.line;
    }

    attributes.defaultPlottingMethod = 8;
    EXPECT_TRUE(attributes.ParseGOAttributeLine(true, "PlottingMethod: 4"));
    EXPECT_EQ(attributes.plottingMethod, 4);
    EXPECT_EQ(attributes.defaultPlottingMethod, 0);

    EXPECT_TRUE(attributes.ParseGOAttributeLine(false, "UseDefaultAttributes: 0"));
    EXPECT_EQ(attributes.useDefaultAttributes, 1);
    EXPECT_TRUE(attributes.ParseGOAttributeLine(true, "UseDefaultAttributes: 0"));
    EXPECT_EQ(attributes.useDefaultAttributes, 0);
}

TEST_F(GraphObjectAttributesTest, AnAnnotationNamingAnOlderVersionNamesTheRunningOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"TARV Instruments KIVO 14.02 [DEBUG]", "TARV Instruments KIVO 15"},
        {"TARV Instruments KIVO 1", "TARV Instruments KIVO 15"},
        {"KIVO 14.02 Site B", "KIVO 15 Site B"},
        {"KIVO 1 [DEBUG] [DEBUG] roof", "KIVO 15 roof"},
        {"Meter KIVO 2.0", "Meter KIVO 2.0"},
        {"KIVO ", "KIVO "},
    };
    for (const auto& [stored, loaded] : cases) {
        ASSERT_TRUE(attributes.ParseGOAttributeLine(true, std::string("Annotation: ") + stored));
        EXPECT_EQ(attributes.annotation, loaded) << stored;
    }
}

TEST_F(GraphObjectAttributesTest, DefaultsLeaveWhatTheirSwitchesDoNotCover) {
    attributes.showDataCursor = 1;
    attributes.showDataPoints = 1;
    attributes.showAnalysisValues = 0;
    attributes.useDefaultAttributes = 0;
    attributes.plottingMethod = 4;
    attributes.defaultPlottingMethod = 8;
    attributes.plotColors[16] = 0xFF123456;
    attributes.borderType = 9;
    attributes.SetDefaultAttributes(false, false, false, false);
    EXPECT_EQ(attributes.showDataCursor, 1);
    EXPECT_EQ(attributes.showDataPoints, 1);
    EXPECT_EQ(attributes.showAnalysisValues, 0);
    EXPECT_EQ(attributes.useDefaultAttributes, 0);
    EXPECT_EQ(attributes.plottingMethod, 4);
    EXPECT_EQ(attributes.defaultPlottingMethod, 8);
    EXPECT_EQ(attributes.plotColors[16], 0xFF123456u);
    EXPECT_EQ(attributes.borderType, 3);
    attributes.SetDefaultAttributes(true, true, true, true);
    EXPECT_EQ(attributes.showDataCursor, 0);
    EXPECT_EQ(attributes.showAnalysisValues, 1);
    EXPECT_EQ(attributes.useDefaultAttributes, 1);
}

TEST_F(GraphObjectAttributesTest, LoadKeepsTheShowSwitchesItIsNotToTake) {
    WriteFile("# Kivo Graphical Object Attributes -\nShowDataCursor: 1\nShowDataPoints: 1\nShowAnalysisValues: 0\n");
    attributes.showDataCursor = 0;
    attributes.showDataPoints = 0;
    attributes.showAnalysisValues = 1;
    attributes.LoadGOAttributes(false, false, true, false);
    EXPECT_EQ(attributes.showDataCursor, 0);
    EXPECT_EQ(attributes.showDataPoints, 1);
    EXPECT_EQ(attributes.showAnalysisValues, 1);

    // Only the comment line: the defaults.
    WriteFile("# Kivo Graphical Object Attributes -\r\n");
    attributes.borderType = 0;
    attributes.LoadGOAttributes(true, true, true, true);
    EXPECT_EQ(attributes.borderType, 3);
    EXPECT_EQ(attributes.deskBackgroundColor, 0xFF000001u);
}

TEST_F(GraphObjectAttributesTest, SaveFailuresAreTold) {
    EXPECT_FALSE(attributes.SaveGOAttributes());  // never loaded: no path
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].texts.prompt, "SaveGOAttributes() Error: m_strGOAttribIniFileName.GetLength() == 0");

    // The folder disappears after the load: the file cannot be created.
    attributes.LoadGOAttributes(true, true, true, true);
    const auto folder = UserDataFolder();
    std::filesystem::rename(folder, folder.string() + ".away");
    EXPECT_FALSE(attributes.SaveGOAttributes());
    std::filesystem::rename(folder.string() + ".away", folder);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_NE(boxes.Boxes()[1].texts.prompt.find("could not be created"), std::string::npos);
    EXPECT_NE(boxes.Boxes()[1].texts.prompt.find("KivoGOAttrib.ini"), std::string::npos);
}

TEST_F(GraphObjectAttributesTest, ARunOnDefaultsKeepsTheUsersOwnValuesAtExit) {
    // The user's own look, with default attributes switched on.
    attributes.LoadGOAttributes(true, true, true, true);
    attributes.graphBackgroundColor = 0xFF102030;
    attributes.deskBackgroundColor = 0xFF405060;
    attributes.legendFontSize = 12;
    attributes.plotColors[0] = 0xFF010203;
    attributes.useDefaultAttributes = 1;
    attributes.showDataCursor = 1;
    attributes.annotation = "Roof feeder";
    ASSERT_TRUE(attributes.SaveGOAttributes());
    const std::string saved = ReadFile();

    CGraphObjectAttributes run("KIVO 15");
    LoadGraphAttributesAtStart(run);
    EXPECT_EQ(run.graphBackgroundColor, 0xFFFFFFFFu);  // the defaults are in use
    EXPECT_EQ(run.legendFontSize, 8);
    EXPECT_EQ(run.showDataCursor, 1);
    EXPECT_EQ(run.annotation, "Roof feeder");
    EXPECT_TRUE(run.HasSnapshot());

    // An unchanged run writes the file back as it was.
    ASSERT_TRUE(SaveGraphAttributesAtExit(run));
    EXPECT_EQ(ReadFile(), saved);

    // A run that changed the legend size and the annotation writes only those.
    CGraphObjectAttributes changed("KIVO 15");
    LoadGraphAttributesAtStart(changed);
    changed.legendFontSize = 14;
    changed.annotation = "Roof feeder 2";
    ASSERT_TRUE(SaveGraphAttributesAtExit(changed));
    EXPECT_TRUE(HasLine("LegendFontSize: 14"));
    EXPECT_TRUE(HasLine("Annotation: Roof feeder 2"));
    EXPECT_TRUE(HasLine("GraphBackgndColor: 255 16 32 48"));
    EXPECT_TRUE(HasLine("DeskBackgndColor: 255 64 80 96"));
    EXPECT_TRUE(HasLine("Plot01Color: ff010203"));
}

TEST_F(GraphObjectAttributesTest, ARunOnOwnAttributesSavesWhatItUses) {
    attributes.LoadGOAttributes(true, true, true, true);
    attributes.useDefaultAttributes = 0;
    attributes.graphBackgroundColor = 0xFF102030;
    ASSERT_TRUE(attributes.SaveGOAttributes());

    CGraphObjectAttributes run("KIVO 15");
    LoadGraphAttributesAtStart(run);
    EXPECT_EQ(run.graphBackgroundColor, 0xFF102030u);
    run.graphBackgroundColor = 0xFF000000;
    ASSERT_TRUE(SaveGraphAttributesAtExit(run));
    EXPECT_TRUE(HasLine("GraphBackgndColor: 255 0 0 0"));
    EXPECT_TRUE(HasLine("UseDefaultAttributes: 0"));
}

TEST_F(GraphObjectAttributesTest, OptionsSwitchBetweenOwnAndDefaultAttributes) {
    attributes.LoadGOAttributes(true, true, true, true);
    attributes.useDefaultAttributes = 0;
    attributes.borderType = 1;
    ASSERT_TRUE(attributes.SaveGOAttributes());

    // Own to defaults: the file keeps the own look, the object takes the defaults, the choice stays.
    GraphOptionsChoice choice{1, 0, 0, 1, "Plant room"};
    EXPECT_TRUE(ApplyGraphOptions(attributes, choice));
    EXPECT_EQ(attributes.borderType, 3);
    EXPECT_EQ(CurrentGraphOptions(attributes), choice);
    EXPECT_TRUE(HasLine("BorderType: 1"));

    // Nothing changed: no rebuild.
    EXPECT_FALSE(ApplyGraphOptions(attributes, choice));

    // Back to own attributes: the file's look returns, the choice stays.
    choice.useDefaultAttributes = 0;
    choice.showDataPoints = 1;
    EXPECT_TRUE(ApplyGraphOptions(attributes, choice));
    EXPECT_EQ(attributes.borderType, 1);
    EXPECT_EQ(CurrentGraphOptions(attributes), choice);
}

}  // namespace
