// The terminal window offscreen: traffic posted from another thread shown line by line in its order,
// Send handing the command to the session (or telling that none runs), Clear, the trace switch and the
// question when the window closes while tracing.
#include "kivo32/tools/terminal_mode_dlg.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <thread>
#include <vector>

#include "kivo32/tools/terminal_ids.h"
#include "kivo32/tools/terminal_traffic_relay.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

class TerminalModeDlgTest : public testsupport::QtTest {
protected:
    TerminalModeDlgTest() {
        SetProgramTexts(platform::EnglishTexts());
        CTerminalModeDlg::Links links;
        links.sendCommand = [this](std::string command) {
            sent_.push_back(command);
            return session_;
        };
        links.connected = [this] { return session_; };
        dialog_ = std::make_unique<CTerminalModeDlg>(app_, std::move(links));
        dialog_->show();
    }

    std::string Text() const {
        return FindControlAs<QPlainTextEdit>(dialog_.get(), IDC_TERMINAL_TEXT)->toPlainText().toStdString();
    }
    void Click(int id) { FindControlAs<QPushButton>(dialog_.get(), id)->click(); }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker broker_;
    bool session_ = true;
    std::vector<std::string> sent_;
    std::unique_ptr<CTerminalModeDlg> dialog_;
};

TEST_F(TerminalModeDlgTest, TrafficFromAnotherThreadIsShownInItsOrder) {
    CTerminalTrafficRelay relay;
    relay.Attach(dialog_->Target());
    std::string expected;
    for (int i = 0; i < 40; ++i) {
        expected += "S:C" + std::to_string(i) + "\n#:note " + std::to_string(i) + "\nR:" + std::to_string(i) +
                    "[CR/LF]\n";
    }
    // The session sends and notes, the read thread receives: one after the other as on the link.
    std::thread link([&relay] {
        for (int i = 0; i < 40; ++i) {
            relay.Post(TrafficKind::Sent, "C" + std::to_string(i));
            relay.Post(TrafficKind::Note, "note " + std::to_string(i));
            relay.Post(TrafficKind::Received, std::to_string(i) + "\r\n");
        }
    });
    link.join();
    EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return Text() == expected; })) << Text();
    // A window that is gone takes nothing.
    relay.Attach(nullptr);
    relay.Post(TrafficKind::Received, "late");
    testsupport::ProcessEventsFor(20);
    EXPECT_EQ(Text(), expected);
}

TEST_F(TerminalModeDlgTest, SendHandsTheCommandToTheSessionAndClearLeavesAPrompt) {
    auto* command = FindControlAs<QLineEdit>(dialog_.get(), IDC_TERMINAL_COMMAND);
    command->setText("i?");
    Click(IDC_TERMINAL_SEND);
    command->setText("");
    // Enter in the command sends too: an empty command is a command.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(command, &enter);
    EXPECT_EQ(sent_, (std::vector<std::string>{"i?", ""}));
    EXPECT_TRUE(dialog_->isVisible());

    session_ = false;
    broker_.AnswerMessageBox(IDOK);
    Click(IDC_TERMINAL_SEND);
    ASSERT_EQ(broker_.Asked().size(), 1u);
    EXPECT_EQ(broker_.Asked()[0].text, LoadText(IDS_TERMINAL_NO_SESSION));

    dialog_->ShowTraffic(TrafficKind::Received, "OK\r\n");
    session_ = true;
    Click(IDC_TERMINAL_CLEAR);
    EXPECT_EQ(Text(), "R:>\n");
}

TEST_F(TerminalModeDlgTest, TheTraceSwitchSetsTheFlagsAndClosingWhileTracingAsks) {
    app_.SetCommTraceFlags(kTerminalTraceOff);
    Click(IDC_TERMINAL_TRACE);
    EXPECT_EQ(app_.GetCommTraceFlags(), kCommTraceOn);
    EXPECT_TRUE(FindControlAs<QLabel>(dialog_.get(), IDC_TERMINAL_TRACE_NOTE)->isVisible());
    EXPECT_EQ(FindControlAs<QPushButton>(dialog_.get(), IDC_TERMINAL_TRACE)->text().toStdString(),
              LoadText(IDS_TERMINAL_TRACE_OFF));

    // Cancel keeps the window; No switches the trace off and closes it.
    broker_.AnswerMessageBox(IDCANCEL);
    Click(IDC_TERMINAL_CLOSE);
    EXPECT_TRUE(dialog_->isVisible());
    broker_.AnswerMessageBox(IDNO);
    Click(IDC_TERMINAL_CLOSE);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(app_.GetCommTraceFlags(), kTerminalTraceOff);
    EXPECT_EQ(broker_.Asked().size(), 2u);
}

}  // namespace
