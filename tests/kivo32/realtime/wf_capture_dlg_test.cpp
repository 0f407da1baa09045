// The waveform capture window offscreen, fed the captures the session's loop delivers: the curves of
// each model's sample count, the flat question (asked of a capture asked for, never in the continuous
// capture), the continuous capture started and stopped, printing to PDF and copying to the clipboard.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <cmath>
#include <filesystem>
#include <numbers>

#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/wf_capture_ornat.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "shared/setup/setup_table.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class WfCaptureDlgTest : public testsupport::QtTest {
protected:
    WfCaptureDlgTest() { SetProgramTexts(platform::EnglishTexts()); }

    static std::shared_ptr<CRealTimeWindowLink> MakeLink(int typeCode) {
        RealTimeSetup setup;
        setup.firstId = "400013";
        setup.channelTypes = {2, 1, 1, 0, 0, 0};  // channel 2 is the first voltage-and-power channel
        setup.currentScalar = 0.01f;
        setup.voltageScalar = 0.1f;
        auto table = std::make_shared<CSetupTable>();
        for (int channel = 0; channel < 3; ++channel) {
            table->GetHardwareChannel(channel).SetPTRatio(1.0f);
            table->GetHardwareChannel(channel).SetCTSize(1.0f);
        }
        setup.table = table;
        return std::make_shared<CRealTimeWindowLink>("CWFCaptureOrnat", typeCode, std::vector<int>{}, setup);
    }
    // One cycle of a sine in `samples` (flat: the current is 0 throughout).
    static WaveformCapture Capture(int channel, int samples, bool flat, bool continuous) {
        WaveformCapture capture;
        capture.channel = channel;
        capture.captured = true;
        capture.continuous = continuous;
        capture.sampleCount = samples;
        capture.clockText = "09:05:07 10/12/26";  // 12 October 2026, as the logger's clock reads
        for (int i = 0; i < samples; ++i) {
            const double angle = 2.0 * std::numbers::pi * i / samples;
            capture.table.voltage[static_cast<std::size_t>(i)] =
                static_cast<int>(std::lround(3000 * std::sin(angle)));
            capture.table.current[static_cast<std::size_t>(i)] =
                flat ? 0 : static_cast<int>(std::lround(1000 * std::sin(angle)));
        }
        return capture;
    }
    static void Deliver(CRealTimeWindowLink& link, WaveformCapture capture) {
        link.Deliver(platform::Message(WM_REAL_TIME_CAPTURE, 0, platform::MakePayload(std::move(capture))));
    }
    static platform::GraphControl* Graph(QWidget* window) {
        return platform::FindControlAs<platform::GraphControl>(window, IDC_RT_GRAPH);
    }
    static QAbstractButton* Button(QWidget* window, int id) {
        return platform::FindControlAs<QAbstractButton>(window, id);
    }

    CRegistryValues registry_;
};

TEST_F(WfCaptureDlgTest, ShowsEachModelsCycleAsThreeCurvesAndAsksTheFirstChannelOnce) {
    struct Case {
        int typeCode;
        int samples;
        const char* shortDate;    // the user's
        const char* captureTime;  // the date as the grid shows that day
    };
    const Case cases[] = {{1, 128, "MM/dd/yy", "09:05:07  10/12/26"},
                          {13, 200, "dd/MM/yyyy", "09:05:07  12/10/2026"},
                          {13, 240, "yyyy-MM-dd", "09:05:07  2026-10-12"}};
    for (const Case& c : cases) {
        const int typeCode = c.typeCode;
        const int samples = c.samples;
        SCOPED_TRACE(samples);
        testsupport::FakeAppContext context;
        context.shortDateFormat = c.shortDate;
        const auto link = MakeLink(typeCode);
        CWFCaptureOrnat window(link, registry_);
        testsupport::OnNextModal([&, samples = samples, typeCode = typeCode](QWidget* shown) {
            // Only the voltage-and-power channels can be chosen; the first is.
            EXPECT_FALSE(Button(shown, IDC_WF_CHANNEL1)->isEnabled());
            EXPECT_TRUE(Button(shown, IDC_WF_CHANNEL1 + 1)->isChecked());
            EXPECT_EQ(link->TakeCaptureRequest(), 1);
            EXPECT_TRUE(link->IsHeld());  // not continuous before the first capture showed
            EXPECT_EQ(Button(shown, IDC_WF_REFRESH_COUNT)->isVisible(), typeCode < 13);
            Deliver(*link, Capture(1, samples, false, false));
            ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !window.Curves().volts.empty(); }));
            const WaveformCurves& curves = window.Curves();
            ASSERT_EQ(curves.volts.size(), static_cast<std::size_t>(samples));
            // Reverse order: sample 1 (rising) is stored next to last.
            EXPECT_NEAR(curves.volts[static_cast<std::size_t>(samples) - 2],
                        3000 * std::sin(2.0 * std::numbers::pi / samples) * 0.1, 0.1);
            const platform::GraphControl* graph = Graph(shown);
            EXPECT_EQ(graph->Data().SubsetCount(), 3u);
            EXPECT_EQ(graph->Data().PointCount(), static_cast<std::size_t>(samples));
            EXPECT_EQ(graph->Settings().axes.size(), 3u);
            EXPECT_EQ(platform::FindControlAs<QLabel>(shown, IDC_WF_CAPTURE_TIME)->text(), c.captureTime);
            Button(shown, IDCANCEL)->click();
        });
        window.DoModal();
        EXPECT_TRUE(link->IsClosed());
    }
}

