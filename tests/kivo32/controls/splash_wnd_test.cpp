// The splash window: three seconds of the UI clock at start-up, a key or click takes it away and goes no
// further, the switch that turns it off, and one splash at a time.
#include "kivo32/controls/splash_wnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <functional>
#include <memory>

#include "tests/support/ui/manual_ui_clock.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

// A window below the splash that counts the keys and clicks reaching it.
class Receiver : public QWidget {
public:
    int received = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++received; }
    void mousePressEvent(QMouseEvent*) override { ++received; }
};

class SplashWndTest : public testsupport::QtTest {
protected:
    void TearDown() override {
        CSplashWnd::HideSplashScreen();
        CSplashWnd::EnableSplashScreen(true);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testsupport::ManualUiClock clock_;
    QWidget main_;
};

TEST_F(SplashWndTest, TheStartUpPictureHidesAfterThreeSecondsOfTheUiClock) {
    CSplashWnd::ShowSplashScreen(CSplashWnd::kStartUp, &main_);
    const QPointer<CSplashWnd> splash = CSplashWnd::Shown();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    clock_.Advance(CSplashWnd::kStartUpMs - 1);
    EXPECT_EQ(CSplashWnd::Shown(), splash);
    clock_.Advance(1);
    EXPECT_EQ(CSplashWnd::Shown(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(splash, nullptr);
}

TEST_F(SplashWndTest, AKeyOrAClickTakesTheSplashAwayAndGoesNoFurther) {
    const std::function<std::unique_ptr<QEvent>()> events[] = {
        [] { return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier); },
        [] {
            return std::make_unique<QMouseEvent>(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        },
        [] {
            return std::make_unique<QMouseEvent>(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                                 Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        },
    };
    for (const auto& makeEvent : events) {
        Receiver below;
        CSplashWnd::ShowSplashScreen(CSplashWnd::kAbout, &main_, "notice");
        ASSERT_NE(CSplashWnd::Shown(), nullptr);
        QApplication::sendEvent(&below, makeEvent().get());
        EXPECT_EQ(below.received, 0);
        EXPECT_EQ(CSplashWnd::Shown(), nullptr);
        // Without a splash the next one arrives.
        QApplication::sendEvent(&below, makeEvent().get());
        EXPECT_EQ(below.received, 1);
    }
}

TEST_F(SplashWndTest, TheAboutPictureStaysWithItsTextUntilReplacedAndTheSwitchOffShowsNone) {
    CSplashWnd::ShowSplashScreen(CSplashWnd::kAbout, &main_, "KIVO 15 (v1.346)");
    const QPointer<CSplashWnd> about = CSplashWnd::Shown();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->GetText(), "KIVO 15 (v1.346)");
    clock_.Advance(10 * CSplashWnd::kStartUpMs);
    EXPECT_EQ(CSplashWnd::Shown(), about);

    CSplashWnd::ShowSplashScreen(CSplashWnd::kStartUp, &main_);
    ASSERT_NE(CSplashWnd::Shown(), nullptr);
    EXPECT_NE(CSplashWnd::Shown(), about);
    EXPECT_EQ(CSplashWnd::Shown()->GetMode(), CSplashWnd::kStartUp);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(about, nullptr);

    // Switched off, showing only takes the shown one away.
    CSplashWnd::EnableSplashScreen(false);
    CSplashWnd::ShowSplashScreen(CSplashWnd::kAbout, &main_, "text");
    EXPECT_EQ(CSplashWnd::Shown(), nullptr);
}

}  // namespace
