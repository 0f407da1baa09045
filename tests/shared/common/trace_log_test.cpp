// The trace log: line format, switching, the file's life across runs, long lines and threads.
#include "shared/common/trace_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

#include "shared/common/user_data_folder.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

std::vector<std::string> Lines(const fs::path& path) {
    std::vector<std::string> lines;
    std::istringstream content(ReadFile(path));
    for (std::string line; std::getline(content, line);) {
        lines.push_back(line);
    }
    return lines;
}

// "<program>(HH:MM:SS:mmm) <message>" ending in CR.
std::regex LinePattern(const std::string& program, const std::string& message) {
    return std::regex(program + R"(\(\d\d:\d\d:\d\d:[ \d][ \d]\d\) )" + message + "\r");
}

class TraceLogTest : public testing::Test {
protected:
    CTraceLog NewRun(const std::string& program = "Kivo") {
        return CTraceLog(program, [this] { return folder_.path(); });
    }
    fs::path TraceFile() const { return folder_ / "ODSLogFile.txt"; }

    testsupport::TempFolder folder_;
};

TEST_F(TraceLogTest, WritesOnlyWhileOnOrWhenForced) {
    CTraceLog log = NewRun();
    log.WriteLine("while off", false);
    EXPECT_FALSE(fs::exists(TraceFile()));
    log.WriteLine("forced", true);
    log.SetOn(true);
    log.WriteLine("while on", false);
    log.SetOn(false);
    log.WriteLine("off again", false);

    const std::vector<std::string> lines = Lines(TraceFile());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(std::regex_match(lines[0], LinePattern("Kivo", "forced"))) << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1], LinePattern("Kivo", "while on"))) << lines[1];
    EXPECT_EQ(log.Path(), TraceFile());
}

TEST_F(TraceLogTest, EachRunStartsTheFileAfreshAndThenAppends) {
    std::ofstream(TraceFile()) << "a line of an older run\n";
    {
        CTraceLog run = NewRun();
        run.SetOn(true);
        for (const char* message : {"one", "two", "three"}) {
            run.WriteLine(message, false);
        }
        EXPECT_EQ(Lines(TraceFile()).size(), 3u);
    }
    CTraceLog nextRun = NewRun("Teldrin");
    nextRun.SetOn(true);
    nextRun.WriteLine("last", false);
    const std::vector<std::string> lines = Lines(TraceFile());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_match(lines[0], LinePattern("Teldrin", "last"))) << lines[0];
}

TEST_F(TraceLogTest, ALineEndingInALineFeedGetsNoSecondOne) {
    CTraceLog log = NewRun();
    log.WriteLine("ends\n", true);
    log.WriteLine("plain", true);
    const std::vector<std::string> lines = Lines(TraceFile());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(std::regex_match(lines[0], LinePattern("Kivo", "ends")));
}

TEST_F(TraceLogTest, ALongMessageIsCutToTheLineLimit) {
    CTraceLog log = NewRun();
    log.WriteLine(std::string(CTraceLog::kMaxMessage, 'a') + "bcd", true);
    const std::vector<std::string> lines = Lines(TraceFile());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_match(lines[0], LinePattern("Kivo", std::string(CTraceLog::kMaxMessage, 'a'))));
}

TEST_F(TraceLogTest, AFolderThatCannotTakeTheFileLosesTheLineOnly) {
    testsupport::TempFolder parent;
    const fs::path folder = parent / "not yet";
    CTraceLog log("Kivo", [&] { return folder; });
    log.WriteLine("lost", true);
    fs::create_directory(folder);
    log.WriteLine("kept", true);
    const std::vector<std::string> lines = Lines(folder / "ODSLogFile.txt");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_match(lines[0], LinePattern("Kivo", "kept")));

    CTraceLog nowhere("Kivo", [] { return fs::path(); });
    nowhere.WriteLine("no home folder", true);
    EXPECT_EQ(nowhere.Path(), fs::path());
}

