// The graph control on screen (offscreen): zoom by dragging, undo, scrolling while zoomed, the data
// cursor, the settings dialog and printing to PDF.
#include "platform/ui/graph/graph_control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <filesystem>

#include "platform/ui/graph/serial_date.h"
#include "platform/ui/printer_page_painter.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::GraphControl;
using platform::GraphNotification;

constexpr double kSecond = 1.0 / 86400.0;

class GraphControlTest : public testsupport::QtTest {
protected:
    GraphControlTest() {
        platform::GraphData data;
        const double start = platform::CreateSerialDate({3, 1, 126, 0, 0, 0});
        std::vector<float> values;
        for (int p = 0; p < 3600; ++p) {
            data.x.push_back(start + p * kSecond);
            values.push_back(p % 600 == 0 ? 50.0f : 10.0f);
        }
        data.subsets.emplace_back(values, -9999.0f);
        control.Settings().subsets = {{"Volts", 0xFFFF0000, 0, 3}};
        control.SetData(std::move(data));
        control.resize(800, 500);
        QObject::connect(&control, &GraphControl::Notify, [this](GraphNotification n) { notifications.push_back(n); });
        control.grab();  // lays the graph out as a paint would
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent event(type, QPointF(at), QPointF(control.mapToGlobal(at)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
        QApplication::sendEvent(&control, &event);
    }

    int MiddleY() const { return (control.LastLayout().plot.top + control.LastLayout().plot.bottom) / 2; }

    GraphControl control;
    std::vector<GraphNotification> notifications;
};

TEST_F(GraphControlTest, DraggingAcrossXZoomsAndUndoGoesBack) {
    const auto plot = control.LastLayout().plot;
    const double fullFrom = control.ViewStart();
    const double fullTo = control.ViewEnd();
    Mouse(QEvent::MouseButtonPress, {plot.left + 100, MiddleY()});
    Mouse(QEvent::MouseMove, {plot.left + 300, MiddleY()}, Qt::NoButton);
    Mouse(QEvent::MouseButtonRelease, {plot.left + 300, MiddleY()});

    ASSERT_EQ(notifications, std::vector<GraphNotification>{GraphNotification::ZoomedIn});
    EXPECT_TRUE(control.IsZoomed());
    const double width = fullTo - fullFrom;
    EXPECT_NEAR(control.ViewStart(), fullFrom + width * 100 / plot.Width(), width / plot.Width());
    EXPECT_NEAR(control.ViewEnd(), fullFrom + width * 300 / plot.Width(), width / plot.Width());

    // A click is no zoom.
    control.grab();
    Mouse(QEvent::MouseButtonPress, {plot.left + 50, MiddleY()});
    Mouse(QEvent::MouseButtonRelease, {plot.left + 52, MiddleY()});
    EXPECT_EQ(notifications.size(), 1u);

    control.UndoZoom();
    EXPECT_EQ(notifications.back(), GraphNotification::ZoomedOut);
    EXPECT_FALSE(control.IsZoomed());
    EXPECT_EQ(control.ViewStart(), fullFrom);
    EXPECT_EQ(control.ViewEnd(), fullTo);
}

TEST_F(GraphControlTest, ScrollingMovesAZoomedWindowWithinTheData) {
    const double fullFrom = control.ViewStart();
    const double fullTo = control.ViewEnd();
    control.ScrollZoom(0.5);  // not zoomed: nothing moves
    EXPECT_EQ(control.ViewStart(), fullFrom);

    control.ZoomTo(fullFrom + 600 * kSecond, fullFrom + 1200 * kSecond);
    control.ScrollZoom(1.0);
    EXPECT_NEAR(control.ViewStart(), fullFrom + 1200 * kSecond, 1e-9);
    control.ScrollZoom(100.0);
    EXPECT_NEAR(control.ViewEnd(), fullTo, 1e-9);
    EXPECT_NEAR(control.ViewEnd() - control.ViewStart(), 600 * kSecond, 1e-9);
    control.ScrollZoom(-100.0);
    EXPECT_NEAR(control.ViewStart(), fullFrom, 1e-9);
}

TEST_F(GraphControlTest, ScrollStepsTellTheOwnerAndThumbTrackingDoesNot) {
    control.ZoomTo(control.ViewStart(), control.ViewStart() + 600 * kSecond);
    notifications.clear();
    auto* bar = control.findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_FALSE(bar->isHidden());
    const double start = control.ViewStart();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([this] { return !notifications.empty(); }));
    EXPECT_EQ(notifications, std::vector<GraphNotification>{GraphNotification::ZoomMoved});
    EXPECT_GT(control.ViewStart(), start);

    notifications.clear();
    bar->setSliderDown(true);
    bar->triggerAction(QAbstractSlider::SliderMove);
    bar->setValue(bar->value() + 100);
    testsupport::ProcessEventsFor(20);
    EXPECT_TRUE(notifications.empty());
    bar->setSliderDown(false);
    EXPECT_EQ(notifications, std::vector<GraphNotification>{GraphNotification::ZoomMoved});

    control.UndoZoom();
    EXPECT_TRUE(bar->isHidden());
}

TEST_F(GraphControlTest, TheOwnersMenuItemsComeFirstInTheContextMenu) {
    control.Settings().menuItems = {{"Show the data cursor", true}, {"|", false}};
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        const auto actions = menu->actions();
        ASSERT_GE(actions.size(), 4);
        EXPECT_EQ(actions[0]->text(), "Show the data cursor");
        EXPECT_TRUE(actions[0]->isChecked());
        EXPECT_TRUE(actions[1]->isSeparator());
        actions[0]->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 100), control.mapToGlobal(QPoint(100, 100)));
    QApplication::sendEvent(&control, &event);
    EXPECT_EQ(notifications, std::vector<GraphNotification>{GraphNotification::MenuItemChosen});
    EXPECT_EQ(control.LastMenuItem(), 0);
}

