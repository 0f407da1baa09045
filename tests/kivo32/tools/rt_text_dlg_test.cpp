// The real-time text window offscreen, fed the records the session's loop delivers: cells in the
// variant's formats and colours, the readouts, Run/Hold and the refresh count as the loop sees them,
// and the close that ends the loop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/controls/toggle_button.h"
#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/tools/rt_ids.h"
#include "kivo32/tools/rt_readouts.h"
#include "kivo32/tools/rt_text_dlg.h"
#include "kivo32/tools/wf_capture_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "shared/controls/grid_control.h"
#include "shared/setup/sut_header.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class RtTextDlgTest : public testsupport::QtTest {
protected:
    RtTextDlgTest() { SetProgramTexts(platform::EnglishTexts()); }

    static std::shared_ptr<CRealTimeWindowLink> MakeLink(int typeCode, const char* name) {
        RealTimeSetup setup;
        setup.firstId = "400013";
        setup.secondId = "North feeder";
        setup.thirdId = "Q13-B";
        setup.firmware = 262;
        setup.channelTypes = {1, 1, 2, 0, 0, 0};
        setup.optionByte = CSUTHeader::kOptionRingMemory;
        setup.intervalCode = 1;
        return std::make_shared<CRealTimeWindowLink>(name, typeCode, std::vector<int>{}, setup);
    }
    static RealTimeRecord SampleRecord() {
        RealTimeRecord record;
        record.values = {{0, 1, 230.4f, 2}, {0, 1, 12.5f, 1}, {0, 1, 50000.0f, 1},
                         {0, 1, -0.95f, 6}, {1, 1, 0.0f, 0},  {2, 1, 21.5f, 11}};
        record.memoryUsed = 1;
        record.memoryFree = 3;
        record.clock = {2026, 12, 10, 9, 5, 7};
        record.lineFrequency = 49.96f;
        return record;
    }
    static QString Cell(QWidget* window, int row, int column) {
        auto* view = window->findChild<QTableView*>();
        return view->model()->index(row - 1, column - 1).data().toString();
    }
    static QVariant Interior(QWidget* window, int row, int column) {
        auto* view = window->findChild<QTableView*>();
        return view->model()->index(row - 1, column - 1).data(Qt::BackgroundRole);
    }
    // A click of the mouse, as the user toggles the button.
    static void Click(CToggleButton* button) {
        const QPoint at = button->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(button, &event);
        }
    }
    static QString Readout(QWidget* window, int id) {
        return platform::FindControlAs<QLabel>(window, id)->text();
    }

    CRegistryValues registry_;
};

TEST_F(RtTextDlgTest, TheLiteGridShowsEachValueInItsFormatAndTheReadoutsFollow) {
    const auto link = MakeLink(13, "CRTVTextLiteDlg");
    registry_.rtUpdateThreshold = 3;
    CRTVTextLiteDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        EXPECT_TRUE(link->IsOpen());
        EXPECT_EQ(link->RefreshCount(), 3);
        link->Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(SampleRecord())));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !Cell(shown, 1, 2).isEmpty(); }));
        // Two voltage-and-power channels: five rows. The Quarven's distortion column exists.
        auto* view = shown->findChild<QTableView*>();
        EXPECT_EQ(view->model()->rowCount(), 5);
        EXPECT_EQ(view->model()->columnCount(), 8);
        EXPECT_EQ(Cell(shown, 1, 2), "230.400 V");
        EXPECT_EQ(Cell(shown, 1, 3), "12.50 A");
        EXPECT_EQ(Cell(shown, 1, 4), "****** A");
        EXPECT_EQ(Cell(shown, 1, 5), "-0.95 dPF");
        EXPECT_TRUE(Cell(shown, 2, 2).isEmpty());  // a record of kind 0 fills no column
        EXPECT_EQ(Cell(shown, 2, 1), platform::ToQString(LoadText(IDS_RT_CHANNEL_OFF)));
        EXPECT_EQ(Cell(shown, 3, 2), QString::fromUtf8("21.5 \u00B0C"));
        EXPECT_EQ(Interior(shown, 3, 2).value<QBrush>().color(), QColor(0xFF, 0xFF, 0xFF));  // no setup
        EXPECT_EQ(Readout(shown, IDC_RT_FREQUENCY), "50.0 Hz");
        EXPECT_EQ(Readout(shown, IDC_RT_MEMORY_USED), "25.0%");
        EXPECT_EQ(Readout(shown, IDC_RT_TIME), "09:05:07");
        EXPECT_EQ(Readout(shown, IDC_RT_FIRST_ID), "400013");
        EXPECT_EQ(Readout(shown, IDC_RT_MEMORY_MODE), platform::ToQString(LoadText(IDS_RT_MEMORY_RING)));
        // The Quarven shows no battery and never counts down.
        EXPECT_FALSE(platform::FindControl(shown, IDC_RT_BATTERY_STATE)->isVisible());
        EXPECT_FALSE(platform::FindControl(shown, IDC_RT_REFRESH_COUNT)->isVisible());
        EXPECT_TRUE(platform::FindControl(shown, IDC_RT_SUPPLY)->isVisible());  // "B" fifth in the third ID
        platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
    });
    window.DoModal();
    EXPECT_TRUE(link->IsClosed());
}