TEST_F(TraceLogTest, LinesOfSeveralThreadsStayWholeAndInOrder) {
    CTraceLog log = NewRun();
    log.SetOn(true);
    constexpr int kThreads = 4;
    constexpr int kLines = 250;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&log, t] {
            for (int i = 0; i < kLines; ++i) {
                log.WriteLine("thread " + std::to_string(t) + " line " + std::to_string(i) + " " +
                                  std::string(100, static_cast<char>('a' + t)),
                              false);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const std::vector<std::string> lines = Lines(TraceFile());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLines));
    std::vector<int> next(kThreads, 0);
    const std::regex pattern(R"(Kivo\(\d\d:\d\d:\d\d:[ \d]{2}\d\) thread (\d) line (\d+) ([a-d]{100})\r)");
    for (const std::string& line : lines) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, pattern)) << line;
        const int thread = std::stoi(match[1]);
        EXPECT_EQ(std::stoi(match[2]), next[thread]++);
        EXPECT_EQ(match[3].str(), std::string(100, static_cast<char>('a' + thread)));
    }
}

TEST_F(TraceLogTest, OpensTheTraceFileOnlyOnceItExists) {
    CTraceLog log = NewRun();
    fs::path opened;
    const auto opener = [&](const fs::path& path) {
        opened = path;
        return true;
    };
    EXPECT_FALSE(log.OpenFile(opener));
    EXPECT_EQ(opened, fs::path());

    log.WriteLine("now there is a file", true);
    EXPECT_TRUE(log.OpenFile(opener));
    EXPECT_EQ(opened, TraceFile());
    EXPECT_FALSE(log.OpenFile([](const fs::path&) { return false; }));
}

// The program's own trace log, in the user data folder of the tests' home folder. It lives as long as
// the test program, so each test looks at the lines it added.
class ProgramTraceLogTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(UserDataFolder());
        lines_before_ = AllLines().size();
        SetTraceOn(true);
    }
    void TearDown() override {
        SetTraceOn(false);
        CloseTraceFile();
    }
    static std::vector<std::string> AllLines() { return Lines(UserDataFolder() / "ODSLogFile.txt"); }
    std::vector<std::string> WrittenLines() const {
        const std::vector<std::string> all = AllLines();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(lines_before_, all.size())), all.end()};
    }

    std::size_t lines_before_ = 0;
};

TEST_F(ProgramTraceLogTest, FillsTheValuesBeforeCuttingAndTakesTracedTextAsItStands) {
    const std::string longFormat = std::string(150, '-') + " block %d of %s";
    WriteTraceLine(longFormat.c_str(), 0, 7, "setup");
    Trace("reply: 100% done %s %d");
    TraceString("path /tmp/50%x");
    TraceFormat("Cmd Recv(%d): %s", 12, "OK");

    const std::vector<std::string> lines = WrittenLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(std::regex_match(lines[0], LinePattern("Kivo", std::string(150, '-') + " block 7 of setup")))
        << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1], LinePattern("Kivo", "reply: 100% done %s %d"))) << lines[1];
    EXPECT_TRUE(std::regex_match(lines[2], LinePattern("Kivo", "path /tmp/50%x"))) << lines[2];
    EXPECT_TRUE(std::regex_match(lines[3], LinePattern("Kivo", R"(Cmd Recv\(12\): OK)"))) << lines[3];
}

TEST_F(ProgramTraceLogTest, WritesForcedLinesWhileOffAndNamesTheProgram) {
    SetTraceOn(false);
    EXPECT_FALSE(IsTraceOn());
    TraceFormat("not %s", "written");
    WriteTraceLine("forced %d", 1, 1);
    SetTraceProgramName("Teldrin");
    WriteTraceLine("forced %d", 1, 2);
    SetTraceProgramName("Kivo");

    const std::vector<std::string> lines = WrittenLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(std::regex_match(lines[0], LinePattern("Kivo", "forced 1"))) << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1], LinePattern("Teldrin", "forced 2"))) << lines[1];
}

}  // namespace
