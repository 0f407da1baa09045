// Texts of system error codes and of the ASCII export's result codes.
#include "shared/common/error_texts.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "shared/common/program_texts.h"
#include "tests/support/resource_texts.h"

namespace {

class ErrorTextsTest : public testing::Test {
protected:
    void SetUp() override { SetProgramTexts(testsupport::LoadResourceTexts("en", "common")); }
    void TearDown() override { SetProgramTexts({}); }
};

TEST_F(ErrorTextsTest, GivesTheSystemsTextOnOneLine) {
    for (int code : {ENOENT, EACCES, EBUSY, EIO}) {
        const std::string text = SystemErrorText(code);
        EXPECT_FALSE(text.empty()) << code;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << code;
        EXPECT_NE(text, "Unknown error") << code;
    }
    EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
    EXPECT_EQ(SystemErrorText(99999), "Unknown error");
    EXPECT_EQ(SystemErrorText(-5), "Unknown error");
}

TEST_F(ErrorTextsTest, NamesEveryExportResult) {
    EXPECT_EQ(ExportStatusText(0), "The export completed without error.");
    EXPECT_EQ(ExportStatusText(2), "The data file holds no data to export.");
    EXPECT_EQ(ExportStatusText(3), "InitFieldArray() error");
    EXPECT_EQ(ExportStatusText(7), "A record of the CSV file could not be written.");
    EXPECT_EQ(ExportStatusText(8), "Unknown error: 8");
    EXPECT_EQ(ExportStatusText(-1), "Unknown error: -1");
    for (int code = 0; code <= 7; ++code) {
        EXPECT_FALSE(ExportStatusText(code).empty()) << code;
    }
}

}  // namespace
