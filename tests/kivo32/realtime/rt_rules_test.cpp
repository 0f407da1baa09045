// The rules of the real-time windows without a window: readouts, graph kinds, axis titles and Y range,
// grid cells and colours, the channel selection and the scaling of a captured waveform.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "kivo32/session/real_time_record.h"
#include "kivo32/realtime/rt_graph_rules.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/rt_readouts.h"
#include "kivo32/realtime/rt_selection_rules.h"
#include "kivo32/realtime/rt_text_rules.h"
#include "kivo32/realtime/wf_scaling.h"
#include "platform/base/program_texts.h"
#include "platform/ui/resource_texts.h"
#include "shared/setup/sut_alarm.h"
#include "shared/setup/sut_channel_alarms.h"
#include "shared/setup/sut_channel_hardware.h"

namespace {

class RtRulesTest : public testing::Test {
protected:
    RtRulesTest() { SetProgramTexts(platform::EnglishTexts()); }
};

TEST_F(RtRulesTest, IntervalReadoutByCode) {
    const std::string minutes = LoadText(IDS_RT_MINUTES);
    const std::string seconds = LoadText(IDS_RT_SECONDS);
    const std::pair<int, std::string> cases[] = {
        {0, "1 " + LoadText(IDS_RT_MINUTE)},
        {1, "5 " + minutes},
        {2, "15 " + minutes},
        {3, "30 " + minutes},
        {4, "1 " + LoadText(IDS_RT_HOUR)},
        {5, "12 " + LoadText(IDS_RT_HOURS)},
        {6, "24 " + LoadText(IDS_RT_HOURS)},
        {7, LoadText(IDS_RT_ONE_SECOND_FAST)},
        {8, "5 " + seconds},
        {9, "10 " + seconds},
        {10, "15 " + seconds},
        {11, "30 " + seconds},
        {12, "3 " + seconds},
        {13, "2 " + minutes},
        {14, "10 " + minutes},
        {15, "20 " + minutes},
        {16, "1 " + LoadText(IDS_RT_SECOND)},
        {17, ""},
        {200, ""},
        {-1, ""},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(IntervalReadout(code), text) << code;
    }
}

TEST_F(RtRulesTest, MemoryDaysBatteryAndSupply) {
    EXPECT_EQ(MemoryUsedReadout(0, 0), "0.0%");
    EXPECT_EQ(MemoryUsedReadout(1, 3), "25.0%");
    EXPECT_EQ(MemoryUsedReadout(3'000'000'000LL, 1'000'000'000LL), "75.0%");  // beyond 32 bits
    EXPECT_EQ(DaysLeftReadout(12.345), "12.35 " + LoadText(IDS_RT_DAYS));

    struct Battery {
        float voltage, empty, step;
        int percent;
    };
    const Battery batteries[] = {{5.0f, 6.0f, 0.01f, 0},     {6.0f, 6.0f, 0.01f, 0},
                                 {6.004f, 6.0f, 0.001f, 4},  {6.9955f, 6.0f, 0.01f, 100},
                                 {6.9945f, 6.0f, 0.01f, 99}, {7.5f, 6.0f, 0.01f, 100},
                                 {7.0f, 6.0f, 0.0f, 0}};
    for (const Battery& b : batteries) {
        EXPECT_EQ(BatteryPercent(b.voltage, b.empty, b.step), b.percent) << b.voltage << " step " << b.step;
    }
    EXPECT_EQ(StandardBatteryState(57, false), "57%    ");
    EXPECT_EQ(StandardBatteryState(57, true), LoadText(IDS_RT_MAINS_POWERED));
    const std::pair<int, std::string> codes[] = {{-3, LoadText(IDS_RT_BATTERY_EMPTY)},
                                                 {-2, LoadText(IDS_RT_BATTERY_LOW)},
                                                 {-1, UpperCase(LoadText(IDS_RT_BATTERY_WEAK))},
                                                 {0, "OK"},
                                                 {1, ""},
                                                 {-4, ""}};
    for (const auto& [code, text] : codes) {
        EXPECT_EQ(LiteBatteryState(code, false), text) << code;
        EXPECT_EQ(LiteBatteryState(code, true), LoadText(IDS_RT_EXTERNAL_POWER));
    }
    EXPECT_EQ(VoltageReadout(12.345f, false), "12.35 V");
    EXPECT_EQ(VoltageReadout(12.345f, true), LoadText(IDS_RT_EXTERNAL_POWER));

    // The readings a logger gives, as each family's windows show them.
    const struct {
        BatteryReadings readings;
        bool standard;
        std::string state, volts;
    } readouts[] = {
        {{.batteryVolts = 6.3f, .emptyLevel = 4.5f, .step = 0.02f, .code = -3}, true, "90%    ", "6.30 V"},
        {{.externalPower = true, .batteryVolts = 6.3f, .emptyLevel = 4.5f, .step = 0.02f},
         true,
         LoadText(IDS_RT_MAINS_POWERED),
         "6.30 V"},
        {{.batteryVolts = 3.3f, .emptyLevel = 4.5f, .step = 0.02f, .code = -1},
         false,
         UpperCase(LoadText(IDS_RT_BATTERY_WEAK)),
         "3.30 V"},
        {{.externalPower = true, .batteryVolts = 3.3f, .code = -3},
         false,
         LoadText(IDS_RT_EXTERNAL_POWER),
         LoadText(IDS_RT_EXTERNAL_POWER)},
    };
    for (const auto& r : readouts) {
        const BatteryReadouts shown = BatteryReadoutsOf(r.readings, r.standard);
        EXPECT_EQ(shown.state, r.state) << r.volts;
        EXPECT_EQ(shown.volts, r.volts) << r.state;
    }
}

TEST_F(RtRulesTest, ValueKindsAndTheirAxisTitles) {
    const std::vector<RealTimeValue> values = {
        {0, 1, 230.0f, 2}, {1, 1, 21.5f, 11}, {2, 1, 70.1f, 10}, {3, 1, 1.0f, 8}};
    const bool onlyThird[] = {false, false, true, false, false, false};
    const bool secondAndThird[] = {false, true, true, false, false, false};
    const bool none[] = {false, false, false, false, false, false};
    struct Case {
        int choice;
        std::span<const bool> selected;
        int kind;
        std::string label;
    };
    const std::string volts = LoadText(IDS_RT_VOLTS);
    const Case cases[] = {
        {0, none, 2, volts + " AC"},
        {1, none, 1, LoadText(IDS_RT_AMPS)},
        {2, none, 4, "KW"},
        {3, none, 5, "KVA"},
        {4, none, 6, "PF"},
        {5, none, 7, "KVAR"},
        {6, onlyThird, 10, LoadText(IDS_RT_TEMPERATURE)},
        {6, secondAndThird, 11, LoadText(IDS_RT_TEMPERATURE)},  // the first record met
        {6, none, 9, LoadText(IDS_RT_TEMPERATURE)},
        {7, none, 8, LoadText(IDS_RT_ON_OFF)},
        {8, none, 3, volts + " DC"},
        {9, none, 18, LoadText(IDS_RT_ANALOG)},
        {10, none, 0, ""},
    };
    for (const Case& c : cases) {
        const int kind = KindOfChoice(c.choice, values, c.selected);
        EXPECT_EQ(kind, c.kind) << c.choice;
        EXPECT_EQ(YAxisLabel(kind), c.label) << c.choice;
    }
    EXPECT_EQ(PlottedValue(kKindOnOff, 0.5f), 0.0);
    EXPECT_EQ(PlottedValue(kKindOnOff, 0.51f), 1.0);
    EXPECT_EQ(PlottedValue(kKindAmps, 0.5f), 0.5);
}

TEST_F(RtRulesTest, XAxisTitleByTimeSpan) {
    const std::pair<int, std::string> cases[] = {
        {30, "|30 " + LoadText(IDS_RT_SECONDS) + "|"},  {60, "|1 " + LoadText(IDS_RT_MINUTE) + "|"},
        {90, "|1.5 " + LoadText(IDS_RT_MINUTES) + "|"}, {120, "|2 " + LoadText(IDS_RT_MINUTES) + "|"},
        {59, "|59 " + LoadText(IDS_RT_SECONDS) + "|"},  {3600, "|60 " + LoadText(IDS_RT_MINUTES) + "|"}};
    for (const auto& [seconds, title] : cases) {
        EXPECT_EQ(XAxisTitle(seconds), title) << seconds;
    }
}

TEST(RtYAxisScalerTest, RangesByMagnitudeAndHistory) {
    using Range = std::pair<double, double>;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        std::vector<std::vector<double>> updates;
        bool automatic;
        Range range;
    };
    const Case cases[] = {
        {"small values, automatic", {{0, 8}, {2, 4}}, true, {0.0, 8.8}},
        {"small values, not automatic", {{2, 8}}, false, {0.0, 8.8}},
        {"negative, not automatic", {{-20, 5}}, false, {-22.0, 5.5}},
        {"negative, automatic", {{-40, -30}}, true, {-44.0, -27.0}},
        {"hundreds", {{300, 400}}, true, {300 - 1.8, 400 + 2.4}},
        {"up to a thousand", {{600, 900}}, true, {600 - 1.2, 900 + 1.8}},
        {"above a thousand", {{2000, 4000}}, true, {2000 - 1.0, 4000 + 2.0}},
        {"not a number left out", {{nan, 5}, {nan}}, true, {4.5, 5.5}},
        {"all zero, automatic", {{0, 0}, {0}}, true, {-1.0, 1.0}},
        {"all zero, not automatic", {{0}}, false, {-1.0, 1.0}},
    };
    for (const Case& c : cases) {
        RtYAxisScaler scaler(60);
        for (const std::vector<double>& update : c.updates) {
            scaler.AddUpdate(update);
        }
        const std::optional<Range> range = scaler.Range(c.automatic, std::nullopt);
        ASSERT_TRUE(range) << c.name;
        EXPECT_NEAR(range->first, c.range.first, 1e-9) << c.name;
        EXPECT_NEAR(range->second, c.range.second, 1e-9) << c.name;
        EXPECT_LT(range->first, range->second) << c.name;
    }
}

