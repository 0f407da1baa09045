// The setting handlers against the logger simulator: the clock with its question, a clock text out of
// shape, the description, the network settings with the restart, and the web login's password.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "kivo32/session/logger_clock_reading.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/setting_requests.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "shared/logger/call_schedule.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/settings_ids.h"
#include "tests/kivo32/session/handler_fixture.h"
#include "tests/support/time_zone.h"

namespace sessiontest {
namespace {

// The scalars dialog answered with current scalar `a`, voltage 0.5 and resistance 0.
void AnswerScalars(testsupport::ScriptedUiBroker& broker, const char* a) {
    broker.AnswerRequest<SetScalarsRequest>(IDOK, [a](SetScalarsRequest& r) {
        r.a = a;
        r.v = "0.5";
        r.r = "0";
    });
}

void AnswerLoggerIdN1(testsupport::ScriptedUiBroker& broker) {
    broker.AnswerRequest<SetLoggerIdsRequest>(IDOK, [](SetLoggerIdsRequest& r) {
        r.loggerId = "N1";
        r.model = "UP-2";
    });
}

class SessionSettingsTest : public HandlerFixture {
protected:
    explicit SessionSettingsTest(const char* model = "standard") : HandlerFixture(model) {}

    std::vector<std::string> CommandsSince(int from) {
        const std::vector<std::string> all = simulator_.Logger().Commands();
        return std::vector<std::string>(all.begin() + from, all.end());
    }

    testsupport::ScopedTimeZone zone_{"UTC"};
};

TEST_F(SessionSettingsTest, TheClockIsSetToTheChosenTimeAndItsQuestionCanBeTurnedOff) {
    const char* const years[] = {"69", "70", "24"};
    // The first question is answered with "do not ask again": no more questions after it.
    broker_.AnswerDialog("CMsgBoxDlg", static_cast<int>(IDC_MSGBOX_BUTTON1 | MSGBOX_CHECKED));
    for (const char* year : years) {
        SCOPED_TRACE(year);
        broker_.AnswerRequest<SetTimeRequest>(IDOK, [year](SetTimeRequest& r) {
            r = {.year = std::atoi(year),
                 .month = 3,
                 .day = 7,
                 .hour = 13,
                 .minute = 4,
                 .second = 5,
                 .logger = {}};
        });
        const int before = simulator_.Logger().CommandCount();
        const std::vector<std::string> status = Run(WM_SESSION_SET_TIME);
        ASSERT_FALSE(status.empty());
        EXPECT_EQ(status.back(), "Logger clock set to 03/07/" + std::string(year) + " 13:04:05.");
        EXPECT_EQ(CommandsSince(before).back(), "C! 13:04:05 03/07/" + std::string(year));
    }
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_CONFIRM_CLOCK});
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    // The dialog showed the clock as the logger read it.
    const auto asked = broker_.Asked();
    EXPECT_EQ(asked.back().As<SetTimeRequest>().year, 70);
    EXPECT_EQ(asked.back().As<SetTimeRequest>().hour, 13);
}

TEST_F(SessionSettingsTest, AClockCommandDeclinedMarksNoCommandAndSendsNothing) {
    const int ends = CommandEnds();
    const int before = simulator_.Logger().CommandCount();
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON2);
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_SYNC_TIME));
    const std::time_t start = std::time(nullptr);
    EXPECT_EQ(Run(WM_SESSION_SYNC_TIME).front(), "Setting the logger clock...");
    EXPECT_EQ(CommandEnds(), ends + 1);
    const std::vector<std::string> sent = CommandsSince(before);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].rfind("C! ", 0), 0u);
    EXPECT_LE(std::abs(simulator_.Logger().State().clock - start), 2);
    // Without the check box ticked, each command asks.
    EXPECT_EQ(BoxIds(), (std::vector<unsigned>{IDS_CONFIRM_CLOCK, IDS_CONFIRM_CLOCK}));
}

