// The terminal window's lines: control characters made visible, line prefixes, received text split over
// pieces, the newest 250 lines kept.
#include "kivo32/tools/terminal_traffic.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> Shown(const std::vector<std::pair<TrafficKind, std::string>>& traffic) {
    CTerminalLines lines;
    for (const auto& [kind, bytes] : traffic) {
        lines.ShowTraffic(kind, bytes);
    }
    return {lines.Lines().begin(), lines.Lines().end()};
}

TEST(TerminalTraffic, TrafficIsShownWithItsControlCharactersMadeVisible) {
    constexpr auto R = TrafficKind::Received;
    constexpr auto S = TrafficKind::Sent;
    constexpr auto N = TrafficKind::Note;
    const struct {
        const char* name;
        std::vector<std::pair<TrafficKind, std::string>> traffic;
        std::vector<std::string> lines;
    } cases[] = {
        {"a reply and its prompt", {{R, "OK\r\n>"}}, {"R:OK[CR/LF]", "R:>"}},
        {"a byte above the letters", {{R, "\xE9"}}, {"R:0xe9"}},
        {"a brace received and sent", {{R, "{"}, {S, "{"}}, {"R:0x7b", "S:{"}},
        {"one space", {{R, " "}, {S, " "}}, {"R:[Space]", "S:[Space]"}},
        {"a line end left over is skipped once", {{R, "\r\n\r\nOK"}}, {"R:[CR/LF]", "R:OK"}},
        {"line feed, lone CR, tab, DLE, ESC, NUL",
         {{R, std::string("a\tb\rc\x10\x1B\0\n", 9)}},
         {"R:a b[CR]c[DLE][ESC]0x0[LF]"}},
        {"a reply in two pieces", {{R, "O"}, {R, "K\r\n"}, {R, ">"}}, {"R:OK[CR/LF]", "R:>"}},
        {"a sent command ends the open line", {{R, ">"}, {S, "I?"}, {R, "I="}}, {"R:>", "S:I?", "R:I="}},
        {"single sent bytes",
         {{S, "\r"}, {S, "\n"}, {S, "\x1B"}, {S, "\x10"}, {S, "\x01"}, {S, "\x7F"}},
         {"S:[CR]", "S:[LF]", "S:[ESC]", "S:[DLE]", "S:0x1", "S:0x7f"}},
        {"nothing sent", {{S, ""}, {S, std::string(1, '\0')}}, {}},
        {"a note", {{N, "WakeLogger()"}}, {"#:WakeLogger()"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Shown(c.traffic), c.lines) << c.name;
    }
}

TEST(TerminalTraffic, TheOldestLinesGoBeyond250) {
    CTerminalLines lines;
    for (int i = 0; i < 260; ++i) {
        lines.ShowTraffic(TrafficKind::Received, std::to_string(i) + "\n");
    }
    ASSERT_EQ(lines.Lines().size(), CTerminalLines::kMaxLines);
    EXPECT_EQ(lines.Lines().front(), "R:10[LF]");
    EXPECT_EQ(lines.Lines().back(), "R:259[LF]");
    lines.AddTrafficLine(TrafficKind::Received, "");
    EXPECT_EQ(lines.Lines().back(), "R:");
    lines.Clear();
    EXPECT_TRUE(lines.Lines().empty());
}

}  // namespace
