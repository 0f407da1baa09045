// The firmware transfer: records checked, converted and merged by table, and small ".hex" files sent
// to the simulator with its answers going wrong, the user stopping it and a damaged file.
#include "shared/logger/firmware_transfer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <thread>
#include <vector>

#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Transport;
using Bytes = std::vector<std::uint8_t>;

// The text of one record, checksum included.
std::string HexLine(unsigned address, int type, const Bytes& data) {
    Bytes bytes{static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(address >> 8),
                static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(type)};
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const std::uint8_t byte : bytes) {
        sum += byte;
    }
    bytes.push_back(static_cast<std::uint8_t>(-sum & 0xFF));
    std::string line = ":";
    char pair[3];
    for (const std::uint8_t byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", byte);
        line += pair;
    }
    return line;
}

Bytes Filled(std::size_t n, std::uint8_t first) {
    Bytes data(n);
    for (std::size_t i = 0; i < n; ++i) {
        data[i] = static_cast<std::uint8_t>(first + i);
    }
    return data;
}

// The binary form of records, as FormatHexBytes makes it.
Bytes Binary(const std::vector<std::string>& lines) {
    Bytes buffer;
    for (const std::string& line : lines) {
        EXPECT_TRUE(FormatHexBytes(line, buffer)) << line;
    }
    return buffer;
}

TEST(HexRecordTest, AWholeRecordIsValid) {
    const std::string good = HexLine(0x1000, 0, Filled(16, 0));
    struct Case {
        std::string line;
        bool valid;
    };
    std::string badChecksum = good;
    badChecksum.back() = badChecksum.back() == '0' ? '1' : '0';
    const Case cases[] = {
        {good, true},
        {":00000001FF", true},                    // the end record
        {badChecksum, false},
        {good.substr(1), false},                  // no ':'
        {good.substr(0, good.size() - 1), false}, // an odd digit count
        {":0100000G41BE", false},                 // not hex
        {":0200000041BD", false},                 // a length the data does not have
        {":0000", false},                         // shorter than a record
    };
    for (const Case& test : cases) {
        EXPECT_EQ(IsValidHexRecord(test.line), test.valid) << test.line;
    }
}

TEST(HexRecordTest, FormatHexBytesRecomputesTheChecksum) {
    Bytes buffer{0xAA};
    ASSERT_TRUE(FormatHexBytes(":0100100041FF", buffer));  // a wrong checksum is not copied
    EXPECT_EQ(buffer, (Bytes{0xAA, ':', 0x01, 0x00, 0x10, 0x00, 0x41, 0xAE}));
    EXPECT_FALSE(FormatHexBytes(":01XX", buffer));
    EXPECT_EQ(buffer.size(), 8u);
}

TEST(HexRecordTest, MergingDataRecordsThatContinue) {
    struct Case {
        const char* name;
        std::vector<std::string> records;
        std::vector<std::string> merged;
    };
    const Case cases[] = {
        {"continuing", {HexLine(0x1000, 0, Filled(16, 0)), HexLine(0x1010, 0, Filled(16, 16))},
         {HexLine(0x1000, 0, Filled(32, 0))}},
        {"gap", {HexLine(0x1000, 0, Filled(16, 0)), HexLine(0x1020, 0, Filled(16, 16))},
         {HexLine(0x1000, 0, Filled(16, 0)), HexLine(0x1020, 0, Filled(16, 16))}},
        {"three", {HexLine(0x10, 0, Filled(4, 0)), HexLine(0x14, 0, Filled(4, 4)), HexLine(0x18, 0, Filled(4, 8))},
         {HexLine(0x10, 0, Filled(12, 0))}},
        {"not data", {HexLine(0, 4, {0x00, 0x01}), HexLine(0x0002, 0, Filled(4, 0))},
         {HexLine(0, 4, {0x00, 0x01}), HexLine(0x0002, 0, Filled(4, 0))}},
        {"after an end", {HexLine(0, 1, {}), HexLine(0, 0, Filled(4, 0))}, {HexLine(0, 1, {}), HexLine(0, 0, Filled(4, 0))}},
        {"255 at most", {HexLine(0, 0, Filled(240, 0)), HexLine(240, 0, Filled(16, 0))},
         {HexLine(0, 0, Filled(240, 0)), HexLine(240, 0, Filled(16, 0))}},
        {"up to 255", {HexLine(0, 0, Filled(240, 0)), HexLine(240, 0, Filled(15, 240))}, {HexLine(0, 0, Filled(255, 0))}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Bytes buffer = Binary(test.records);
        const std::size_t before = buffer.size();
        MergeHexRecords(buffer);
        EXPECT_EQ(buffer, Binary(test.merged));
        EXPECT_EQ(before - buffer.size(), 6 * (test.records.size() - test.merged.size()));
    }
}

class FirmwareTransferTest : public testsupport::LoggerLinkFixture {
protected:
    // `records` data records of 16 bytes from 0x0100 on, an address record first, and the end tag.
    std::string WriteHexFile(int records, bool endTag = true, const std::string& damaged = {}) {
        const std::string path = (folder_ / "firmware.hex").string();
        std::ofstream file(path, std::ios::binary);
        file << "; build 42\r\n" << HexLine(0, 4, {0x00, 0x00}) << "\r\n";
        image_.clear();
        for (int i = 0; i < records; ++i) {
            const unsigned address = 0x0100 + 16 * static_cast<unsigned>(i);
            const Bytes data = Filled(16, static_cast<std::uint8_t>(i));
            for (std::size_t b = 0; b < data.size(); ++b) {
                image_[address + b] = data[b];
            }
            file << HexLine(address, 0, data) << "\r\n";
            if (i == records / 2 && !damaged.empty()) {
                file << damaged << "\r\n";
            }
        }
        file << HexLine(0, 1, {}) << "\r\n\r\n";
        if (endTag) {
            file << ";CRC32=1A2B3C4D\r\n";
        }
        return path;
    }

    int Send(const std::string& path) {
        return Run([&] { return Object().SendFirmwareFile(path); });
    }

    testsupport::TempFolder folder_;
    std::map<std::uint32_t, std::uint8_t> image_;
};

TEST_P(FirmwareTransferTest, TheFileArrivesWholeInBlocksOfTheFirmwaresSize) {
    struct Case {
        int sessionVersion;
        bool largeBlocks;
        std::size_t blockSize;
    };
    const Case cases[] = {{334, true, 512}, {266, false, 256}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.blockSize);
        ASSERT_TRUE(Start("quarven-rs"));
        session_.SetFirmwareVersion(test.sessionVersion);
        Logger().ChangeState([&](LoggerState& s) { s.largeFirmwareBlocks = test.largeBlocks; });
        EXPECT_EQ(Send(WriteHexFile(120)), 0);
        const LoggerState::ProgramTransfer program = Logger().State().program;
        EXPECT_EQ(program.image, image_);
        EXPECT_EQ(program.textLines, std::vector<std::string>{";CRC32=1A2B3C4D"});
        EXPECT_FALSE(program.abandoned);
        EXPECT_GE(program.blockSizes.size(), 1920 / test.blockSize);
        for (const std::size_t size : program.blockSizes) {
            EXPECT_LE(size, test.blockSize);
        }
        EXPECT_FALSE(Logger().State().binaryReplies);  // hex replies again
        // Every record and the end tag counted, once their block went through.
        const auto counters = Object().GetTransferCounters();
        EXPECT_GT(counters->total.load(), 120u * 16 * 2);
        EXPECT_EQ(counters->done.load(), counters->total.load());
    }
}

