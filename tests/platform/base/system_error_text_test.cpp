// The system's text of an error code.
#include "platform/base/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/base/program_texts.h"
#include "tests/support/resource_texts.h"

namespace {

class SystemErrorTextTest : public testing::Test {
protected:
    void SetUp() override { SetProgramTexts(testsupport::LoadResourceTexts("en", "common")); }
    void TearDown() override { SetProgramTexts({}); }
};

TEST_F(SystemErrorTextTest, GivesTheSystemsTextOnOneLine) {
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

}  // namespace
