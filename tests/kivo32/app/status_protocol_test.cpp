// The connection status window's protocol: fields by status code, the progress bar and its hold, the
// lamps and the clearing of an old status line.
#include "kivo32/app/status_protocol.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "kivo32/app/main_frame_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/resource_texts.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "shared/logger/logger_ids.h"
#include "tests/support/fake_app_context.h"

namespace {

TEST(StatusProtocolTest, TheProgressBarShowsWhileAboveZeroOrHeld) {
    struct Step {
        std::intptr_t value;
        bool visible;
        int position;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"a command's progress, then its end", {{30, true, 30}, {100, true, 100}, {0, false, 0}}},
        {"held at 0, then let go", {{201, true, 0}, {0, true, 0}, {50, true, 50}, {200, false, 0}}},
        {"out of range counts as 0", {{150, false, 0}, {40, true, 40}, {-3, false, 0}, {101, false, 0}}},
        {"a hold outlives the end of a command", {{201, true, 0}, {0, true, 0}, {0, true, 0}}},
    };
    for (const Case& c : cases) {
        CStatusProtocol protocol;
        protocol.Start();
        for (const Step& step : c.steps) {
            protocol.OnStatus(STATUS_COMMAND_DONE, step.value, std::nullopt, nullptr, 0);
            EXPECT_EQ(protocol.Shown().progressVisible, step.visible) << c.name << ", value " << step.value;
            EXPECT_EQ(protocol.Shown().progressPosition, step.position) << c.name << ", value " << step.value;
        }
    }
}

TEST(StatusProtocolTest, EachTextCodeFillsItsFieldAndAnEmptyTextLeavesItAlone) {
    struct Case {
        unsigned code;
        unsigned field;
    };
    const Case cases[] = {
        {STATUS_TEXT, IDC_STATUS_LINE},        {STATUS_LOGGER_TITLE, IDC_STATUS_LOGGER_TITLE},
        {STATUS_PORT_NAME, IDC_STATUS_PORT},   {STATUS_RECORDING, IDC_STATUS_RECORDING},
        {STATUS_LINK_SPEED, IDC_STATUS_SPEED}, {STATUS_CONNECTION_LABEL, IDC_STATUS_CONNECTION},
        {STATUS_MODEL_NAME, IDC_STATUS_MODEL}, {STATUS_DESCRIPTION, IDC_STATUS_CONNECTION},
    };
    for (const Case& c : cases) {
        CStatusProtocol protocol;
        EXPECT_EQ(protocol.OnStatus(c.code, 0, std::string("first"), nullptr, 0), "first") << c.code;
        EXPECT_EQ(protocol.OnStatus(c.code, 0, std::string(), nullptr, 0), "") << c.code;
        EXPECT_EQ(protocol.OnStatus(c.code, 0, std::nullopt, nullptr, 0), "") << c.code;
        EXPECT_EQ(protocol.Text(c.field), "first") << c.code;
        EXPECT_EQ(protocol.Shown().texts.size(), 1u) << c.code;
    }
    CStatusProtocol protocol;
    for (const unsigned unknown : {0u, 1149u, 1180u, 1882u, 5000u}) {
        EXPECT_EQ(protocol.OnStatus(unknown, 7, std::string("text"), nullptr, 0), "") << unknown;
    }
    EXPECT_TRUE(protocol.Shown().texts.empty());
}

TEST(StatusProtocolTest, TheSessionCodesShowTheSessionsTextsOnlyWhenASessionRuns) {
    testsupport::FakeAppContext context;
    CSession session(context);
    session.SetDisplayedModelName("Model 15 (2 MB)");
    CStatusProtocol protocol;

    protocol.OnStatus(STATUS_MODEL_NAME, 0, std::nullopt, nullptr, 0);
    protocol.OnStatus(STATUS_DESCRIPTION, 0, std::nullopt, nullptr, 0);
    EXPECT_TRUE(protocol.Shown().texts.empty());

    protocol.OnStatus(STATUS_MODEL_NAME, 0, std::nullopt, &session, 0);
    EXPECT_EQ(protocol.Text(IDC_STATUS_MODEL), "Model 15 (2 MB)");
    // A logger without a name text leaves the connection field as it is.
    protocol.OnStatus(STATUS_CONNECTION_LABEL, 0, std::string("ttyUSB0 open"), &session, 0);
    protocol.OnStatus(STATUS_DESCRIPTION, 0, std::nullopt, &session, 0);
    EXPECT_EQ(protocol.Text(IDC_STATUS_CONNECTION), "ttyUSB0 open");
}

