// The simulated logger's framing, replies and faults, byte for byte.
#include "tools/loggersim/simulated_logger.h"

#include <gtest/gtest.h>

#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/hex_dump.h"
#include "tools/loggersim/logger_state.h"

namespace {

using namespace std::string_literals;

SimulatedLogger Standard(SimulatorFaults faults = {}) {
    return SimulatedLogger(*FindLoggerModel("standard"), faults);
}

TEST(HexDumpTest, ChecksumRotatesAndAdds) {
    const std::uint8_t bytes[] = {0x01, 0x02, 0x03};
    EXPECT_EQ(HexDumpChecksum(bytes), 0x000B);
    EXPECT_EQ(HexDumpText(bytes), "010203=000B");
    const std::uint8_t high[] = {0xFF, 0xFF};
    EXPECT_EQ(HexDumpChecksum(high), ((0xFF << 1) + 0xFF) & 0xFFFF);
}

TEST(HexDumpTest, IdentificationRecordShortAndLongForm) {
    const auto standard = IdentificationRecord(*FindLoggerModel("standard"));
    ASSERT_EQ(standard.size(), 52u);
    EXPECT_EQ(std::string(standard.begin() + 33, standard.begin() + 42), "S0-02.115");
    const auto quarven = IdentificationRecord(*FindLoggerModel("quarven-rs"));
    EXPECT_EQ(quarven.size(), 118u);
}

TEST(SimulatedLoggerTest, EchoModeLineModeAndControlBytes) {
    SimulatedLogger logger = Standard();
    EXPECT_EQ(logger.Receive("R").bytes, "R");  // echo mode: each byte comes back
    EXPECT_EQ(logger.Receive("!F").bytes, "!F");
    EXPECT_EQ(logger.Receive("\r").bytes, "\r\nOK\r\n>");
    EXPECT_FALSE(logger.IsEchoOn());
    EXPECT_EQ(logger.Receive("Z?\r").bytes, "\r\nERROR\r\n>");  // line mode: no echo
    EXPECT_EQ(logger.Receive(" \r").bytes, "\r\n>");
    EXPECT_EQ(logger.Receive("\x1b").bytes, "");  // ESC: echo mode again, nothing said
    EXPECT_TRUE(logger.IsEchoOn());
    EXPECT_EQ(logger.Receive("\x10").bytes, "");  // DLE: line mode
    EXPECT_FALSE(logger.IsEchoOn());
    EXPECT_EQ(logger.Receive("\0\nS!\r"s).bytes, "");  // the farewell: asleep, no answer
    EXPECT_TRUE(logger.IsAsleep());
    EXPECT_EQ(logger.Receive("I").bytes, "");  // the first byte only wakes it
    EXPECT_EQ(logger.WakeUps(), 1);
    EXPECT_EQ(logger.Receive(std::string(71, 'A') + "\r").bytes, "\r\nERROR\r\n>");
    logger.Receive("\x10");
    EXPECT_EQ(logger.Receive(std::string(1 << 20, 'A') + "\r").bytes, "\r\nERROR\r\n>");
    EXPECT_EQ(logger.Receive("I?\r").bytes,  // the next line starts afresh
              "\r\n" + HexDumpText(IdentificationRecord(logger.Model())) + "\r\n>");
}

TEST(SimulatedLoggerTest, IdentificationAndDataMemoryReplies) {
    SimulatedLogger logger = Standard();
    logger.ChangeState(FillUnwrittenDataMemory);
    logger.Receive("\x10");
    EXPECT_EQ(logger.Receive("I?\r").bytes,
              "\r\n" + HexDumpText(IdentificationRecord(logger.Model())) + "\r\n>");
    const std::uint8_t block[] = {0x00, 0xFF, 0xFE};  // the 3 bytes that end at address 0x100, from it down
    EXPECT_EQ(logger.Receive("O! 000100 0003\r").bytes, "\r\n" + HexDumpText(block) + "\r\n>");
    EXPECT_EQ(logger.Receive("O! 00010G 0003\r").bytes, "\r\nERROR\r\n>");
    EXPECT_EQ(logger.Receive("O! 000100 0000\r").bytes, "\r\nERROR\r\n>");
}

TEST(SimulatedLoggerTest, FaultsOnRequest) {
    SimulatedLogger logger = Standard();
    logger.SetFaults({.garbleEchoes = 1});
    EXPECT_EQ(logger.Receive("I?").bytes, "I#");
    EXPECT_EQ(logger.Receive("\x1bI?").bytes, "I?");  // one command garbled, then sound again

    logger.SetFaults({.dropPrompts = 1, .corruptReplies = 1});
    logger.Receive("\x10");
    EXPECT_EQ(logger.Receive("Z?\r").bytes, "\r\nXRROR\r\n");
    EXPECT_EQ(logger.Receive("Z?\r").bytes, "\r\nERROR\r\n>");

    const int taken = logger.CommandCount();
    logger.SetFaults({.muteAfter = taken + 1});
    EXPECT_EQ(logger.Receive(" \r").bytes, "\r\n>");
    EXPECT_EQ(logger.Receive(" \r").bytes, "");
    EXPECT_EQ(logger.Receive(" \r").bytes, "");

    logger.SetFaults({.closeAfter = logger.CommandCount()});
    const auto dropped = logger.Receive("I?\r");
    EXPECT_TRUE(dropped.closeLink);
    EXPECT_EQ(dropped.bytes, "");
}

// Each time the logger leaves the link waiting for an answer it will not give counts once, so that a test
// can skip the time-out; answers and wake-ups do not count.
TEST(SimulatedLoggerTest, EachAnswerLeftUnsaidCountsAsASilence) {
    SimulatedLogger logger = Standard();
    logger.Receive("\x10");  // line mode
    const auto silencesAfter = [&logger](const std::string& input) {
        logger.Receive(input);
        return logger.Silences();
    };
    EXPECT_EQ(silencesAfter("Z?\r"), 0);
    logger.SetFaults({.dropPrompts = 1});
    EXPECT_EQ(silencesAfter("Z?\r"), 1);
    logger.SetFaults({.silentCommand = "Z?"});
    EXPECT_EQ(silencesAfter("Z?\r"), 2);
    logger.SetFaults({});
    logger.ChangeState([](LoggerState& s) { s.unansweredCommands = {"I?"}; });
    EXPECT_EQ(silencesAfter("I?\r"), 3);
    logger.SetFaults({.muteAfter = logger.CommandCount()});
    EXPECT_EQ(silencesAfter("Z?\r"), 4);  // taken, then nothing said
    EXPECT_EQ(silencesAfter("Z?\r"), 5);  // each input while muted
    logger.SetFaults({});
    EXPECT_EQ(silencesAfter("S!\r"), 6);  // the farewell
    EXPECT_EQ(silencesAfter("Z"), 6);     // the wake-up
}

}  // namespace