TEST_F(GraphControlTest, TheDataCursorFollowsTheMouseOntoAndOffThePoints) {
    control.ZoomTo(control.ViewStart(), control.ViewStart() + 100 * kSecond);
    control.Settings().dataCursor = true;
    control.grab();
    notifications.clear();
    const auto& layout = control.LastLayout();
    const QPoint onPoint(static_cast<int>(layout.XToPixel(control.Data().x[50])),
                         static_cast<int>(layout.YToPixel(0, 10.0)));
    Mouse(QEvent::MouseMove, onPoint, Qt::NoButton);
    ASSERT_EQ(notifications, std::vector<GraphNotification>{GraphNotification::CursorMoved});
    auto hit = control.HitTest(control.LastMousePosition());
    EXPECT_EQ(hit.kind, platform::GraphHitKind::DataPoint);
    EXPECT_EQ(hit.point, 50u);

    Mouse(QEvent::MouseMove, {onPoint.x(), layout.plot.top + 3}, Qt::NoButton);
    EXPECT_EQ(control.HitTest(control.LastMousePosition()).kind, platform::GraphHitKind::PlotArea);

    // Without the data cursor the mouse tells nothing.
    control.Settings().dataCursor = false;
    notifications.clear();
    Mouse(QEvent::MouseMove, onPoint, Qt::NoButton);
    EXPECT_TRUE(notifications.empty());
}

TEST_F(GraphControlTest, AClickOrAnArrowKeyPutsTheDataCursorOnAPoint) {
    control.ZoomTo(control.ViewStart(), control.ViewStart() + 100 * kSecond);
    control.grab();
    const auto& layout = control.LastLayout();
    const auto press = [&](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&control, &event);
    };
    // Without the data cursor neither does anything.
    press(Qt::Key_Right);
    EXPECT_EQ(control.Cursor().kind, platform::GraphHitKind::Nothing);

    control.Settings().dataCursor = true;
    notifications.clear();
    // The first arrow starts at the edge of the view it moves away from.
    press(Qt::Key_Right);
    ASSERT_EQ(control.Cursor().kind, platform::GraphHitKind::DataPoint);
    EXPECT_EQ(control.Cursor().point, 0u);
    press(Qt::Key_Right);
    EXPECT_EQ(control.Cursor().point, 1u);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    EXPECT_EQ(control.Cursor().point, 0u);
    EXPECT_EQ(notifications, std::vector<GraphNotification>(4, GraphNotification::CursorPlaced));

    // A click far above the line takes the point nearest in X; moving off the points keeps it.
    const int x = static_cast<int>(layout.XToPixel(control.Data().x[40]));
    Mouse(QEvent::MouseButtonPress, {x, layout.plot.top + 2});
    Mouse(QEvent::MouseButtonRelease, {x, layout.plot.top + 2});
    EXPECT_EQ(notifications.back(), GraphNotification::CursorPlaced);
    EXPECT_EQ(control.Cursor().point, 40u);
    EXPECT_EQ(control.Cursor().subset, 0);
    Mouse(QEvent::MouseMove, {x + 1, layout.plot.top + 3}, Qt::NoButton);
    EXPECT_EQ(control.Cursor().point, 40u);
    press(Qt::Key_Right);
    EXPECT_EQ(control.Cursor().point, 41u);
}