TEST_F(SessionSettingsTest, AClockTextOutOfShapeIsTakenForAFailedRead) {
    for (const char* text : {" 1:02:03 04/05/06", "01:02:03 4/05/06 ", "01:02:03 04/5/06 "}) {
        SCOPED_TRACE(text);
        simulator_.Logger().ChangeState([&](LoggerState& s) { s.queryReplies["C?"] = text; });
        broker_.SetDefaultAnswer(IDC_MSGBOX_BUTTON1);
        const std::size_t boxes = broker_.Boxes().size();
        Run(WM_SESSION_SET_TIME);
        ASSERT_EQ(broker_.Boxes().size(), boxes + 2);
        EXPECT_EQ(BoxIds().back(), IDS_READ_CLOCK_FAILED);
    }
    for (const auto& question : broker_.Asked()) {
        EXPECT_NE(question.kind, "CSetTimeDlg");
    }
}

TEST_F(SessionSettingsTest, TheClockIsReadOnTheSessionThreadForTheUserInterface) {
    const auto readClock = [this] {
        auto reading = std::make_shared<CLoggerClockReading>();
        owner_.GetActiveSession()->Post(
            platform::Message(WM_SESSION_READ_CLOCK, 0, platform::MakePayload(reading)));
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (!reading->done.load() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(1ms);
        }
        EXPECT_TRUE(reading->done.load());
        return reading->time;
    };
    const std::time_t loggerClock = 1709816645;  // a whole second, as the logger tells it
    simulator_.Logger().ChangeState([&](LoggerState& s) { s.clock = loggerClock; });
    const std::optional<std::int64_t> read = readClock();
    ASSERT_TRUE(read.has_value());
    // The logger's clock runs on while it is read.
    EXPECT_LE(std::abs(*read - loggerClock), 2);

    simulator_.Logger().ChangeState([](LoggerState& s) { s.queryReplies["C?"] = " 1:02:03 04/05/06"; });
    EXPECT_FALSE(readClock().has_value());
}

TEST_F(SessionSettingsTest, TheDescriptionIsWrittenCutToTwentyCharacters) {
    broker_.AnswerRequest<SetDescriptionRequest>(
        IDOK, [](SetDescriptionRequest& r) { r.description = "Substation 12, feeder B north"; });
    const std::vector<std::string> status = Run(WM_SESSION_SET_DESCRIPTION);
    EXPECT_EQ(status,
              (std::vector<std::string>{"Writing the logger description...", "Logger description written."}));
    EXPECT_EQ(StatusTexts(STATUS_DESCRIPTION).back(), "Substation 12, feede");

    // The dialog shows the text the logger now holds; a cancel writes nothing.
    broker_.AnswerRequest<SetDescriptionRequest>(IDCANCEL);
    const int before = simulator_.Logger().CommandCount();
    EXPECT_TRUE(Run(WM_SESSION_SET_DESCRIPTION).empty());
    EXPECT_EQ(simulator_.Logger().CommandCount(), before);
    EXPECT_EQ(broker_.Asked().back().As<SetDescriptionRequest>().description, "Substation 12, feede");
}

TEST_F(SessionSettingsTest, OldFirmwareRefusesNetworkSettingsAndEveryMemoryModelTheWebPassword) {
    broker_.SetDefaultAnswer(IDOK);
    const int before = simulator_.Logger().CommandCount();
    Run(WM_SESSION_SET_NETWORK_INFO);
    Run(WM_SESSION_SET_WEB_PASSWORD);
    Run(WM_SESSION_SET_WIFI_INFO);
    EXPECT_EQ(BoxIds(), (std::vector<unsigned>{IDS_NOT_SUPPORTED, IDS_NOT_SUPPORTED, IDS_NOT_SUPPORTED}));
    EXPECT_EQ(simulator_.Logger().CommandCount(), before);
}

