// Tests of the setup-table header record.
#include "shared/setup/sut_header.h"

#include <gtest/gtest.h>

#include "tests/shared/setup/golden_records.h"
#include "tests/support/fake_app_context.h"

namespace {

using golden::Bytes;
using golden::Hex;
using golden::Zeros;
using golden::operator+;

Bytes BlockOf(const CSUTHeader& header) {
    return Bytes(header.GetBlock().Bytes().begin(), header.GetBlock().Bytes().end());
}

TEST(SUTHeader, NewHeaderByDefaultLineFrequency) {
    const struct {
        const char* lineFrequency;
        std::uint8_t option;
    } cases[] = {{"Auto", 0xE0}, {"60", 0xA0}, {"50", 0xB0}, {"", 0xB0}, {"auto", 0xB0}};
    for (const auto& c : cases) {
        testsupport::FakeAppContext context;
        context.defaultSUTLineFreq = c.lineFrequency;
        CSUTHeader header;
        EXPECT_EQ(BlockOf(header), golden::NewHeader(c.option)) << c.lineFrequency;
    }
}

TEST(SUTHeader, EqualityLooksAtTextsModelIntervalAndOptions) {
    testsupport::FakeAppContext context;
    CSUTHeader base;
    base.SetSubText("ID1");
    base.SetHeaderText("Feeder");

    CSUTHeader other = base;
    other.SetFirmwareVersion(150);
    other.SetSetupTime(123456);
    EXPECT_TRUE(other == base);

    const auto differs = [&](auto change) {
        CSUTHeader changed = base;
        change(changed);
        return !(changed == base);
    };
    EXPECT_TRUE(differs([](CSUTHeader& h) { h.SetOptionByte(0x01); }));
    EXPECT_TRUE(differs([](CSUTHeader& h) { h.SetModelCode(13); }));
    EXPECT_TRUE(differs([](CSUTHeader& h) { h.SetIntervalCode(9); }));
    EXPECT_TRUE(differs([](CSUTHeader& h) { h.SetSubText("ID2"); }));
    EXPECT_TRUE(differs([](CSUTHeader& h) { h.SetHeaderText("feeder"); }));
}

TEST(SUTHeader, TextsStayInsideTheirFields) {
    testsupport::FakeAppContext context;
    CSUTHeader header;
    header.SetModelCode(14);
    header.SetHeaderText("ABCDEFGHIJKLMNOPQRST");  // 20 characters: the NUL lands on offset 34
    header.SetSubText("0123456789ABCDEFGH");       // too long: 13 characters are kept
    const Bytes block = BlockOf(header);
    EXPECT_EQ(Bytes(block.begin(), block.begin() + 36),
              golden::Text("0123456789ABC", 14) + golden::Text("ABCDEFGHIJKLMNOPQRST", 21) + Hex("0E"));
    EXPECT_EQ(header.GetHeaderText(), "ABCDEFGHIJKLMNOPQRST");

    header.SetHeaderText(std::string(40, 'x'));
    EXPECT_EQ(header.GetHeaderText(), std::string(20, 'x'));
    EXPECT_EQ(header.GetModelCode(), 14);
}

TEST(SUTHeader, NameWithoutTerminatorIsReadUpToTheFieldEnd) {
    // A file whose name field holds 21 characters and no NUL: the model code after it is no text.
    const Bytes block = Zeros(14) + Bytes(21, 'N') + Hex("0D") + Zeros(16) + Hex("02 A0") + Zeros(6);
    platform::ByteReader reader(block, platform::ByteOrder::Little);
    testsupport::FakeAppContext context;
    CSUTHeader header;
    ASSERT_TRUE(header.Read(reader));
    EXPECT_EQ(header.GetHeaderText(), std::string(21, 'N'));
    EXPECT_EQ(header.GetSubText(), "");
    EXPECT_EQ(header.GetModelCode(), 13);
}

}  // namespace
