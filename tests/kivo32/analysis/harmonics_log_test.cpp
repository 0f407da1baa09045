// The harmonics logs of scripted runs on a fixed clock, against golden files: both options, the raw
// data off, both off; the run numbers (past 99 too), the ordinals, a run over a day, the logger ID in the file name,
// and a write failure that keeps the raw-data file.
#include "kivo32/analysis/harmonics_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "kivo32/analysis/harmonics_analysis.h"
#include "kivo32/analysis/harmonics_log_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

namespace fs = std::filesystem;

// 2026-03-05 14:30:00 UTC (the tests run in UTC).
constexpr std::time_t kStart = 1772721000;

fs::path GoldenFile(const std::string& name) {
    return fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "harmonics" / name;
}

// One cycle of 128 points: 230 V RMS with a 4 % fifth, 10 A RMS with a 20 % third, counts of 1/100.
std::vector<std::int32_t> Capture(double volts) {
    std::vector<std::int32_t> buffer(kCaptureBufferEntries);
    for (int i = 0; i < 128; ++i) {
        const double angle = 2 * std::numbers::pi * i / 128;
        const double v =
            volts * std::sqrt(2.0) * (std::sin(angle + 0.3) + 0.04 * std::sin(5 * (angle + 0.3)));
        const double a = 10 * std::sqrt(2.0) * (std::sin(angle - 0.5) + 0.2 * std::sin(3 * (angle - 0.5)));
        buffer[i] = static_cast<std::int32_t>(std::lround(a * 100));
        buffer[kCaptureVoltageOffset + i] = static_cast<std::int32_t>(std::lround(v * 100));
    }
    return buffer;
}

class HarmonicsLogTest : public ::testing::Test {
protected:
    HarmonicsLogTest() {
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "harmonics");
        texts.Merge(testsupport::LoadResourceTexts("en", "datafile"));
        SetProgramTexts(std::move(texts));
    }
    ~HarmonicsLogTest() override { SetProgramTexts({}); }

    // A logged run of `captures` captures, `step` seconds apart, on channel `channel`.
    void Run(CHarmonicsLog& log, HarmonicLogOptions options, int captures, std::time_t step = 2,
             int channel = 1) {
        analysis.ClearStatistics();
        log.Start(options);
        for (int i = 0; i < captures; ++i) {
            ASSERT_TRUE(analysis.ProcessCapture(Capture(230.0 + i), kScales, channel - 1));
            log.AddCapture(channel);
            now += step;
        }
        log.Stop();
    }

    static constexpr CaptureScales kScales{0.01f, 0.01f};
    testsupport::TempFolder folder;
    testsupport::ScriptedUiBroker broker;
    std::time_t now = kStart;
    CHarmonicsAnalysis analysis{CaptureGeometry::For(1, true)};
    CHarmonicsLog log{analysis, folder.path(), "SITE01", [this] { return now; }};
};

TEST_F(HarmonicsLogTest, ScriptedRunsWriteTheGoldenLogs) {
    struct Case {
        HarmonicLogOptions options;
        HarmonicsMode mode;
        const char* golden;
    };
    const Case cases[] = {
        {{true, true}, HarmonicsMode::PercentOfFundamental, "summary-and-raw.csv"},
        {{true, false}, HarmonicsMode::PercentOfTotal, "summary-only.csv"},
        {{false, false}, HarmonicsMode::PercentOfFundamental, "neither.csv"},
    };
    int run = 0;
    for (const Case& c : cases) {
        analysis.SetMode(c.mode);
        Run(log, c.options, 3);
        ++run;
        const std::string written = testsupport::ReadWholeFile(log.CsvPath());
        EXPECT_EQ(log.CsvPath().filename().string(),
                  "Harmonics Log SITE01 Ch1-0" + std::to_string(run) + ".csv");
        EXPECT_EQ(written, testsupport::ReadWholeFile(GoldenFile(c.golden))) << c.golden;
        EXPECT_EQ(written.find('\n'), written.find("\r\n") + 1) << c.golden;
    }
    EXPECT_FALSE(
        fs::exists(folder.path() / "Harmonics Log SITE01 Ch1-01 Raw Data.txt"));  // copied, then gone
}