TEST(RtGraphSettingsTest, TakenFromTheFileWithinTheirLimits) {
    using Range = std::optional<std::pair<double, double>>;
    struct Case {
        int autoRange;
        double minY, maxY, maxX;
        bool automatic;
        Range range;
        int span;
    };
    const Case cases[] = {
        {1, 0, 0, 60.0, true, std::nullopt, 60},  // the file's first values: no range yet
        {0, -5, 250, 90.0, false, Range{{-5.0, 250.0}}, 90},
        {0, 10, -10, 10000.0, false, std::nullopt, 10000},  // a range upside down is none
        {2, 1, 2, 0.0, true, Range{{1.0, 2.0}}, 60},        // a span of 0 seconds
        {1, 1, 2, 10001.0, true, Range{{1.0, 2.0}}, 60},
        {1, 1, 2, 29.6, true, Range{{1.0, 2.0}}, 30},  // whole seconds
    };
    for (const Case& c : cases) {
        const RtGraphSettings settings = GraphSettingsFromFile(c.autoRange, c.minY, c.maxY, c.maxX);
        EXPECT_EQ(settings.autoScaling, c.automatic) << c.maxX;
        EXPECT_EQ(settings.manualRange, c.range) << c.maxX;
        EXPECT_EQ(settings.timeSpan, c.span) << c.maxX;
    }
}

