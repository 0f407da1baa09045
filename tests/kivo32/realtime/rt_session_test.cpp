// The real-time text window end to end: the session's command over a pseudo-terminal to the logger
// simulator, the window the session opens driven offscreen on the user-interface thread.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <chrono>

#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/real_time_window_link.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/rt_readouts.h"
#include "kivo32/realtime/rt_windows.h"
#include "platform/base/dialog_request.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "tests/kivo32/tools/simulated_session_fixture.h"
#include "tests/support/ui/modal_driver.h"
#include "tools/loggersim/battery_state.h"

namespace {

using namespace std::chrono_literals;

class RtSessionTest : public testsupport::SimulatedSessionTest {
protected:
    RtSessionTest() { SetProgramTexts(platform::EnglishTexts()); }
    void TearDown() override {
        SimulatedSessionTest::TearDown();
        platform::RegisterDialogRunner<RealTimeWindowRequest>({});
        platform::RegisterDialogRunner<RealTimeSelectionRequest>({});
    }

    // Runs the session's real-time text command; the window it opens is driven by `drive`, as the
    // program's main window runs it.
    void RunTextWindow(std::function<void(QWidget*)> drive) {
        CSessionEL* session = owner_->GetActiveSession();
        session->Post(platform::Message(WM_SESSION_REAL_TIME_TEXT));
        std::shared_ptr<CRealTimeWindowLink> link;
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] {
            while (std::optional<platform::Message> message = main_queue_.TryTake()) {
                if (const auto* posted = platform::PayloadAs<std::shared_ptr<CRealTimeWindowLink>>(*message);
                    message->id == WM_REAL_TIME_WINDOW && posted) {
                    link = *posted;
                }
            }
            return link != nullptr;
        }));
        testsupport::OnNextModal(std::move(drive));
        RealTimeWindowRequest request{.link = link};
        platform::FindDialogRunner<RealTimeWindowRequest>()(request);
        link->Close();
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return session->WaitForCommandDone(1ms); }));
    }

    static QString Readout(QWidget* window, int id) {
        return platform::FindControlAs<QLabel>(window, id)->text();
    }

    CRegistryValues registry_;
};

TEST_F(RtSessionTest, TheTextWindowShowsTheBatteryTheLoggerReports) {
    const struct {
        const char* model;
        SimulatedBattery battery;
        std::string state, volts, supply;
    } cases[] = {
        {"standard", SimulatedBattery::Low, "10%    ", "4.70 V", "0.00 V"},
        {"standard", SimulatedBattery::ExternalPower, LoadText(IDS_RT_MAINS_POWERED), "6.50 V",
         LoadText(IDS_RT_EXTERNAL_POWER)},
        {"ornat1", SimulatedBattery::Weak, UpperCase(LoadText(IDS_RT_BATTERY_WEAK)), "3.31 V", "4.53 V"},
        {"nimbo-combo2", SimulatedBattery::ExternalPower, LoadText(IDS_RT_EXTERNAL_POWER),
         LoadText(IDS_RT_EXTERNAL_POWER), LoadText(IDS_RT_EXTERNAL_POWER)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model + (" " + c.state));
        Connect(c.model, [&c](LoggerState& s) {
            SetBattery(s, c.battery);
            s.secondId = "S0-1B";  // a battery model: the supply readout shows
        });
        RegisterRealTimeWindows(registry_, {});
        RunTextWindow([&c](QWidget* window) {
            EXPECT_TRUE(testsupport::ProcessEventsUntil([&] {
                return Readout(window, IDC_RT_BATTERY_STATE) == platform::ToQString(c.state);
            })) << Readout(window, IDC_RT_BATTERY_STATE).toStdString();
            EXPECT_EQ(Readout(window, IDC_RT_BATTERY_VOLTS), platform::ToQString(c.volts));
            EXPECT_TRUE(platform::FindControl(window, IDC_RT_SUPPLY)->isVisible());
            EXPECT_EQ(Readout(window, IDC_RT_SUPPLY), platform::ToQString(c.supply));
            platform::FindControlAs<QAbstractButton>(window, IDCANCEL)->click();
        });
        owner_->Disconnect(0);
        owner_.reset();
    }
}

}  // namespace
