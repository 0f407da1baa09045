// The terminal window's raw commands through the session against the logger simulator: the traffic of a
// command traced for the window while its trace is off, the restart that ends the link, a refused
// command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/message.h"
#include "tests/kivo32/session/handler_fixture.h"

namespace sessiontest {
namespace {

class SessionTerminalTest : public HandlerFixture {
protected:
    std::vector<std::string> RunTerminal(std::string command) {
        return Run(platform::Message(WM_SESSION_TERMINAL, 0, platform::MakePayload(std::move(command))));
    }
};

TEST_F(SessionTerminalTest, ACommandsTrafficReachesTheWindowAndTheTraceFlagsComeBack) {
    // The window is open, its trace off.
    app_.SetCommTraceFlags(2);
    const std::size_t receivedBefore = app_.TerminalText().size();
    const std::size_t notesBefore = app_.CommTraceLines().size();
    RunTerminal("i?");
    EXPECT_EQ(app_.GetCommTraceFlags(), 2);
    EXPECT_TRUE(BoxIds().empty());
    // Sent in capitals, byte by byte against the echo or at once.
    std::string sent;
    const std::vector<std::string> notes = app_.CommTraceLines();
    for (std::size_t i = notesBefore; i < notes.size(); ++i) {
        sent += notes[i];
    }
    EXPECT_NE(sent.find("I?"), std::string::npos) << sent;
    // The logger's identification came back.
    EXPECT_GT(app_.TerminalText().size(), receivedBefore + 10);
}

TEST_F(SessionTerminalTest, ARestartAsksTheMainWindowToDisconnect) {
    // The simulated logger drops the link as it restarts.
    RunTerminal("!!restart");
    EXPECT_TRUE(WaitForMainWindow(WM_COMMAND, ID_SESSION_DISCONNECT));
    EXPECT_TRUE(BoxIds().empty());
}

TEST_F(SessionTerminalTest, ACommandTheLoggerRefusesIsTold) {
    Mute();
    broker_.AnswerMessageBox(IDOK);
    RunTerminal("I?");
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_TERMINAL_COMMAND_FAILED});
    EXPECT_EQ(CountOf(WM_COMMAND, ID_SESSION_DISCONNECT), 0);
}

}  // namespace
}  // namespace sessiontest
