// The CSV line reader: every line whole whatever the file's size and wherever a line meets the end of
// what one read of the file brings, the longest lines in pieces, and one reader used for several files.
#include "shared/datafile/csv_line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/temp_folder.h"

namespace {

using datafiletest::WriteFileText;

constexpr std::size_t kMegabyte = 1024 * 1024;

struct GivenLine {
    std::string text;
    bool ended;
};

std::vector<GivenLine> ReadAllLines(CsvLineReader& reader) {
    std::vector<GivenLine> lines;
    std::string_view line;
    while (reader.ReadLine(line)) {
        lines.push_back({std::string(line), reader.LineEnded()});
    }
    return lines;
}

struct LineCase {
    const char* name;
    std::string text;
    std::vector<GivenLine> expected;
};

std::vector<LineCase> LineCases() {
    const std::string filler(kMegabyte - 3, 'a');
    const std::string longest(CsvLineReader::kMaxLineLength, 'b');
    return {
        {"a short file", "x,1\r\ny,2\nz", {{"x,1", true}, {"y,2", true}, {"z", false}}},
        {"an empty file", "", {}},
        {"a line across the end of the first read", filler + "\r\nxyz\r\nlast\r\n",
         {{filler, true}, {"xyz", true}, {"last", true}}},
        {"a CR LF split by the end of the first read", "head\r\n" + filler.substr(6) + "cd\r\nnext\r\n",
         {{"head", true}, {filler.substr(6) + "cd", true}, {"next", true}}},
        {"a line longer than the longest comes in pieces", longest + "tail\r\nnext",
         {{longest, true}, {"tail", true}, {"next", false}}},
    };
}

TEST(CsvLineReader, GivesEveryLineWholeWhereverItMeetsTheEndOfARead) {
    testsupport::TempFolder folder;
    for (const LineCase& c : LineCases()) {
        SCOPED_TRACE(c.name);
        WriteFileText(folder / "lines.csv", c.text);
        CsvLineReader reader;
        CPSTFileException error;
        ASSERT_TRUE(reader.Open(folder / "lines.csv", error));
        const std::vector<GivenLine> lines = ReadAllLines(reader);
        ASSERT_EQ(lines.size(), c.expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].text, c.expected[i].text) << "line " << i;
            EXPECT_EQ(lines[i].ended, c.expected[i].ended) << "line " << i;
        }
    }
}

TEST(CsvLineReader, OneReaderReadsAShortFileThenALongerOneAndRewinds) {
    testsupport::TempFolder folder;
    WriteFileText(folder / "short.csv", "a\r\n");
    const std::string wide(3000, 'w');
    std::string longer;
    for (int i = 0; i < 1000; ++i) {
        longer += wide + std::to_string(i) + "\r\n";
    }
    WriteFileText(folder / "longer.csv", longer);

    CsvLineReader reader;
    CPSTFileException error;
    ASSERT_TRUE(reader.Open(folder / "short.csv", error));
    EXPECT_EQ(ReadAllLines(reader).size(), 1u);
    ASSERT_TRUE(reader.Open(folder / "longer.csv", error));
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<GivenLine> lines = ReadAllLines(reader);
        ASSERT_EQ(lines.size(), 1000u);
        EXPECT_EQ(lines[0].text, wide + "0");
        EXPECT_EQ(lines[999].text, wide + "999");
        EXPECT_TRUE(reader.AtEnd());
        reader.Rewind();
    }
    EXPECT_FALSE(reader.Open(folder / "missing.csv", error));
}

}  // namespace