TEST_F(WfCaptureDlgTest, AFlatCaptureIsAskedAboutAtTheStartButNotInTheContinuousCapture) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDNO);
    {
        // Not wanted: the window has nothing to show and closes.
        const auto link = MakeLink(1);
        CWFCaptureOrnat window(link, registry_);
        testsupport::OnNextModal([&](QWidget*) { Deliver(*link, Capture(1, 128, true, false)); });
        EXPECT_EQ(window.DoModal(), IDCANCEL);
        ASSERT_EQ(broker.Asked().size(), 1u);
        EXPECT_EQ(broker.Asked()[0].text, LoadText(IDS_WF_FLAT));
    }
    broker.AnswerMessageBox(IDYES);
    const auto link = MakeLink(1);
    CWFCaptureOrnat window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        Deliver(*link, Capture(1, 128, true, false));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !window.Curves().volts.empty(); }));
        EXPECT_EQ(broker.Asked().size(), 2u);
        // The continuous capture starts by itself, shows flat captures without asking, and stops.
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return window.IsContinuous(); }));
        EXPECT_EQ(Button(shown, IDC_WF_CONTINUOUS)->text(),
                  platform::ToQString(LoadText(IDS_WF_STOP_CONTINUOUS)));
        Deliver(*link, Capture(1, 128, true, true));
        testsupport::ProcessEventsFor(50);
        EXPECT_EQ(broker.Asked().size(), 2u);
        // The loop's count ran out.
        link->HoldFromLoop();
        WaveformCapture held;
        held.continuous = true;
        held.held = true;
        Deliver(*link, held);
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] {
            return Button(shown, IDC_WF_CONTINUOUS)->text() ==
                   platform::ToQString(LoadText(IDS_WF_START_CONTINUOUS));
        }));
        Button(shown, IDC_WF_CONTINUOUS)->click();
        EXPECT_TRUE(window.IsContinuous());
        EXPECT_TRUE(link->TakeRestart());  // the count starts afresh
        Button(shown, IDCANCEL)->click();
    });
    window.DoModal();
}

TEST_F(WfCaptureDlgTest, PrintsTheGraphToPdfAndCopiesTheWindowToTheClipboard) {
    testsupport::TempFolder folder;
    const std::filesystem::path pdf = folder.path() / "capture.pdf";
    testsupport::ScriptedUiBroker broker;
    broker.AnswerDialog("Print", QDialog::Accepted);
    const auto link = MakeLink(13);
    CWFCaptureOrnat window(link, registry_);
    window.Printer().setOutputFormat(QPrinter::PdfFormat);
    window.Printer().setOutputFileName(QString::fromStdString(pdf.string()));
    testsupport::OnNextModal([&](QWidget* shown) {
        Deliver(*link, Capture(1, 200, false, false));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !window.Curves().volts.empty(); }));
        Button(shown, IDC_WF_PRINT)->click();
        QApplication::clipboard()->clear();
        Button(shown, IDC_WF_COPY)->click();
        EXPECT_FALSE(QApplication::clipboard()->image().isNull());
        Button(shown, IDCANCEL)->click();
    });
    window.DoModal();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

}  // namespace
