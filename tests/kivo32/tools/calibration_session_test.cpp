// Production calibration end to end: command 32857 through a session over a pseudo-terminal to the
// logger simulator with DC sources on its inputs, the program's calibration window driven offscreen, and
// the record appended to "LoggerCalData.clb".
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <chrono>
#include <regex>

#include "kivo32/session/calibration_requests.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/tools/auto_cal_ids.h"
#include "kivo32/tools/calibration_record.h"
#include "kivo32/tools/calibration_window.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/message_target.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_ui_broker.h"
#include "shared/link/link_clock.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/whole_file.h"
#include "tools/loggersim/dc_inputs.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace {

using namespace std::chrono_literals;

class CalibrationSessionTest : public testsupport::QtTest {
protected:
    void SetUp() override {
        simulator_.Logger().ChangeState([this](LoggerState& s) {
            InstallSetup(s, 1, CalibrationBenchSetup(simulator_.Logger().Model()));
            s.scalars = {0.00093F, 0.41F, 0};
            ApplyDcInputs(s, {.volts = 500, .ampSource = 0.5F});
        });
        const std::string path = simulator_.StartPty();
        owner_.SetLinkClock(clock_);
        ASSERT_TRUE(owner_.ConnectDirect(path.substr(std::string("/dev/").size()), 57600));
        ASSERT_TRUE(owner_.GetActiveSession()->WaitForCommandDone(60s));
        ASSERT_TRUE(owner_.GetActiveSession()->IsConnected());
        RegisterCalibrationWindow(calibration_folder_);
    }
    void TearDown() override {
        owner_.Disconnect(0);
        platform::RegisterDialogRunner<AutoCalibrationRequest>({});
    }

    static QAbstractButton* Button(QWidget* window, int id) {
        return platform::FindControlAs<QAbstractButton>(window, id);
    }
    static void ClickUntil(QWidget* window, int id, unsigned status) {
        Button(window, id)->click();
        const auto* line = platform::FindControlAs<QLabel>(window, IDC_CAL_STATUS);
        EXPECT_TRUE(testsupport::ProcessEventsUntil([&] {
            return line->text().toStdString() == LoadText(status);
        })) << line->text().toStdString();
    }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker broker_;
    platform::MessageQueue main_queue_;
    platform::QueueMessageTarget main_window_{main_queue_};
    LinkClock clock_{50};
    LoggerSimulator simulator_{*FindLoggerModel("ornat2")};
    CSessionOwner owner_{app_, &main_window_, &main_window_};
    testsupport::TempFolder folder_;
    std::string calibration_folder_ = folder_.path().string();
};

TEST_F(CalibrationSessionTest, ACalibrationIsWrittenToTheLoggerAndItsRecordAppended) {
    const std::filesystem::path file = folder_ / kCalibrationFileName;
    broker_.AnswerRequest<TechNameRequest>(IDOK, [](TechNameRequest& r) { r.technician = "jd"; });
    // The window runs on the user-interface thread while the session waits for it, as in the program.
    broker_.AnswerRequest<AutoCalibrationRequest>(IDCANCEL, [](AutoCalibrationRequest& r) {
        platform::QtUiBroker::RunOnUiThread(
            [&r] { platform::FindDialogRunner<AutoCalibrationRequest>()(r); });
    });
    broker_.AnswerMessageBox(IDOK);  // the scalars written
    broker_.AnswerFileName(file);
    testsupport::OnNextModal([](QWidget* window) {
        ClickUntil(window, IDC_CAL_AUTO_CAL, IDS_CAL_DONE);
        for (const unsigned done : {IDS_CAL_L1_DONE, IDS_CAL_L2_DONE, IDS_CAL_L3_DONE}) {
            ClickUntil(window, IDC_CAL_MEASURE, done);
        }
        platform::FindControlAs<QLineEdit>(window, IDC_CAL_SERIAL_NUMBER)->setText("40711");
        Button(window, IDC_CAL_MODEM_9600)->click();
        Button(window, IDC_CAL_STORE)->click();
        Button(window, IDCANCEL)->click();
    });
    CSessionEL* session = owner_.GetActiveSession();
    session->Post(platform::Message(WM_SESSION_AUTO_CALIBRATION));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return broker_.UnusedAnswers() == 0; }));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return session->WaitForCommandDone(1ms); }));

    // The logger holds the scalars its own gains call for.
    EXPECT_NEAR(simulator_.Logger().State().scalars[1], 0.425F, 0.0001F);
    EXPECT_NEAR(simulator_.Logger().State().scalars[0], 0.000915F, 0.000001F);
    const std::string text = testsupport::ReadWholeFile(file);
    const std::string header = CalibrationHeaderLine() + "\r\n";
    ASSERT_TRUE(text.starts_with(header)) << text;
    const std::string record = text.substr(header.size());
    // Date and time of storing, then the golden rest: the phases read back what the sources apply.
    const std::regex stamp(R"(\d\d/\d\d/\d\d\t\d\d:\d\d:\d\d\t)");
    ASSERT_TRUE(std::regex_search(record, stamp, std::regex_constants::match_continuous)) << record;
    EXPECT_EQ(record.substr(18),
              "40711\t   200002\t              Ornat2\t         Ornat logger\t57600\t9600\t128K\tOff\t"
              "0.00091499\t150.15\t150.15\t0.00\t150.15\t0.00\t150.15\t0.00\t150.15\t0.00\t"
              "0.42498937\t500.00\t500.00\t0.00\t500.00\t0.00\t500.00\t0.00\t JD\t" +
                  std::string(80, ' ') + "\r\n");
}

}  // namespace
