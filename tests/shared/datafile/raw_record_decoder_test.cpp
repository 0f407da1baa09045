// The download decoders of every logger generation: stamps, scaling, the bytes of every column, the
// sub-minute repair and the bookkeeping of the last stamp.
#include "shared/datafile/raw_record_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/base/local_time.h"
#include "shared/datafile/conversion_context.h"
#include "shared/datafile/raw_field_widths.h"
#include "shared/setup/file_header.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/temp_folder.h"
#include "tests/support/time_zone.h"

namespace datafiletest {
namespace {

using platform::ByteOrder;

// The fields of a raw record in the order a decoder reads them; the logger keeps them back to front.
class RawRecordBuilder {
public:
    RawRecordBuilder& U8(std::uint8_t value) { return Put(value, 1); }
    RawRecordBuilder& S8(std::int8_t value) { return Put(static_cast<std::uint8_t>(value), 1); }
    RawRecordBuilder& U16(std::uint16_t value) { return Put(value, 2); }
    RawRecordBuilder& U24(std::uint32_t value) { return Put(value, 3); }
    RawRecordBuilder& S24(std::int32_t value) { return Put(static_cast<std::uint32_t>(value), 3); }
    RawRecordBuilder& S32(std::int32_t value) { return Put(static_cast<std::uint32_t>(value), 4); }
    // Least significant byte first, as the newest generation gives its stamps and floats.
    RawRecordBuilder& LittleU32(std::uint32_t value) {
        writer_.set_order(ByteOrder::Little);
        writer_.U32(value);
        writer_.set_order(ByteOrder::Big);
        return *this;
    }
    RawRecordBuilder& LittleFloat(float value) {
        writer_.set_order(ByteOrder::Little);
        writer_.F32(value);
        writer_.set_order(ByteOrder::Big);
        return *this;
    }
    RawRecordBuilder& BigFloat(float value) {
        writer_.F32(value);
        return *this;
    }

    // The raw record of `size` bytes: the fields, zeros after them, all reversed.
    Bytes Build(std::size_t size) const {
        Bytes raw = read_order_;
        raw.resize(std::max(size, raw.size()), 0);
        std::reverse(raw.begin(), raw.end());
        return raw;
    }

private:
    RawRecordBuilder& Put(std::uint32_t value, int bytes) {
        for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
            writer_.U8(static_cast<std::uint8_t>(value >> shift));
        }
        return *this;
    }

    Bytes read_order_;
    platform::ByteWriter writer_{read_order_, ByteOrder::Big};
};

// One decoder over a setup, decoding records one at a time.
class Decoder {
public:
    Decoder(const CSetupTable& setup, CConversionContext context) : setup_(setup), context_(context) {
        EXPECT_TRUE(layout_.Initialize(&info_, &setup_));
        EXPECT_TRUE(layout_.BuildFieldList());
        decoder_ = std::make_unique<CRawRecordDecoder>(context_, setup_, layout_.GetFields(), info_, header_,
                                                       [](std::uint64_t, std::uint8_t) { return true; });
    }

    Bytes Decode(const RawRecordBuilder& raw) {
        Bytes record(static_cast<std::size_t>(layout_.GetRecordSize()), 0xCC);
        decoder_->StartChunk(record, 0);
        EXPECT_EQ(
            decoder_->DecodeRawRecord(record, raw.Build(static_cast<std::size_t>(setup_.GetRecordSize()))),
            CRawRecordDecoder::kDecoded);
        return record;
    }

    // The float of value column `column` (0 = the first after the date and time).
    float Value(const Bytes& record, int column) const {
        return ReadRecordFloat(record, layout_.GetFields()[static_cast<std::size_t>(column) + 2].offset);
    }

