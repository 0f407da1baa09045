// The real-time graph offscreen: its channel selection, its axis dialog, and the window fed the records
// the session's loop delivers (points per cycle, subsets, legend, Y scaling, the auto-scaling toggle).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include "kivo32/controls/toggle_button.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/realtime/rt_axis_scaling_dlg.h"
#include "kivo32/realtime/rt_graph_dlg.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/rt_select_data_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class RtGraphDlgTest : public testsupport::QtTest {
protected:
    RtGraphDlgTest() { SetProgramTexts(platform::EnglishTexts()); }

    static QAbstractButton* Button(QWidget* window, int id) {
        return platform::FindControlAs<QAbstractButton>(window, id);
    }
    static std::shared_ptr<CRealTimeWindowLink> MakeLink(int typeCode, std::vector<int> selection) {
        RealTimeSetup setup;
        setup.channelTypes = {1, 1, 2, 0, 0, 0};
        return std::make_shared<CRealTimeWindowLink>(
            typeCode == 0 ? "CRTVGraphStandardDlg" : "CRTVGraphLiteDlg", typeCode, std::move(selection),
            setup);
    }
    static void Deliver(CRealTimeWindowLink& link, std::vector<RealTimeValue> values) {
        RealTimeRecord record;
        record.values = std::move(values);
        link.Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(record)));
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
    // Types `text` key by key, as the validator sees it.
    static void Type(QLineEdit* edit, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }

    CRegistryValues registry_;
};

TEST_F(RtGraphDlgTest, TheSelectionKeepsOneChannelTypeAndOffersItsValues) {
    const ChannelTypes types = {1, 2, 1, 2, 0, 0};
    CRTValsSelectData dialog(types, true);
    testsupport::OnNextModal([](QWidget* window) {
        // Two voltage-and-power channels: the sixth box hides.
        EXPECT_FALSE(platform::FindControl(window, IDC_SELECT_CHANNEL6)->isVisible());
        EXPECT_FALSE(Button(window, IDC_SELECT_CHANNEL5)->isEnabled());  // type 0
        EXPECT_EQ(Button(window, IDC_SELECT_CHANNEL1)->text(), "Ch1 - VOLTS && POWER");
        Button(window, IDC_SELECT_CHANNEL2)->click();  // a temperature channel
        EXPECT_FALSE(Button(window, IDC_SELECT_CHANNEL1)->isEnabled());
        EXPECT_TRUE(Button(window, IDC_SELECT_CHANNEL4)->isEnabled());
        EXPECT_TRUE(Button(window, kChoiceIds[6])->isChecked());
        EXPECT_FALSE(Button(window, kChoiceIds[0])->isEnabled());
        Button(window, IDC_SELECT_CHANNEL2)->click();  // none checked: every typed channel again
        EXPECT_TRUE(Button(window, IDC_SELECT_CHANNEL1)->isEnabled());
        EXPECT_FALSE(Button(window, kChoiceIds[6])->isEnabled());
        EXPECT_FALSE(Button(window, kChoiceIds[6])->isChecked());
        Button(window, IDC_SELECT_CHANNEL1)->click();
        Button(window, IDC_SELECT_CHANNEL3)->click();
        EXPECT_TRUE(Button(window, kChoiceIds[2])->isChecked());  // kW first
        Button(window, kChoiceIds[0])->click();                   // volts
        Button(window, IDOK)->click();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.selected, (std::array<int, 6>{1, 0, 1, 0, 0, 0}));
    EXPECT_EQ(dialog.valueChoice, 0);
}

TEST_F(RtGraphDlgTest, WithoutASetupTheSelectionSaysSoAndCancels) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    CRTValsSelectData dialog({}, false);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].text, LoadText(IDS_SELECT_MISSING));
}

