// The command routine's reading of the logger's bytes: echo, end of reply, firmware text, time-outs.
#include "shared/link/reply_framing.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/support/text_bytes.h"

namespace {

using testsupport::TextBytes;

TEST(ReplyFramingTest, ReplyTimeoutOfEachNominalTimeout) {
    const std::pair<int, std::uint32_t> cases[] = {{2000, 10000},  {4000, 15000},  {8000, 25000},
                                                   {16000, 50000}, {20000, 60000}, {24000, 90000},
                                                   {12000, 35000}, {3000, 35000},  {0, 35000}};
    for (const auto& [nominal, reply] : cases) {
        EXPECT_EQ(MapReplyTimeout(nominal), reply) << nominal;
    }
}

TEST(ReplyFramingTest, TextReplyEndsAtThePromptAfterItsLastLineEnd) {
    using namespace std::string_literals;
    struct Case {
        std::string received;
        std::size_t leading;
    };
    const Case cases[] = {
        {"\r\n12\r\n>", 2},
        {"\r\n>", 2},
        {"\n\r\n\r\n>", 3},  // at most three leading line ends count
        {"12\r\n>", 0},      // a reply must start with a line end
        {"\r\n12>", 0},      // a '>' before the final line end is no prompt
        {"\r\n12\r\n", 0},
        {"\r", 0},
        {"\r\n(null)\r\n<EMPTY>", 0},  // module texts hold '>' inside their lines
        {"\r\n(null)\r\n<EMPTY>\r\n>", 2},
        {"\r\nWiFly files:\r\nW>", 0},  // the module's own prompt is not the logger's
        {"\r\nWiFly files:\r\nW>\r\n>", 2},
        {"\r\nA=1\r\n> ", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsReplyComplete(TextBytes(c.received), 0), c.leading) << c.received;
    }
}

TEST(ReplyFramingTest, BlockReplyOfKnownLength) {
    const std::string reply = "\r\nABCD\r\n> ";  // L = 10: CR LF '>' at 6..8, the last byte not examined
    EXPECT_EQ(IsReplyComplete(TextBytes(reply), 10), 2u);
    EXPECT_EQ(IsReplyComplete(TextBytes(reply.substr(0, 9)), 10), 0u);
    EXPECT_EQ(IsReplyComplete(TextBytes("\r\nABCDEFGH"), 10), 0u);
    EXPECT_EQ(IsReplyComplete(TextBytes("\nABCD\r\n> "), 9), 0u);
    // The prompt must stand where the length puts it: CR, LF and '>' each checked.
    for (const char* wrong : {"\r\nABCD\r\nX ", "\r\nABCDX\n> ", "\r\nABCD\rX> ", "\r\nABC\r\n> x"}) {
        EXPECT_EQ(IsReplyComplete(TextBytes(wrong), 10), 0u) << wrong;
    }
    EXPECT_EQ(IsReplyComplete(TextBytes("\r\n>x"), 3), 0u);  // too short to hold a prompt
}

TEST(ReplyFramingTest, EchoCheck) {
    using namespace std::string_literals;
    struct Case {
        std::string received;
        std::string command;
        int status;
        std::size_t echoEnd;
    };
    const Case cases[] = {
        {"I?", "I?", ECHO_GOOD, 2},
        {"i?", "I?", ECHO_GOOD, 2},       // letter case is ignored
        {"\0\0I?"s, "I?", ECHO_GOOD, 4},  // leading NULs go with the echo
        {"I?\r\n", "I?", ECHO_GOOD, 2},
        {"I", "I?", ECHO_INCOMPLETE, 0},
        {"\0I"s, "I?", ECHO_INCOMPLETE, 0},  // a NUL is no echo byte
        {"I#", "I?", ECHO_BAD, 0},
        {"xI", "I?", ECHO_INCOMPLETE, 0},  // noise counts against what arrived
        {"xyI?", "I?", ECHO_GOOD, 4},
        {"\x1b", " ", ECHO_BAD, 0},  // the wake-up space got no echo
        {" ", " ", ECHO_GOOD, 1},
    };
    for (const Case& c : cases) {
        const EchoCheck check = CheckForEcho(TextBytes(c.received), c.command);
        EXPECT_EQ(check.status, c.status) << c.command << " in " << c.received.size() << " bytes";
        if (c.status == ECHO_GOOD) {
            EXPECT_EQ(check.echoEnd, c.echoEnd) << c.command;
        }
    }
}

// The hex dump of an identification record whose bytes 33-41 are `firmware`.
std::string IdentificationDump(const std::string& firmware) {
    std::string dump;
    for (int i = 0; i < 33; ++i) {
        dump += "30";
        if (i == 15) {
            dump += "\r\n";  // line ends are not counted
        }
    }
    for (const char c : firmware) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(c));
        dump += pair;
    }
    return dump + "00000000=1234\r\n>";
}

TEST(ReplyFramingTest, FirmwareTextOfTheIdentificationReply) {
    auto version = ParseFirmwareVersion(TextBytes(IdentificationDump("NX401.234")));
    ASSERT_TRUE(version);
    EXPECT_EQ(version->text, "NX401.234");
    EXPECT_TRUE(version->wellFormed);

    version = ParseFirmwareVersion(TextBytes(IdentificationDump("NX4012345")));
    ASSERT_TRUE(version);
    EXPECT_FALSE(version->wellFormed);  // no '.' in its sixth place

    // A reply that ends inside the firmware text is refused, not read past.
    const std::string whole = IdentificationDump("S0-02.115");
    EXPECT_FALSE(ParseFirmwareVersion(TextBytes(whole.substr(0, 68 + 16))));
    EXPECT_FALSE(ParseFirmwareVersion(TextBytes("\r\n")));
}

}  // namespace
