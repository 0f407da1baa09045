// The real-time text window offscreen, fed the records the session's loop delivers: cells in the
// variant's formats and colours, the channel names whole, the readouts, Run/Hold and the refresh count
// as the loop sees them, and the close (Escape too) that ends the loop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/controls/toggle_button.h"
#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/rt_readouts.h"
#include "kivo32/realtime/rt_text_dlg.h"
#include "kivo32/realtime/wf_capture_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "shared/controls/grid_control.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"
#include "shared/setup/sut_header.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class RtTextDlgTest : public testsupport::QtTest {
protected:
    RtTextDlgTest() { SetProgramTexts(platform::EnglishTexts()); }

    static std::shared_ptr<CRealTimeWindowLink> MakeLink(int typeCode, const char* name,
                                                         std::shared_ptr<const CSetupTable> table = nullptr) {
        RealTimeSetup setup;
        setup.table = std::move(table);
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
    static QString Cell(QWidget* window, int row, int column, int grid = IDC_RT_GRID) {
        return CellData(window, row, column, grid).toString();
    }
    static QVariant Interior(QWidget* window, int row, int column) {
        return CellData(window, row, column, IDC_RT_GRID, Qt::BackgroundRole);
    }
    static QVariant CellData(QWidget* window, int row, int column, int grid, int role = Qt::DisplayRole) {
        QTableView& view = platform::FindControlAs<CGridControl>(window, grid)->Grid();
        return view.model()->index(row - 1, column - 1).data(role);
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

TEST_F(RtTextDlgTest, EscapeClosesTheWindowWhereverTheFocusIs) {
    for (const int focused : {IDC_RT_RUN_HOLD, IDC_RT_GRID}) {
        const auto link = MakeLink(13, "CRTVTextLiteDlg");
        CRTVTextLiteDlg window(link, registry_);
        testsupport::OnNextModal([&](QWidget* shown) {
            QWidget* target = focused == IDC_RT_GRID
                                  ? &platform::FindControlAs<CGridControl>(shown, focused)->Grid()
                                  : platform::FindControl(shown, focused);
            target->setFocus();
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(target, &escape);
            EXPECT_FALSE(shown->isVisible()) << focused;
            if (shown->isVisible()) {
                platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
            }
        });
        EXPECT_EQ(window.DoModal(), IDCANCEL);
        EXPECT_TRUE(link->IsClosed()) << focused;
    }
}

TEST_F(RtTextDlgTest, EachChannelNameShowsWholeOnItsTwoLines) {
    auto table = std::make_shared<CSetupTable>();
    table->GetHardwareChannel(0).SetLoggerLabel("North feeder main");
    const auto link = MakeLink(13, "CRTVTextLiteDlg", table);
    CRTVTextLiteDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        link->Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(SampleRecord())));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !Cell(shown, 1, 2).isEmpty(); }));
        QTableView& view = platform::FindControlAs<CGridControl>(shown, IDC_RT_GRID)->Grid();
        const QString name = Cell(shown, 1, 1);
        ASSERT_EQ(name, "VOLTS & POWER\nNorth feeder main");
        // The cell holds the text within the margins the grid draws it in, without eliding a line.
        const QRect cell = view.visualRect(view.model()->index(0, 0));
        const QRect text = view.fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), 0, name);
        const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
        EXPECT_GE(cell.width(), text.width() + 2 * margin);
        EXPECT_GE(cell.height(), text.height());
        platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
    });
    window.DoModal();
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

