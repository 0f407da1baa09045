// The modem call against the fake AT modem on a pseudo-terminal: how a dialled call ends, the modem
// line chosen, a line in use, answering an incoming call, and who hung up.
#include "shared/link/tapi_line.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>

#include "platform/base/unique_fd.h"
#include "tests/shared/link/modem_fixture.h"
#include "tests/support/fake_serial_port_source.h"
#include "tests/support/pseudo_terminal.h"

namespace {

using testsupport::Eventually;

class TapiLineTest : public ModemFixture {};

TEST_F(TapiLineTest, ADialledCallThatDoesNotConnectEndsWithItsReason) {
    struct Case {
        FakeModem::DialOutcome outcome;
        unsigned why;
    };
    const Case cases[] = {
        {FakeModem::DialOutcome::Busy, IDS_MODEM_BUSY},
        {FakeModem::DialOutcome::NoDialtone, IDS_MODEM_NO_DIALTONE},
        {FakeModem::DialOutcome::NoAnswer, IDS_MODEM_NO_ANSWER},
        {FakeModem::DialOutcome::NoCarrier, IDS_MODEM_NO_ANSWER},
    };
    std::size_t shown = 0;
    for (const Case& c : cases) {
        modem_.SetOptions({c.outcome, 9600, std::chrono::milliseconds(5)});
        EXPECT_EQ(Dial(), 0);
        const std::vector<std::string> errors = TapiErrors();
        ASSERT_EQ(errors.size(), shown + 1) << static_cast<int>(c.outcome);
        EXPECT_EQ(errors.back(), CallFailedText(c.why));
        EXPECT_EQ(link_->GetTapiLine().GetLastMessage(),
                  FormatLinkText(IDS_MODEM_CALL_ENDED, {LoadText(c.why)}));
        // The device is let go: the next call opens it again.
        EXPECT_FALSE(link_->GetTapiLine().IsLineInUse());
        ++shown;
    }
    const std::vector<std::string> commands = modem_.Commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "ATD5551234"), 4);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "ATE0V1"), 4);
    EXPECT_FALSE(Posted(WM_END_SESSION, 1));
}

// A dial that gets no final result: a silent modem, or one that refused the dial with "ERROR" (posted
// to the application, which may abort). Either ends at the dial time-out of the link clock.
TEST_F(TapiLineTest, ADialWithoutAFinalResultEndsAtTheDialTimeOut) {
    struct Case {
        FakeModem::DialOutcome outcome;
        bool errorPosted;
    };
    const Case cases[] = {{FakeModem::DialOutcome::Silence, false}, {FakeModem::DialOutcome::Error, true}};
    int hangUps = 0;
    for (const Case& c : cases) {
        modem_.SetOptions({c.outcome, 9600, {}});
        const std::size_t shown = TapiErrors().size();
        MakeLink(CTapiLine::kModeDialOut);
        auto dialled = session_.RunAsync([this] { return link_->Create(); });
        ASSERT_TRUE(Eventually([this] {
            const std::vector<std::string> commands = modem_.Commands();
            return !commands.empty() && commands.back() == "ATD5551234";
        }));
        clock_.Advance(CTapiLine::kDialTimeoutMs);
        ASSERT_EQ(dialled.wait_for(std::chrono::seconds(30)), std::future_status::ready);
        EXPECT_EQ(dialled.get(), 0);
        EXPECT_EQ(Posted(WM_MODEM_LINE_ERROR, 0), c.errorPosted);
        const std::vector<std::string> errors = TapiErrors();
        ASSERT_EQ(errors.size(), shown + 1);
        EXPECT_EQ(errors.back(), CallFailedText(IDS_MODEM_CALL_NOT_COMPLETED));
        // A modem still dialling is told to give the call up.
        hangUps += c.outcome == FakeModem::DialOutcome::Silence ? 1 : 0;
        EXPECT_EQ(modem_.HangUps(), hangUps);
        EXPECT_FALSE(modem_.InCall());
    }
}