TEST_F(RtTextDlgTest, AQuarvenPowerRowShowsItsDistortionInTheEighthColumn) {
    const auto link = MakeLink(14, "CRTVTextLiteDlg");
    CRTVTextLiteDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        RealTimeRecord record = SampleRecord();
        // Channel 1 full (8 kW + 6 kVAR against 12.5 kVA), channel 2 short of one quantity.
        record.values = {{0, 1, 250.0f, 2}, {0, 1, 50.0f, 1}, {0, 1, 8.0f, 4},   {0, 1, 12.5f, 5},
                         {0, 1, 0.8f, 6},   {0, 1, 6.0f, 7},  {1, 1, 230.0f, 2}, {1, 1, 10.0f, 1}};
        link->Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(record)));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !Cell(shown, 1, 8).isEmpty(); }));
        EXPECT_EQ(Cell(shown, 1, 7), "6.000 kVAR");
        EXPECT_EQ(Cell(shown, 1, 8), "75.00% THD");
        EXPECT_EQ(Interior(shown, 1, 8).value<QBrush>().color(), QColor(0xFF, 0xFF, 0xFF));
        EXPECT_TRUE(Cell(shown, 2, 8).isEmpty());
        // Its help opens from the window.
        testsupport::OnNextModal([](QWidget* help) {
            EXPECT_EQ(help->metaObject()->className(), std::string("CTHDHelpDlg"));
            help->close();
        });
        platform::FindControlAs<QAbstractButton>(shown, IDC_RT_THD_HELP)->click();
        platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
    });
    window.DoModal();
}

TEST_F(RtTextDlgTest, RunHoldReachesTheLoopAndAHeldRecordReleasesTheButton) {
    const auto link = MakeLink(1, "CRTVTextLiteDlg");
    CRTVTextLiteDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        auto* runHold = platform::FindControlAs<CToggleButton>(shown, IDC_RT_RUN_HOLD);
        auto* refresh = platform::FindControlAs<QPushButton>(shown, IDC_RT_REFRESH_COUNT);
        EXPECT_TRUE(runHold->IsPressed());
        EXPECT_TRUE(refresh->isVisible());
        Click(runHold);  // hold
        EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return link->IsHeld(); }));
        EXPECT_TRUE(refresh->isEnabled());
        Click(runHold);  // run, the count starts afresh
        EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return !link->IsHeld(); }));
        EXPECT_TRUE(link->TakeRestart());
        RealTimeRecord held = SampleRecord();
        held.held = true;
        link->HoldFromLoop();
        link->Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(held)));
        EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return !runHold->IsPressed(); }));
        EXPECT_TRUE(refresh->isEnabled());
        EXPECT_EQ(refresh->text(), platform::ToQString(LoadText(IDS_RT_REFRESH_BUTTON)));
        platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
    });
    window.DoModal();
    EXPECT_TRUE(link->IsClosed());
}

TEST_F(RtTextDlgTest, TheStandardGridColoursByRecordingFlagOnlyAndShowsSevenAsterisks) {
    const auto link = MakeLink(0, "CRTVTextStandardDlg");
    CRTVTextStandardDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        EXPECT_EQ(link->RefreshCount(), -1);  // the standard model refreshes without end
        RealTimeRecord record = SampleRecord();
        record.values = {{0, 1, 10000.0f, 2}, {0, 1, 0.5f, 8}};
        link->Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(record)));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !Cell(shown, 1, 2).isEmpty(); }));
        EXPECT_EQ(Cell(shown, 1, 2), "******* V");
        EXPECT_EQ(Cell(shown, 1, 3), platform::ToQString(LoadText(IDS_RT_STATE_OFF)));
        EXPECT_FALSE(Interior(shown, 1, 2).isValid());  // no setup: the grid's own colour
        EXPECT_FALSE(platform::FindControl(shown, IDC_RT_REFRESH_COUNT)->isVisible());
        EXPECT_FALSE(platform::FindControl(shown, IDC_RT_THD_HELP)->isVisible());
        platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
    });
    window.DoModal();
    EXPECT_TRUE(link->IsClosed());
}

TEST_F(RtTextDlgTest, TheStandardWindowsCaptureAsksTheLoopAndShowsTheThreeCurvesBesideIt) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    const auto link = MakeLink(0, "CRTVTextStandardDlg");
    CRTVTextStandardDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        auto* capture = platform::FindControlAs<QPushButton>(shown, IDC_RT_CAPTURE);
        ASSERT_TRUE(capture->isVisible());
        capture->click();
        EXPECT_TRUE(link->IsHeld());  // held while the loop captures
        EXPECT_EQ(link->TakeCaptureRequest(), 0);
        WaveformCapture taken;
        taken.captured = true;
        taken.sampleCount = 256;
        for (std::size_t i = 0; i < 256; ++i) {
            taken.table.voltage[i] = static_cast<int>(i) - 128;
            taken.table.current[i] = 128 - static_cast<int>(i);
        }
        link->Deliver(platform::Message(WM_REAL_TIME_CAPTURE, 0, platform::MakePayload(taken)));
        auto* curves = static_cast<platform::GraphControl*>(nullptr);
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] {
            auto* beside = shown->findChild<CWFCaptureDlg*>();
            curves = beside != nullptr ? beside->findChild<platform::GraphControl*>() : nullptr;
            return curves != nullptr && beside->isVisible();
        }));
        EXPECT_EQ(curves->Data().SubsetCount(), 3u);
        EXPECT_EQ(curves->Data().PointCount(), 256u);
        EXPECT_FALSE(link->IsHeld());  // refreshing again
        // A failed capture is told and leaves the window held as the user had it.
        Click(platform::FindControlAs<CToggleButton>(shown, IDC_RT_RUN_HOLD));
        capture->click();
        link->Deliver(platform::Message(WM_REAL_TIME_CAPTURE, 0, platform::MakePayload(WaveformCapture{})));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !broker.Asked().empty(); }));
        EXPECT_EQ(broker.Asked()[0].text, LoadText(IDS_WF_CAPTURE_FAILED));
        EXPECT_TRUE(link->IsHeld());
        platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
    });
    window.DoModal();
}

}  // namespace