TEST(RtGraphExportTest, ThePlanOfTheSettingsTextsWithTheFilesDefaultsForBadValues) {
    const struct {
        GraphExportTexts texts;
        GraphExportType type;
        GraphExportDestination destination;
        bool screenSize;
        int width, height;
    } cases[] = {
        {{}, GraphExportType::Jpeg, GraphExportDestination::Clipboard, false, 1000, 462},
        {{"0", "0", "1", "640", "300"},
         GraphExportType::Vector,
         GraphExportDestination::File,
         true,
         640,
         300},
        {{"3", "1", "2", "1", "10000"},
         GraphExportType::Png,
         GraphExportDestination::Printer,
         false,
         1,
         10000},
        // A hand-edited file: out of range, negative, not a number, too large.
        {{"4", "-1", "3", "0", "10001"},
         GraphExportType::Jpeg,
         GraphExportDestination::Clipboard,
         false,
         1000,
         462},
        {{"x", "", "-2", "-640", "big"},
         GraphExportType::Vector,
         GraphExportDestination::Clipboard,
         true,
         1000,
         462},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.texts.type + "/" + c.texts.size + "/" + c.texts.destination);
        const GraphExportPlan plan = GraphExportPlanOf(c.texts);
        EXPECT_EQ(plan.type, c.type);
        EXPECT_EQ(plan.destination, c.destination);
        EXPECT_EQ(plan.screenSize, c.screenSize);
        EXPECT_EQ(plan.width, c.width);
        EXPECT_EQ(plan.height, c.height);
    }
}

