// The production calibration's arithmetic and its record file: scalar ranges, counts replies, the
// golden header and record lines, and appending under the lock.
#include "kivo32/tools/calibration_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/temp_folder.h"

namespace {

TEST(CalibrationRecordTest, ScalarRangesIncludeTheirEndsInSinglePrecision) {
    struct Case {
        float scalar;
        bool inRange;
    };
    for (const Case& c : {Case{0.42F, true}, Case{0.43F, true}, Case{0.4301F, false}, Case{0.4199F, false}}) {
        EXPECT_EQ(VoltScalarInRange(c.scalar), c.inRange) << c.scalar;
    }
    for (const Case& c :
         {Case{0.00091F, true}, Case{0.00092F, true}, Case{0.000921F, false}, Case{0.0009F, false}}) {
        EXPECT_EQ(AmpScalarInRange(c.scalar), c.inRange) << c.scalar;
    }
}

TEST(CalibrationRecordTest, CountsRepliesAndMeasuredValues) {
    EXPECT_EQ(VoltCountsFrom("  1163\r\n", 5), 1163);
    EXPECT_EQ(VoltCountsFrom("AD 99\n  V=18600\r\n", 1), 18600);  // the second line on type codes 1, 2
    EXPECT_EQ(VoltCountsFrom("18600", 2), std::nullopt);
    EXPECT_EQ(VoltCountsFrom("ERROR", 5), std::nullopt);
    EXPECT_EQ(AmpCountsFrom("1632\r\n"), 1632);
    EXPECT_EQ(AmpCountsFrom(""), std::nullopt);

    EXPECT_FLOAT_EQ(MeasuredVolts(1000, 0.5F, 5), 500.0F);
    EXPECT_FLOAT_EQ(MeasuredVolts(16000, 0.5F, 1), 500.0F);
    EXPECT_FLOAT_EQ(MeasuredAmps(1000, 0.001F, 5), 100.0F);
    EXPECT_FLOAT_EQ(MeasuredAmps(16000, 0.001F, 2), 100.0F);
    EXPECT_FLOAT_EQ(ReferenceAmps(0.5F), 150.15F);
    EXPECT_NEAR(PercentError(99.0F, 100.0F), 1.0F, 1e-5);
}

TEST(CalibrationRecordTest, ScalarsMeetTheReferencesOrTheRunStopsBeforeComputing) {
    const ScalarCalibration done = CalibrateScalars(1000, 2000, 425.0F, 0.5F, 0.5F, 0.001F, 5);
    EXPECT_EQ(done.stop, CalibrationStop::kNone);
    EXPECT_FLOAT_EQ(done.voltScalar, 0.425F);
    EXPECT_FLOAT_EQ(done.measuredVolts, 425.0F);
    EXPECT_FLOAT_EQ(done.ampScalar, 0.00075075F);
    EXPECT_FLOAT_EQ(done.measuredAmps, ReferenceAmps(0.5F));

    struct Case {
        std::optional<int> volts, amps;
        CalibrationStop stop;
    };
    for (const Case& c :
         {Case{std::nullopt, 2000, CalibrationStop::kCountsUnread},
          Case{1000, std::nullopt, CalibrationStop::kCountsUnread},
          Case{0, 2000, CalibrationStop::kNoVoltInput}, Case{1000, 0, CalibrationStop::kNoAmpInput}}) {
        const ScalarCalibration stopped = CalibrateScalars(c.volts, c.amps, 425.0F, 0.5F, 0.5F, 0.001F, 5);
        EXPECT_EQ(stopped.stop, c.stop);
        EXPECT_EQ(stopped.voltScalar, 0.0F);
        EXPECT_EQ(stopped.ampScalar, 0.0F);
    }
}

TEST(CalibrationRecordTest, PhaseLnTakesRecordChannelNMinusOneAndTheFourthInputFromChannel3) {
    const std::vector<RealTimeValue> reading = {{.channel = 0, .kind = 1, .value = 150.1F, .unit = 1},
                                                {.channel = 0, .kind = 1, .value = 500.5F, .unit = 2},
                                                {.channel = 1, .kind = 1, .value = 150.2F, .unit = 1},
                                                {.channel = 1, .kind = 1, .value = 499.5F, .unit = 2},
                                                {.channel = 2, .kind = 1, .value = 150.3F, .unit = 1},
                                                {.channel = 3, .kind = 1, .value = 150.0F, .unit = 1}};
    struct Case {
        int phase;
        float amps, volts;
    };
    for (const Case& c : {Case{1, 150.1F, 500.5F}, Case{2, 150.2F, 499.5F}}) {
        const PhaseValues values = ValuesOfPhase(reading, c.phase);
        EXPECT_EQ(values.amps, c.amps) << c.phase;
        EXPECT_EQ(values.volts, c.volts) << c.phase;
        EXPECT_EQ(values.fourthAmps, 150.0F) << c.phase;
    }
    // L3 has no voltage in this reading: nothing is made up for it.
    const PhaseValues third = ValuesOfPhase(reading, 3);
    EXPECT_EQ(third.amps, 150.3F);
    EXPECT_EQ(third.volts, std::nullopt);
}

CalibrationRecord SampleRecord() {
    CalibrationRecord r;
    r.storedAt.tm_year = 2026 - 1900;
    r.storedAt.tm_mon = 2;
    r.storedAt.tm_mday = 7;
    r.storedAt.tm_hour = 9;
    r.storedAt.tm_min = 5;
    r.storedAt.tm_sec = 3;
    r.serialNumber = "1234";
    r.id = "PLANT\t7";
    r.typeName = "Ornat 3 Phase";
    r.description = "Line A\r\nfeeder";
    r.baud = "9600";
    r.modemChoice = 2;
    r.memoryChoice = 0;
    r.logState = "Off";
    r.ampScalar = 0.00091532F;
    r.referenceAmps = 150.15F;
    r.amps = {150.1F, 150.2F, 150.15F, 150.0F};
    r.ampErrors = {-0.03F, 0.03F, 0.0F, -0.1F};
    r.voltScalar = 0.4253F;
    r.voltSource = 500.0F;
    r.volts = {500.5F, 499.5F, 500.0F};
    r.voltErrors = {0.1F, -0.1F, 0.0F};
    r.technician = "abcd";
    r.comment = std::string(85, 'x');
    return r;
}

TEST(CalibrationRecordTest, HeaderAndRecordAreGoldenAndKeepThirtyColumns) {
    EXPECT_EQ(
        CalibrationHeaderLine(),
        "Date\tTime\tSerial_Num\tID\tLogger_Type\tDescription\tBaud\tModem\tMemory\tLog\tAmp_Scalar\tL1_"
        "Aref\t"
        "L1_Ameas\tL1_AErr\tL2_Ameas\tL2_AErr\tL3_Ameas\tL3_AErr\tL4_Ameas\tL4_AErr\tVlt_Scalar\tL1_Vref\t"
        "L1_Vmeas\tL1_VErr\tL2_Vmeas\tL2_VErr\tL3_Vmeas\tL3_VErr\tTechnician\tComment_Field");
    const std::string line = CalibrationRecordLine(SampleRecord());
    EXPECT_EQ(line,
              "03/07/26\t09:05:03\t 1234\t   PLANT7\t       Ornat 3 Phase\t         Line Afeeder\t "
              "9600\t9600\t128K\t"
              "Off\t0.00091532\t150.15\t150.10\t-0.03\t150.20\t0.03\t150.15\t0.00\t150.00\t-0.10\t0."
              "42530000\t500.00\t"
              "500.50\t0.10\t499.50\t-0.10\t500.00\t0.00\tabc\t" +
                  std::string(80, 'x'));
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 29);

    CalibrationRecord unchecked = SampleRecord();
    unchecked.modemChoice = -1;
    unchecked.memoryChoice = -1;
    unchecked.comment = "ok";
    const std::string uncheckedLine = CalibrationRecordLine(unchecked);
    EXPECT_NE(uncheckedLine.find("\t 9600\t    \t    \tOff\t"), std::string::npos) << uncheckedLine;
    EXPECT_EQ(uncheckedLine.substr(uncheckedLine.size() - 80), std::string(78, ' ') + "ok");
}

TEST(CalibrationRecordTest, AppendingWritesTheHeaderOnlyIntoANewFile) {
    testsupport::TempFolder dir;
    const std::filesystem::path path = dir.path() / kCalibrationFileName;
    ASSERT_TRUE(AppendCalibrationLine(path, "first"));
    ASSERT_TRUE(AppendCalibrationLine(path, "second"));
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, CalibrationHeaderLine() + "\r\nfirst\r\nsecond\r\n");

    EXPECT_FALSE(AppendCalibrationLine(dir.path() / "missing" / kCalibrationFileName, "lost"));
}

}  // namespace
