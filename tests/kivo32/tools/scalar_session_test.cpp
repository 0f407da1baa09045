// The scalar, calibration, logger-ID and I/O configuration windows end to end: each command through a
// session over a pseudo-terminal to the logger simulator, the window driven offscreen on the
// user-interface thread while the session serves its questions, and the simulator's state read back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <chrono>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/setting_requests.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/tools/scalar_window_ids.h"
#include "kivo32/tools/scalar_windows.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_ui_broker.h"
#include "tests/kivo32/tools/simulated_session_fixture.h"
#include "tests/support/ui/modal_driver.h"
#include "tools/loggersim/dc_inputs.h"

namespace {

using namespace std::chrono_literals;

class ScalarSessionTest : public testsupport::SimulatedSessionTest {
protected:
    void TearDown() override {
        SimulatedSessionTest::TearDown();
        platform::RegisterDialogRunner<SetScalarsRequest>({});
        platform::RegisterDialogRunner<CalAmpScalarRequest>({});
        platform::RegisterDialogRunner<CalVoltTempScalarRequest>({});
        platform::RegisterDialogRunner<SetLoggerIdsRequest>({});
    }

    void Connect(const char* model, const std::function<void(LoggerState&)>& prepare) {
        SimulatedSessionTest::Connect(model, prepare);
        RegisterScalarWindows({});
    }

    // Runs the session's `command`, whose window of `Request` the user drives with `drive` to the end
    // `result`.
    template <class Request>
    void RunWindow(unsigned command, int result, std::function<void(QWidget*)> drive) {
        // The window runs on the user-interface thread while the session waits for it, as in the program.
        broker_.AnswerRequest<Request>(result, [](Request& r) {
            platform::QtUiBroker::RunOnUiThread([&r] { platform::FindDialogRunner<Request>()(r); });
        });
        testsupport::OnNextModal(std::move(drive));
        CSessionEL* session = owner_->GetActiveSession();
        session->Post(platform::Message(command));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return broker_.UnusedAnswers() == 0; }));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return session->WaitForCommandDone(1ms); }));
    }

    static void Click(QWidget* window, int id) {
        platform::FindControlAs<QAbstractButton>(window, id)->click();
    }
    static void Type(QWidget* window, int id, const char* text) {
        platform::FindControlAs<QLineEdit>(window, id)->setText(text);
    }
    static QString Text(QWidget* window, int id) {
        return platform::FindControlAs<QLineEdit>(window, id)->text();
    }
};

TEST_F(ScalarSessionTest, TheScalarWindowWritesTheVoltScalarAndKeepsTheOthers) {
    Connect("ornat2", [](LoggerState& s) { s.scalars = {0.000915123F, 0.41F, 0.5F}; });
    RunWindow<SetScalarsRequest>(WM_SESSION_SET_SCALARS, IDOK, [](QWidget* window) {
        Type(window, IDC_SCALARS_V, "0.425");
        Click(window, IDOK);
    });
    EXPECT_EQ(simulator_->Logger().State().scalars, (std::array<float, 3>{0.000915123F, 0.425F, 0.5F}));
}

TEST_F(ScalarSessionTest, AQuarvenCurrentCalibratesAgainstItsReference) {
    Connect("quarven-rs", [](LoggerState& s) {
        s.scalars = {0.98F, 0.5F, 0.25F};
        s.calibrationReference = "1, 230.0, 150.0";
    });
    RunWindow<CalAmpScalarRequest>(WM_SESSION_CAL_AMP_SCALAR, IDCANCEL, [](QWidget* window) {
        Click(window, IDC_CAL_AMP_CHECK);
        EXPECT_EQ(Text(window, IDC_CAL_ERROR), "-0.10");
        Click(window, IDC_CAL_AMP_CALIBRATE);
        Click(window, IDC_CAL_SEND);
        Click(window, IDCANCEL);
    });
    const std::array<float, 3> scalars = simulator_->Logger().State().scalars;
    EXPECT_NEAR(scalars[0], 0.98 * 150.15015 / 150.0, 1e-6);
    EXPECT_EQ(scalars[1], 0.5F);
    EXPECT_EQ(scalars[2], 0.25F);
}

TEST_F(ScalarSessionTest, AnOrnatVoltageCalibratesFromItsCounts) {
    Connect("ornat1", [](LoggerState& s) {
        s.scalars = {0.00093F, 0.41F, 0};
        ApplyDcInputs(s, {.volts = 500, .ampSource = 0.5F});
    });
    RunWindow<CalVoltTempScalarRequest>(WM_SESSION_CAL_VOLT_TEMP_SCALAR, IDCANCEL, [](QWidget* window) {
        Click(window, IDC_CAL_VOLT_CALIBRATE);
        Click(window, IDC_CAL_SEND);
        // Read again with the scalar sent, the source reads as what it is.
        Click(window, IDC_CAL_VOLT_CHECK);
        EXPECT_EQ(Text(window, IDC_CAL_VOLT_MEASURED), "500.00");
        EXPECT_EQ(Text(window, IDC_CAL_ERROR), "0.00");
        Click(window, IDCANCEL);
    });
    const std::array<float, 3> scalars = simulator_->Logger().State().scalars;
    EXPECT_NE(scalars[1], 0.41F);
    EXPECT_EQ(scalars[0], 0.00093F);
}

TEST_F(ScalarSessionTest, TheIdWindowWritesTheIdAndTheCompletedModelText) {
    Connect("ornat1", [](LoggerState&) {});
    RunWindow<SetLoggerIdsRequest>(WM_SESSION_SET_LOGGER_IDS, IDOK, [](QWidget* window) {
        Type(window, IDC_IDS_LOGGER_ID, "F7");
        platform::FindControlAs<QComboBox>(window, IDC_IDS_MODEL)->setCurrentText("L4");
        platform::FindControlAs<QCheckBox>(window, IDC_IDS_VARIANT)->setChecked(false);
        Click(window, IDOK);
    });
    ASSERT_TRUE(
        testsupport::ProcessEventsUntil([&] { return owner_->GetActiveSession()->WaitForCommandDone(1ms); }));
    EXPECT_EQ(simulator_->Logger().State().loggerId, "F7");
    EXPECT_EQ(simulator_->Logger().State().secondId, "AL400");
    // The session decides the model afresh from the text written.
    EXPECT_EQ(owner_->GetActiveSession()->GetLoggerType(), 2);
}

TEST_F(ScalarSessionTest, TheIoConfigurationIsWrittenWithTheBitsAboveTheSwitches) {
    Connect("quarven-rs", [](LoggerState& s) { s.configurationWord = 128 + 8; });
    RunWindow<SetLoggerIdsRequest>(WM_SESSION_SET_LOGGER_IDS, IDCANCEL, [](QWidget* window) {
        testsupport::OnNextModalOver(window, [](QWidget* io) {
            EXPECT_TRUE(platform::FindControlAs<QCheckBox>(io, 2256)->isChecked());
            platform::FindControlAs<QCheckBox>(io, 2256)->click();
            platform::FindControlAs<QCheckBox>(io, 2258)->click();
            Click(io, IDOK);
        });
        Click(window, IDC_IDS_IO_CONFIG);
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(simulator_->Logger().State().configurationWord, 128 + 1);
}

}  // namespace