TEST(RtYAxisScalerTest, TheHistoryKeepsTheTimeSpanAndAManualRangeWinsWhenNotAutomatic) {
    RtYAxisScaler scaler(3);
    EXPECT_FALSE(scaler.Range(true, std::nullopt));
    for (const double value : {100.0, 1.0, 2.0, 3.0}) {
        const double update[] = {value};
        scaler.AddUpdate(update);
    }
    EXPECT_EQ(scaler.HistorySize(), 3u);  // the 100 has dropped out
    EXPECT_NEAR(scaler.Range(true, std::nullopt)->second, 3.3, 1e-9);
    EXPECT_EQ(scaler.Range(false, std::pair(-5.0, 5.0)), std::pair(-5.0, 5.0));
    EXPECT_NEAR(scaler.Range(true, std::pair(-5.0, 5.0))->second, 3.3, 1e-9);
}

TEST_F(RtRulesTest, CellTextsAtTheirLimits) {
    struct Case {
        RtVariant variant;
        int kind;
        float value;
        std::string text;
    };
    const RtVariant S = RtVariant::Standard;
    const RtVariant L = RtVariant::Lite;
    const Case cases[] = {
        {S, 1, 12.345f, "12.35 A"},
        {L, 1, 50000.0f, "****** A"},
        {L, 2, 50000.0f, "50000.000 V"},
        {L, 2, 100000.0f, "****** V"},
        {L, 2, -100000.0f, "****** V"},
        {S, 2, 10000.0f, "******* V"},
        {S, 2, -10000.0f, "******* V"},
        {S, 2, 9999.5f, "9999.500 V"},
        {S, 3, 4.56f, "4.560 V"},
        {L, 3, 4.56f, "4.6 V"},
        {S, 4, 1.5f, "1.500 kW"},
        {L, 6, -0.93f, "-0.93 dPF"},  // the sign as measured
        {S, 7, 0.25f, "0.250 kVAR"},
        {S, 8, 0.5f, LoadText(IDS_RT_STATE_OFF)},
        {L, 8, 0.51f, LoadText(IDS_RT_STATE_ON)},
        {S, 9, 20.0f, "20.0 \xB0"},
        {L, 11, 21.25f,
         "21.2 \xB0"
         "C"},
        {S, 13, 300.0f, "300.0 \xB0K"},
        {S, 18, 4.25f, "4.2 mA"},
        {L, 18, 4.25f, "4.25 mA"},
        {S, 21, 3.25f, "3.2 % THD"},
        {L, 21, 3.25f, "3.25% THD"},
        {S, 30, 1.25f, "1.2 "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellText(c.variant, c.kind, c.value, "mA"), c.text)
            << (c.variant == S ? "Standard" : "Lite") << " kind " << c.kind << " value " << c.value;
    }
}

