// The model classes without a link: creation by type code, setup summaries, scalars, firmware-dependent
// flags, header words, channel block sizes and the decoders fed from block data.
#include <gtest/gtest.h>

#include <cstring>

#include "shared/link/connection_direct.h"
#include "shared/logger/create_data_logger.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/real_time_decode.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class DataLoggerModelTest : public ::testing::Test {
protected:
    std::unique_ptr<CDataLogger> Make(int type, int firmware) {
        session_.SetFirmwareVersion(firmware);
        return CreateDataLogger(&link_, type);
    }

    testsupport::FakeAppContext app_;
    testsupport::LinkTestSession session_;
    // Never opened: the objects here only learn their session and application from it.
    CConnectionDirect link_{{&session_, &app_}, "", 19200};
};

TEST_F(DataLoggerModelTest, ObjectsByTypeCode) {
    for (int type = -1; type <= 15; ++type) {
        SCOPED_TRACE(type);
        const bool served = (type >= 0 && type <= 10) || type == 13 || type == 14;
        const auto logger = Make(type, 150);
        EXPECT_EQ(logger != nullptr, served);
        if (logger) {
            const bool standard = type == 0;
            EXPECT_NE(logger->GetSUTInfo(standard ? 6 : 1), nullptr);
            EXPECT_EQ(logger->GetSUTInfo(standard ? 7 : 2), nullptr);
            EXPECT_EQ(logger->GetSUTInfo(-1), nullptr);
        }
    }
}

TEST_F(DataLoggerModelTest, ScalarsTheModelKeeps) {
    struct Case {
        int type;
        float a, v, r;
    };
    const Case cases[] = {{0, 0, 0, 0}, {1, 1, 2, 3}, {5, 1, 2, 0}, {13, 1, 2, 3}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.type);
        const auto logger = Make(test.type, 150);
        logger->SetOptionWord(0x55);
        logger->SetAScalar(1);
        logger->SetVScalar(2);
        logger->SetRScalar(3);
        EXPECT_EQ(logger->GetAScalar(), test.a);
        EXPECT_EQ(logger->GetVScalar(), test.v);
        EXPECT_EQ(logger->GetRScalar(), test.r);
        EXPECT_EQ(logger->GetOptionWord(), 0x55);  // a Nimbo's R scalar does not land in it
    }
}

TEST_F(DataLoggerModelTest, BlocksTheFirmwareHas) {
    struct Case {
        int type, firmware;
        bool alarms, extended;
    };
    const Case cases[] = {{1, 120, false, true}, {1, 121, true, true}, {2, 51, false, false},
                          {4, 95, false, false}, {4, 96, true, false}, {4, 149, true, true},
                          {0, 300, false, false}, {13, 334, false, true}};
    for (const Case& test : cases) {
        SCOPED_TRACE(std::to_string(test.type) + "/" + std::to_string(test.firmware));
        const auto logger = Make(test.type, test.firmware);
        EXPECT_EQ(logger->HasAlarmBlock(), test.alarms);
        EXPECT_EQ(logger->HasExtendedSetup(), test.extended);
    }
}

TEST_F(DataLoggerModelTest, HeaderWordsByModel) {
    const std::uint16_t words[] = {0x0100, 0x0200, 0x0300, 0x0400, 0x0500, 0x0600, 0x0700, 0x0800};
    struct Case {
        int type, firmware, count;
        std::uint16_t active, working, word3;
    };
    const Case cases[] = {{1, 115, 8, 0x0100, 0x0300, 0x07FD}, {1, 114, 7, 0x0100, 0x0300, 0},
                          {5, 100, 8, 0x0100, 0x0300, 0x07FD}, {13, 334, 8, 0x0100, 0x0300, 0x07FD},
                          {0, 115, 7, 0x0100, 0x0300, 0}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.type);
        const auto logger = Make(test.type, test.firmware);
        logger->DecodeHeaderRecord(std::span(words, static_cast<std::size_t>(test.count)));
        EXPECT_EQ(logger->GetSUTInfo(1)->blockAddress, test.active);
        EXPECT_EQ(logger->GetSUTInfo(0)->blockAddress, test.working);
        EXPECT_EQ(logger->GetHeaderWord(0), 0x0600);
        EXPECT_EQ(logger->GetHeaderWord(1), 0x0700);
        EXPECT_EQ(logger->GetHeaderWord(2), test.word3);
    }
    EXPECT_EQ(Make(0, 115)->GetSUTInfo(2)->blockAddress, 0);
    const auto standard = Make(0, 115);
    standard->DecodeHeaderRecord(words);
    EXPECT_EQ(standard->GetSUTInfo(2)->blockAddress, 0x0200);
}

