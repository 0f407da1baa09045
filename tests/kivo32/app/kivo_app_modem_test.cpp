// The application's modem side: the number a dialled link asks for and keeps, the modem offered by the
// choice of the link, the answer-mode command, and the modem line's messages to the application.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/app/command_requests.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/app/logger_menu.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_owner.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/command_state.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/program_settings.h"
#include "shared/link/link_clock.h"
#include "shared/link/link_ids.h"
#include "tests/kivo32/app/hand_on_to_application.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tools/loggersim/fake_modem.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

class KivoAppModemTest : public testsupport::QtTest {
protected:
    KivoAppModemTest() : simulator_(*FindLoggerModel("standard-135")), modem_(simulator_) {}

    void SetUp() override {
        broker_.AnswerMessageBox(IDYES);  // the language of a first start
        ASSERT_TRUE(app_.InitInstance());
        app_.Sessions().SetLinkClock(clock_);
        const std::string line = modem_.Start();
        ASSERT_FALSE(line.empty());
        app_.Sessions().SetModemLineName(line);
        // The speed the fake modem connects at.
        app_.Sessions().SetStoredBaud(kLinkModem, 9600);
        qApp->installEventFilter(&hand_on_);
    }
    void TearDown() override {
        app_.Disconnect(0, false);
        // The end of the session gives its wait cursor back by a posted message.
        QCoreApplication::sendPostedEvents();
        modem_.Stop();
        qApp->removeEventFilter(&hand_on_);
        platform::OpenProgramSettings()->remove("intl/Language");
    }

    platform::CommandState AnswerModeItem() { return app_.GetMainWindow()->UpdateCommand(ID_ANSWER_MODE); }

    // Switches answer mode on and waits until its session waits for a call.
    CSessionEL* WaitForCalls() {
        EXPECT_TRUE(app_.GetMainWindow()->RouteCommand(ID_ANSWER_MODE));
        CSessionEL* session = app_.Sessions().GetActiveSession();
        EXPECT_NE(session, nullptr);
        EXPECT_TRUE(session != nullptr &&
                    testsupport::ProcessEventsUntil([session] { return session->IsWaitingForCall(); }));
        return session;
    }

    // The last `Request` asked so far, as it was asked.
    template <class Request>
    std::optional<Request> Asked() const {
        std::optional<Request> found;
        for (const testsupport::AskedQuestion& question : broker_.Asked()) {
            if (question.kind == Request::kName) {
                found = question.As<Request>();
            }
        }
        return found;
    }

    bool SessionEnded() { return app_.Sessions().GetActiveSession() == nullptr && app_.GetLinkKind() == kLinkNone; }

    LinkClock clock_{50};
    LoggerSimulator simulator_;
    FakeModem modem_;
    CKivoApp app_;
    testsupport::ScriptedUiBroker broker_;
    HandOnToApplication hand_on_{app_};
};

TEST_F(KivoAppModemTest, TheLinkChoiceOffersTheModemWithTheOlderLoggersSetting) {
    for (const int olderLoggers : {0, 1}) {
        app_.AppInfo().showLegacyFeatures = olderLoggers;
        broker_.AnswerRequest<ConnectionTypeSelectionRequest>(IDCANCEL);
        EXPECT_FALSE(app_.ChooseConnectionKind(ID_LOGGER_SET_TIME));
        EXPECT_EQ(Asked<ConnectionTypeSelectionRequest>()->modem, olderLoggers != 0);
    }
    // Network settings are never changed over a modem.
    broker_.AnswerRequest<ConnectionTypeSelectionRequest>(IDCANCEL);
    EXPECT_FALSE(app_.ChooseConnectionKind(ID_LOGGER_NETWORK_INFO));
    EXPECT_FALSE(Asked<ConnectionTypeSelectionRequest>()->modem);
    // The modem asks for its number; a cancelled number starts nothing and keeps no pending command.
    broker_.AnswerRequest<ConnectionTypeSelectionRequest>(IDC_CONNECT_MODEM);
    broker_.AnswerRequest<ModemManDialRequest>(IDCANCEL);
    EXPECT_FALSE(app_.ChooseConnectionKind(ID_LOGGER_SET_TIME));
    EXPECT_TRUE(Asked<ModemManDialRequest>().has_value());
    EXPECT_EQ(app_.Sessions().GetActiveSession(), nullptr);
    EXPECT_EQ(app_.Sessions().TakePendingCommand(), 0u);
}

TEST_F(KivoAppModemTest, ADialledNumberIsAskedStartingWithTheLastOneAndKept) {
    app_.AppInfo().manualDialPhoneNumber = "0611";
    broker_.AnswerRequest<ModemManDialRequest>(IDOK, [](ModemManDialRequest& r) { r.number = "5551234"; });
    ASSERT_TRUE(app_.ConnectModem({}, 0));
    EXPECT_EQ(Asked<ModemManDialRequest>()->number, "0611");
    EXPECT_EQ(app_.AppInfo().manualDialPhoneNumber, "5551234");
    EXPECT_EQ(app_.GetLinkKind(), kLinkModem);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] {
        const CSessionEL* session = app_.Sessions().GetActiveSession();
        return session != nullptr && session->IsConnected() && session->IsCommandDone();
    }));
    const std::vector<std::string> commands = modem_.Commands();
    EXPECT_NE(std::find(commands.begin(), commands.end(), "ATD5551234"), commands.end());
    EXPECT_EQ(app_.Sessions().GetLastConnection().modemNumber, "5551234");
}