TEST_F(RtGraphDlgTest, TheAxisDialogTakesWholeSecondsAndAnOrderedRange) {
    testsupport::ScriptedUiBroker broker;
    for (int i = 0; i < 3; ++i) {
        broker.AnswerMessageBox(IDOK);
    }
    CRTGraphAxisScaling dialog;
    dialog.mode = 1;
    dialog.yMinimum = 0.0;
    dialog.yMaximum = 250.0;
    dialog.timeSpan = 60;
    testsupport::OnNextModal([](QWidget* window) {
        auto* minimum = platform::FindControlAs<QLineEdit>(window, IDC_AXIS_Y_MINIMUM);
        auto* span = platform::FindControlAs<QLineEdit>(window, IDC_AXIS_TIME_SPAN);
        EXPECT_EQ(minimum->text(), "0.00");
        EXPECT_FALSE(minimum->isEnabled());  // automatic
        Button(window, IDC_AXIS_MANUAL)->click();
        EXPECT_TRUE(minimum->isEnabled());
        span->clear();
        Type(span, "1.5");  // no decimal point can be typed
        EXPECT_EQ(span->text(), "15");
        const struct {
            const char* span;
            const char* low;
            const char* high;
        } refused[] = {{"0", "0", "10"}, {"10001", "0", "10"}, {"90", "10", "-10"}};
        for (const auto& r : refused) {
            span->setText(r.span);
            minimum->setText(r.low);
            platform::FindControlAs<QLineEdit>(window, IDC_AXIS_Y_MAXIMUM)->setText(r.high);
            Button(window, IDOK)->click();
            EXPECT_TRUE(window->isVisible()) << r.span << " " << r.low << " " << r.high;
        }
        minimum->setText("-5");
        platform::FindControlAs<QLineEdit>(window, IDC_AXIS_Y_MAXIMUM)->setText("10");
        span->setText("90");
        Button(window, IDOK)->click();
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(broker.Asked().size(), 3u);
    EXPECT_EQ(dialog.mode, 0);
    EXPECT_EQ(dialog.yMinimum, -5.0);
    EXPECT_EQ(dialog.yMaximum, 10.0);
    EXPECT_EQ(dialog.timeSpan, 90);
}

TEST_F(RtGraphDlgTest, EachRecordPlotsAPointPerSelectedChannelAndScalesY) {
    // Channels 1 and 2 selected, volts AC.
    const auto link = MakeLink(1, {1, 1, 0, 0, 0, 0, 0});
    CRTVGraphLiteDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        auto* graph = platform::FindControlAs<platform::GraphControl>(shown, IDC_RT_GRAPH);
        EXPECT_EQ(window.Kind(), 2);
        Deliver(*link, {{0, 1, 230.0f, 2}, {0, 1, 5.0f, 1}, {2, 1, 20.0f, 11}});  // channel 2 not yet
        Deliver(*link, {{0, 1, 232.0f, 2}, {1, 1, 120.0f, 2}});
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return graph->Data().PointCount() == 2; }));
        const platform::GraphData& data = graph->Data();
        ASSERT_EQ(data.SubsetCount(), 2u);
        EXPECT_EQ(data.subsets[0].Sample(1), 232.0f);
        EXPECT_TRUE(data.subsets[1].IsNull(0));
        EXPECT_EQ(data.subsets[1].Sample(1), 120.0f);
        const platform::GraphSettings& settings = graph->Settings();
        EXPECT_EQ(settings.subsets[1].label, "Ch2");
        EXPECT_EQ(settings.statistics.rows[0].text, "Ch1: 232.00");
        EXPECT_EQ(settings.axes[0].label, LoadText(IDS_RT_VOLTS) + " AC");
        EXPECT_EQ(settings.annotations, std::vector<std::string>{XAxisTitle(60)});
        ASSERT_TRUE(settings.numericX);
        EXPECT_EQ(settings.numericX->to, 60.0);
        // Automatic: 120-232 with the margin of values between 50 and 500.
        ASSERT_TRUE(settings.axes[0].manualRange);
        EXPECT_NEAR(settings.axes[0].manualRange->first, 120.0 - 120.0 * 0.006, 1e-9);
        EXPECT_NEAR(settings.axes[0].manualRange->second, 232.0 + 232.0 * 0.006, 1e-9);
        // Auto-scaling off without a manual range: from 0 up.
        auto* autoScale = platform::FindControlAs<CToggleButton>(shown, IDC_RT_AUTO_SCALE);
        Click(autoScale);
        EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return !window.IsAutoScaling(); }));
        EXPECT_EQ(graph->Settings().axes[0].manualRange->first, 0.0);
        Button(shown, IDCANCEL)->click();
    });
    window.DoModal();
    EXPECT_TRUE(link->IsClosed());
}