TEST(RtRowDistortionTest, FromAFullRowOnly) {
    // S1 = sqrt(8^2 + 6^2) = 10 kVA of fundamental; 12.5 kVA apparent gives sqrt(1.25^2 - 1) = 75 %.
    const std::vector<ShownQuantity> full = {{2, 250.0f}, {1, 50.0f}, {4, 8.0f},
                                             {5, 12.5f},  {6, 0.8f},  {7, 6.0f}};
    const std::vector<ShownQuantity> noKVA = {{2, 250.0f}, {1, 50.0f}, {4, 8.0f},
                                              {6, 0.8f},   {7, 6.0f},  {3, 1.0f}};
    const std::vector<ShownQuantity> clean = {{2, 230.0f}, {1, 40.0f}, {4, 8.0f},
                                              {5, 9.0f},   {6, 0.8f},  {7, 6.0f}};
    const std::vector<ShownQuantity> dead = {{2, 0.0f}, {1, 0.0f}, {4, 0.0f},
                                             {5, 0.0f}, {6, 0.0f}, {7, 0.0f}};
    const std::vector<ShownQuantity> fiveOnly(full.begin(), full.end() - 1);
    struct Case {
        const char* name;
        const std::vector<ShownQuantity>& shown;
        std::optional<double> thd;
    };
    const Case cases[] = {
        {"full row", full, 75.0},
        {"kVA from volts x amps", noKVA, 75.0},
        {"apparent below the fundamental", clean, 0.0},
        {"dead input", dead, std::nullopt},
        {"five quantities", fiveOnly, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<double> thd = RowDistortion(c.shown);
        ASSERT_EQ(thd.has_value(), c.thd.has_value()) << c.name;
        if (thd) {
            EXPECT_NEAR(*thd, *c.thd, 1e-3) << c.name;
        }
    }
}

TEST(RtCellColourTest, ByFlagAlarmAndFirmware) {
    const RtVariant S = RtVariant::Standard;
    const RtVariant L = RtVariant::Lite;
    const CellAlarm highAt100{.lowOn = false, .highOn = true, .low = 0, .high = 100};
    const CellAlarm lowAt10{.lowOn = true, .highOn = false, .low = 10, .high = 0};
    struct Case {
        const char* name;
        RtVariant variant;
        int kind;
        float value;
        bool recorded;
        std::optional<CellAlarm> alarm;
        int firmware;
        int typeCode;
        CellColour colour;
    };
    const Case cases[] = {
        {"standard recorded", S, 1, 500, true, highAt100, 200, 0, CellColour::Green},
        {"standard not recorded", S, 1, 500, false, highAt100, 200, 0, CellColour::Default},
        {"lite recorded", L, 1, 50, true, highAt100, 121, 1, CellColour::Green},
        {"lite not recorded", L, 1, 50, false, highAt100, 121, 1, CellColour::White},
        {"high alarm reached", L, 1, 100, true, highAt100, 121, 1, CellColour::Red},
        {"low alarm reached", L, 2, 10, false, lowAt10, 121, 1, CellColour::Red},
        {"alarm off", L, 2, 5, true, CellAlarm{}, 121, 1, CellColour::Green},
        {"old firmware", L, 1, 500, true, highAt100, 120, 1, CellColour::Green},
        {"temperature on firmware 96", L, 11, 150, false, highAt100, 96, 1, CellColour::Red},
        {"temperature on firmware 95", L, 11, 150, false, highAt100, 95, 1, CellColour::White},
        {"amps of type 4 on firmware 96", L, 1, 150, false, highAt100, 96, 4, CellColour::Red},
        {"kW compared in watts", L, 4, 0.1f, true, highAt100, 121, 13, CellColour::Red},
        {"kW below in watts", L, 4, 0.099f, true, highAt100, 121, 13, CellColour::Green},
        {"on/off by flag only", L, 8, 1, false, highAt100, 200, 1, CellColour::White},
        {"THD white", L, 21, 500, true, highAt100, 200, 13, CellColour::White},
        {"DC volts green", L, 3, 500, false, highAt100, 200, 1, CellColour::Green},
        {"analog alarm", L, 18, 4, true, lowAt10, 121, 14, CellColour::Red},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellColourFor(c.variant, c.kind, c.value, c.recorded, c.alarm, c.firmware, c.typeCode),
                  c.colour)
            << c.name;
    }
}