TEST_F(KivoAppModemTest, AnswerModeConnectsTheLoggerThatCallsAndWaitsAgainAfterItHangsUp) {
    EXPECT_FALSE(AnswerModeItem().checked);
    CSessionEL* session = WaitForCalls();
    ASSERT_NE(session, nullptr);
    EXPECT_TRUE(AnswerModeItem().checked);
    EXPECT_EQ(*AnswerModeItem().text, AnswerModeLabel(true));
    // Waiting opens no link: answer mode can still be switched off, no other link be opened.
    EXPECT_TRUE(AnswerModeItem().enabled);
    EXPECT_FALSE(app_.GetMainWindow()->UpdateCommand(ID_CONNECT_DIRECT).enabled);

    modem_.Ring();
    // Close is greyed while the call is answered and allowed again once its logger is connected.
    ASSERT_TRUE(testsupport::ProcessEventsUntil(
        [&] { return session->IsConnected() && session->IsCommandDone() && app_.IsCloseAllowed(); }));
    EXPECT_TRUE(app_.Sessions().IsCalledIn());
    EXPECT_FALSE(AnswerModeItem().checked);
    EXPECT_FALSE(AnswerModeItem().enabled);

    // The logger hangs up: the user is told, and the line waits for the next call.
    broker_.AnswerMessageBox(IDOK);
    modem_.HangUpFarEnd();
    // (The new session may take the place of the old one in memory.)
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] {
        const CSessionEL* next = app_.Sessions().GetActiveSession();
        return next != nullptr && !next->IsConnected() && next->IsWaitingForCall();
    }));
    EXPECT_EQ(broker_.Asked().back().caption, LoadText(IDS_MODEM_ERROR_CAPTION));
    EXPECT_TRUE(AnswerModeItem().checked);
    EXPECT_FALSE(app_.Sessions().IsCalledIn());

    // Switched off, answer mode ends the session that waits.
    ASSERT_TRUE(app_.GetMainWindow()->RouteCommand(ID_ANSWER_MODE));
    EXPECT_EQ(app_.Sessions().GetActiveSession(), nullptr);
    EXPECT_FALSE(AnswerModeItem().checked);
    EXPECT_EQ(*AnswerModeItem().text, AnswerModeLabel(false));
}

TEST_F(KivoAppModemTest, AnAnsweredCallIsForwardedToTheSessionWithCloseGreyed) {
    CSessionEL* session = WaitForCalls();
    ASSERT_NE(session, nullptr);
    // The line reports a call that never reached the modem: the session finds nothing to attach.
    broker_.SetDefaultAnswer(IDOK);
    platform::Message connected(WM_MODEM_CALL_CONNECTED);
    ASSERT_TRUE(app_.OnAppMessage(connected));
    EXPECT_FALSE(app_.IsCloseAllowed());
    EXPECT_FALSE(app_.GetCommandRuleState().linkIdle);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return SessionEnded(); }));
    ASSERT_FALSE(broker_.Boxes().empty());
    EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDS_CALL_ANSWERED_FAILED);
    // A failed call ends answer mode.
    EXPECT_FALSE(AnswerModeItem().checked);
}

TEST_F(KivoAppModemTest, TheModemLineErrorIsToldAndCancelsTheRunningCommand) {
    const struct {
        std::uintptr_t lineInUse;
        unsigned text;
    } cases[] = {{1, IDP_MODEM_LINE_IN_USE}, {0, IDP_MODEM_REQUEST_FAILED}};
    for (const auto& c : cases) {
        broker_.AnswerMessageBox(IDOK);
        platform::Message error(WM_MODEM_LINE_ERROR, c.lineInUse);
        ASSERT_TRUE(app_.OnAppMessage(error));
        const testsupport::AskedQuestion& asked = broker_.Asked().back();
        EXPECT_EQ(asked.text, LoadText(c.text));
        EXPECT_EQ(asked.caption, LoadText(IDS_MODEM_CAPTION));
        EXPECT_EQ(asked.style, static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
        // Without a session there is nothing to cancel.
        EXPECT_FALSE(app_.IsSet(CAppContext::Flag::Abort));
    }

    CSessionEL* session = WaitForCalls();
    ASSERT_NE(session, nullptr);
    broker_.AnswerMessageBox(IDOK);
    platform::Message error(WM_MODEM_LINE_ERROR, 0);
    ASSERT_TRUE(app_.OnAppMessage(error));
    EXPECT_TRUE(app_.IsSet(CAppContext::Flag::Abort));
    EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return session->IsCommandDone(); }));
}

}  // namespace
