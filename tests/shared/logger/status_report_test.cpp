// The logger status report: the base lines, and a Quarven KX's every section against the simulator.
#include <gtest/gtest.h>

#include <numeric>
#include <regex>

#include "platform/base/program_texts.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "tests/shared/logger/logger_link_fixture.h"
#include "tests/support/resource_texts.h"

namespace {

using testsupport::Transport;

std::string Joined(const std::vector<std::string>& lines) {
    return std::accumulate(lines.begin(), lines.end(), std::string());
}

// The report's labels are the program's English texts.
class StatusReportTest : public testsupport::LoggerLinkFixture {
protected:
    void SetUp() override {
        testsupport::LoggerLinkFixture::SetUp();
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "logger");
        texts.Merge(testsupport::LoadResourceTexts("en", "datafile"));
        SetProgramTexts(std::move(texts));
    }
    void TearDown() override {
        testsupport::LoggerLinkFixture::TearDown();
        SetProgramTexts({});
    }
};

TEST_P(StatusReportTest, AKxReportHasAllItsSections) {
    ASSERT_TRUE(Start("quarven-kx"));
    // A round record size for the room the report works out.
    Logger().ChangeState([](LoggerState& s) { s.recordSize = 32; });
    app_.Set(CAppContext::Flag::ShiftHeld, true);
    std::vector<std::string> lines;
    ASSERT_EQ(Run([&] { return Object().BuildStatusReport(lines); }), 1);
    for (const std::string& line : lines) {
        EXPECT_TRUE(line.ends_with("\r\n")) << line;
    }
    const std::string report = Joined(lines);
    // In the order they come.
    const char* const sections[] = {
        "Model:\tQuarven KX\r\n",
        "Logger ID:\t400014\r\n",
        "Active setup:\tActive setup\r\n",
        "Clock:\t13:05:09 03/07/24\r\n",
        "250 records logged, room for 32384 records",
        "Serial Number:\t400013\r\n",
        "Build:\t1.234, final\r\n",
        "Messages:\tBattery low\r\n\t\tService due\r\n",
        "Analog Channels:\r\nCh.  1 Analog 4 - 20ma : = ",
        "Network:\r\n\r\n",
        "IP Address:\t192.168.1.10\r\n",
        "WiFi module.\r\n",
        "SSID:\tSite, north\r\n",
        "WiFly files:\r\n",
        "config.txt",
    };
    std::size_t at = 0;
    for (const char* section : sections) {
        const std::size_t found = report.find(section, at);
        EXPECT_NE(found, std::string::npos) << section << "\nin\n" << report;
        if (found != std::string::npos) {
            at = found;
        }
    }
    // The analog input's current value, which moves, to six places.
    EXPECT_TRUE(std::regex_search(report, std::regex("Analog 4 - 20ma : = [0-9]+\\.[0-9]{6}\r\n"))) << report;
}

TEST_P(StatusReportTest, TheClockShowsItsDateAsTheGridShowsThatDay) {
    struct Case {
        const char* shortDate;
        const char* line;
    };
    // The logger's clock reads 7 March 2024.
    const Case cases[] = {{"MM/dd/yy", "Clock:\t13:05:09 03/07/24\r\n"},
                          {"dd/MM/yyyy", "Clock:\t13:05:09 07/03/2024\r\n"},
                          {"yyyy-MM-dd", "Clock:\t13:05:09 2024-03-07\r\n"}};
    ASSERT_TRUE(Start("standard"));
    for (const Case& c : cases) {
        app_.shortDateFormat = c.shortDate;
        std::vector<std::string> lines;
        ASSERT_EQ(Run([&] { return Object().BuildStatusReport(lines); }), 1);
        EXPECT_NE(Joined(lines).find(c.line), std::string::npos) << c.shortDate << "\n" << Joined(lines);
    }
}

TEST_P(StatusReportTest, AnRsWithAnOldBuildLeavesOutItsLaterSections) {
    struct Case {
        const char* firmware;
        bool general;
        bool modules;
    };
    const Case cases[] = {{"NX401.200", false, true}, {"NX401.150", false, false}, {"NX401.234", true, true}};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.firmware);
        ASSERT_TRUE(Connect("quarven-rs"));
        Logger().ChangeState([&](LoggerState& s) { s.firmwareText = test.firmware; });
        // Identified again, so that the session starts from the changed record.
        ASSERT_EQ(Run([this] { return link_->IdentifyLogger() && Object().InitializeSession(); }), 1);
        std::vector<std::string> lines;
        ASSERT_EQ(Run([&] { return Object().BuildStatusReport(lines); }), 1);
        const std::string report = Joined(lines);
        EXPECT_EQ(report.find("Serial Number:") != std::string::npos, test.general) << report;
        EXPECT_EQ(report.find("Network:") != std::string::npos, test.modules) << report;
    }
}

TEST_P(StatusReportTest, AnUnknownRecordSizeDividesByOne) {
    ASSERT_TRUE(Start("quarven-rs"));
    Logger().ChangeState([](LoggerState& s) { s.recordSize = 0; });
    std::vector<std::string> lines;
    ASSERT_EQ(Run([&] { return Object().BuildStatusReport(lines); }), 1);
    EXPECT_NE(Joined(lines).find("room for 1036288 records"), std::string::npos) << Joined(lines);
}

TEST_P(StatusReportTest, WithoutASessionTheReportSaysSo) {
    CConnectionDirect unlinked({nullptr, &app_}, "", 19200);
    const auto object = CreateDataLogger(&unlinked, 1);
    std::vector<std::string> lines;
    ASSERT_EQ(object->BuildStatusReport(lines), 1);
    EXPECT_EQ(lines, std::vector<std::string>{"No logger is connected.\r\n"});
}

INSTANTIATE_TEST_SUITE_P(Links, StatusReportTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
