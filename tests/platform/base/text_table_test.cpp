// Tests of the texts-by-id table and its file format.
#include "platform/base/text_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace platform {
namespace {

TEST(TextTableTest, ParsesLinesWithEscapesCommentsAndWindowsLineEnds) {
    const std::string content =
        "# texts of the tests\n"
        "\n"
        "1172\tReady\n"
        "20\tLine one\\nLine two\\tTabbed \\\\ done\r\n"
        "21\t\n"
        "22\tKeeps\ta tab, # and \xE9\n"
        "4294967295\tLast";  // no final line end
    std::string error;
    const auto table = TextTable::Parse(content, &error);
    ASSERT_TRUE(table.has_value()) << error;
    EXPECT_EQ(table->Get(1172), "Ready");
    EXPECT_EQ(table->Get(20), "Line one\nLine two\tTabbed \\ done");
    EXPECT_TRUE(table->Has(21));
    EXPECT_EQ(table->Get(21), "");
    EXPECT_EQ(table->Get(22), "Keeps\ta tab, # and \xE9");
    EXPECT_EQ(table->Get(4294967295u), "Last");
    EXPECT_EQ(table->Size(), 5u);
    EXPECT_FALSE(table->Has(999));
    EXPECT_EQ(table->Get(999), "") << "a missing id gives an empty text";
}

TEST(TextTableTest, AMalformedLineIsAnErrorNamingItsLine) {
    struct Case {
        std::string badLine;
        std::string reason;
    };
    const Case cases[] = {
        {"12 Text without tab", "no tab"},
        {"\tText without id", "not a decimal number"},
        {"x12\tText", "not a decimal number"},
        {"-1\tText", "not a decimal number"},
        {"+1\tText", "not a decimal number"},
        {"12 \tText", "not a decimal number"},
        {"4294967296\tToo big", "not a decimal number"},
        {"12\tUnknown \\q escape", "unknown escape"},
        {"12\tLone backslash \\", "unknown escape"},
        {"10\tTwice", "twice"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.badLine);
        std::string error;
        EXPECT_FALSE(
            TextTable::Parse("# header\n10\tFirst\n\n" + c.badLine + "\n11\tAfter\n", &error).has_value());
        EXPECT_EQ(error.rfind("line 4: ", 0), 0u) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    EXPECT_FALSE(TextTable::Parse("bad").has_value()) << "the error text is optional";
}

TEST(TextTableTest, MergeCombinesAreasWithLaterEntriesWinning) {
    TextTable table;
    table.Set(1, "one");
    table.Set(2, "two");
    TextTable area;
    area.Set(2, "deux");
    area.Set(3, "trois");
    table.Merge(area);
    EXPECT_EQ(table.Get(1), "one");
    EXPECT_EQ(table.Get(2), "deux");
    EXPECT_EQ(table.Get(3), "trois");
}

TEST(TextTableTest, LoadsAFileAndReportsOneItCannotRead) {
    testsupport::TempFolder folder;
    std::ofstream(folder / "en.txt", std::ios::binary) << "5\tFive\n";
    std::ofstream(folder / "bad.txt", std::ios::binary) << "5\tFive\nsix\n";
    std::string error;
    const auto table = TextTable::LoadFile(folder / "en.txt", &error);
    ASSERT_TRUE(table.has_value()) << error;
    EXPECT_EQ(table->Get(5), "Five");

    EXPECT_FALSE(TextTable::LoadFile(folder / "missing.txt", &error).has_value());
    EXPECT_NE(error.find("missing.txt"), std::string::npos) << error;
    EXPECT_FALSE(TextTable::LoadFile(folder / "bad.txt", &error).has_value());
    EXPECT_NE(error.find("bad.txt: line 2"), std::string::npos) << error;
}

TEST(TextTableTest, ATranslationWhosePlaceholdersDifferFallsBackToTheReferenceText) {
    TextTable english;
    english.Set(1, "File %s not found.");
    english.Set(2, "%d records of %s");
    english.Set(3, "Save changes to %1?");
    english.Set(4, "Ready");
    TextTable french;
    french.Set(1, "Fichier %s introuvable.");   // same placeholders: kept
    french.Set(2, "%s : %d enregistrements");   // another order: the values would land wrongly
    french.Set(3, "Enregistrer %1 et %2 ?");    // one more than the caller passes
    french.Set(4, "Pret %s");                   // a conversion where the English text has none
    french.Set(5, "Seulement en francais %s");  // no English text to compare with: kept

    EXPECT_EQ(french.FallBackWherePlaceholdersDiffer(english), (std::vector<unsigned>{2, 3, 4}));
    EXPECT_EQ(french.Get(1), "Fichier %s introuvable.");
    EXPECT_EQ(french.Get(2), "%d records of %s");
    EXPECT_EQ(french.Get(3), "Save changes to %1?");
    EXPECT_EQ(french.Get(4), "Ready");
    EXPECT_EQ(french.Get(5), "Seulement en francais %s");
}

}  // namespace
}  // namespace platform
