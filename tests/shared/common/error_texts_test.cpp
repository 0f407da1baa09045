// Texts of the ASCII export's result codes.
#include "shared/common/error_texts.h"

#include <gtest/gtest.h>

#include "platform/base/program_texts.h"
#include "tests/support/resource_texts.h"

namespace {

class ErrorTextsTest : public testing::Test {
protected:
    void SetUp() override { SetProgramTexts(testsupport::LoadResourceTexts("en", "common")); }
    void TearDown() override { SetProgramTexts({}); }
};

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