TEST_F(RtTextDlgTest, TheAnalogInputsOfTheModel14ShowBelowTheChannelsInTheirSetupsUnits) {
    auto table = std::make_shared<CSetupTable>();
    const struct {
        int type;
        const char* name;
        const char* units;
    } inputs[] = {{kChannelAnalog4To20mA, "Tank level", "m"},
                  {kChannelAnalog0To10V, "Pressure", "psi"},
                  {0, "", ""},
                  {kChannelAnalog0To20mA, "Flow", "l/s"}};
    const auto link = [&] {
        RealTimeSetup setup = MakeLink(0, "")->Setup();
        for (int input = 0; input < 4; ++input) {
            setup.channelTypes[static_cast<std::size_t>(6 + input)] =
                static_cast<std::uint8_t>(inputs[input].type);
            table->GetAnalogChannel(input).SetType(static_cast<std::uint8_t>(inputs[input].type));
            table->GetAnalogChannel(input).SetName(inputs[input].name);
            table->GetAnalogChannel(input).SetUnits(inputs[input].units);
        }
        setup.table = table;
        return std::make_shared<CRealTimeWindowLink>("CRTVTextLiteDlg", 14, std::vector<int>{}, setup);
    }();
    CRTVTextLiteDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        RealTimeRecord record = SampleRecord();
        // Input 3 is off and sends nothing; the decoder gives the inputs no unit.
        record.values = {{0, 1, 230.0f, 2}, {6, 1, 12.345f, 0}, {7, 1, 50000.0f, 0}, {9, 1, -3.5f, 0}};
        link->Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(record)));
        ASSERT_TRUE(testsupport::ProcessEventsUntil(
            [&] { return !Cell(shown, 1, 2, IDC_RT_ANALOG_GRID).isEmpty(); }));
        const struct {
            int row;
            const char* name;
            const char* value;
        } rows[] = {{1, "4 - 20 ma\nTank level", "12.35 m"},
                    {2, "0 - 10 Vdc\nPressure", "****** psi"},
                    {3, "OFF", ""},
                    {4, "0 - 20 ma\nFlow", "-3.50 l/s"}};
        for (const auto& row : rows) {
            SCOPED_TRACE(row.row);
            EXPECT_EQ(Cell(shown, row.row, 1, IDC_RT_ANALOG_GRID), row.name);
            EXPECT_EQ(Cell(shown, row.row, 2, IDC_RT_ANALOG_GRID), row.value);
        }
        // The inputs stay out of the channels' grid, which the analog grid follows.
        EXPECT_EQ(Cell(shown, 1, 2), "230.000 V");
        QWidget* channels = platform::FindControl(shown, IDC_RT_GRID);
        QWidget* analog = platform::FindControl(shown, IDC_RT_ANALOG_GRID);
        EXPECT_TRUE(analog->isVisible());
        EXPECT_GE(analog->geometry().top(), channels->geometry().bottom());
        EXPECT_EQ(shown->minimumWidth(), 660);
        EXPECT_EQ(shown->maximumSize(), QSize(1600, 1200));
        platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
    });
    window.DoModal();
}

TEST_F(RtTextDlgTest, OnlyTheModel14HasTheAnalogGridAndOnlyTheLiteWindowsHaveSizeLimits) {
    const struct {
        int typeCode;
        std::optional<QSize> minimum;  // the layout's own without limits
        QSize maximum;
    } cases[] = {{13, QSize(670, 475), {1600, 1200}},
                 {1, QSize(670, 475), {1600, 1200}},
                 {0, std::nullopt, {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typeCode);
        const auto link = MakeLink(c.typeCode, "CRTVTextLiteDlg");
        CRTVTextLiteDlg window(link, registry_);
        testsupport::OnNextModal([&](QWidget* shown) {
            EXPECT_FALSE(platform::FindControl(shown, IDC_RT_ANALOG_GRID)->isVisible());
            if (c.minimum) {
                EXPECT_EQ(shown->minimumSize(), *c.minimum);
            }
            EXPECT_EQ(shown->maximumSize(), c.maximum);
            platform::FindControlAs<QAbstractButton>(shown, IDCANCEL)->click();
        });
        window.DoModal();
    }
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
    auto table = std::make_shared<CSetupTable>();
    table->GetHardwareChannel(0).SetPTRatio(2.0f);
    table->GetHardwareChannel(0).SetCTSize(100.0f);
    const auto link = MakeLink(0, "CRTVTextStandardDlg", table);
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
        taken.table.floats = {0.5f, 0.01f};  // the standard model's voltage and current scalars
        link->Deliver(platform::Message(WM_REAL_TIME_CAPTURE, 0, platform::MakePayload(taken)));
        auto* curves = static_cast<platform::GraphControl*>(nullptr);
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] {
            auto* beside = shown->findChild<CWFCaptureDlg*>();
            curves = beside != nullptr ? beside->findChild<platform::GraphControl*>() : nullptr;
            return curves != nullptr && beside->isVisible();
        }));
        EXPECT_EQ(curves->Data().SubsetCount(), 3u);
        EXPECT_EQ(curves->Data().PointCount(), 256u);
        // In the order read, over the capture's own scalars and the channel's factors.
        EXPECT_FLOAT_EQ(curves->Data().subsets[0].Sample(255), 127 * 0.5f * 2.0f);
        EXPECT_FLOAT_EQ(curves->Data().subsets[1].Sample(255), -127 * 0.01f * 100.0f);
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
