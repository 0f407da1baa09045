// The file upload to a Quarven: numbered blocks with their CRC, the name block, the closing record
// only after a whole file, against the simulator.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Transport;

class FileUploadTest : public testsupport::LoggerLinkFixture {
protected:
    // Every byte value, CR and ESC among them, over more than two blocks.
    std::string WriteFile(std::size_t size) {
        data_.resize(size);
        for (std::size_t i = 0; i < size; ++i) {
            data_[i] = static_cast<std::uint8_t>(i * 7);
        }
        const std::string path = (folder_ / "module.img").string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data_.data()),
                                                    static_cast<std::streamsize>(data_.size()));
        return path;
    }

    testsupport::TempFolder folder_;
    std::vector<std::uint8_t> data_;
};

TEST_P(FileUploadTest, TheFileAndItsNameArriveAndTheUploadIsClosed) {
    ASSERT_TRUE(Start("quarven-kx"));
    const std::string path = WriteFile(1200);
    EXPECT_EQ(Run([&] { return Object().ParseNameTag(path, 1); }), 0);
    const LoggerState::FileTransfer upload = Logger().State().upload;
    EXPECT_EQ(upload.data, data_);
    EXPECT_EQ(upload.name, "module.img");
    EXPECT_EQ(upload.blocks, 4);  // 502, 502, 196 and the name
    EXPECT_TRUE(upload.closed);   // the closing record's CRC covers everything sent
    // The counters followed the file's bytes, the name not among them.
    EXPECT_EQ(Object().GetTransferCounters()->total.load(), 1200u);
    EXPECT_EQ(Object().GetTransferCounters()->done.load(), 1200u);

    // Another mode sends nothing.
    const int commands = Logger().CommandCount();
    EXPECT_EQ(Run([&] { return Object().ParseNameTag(path, 2); }), 0);
    EXPECT_EQ(Logger().CommandCount(), commands);
}

TEST_P(FileUploadTest, AFailedBlockLeavesTheUploadUnclosed) {
    struct Case {
        int resends;
        int errors;
        int result;
        int blocks;
    };
    const Case cases[] = {{2, 0, 0, 4}, {3, 0, 8, 0}, {0, 1, 5, 0}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.result);
        ASSERT_TRUE(Start("quarven-rs"));
        const std::string path = WriteFile(1200);
        SimulatorFaults faults;
        faults.resendBlocks = test.resends;
        faults.errorBlocks = test.errors;
        Logger().SetFaults(faults);
        EXPECT_EQ(Run([&] { return Object().ParseNameTag(path, 1); }), test.result);
        const LoggerState::FileTransfer upload = Logger().State().upload;
        EXPECT_EQ(upload.blocks, test.blocks);
        EXPECT_EQ(upload.closed, test.result == 0);
        // A block that did not go through is not counted as done.
        EXPECT_EQ(Object().GetTransferCounters()->done.load(), test.result == 0 ? 1200u : 0u);
    }
}

TEST_P(FileUploadTest, AFileThatCannotBeOpenedSendsNothing) {
    ASSERT_TRUE(Start("quarven-rs"));
    const int commands = Logger().CommandCount();
    EXPECT_NE(Run([&] { return Object().ParseNameTag((folder_ / "none.img").string(), 1); }), 0);
    EXPECT_EQ(Logger().CommandCount(), commands);
    EXPECT_EQ(boxes_.Asked().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Links, FileUploadTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
