// Tests of printf-style formatting into strings.
#include "platform/base/string_format.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

TEST(StringFormatTest, FormatsTextsOfAnyLength) {
    EXPECT_EQ(StringPrintf("%s(%3d) %%", "Kivo", 7), "Kivo(  7) %");
    EXPECT_EQ(StringPrintf("%s", ""), "");
    const std::string longText(5000, 'x');
    EXPECT_EQ(StringPrintf("<%s>", longText.c_str()), "<" + longText + ">");
    EXPECT_EQ(StringPrintf("a%cb", '\0'), std::string("a\0b", 3)) << "an embedded NUL must not cut the text";
}

}  // namespace
}  // namespace platform
