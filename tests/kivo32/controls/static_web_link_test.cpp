// The link static: a click opens its link through the desktop and turns it purple, or beeps; without a
// link of its own it takes the text of its control id or its caption.
#include "kivo32/controls/static_web_link.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

class StaticWebLinkTest : public testsupport::QtTest {
protected:
    ~StaticWebLinkTest() override { SetProgramTexts({}); }

    static void Click(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), button, button, Qt::NoModifier);
        QApplication::sendEvent(control, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(control, &release);
    }

    testsupport::RecordingDesktopServices desktop_;
};

TEST_F(StaticWebLinkTest, AClickOpensTheLinkAndTurnsItPurpleOrBeepsAndStaysBlue) {
    for (const bool opens : {true, false}) {
        desktop_.SetAnswer(opens);
        const auto openedBefore = desktop_.Opened().size();
        const int beepsBefore = desktop_.Beeps();
        CStaticWebLink link("https://www.tarv.example/downloads");
        link.setText("Downloads");
        EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
        EXPECT_TRUE(link.font().underline());
        EXPECT_EQ(link.palette().color(QPalette::WindowText), CStaticWebLink::kLinkColor);

        Click(&link, Qt::RightButton);
        EXPECT_EQ(desktop_.Opened().size(), openedBefore) << "a right click opens nothing";
        Click(&link);
        ASSERT_EQ(desktop_.Opened().size(), openedBefore + 1) << opens;
        EXPECT_EQ(desktop_.Opened().back(), "https://www.tarv.example/downloads");
        const QColor expected = opens ? CStaticWebLink::kVisitedColor : CStaticWebLink::kLinkColor;
        EXPECT_EQ(link.TextColor(), expected) << opens;
        EXPECT_EQ(link.palette().color(QPalette::WindowText), expected) << opens;
        EXPECT_EQ(desktop_.Beeps() - beepsBefore, opens ? 0 : 1);
    }
}

TEST_F(StaticWebLinkTest, WithoutALinkTheTextOfTheControlIdOrTheCaptionIsOpened) {
    platform::TextTable texts;
    texts.Set(1866, "https://www.tarv.example/from-texts");
    SetProgramTexts(std::move(texts));
    const struct {
        int controlId;
        const char* caption;
        const char* opened;  // nullptr: nothing opens
    } cases[] = {
        {1866, "https://caption.example", "https://www.tarv.example/from-texts"},
        {1777, "https://caption.example", "https://caption.example"},
        {0, "https://caption.example", "https://caption.example"},
        {1777, "", nullptr},
    };
    for (const auto& test : cases) {
        const auto openedBefore = desktop_.Opened().size();
        const int beepsBefore = desktop_.Beeps();
        CStaticWebLink link;
        platform::SetControlId(&link, test.controlId);
        link.setText(test.caption);
        Click(&link);
        if (test.opened == nullptr) {
            EXPECT_EQ(desktop_.Opened().size(), openedBefore) << test.controlId;
            EXPECT_EQ(desktop_.Beeps(), beepsBefore) << "nothing to open is no failure";
            EXPECT_EQ(link.TextColor(), CStaticWebLink::kLinkColor);
            continue;
        }
        ASSERT_EQ(desktop_.Opened().size(), openedBefore + 1) << test.controlId;
        EXPECT_EQ(desktop_.Opened().back(), test.opened) << test.controlId;
        // The link found is kept: a changed caption no longer counts.
        link.setText("https://changed.example");
        Click(&link);
        EXPECT_EQ(desktop_.Opened().back(), test.opened) << test.controlId;
    }
}

}  // namespace