TEST_F(RtGraphDlgTest, OnOffStatesPlotAsStepsWithoutScalingControlsAndTheAxisDialogChangesTheSpan) {
    const auto onOff = MakeLink(1, {1, 0, 0, 0, 0, 0, 7});
    CRTVGraphLiteDlg states(onOff, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        auto* graph = platform::FindControlAs<platform::GraphControl>(shown, IDC_RT_GRAPH);
        EXPECT_FALSE(platform::FindControl(shown, IDC_RT_AUTO_SCALE)->isVisible());
        EXPECT_FALSE(platform::FindControl(shown, IDC_RT_AXIS_SCALING)->isVisible());
        Deliver(*onOff, {{0, 1, 0.7f, 8}});
        Deliver(*onOff, {{0, 1, 0.2f, 8}});
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return graph->Data().PointCount() == 2; }));
        EXPECT_EQ(graph->Data().subsets[0].Sample(0), 1.0f);
        EXPECT_EQ(graph->Data().subsets[0].Sample(1), 0.0f);
        Button(shown, IDCANCEL)->click();
    });
    states.DoModal();

    // The window starts from the kept settings and keeps what the axis dialog set.
    std::optional<RtGraphSettings> saved;
    const RtGraphSettingsStore store{
        .load =
            [] { return RtGraphSettings{.autoScaling = false, .manualRange = std::nullopt, .timeSpan = 45}; },
        .save = [&saved](const RtGraphSettings& settings) { saved = settings; }};
    const auto volts = MakeLink(1, {1, 0, 0, 0, 0, 0, 0});
    CRTVGraphLiteDlg window(volts, registry_, store);
    testsupport::OnNextModal([&](QWidget* shown) {
        auto* graph = platform::FindControlAs<platform::GraphControl>(shown, IDC_RT_GRAPH);
        EXPECT_EQ(window.TimeSpan(), 45);
        EXPECT_FALSE(window.IsAutoScaling());
        Deliver(*volts, {{0, 1, 230.0f, 2}});
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return graph->Data().PointCount() == 1; }));
        testsupport::OnNextModal([&](QWidget* axes) {
            EXPECT_TRUE(volts->IsHeld());  // held while the dialog is open
            Button(axes, IDC_AXIS_MANUAL)->click();
            platform::FindControlAs<QLineEdit>(axes, IDC_AXIS_Y_MINIMUM)->setText("200");
            platform::FindControlAs<QLineEdit>(axes, IDC_AXIS_Y_MAXIMUM)->setText("260");
            platform::FindControlAs<QLineEdit>(axes, IDC_AXIS_TIME_SPAN)->setText("90");
            Button(axes, IDOK)->click();
        });
        Button(shown, IDC_RT_AXIS_SCALING)->click();
        EXPECT_FALSE(volts->IsHeld());  // refreshing again
        EXPECT_EQ(window.TimeSpan(), 90);
        EXPECT_EQ(graph->Data().PointCount(), 0u);  // a new span starts afresh
        EXPECT_EQ(graph->Settings().annotations, std::vector<std::string>{XAxisTitle(90)});
        EXPECT_EQ(graph->Settings().axes[0].manualRange, (std::pair{200.0, 260.0}));
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->timeSpan, 90);
        EXPECT_FALSE(saved->autoScaling);
        EXPECT_EQ(saved->manualRange, (std::pair{200.0, 260.0}));
        Button(shown, IDCANCEL)->click();
    });
    window.DoModal();
}