TEST_F(SessionSettingsTest, TheSpeedChangesToTheChosenOneAndBackToTheStoredDefault) {
    broker_.AnswerRequest<SetBaudRequest>(IDOK, [](SetBaudRequest& r) { r.speed = 19200; });
    // Not kept as the default.
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON2);
    EXPECT_EQ(Run(WM_SESSION_SET_BAUD_RATE),
              (std::vector<std::string>{"Changing the logger's speed to 19200 baud...",
                                        "The logger now runs at 19200 baud."}));
    EXPECT_EQ(broker_.Asked().at(0).As<SetBaudRequest>().speed, 57600);
    EXPECT_EQ(StatusTexts(STATUS_LINK_SPEED).back(), "19200");
    EXPECT_EQ(owner_.GetStoredBaud(kLinkDirect), 57600);

    // The stored default is offered back; the logger still answers at the speed it was brought to.
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    EXPECT_EQ(Run(WM_SESSION_SYNC_BAUD_RATE).back(), "The logger now runs at 57600 baud.");
    EXPECT_EQ(broker_.Boxes().back().texts.prompt,
              "The link runs at 19200 baud. Keep this speed as the default?");
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    EXPECT_EQ(Run(WM_SESSION_CLEAR_PEAK), std::vector<std::string>{"Peak values cleared."});

    // At the default already, nothing is asked.
    const std::size_t boxes = broker_.Boxes().size();
    Run(WM_SESSION_SYNC_BAUD_RATE);
    EXPECT_EQ(broker_.Boxes().size(), boxes);
}

// A Nimbo whose firmware predates the fastest speed.
class OldNimboSpeedTest : public HandlerFixture {
protected:
    OldNimboSpeedTest() : HandlerFixture(OldNimbo()) {}
    static LoggerModel OldNimbo() {
        LoggerModel model = *FindLoggerModel("nimbo-current");
        model.firmwareText = "BUA-2.101";
        return model;
    }
};

TEST_F(OldNimboSpeedTest, FirmwareBefore102IsNeverSetTo57600) {
    broker_.SetDefaultAnswer(IDC_MSGBOX_BUTTON2);
    broker_.AnswerRequest<SetBaudRequest>(IDOK, [](SetBaudRequest& r) { r.speed = 19200; });
    Run(WM_SESSION_SET_BAUD_RATE);
    const int before = simulator_.Logger().CommandCount();
    broker_.AnswerRequest<SetBaudRequest>(IDOK, [](SetBaudRequest& r) { r.speed = 57600; });
    Run(WM_SESSION_SET_BAUD_RATE);
    Run(WM_SESSION_SYNC_BAUD_RATE);
    EXPECT_EQ(simulator_.Logger().CommandCount(), before);
    const std::vector<unsigned> ids = BoxIds();
    EXPECT_EQ(std::vector<unsigned>(ids.end() - 2, ids.end()),
              (std::vector<unsigned>{IDS_SPEED_NOT_SUPPORTED, IDS_SPEED_NOT_SUPPORTED}));
}

// A schedule as the window gives it: the host text in the block and a call on each of `days`.
CallScheduleRecord ScheduleToWrite(std::uint8_t mode, std::initializer_list<int> days, int hour, int minute) {
    CallScheduleRecord schedule;
    schedule.text = "10.0.0.5:3001";
    std::copy(schedule.text.begin(), schedule.text.end(),
              schedule.block.begin() + CallScheduleRecord::kTextOffset);
    for (const int day : days) {
        const std::size_t at = 3 * static_cast<std::size_t>(day);
        schedule.block[at] = mode;
        schedule.block[at + 1] = static_cast<std::uint8_t>(hour);
        schedule.block[at + 2] = static_cast<std::uint8_t>(minute);
    }
    return schedule;
}

// A logger that keeps a call schedule.
class CallScheduleTest : public SessionSettingsTest {
protected:
    CallScheduleTest() : SessionSettingsTest("ornat2") {}

    std::vector<std::string> CommandsSeenSince(std::size_t from) {
        const std::vector<std::string> all = simulator_.Logger().Commands();
        return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
    }
};