TEST_F(GraphControlTest, TheWheelZoomsAroundThePointer) {
    const double fullFrom = control.ViewStart();
    const double fullTo = control.ViewEnd();
    const auto& layout = control.LastLayout();
    const auto wheel = [&](QPoint at, int delta) {
        QWheelEvent event(QPointF(at), QPointF(control.mapToGlobal(at)), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&control, &event);
        control.grab();
    };
    // A quarter along the axis: that time stays under the pointer while the width halves.
    const QPoint at(layout.plot.left + layout.plot.Width() / 4, MiddleY());
    const double under = layout.PixelToX(at.x());
    wheel(at, 120);
    EXPECT_TRUE(control.IsZoomed());
    EXPECT_EQ(notifications.back(), GraphNotification::ZoomedIn);
    EXPECT_NEAR(control.ViewEnd() - control.ViewStart(), (fullTo - fullFrom) / 2, 1e-9);
    EXPECT_NEAR(control.LastLayout().PixelToX(at.x()), under, 2 * kSecond);
    wheel(at, 240);
    EXPECT_NEAR(control.ViewEnd() - control.ViewStart(), (fullTo - fullFrom) / 8, 1e-9);

    // Out again, step by step, to the whole range, which undoes the zooms.
    wheel(at, -120);
    EXPECT_NEAR(control.ViewEnd() - control.ViewStart(), (fullTo - fullFrom) / 4, 1e-9);
    wheel(at, -360);
    EXPECT_FALSE(control.IsZoomed());
    EXPECT_EQ(notifications.back(), GraphNotification::ZoomedOut);
    EXPECT_EQ(control.ViewStart(), fullFrom);
    EXPECT_EQ(control.ViewEnd(), fullTo);
    // Out of the plot, or further out than the whole, the wheel changes nothing.
    wheel({2, 2}, 120);
    wheel(at, -120);
    EXPECT_FALSE(control.IsZoomed());
}

TEST_F(GraphControlTest, SettingsDialogAndSpaceChangeTheLook) {
    control.Settings().mainTitle = "Site A - extended";
    testsupport::OnNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Site A - extended");
        const auto combos = dialog->findChildren<QComboBox*>();
        ASSERT_EQ(combos.size(), 2);
        combos[0]->setCurrentIndex(1);  // points
        dialog->findChildren<QCheckBox*>()[0]->setChecked(true);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    control.RunSettingsDialog();
    EXPECT_EQ(notifications, std::vector<GraphNotification>{GraphNotification::Customised});
    EXPECT_EQ(control.Settings().style.plottingMethod, static_cast<int>(platform::PlottingMethod::Points));
    EXPECT_TRUE(control.Settings().style.showDataPoints);

    // Cancel changes nothing and tells nothing.
    testsupport::OnNextModal([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
    control.RunSettingsDialog();
    EXPECT_EQ(notifications.size(), 1u);

    // Space: none, both, across the values, across the times, none again.
    control.Settings().style.gridAttributes[0] = 3;
    for (const int next : {0, 1, 2, 3}) {
        control.CycleGridLines();
        EXPECT_EQ(control.Settings().style.gridAttributes[0], next);
    }
}

TEST_F(GraphControlTest, PrintsToAPdfFile) {
    testsupport::TempFolder folder;
    const auto path = folder / "graph.pdf";
    QPrinter printer;
    platform::SetPdfOutput(printer, path);
    EXPECT_TRUE(control.Print(printer, 800 * 20, 500 * 25));
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    EXPECT_FALSE(control.Print(printer, 0, 500));
}

}  // namespace

namespace {

// A running graph: a numeric X axis of fixed range, one point per subset appended each cycle, the
// oldest dropped, a subset joining late, and a manual Y range.
TEST(GraphControlRunningTest, AppendedPointsOnAFixedNumericAxisWithAManualYRange) {
    testsupport::EnsureQtApplication();
    GraphControl control;
    control.Settings().numericX = platform::NumericXAxis{0.0, 60.0};
    control.Settings().axes[0].manualRange = std::pair{-5.0, 5.0};
    control.resize(600, 400);
    for (int point = 0; point < 5; ++point) {
        const std::vector<float> values = point < 2
                                              ? std::vector<float>{1.0f * static_cast<float>(point)}
                                              : std::vector<float>{1.0f * static_cast<float>(point), 40.0f};
        control.AppendPoint(point, values, 4);
    }
    const platform::GraphData& data = control.Data();
    ASSERT_EQ(data.x, (std::vector<double>{1, 2, 3, 4}));  // the oldest point went
    ASSERT_EQ(data.SubsetCount(), 2u);
    EXPECT_EQ(data.subsets[0].Sample(0), 1.0f);
    EXPECT_EQ(data.subsets[0].Sample(3), 4.0f);
    EXPECT_TRUE(data.subsets[1].IsNull(0));  // joined at point 2
    EXPECT_EQ(data.subsets[1].Sample(1), 40.0f);
    // The view keeps the fixed range, the Y axis the manual one whatever the values.
    EXPECT_EQ(control.ViewStart(), 0.0);
    EXPECT_EQ(control.ViewEnd(), 60.0);
    control.grab();
    const platform::GraphLayout& layout = control.LastLayout();
    EXPECT_EQ(layout.axisScales[0].minimum, -5.0);
    EXPECT_EQ(layout.axisScales[0].maximum, 5.0);
    EXPECT_NEAR(layout.XToPixel(30.0), (layout.plot.left + layout.plot.right) / 2.0, 1.0);
    // A new range shows at once.
    control.Settings().numericX = platform::NumericXAxis{10.0, 70.0};
    control.Reinitialise();
    EXPECT_EQ(control.ViewStart(), 10.0);
}

}  // namespace
