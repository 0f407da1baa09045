// The A/D counts a simulated logger gives for the DC sources a calibration applies: the counts reads of
// each family and the Ornat's real-time block.
#include "tools/loggersim/dc_inputs.h"

#include <gtest/gtest.h>

#include "tools/loggersim/logger_state.h"
#include "tools/loggersim/simulated_logger.h"

namespace {

// 500 V and 0.5 A, as the production bench applies them.
constexpr DcInputs kBench{.volts = 500, .ampSource = 0.5F};

TEST(DcInputsTest, EachFamilyTellsTheCountsOfItsInputsInItsOwnForm) {
    struct Case {
        const char* model;
        const char* command;
        const char* counts;
    };
    // 500 V / 0.425 V a count is 1176 counts (0x498), in sixteenths 18824; 0.5 A through 3.003 turns at
    // 0.000915 A a count is 26256 sixteenths.
    for (const Case& c :
         {Case{"ornat2", "F! B0 10", "26256\n18824"}, Case{"ornat1", "F! B0 10", "26256\n18824"},
          Case{"standard", "F! B0 10", "1176"}, Case{"nimbo-vdc", "@?", "498"}, Case{"nimbo-ma", "@?", "498"},
          Case{"nimbo-pvdc", "@?", "ADC:0498"}}) {
        SimulatedLogger logger(*FindLoggerModel(c.model));
        logger.ChangeState([](LoggerState& s) { ApplyDcInputs(s, kBench); });
        logger.Receive("\x10");
        EXPECT_EQ(logger.Receive(std::string(c.command) + "\r").bytes,
                  "\r\n" + std::string(c.counts) + "\r\n>")
            << c.model;
    }
}

TEST(DcInputsTest, NoSourceCountsZero) {
    SimulatedLogger logger(*FindLoggerModel("ornat2"));
    logger.Receive("\x10");
    EXPECT_EQ(logger.Receive("F! B0 10\r").bytes, "\r\n0\n0\r\n>");
}

TEST(DcInputsTest, TheOrnatRealTimeBlockCarriesTheCountsOnEveryHardwareChannel) {
    SimulatedLogger logger(*FindLoggerModel("ornat2"));
    logger.ChangeState([](LoggerState& s) { ApplyDcInputs(s, kBench); });
    const std::vector<std::uint8_t> block = logger.State().realTimeValues;
    for (std::size_t channel = 0; channel < 4; ++channel) {
        const std::size_t at = channel * 14;
        EXPECT_EQ(block[at] << 8 | block[at + 1], 18824) << channel;
        EXPECT_EQ(block[at + 2] << 8 | block[at + 3], 26256) << channel;
    }
}

}  // namespace