TEST_F(CallScheduleTest, EachScheduleKindIsWrittenAndReadBackAsWritten) {
    // The logger's clock: Wednesday 11 March 2026, which anchors the weekdays of a weekly schedule.
    simulator_.Logger().ChangeState([](LoggerState& s) { s.clock = 1773223200; });
    const struct {
        const char* name;
        CallScheduleRecord written;
        int kind;
        int firstHour;
        int secondHour;
        std::array<std::uint8_t, 3> tuesday;  // the weekly table's Tuesday
        bool flagA;
        bool flagB;
        bool flagC;
    } cases[] = {
        {"once", ScheduleToWrite(0x10, {11}, 14, 30), 1, 14, 0, {0, 0, 0}, true, false, false},
        {"daily", ScheduleToWrite(0x0B, {12}, 6, 15), 2, 0, 6, {0, 0, 0}, false, true, false},
        // The 17th, six days after the logger's Wednesday, is a Tuesday.
        {"weekly", ScheduleToWrite(0x16, {12, 17}, 22, 5), 3, 0, 0, {0x16, 22, 5}, true, true, true},
        {"monthly", ScheduleToWrite(0x11, {1, 29, 31}, 8, 0), 4, 0, 0, {0, 0, 0}, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        broker_.AnswerRequest<CallScheduleRequest>(IDOK,
                                                   [&c](CallScheduleRequest& r) { r.schedule = c.written; });
        const std::size_t before = simulator_.Logger().Commands().size();
        EXPECT_EQ(Run(WM_SESSION_CALL_SCHEDULE).back(), "Call schedule written.");
        // Cleared, restarted, then the block and one time a call.
        const std::vector<std::string> sent = CommandsSeenSince(before);
        const auto cleared = std::find(sent.begin(), sent.end(), "SCHEDULE /C");
        ASSERT_NE(cleared, sent.end());
        EXPECT_EQ(*std::next(cleared), "SCHEDULE /R");
        EXPECT_EQ(simulator_.Logger().State().callTimes.size(), ScheduledCallTimes(c.written).size());

        broker_.AnswerRequest<CallScheduleRequest>(IDCANCEL);
        const int ends = CommandEnds();
        owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_READ_CALL_SCHEDULE));
        ASSERT_TRUE(Eventually([&] { return CommandEnds() == ends + 2; }));
        const CallScheduleRequest read = broker_.Asked().back().As<CallScheduleRequest>();
        EXPECT_EQ(read.schedule.kind, c.kind);
        EXPECT_EQ(read.schedule.text, "10.0.0.5:3001");
        EXPECT_EQ(read.schedule.firstHour, c.firstHour);
        EXPECT_EQ(read.schedule.secondHour, c.secondHour);
        EXPECT_EQ(read.schedule.days[2], c.tuesday);
        EXPECT_EQ(read.schedule.flagA, c.flagA);
        EXPECT_EQ(read.schedule.flagB, c.flagB);
        EXPECT_EQ(read.schedule.flagC, c.flagC);
        EXPECT_EQ(ScheduledCallTimes(read.schedule).size(), c.kind == 4 ? 3u : 0u);
        EXPECT_EQ(read.loggerTime.tm_mday, 11);
    }
    EXPECT_TRUE(BoxIds().empty());
}

TEST_F(CallScheduleTest, TheScheduleRestartAloneSendsOnlyItsCommand) {
    broker_.AnswerRequest<CallScheduleRequest>(IDOK, [](CallScheduleRequest& r) {
        r.restartOnly = true;
        r.schedule = ScheduleToWrite(0x11, {3}, 9, 0);
    });
    const int before = simulator_.Logger().CommandCount();
    EXPECT_EQ(Run(WM_SESSION_CALL_SCHEDULE),
              (std::vector<std::string>{"Reading the logger clock...", " ", "Restarting the call schedule...",
                                        "Call schedule restarted."}));
    EXPECT_EQ(CommandsSeenSince(before), (std::vector<std::string>{"C?", "SCHEDULE /R"}));
}

TEST_F(CallScheduleTest, AnUnreadableClockOpensNoScheduleWindow) {
    simulator_.Logger().ChangeState([](LoggerState& s) { s.queryReplies["C?"] = "no clock"; });
    broker_.AnswerMessageBox(IDOK);
    Run(WM_SESSION_CALL_SCHEDULE);
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_READ_CLOCK_FAILED});
    const auto asked = broker_.Asked();
    EXPECT_TRUE(std::none_of(asked.begin(), asked.end(),
                             [](const auto& q) { return q.kind == CallScheduleRequest::kName; }));
}