TEST(RtCellColourTest, TheSetupGivesTheRecordingFlagAndTheAlarmOfEachPowerQuantity) {
    CSetupTable setup;
    setup.GetHardwareChannel(1).SetPowerOptions(kQuantityKW, 1);
    CSUTAlarm& alarm = setup.GetHardwareAlarms(1).GetAlarm(kQuantityKW);
    alarm.SetHighAlarmOn(true);
    alarm.SetHighLimit(500);
    const CellSetup kW = CellSetupOf(&setup, 1, kKindKW);
    EXPECT_TRUE(kW.recorded);
    ASSERT_TRUE(kW.alarm);
    EXPECT_TRUE(kW.alarm->highOn);
    EXPECT_EQ(kW.alarm->high, 500);
    // 0.5 kW reaches 500 W on a logger that watches alarms.
    EXPECT_EQ(CellColourFor(RtVariant::Lite, kKindKW, 0.5f, kW.recorded, kW.alarm, 121, 1), CellColour::Red);

    const CellSetup kVA = CellSetupOf(&setup, 1, kKindKVA);
    EXPECT_FALSE(kVA.recorded);
    EXPECT_FALSE(kVA.alarm);
    EXPECT_TRUE(CellSetupOf(&setup, 5, kKindKW).recorded);  // beyond the hardware channels
    EXPECT_TRUE(CellSetupOf(&setup, 0, kKindVoltsDC).recorded);
    EXPECT_FALSE(CellSetupOf(nullptr, 0, kKindKW).recorded);
}

TEST_F(RtRulesTest, RowsAndRowNames) {
    struct Case {
        std::vector<int> types;
        int rows;
    };
    const Case cases[] = {{{0, 0, 0, 0, 0, 0}, 4}, {{1, 0, 0, 0, 1, 1}, 4}, {{1, 1, 0, 0, 1, 1}, 5},
                          {{1, 1, 1, 0}, 6},       {{1, 1, 1, 1, 1, 1}, 6}, {{}, 4}};
    for (const Case& c : cases) {
        EXPECT_EQ(GridRowCount(c.types), c.rows);
    }
    EXPECT_EQ(ChannelTypeName(3, ""), "+-5VDC");
    EXPECT_EQ(ChannelTypeName(16, "4-20 mA"), "4-20 mA");
    EXPECT_EQ(ChannelTypeName(6, ""), UpperCase(LoadText(IDS_RT_TYPE_CURRENT)));
    EXPECT_EQ(ChannelTypeName(0, ""), UpperCase(LoadText(IDS_RT_CHANNEL_OFF)));
    EXPECT_EQ(ChannelTypeName(12, ""), UpperCase(LoadText(IDS_RT_CHANNEL_OFF)));
}

TEST(RtSelectionRulesTest, OneTypePerSelectionAndItsChoices) {
    const ChannelTypes types = {1, 2, 1, 2, 0, 7};
    ChannelChecks checked{};
    EXPECT_EQ(EnabledChannels(types, checked), (ChannelChecks{true, true, true, true, false, true}));
    EXPECT_EQ(ChoicesFor(types, checked, 2).checked, -1);

    checked[1] = true;  // a temperature channel
    EXPECT_EQ(EnabledChannels(types, checked), (ChannelChecks{false, true, false, true, false, false}));
    ValueChoices choices = ChoicesFor(types, checked, 2);
    EXPECT_EQ(choices.checked, 6);
    EXPECT_EQ(std::count(choices.enabled.begin(), choices.enabled.end(), true), 1);

    checked = {};
    checked[2] = true;  // voltage and power: choices 0-5, volts... kW by default, the last choice kept
    choices = ChoicesFor(types, checked, -1);
    EXPECT_EQ(choices.checked, 2);
    EXPECT_EQ(choices.enabled, (std::array<bool, 10>{true, true, true, true, true, true}));
    EXPECT_EQ(ChoicesFor(types, checked, 4).checked, 4);
    EXPECT_EQ(ChoicesFor(types, checked, 9).checked, 2);

    const std::pair<int, int> typeChoice[] = {{5, 2}, {3, 8}, {4, 7}, {6, 1}, {8, 9}, {9, 9}};
    for (const auto& [type, choice] : typeChoice) {
        EXPECT_EQ(ChoicesFor({type}, {true}, -1).checked, choice) << type;
    }
    EXPECT_EQ(HiddenSelectionControls({1, 1, 0, 0, 0, 0}), std::vector<int>{IDC_SELECT_CHANNEL6});
    EXPECT_TRUE(HiddenSelectionControls({1, 1, 1, 0, 0, 0}).empty());
    EXPECT_TRUE(HiddenSelectionControls({1, 1, 1, 1, 0, 0}).empty());
    EXPECT_EQ(HiddenSelectionControls({1, 0, 0, 0, 0, 0}).size(), 3u);
    EXPECT_EQ(HiddenSelectionControls({1, 1, 1, 1, 1, 0}).size(), 3u);
}

