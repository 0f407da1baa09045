// The calibration arithmetic, the model text and the I/O configuration bits of the scalar and
// logger-ID windows.
#include <gtest/gtest.h>

#include <cmath>

#include "kivo32/setuprules/logger_id_rules.h"
#include "kivo32/setuprules/scalar_calibration.h"

namespace {

using namespace scalar_calibration;

TEST(ScalarCalibrationTest, QuarvenReferenceAgainstHalfAnAmpere) {
    const double expected = ExpectedCurrentReading(13, 0.5, 100.0);
    EXPECT_NEAR(expected, 150.15, 0.005);
    const std::optional<double> error = CurrentErrorPercent(expected, 150.0);
    ASSERT_TRUE(error);
    EXPECT_NEAR(*error, -0.1, 0.0005);
    // The range plays no part for the reference.
    EXPECT_EQ(ExpectedCurrentReading(14, 0.5, 1.0), expected);
}

TEST(ScalarCalibrationTest, MemoryModelsCountTheRangeAndTypesOneAndTwoInSixteenths) {
    EXPECT_NEAR(ExpectedCurrentReading(3, 0.5, 100.0), 150.15, 1e-9);
    struct Case {
        int typeCode;
        double expected;
    };
    for (const Case& c : {Case{1, 100 * 0.5 * 10 * 0.0625}, Case{2, 100 * 0.5 * 10 * 0.0625},
                          Case{3, 100 * 0.5 * 10}, Case{12, 100 * 0.5 * 10}}) {
        EXPECT_DOUBLE_EQ(ReadingFromCounts(c.typeCode, 100, 0.5, 10), c.expected) << c.typeCode;
    }
}

TEST(ScalarCalibrationTest, CountTexts) {
    EXPECT_EQ(CurrentCounts("  1234 5678"), 1234);
    EXPECT_EQ(CurrentCounts("\t-7"), -7);
    EXPECT_EQ(CurrentCounts("abc"), std::nullopt);
    EXPECT_EQ(CurrentCounts(""), std::nullopt);
    struct Case {
        const char* text;
        int typeCode;
        std::optional<long> counts;
    };
    const Case cases[] = {
        {"111\n V=2222\r\n", 1, 2222},  // after the first line feed for types 1 and 2
        {"111\n V=2222\r\n", 2, 2222}, {"111\n V=2222\r\n", 3, 111},  // the others from the start
        {"V: 4321", 5, 4321},          {"111 no line feed", 1, std::nullopt}, {"no digits", 4, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VoltageCounts(c.text, c.typeCode), c.counts) << c.text << " type " << c.typeCode;
    }
}

TEST(ScalarCalibrationTest, NoInputIsRefused) {
    for (const double measured : {0.0, -0.5, -150.0, std::nan("")}) {
        EXPECT_FALSE(CurrentErrorPercent(150.0, measured)) << measured;
    }
    for (const double measured : {0.0, 0.099, -230.0}) {
        EXPECT_FALSE(VoltageErrorPercent(230.0, measured)) << measured;
    }
    EXPECT_TRUE(CurrentErrorPercent(150.0, 0.001));
    EXPECT_NEAR(*VoltageErrorPercent(230.0, 230.0 / 1.01), -1.0, 1e-9);
}

TEST(ScalarCalibrationTest, CalibrationBringsTheReadingToTheExpectedOne) {
    const Calibrated reference = Calibrate(150.15, 150.0, 0.98);
    EXPECT_NEAR(reference.scalar, 0.98 * 1.001, 1e-9);
    EXPECT_NEAR(reference.measured, 150.15, 1e-9);
    // Counts read again with the new scalar give the same reading.
    const double before = ReadingFromCounts(1, 2400, 1.0, 100);
    const Calibrated counted = Calibrate(150.15, before, 1.0);
    EXPECT_NEAR(ReadingFromCounts(1, 2400, counted.scalar, 100), counted.measured, 1e-9);
    EXPECT_EQ(Calibrate(150.0, 10.0, 0.0).measured, 0.0);
}

TEST(LoggerIdRulesTest, ModelTextCompletion) {
    struct Case {
        const char* model;
        bool variant;
        const char* completed;
    };
    const Case cases[] = {
        {"DT", true, "DT0B"},   {"DT", false, "DT00"},  {"DTX", true, "DTXB"},
        {"DTX", false, "DTX0"}, {"DTX0", true, "DTX0"}, {"D", true, "D"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(logger_id_rules::CompleteModelText(c.model, c.variant), c.completed) << c.model;
    }
}

TEST(LoggerIdRulesTest, ModelKeyAndVariant) {
    EXPECT_EQ(logger_id_rules::ModelKey("DT0B"), "DT");
    EXPECT_EQ(logger_id_rules::ModelKey("DTXB"), "DTX");
    EXPECT_EQ(logger_id_rules::ModelKey("DTXYZ"), "DTXY");
    EXPECT_TRUE(logger_id_rules::IsVariantModel("DT0B"));
    EXPECT_FALSE(logger_id_rules::IsVariantModel("DT00"));
    EXPECT_FALSE(logger_id_rules::IsVariantModel("DTB"));
    EXPECT_EQ(logger_id_rules::LoggerIdLimit(12), 5U);
    EXPECT_EQ(logger_id_rules::LoggerIdLimit(13), 32U);
}

TEST(LoggerIdRulesTest, IoConfigurationKeepsTheBitsAboveTheSwitches) {
    struct Case {
        int read;
        int switches;
        int shown;
        int written;
    };
    const Case cases[] = {
        {127, 127, 127, 127},
        {128, 0, 0, 128},
        {128 + 5, 1, 5, 129},
        {0, 64 + 16, 0, 80},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(logger_id_rules::ShownIoConfig(c.read), c.shown) << c.read;
        EXPECT_EQ(logger_id_rules::IoConfigToWrite(c.read, c.switches), c.written) << c.read;
    }
}

}  // namespace