TEST_F(SessionSettingsTest, TheModemStringIsShownAsReadAndWrittenAsEdited) {
    simulator_.Logger().ChangeState([](LoggerState& s) { s.modemString = "ATS0=1"; });
    broker_.AnswerRequest<SetModemStringRequest>(
        IDOK, [](SetModemStringRequest& r) { r.modemString = "AT&F S0=2"; });
    EXPECT_EQ(Run(WM_SESSION_SET_MODEM_STRING),
              (std::vector<std::string>{"Reading the modem string...", " ", "Writing the modem string...",
                                        "Modem string written."}));
    EXPECT_EQ(broker_.Asked().at(0).As<SetModemStringRequest>().modemString, "ATS0=1");
    EXPECT_EQ(simulator_.Logger().State().modemString, "AT&F S0=2");
}

TEST_F(SessionSettingsTest, ALoggerWithoutScalarsTellsSoAndOpensNoDialog) {
    broker_.AnswerMessageBox(IDOK);
    Run(WM_SESSION_SET_SCALARS);
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_READ_SCALARS_FAILED});
    const auto asked = broker_.Asked();
    EXPECT_TRUE(std::none_of(asked.begin(), asked.end(),
                             [](const auto& question) { return question.kind == "CSetScalarsDlg"; }));
}

class ScalarSettingsTest : public SessionSettingsTest {
protected:
    ScalarSettingsTest() : SessionSettingsTest("nimbo-current") {}
};

TEST_F(ScalarSettingsTest, NewScalarsAreWrittenAndTheDialogShowsTheOldOnes) {
    simulator_.Logger().ChangeState([](LoggerState& s) {
        s.scalars[0] = 0.75f;
        s.scalars[1] = 1.5f;
    });
    AnswerScalars(broker_, "1.25");
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(Run(WM_SESSION_SET_SCALARS),
              (std::vector<std::string>{"Reading the calibration scalars...", "Calibration scalars read."}));
    const auto shown = broker_.Asked().at(0).As<SetScalarsRequest>();
    EXPECT_EQ(shown.a, "0.75");
    EXPECT_EQ(shown.v, "1.5");
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_SCALARS_WRITTEN});
    EXPECT_EQ(simulator_.Logger().State().scalars[0], 1.25f);
    EXPECT_EQ(simulator_.Logger().State().scalars[1], 0.5f);

    // A value that is no number writes nothing.
    AnswerScalars(broker_, "1,25");
    broker_.AnswerMessageBox(IDOK);
    const int before = simulator_.Logger().CommandCount();
    Run(WM_SESSION_SET_SCALARS);
    EXPECT_EQ(BoxIds().back(), IDS_WRITE_SCALARS_FAILED);
    const std::vector<std::string> sent = CommandsSince(before);
    EXPECT_FALSE(std::any_of(sent.begin(), sent.end(),
                             [](const std::string& command) { return command.rfind("*!", 0) == 0; }));
}

class QuarvenSettingsTest : public SessionSettingsTest {
protected:
    QuarvenSettingsTest() : SessionSettingsTest("quarven-rs") {}
};

TEST_F(QuarvenSettingsTest, TheWebPasswordIsSentAndItsFailureTold) {
    broker_.AnswerRequest<WebPasswordRequest>(IDOK,
                                              [](WebPasswordRequest& r) { r.password = "s3cret-door"; });
    Run(WM_SESSION_SET_WEB_PASSWORD);
    EXPECT_EQ(simulator_.Logger().State().wifiSettings.at("WWEBPASS"), "s3cret-door");
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].As<WebPasswordRequest>().limit, 31);
    EXPECT_EQ(asked[0].As<WebPasswordRequest>().title, "Web Login Password");
    EXPECT_TRUE(BoxIds().empty());

    Mute();
    broker_.AnswerRequest<WebPasswordRequest>(IDOK, [](WebPasswordRequest& r) { r.password = "other"; });
    broker_.AnswerMessageBox(IDOK);
    Run(WM_SESSION_SET_WEB_PASSWORD);
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_WEB_PASSWORD_FAILED});
}