    const std::vector<CRawDataField>& Fields() const { return layout_.GetFields(); }
    CDataInfo& Info() { return info_; }
    CFileHeader& Header() { return header_; }
    CConversionContext& Context() { return context_; }

private:
    CSetupTable setup_;
    CConversionContext context_;
    CDataInfo info_;
    CFileHeader header_;
    CRawData layout_;
    std::unique_ptr<CRawRecordDecoder> decoder_;
};

RecordDate DateOf(const Bytes& record) {
    return ReadRecordDate(record, CRawData::kDateOffset);
}
RecordTimeOfDay TimeOf(const Bytes& record) {
    return ReadRecordTimeOfDay(record, CRawData::kTimeOffset);
}

void ExpectStamp(const Bytes& record, RecordDate date, RecordTimeOfDay time) {
    const RecordDate gotDate = DateOf(record);
    const RecordTimeOfDay gotTime = TimeOf(record);
    EXPECT_EQ(std::vector<int>(
                  {gotDate.year, gotDate.month, gotDate.day, gotTime.hour, gotTime.minute, gotTime.second}),
              std::vector<int>({date.year, date.month, date.day, time.hour, time.minute, time.second}));
}

CConversionContext ContextOf(int model, long intervalSeconds = 900) {
    CConversionContext context;
    context.modelCode = model;
    context.intervalSeconds = intervalSeconds;
    return context;
}

std::uint32_t LocalTime(int year, int month, int day, int hour, int minute) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    return static_cast<std::uint32_t>(*platform::FromLocalTime(local));
}

// A power channel with every quantity's average value, plus whatever the caller adds.
CSetupTable PowerAverages(int model) {
    CSetupTable setup;
    setup.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    CSUTChannelHardware& power = setup.GetHardwareChannel(0);
    power.SetType(kChannelPower);
    for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
        power.SetPowerOptions(quantity, kOptionBit1);
    }
    return setup;
}

class RawRecordDecoderTest : public testing::Test {
protected:
    EnglishTexts texts_;
};

TEST_F(RawRecordDecoderTest, StandardModelFromFirmware132StampsSecondsAsUtc) {
    for (const char* zone : {testsupport::kUtc, testsupport::kNewYork}) {
        testsupport::ScopedTimeZone scope(zone);
        CConversionContext context = ContextOf(kModelStandard);
        context.firmwareVersion = 132;
        Decoder decoder(PowerAverages(kModelStandard), context);
        const Bytes record = decoder.Decode(
            RawRecordBuilder().S32(86400).U24(2305).U24(157).S24(-4500).U24(12000).S8(-50).S24(750));
        ExpectStamp(record, {70, 1, 2}, {0, 0, 0});
        EXPECT_EQ(decoder.Info().GetLastRecordTimeMark(), 86400u);
        EXPECT_EQ(decoder.Header().GetLastRecordStamp(), 0u);  // the standard decoder leaves the header alone
        const std::vector<float> expected = {230.5f, 15.7f, -4.5f, 12.0f, -0.5f, 0.75f};
        for (int column = 0; column < 6; ++column) {
            EXPECT_FLOAT_EQ(decoder.Value(record, column), expected[static_cast<std::size_t>(column)])
                << column;
        }
        // A stamp before 1970 counts from 1970; years from 2000 keep two digits.
        ExpectStamp(decoder.Decode(RawRecordBuilder().S32(-5)), {70, 1, 1}, {0, 0, 0});
        ExpectStamp(decoder.Decode(RawRecordBuilder().S32(1710064800)), {24, 3, 10}, {10, 0, 0});
    }
}

TEST_F(RawRecordDecoderTest, StandardModelBefore132CountsMinutesFromTheStartOfTheYear) {
    for (const char* zone : {testsupport::kUtc, testsupport::kNewYork}) {
        testsupport::ScopedTimeZone scope(zone);
        CConversionContext context = ContextOf(kModelStandard);
        context.firmwareVersion = 131;
        context.firstLoggerTime = LocalTime(2024, 6, 1, 12, 0);
        Decoder decoder(OneValueSetup(kModelStandard), context);
        const std::uint32_t minutes = 31 * 1440 + 10 * 60 + 5;
        const Bytes record = decoder.Decode(RawRecordBuilder().U24(minutes).S24(1500));
        ExpectStamp(record, {24, 2, 1}, {10, 5, 0});
        EXPECT_EQ(decoder.Info().GetLastRecordTimeMark(), minutes);
        EXPECT_FLOAT_EQ(decoder.Value(record, 0), 1.5f);
    }
}