TEST_P(FirmwareTransferTest, AFileWithoutItsEndTagIsSentToItsEnd) {
    ASSERT_TRUE(Start("quarven-rs"));
    EXPECT_EQ(Send(WriteHexFile(3, false)), 0);
    const LoggerState::ProgramTransfer program = Logger().State().program;
    EXPECT_EQ(program.image, image_);
    EXPECT_TRUE(program.textLines.empty());
    EXPECT_FALSE(program.abandoned);
}

TEST_P(FirmwareTransferTest, TheLoggersAnswersStopOrRepeatABlock) {
    struct Case {
        int resends;
        int errors;
        int result;
    };
    // One "RESEND" costs a send; three end the transfer, as "ERROR" does at once. Both abandon it.
    const Case cases[] = {{1, 0, 0}, {3, 0, 8}, {0, 1, 5}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.result);
        ASSERT_TRUE(Start("quarven-rs"));
        SimulatorFaults faults;
        faults.resendBlocks = test.resends;
        faults.errorBlocks = test.errors;
        Logger().SetFaults(faults);
        EXPECT_EQ(Send(WriteHexFile(120)), test.result);
        const LoggerState::ProgramTransfer program = Logger().State().program;
        EXPECT_EQ(program.abandoned, test.result != 0);
        if (test.result == 0) {
            EXPECT_EQ(program.image, image_);
        } else {
            EXPECT_TRUE(program.blockSizes.empty());  // nothing more after the first block failed
            EXPECT_TRUE(program.textLines.empty());
            EXPECT_EQ(Object().GetTransferCounters()->done.load(), 0u);
        }
    }
}

TEST_P(FirmwareTransferTest, ADamagedRecordIsFoundBeforeAnythingIsSent) {
    std::string damaged = HexLine(0x2000, 0, Filled(16, 0));
    damaged.back() = damaged.back() == '0' ? '1' : '0';
    struct Case {
        const char* name;
        std::string line;
        int sessionVersion;
    };
    // A record too long for a block of 256 bytes cannot be sent whole either.
    const Case cases[] = {{"checksum", damaged, 334}, {"too long", HexLine(0x2000, 0, Filled(240, 0)), 266}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(Start("quarven-rs"));
        session_.SetFirmwareVersion(test.sessionVersion);
        const std::string path = WriteHexFile(40, true, test.line);
        const int commands = Logger().CommandCount();
        const std::size_t boxes = boxes_.Asked().size();
        EXPECT_NE(Send(path), 0);
        EXPECT_EQ(Logger().CommandCount(), commands);
        EXPECT_EQ(boxes_.Asked().size(), boxes + 1);
    }

    const int commands = Logger().CommandCount();
    EXPECT_NE(Send((folder_ / "missing.hex").string()), 0);
    EXPECT_EQ(Logger().CommandCount(), commands);
}

TEST_P(FirmwareTransferTest, StoppingItAbandonsTheTransfer) {
    ASSERT_TRUE(Start("quarven-rs"));
    const std::string path = WriteHexFile(400);
    SimulatorFaults faults;
    faults.delayMs = 5;
    Logger().SetFaults(faults);
    std::thread stopper([this] {
        Eventually([this] { return !Logger().State().program.blockSizes.empty(); });
        app_.Set(CAppContext::Flag::Abort, true);
    });
    const int result = Send(path);
    stopper.join();
    app_.Set(CAppContext::Flag::Abort, false);
    EXPECT_EQ(result, CDataLogger::kBlockCancelled);
    const LoggerState::ProgramTransfer program = Logger().State().program;
    // The replies of the stopped block may still be on their way: the abandon command comes behind them.
    EXPECT_TRUE(Eventually([this] { return Logger().State().program.abandoned; }));
    EXPECT_TRUE(program.textLines.empty());
    EXPECT_LT(program.image.size(), image_.size());
}

INSTANTIATE_TEST_SUITE_P(Links, FirmwareTransferTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
