// Decoding the identification record and the status image, and the firmware number.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shared/logger/identity_record.h"
#include "shared/logger/status_image.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Record(const std::string& firmware, std::size_t size, std::size_t f, std::uint8_t options, std::uint8_t state) {
    Bytes record(size, 0);
    const std::string id = "AB12#9";  // '#' ends the ID
    std::copy(id.begin(), id.end(), record.begin());
    const std::string description = "Boiler house";
    std::copy(description.begin(), description.end(), record.begin() + 6);
    std::copy(firmware.begin(), firmware.end(), record.begin() + 33);
    if (f + 8 < size) {
        record[f + 5] = options;
        record[f + 6] = state;
        record[f + 7] = 3;
        record[f + 8] = 0x5A;
    }
    return record;
}

TEST(IdentityRecordTest, ShortAndLongForms) {
    const auto shortForm = DecodeIdentityRecord(Record("S0-02.115", 52, 43, 0x80 | 0x04 | 0x01, 0xC0));
    ASSERT_TRUE(shortForm);
    EXPECT_EQ(shortForm->loggerId, "AB12");
    EXPECT_EQ(shortForm->description, "Boiler house");
    EXPECT_EQ(shortForm->firmwareText, "S0-02.115");
    EXPECT_FALSE(shortForm->longForm);
    EXPECT_EQ(shortForm->optionFlags, (std::array<bool, 5>{true, false, true, false, true}));
    EXPECT_TRUE(shortForm->recording);
    EXPECT_TRUE(shortForm->wraps);
    EXPECT_EQ(shortForm->memoryBank, 3);
    EXPECT_EQ(shortForm->configByte2, 0x5A);

    Bytes longRecord = Record("NX401.234", 118, 109, 0x40, 0x00);
    const std::string longId = "Site'7 north";
    std::copy(longId.begin(), longId.end(), longRecord.begin() + 43);
    const auto longForm = DecodeIdentityRecord(longRecord);
    ASSERT_TRUE(longForm);
    EXPECT_TRUE(longForm->longForm);
    EXPECT_EQ(longForm->longLoggerId, "Site'7");
    EXPECT_EQ(longForm->optionFlags[1], true);
    EXPECT_EQ(longForm->memoryBank, 3);
}

TEST(IdentityRecordTest, ARecordShorterThanItsFormIsRefused) {
    EXPECT_FALSE(DecodeIdentityRecord(Record("S0-02.115", 48, 43, 0, 0)));
    EXPECT_FALSE(DecodeIdentityRecord(Record("S0-02.115", 51, 43, 0, 0)));
    EXPECT_FALSE(DecodeIdentityRecord(Record("NX401.234", 117, 109, 0, 0)));
    EXPECT_FALSE(DecodeIdentityRecord(Record("NX401.234", 52, 109, 0, 0)));
}

TEST(IdentityRecordTest, ModeCodeFromBitsThreeToFive) {
    const std::pair<std::uint8_t, int> cases[] = {{0x00, 0}, {0x08, -3}, {0x18, -3}, {0x10, -2}, {0x30, -2}, {0x20, -1}};
    for (const auto& [options, mode] : cases) {
        SCOPED_TRACE(options);
        EXPECT_EQ(DecodeIdentityRecord(Record("S0-02.115", 52, 43, options, 0))->modeCode, mode);
    }
}

TEST(IdentityRecordTest, FirmwareNumber) {
    const std::pair<const char*, int> cases[] = {{"NX401.234", 334}, {"AB1.2", 2}, {"ABC", 0}, {"", 0}, {"S0-02.115", 115}};
    for (const auto& [text, number] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FirmwareNumber(text), number);
    }
}

TEST(StatusImageTest, OlderModelsGiveBankAndWordAddresses) {
    // Start bank 1 word 0x0000, end bank 3 word 0x3FFF, pointer bank 2 word 0x4123 (top bits dropped).
    const Bytes image = {0x01, 0x00, 0x00, 0x03, 0x3F, 0xFF, 0x02, 0x41, 0x23, 0xC0};
    auto status = DecodeStatusImage(image, 0);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->memoryStart, 0x4000u);
    EXPECT_EQ(status->memoryEnd, 0xFFFFu);
    EXPECT_EQ(status->recordPointer, 0x8123u);
    EXPECT_TRUE(status->recording);
    EXPECT_TRUE(status->wraps);
    const MemoryCounts counts = CountMemory(*status, 0);
    EXPECT_EQ(counts.used, 0xFFFF - 0x4000);
    EXPECT_EQ(counts.rest, 0);

    status->wraps = false;
    const MemoryCounts linear = CountMemory(*status, 0);
    EXPECT_EQ(linear.used, 0xFFFF - 0x8123);
    EXPECT_EQ(linear.rest, 0x8123 - 0x4000);
    EXPECT_FALSE(DecodeStatusImage(Bytes(image.begin(), image.end() - 1), 0));
}

TEST(StatusImageTest, QuarvenGivesLittleEndianPointers) {
    const Bytes image = {0x00, 0x20, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x40};
    auto status = DecodeStatusImage(image, 13);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->recordPointer, 0x2000u);
    EXPECT_EQ(status->memoryEnd, 0x100000u);
    EXPECT_EQ(status->memoryStart, 0u);
    const MemoryCounts counts = CountMemory(*status, 13);
    EXPECT_EQ(status->recordPointer, 0x100000u);  // a wrapped memory is full
    EXPECT_EQ(counts.used, 0x100000);
    EXPECT_EQ(counts.rest, 0);
    EXPECT_FALSE(DecodeStatusImage(Bytes(8, 0), 13));
}

}  // namespace