TEST(WaveformScalingTest, ReverseOrderRangeWordAndFlat) {
    ConfigTable table;
    for (int i = 0; i < 4; ++i) {
        table.voltage[static_cast<std::size_t>(i)] = (i + 1) * 100;
        table.current[static_cast<std::size_t>(i)] = -(i + 1) * 10;
    }
    WaveformScales scales{.currentScalar = 0.5f,
                          .voltageScalar = 0.1f,
                          .rangeScalar = 3.0f,
                          .currentFactor = 2.0f,
                          .voltageFactor = 10.0f,
                          .rangeWord = 0,
                          .quarven = false,
                          .inReadOrder = true};
    WaveformCurves curves;
    ASSERT_EQ(ScaleWaveform(table, 4, scales, curves), 0);
    EXPECT_EQ(curves.volts, (std::vector<float>{100, 200, 300, 400}));  // the Standard's order
    scales.inReadOrder = false;
    ASSERT_EQ(ScaleWaveform(table, 4, scales, curves), 0);
    EXPECT_EQ(curves.volts, (std::vector<float>{400, 300, 200, 100}));  // sample 0 last
    EXPECT_EQ(curves.amps, (std::vector<float>{-40, -30, -20, -10}));
    EXPECT_FLOAT_EQ(curves.kW[0], 400 * -40 * 0.001f);
    EXPECT_EQ(curves.voltsMin, 0.0f);  // ranges include 0
    EXPECT_EQ(curves.ampsMax, 0.0f);

    scales.rangeWord = 5;  // only the Quarven reads its range word
    ASSERT_EQ(ScaleWaveform(table, 4, scales, curves), 0);
    EXPECT_EQ(curves.amps[3], -10.0f);
    scales.quarven = true;
    ASSERT_EQ(ScaleWaveform(table, 4, scales, curves), 0);
    EXPECT_FLOAT_EQ(curves.amps[3], -10 * 0.5f * 3.0f / 30000.0f);

    table.current = {};
    EXPECT_EQ(ScaleWaveform(table, 4, scales, curves), kWaveformFlat);
    EXPECT_EQ(ScaleWaveform(table, 500, scales, curves), kWaveformFlat);  // held to the table's 256
    EXPECT_EQ(curves.volts.size(), 256u);
}

TEST(WaveformScalingTest, LineFrequencyFromOneNominalCycle) {
    for (const auto& [count, nominal, actual] : {std::tuple(128, 60.0, 60.0), std::tuple(200, 60.0, 61.0),
                                                 std::tuple(240, 50.0, 50.0), std::tuple(256, 50.0, 49.5)}) {
        ConfigTable table;
        for (int i = 0; i < count; ++i) {
            table.voltage[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(
                16000 * std::sin(2 * std::numbers::pi * actual / nominal * i / count + 0.3));
        }
        CZeroCrossingHistory history;
        const std::optional<float> frequency = MeasureLineFrequency(table, count, nominal, history);
        ASSERT_TRUE(frequency) << count;
        EXPECT_NEAR(*frequency, actual, 0.1) << count;
    }
    CZeroCrossingHistory history;
    EXPECT_FALSE(MeasureLineFrequency(ConfigTable{}, 128, 60.0, history));
    const std::tuple<int, std::uint8_t, int> counts[] = {{0, 0x10, 256}, {1, 0, 128},     {2, 0x10, 128},
                                                         {5, 0, 256},    {13, 0x10, 240}, {14, 0x30, 240},
                                                         {13, 0x20, 200}};
    for (const auto& [typeCode, option, samples] : counts) {
        EXPECT_EQ(WaveformSampleCount(typeCode, option), samples) << typeCode;
    }
}

}  // namespace