// A Quarven with the firmware text of the test's parameter.
class CalibrationGateTest : public HandlerFixture, public ::testing::WithParamInterface<const char*> {
protected:
    // Below 401 the connect step warns of old firmware.
    CalibrationGateTest() : HandlerFixture(WithFirmware(GetParam())) { broker_.SetDefaultAnswer(IDOK); }
    static LoggerModel WithFirmware(const char* firmware) {
        LoggerModel model = *FindLoggerModel("quarven-rs");
        model.firmwareText = firmware;
        return model;
    }
};

TEST_P(CalibrationGateTest, OnlyFirmwareFrom400_192OpensTheCalibrationDialogs) {
    const bool calibrates = std::string(GetParam()) >= "NX400.192";
    const int ends = CommandEnds();
    const std::size_t boxes = broker_.Boxes().size();
    broker_.AnswerRequest<CalAmpScalarRequest>(IDOK);
    broker_.AnswerRequest<CalVoltTempScalarRequest>(IDOK);
    for (const unsigned message : {WM_SESSION_CAL_AMP_SCALAR, WM_SESSION_CAL_VOLT_TEMP_SCALAR}) {
        owner_.GetActiveSession()->Post(platform::Message(message));
    }
    if (calibrates) {
        ASSERT_TRUE(Eventually([&] { return CommandEnds() == ends + 2; }));
        EXPECT_EQ(broker_.UnusedAnswers(), 0u);
        EXPECT_EQ(broker_.Asked().back().kind, "CCalVoltTempScalarDlg");
        EXPECT_EQ(broker_.Asked().back().As<CalVoltTempScalarRequest>().typeCode, 13);
        EXPECT_EQ(StatusTexts(STATUS_TEXT).back(), "Ready to calibrate.");
        EXPECT_EQ(broker_.Boxes().size(), boxes);
    } else {
        ASSERT_TRUE(Eventually([&] { return broker_.Boxes().size() == boxes + 2; }));
        const std::vector<unsigned> ids = BoxIds();
        EXPECT_EQ(
            std::vector<unsigned>(ids.end() - 2, ids.end()),
            (std::vector<unsigned>{IDS_CALIBRATION_FIRMWARE_TOO_OLD, IDS_CALIBRATION_FIRMWARE_TOO_OLD}));
        EXPECT_EQ(CommandEnds(), ends);
    }
}

INSTANTIATE_TEST_SUITE_P(Firmware, CalibrationGateTest,
                         ::testing::Values("NX400.191", "NX400.192", "NX401.234"));

class NetworkSettingsTest : public SessionSettingsTest {
protected:
    NetworkSettingsTest() : SessionSettingsTest("standard-135") {}
};

TEST_F(NetworkSettingsTest, NewNetworkSettingsRestartTheLoggerAndEndTheSession) {
    broker_.AnswerRequest<SetNetworkInfoRequest>(IDOK, [](SetNetworkInfoRequest& r) {
        r.settings = {.address = "10.1.2.3",
                      .mask = "255.255.255.0",
                      .port = "777",
                      .gateway = "10.1.2.1",
                      .mac = r.settings.mac,
                      .dhcp = false};
    });
    broker_.AnswerRequest<TimedNoticeRequest>(IDOK);
    const int before = simulator_.Logger().CommandCount();
    const std::vector<std::string> status = Run(WM_SESSION_SET_NETWORK_INFO);
    EXPECT_EQ(status.front(), "Reading the network settings...");
    EXPECT_EQ(status.back(), "Restarting the logger...");
    // A memory model restarts already as it takes its new settings.
    EXPECT_TRUE(CommandsSince(before).back() == "!!RESTART" || CommandsSince(before).back() == "_!RESET");
    ASSERT_TRUE(Eventually([this] { return EndOfSessionAsked(); }));
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_FALSE(asked[0].As<SetNetworkInfoRequest>().quarven);
    EXPECT_EQ(asked[1].As<TimedNoticeRequest>().text,
              "The logger restarts with its new settings. Connect again once it is back.");
}