TEST_F(DataLoggerModelTest, ChannelBlockSizes) {
    const auto standard = Make(0, 115);
    CSUTInfo& info = *standard->GetSUTInfo(1);
    const std::pair<int, int> cases[] = {{0, 0}, {2, 78}, {4, 156}, {5, 164}, {6, 172}};
    for (const auto& [channels, size] : cases) {
        SCOPED_TRACE(channels);
        info.channelTypes = {};
        std::fill_n(info.channelTypes.begin(), channels, std::uint8_t{1});
        EXPECT_EQ(standard->GetChannelBlockSize(1), size);
    }
    EXPECT_EQ(standard->GetChannelBlockSize(3), 204);
    EXPECT_EQ(Make(13, 334)->GetChannelBlockSize(1), 204);
}

TEST_F(DataLoggerModelTest, SetupHeaderOfEachLength) {
    for (const int type : {0, 13, 14}) {
        SCOPED_TRACE(type);
        const auto logger = Make(type, 334);
        const std::size_t n = type < 13 ? 21 : 33;
        const std::size_t t = type == 13 ? 8 : type == 14 ? 10 : 6;
        Bytes header(2 + n + t + 29, 0);
        header[0] = 0x12;
        header[1] = 0x34;
        std::memcpy(header.data() + 2, "Boiler setup", 12);
        header[2 + n] = 1;
        header[2 + n + t] = 0x4A;  // interval byte
        header[3 + n + t] = 0xB0;
        const std::size_t tail = header.size() - 9;
        const std::uint8_t addresses[] = {0x03, 0x3F, 0xFF, 0x01, 0x00, 0x00, 0x01, 0x01, 0x00};
        std::copy(std::begin(addresses), std::end(addresses), header.begin() + static_cast<std::ptrdiff_t>(tail));
        int length = 0;
        ASSERT_EQ(logger->DecodeSetupHeader(1, header, length), 1);
        EXPECT_EQ(length, static_cast<int>(header.size()));
        const CSUTInfo& info = *logger->GetSUTInfo(1);
        EXPECT_EQ(info.firstHeaderWord, 0x1234);
        EXPECT_EQ(info.setupName, "Boiler setup");
        EXPECT_EQ(info.channelTypes[0], 1);
        EXPECT_EQ(info.loggerInterval, 0x4A);
        EXPECT_EQ(info.optionByte, 0xB0);
        EXPECT_EQ(info.summaryAddress, 0x010100u);
        EXPECT_EQ(logger->GetMemoryEnd(), type < 13 ? 0xFFFFu : 0u);
        EXPECT_EQ(logger->GetMemoryStart(), type < 13 ? 0x4000u : 0u);
        header.pop_back();
        EXPECT_EQ(logger->DecodeSetupHeader(1, header, length), 0);
    }
}

TEST_F(DataLoggerModelTest, LabelsAndNotesNeedTheirWholeBlock) {
    const auto logger = Make(1, 121);
    CSUTInfo& info = *logger->GetSUTInfo(1);
    info.channelTypes[0] = 1;
    info.channelTypes[4] = 5;
    Bytes labels(5 * 21, 0);
    std::memcpy(labels.data(), "Main", 4);
    std::memcpy(labels.data() + 4 * 21, "Total", 5);
    ASSERT_EQ(logger->DecodeChannelLabels(1, labels), 1);
    EXPECT_EQ(info.setupTable->GetHardwareChannel(0).GetName(), "Main");
    EXPECT_EQ(info.setupTable->GetSoftwareChannel(0).GetName(), "Total");
    labels.pop_back();
    EXPECT_EQ(logger->DecodeChannelLabels(1, labels), 0);
    EXPECT_EQ(logger->DecodeChannelNotes(1, Bytes(5 * 81 - 1, 0)), 0);
    EXPECT_EQ(logger->DecodeChannelNotes(1, Bytes(5 * 81, 'x')), 1);
}

// Raw values of the real-time replies, made by hand.
void PutBigFloat(Bytes& bytes, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
}

