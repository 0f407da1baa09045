// Real-time fetches end to end against the simulator: the battery and supply each family reports in its
// replies, and current values that move from one fetch to the next within their kinds' ranges.
#include <gtest/gtest.h>

#include <map>

#include "tests/shared/logger/logger_link_fixture.h"
#include "tools/loggersim/battery_state.h"

namespace {

using testsupport::Transport;

class RealTimeFetchTest : public testsupport::LoggerLinkFixture {
protected:
    // The session start and the real-time preparation; then `change` to the simulated logger.
    void Prepare(const char* model, const std::function<void(LoggerState&)>& change = {}) {
        ASSERT_TRUE(Start(model));
        ASSERT_EQ(Run([this] { return Object().PrepareRealTimeRead(); }), 1);
        if (change) {
            Logger().ChangeState(change);
        }
    }
    std::vector<RealTimeValue> Fetch() {
        EXPECT_EQ(Run([this] { return Object().ArmLogger(true); }), 1);
        return Object().GetRealTimeValues();
    }
};

TEST_P(RealTimeFetchTest, EachFamilyReportsItsBatteryAndSupplyInItsFetch) {
    constexpr float kByteVolts = 0.01517f;
    constexpr float kByteSupply = 0.0302f;
    const struct {
        const char* model;
        SimulatedBattery battery;
        BatteryReadings expected;
    } cases[] = {
        // The older standard firmware reads its supply floats by "I!16" in each fetch.
        {"standard",
         SimulatedBattery::Low,
         {.batteryVolts = 4.7f, .emptyLevel = 4.5f, .step = 0.02f, .code = -2}},
        {"standard",
         SimulatedBattery::ExternalPower,
         {.externalPower = true, .batteryVolts = 6.5f, .emptyLevel = 4.5f, .step = 0.02f}},
        // The snapshot carries the battery voltage; empty level and step came with the preparation.
        {"standard-135",
         SimulatedBattery::Empty,
         {.batteryVolts = 4.4f, .emptyLevel = 4.5f, .step = 0.02f, .code = -3}},
        {"ornat1",
         SimulatedBattery::Weak,
         {.batteryVolts = 218 * kByteVolts, .supplyVolts = 150 * kByteSupply, .code = -1}},
        {"ornat2",
         SimulatedBattery::ExternalPower,
         {.externalPower = true, .batteryVolts = 237 * kByteVolts, .supplyVolts = 200 * kByteSupply}},
        {"nimbo-combo2",
         SimulatedBattery::Empty,
         {.batteryVolts = 191 * kByteVolts, .supplyVolts = 150 * kByteSupply, .code = -3}},
        {"nimbo-pulse",
         SimulatedBattery::Good,
         {.batteryVolts = 237 * kByteVolts, .supplyVolts = 150 * kByteSupply}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        // Prepared with a good battery: what shows is the fetch's.
        Prepare(c.model, [&c](LoggerState& s) { SetBattery(s, c.battery); });
        Fetch();
        const BatteryReadings read = Object().GetBatteryReadings();
        EXPECT_EQ(read.externalPower, c.expected.externalPower);
        EXPECT_EQ(read.code, c.expected.code);
        EXPECT_NEAR(read.batteryVolts, c.expected.batteryVolts, 1e-5);
        EXPECT_NEAR(read.emptyLevel, c.expected.emptyLevel, 1e-5);
        EXPECT_NEAR(read.step, c.expected.step, 1e-5);
        EXPECT_NEAR(read.supplyVolts, c.expected.supplyVolts, 1e-5);
    }
}

TEST_P(RealTimeFetchTest, EveryModelsValuesMoveFromFetchToFetchWithinTheirRanges) {
    // Plausible readings of the simulated logger by unit code.
    const std::map<int, std::pair<float, float>> ranges = {{2, {220, 240}}, {1, {50, 150}}, {4, {10, 35}},
                                                           {5, {10, 35}},   {6, {0.9f, 1}}, {7, {2, 15}},
                                                           {11, {18, 24}},  {8, {0, 1e6f}}, {0, {30, 70}}};
    for (const char* model : {"standard", "standard-135", "ornat1", "ornat2", "nimbo-combo2", "nimbo-current",
                              "quarven-rs", "quarven-kx"}) {
        SCOPED_TRACE(model);
        Prepare(model);
        const std::vector<RealTimeValue> first = Fetch();
        const std::vector<RealTimeValue> second = Fetch();
        ASSERT_EQ(first.size(), second.size());
        bool moved = false;
        int measured = 0;
        for (std::size_t i = 0; i < first.size(); ++i) {
            moved = moved || first[i].value != second[i].value;
            for (const RealTimeValue& value : {first[i], second[i]}) {
                if (value.kind != 1) {
                    continue;
                }
                ++measured;
                ASSERT_TRUE(ranges.count(value.unit)) << "unit " << value.unit;
                const auto [low, high] = ranges.at(value.unit);
                EXPECT_GE(value.value, low) << "channel " << value.channel << " unit " << value.unit;
                EXPECT_LE(value.value, high) << "channel " << value.channel << " unit " << value.unit;
            }
        }
        EXPECT_TRUE(moved);
        EXPECT_GE(measured, 4);  // a power channel's quantities at least, in each fetch
    }
}

TEST_P(RealTimeFetchTest, AlarmsCrossedReadBeyondTheirLimitsEveryOtherFetch) {
    for (const char* model : {"ornat1", "standard", "quarven-rs"}) {
        SCOPED_TRACE(model);
        ASSERT_TRUE(Start(model));
        Logger().ChangeState([](LoggerState& s) {
            CSetupTable setup = s.setups.at(1);
            CSUTAlarm& volts = setup.GetHardwareAlarms(0).GetAlarm(kQuantityVoltage);
            volts.SetHighAlarmOn(true);
            volts.SetHighLimit(240.0f);
            CSUTAlarm& kW = setup.GetHardwareAlarms(0).GetAlarm(kQuantityKW);
            kW.SetLowAlarmOn(true);
            kW.SetLowLimit(10000.0f);  // watts
            InstallSetup(s, 1, setup);
            s.alarmsCrossed = true;
        });
        ASSERT_EQ(Run([this] { return Object().PrepareRealTimeRead(); }), 1);
        int crossed = 0;
        for (int fetch = 0; fetch < 2; ++fetch) {
            const std::vector<RealTimeValue> values = Fetch();
            ASSERT_GE(values.size(), 3u);
            // Channel 1: volts, amps, kW first.
            const bool beyond = values[0].value >= 240.0f;
            EXPECT_EQ(values[2].value <= 10.0f, beyond)
                << values[0].value << " V " << values[2].value << " kW";
            crossed += beyond ? 1 : 0;
        }
        EXPECT_EQ(crossed, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Links, RealTimeFetchTest, ::testing::Values(Transport::Pty),
                         testsupport::TransportName);

}  // namespace
