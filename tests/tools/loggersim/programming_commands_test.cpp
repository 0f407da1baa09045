// The simulated logger's programming commands byte for byte: memory writes and their checks, tagged
// blocks, and binary transfer blocks whose bytes include CR, ESC and DLE.
#include "tools/loggersim/programming_commands.h"

#include <gtest/gtest.h>

#include "shared/link/crc16.h"
#include "tools/loggersim/simulated_logger.h"

namespace {

std::string Reply(const std::string& text) {
    return "\r\n" + text + "\r\n>";
}

const LoggerModel& Model(const char* name) {
    return *FindLoggerModel(name);
}

std::string UploadBlock(int number, const std::string& data) {
    std::string block = "O!";
    for (const unsigned value : {unsigned(number), unsigned(data.size())}) {
        block += static_cast<char>(value & 0xFF);
        block += static_cast<char>(value >> 8);
    }
    block += data;
    const unsigned crc = UpdateCrc16(0xFFFF, std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()));
    block += static_cast<char>(crc & 0xFF);
    block += static_cast<char>(crc >> 8);
    return block + "\r";
}

TEST(ProgrammingCommandsTest, MemoryWritesAreCheckedByTheirChecksum) {
    SimulatedLogger logger(Model("ornat2"));
    logger.Receive("\x10");  // line mode: replies without echo
    EXPECT_EQ(logger.Receive("M! 0200 010203\r").bytes, Reply("OK"));
    EXPECT_EQ(logger.Receive("U? 0200 0003\r").bytes, Reply("000B"));
    EXPECT_EQ(logger.Receive("M! B7E2 A5\r").bytes, Reply("OK"));  // the option byte: one byte
    EXPECT_EQ(logger.State().setupMemory[0xB7E2], 0xA5);
    for (const char* bad : {"M! 0200 0102X3\r", "M! 0200 012\r", "M! FFFF 0102\r", "M! 0200\r"}) {
        EXPECT_EQ(logger.Receive(bad).bytes, Reply("ERROR")) << bad;
    }
    EXPECT_EQ(logger.State().setupMemory[0x0200], 0x01);
}

TEST(ProgrammingCommandsTest, ActivationCopiesTheWorkingSetupAndEmptiesTheMemory) {
    SimulatedLogger logger(Model("nimbo-combo1"));
    logger.Receive("\x10");  // line mode: replies without echo
    logger.ChangeState([](LoggerState& s) {
        s.setupMemory[LoggerState::kWorkingSetupAddress + 2] = 'N';
        s.recordPointer = 0x8000;
        s.wraps = true;
    });
    EXPECT_EQ(logger.Receive("W! 0D00 0100\r").bytes, Reply("OK"));
    const LoggerState state = logger.State();
    EXPECT_EQ(state.setupMemory[LoggerState::kActiveSetupAddress + 2], 'N');
    // The header's last bytes tell where the active setup lies.
    EXPECT_EQ(state.setupMemory[LoggerState::kActiveSetupAddress + 57], 0x00);
    EXPECT_EQ(state.setupMemory[LoggerState::kActiveSetupAddress + 56], 0x01);
    EXPECT_EQ(state.recordPointer, state.memoryEnd);
    EXPECT_FALSE(state.wraps);
    EXPECT_EQ(logger.Receive("#!  1\r").bytes, Reply("OK"));
    EXPECT_EQ(logger.State().recordMode, 1);
}