TEST_F(TapiLineTest, TheUsersAbortEndsTheDialWithoutAMessageAndStillHangsUp) {
    modem_.SetOptions({FakeModem::DialOutcome::Silence, 9600, {}});
    MakeLink(CTapiLine::kModeDialOut);
    auto dialled = session_.RunAsync([this] { return link_->Create(); });
    ASSERT_TRUE(Eventually([this] {
        const std::vector<std::string> commands = modem_.Commands();
        return !commands.empty() && commands.back() == "ATD5551234";
    }));
    app_.Set(CAppContext::Flag::Abort, true);
    session_.PostCancel();
    ASSERT_EQ(dialled.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_EQ(dialled.get(), 0);
    EXPECT_TRUE(TapiErrors().empty());
    EXPECT_EQ(modem_.HangUps(), 1);
}

TEST_F(TapiLineTest, AnEmptyNumberFailsWithoutAMessageAndDialsNothing) {
    EXPECT_EQ(Dial(""), 0);
    EXPECT_TRUE(TapiErrors().empty());
    EXPECT_TRUE(boxes_.Boxes().empty());
    EXPECT_TRUE(modem_.Commands().empty());
    EXPECT_FALSE(link_->GetTapiLine().IsLineInUse());
}

TEST_F(TapiLineTest, ALineInUseAndADeviceHeldByAnotherProgram) {
    ASSERT_EQ(Dial(), 1);
    EXPECT_EQ(session_.Run([this] { return link_->GetTapiLine().DialCall(); }), 0);
    EXPECT_EQ(TapiErrors(), std::vector<std::string>{LoadText(IDS_MODEM_LINE_IN_USE)});
    DropLink();

    // Another program holds the device.
    platform::UniqueFd other(::open(modem_path_.c_str(), O_RDWR | O_NOCTTY));
    ASSERT_EQ(::flock(other.Get(), LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Dial(), 0);
    const std::vector<std::string> errors = TapiErrors();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1], LoadText(IDS_MODEM_LINE_HELD));
}

std::string PortName(const std::string& path) {
    return path.substr(std::string("/dev/").size());
}

TEST_F(TapiLineTest, ALineNameNoPortHasFallsBackToTheFirstPortWhereAModemAnswers) {
    testsupport::PseudoTerminal silent;  // no modem answers there
    testsupport::FakeSerialPortSource ports(
        {{PortName(silent.path), "", ""}, {PortName(modem_path_), "", ""}});
    struct Case {
        const char* lineName;
        int linkKind;
        std::string linkPort;
        std::string chosen;  // empty: none, told with 8224
    };
    const Case cases[] = {
        {"None", kLinkNone, "", PortName(modem_path_)},
        {"ttyS99", kLinkNone, "", PortName(modem_path_)},
        // The port of a running direct link is never probed.
        {"None", kLinkDirect, PortName(modem_path_) + " USB serial", ""},
    };
    for (const Case& c : cases) {
        app_.modemLineName = c.lineName;
        app_.SetLinkKind(c.linkKind);
        app_.portName = c.linkPort;
        const std::size_t errorsBefore = TapiErrors().size();
        MakeLink(CTapiLine::kModeDialOut);
        link_->GetTapiLine().SetPortSource(&ports);
        const int created = session_.Run([this] {
            link_->GetTapiLine().SetClock(clock_);
            return link_->GetTapiLine().Create(link_.get(), "5551234", 9600);
        });
        EXPECT_EQ(created, c.chosen.empty() ? 0 : 1) << c.lineName;
        EXPECT_EQ(link_->GetTapiLine().GetDeviceName(), c.chosen) << c.lineName;
        const std::vector<std::string> errors = TapiErrors();
        if (c.chosen.empty()) {
            ASSERT_EQ(errors.size(), errorsBefore + 1);
            EXPECT_EQ(errors.back(), LoadText(IDS_MODEM_NO_LINE));
        } else {
            EXPECT_EQ(errors.size(), errorsBefore);
        }
    }
    // The failed Create let every probed device go and may run again.
    for (const std::string& path : {silent.path, modem_path_}) {
        platform::UniqueFd device(::open(path.c_str(), O_RDWR | O_NOCTTY));
        EXPECT_EQ(::flock(device.Get(), LOCK_EX | LOCK_NB), 0) << path;
    }
    app_.SetLinkKind(kLinkNone);
    EXPECT_EQ(session_.Run([this] { return link_->GetTapiLine().Create(link_.get(), "5551234", 9600); }), 1);
}

