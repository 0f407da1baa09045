// Filling the placeholders of table texts in both styles, and the placeholder lists that compare them.
#include "platform/base/text_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/program_texts.h"

namespace {

struct FillCase {
    std::string text;
    std::string expected;
};

TEST(TextFormatTest, PrintfConversionsTakeTheValuesInOrderAndNeverMoreThanGiven) {
    const std::vector<FillCase> cases = {
        {"%s (%s %ld).", "Lost ( 104)."},       {"100%% at %s", "100% at Lost"},
        {"%s %s %s %n %d", "Lost  104  "},  // more conversions than values
        {"%-5.2s|%02X|%", "Lost||%"},           {"%hhu%lld%zu%5.1f", "Lost104"},
        {"50%, 100 %", "50%, 100 %"},  // a "%" that starts no conversion stays
        {"Record %d at %s", "Record Lost at "}, {"", ""},
    };
    for (const FillCase& test : cases) {
        EXPECT_EQ(platform::FillPrintfPlaceholders(test.text, {"Lost", "", "104"}), test.expected)
            << test.text;
    }
    // A value that looks like a format is never read as one.
    EXPECT_EQ(platform::FillPrintfPlaceholders("File %s", {"a%s%d.sut"}), "File a%s%d.sut");
}

TEST(TextFormatTest, NumberedPlaceholdersTakeTheirValuesAndEverythingElseStays) {
    const std::vector<FillCase> cases = {
        {"Save changes to %1?", "Save changes to a%2b.sut?"},
        {"between %1 and %2", "between a%2b.sut and 10"},
        {"%2 before %1", "10 before a%2b.sut"},
        {"100% sure, %3 stays", "100% sure, %3 stays"},
        {"%s and %d stay", "%s and %d stay"},
        {"ends in %", "ends in %"},
    };
    for (const FillCase& test : cases) {
        // A value that holds a placeholder is never filled itself.
        EXPECT_EQ(platform::FillNumberedPlaceholders(test.text, {"a%2b.sut", "10"}), test.expected)
            << test.text;
    }
}

TEST(TextFormatTest, ALoadedTextIsFilledPrintfStyle) {
    platform::TextTable texts;
    texts.Set(7, "Port %s: %d bytes");
    SetProgramTexts(texts);
    EXPECT_EQ(platform::FormatLoadedText(7, {"ttyS0", "12"}), "Port ttyS0: 12 bytes");
    EXPECT_EQ(platform::FormatLoadedText(7, {}), "Port :  bytes");
    EXPECT_EQ(platform::FormatLoadedText(8, {"ttyS0"}), "");
    SetProgramTexts({});
}

TEST(TextFormatTest, PlaceholdersAreListedInOrderAsWritten) {
    using List = std::vector<std::string>;
    EXPECT_EQ(platform::TextPlaceholders("%s at %ld of %d, 100%%"), (List{"%s", "%ld", "%d", "%%"}));
    EXPECT_EQ(platform::TextPlaceholders("Save %1 as %2?"), (List{"%1", "%2"}));
    EXPECT_EQ(platform::TextPlaceholders("%-5.2s|%02X"), (List{"%-5.2s", "%02X"}));
    EXPECT_EQ(platform::TextPlaceholders("50%, trailing %"), List{});
    // The same placeholders in another order are not the same list.
    EXPECT_NE(platform::TextPlaceholders("%d %s"), platform::TextPlaceholders("%s %d"));
}

}  // namespace