TEST_F(RawRecordDecoderTest, StandardModelDecodesPulseTemperatureAndVoltageChannels) {
    CSetupTable setup;
    CSUTChannelHardware& pulses = setup.GetHardwareChannel(0);
    pulses.SetType(kChannelRNDC);
    pulses.SetOptions(0x0F);  // count, rate, on time, duty
    setup.GetHardwareChannel(1).SetType(kChannelTemperature);
    setup.GetHardwareChannel(1).SetOptions(kOptionBit1);
    setup.GetHardwareChannel(2).SetType(kChannel5VDC);
    setup.GetHardwareChannel(2).SetOptions(kOptionBit1);
    CConversionContext context = ContextOf(kModelStandard, 900);
    context.firmwareVersion = 140;
    Decoder decoder(setup, context);
    const Bytes record = decoder.Decode(RawRecordBuilder()
                                            .S32(0)
                                            .BigFloat(42.0f)
                                            .BigFloat(2.5f)
                                            .BigFloat(100.0f)
                                            .BigFloat(0.25f)
                                            .U16(215)
                                            .S24(-1234));
    const std::vector<float> expected = {42.0f, 2.5f, 800.0f, 0.75f, 21.5f, -1.234f};
    for (int column = 0; column < 6; ++column) {
        EXPECT_FLOAT_EQ(decoder.Value(record, column), expected[static_cast<std::size_t>(column)]) << column;
    }
    // An on time within 1 of zero is the whole interval, one above the interval none; 0xFF first is 0.0.
    const Bytes edges = decoder.Decode(RawRecordBuilder()
                                           .S32(0)
                                           .U8(0xFF)
                                           .U8(1)
                                           .U16(2)
                                           .BigFloat(1.0f)
                                           .BigFloat(0.5f)
                                           .BigFloat(0.0f)
                                           .U16(0)
                                           .S24(0));
    EXPECT_FLOAT_EQ(decoder.Value(edges, 0), 0.0f);
    EXPECT_FLOAT_EQ(decoder.Value(edges, 2), 900.0f);
    EXPECT_FLOAT_EQ(decoder.Value(edges, 3), 1.0f);
    const Bytes over = decoder.Decode(RawRecordBuilder().S32(0).BigFloat(0).BigFloat(0).BigFloat(1000.0f));
    EXPECT_FLOAT_EQ(decoder.Value(over, 2), 0.0f);
}

TEST_F(RawRecordDecoderTest, SecondGenerationScalesByCalibrationAndTransformers) {
    CSetupTable setup = PowerAverages(1);
    setup.GetHardwareChannel(0).SetCTSize(200.0f);
    setup.GetHardwareChannel(0).SetPTRatio(2.0f);
    setup.GetSoftwareChannel(0).SetType(kChannelSoftware);
    setup.GetSoftwareChannel(0).SetPowerOptions(kQuantityCurrent, kOptionBit1);
    setup.GetSoftwareChannel(0).SetPowerOptions(kQuantityKW, kOptionBit1);
    setup.GetSoftwareChannel(0).SetPowerOptions(kQuantityPF, kOptionBit1);
    CConversionContext context = ContextOf(1);
    context.currentScalar = 1.5f;
    context.voltageScalar = 0.5f;
    Decoder decoder(setup, context);
    const Bytes record = decoder.Decode(RawRecordBuilder()
                                            .U24(100)
                                            .U16(3680)          // volts: x V x 0.0625 x PT
                                            .U16(1000)          // amps: x A x 0.0625 x CT
                                            .S24(-2000)         // kW: x A x V x CT x PT x 0.001
                                            .U24(3000)          // kVA
                                            .S8(-87)            // PF: x 0.01
                                            .S24(1000)          // kVAR
                                            .BigFloat(-0.004f)  // software amps: float x A, noise to 0
                                            .BigFloat(4000.0f)  // software kW: float x A x V x 0.001
                                            .S8(95));
    const std::vector<float> expected = {230.0f, 18750.0f, -600.0f, 900.0f, -0.87f,
                                         300.0f, 0.0f,     3.0f,    0.95f};
    for (int column = 0; column < 9; ++column) {
        EXPECT_NEAR(decoder.Value(record, column), expected[static_cast<std::size_t>(column)], 1e-3)
            << column;
    }
}