void PutLittleFloat(Bytes& bytes, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    for (int shift = 0; shift <= 24; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
}

CSUTInfo ActiveSetup(int model, std::initializer_list<std::pair<int, int>> channels) {
    CSUTInfo info;
    info.setupTable = std::make_unique<CSetupTable>();
    info.setupTable->GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    for (const auto& [slot, type] : channels) {
        info.channelTypes[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(type);
        if (slot < 4) {
            CSUTChannelHardware& channel = info.setupTable->GetHardwareChannel(slot);
            channel.SetType(static_cast<std::uint8_t>(type));
            channel.SetPTRatio(2.0f);
            channel.SetCTSize(4.0f);
            channel.SetScaleValue1(2.0f);
            channel.SetScaleValue2(1.0f);
            channel.SetTemperatureUnit(3);
        }
    }
    return info;
}

TEST(RealTimeDecodeTest, StandardFloatsByChannelType) {
    const CSUTInfo active = ActiveSetup(0, {{0, 1}, {1, 2}, {2, 4}});
    Bytes values;
    for (const float f : {230.0f, 5.0f, -0.0005f, 1.0f, 0.9f, -0.005f}) {
        PutBigFloat(values, f);
    }
    for (const float f : {-0.05f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}) {
        PutBigFloat(values, f);
    }
    for (const float f : {0.0f, 42.0f, 0.0f, 0.0f, 0.0f, 0.0f}) {
        PutBigFloat(values, f);
    }
    std::vector<RealTimeValue> table(9);
    ASSERT_TRUE(DecodeStandardRealTime(values, active, table));
    const std::vector<std::pair<float, int>> expected = {{230, 2}, {5, 1},   {0, 4}, {1, 5}, {0.9f, 6},
                                                         {-0.005f, 7}, {0, 13}, {42, 8}, {0, 0}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(table[i].value, expected[i].first);
        EXPECT_EQ(table[i].unit, expected[i].second);
    }
    EXPECT_FALSE(DecodeStandardRealTime(Bytes(values.begin(), values.end() - 1), active, table));
}

TEST(RealTimeDecodeTest, OrnatIntegersScaledByScalarsAndFactors) {
    const CSUTInfo active = ActiveSetup(1, {{0, 1}});
    Bytes values = {0x00, 0x10, 0xFF, 0xF0, 0x00, 0x03, 0xE8, 0x00, 0x07, 0xD0, 0x5A, 0xFF, 0xFF, 0xFF};
    values.resize(4 * 14 + 2 * 21);
    std::vector<RealTimeValue> table(7);
    ASSERT_TRUE(DecodeOrnatRealTime(values, active, {0.5f, 2.0f}, table));
    // V 16 x 2 x 0.0625 x 2, I -16 x 0.5 x 0.0625 x 4, kW 1000 x (2 x 0.5 x 2 x 4 x 0.001)...
    const float expected[] = {4.0f, -2.0f, 8.0f, 16.0f, 0.9f, -0.008f};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(table[static_cast<std::size_t>(i)].value, expected[i]);
    }
    EXPECT_FALSE(DecodeOrnatRealTime(Bytes(97, 0), active, {0.5f, 2.0f}, table));
}

TEST(RealTimeDecodeTest, NimboRawValuesByChannelType) {
    const CSUTInfo active = ActiveSetup(3, {{0, 2}, {1, 6}, {2, 4}, {3, 8}});
    // Channels 5 and 6 are off, and an off channel still takes its raw value.
    const Bytes values = {0x03, 0xE8, 0x00, 0x10, 0xFF, 0xFE, 0x00, 0x0A, 0, 0, 0, 0};
    std::vector<RealTimeValue> table(5);
    ASSERT_TRUE(DecodeNimboRealTime(values, active, {0.5f, 2.0f}, table));
    // 1000 x 2 x 0.01 = 20 C, in Kelvin 293.15, x 2 + 1; 16 x 0.5 x 0.0625 x 4; a count; 10 x 2 x 2 + 1.
    EXPECT_FLOAT_EQ(table[0].value, 587.3f);
    EXPECT_EQ(table[0].unit, 13);
    EXPECT_FLOAT_EQ(table[1].value, 2.0f);
    EXPECT_EQ(table[1].unit, 1);
    EXPECT_FLOAT_EQ(table[2].value, 65534.0f);
    EXPECT_EQ(table[2].unit, 8);
    EXPECT_FLOAT_EQ(table[3].value, 41.0f);
    EXPECT_EQ(table[3].unit, 18);
    EXPECT_EQ(table[4].channel, 4);  // left over: channel number and zeros
    EXPECT_EQ(table[4].kind, 0);
    EXPECT_FALSE(DecodeNimboRealTime(Bytes(11, 0), active, {0.5f, 2.0f}, table));
}

TEST(RealTimeDecodeTest, QuarvenFloatsOfPowerAndAnalogChannels) {
    const CSUTInfo active = ActiveSetup(14, {{0, 1}, {6, 15}});
    Bytes values;
    for (const float f : {230.0f, 5.0f, 1000.0f, 2000.0f, 99.0f, 0.95f, 500.0f}) {
        PutLittleFloat(values, f);
    }
    values.resize(6 * 28);
    PutLittleFloat(values, 12.5f);
    values.resize(values.size() + 3 * 4);
    std::vector<RealTimeValue> table(8);
    ASSERT_TRUE(DecodeQuarvenRealTime(values, active, 14, table));
    const float expected[] = {230.0f, 5.0f, 1.0f, 2.0f, 0.95f, 0.5f, 12.5f};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(table[static_cast<std::size_t>(i)].value, expected[i]);
    }
    EXPECT_EQ(table[6].channel, 6);
    EXPECT_FALSE(DecodeQuarvenRealTime(Bytes(6 * 28 + 15, 0), active, 14, table));
}

}  // namespace
