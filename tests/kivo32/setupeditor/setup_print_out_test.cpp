// The setup print-out: the lines each channel type and the general-settings page draw, where and in
// which font; the page plan; one print-out through the setup view to a PDF file.
#include "kivo32/setupeditor/setup_print_out.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QPrinter>
#include <fstream>
#include <iterator>

#include "kivo32/setupeditor/setup_page_plan.h"
#include "platform/base/program_texts.h"
#include "platform/ui/printer_page_painter.h"
#include "platform/ui/resource_texts.h"
#include "shared/common/program_date_formats.h"
#include "shared/datafile/model_names.h"
#include "shared/setup/setup_table.h"
#include "tests/kivo32/setupeditor/setup_document_fixture.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/resource_texts.h"
#include "tests/support/ui/recording_page_painter.h"

namespace {

using Lines = std::vector<std::string>;

class SetupPrintOutTest : public testing::Test {
protected:
    void SetUp() override { SetProgramTexts(platform::EnglishTexts()); }

    // The lines that item `item` of `table` draws on a fresh page.
    Lines Print(const CSetupTable& table, int item, platform::PageRect page = {0, 0, 4800, 6400}) {
        painter_ = testsupport::RecordingPagePainter(page);
        painter_.StartPage();
        // The setup view prints its pages in the regular font.
        painter_.SelectFont(SetupPrintOut::kRegularFont);
        SetupPrintPosition position{48, 0};
        SetupPrintOut printOut(painter_, position, table.GetModelCode(), settings_);
        table.DescribeItem(printOut, item);
        painter_.EndPage();
        return painter_.TextLines();
    }

