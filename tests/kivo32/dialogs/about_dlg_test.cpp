// The about command: the box with Shift held, the about picture with the notice and version otherwise.
#include "kivo32/dialogs/about_dlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include "kivo32/controls/splash_wnd.h"
#include "kivo32/controls/static_web_link.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class AboutTest : public testsupport::QtTest {
protected:
    AboutTest() { SetProgramTexts(platform::EnglishTexts()); }
    ~AboutTest() override {
        CSplashWnd::HideSplashScreen();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget main_;
};

TEST_F(AboutTest, WithShiftHeldTheBoxShowsTheVersionAndTheMakersAddress) {
    QString version;
    QString address;
    std::string link;
    testsupport::OnNextModal([&](QWidget* box) {
        version = platform::FindControlAs<QLabel>(box, CAboutDlg::IDC_ABOUT_VERSION)->text();
        const auto* webLink = platform::FindControlAs<CStaticWebLink>(box, CAboutDlg::IDC_ABOUT_WEB_LINK);
        ASSERT_NE(webLink, nullptr);
        address = webLink->text();
        link = webLink->Link().Text();
        platform::FindControlAs<QAbstractButton>(box, IDOK)->click();
    });
    CAboutDlg::ShowAbout(&main_, true);
    EXPECT_EQ(version, " (v1.346)");
    EXPECT_EQ(address, CAboutDlg::kMakerWebAddress);
    EXPECT_EQ(link, CAboutDlg::kMakerWebAddress);
    EXPECT_EQ(CSplashWnd::Shown(), nullptr);
}

TEST_F(AboutTest, WithoutShiftTheAboutPictureShowsTheNoticeReleaseAndVersion) {
    CAboutDlg::ShowAbout(&main_, false);
    ASSERT_NE(CSplashWnd::Shown(), nullptr);
    EXPECT_EQ(CSplashWnd::Shown()->GetMode(), CSplashWnd::kAbout);
    const std::string text = CSplashWnd::Shown()->GetText();
    EXPECT_EQ(text.rfind(LoadText(20951), 0), 0u);
    EXPECT_NE(text.find(LoadText(20952)), std::string::npos);
    EXPECT_TRUE(text.ends_with(" (v1.346)")) << text;
}

}  // namespace