TEST_F(RawRecordDecoderTest, ThirdGenerationDecodesCurrentTemperaturePulsesAndAnalogInputs) {
    CSetupTable setup;
    setup.GetHeader().SetModelCode(5);
    setup.GetHardwareChannel(0).SetType(kChannelCurrent);
    setup.GetHardwareChannel(0).SetCTSize(400.0f);
    setup.GetHardwareChannel(0).SetOptions(kOptionBit1);
    CSUTChannelHardware& temperature = setup.GetHardwareChannel(1);
    temperature.SetType(kChannelTemperature);
    temperature.SetTemperatureUnit(0);  // Fahrenheit
    temperature.SetScaleValue1(2.0f);
    temperature.SetScaleValue2(1.0f);
    temperature.SetOptions(kOptionBit1);
    CSUTChannelHardware& pulses = setup.GetHardwareChannel(2);
    pulses.SetType(kChannelRNDC);
    pulses.SetRNDCScale(0.5f);
    pulses.SetOptions(0x0F);
    CSUTChannelHardware& analog = setup.GetHardwareChannel(3);
    analog.SetType(kChannel4mA);
    analog.SetScaleValue1(0.01f);
    analog.SetScaleValue2(-4.0f);
    analog.SetOptions(kOptionBit1);
    CConversionContext context = ContextOf(5, 60);
    context.currentScalar = 2.0f;
    context.voltageScalar = 1.0f;
    Decoder decoder(setup, context);
    const Bytes record = decoder.Decode(RawRecordBuilder()
                                            .U24(0)
                                            .U16(80)      // amps: x A x 0.0625 x CT
                                            .U16(2000)    // 20 C = 68 F, x 2 + 1
                                            .S32(300)     // count x scale
                                            .S32(600)     // rate: count / interval x scale
                                            .S32(5950)    // on time: 59.5 s is the whole interval
                                            .S32(1500)    // duty: 15 s of 60
                                            .U16(1200));  // analog: x V x scale + offset
    const std::vector<float> expected = {4000.0f, 137.0f, 150.0f, 5.0f, 60.0f, 0.25f, 8.0f};
    for (int column = 0; column < 7; ++column) {
        EXPECT_NEAR(decoder.Value(record, column), expected[static_cast<std::size_t>(column)], 1e-3)
            << column;
    }
}

TEST_F(RawRecordDecoderTest, ThirdGenerationTemperaturesComeInEachUnitFromTheirCelsius) {
    struct Case {
        int unit;
        std::uint16_t raw;  // hundredths of a degree Celsius
        float expected;
    };
    const Case cases[] = {
        {0, 0, 32.0f},   {0, 2000, 68.0f},    // Fahrenheit
        {1, 0, 0.0f},    {1, 2000, 20.0f},    // Celsius
        {2, 0, 491.67f}, {2, 2000, 527.67f},  // Rankine
        {3, 0, 273.15f}, {3, 2000, 293.15f},  // Kelvin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.unit) + " " + std::to_string(c.raw));
        CSetupTable setup;
        setup.GetHeader().SetModelCode(5);
        CSUTChannelHardware& temperature = setup.GetHardwareChannel(0);
        temperature.SetType(kChannelTemperature);
        temperature.SetTemperatureUnit(static_cast<std::uint16_t>(c.unit));
        temperature.SetScaleValue1(1.0f);
        temperature.SetScaleValue2(0.0f);
        temperature.SetOptions(kOptionBit1);
        Decoder decoder(setup, ContextOf(5, 60));
        const Bytes record = decoder.Decode(RawRecordBuilder().U24(0).U16(c.raw));
        EXPECT_NEAR(decoder.Value(record, 0), c.expected, 1e-3);
    }
}