TEST_F(TapiLineTest, AnsweringAnIncomingCall) {
    CConnectionModem& link = MakeLink(CTapiLine::kModeAnswer, "", 0);
    ASSERT_EQ(session_.Run([&link] { return link.Create(); }), 1);
    EXPECT_FALSE(Posted(WM_MODEM_CALL_OFFERED));
    modem_.Ring();
    ASSERT_TRUE(Eventually([this] { return Posted(WM_MODEM_CALL_CONNECTED); }));
    EXPECT_TRUE(Posted(WM_MODEM_CALL_OFFERED));
    EXPECT_EQ(ApplicationPosts().front().id, WM_MODEM_CALL_OFFERED);
    const std::vector<std::string> commands = modem_.Commands();
    EXPECT_EQ(commands.back(), "ATA");
    EXPECT_TRUE(modem_.InCall());
    // What the session does once the application forwards the answered call.
    ASSERT_EQ(
        session_.Run([&link] { return link.AttachPort() && link.Establish() && link.IdentifyLogger(); }), 1);
    EXPECT_EQ(Notices(STATUS_LINK_SPEED), std::vector<std::string>{"9600/9600"});
    EXPECT_EQ(link.GetFirmwareVersion(), "S0-02.115");
    EXPECT_TRUE(TapiErrors().empty());

    // Our hang-up keeps the line for the next call.
    EXPECT_EQ(session_.Run([&link] { return link.HangupCall(); }), 1);
    EXPECT_FALSE(modem_.InCall());
    EXPECT_TRUE(link.GetTapiLine().IsLineInUse());
    modem_.Ring();
    EXPECT_TRUE(Eventually([this] { return modem_.InCall(); }));
}

TEST_F(TapiLineTest, ADialledCallPostsNothingOfAnswerMode) {
    ASSERT_EQ(Dial(), 1);
    EXPECT_FALSE(Posted(WM_MODEM_CALL_OFFERED));
    EXPECT_FALSE(Posted(WM_MODEM_CALL_CONNECTED));
    // A ring while dialled out is not answered.
    modem_.Ring();
    session_.Run([] { return 0; });
    EXPECT_TRUE(link_->GetTapiLine().IsCallConnected());
}

TEST_F(TapiLineTest, AModemThatIgnoresDtrIsEscapedAndToldToHangUp) {
    modem_.SetOptions({FakeModem::DialOutcome::Connect, 9600, {}, true});
    ASSERT_EQ(Dial(), 1);
    EXPECT_EQ(session_.Run([this] { return link_->HangupCall(); }), 1);
    EXPECT_FALSE(modem_.InCall());
    EXPECT_EQ(modem_.HangUps(), 1);
    EXPECT_EQ(modem_.Commands().back(), "ATH0");
    EXPECT_TRUE(TapiErrors().empty());
    // The device is let go for the next call.
    EXPECT_FALSE(link_->GetTapiLine().IsLineInUse());
    EXPECT_EQ(Dial(), 1);
}

TEST_F(TapiLineTest, AFarEndHangUpEndsTheSessionAndTellsTheUserOurOwnDoesNeither) {
    ASSERT_EQ(Dial(), 1);
    ASSERT_EQ(session_.Run([this] { return link_->Establish(); }), 1);
    EXPECT_EQ(session_.Run([this] { return link_->HangupCall(); }), 1);
    EXPECT_EQ(modem_.HangUps(), 1);
    EXPECT_FALSE(modem_.InCall());
    session_.Run([] { return 0; });
    EXPECT_FALSE(Posted(WM_END_SESSION, 1));
    EXPECT_TRUE(TapiErrors().empty());
    const std::string farEnd = FormatLinkText(IDS_MODEM_CALL_ENDED, {LoadText(IDS_MODEM_FAR_END_HUNG_UP)});
    const std::vector<std::string> quiet = Notices(STATUS_TEXT);
    EXPECT_EQ(std::find(quiet.begin(), quiet.end(), farEnd), quiet.end()) << testing::PrintToString(quiet);

    ASSERT_EQ(Dial(), 1);
    ASSERT_EQ(session_.Run([this] { return link_->Establish(); }), 1);
    modem_.HangUpFarEnd();
    ASSERT_TRUE(Eventually([this] { return Posted(WM_END_SESSION, 1); }));
    EXPECT_EQ(TapiErrors(), std::vector<std::string>{farEnd});
    EXPECT_TRUE(link_->IsLinkLost());
    EXPECT_TRUE(link_->IsNormalDisconnect());
    const std::vector<std::string> status = Notices(STATUS_TEXT);
    EXPECT_NE(std::find(status.begin(), status.end(), farEnd), status.end());
    // A command after the far end hung up fails at once instead of waiting on a dead line.
    EXPECT_EQ(session_.Run([this] { return link_->DoCommand("I?", TIMEOUT_16000); }), 0);
    EXPECT_EQ(modem_.HangUps(), 1);
}

}  // namespace