TEST_F(RtGraphDlgTest, TheExportFollowsTheSettingsAndTheGraphRefreshesAfterIt) {
    testsupport::TempFolder scratch;
    testsupport::ScriptedUiBroker broker;
    GraphExportTexts texts;
    const RtGraphSettingsStore store{.exportTexts = [&texts] { return texts; }};
    const auto link = MakeLink(1, {1, 0, 0, 0, 0, 0, 0});
    CRTVGraphLiteDlg window(link, registry_, store);
    testsupport::OnNextModal([&](QWidget* shown) {
        auto* graph = platform::FindControlAs<platform::GraphControl>(shown, IDC_RT_GRAPH);
        Deliver(*link, {{0, 1, 230.0f, 2}});
        Deliver(*link, {{0, 1, 231.0f, 2}});
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return graph->Data().PointCount() == 2; }));
        const struct {
            const char* type;
            const char* file;
            const char* format;  // of the image read back, or nullptr for the vector type
        } files[] = {{"3", "graph.png", "png"}, {"1", "graph.bmp", "bmp"}, {"0", "graph.pdf", nullptr}};
        for (const auto& f : files) {
            SCOPED_TRACE(f.file);
            texts = {.type = f.type, .size = "3", .destination = "1", .width = "640", .height = "300"};
            const std::filesystem::path path = scratch / f.file;
            broker.AnswerFileName(path);
            Button(shown, IDC_RT_EXPORT)->click();
            EXPECT_FALSE(link->IsHeld());  // refreshing again
            QFile written(QString::fromStdString(path.string()));
            ASSERT_TRUE(written.open(QIODevice::ReadOnly));
            if (f.format != nullptr) {
                EXPECT_EQ(QImage(written.fileName(), f.format).size(), QSize(640, 300));
            } else {
                EXPECT_TRUE(written.read(5) == "%PDF-");
            }
        }
        // A file that cannot be written is told; a held window stays held.
        Click(platform::FindControlAs<CToggleButton>(shown, IDC_RT_RUN_HOLD));
        ASSERT_TRUE(link->IsHeld());
        broker.AnswerFileName(scratch / "missing" / "graph.png");
        broker.AnswerMessageBox(IDOK);
        texts.type = "3";
        Button(shown, IDC_RT_EXPORT)->click();
        ASSERT_EQ(broker.Asked().size(), 5u);
        EXPECT_EQ(broker.Asked()[4].text, LoadText(IDS_RT_EXPORT_FAILED));
        EXPECT_TRUE(link->IsHeld());
        // The clipboard takes the graph at its size on the screen.
        texts = {.type = "2", .size = "0", .destination = "0"};
        Button(shown, IDC_RT_EXPORT)->click();
        EXPECT_EQ(QApplication::clipboard()->image().size(), graph->size());
        Button(shown, IDCANCEL)->click();
    });
    window.DoModal();
}

TEST_F(RtGraphDlgTest, TheLiteResumesWhenTheGraphIsCustomisedWhileInterruptedOnlyIfItWasRefreshing) {
    const auto link = MakeLink(1, {1, 0, 0, 0, 0, 0, 0});
    CRTVGraphLiteDlg window(link, registry_);
    testsupport::OnNextModal([&](QWidget* shown) {
        auto* graph = platform::FindControlAs<platform::GraphControl>(shown, IDC_RT_GRAPH);
        auto* runHold = platform::FindControlAs<CToggleButton>(shown, IDC_RT_RUN_HOLD);
        // Customised while the axis dialog holds the values: refreshing resumes at once, and the
        // dialog's Cancel leaves it running.
        testsupport::OnNextModal([&](QWidget* axes) {
            ASSERT_TRUE(link->IsHeld());
            graph->CycleGridLines();
            EXPECT_FALSE(link->IsHeld());
            EXPECT_TRUE(runHold->IsPressed());
            Button(axes, IDCANCEL)->click();
        });
        Button(shown, IDC_RT_AXIS_SCALING)->click();
        EXPECT_FALSE(link->IsHeld());
        EXPECT_TRUE(runHold->IsPressed());
        // Held by the user: neither the dialog nor a customised look starts it.
        Click(runHold);
        ASSERT_TRUE(link->IsHeld());
        testsupport::OnNextModal([&](QWidget* axes) {
            graph->CycleGridLines();
            EXPECT_TRUE(link->IsHeld());
            Button(axes, IDCANCEL)->click();
        });
        Button(shown, IDC_RT_AXIS_SCALING)->click();
        graph->CycleGridLines();
        EXPECT_TRUE(link->IsHeld());
        EXPECT_FALSE(runHold->IsPressed());
        Button(shown, IDCANCEL)->click();
    });
    window.DoModal();
}

}  // namespace