    testsupport::FakeAppContext context_;
    testsupport::RecordingPagePainter painter_;
    SetupViewSettings settings_;
};

// A hardware channel 1 of `type` with a name, a logger label, units and a short note.
CSetupTable HardwareTable(std::uint8_t type) {
    CSetupTable table;
    CSUTChannelHardware& channel = table.GetHardwareChannel(0);
    channel.SetType(type);
    channel.SetName("Feeder");
    channel.SetLoggerLabel("Tank");
    channel.SetUnits("bar");
    channel.SetNote("short note");
    channel.SetOptions(0x05);
    channel.SetScaleValue1(-5.0f);
    channel.SetScaleValue2(5.0f);
    channel.SetRNDCScale(2.5f);
    channel.SetTemperatureUnit(1);
    return table;
}

TEST_F(SetupPrintOutTest, EachHardwareChannelTypePrintsItsPage) {
    struct Case {
        std::uint8_t type;
        Lines lines;
    };
    const Lines inputTail = {"Name: Feeder",         "Logger label: Tank", "Scale low: -5.000000",
                             "Scale high: 5.000000", "Units: bar",         "Values: A,X",
                             "Note: short note"};
    const auto input = [&](const std::string& range) {
        Lines lines = {"Chan 1", "DC input: " + range};
        lines.insert(lines.end(), inputTail.begin(), inputTail.end());
        return lines;
    };
    const Case cases[] = {
        {0, {"Chan 1", "Not used"}},
        {5, {"Chan 1", "Not used"}},
        {2,
         {"Chan 1", "Temperature", "Name: Feeder", "Scale low: -5.000000", "Scale high: 5.000000", "Units: C",
          "Values: A,X"}},
        {3, input("+/-5VDC")},
        {7, input("0-10VDC")},
        {8, input("4-20mA")},
        {9, input("0-25mA")},
        {4,
         {"Chan 1", "R,N,D,C input", "Name: Feeder", "Logger label: Tank", "Scale: 2.500000", "Units: bar",
          "Values: R,D", "Note: short note"}},
        {6, {"Chan 1", "Current only", "Name: Feeder", "CT: 100.000000", "Values: A,X", "Note: short note"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        EXPECT_EQ(Print(HardwareTable(c.type), 1), c.lines);
    }
}

TEST_F(SetupPrintOutTest, APowerChannelPrintsItsPhasesRatiosAndSixQuantities) {
    CSetupTable table = HardwareTable(kChannelPower);
    CSUTChannelHardware& channel = table.GetHardwareChannel(0);
    channel.SetVHi('B');
    channel.SetVLo('N');
    channel.SetPTRatio(2.0f);
    const std::uint8_t options[] = {0x0F, 0x01, 0x03, 0x00, 0x08, 0x04};
    for (int quantity = 0; quantity < 6; ++quantity) {
        channel.SetPowerOptions(quantity, options[quantity]);
    }
    const Lines expected = {"Chan 1",       "Power channel",  "Name: Feeder",   "VHi: L2",         "VLo: N",
                            "PT: 2.000000", "CT: 100.000000", "Volts: A,N,X,I", "Amps: A",         "KW: A,N",
                            "KVA: ",        "PF: I",          "KVAR: X",        "Note: short note"};
    EXPECT_EQ(Print(table, 1), expected);

    // The caption is underlined one line down; the page's lines follow 20 units further on.
    const auto& texts = painter_.Texts();
    EXPECT_TRUE(texts[0].font.underline);
    EXPECT_EQ(texts[0].font.face, "Courier New");
    EXPECT_EQ(texts[0].y, 24);
    EXPECT_FALSE(texts[1].font.underline);
    EXPECT_EQ(texts[1].y, 24 + 24 + 20);
    EXPECT_EQ(texts[2].y, texts[1].y + 24);
    EXPECT_EQ(texts[2].x, 48);

    // A phase byte below 'A' prints no letter, one from 'D' on prints as it is.
    struct Phase {
        std::uint8_t byte;
        const char* line;
    };
    for (const Phase& phase : {Phase{0, "VHi:"}, Phase{'@', "VHi:"}, Phase{'D', "VHi: D"},
                               Phase{'N', "VHi: N"}, Phase{'C', "VHi: L3"}}) {
        CSetupTable raw = table;
        std::vector<std::uint8_t> bytes;
        platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
        raw.Write(writer, false, false);
        bytes[CSUTHeader::kBlockSize + 2] = phase.byte;
        platform::ByteReader reader(bytes, platform::ByteOrder::Little);
        ASSERT_TRUE(raw.Read(reader, 405, false, false, false));
        EXPECT_EQ(Print(raw, 1)[3], phase.line);
    }
}

TEST_F(SetupPrintOutTest, SoftwareAndPulseChannelsPrintTheirPagesOrNotUsed) {
    CSetupTable table;
    table.GetHeader().SetModelCode(kModelQuarvenRS);
    for (int i = 0; i < 3; ++i) {
        table.GetHardwareChannel(i).SetType(kChannelPower);
    }
    CSUTChannelSoftware& sum = table.GetSoftwareChannel(0);
    sum.SetType(kChannelSoftware);
    sum.SetName("Total");
    sum.SetHardwareFlag(1, 0);
    sum.SetHardwareFlag(2, 1);
    sum.SetPowerOptions(kQuantityKW, 0x01);
    CSUTChannelPulse& pulse = table.GetPulseChannel(0);
    pulse.SetType(kChannelPulseKVAh);
    // A name that holds a format must print as it is.
    pulse.SetName("50%s %d");
    pulse.SetPowerChannel(2);
    pulse.SetScale(0.5f);

    EXPECT_EQ(Print(table, 5), (Lines{"Channel 5", "Sum of power channels", "Name: Total", "Channels: 1,3",
                                      "Volts: ", "Amps: ", "KW: A", "KVA: ", "PF: ", "KVAR: ", "Note: "}));
    EXPECT_EQ(Print(table, 6), (Lines{"Channel 6", "Not used"}));
    EXPECT_EQ(Print(table, 7), (Lines{"Channel 7", "Pulse input", "Name: 50%s %d", "Power Channel: 2",
                                      "Value: KVAh", "Scale: 0.5000"}));
    EXPECT_EQ(Print(table, 8), (Lines{"Channel 8", "Not used"}));
    const std::pair<std::uint8_t, const char*> values[] = {{10, "Value: KWh"}, {12, "Value: KVARh"}};
    for (const auto& [type, line] : values) {
        pulse.SetType(type);
        EXPECT_EQ(Print(table, 7)[4], line);
    }
}

TEST_F(SetupPrintOutTest, LongNotesBreakAfterTheFirstBlankFromTheFortiethCharacter) {
    struct Case {
        std::string note;
        Lines lines;
    };
    const std::string forty = "0123456789012345678901234567890123456789";
    const Case cases[] = {
        {forty.substr(1), {"Note: " + forty.substr(1)}},
        {forty + "ab cd", {"Note:", forty + "ab ", "cd"}},
        {forty + " tail", {"Note:", forty + " ", "tail"}},
        {forty + "nospace", {"Note:", forty, "nospace"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        CSetupTable table = HardwareTable(kChannelCurrent);
        table.GetHardwareChannel(0).SetNote(c.note);
        const Lines lines = Print(table, 1);
        EXPECT_EQ(Lines(lines.end() - static_cast<std::ptrdiff_t>(c.lines.size()), lines.end()), c.lines);
    }
    // The broken note stands in a column after its label, on two lines.
    const auto& texts = painter_.Texts();
    const auto& label = texts[texts.size() - 3];
    EXPECT_EQ(texts[texts.size() - 2].x, label.x + 12 * static_cast<int>(std::string("Note: ").size()));
    EXPECT_EQ(texts[texts.size() - 2].y, label.y);
    EXPECT_EQ(texts.back().y, label.y + 24);
}

TEST_F(SetupPrintOutTest, TheGeneralSettingsPageHasTwoColumnsAndTheStandardModelsOptions) {
    settings_.documentTitle = "site.sut";
    settings_.intervalText = "15 minutes";
    settings_.memoryModeText = "Ring";
    settings_.demandWindowText = "15 min";
    settings_.startAtOnce = false;
    settings_.startFields = {"03", "15", "24", "08", "30", "00"};
    CSetupTable table;
    table.GetHeader().SetHeaderText("North");
    table.GetHeader().SetOptionByte(0xB0);
    const std::string model0 = GetLoggerTypeName(0);
    EXPECT_EQ(Print(table, 0),
              (Lines{"KIVO Setup Table", "File: site.sut", "Logger option 1: Yes", "Logger model: " + model0,
                     "Automatic line frequency: No", "Setup name: North", "Logger option 2: No",
                     "Line frequency: 50Hz", "Memory", "Interval: 15 minutes", "Mode: Ring",
                     "Start: 03/15/24 08:30:00", "Demand window: 15 min", "Stop:  No stop time",
                     "End of general settings"}));
    const auto& texts = painter_.Texts();
    EXPECT_TRUE(texts[0].font.bold && texts[0].font.underline);
    EXPECT_EQ(texts[0].x, 4 * 12);
    EXPECT_EQ(texts[0].y, 24);
    EXPECT_EQ(texts[1].y, 3 * 24);
    EXPECT_EQ(texts[2].x, 4800 / 2);
    EXPECT_EQ(texts[2].y, texts[1].y);
    EXPECT_EQ(texts[10].x, 4800 / 2 + 2 * 12);
    EXPECT_EQ(texts.back().y, texts[13].y + 3 * 24);
    EXPECT_TRUE(texts.back().font.bold);

    table.GetHeader().SetModelCode(kModelQuarvenKX);
    table.GetHeader().SetOptionByte(0x20);
    settings_.startAtOnce = true;
    EXPECT_EQ(Print(table, 0),
              (Lines{"KIVO Setup Table", "File: site.sut", "Logger option 1: N/A", "Logger model: Quarven KX",
                     "Automatic line frequency: N/A", "Setup name: North", "Logger option 2: N/A",
                     "Line frequency: 60Hz", "Memory", "Interval: 15 minutes", "  Ring", "Start: At once",
                     "Stop:  No stop time", "End of general settings"}));
}

TEST_F(SetupPrintOutTest, NoLeftTextOfTheGeneralSettingsReachesTheRightColumnInEitherLanguage) {
    settings_.documentTitle = "poste-nord.sut";
    settings_.intervalText = "15 minutes";
    settings_.memoryModeText = "Ring";
    settings_.demandWindowText = "15 min";
    CSetupTable table;
    table.GetHeader().SetHeaderText("Départ nord mars 20");
    for (const std::string language : {"en", "fr"}) {
        const auto texts =
            platform::LoadTextFolder(testsupport::ResourceTextsFile(language, "setup").parent_path());
        ASSERT_TRUE(texts.has_value());
        SetProgramTexts(*texts);
        // A page as narrow, in characters, as a printed one: 40 to the right column.
        Print(table, 0, {0, 0, 80 * 12, 6400});
        for (const auto& left : painter_.Texts()) {
            for (const auto& right : painter_.Texts()) {
                if (right.y == left.y && right.x > left.x) {
                    EXPECT_LT(left.x + painter_.TextWidth(left.text), right.x)
                        << language << ": " << left.text << " | " << right.text;
                }
            }
        }
    }
}

TEST_F(SetupPrintOutTest, StartAndStopDatesFollowTheUsersDateOrder) {
    settings_.startAtOnce = false;
    settings_.startFields = {"03", "15", "24", "08", "30", "00"};
    settings_.noStopTime = false;
    settings_.stopFields = {"04", "01", "24", "17", "00", "00"};
    const struct {
        const char* shortDateFormat;
        const char* start;
        const char* stop;
    } cases[] = {
        {"MM/dd/yy", "Start: 03/15/24 08:30:00", "Stop:  04/01/24 17:00:00"},
        {"dd/MM/yyyy", "Start: 15/03/24 08:30:00", "Stop:  01/04/24 17:00:00"},
        {"yyyy-MM-dd", "Start: 24/03/15 08:30:00", "Stop:  24/04/01 17:00:00"},
    };
    for (const auto& c : cases) {
        SetProgramFormatSource([&] { return CRegionalFormats{"/", c.shortDateFormat, ":", "HH:mm:ss"}; });
        const Lines lines = Print(CSetupTable(), 0);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.start), lines.end()) << c.shortDateFormat;
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.stop), lines.end()) << c.shortDateFormat;
    }
    SetProgramFormatSource({});
}

TEST(SetupPagePlanTest, ItemsFillPagesByTheLinesTheyTake) {
    testsupport::FakeAppContext context;
    CSetupTable powers;
    for (int i = 0; i < 4; ++i) {
        powers.GetHardwareChannel(i).SetType(kChannelPower);
    }
    // 13 + 16 + 16 lines fit a page of 60; the third power channel would make 61.
    EXPECT_EQ(PlanSetupPages(powers, 24, 60 * 24), (std::vector<std::vector<int>>{{0, 1, 2}, {3, 4, 5, 6}}));

    CSetupTable kx;
    kx.GetHeader().SetModelCode(kModelQuarvenKX);
    kx.GetAnalogChannel(0).SetType(kChannelAnalog4To20mA);
    EXPECT_EQ(PlanSetupPages(kx, 24, 1000 * 24), (std::vector<std::vector<int>>{{0, 1, 2, 3, 4, 5, 6}}));
    CSetupTable rs;
    rs.GetHeader().SetModelCode(kModelQuarvenRS);
    EXPECT_EQ(PlanSetupPages(rs, 24, 1000 * 24).front().back(), 8);
    // Never more than ten pages, however small the page.
    EXPECT_EQ(PlanSetupPages(rs, 24, 24).size(), 9u);
    EXPECT_EQ(PlanSetupPages(powers, 0, 24).size(), 0u);
}

using SetupViewPrintTest = setupeditortest::SetupDocumentTest;

TEST_F(SetupViewPrintTest, TheSetupViewPrintsItsPagesToAPdfFileAndNothingBeyondThem) {
    context_.SetLoggerType(kModelQuarvenRS);
    CSUTDoc* document = NewDocument();
    ASSERT_NE(document, nullptr);
    for (int i = 0; i < 4; ++i) {
        document->GetSetupTable().GetHardwareChannel(i).SetType(kChannelPower);
        document->GetSetupTable().GetHardwareChannel(i).SetNote(std::string(70, 'n'));
        document->GetSetupTable().GetHardwareChannel(i).SetVHi('N');
    }
    // The print-out takes the form's values: the form shows the edited table first.
    document->UpdateAllViews(nullptr);
    auto* view = static_cast<CSetupTableView*>(document->Views().front());

    // A page of 50 lines.
    testsupport::RecordingPagePainter recording({0, 0, 4800, 50 * 24});
    platform::PrintInfo info;
    ASSERT_TRUE(view->OnPreparePrinting(info));
    ASSERT_TRUE(view->PrintPages(recording, info));
    const int pages = info.maxPage;
    EXPECT_GE(pages, 2);
    EXPECT_EQ(recording.PagesStarted(), pages);
    EXPECT_TRUE(recording.Balanced());
    // Every line lies on the page.
    for (const auto& text : recording.Texts()) {
        EXPECT_LE(text.y + 24, recording.DrawingRect().bottom) << text.text;
    }
    info.currentPage = pages + 1;
    const std::size_t drawn = recording.Texts().size();
    view->OnPrint(recording, info);
    EXPECT_EQ(recording.Texts().size(), drawn);

    const auto path = folder_ / "setup.pdf";
    QPrinter printer(QPrinter::HighResolution);
    platform::SetPdfOutput(printer, path);
    platform::PrinterPagePainter pdf(printer);
    ASSERT_TRUE(pdf.Begin());
    platform::PrintInfo pdfInfo;
    ASSERT_TRUE(view->OnPreparePrinting(pdfInfo));
    ASSERT_TRUE(view->PrintPages(pdf, pdfInfo));
    ASSERT_TRUE(pdf.End());
    std::ifstream file(path, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content.rfind("%PDF", 0), 0u);
    EXPECT_NE(content.find("/Count " + std::to_string(pdfInfo.maxPage)), std::string::npos);
}

}  // namespace