TEST_F(NetworkSettingsTest, NetworkSettingsThatCannotBeReadOrWrittenAreTold) {
    Mute();
    broker_.AnswerMessageBox(IDOK);
    Run(WM_SESSION_SET_NETWORK_INFO);
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_NETWORK_SETTINGS_UNREADABLE});
    EXPECT_FALSE(EndOfSessionAsked());
}

// A change the user aborted halfway: the logger takes the command of `unanswered` and never answers.
struct SecondTryCase {
    const char* name;
    const char* model;
    unsigned message;
    // Queues the dialog's answer: the change.
    std::function<void(testsupport::ScriptedUiBroker&)> answer;
    const char* unanswered;
    // Shown when the second try fails too.
    unsigned secondFailureId;
    // What a second try that went through leaves the logger or the main window with.
    std::function<void(SessionFixture&, const LoggerState& before, const LoggerState& after)> check;
};

std::ostream& operator<<(std::ostream& out, const SecondTryCase& entry) {
    return out << entry.name;
}

class SecondTryTest : public HandlerFixture, public ::testing::WithParamInterface<SecondTryCase> {
protected:
    SecondTryTest() : HandlerFixture(GetParam().model) {}

    // Runs the case's command and aborts it once the logger took the unanswered command; the second try
    // is answered when `answerSecondTry`.
    void RunAborted(bool answerSecondTry) {
        const SecondTryCase& entry = GetParam();
        entry.answer(broker_);
        broker_.SetDefaultAnswer(IDOK);
        simulator_.Logger().ChangeState([&](LoggerState& s) { s.unansweredCommands = {entry.unanswered}; });
        const auto before = static_cast<std::ptrdiff_t>(simulator_.Logger().Commands().size());
        const auto taken = [&] {
            const std::vector<std::string> all = simulator_.Logger().Commands();
            return std::any_of(all.begin() + before, all.end(), [&](const std::string& command) {
                return command.rfind(entry.unanswered, 0) == 0;
            });
        };
        const int ends = CommandEnds();
        owner_.GetActiveSession()->Post(platform::Message(entry.message));
        // The cancel comes within the unanswered command's time-out; the second try's is skipped.
        ASSERT_TRUE(Eventually(taken));
        if (answerSecondTry) {
            simulator_.Logger().ChangeState([](LoggerState& s) { s.unansweredCommands.clear(); });
        } else {
            SkipSilences();
        }
        // What the user interface does to cancel.
        app_.Set(CAppContext::Flag::Abort, true);
        owner_.GetActiveSession()->Post(platform::Message(WM_CANCEL_COMMAND));
        ASSERT_TRUE(Eventually([&] { return CommandEnds() > ends; }));
        ASSERT_TRUE(owner_.GetActiveSession()->WaitForCommandDone(30s));
    }
};

