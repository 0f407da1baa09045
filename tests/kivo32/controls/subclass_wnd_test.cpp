// Window hooks: the newest sees an event first, a hook may swallow it, and every hook goes when its window
// is destroyed.
#include "kivo32/controls/subclass_wnd.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <memory>
#include <string>

#include "tests/support/ui/qt_test_application.h"

namespace {

const QEvent::Type kProbe = QEvent::User;

// Writes its name into the shared log; swallows the probe when told to.
class RecordingHook : public CSubclassWnd {
public:
    RecordingHook(std::string name, std::string& log) : name_(std::move(name)), log_(log) {}
    bool swallow = false;

protected:
    bool WindowProc(QEvent* event) override {
        if (event->type() != kProbe) {
            return CSubclassWnd::WindowProc(event);
        }
        log_ += name_;
        return swallow || CSubclassWnd::WindowProc(event);
    }

private:
    std::string name_;
    std::string& log_;
};

// The window's own handling, last in the chain.
class RecordingWindow : public QWidget {
public:
    explicit RecordingWindow(std::string& log) : log_(log) {}

protected:
    bool event(QEvent* event) override {
        if (event->type() == kProbe) {
            log_ += "W";
            return true;
        }
        return QWidget::event(event);
    }

private:
    std::string& log_;
};

class SubclassWndTest : public testsupport::QtTest {
protected:
    std::string Probe(QWidget& window) {
        log_.clear();
        QEvent probe(kProbe);
        QCoreApplication::sendEvent(&window, &probe);
        return log_;
    }

    std::string log_;
};

TEST_F(SubclassWndTest, TheNewestHookSeesAnEventFirstAndTheWindowLast) {
    RecordingWindow window(log_);
    RecordingHook a("A", log_);
    RecordingHook b("B", log_);
    a.HookWindow(&window);
    b.HookWindow(&window);
    EXPECT_EQ(Probe(window), "BAW");

    b.swallow = true;
    EXPECT_EQ(Probe(window), "B");
    b.swallow = false;

    // The older one leaves; the newer stays at the head.
    EXPECT_TRUE(a.HookWindow(nullptr));
    EXPECT_EQ(a.HookedWindow(), nullptr);
    EXPECT_EQ(Probe(window), "BW");
    b.HookWindow(nullptr);
    EXPECT_EQ(Probe(window), "W");
}

TEST_F(SubclassWndTest, EveryHookGoesWithItsWindowAndCanHookAnotherOne) {
    auto window = std::make_unique<RecordingWindow>(log_);
    RecordingHook a("A", log_);
    RecordingHook b("B", log_);
    a.HookWindow(window.get());
    b.HookWindow(window.get());
    window.reset();
    EXPECT_EQ(a.HookedWindow(), nullptr);
    EXPECT_EQ(b.HookedWindow(), nullptr);

    RecordingWindow other(log_);
    a.HookWindow(&other);
    EXPECT_EQ(Probe(other), "AW");
}

TEST_F(SubclassWndTest, AHookThatGoesFirstLeavesItsWindowAsItWas) {
    RecordingWindow window(log_);
    RecordingHook a("A", log_);
    {
        RecordingHook b("B", log_);
        b.HookWindow(&window);
        EXPECT_EQ(Probe(window), "BW");
    }
    a.HookWindow(&window);
    EXPECT_EQ(Probe(window), "AW");
}

}  // namespace
