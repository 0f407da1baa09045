// Filling "%1" to "%9" of the framework's prompts.
#include "platform/ui/placeholder_text.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaceholderTextTest, PlaceholdersTakeTheirValuesAndEverythingElseStays) {
    struct Case {
        std::string pattern;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"Save changes to %1?", "Save changes to a%2b.sut?"},
        {"between %1 and %2", "between a%2b.sut and 10"},
        {"%2 before %1", "10 before a%2b.sut"},
        {"100% sure, %3 stays", "100% sure, %3 stays"},
        {"ends in %", "ends in %"},
    };
    for (const Case& test : cases) {
        // A value that holds a placeholder is never filled itself.
        EXPECT_EQ(platform::FillPlaceholders(test.pattern, {"a%2b.sut", "10"}), test.expected)
            << test.pattern;
    }
}

}  // namespace