TEST_F(RawRecordDecoderTest, AKindADecoderDoesNotDecodeTakesItsBytesAndStaysEmpty) {
    struct Case {
        const char* what;
        int model;
        std::uint8_t skippedType;  // hardware channel 1; channel 2 is a current channel after it
        RawRecordBuilder raw;
    };
    // Model 1 logs a temperature in 2 bytes, model 5 a 5 V input in 3 and a power factor in 1, model 13
    // a 5 V input in 3: none of them has a decoder for it.
    const std::vector<Case> cases = {
        {"temperature, model 1", 1, kChannelTemperature, RawRecordBuilder().U24(0).U16(0xFFFF).U16(160)},
        {"5 V, model 5", 5, kChannel5VDC, RawRecordBuilder().U24(0).U24(0xFFFFFF).U16(160)},
        {"power factor, model 5", 5, kChannelPower, RawRecordBuilder().U24(0).U8(0xFF).U16(160)},
        {"5 V, model 13", 13, kChannel5VDC, RawRecordBuilder().LittleU32(0).U24(0xFFFFFF).LittleFloat(10.0f)},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        CSetupTable setup;
        setup.GetHeader().SetModelCode(static_cast<std::uint8_t>(test.model));
        CSUTChannelHardware& skipped = setup.GetHardwareChannel(0);
        skipped.SetType(test.skippedType);
        skipped.SetOptions(kOptionBit1);
        if (test.skippedType == kChannelPower) {
            skipped.SetPowerOptions(kQuantityKW, 0);
            skipped.SetPowerOptions(kQuantityPF, kOptionBit1);
        }
        setup.GetHardwareChannel(1).SetType(kChannelCurrent);
        setup.GetHardwareChannel(1).SetCTSize(100.0f);
        setup.GetHardwareChannel(1).SetOptions(kOptionBit1);
        Decoder decoder(setup, ContextOf(test.model));
        const Bytes record = decoder.Decode(test.raw);
        EXPECT_TRUE(std::isnan(decoder.Value(record, 0)));
        EXPECT_FLOAT_EQ(decoder.Value(record, 1), test.model == 13 ? 10.0f : 1000.0f);
    }
}

TEST_F(RawRecordDecoderTest, FourthGenerationStampsLocalTimeAcrossAChangeOfClock) {
    CSetupTable setup = OneValueSetup(kModelQuarvenRS);
    setup.GetHardwareChannel(0).SetPowerOptions(kQuantityKW,
                                                kOptionBit1 | kOptionBit4);  // max kW with its time
    // 2024-03-10 06:45 and 07:00 UTC: 01:45 EST and 03:00 EDT in New York.
    const std::uint32_t before = 1710053100;
    const std::uint32_t after = before + 900;
    struct Case {
        const char* zone;
        RecordTimeOfDay before;
        RecordTimeOfDay after;
    };
    for (const Case& test : {Case{testsupport::kUtc, {6, 45, 0}, {7, 0, 0}},
                             Case{testsupport::kNewYork, {1, 45, 0}, {3, 0, 0}}}) {
        SCOPED_TRACE(test.zone);
        testsupport::ScopedTimeZone scope(test.zone);
        Decoder decoder(setup, ContextOf(kModelQuarvenRS));
        decoder.Header().SetLastRecordSeconds(0x1200);
        ExpectStamp(decoder.Decode(RawRecordBuilder()
                                       .LittleU32(before + 7)
                                       .LittleFloat(1.0f)
                                       .LittleU32(before)
                                       .LittleFloat(2.0f)),
                    {24, 3, 10}, {test.before.hour, test.before.minute, 7});
        const Bytes record = decoder.Decode(RawRecordBuilder()
                                                .LittleU32(after + 59)
                                                .LittleFloat(-0.5f)
                                                .LittleU32(after - 60)
                                                .LittleFloat(12500.0f));
        ExpectStamp(record, {24, 3, 10}, {test.after.hour, test.after.minute, 59});
        // Columns: the maximum, its time of day (also in local time), the average.
        const RecordTimeOfDay maximumTime = ReadRecordTimeOfDay(record, decoder.Fields()[3].offset);
        EXPECT_EQ(maximumTime.minute, 59);
        EXPECT_EQ(maximumTime.hour, test.zone == testsupport::kUtc ? 6 : 1);
        EXPECT_FLOAT_EQ(decoder.Value(record, 0), 0.0f);  // -0.5 W is noise around zero
        EXPECT_FLOAT_EQ(decoder.Value(record, 2), 12.5f);
        EXPECT_EQ(decoder.Info().GetLastRecordTimeMark(), (after + 59) / 60);
        EXPECT_EQ(decoder.Header().GetLastRecordStamp(), (after + 59) / 60);
        EXPECT_EQ(decoder.Header().GetLastRecordSeconds(), 0x1200 + 59);
        EXPECT_EQ(decoder.Context().keptStamp, (after + 59) / 60);
        EXPECT_EQ(decoder.Context().keptSeconds, 59);
    }
}