TEST(ProgrammingCommandsTest, TaggedBlocksNeedTheirChecksum) {
    SimulatedLogger logger(Model("quarven-rs"));
    logger.Receive("\x10");  // line mode: replies without echo
    EXPECT_EQ(logger.Receive("T!H0102 =2076\r").bytes, Reply("OK"));
    EXPECT_EQ(logger.State().quarvenBlocks.at('H'), (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(logger.Receive("T!H0102 =2077\r").bytes, Reply("ERROR"));
    EXPECT_EQ(logger.Receive("T?H\r").bytes, Reply("0102=0004"));
}

TEST(ProgrammingCommandsTest, BinaryBlocksAreTakenWholeByTheirLength) {
    SimulatedLogger logger(*FindLoggerModel("quarven-rs"));
    EXPECT_EQ(logger.Receive("R!B\r").bytes, "R!B" + Reply("OK"));
    // A data record at 0x0D1B whose bytes are CR, ESC and DLE; 2-byte length field.
    const std::string records = std::string(":\x03\x0D\x1B\x00\x0D\x1B\x10", 8) + '\x9D';
    std::string block = "P!";
    block += static_cast<char>(records.size());
    block += '\0';
    block += records + "\r";
    EXPECT_EQ(logger.Receive(block).bytes, Reply("OK"));  // no echo of a binary block
    const LoggerState::ProgramTransfer program = logger.State().program;
    EXPECT_EQ(program.image, (std::map<std::uint32_t, std::uint8_t>{{0x0D1B, 0x0D}, {0x0D1C, 0x1B}, {0x0D1D, 0x10}}));
    EXPECT_EQ(program.blockSizes, std::vector<std::size_t>{block.size()});

    block[block.size() - 2] ^= 1;  // the record's checksum
    EXPECT_EQ(logger.Receive(block).bytes, Reply("RESEND"));
    EXPECT_EQ(logger.Receive("PX\r").bytes, "PX" + Reply("ERROR"));  // a held 'P' is echoed after all

    // Uploads count their blocks and close with the CRC of all the data.
    EXPECT_EQ(logger.Receive(UploadBlock(0, "ab\r\x1b")).bytes, Reply("OK"));
    EXPECT_EQ(logger.Receive(UploadBlock(2, "cd")).bytes, Reply("RESEND"));  // out of order
    EXPECT_EQ(logger.Receive(UploadBlock(1, ";NAME=x.bin")).bytes, Reply("OK"));
    const unsigned crc = UpdateCrc16(UpdateCrc16(0xFFFF, std::span(reinterpret_cast<const std::uint8_t*>("ab\r\x1b"), 4)),
                                     std::span(reinterpret_cast<const std::uint8_t*>(";NAME=x.bin"), 11));
    std::string closing = "O!";
    closing += std::string("\x02\x00\x00\x00", 4);
    closing += static_cast<char>(crc & 0xFF);
    closing += static_cast<char>(crc >> 8);
    EXPECT_EQ(logger.Receive(closing + "\r" + std::string(1, '\0')).bytes, Reply("OK"));
    const LoggerState::FileTransfer upload = logger.State().upload;
    EXPECT_EQ(upload.data, (std::vector<std::uint8_t>{'a', 'b', '\r', 0x1B}));
    EXPECT_EQ(upload.name, "x.bin");
    EXPECT_TRUE(upload.closed);
    EXPECT_TRUE(logger.State().moduleUpdate.running);
    EXPECT_EQ(logger.State().moduleUpdate.image, "x.bin");

    // The escape ends binary replies: "P!" is a text command again.
    logger.Receive("\x1b");
    EXPECT_EQ(logger.Receive("P!0\r").bytes, "P!0" + Reply("OK"));
    EXPECT_TRUE(logger.State().program.abandoned);
}

TEST(ProgrammingCommandsTest, AnUploadedModuleImageReportsItsInstallationOnEachMessageQuery) {
    const std::vector<std::vector<std::string>> scripts{
        {"WIFI=PCT0", "(null)", "WIFI=PCT50\nWIFI=PCT90", "<EMPTY>", "WIFI=XMODEMCOMPLETE"},
        {"WIFI=PCT0", "WIFI=XMODEMERROR"},
        {"WIFI=PCT0", "WIFI=XMODEMTIMEOUT"},
        {"WIFI=PCT0", "WIFI=PCT10"},  // an installation that never ends
    };
    for (const std::vector<std::string>& script : scripts) {
        SimulatedLogger logger(Model("quarven-kx"));
        logger.ChangeState([&script](LoggerState& s) { s.moduleUpdate.imageTexts = script; });
        const std::string name = ";NAME=wifly3-445.img";
        logger.Receive("R!B\r");
        ASSERT_EQ(logger.Receive(UploadBlock(0, name)).bytes, Reply("OK"));
        std::string closing = "O!";
        closing += std::string("\x01\x00\x00\x00", 4);
        const unsigned crc =
            UpdateCrc16(0xFFFF, std::span(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
        closing += static_cast<char>(crc & 0xFF);
        closing += static_cast<char>(crc >> 8);
        ASSERT_EQ(logger.Receive(closing + "\r").bytes, Reply("OK"));
        logger.Receive("\x1b");
        EXPECT_EQ(logger.State().moduleUpdate.image, "wifly3-445.img");
        for (const std::string& text : script) {
            EXPECT_EQ(logger.Receive("M?\r").bytes, "M?" + Reply(text));
        }
        EXPECT_EQ(logger.Receive("M?\r").bytes, "M?" + Reply("<EMPTY>"));
    }
}

TEST(ProgrammingCommandsTest, BlocksAnsweredAsAsked) {
    SimulatedLogger logger(Model("quarven-rs"));
    logger.Receive("\x10");  // line mode: replies without echo
    logger.Receive("R!B\r");
    logger.SetFaults({.resendBlocks = 1, .errorBlocks = 1});
    const std::string block = UploadBlock(0, "x");
    EXPECT_EQ(logger.Receive(block).bytes, Reply("ERROR"));
    EXPECT_EQ(logger.Receive(block).bytes, Reply("RESEND"));
    EXPECT_EQ(logger.Receive(block).bytes, Reply("OK"));
}

}  // namespace
