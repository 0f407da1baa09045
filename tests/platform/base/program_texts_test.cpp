// The process-wide table of the user texts.
#include "platform/base/program_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramTextsTest, AMissingTextIsEmpty) {
    platform::TextTable texts;
    texts.Set(1, "one");
    SetProgramTexts(texts);
    EXPECT_EQ(LoadText(1), "one");
    EXPECT_EQ(LoadText(2), "");
    SetProgramTexts({});
    EXPECT_EQ(LoadText(1), "");
}

}  // namespace