TEST_F(RawRecordDecoderTest, MinuteStampsKeepTheLastStampInTheHeaderAndTheSession) {
    for (const int model : {1, 7}) {
        SCOPED_TRACE(model);
        CConversionContext context = ContextOf(model, 15);
        context.firstLoggerTime = LocalTime(2024, 1, 1, 0, 0);
        context.keptStamp = 500;
        context.keptSeconds = 30;
        Decoder decoder(OneValueSetup(model), context);
        const Bytes first = decoder.Decode(RawRecordBuilder().U24(500));
        ExpectStamp(first, {24, 1, 1}, {8, 20, 0});
        EXPECT_EQ(decoder.Info().GetLastRecordTimeMark(), 500u);
        EXPECT_EQ(decoder.Header().GetLastRecordStamp(), 500u);
        // The same stamp as the session kept: its running seconds go on by the interval.
        EXPECT_EQ(decoder.Header().GetLastRecordSeconds(), 45);
        decoder.Decode(RawRecordBuilder().U24(501));
        EXPECT_EQ(decoder.Header().GetLastRecordSeconds(), 0);
        EXPECT_EQ(decoder.Context().keptStamp, 501u);
        EXPECT_EQ(decoder.Context().keptSeconds, 0);
    }
}

TEST_F(RawRecordDecoderTest, UnknownModelsAndEmptyRecordsAreNotDecoded) {
    const CSetupTable setup = OneValueSetup(11);
    CConversionContext context = ContextOf(11);
    CDataInfo info;
    CFileHeader header;
    CRawData layout;
    CSetupTable layoutSetup = setup;
    ASSERT_TRUE(layout.Initialize(&info, &layoutSetup));
    ASSERT_TRUE(layout.BuildFieldList());
    CRawRecordDecoder decoder(context, setup, layout.GetFields(), info, header, nullptr);
    Bytes record(11, 0);
    EXPECT_EQ(decoder.DecodeRawRecord(record, Bytes(4, 0)), CRawRecordDecoder::kUnknownGeneration);
    EXPECT_EQ(decoder.DecodeRawRecord(record, Bytes{}), CRawRecordDecoder::kNothingToDecode);
    EXPECT_FALSE(CRawRecordDecoder::KnowsModel(11));
    EXPECT_FALSE(CRawRecordDecoder::KnowsModel(-1));
    EXPECT_TRUE(CRawRecordDecoder::KnowsModel(14));
}