TEST(StatusProtocolTest, ALostLinkForgetsTheLoggerAndKeepsSayingWhyUntilTheNextSession) {
    SetProgramTexts(platform::EnglishTexts());
    const std::string lost = "The link to the logger was lost (Input/output error). Connect again to go on.";
    struct Case {
        const char* name;
        std::optional<std::string> notice;
        std::string line;  // the status line after it
    };
    const Case cases[] = {
        {"the link's own line", lost, lost},
        // A network link whose buffer overflowed told its line before.
        {"a line told before", std::string(), "Receive buffer overflow"},
    };
    for (const Case& c : cases) {
        CStatusProtocol protocol;
        protocol.Start();
        for (const auto& [code, text] :
             std::map<unsigned, std::string>{{STATUS_CONNECTION_LABEL, "Connected"},
                                             {STATUS_MODEL_NAME, "Model 15 (2 MB)"},
                                             {STATUS_LOGGER_TITLE, "400014"},
                                             {STATUS_RECORDING, "Recording"},
                                             {STATUS_PORT_NAME, "127.0.0.1"},
                                             {STATUS_LINK_SPEED, "57600"}}) {
            protocol.OnStatus(code, 0, text, nullptr, 0);
        }
        protocol.OnStatus(STATUS_TEXT, 0, std::string("Receive buffer overflow"), nullptr, 1000);
        protocol.OnStatus(STATUS_LINK_LOST, 0, c.notice, nullptr, 1000);
        // The link's own fields stay; what the logger told of itself goes.
        EXPECT_EQ(protocol.Shown().texts,
                  (std::map<unsigned, std::string>{{IDC_STATUS_CONNECTION, "Link lost"},
                                                   {IDC_STATUS_PORT, "127.0.0.1"},
                                                   {IDC_STATUS_SPEED, "57600"},
                                                   {IDC_STATUS_LINE, c.line}}))
            << c.name;
        // The idle session's old line is not emptied while it tells why nothing reaches the logger, and
        // comes back after the last words of the command that ran into the loss.
        protocol.OnTick(true, 60000);
        EXPECT_EQ(protocol.Text(IDC_STATUS_LINE), c.line) << c.name;
        protocol.OnStatus(STATUS_TEXT, 0, std::string("The download broke off."), nullptr, 61000);
        protocol.OnTick(true, 66000);
        EXPECT_EQ(protocol.Text(IDC_STATUS_LINE), "The download broke off.") << c.name;
        protocol.OnTick(true, 68000);
        EXPECT_EQ(protocol.Text(IDC_STATUS_LINE), c.line) << c.name;
        protocol.Start();
        protocol.OnStatus(STATUS_TEXT, 0, std::string("Connected"), nullptr, 70000);
        protocol.OnTick(true, 77000);
        EXPECT_EQ(protocol.Text(IDC_STATUS_LINE), "") << c.name;
    }
}

TEST(StatusProtocolTest, ALampFlashesUntilTheNextTickAndStartPutsEverythingBack) {
    SetProgramTexts(platform::EnglishTexts());
    CStatusProtocol protocol;
    protocol.OnStatus(STATUS_BYTES_SENT, 0, std::nullopt, nullptr, 0);
    protocol.OnStatus(STATUS_TIMEOUT, 0, std::nullopt, nullptr, 0);
    EXPECT_EQ(protocol.Shown().lampsLit, (std::array<bool, 3>{true, false, true}));
    protocol.OnTick(false, 500);
    EXPECT_EQ(protocol.Shown().lampsLit, (std::array<bool, 3>{}));

    protocol.OnStatus(STATUS_BYTES_RECEIVED, 0, std::nullopt, nullptr, 0);
    protocol.OnStatus(STATUS_PORT_NAME, 0, std::string("ttyACM0"), nullptr, 0);
    protocol.OnStatus(STATUS_COMMAND_DONE, 40, std::nullopt, nullptr, 0);
    protocol.Start();
    // Every field empties but the model's, which says what happens until the logger is identified.
    EXPECT_EQ(protocol.Shown().texts, (std::map<unsigned, std::string>{{IDC_STATUS_MODEL, "Connecting"}}));
    EXPECT_EQ(protocol.Shown().lampsLit, (std::array<bool, 3>{}));
    EXPECT_FALSE(protocol.Shown().progressVisible);
    EXPECT_EQ(protocol.Shown().progressPosition, 0);
}

TEST(StatusProtocolTest, AnOldStatusLineIsClearedOnlyWhileTheSessionWaitsForACommand) {
    struct Case {
        const char* name;
        bool sessionWaits;
        std::int64_t tickAt;
        bool cleared;
    };
    const Case cases[] = {
        {"idle session, 7 s later", true, 8000, true},
        {"idle session, exactly 6 s later", true, 7000, false},
        {"a command runs", false, 8000, false},
    };
    for (const Case& c : cases) {
        CStatusProtocol protocol;
        protocol.OnStatus(STATUS_TEXT, 0, std::string("Reading setup..."), nullptr, 1000);
        protocol.OnTick(c.sessionWaits, c.tickAt);
        EXPECT_EQ(protocol.Text(IDC_STATUS_LINE).empty(), c.cleared) << c.name;
    }

    // Two texts 7 s apart: the first is gone before the second comes.
    CStatusProtocol protocol;
    protocol.OnStatus(STATUS_TEXT, 0, std::string("first"), nullptr, 0);
    for (std::int64_t now = 500; now <= 6500; now += 500) {
        protocol.OnTick(true, now);
    }
    EXPECT_EQ(protocol.Text(IDC_STATUS_LINE), "");
    protocol.OnStatus(STATUS_TEXT, 0, std::string("second"), nullptr, 7000);
    protocol.OnTick(true, 7500);
    EXPECT_EQ(protocol.Text(IDC_STATUS_LINE), "second");
}

}  // namespace
