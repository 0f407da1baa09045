// Tests of the trace sink: starting afresh or appending, line ends, and lines from many threads.
#include "platform/base/trace_sink.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/string_format.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace platform {
namespace {

using testsupport::ReadWholeFile;

TEST(TraceSinkTest, StartsAfreshOrAppendsAndEndsEachLineOnce) {
    testsupport::TempFolder folder;
    const auto path = folder / "ODSLogFile.txt";
    std::ofstream(path, std::ios::binary) << "previous run\r\n";

    TraceSink sink;
    ASSERT_TRUE(sink.Open(path, true));
    EXPECT_TRUE(sink.IsOpen());
    EXPECT_EQ(sink.Path(), path);
    EXPECT_TRUE(sink.WriteLine("first"));
    EXPECT_TRUE(sink.WriteLine("second\n"));
    EXPECT_TRUE(sink.WriteLine("third\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "first\r\nsecond\r\nthird\r\n") << "readable before the sink closes";
    sink.Close();
    EXPECT_FALSE(sink.IsOpen());
    EXPECT_FALSE(sink.WriteLine("dropped"));

    ASSERT_TRUE(sink.Open(path, false));
    EXPECT_TRUE(sink.WriteLine("appended"));
    sink.Close();
    EXPECT_EQ(ReadWholeFile(path), "first\r\nsecond\r\nthird\r\nappended\r\n");

    const auto fresh = folder / "new.txt";
    ASSERT_TRUE(sink.Open(fresh, false)) << "appending to a missing file creates it";
    EXPECT_TRUE(sink.WriteLine("x"));
    EXPECT_EQ(ReadWholeFile(fresh), "x\r\n");
}

TEST(TraceSinkTest, AFileThatCannotBeOpenedDropsLines) {
    testsupport::TempFolder folder;
    TraceSink sink;
    EXPECT_FALSE(sink.Open(folder / "missing" / "trace.txt", true));
    EXPECT_FALSE(sink.IsOpen());
    EXPECT_FALSE(sink.WriteLine("lost"));
}

TEST(TraceSinkTest, LinesFromManyThreadsNeverInterleave) {
    testsupport::TempFolder folder;
    const auto path = folder / "trace.txt";
    TraceSink sink;
    ASSERT_TRUE(sink.Open(path, true));
    constexpr int kThreads = 8;
    constexpr int kLines = 200;
    const std::string padding(150, '.');  // long lines make a torn write likely to show
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kLines; ++i) {
                sink.WriteLine(StringPrintf("thread %d line %d %s", t, i, padding.c_str()));
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    sink.Close();

    std::istringstream lines(ReadWholeFile(path));
    std::set<std::string> seen;
    std::string line;
    while (std::getline(lines, line)) {
        ASSERT_TRUE(line.ends_with(padding + "\r")) << line;
        seen.insert(line);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kThreads * kLines)) << "every line whole and once";
}

}  // namespace
}  // namespace platform