TEST_F(RawRecordDecoderTest, ColumnWidthsAddUpToTheLoggerRecordSize) {
    for (const int model : {0, 1, 2, 3, 6, 10, 13, 14}) {
        SCOPED_TRACE(model);
        CSetupTable setup = PowerAverages(model);
        setup.GetHardwareChannel(0).SetPowerOptions(kQuantityVoltage, 0x0F);
        setup.GetHardwareChannel(0).SetPowerOptions(kQuantityPF, 0x07);
        setup.GetHardwareChannel(1).SetType(kChannelTemperature);
        setup.GetHardwareChannel(1).SetOptions(0x06);
        setup.GetHardwareChannel(2).SetType(kChannelRNDC);
        setup.GetHardwareChannel(2).SetOptions(0x0F);
        setup.GetHardwareChannel(3).SetType(kChannel5VDC);
        setup.GetHardwareChannel(3).SetOptions(0x03);
        setup.GetSoftwareChannel(1).SetType(kChannelSoftware);
        setup.GetSoftwareChannel(1).SetPowerOptions(kQuantityPF, 0x0F);
        setup.GetSoftwareChannel(1).SetPowerOptions(kQuantityKVAR, 0x02);
        setup.GetAnalogChannel(2).SetType(kChannelAnalog0To10V);
        setup.GetAnalogChannel(2).SetOptions(0x0F);
        CDataInfo info;
        CRawData layout;
        ASSERT_TRUE(layout.Initialize(&info, &setup));
        ASSERT_TRUE(layout.BuildFieldList());
        int width = RawRecordBaseSize(model);
        for (std::size_t i = 2; i < layout.GetFields().size(); ++i) {
            width += RawFieldWidth(setup, layout.GetFields()[i]);
        }
        EXPECT_EQ(width, setup.GetRecordSize());
    }
}

// A download converted through the intermediate file, as the download file assembly does it.
class ConvertDownloadTest : public RawRecordDecoderTest {
protected:
    // Writes `raw` records as the intermediate file of a download, converts it, and returns the records
    // of the finished file.
    bool Convert(const CSetupTable& setup, const std::vector<Bytes>& raw, CConversionContext& context,
                 std::vector<Bytes>& records) {
        CDataInfo rawInfo;
        rawInfo.SetRecordCount(static_cast<std::uint32_t>(raw.size()));
        {
            CRawData intermediate;
            CSetupTable rawSetup = setup;
            EXPECT_TRUE(intermediate.Initialize(&rawInfo, &rawSetup));
            EXPECT_TRUE(intermediate.CreateDataFile(raw_path_, 3));
            for (const Bytes& record : raw) {
                intermediate.GetFile().Write(record);
            }
            EXPECT_TRUE(intermediate.CloseDataFile());
        }
        CRawData source;
        source.SetMessageSink(sink_);
        EXPECT_TRUE(source.Initialize());
        EXPECT_TRUE(source.OpenDataFile(raw_path_));
        CRawData target;
        target.SetMessageSink(sink_);
        EXPECT_TRUE(target.Initialize(source.GetDataInfo(), source.GetSetupTable()));
        EXPECT_TRUE(target.CreateDataFile(path_, 4));
        if (!target.ConvertRawDownload(source.GetFile(), context) || !target.RewriteHeader() ||
            !target.CloseDataFile()) {
            return false;
        }
        OpenedFile file(path_, false);
        EXPECT_TRUE(file.opened);
        EXPECT_TRUE(file.data.BuildFieldList());
        records.clear();
        for (int i = 0; i < static_cast<int>(raw.size()); ++i) {
            EXPECT_TRUE(file.data.ReadRecord(i));
            records.emplace_back(file.data.GetRecordBuffer().begin(), file.data.GetRecordBuffer().end());
        }
        header_stamp_ = file.data.GetFileHeader()->GetLastRecordStamp();
        return true;
    }

    testsupport::TempFolder folder_;
    std::filesystem::path raw_path_ = folder_ / "download.tmp";
    std::filesystem::path path_ = folder_ / "data.kivo";
    RecordingSink sink_;
    std::uint32_t header_stamp_ = 0;
};