TEST_P(SecondTryTest, AnAbortedChangeIsSentOnceMoreAndOnlyItsSecondFailureTold) {
    owner_.SetClockQuestionOff(true);
    const LoggerState before = simulator_.Logger().State();
    ASSERT_NO_FATAL_FAILURE(RunAborted(true));
    EXPECT_TRUE(BoxIds().empty());
    GetParam().check(*this, before, simulator_.Logger().State());

    // The logger as it was, so that the change is one again.
    simulator_.Logger().ChangeState([&](LoggerState& s) { s = before; });
    ASSERT_NO_FATAL_FAILURE(RunAborted(false));
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{GetParam().secondFailureId});
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SecondTryTest,
    ::testing::Values(
        // The clock goes back to the time read before the change.
        SecondTryCase{
            "SetTime", "standard", WM_SESSION_SET_TIME,
            [](testsupport::ScriptedUiBroker& broker) {
                broker.AnswerRequest<SetTimeRequest>(IDOK, [](SetTimeRequest& r) {
                    r = {.year = 30, .month = 1, .day = 2, .hour = 3, .minute = 4, .second = 5, .logger = {}};
                });
            },
            "C!", IDS_CLOCK_RESTORE_FAILED,
            [](SessionFixture&, const LoggerState& before, const LoggerState& after) {
                EXPECT_EQ(after.clock, before.clock);
            }},
        // The description is sent again, and kept once it went through.
        SecondTryCase{"Description", "standard", WM_SESSION_SET_DESCRIPTION,
                      [](testsupport::ScriptedUiBroker& broker) {
                          broker.AnswerRequest<SetDescriptionRequest>(
                              IDOK, [](SetDescriptionRequest& r) { r.description = "Feeder 9"; });
                      },
                      "M!", IDS_DESCRIPTION_RETRY_FAILED,
                      [](SessionFixture& fixture, const LoggerState&, const LoggerState&) {
                          ASSERT_FALSE(fixture.StatusTexts(STATUS_DESCRIPTION).empty());
                          EXPECT_EQ(fixture.StatusTexts(STATUS_DESCRIPTION).back(), "Feeder 9");
                      }},
        // The old scalars go back.
        SecondTryCase{"Scalars", "nimbo-current", WM_SESSION_SET_SCALARS,
                      [](testsupport::ScriptedUiBroker& broker) { AnswerScalars(broker, "1.25"); }, "*!",
                      IDS_SCALARS_RESTORE_FAILED,
                      [](SessionFixture&, const LoggerState& before, const LoggerState& after) {
                          EXPECT_EQ(after.scalars, before.scalars);
                      }},
        // The same ID once more, then the model text as usual.
        SecondTryCase{"LoggerId", "nimbo-current", WM_SESSION_SET_LOGGER_IDS, AnswerLoggerIdN1, "I!E",
                      IDS_LOGGER_ID_RETRY_FAILED,
                      [](SessionFixture&, const LoggerState&, const LoggerState& after) {
                          EXPECT_EQ(after.loggerId, "N1");
                          EXPECT_EQ(after.secondId, "AUP-2");
                      }},
        // The old model part goes back.
        SecondTryCase{"ModelText", "nimbo-current", WM_SESSION_SET_LOGGER_IDS, AnswerLoggerIdN1, "I!B",
                      IDS_MODEL_RESTORE_FAILED,
                      [](SessionFixture&, const LoggerState&, const LoggerState& after) {
                          EXPECT_EQ(after.secondId, "AUA-2");
                      }}),
    [](const ::testing::TestParamInfo<SecondTryCase>& info) { return std::string(info.param.name); });

TEST_F(SessionSettingsTest, OnAModemLinkASpeedChangeIsAskedFirst) {
    // The session treats its link as a modem line from here on.
    owner_.GetActiveSession()->SetLinkKind(kLinkModem);
    const struct {
        int answer;
        bool changed;
    } cases[] = {{IDC_MSGBOX_BUTTON2, false}, {IDC_MSGBOX_BUTTON1, true}};
    for (const auto& entry : cases) {
        broker_.AnswerRequest<SetBaudRequest>(IDOK, [](SetBaudRequest& r) { r.speed = 19200; });
        broker_.AnswerDialog("CMsgBoxDlg", entry.answer);
        if (entry.changed) {
            // Not kept as the default.
            broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON2);
        }
        const int before = simulator_.Logger().CommandCount();
        Run(WM_SESSION_SET_BAUD_RATE);
        EXPECT_EQ(simulator_.Logger().CommandCount() > before, entry.changed);
    }
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    EXPECT_TRUE(broker_.Asked().front().As<SetBaudRequest>().modem);
    const auto boxes = broker_.Boxes();
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].ids.promptId, IDS_CONFIRM_MODEM_SPEED);
    EXPECT_EQ(boxes[0].ids.captionId, IDS_CONFIRM_MODEM_SPEED_TITLE);
    EXPECT_EQ(boxes[0].ids.text2Id, 0u);
    EXPECT_EQ(boxes[1].ids.promptId, IDS_CONFIRM_MODEM_SPEED);
    // Off a direct link the speed shows with the connect rate.
    EXPECT_EQ(StatusTexts(STATUS_LINK_SPEED).back().substr(StatusTexts(STATUS_LINK_SPEED).back().find('/')),
              "/19200");
}

}  // namespace
}  // namespace sessiontest