TEST_F(HarmonicsLogTest, EveryCaptureGivesOneRawLine) {
    for (int captures : {1, 4}) {
        Run(log, {false, true}, captures, 2, 2);
        const std::string written = testsupport::ReadWholeFile(log.CsvPath());
        const std::string columns = "Date,Time,Volts DC,Fundamental,2nd Harmonic,";
        const std::size_t raw = written.find(columns);
        ASSERT_NE(raw, std::string::npos);
        std::size_t lines = 0;
        for (std::size_t at = written.find("\r\n", raw); at + 2 < written.size();
             at = written.find("\r\n", at + 2)) {
            ++lines;
            const std::size_t next = written.find("\r\n", at + 2);
            const std::string line = written.substr(at + 2, next - at - 2);
            EXPECT_EQ(std::count(line.begin(), line.end(), ','), 65) << line;  // 66 columns
        }
        EXPECT_EQ(lines, static_cast<std::size_t>(captures));
        const std::string noSummary = LoadText(IDS_HLOG_NO_SUMMARY);
        EXPECT_NE(written.find(noSummary.substr(0, noSummary.find('\n'))), std::string::npos);
    }
    EXPECT_EQ(log.CsvPath().filename().string(), "Harmonics Log SITE01 Ch2-02.csv");
}

TEST_F(HarmonicsLogTest, ARunPastTheNinetyNinthTakesTheNextFreeNumber) {
    const auto logOf = [this](int run, const char* suffix) {
        return folder.path() / ("Harmonics Log SITE01 Ch1-" + std::string(run < 10 ? "0" : "") +
                                std::to_string(run) + suffix);
    };
    for (int run = 1; run <= 99; ++run) {
        testsupport::WriteWholeFile(logOf(run, ".csv"), "kept");
    }
    testsupport::WriteWholeFile(logOf(99, " Raw Data.txt"), "kept");
    Run(log, {true, true}, 1);
    EXPECT_EQ(log.CsvPath(), logOf(100, ".csv"));
    EXPECT_EQ(testsupport::ReadWholeFile(logOf(99, ".csv")), "kept");
    EXPECT_EQ(testsupport::ReadWholeFile(logOf(99, " Raw Data.txt")), "kept");
    Run(log, {false, false}, 1);
    EXPECT_EQ(log.CsvPath(), logOf(101, ".csv"));
}

TEST_F(HarmonicsLogTest, TheDurationCountsEveryHourOfARun) {
    struct Case {
        int captures;
        std::time_t step;
        const char* line;
    };
    const Case cases[] = {
        {1, 5, "03/05/26,14:30:00,03/05/26,14:30:05,00:00:05,1"},
        {2, 45000, "03/05/26,14:30:00,03/06/26,15:30:00,25:00:00,2"},
    };
    for (const Case& c : cases) {
        now = kStart;
        Run(log, {false, false}, c.captures, c.step);
        EXPECT_NE(testsupport::ReadWholeFile(log.CsvPath()).find(std::string(c.line) + "\r\n\r\n"),
                  std::string::npos)
            << c.line;
    }
}

TEST_F(HarmonicsLogTest, TheLoggerIdIsMadeFitForAFileName) {
    EXPECT_EQ(CHarmonicsLog::IdForFileName("SITE01"), "SITE01");
    EXPECT_EQ(CHarmonicsLog::IdForFileName("A/B:C*"), "A_B_C_");
    EXPECT_EQ(CHarmonicsLog::IdForFileName("..  "), "");
    EXPECT_EQ(CHarmonicsLog::IdForFileName(std::string("AB\0CD", 5)), "AB");
    EXPECT_EQ(CHarmonicsLog::FirstRunPath("/data", "N/1", 3), fs::path("/data/Harmonics Log N_1 Ch3-01.csv"));
    CHarmonicsLog odd(analysis, folder.path(), "../X", [this] { return now; });
    Run(odd, {false, false}, 1);
    EXPECT_EQ(odd.CsvPath(), folder.path() / "Harmonics Log .._X Ch1-01.csv");
}

// A CSV log on a full disk.
class FullDiskLog : public CHarmonicsLog {
public:
    using CHarmonicsLog::CHarmonicsLog;

protected:
    void OpenForWriting(std::ofstream& file, const fs::path& path) override {
        file.open(path.extension() == ".csv" ? fs::path("/dev/full") : path, std::ios::binary);
    }
};

TEST_F(HarmonicsLogTest, AWriteFailureKeepsTheRawData) {
    FullDiskLog full(analysis, folder.path(), "SITE01", [this] { return now; });
    broker.AnswerMessageBox(IDOK);
    Run(full, {true, true}, 2);
    const fs::path raw = folder.path() / "Harmonics Log SITE01 Ch1-01 Raw Data.txt";
    ASSERT_TRUE(fs::exists(raw));
    const std::string lines = testsupport::ReadWholeFile(raw);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2);
    ASSERT_EQ(broker.Boxes().size(), 1u);  // the summary's failure, shown once
    EXPECT_FALSE(full.IsOn());
}

}  // namespace