TEST_F(ConvertDownloadTest, SubMinuteRecordsOfAShortMinuteMoveToItsEnd) {
    // 15-second records of a logger that stamps minutes: the first minute holds 3, the minute that
    // straddles the first and second chunk only 2; they are moved to the end of their minutes, the
    // straddling ones in the file after their chunk was written.
    const CSetupTable setup = OneValueSetup(1, 10);
    const int rawSize = setup.GetRecordSize();
    ASSERT_EQ(65535 / 11, 5957);  // records per chunk
    std::vector<std::uint32_t> minutes = {0, 0, 0};
    for (std::uint32_t minute = 1; minutes.size() < 5955; ++minute) {
        minutes.insert(minutes.end(), 4, minute);
    }
    ASSERT_EQ(minutes.size(), 5955u);
    const std::uint32_t shortMinute = minutes.back() + 1;
    minutes.insert(minutes.end(), {shortMinute, shortMinute, shortMinute + 1, shortMinute + 1});
    std::vector<Bytes> raw;
    for (const std::uint32_t minute : minutes) {
        raw.push_back(RawRecordBuilder().U24(minute).S24(1000).Build(static_cast<std::size_t>(rawSize)));
    }
    for (const char* zone : {testsupport::kUtc, testsupport::kNewYork}) {
        SCOPED_TRACE(zone);
        testsupport::ScopedTimeZone scope(zone);
        CConversionContext context = ContextOf(1, 15);
        context.firstLoggerTime = LocalTime(2024, 1, 1, 0, 0);
        std::vector<Bytes> records;
        ASSERT_TRUE(Convert(setup, raw, context, records));
        const auto secondsOf = [&records](std::size_t index) { return TimeOf(records[index]).second; };
        EXPECT_EQ(std::vector<int>({secondsOf(0), secondsOf(1), secondsOf(2)}),
                  std::vector<int>({15, 30, 45}));
        EXPECT_EQ(std::vector<int>({secondsOf(3), secondsOf(4), secondsOf(5), secondsOf(6)}),
                  std::vector<int>({0, 15, 30, 45}));
        EXPECT_EQ(std::vector<int>({secondsOf(5955), secondsOf(5956), secondsOf(5957), secondsOf(5958)}),
                  std::vector<int>({30, 45, 0, 15}));
        EXPECT_EQ(TimeOf(records[5955]).minute, static_cast<int>(shortMinute % 60));
        EXPECT_FLOAT_EQ(ReadRecordFloat(records[5958], 7), 100.0f);  // x the default CT of 100
        EXPECT_EQ(header_stamp_, shortMinute + 1);
    }
}

TEST_F(ConvertDownloadTest, AnUnknownModelFailsWithAMessage) {
    const CSetupTable setup = OneValueSetup(0);
    CConversionContext context = ContextOf(12);
    std::vector<Bytes> records;
    EXPECT_FALSE(
        Convert(setup, {Bytes(static_cast<std::size_t>(setup.GetRecordSize()), 0)}, context, records));
    EXPECT_EQ(sink_.messages, std::vector<std::string>{"Records of logger model 12 cannot be converted."});
}

TEST_F(ConvertDownloadTest, AContextMadeFromTheFileDecodesItsOwnRecords) {
    CSetupTable setup = OneValueSetup(0);
    setup.GetHeader().SetFirmwareVersion(0);
    CDataInfo info;
    info.SetTypeText("NX4.140");
    info.SetFirstLoggerTime(1234);
    const CConversionContext context = MakeConversionContext(setup, info);
    EXPECT_EQ(context.modelCode, 0);
    EXPECT_EQ(context.firmwareVersion, 140);
    EXPECT_EQ(context.intervalSeconds, 900);
    EXPECT_EQ(context.firstLoggerTime, 1234u);
    setup.GetHeader().SetFirmwareVersion(131);
    EXPECT_EQ(MakeConversionContext(setup, info).firmwareVersion, 131);
}

}  // namespace
}  // namespace datafiletest
