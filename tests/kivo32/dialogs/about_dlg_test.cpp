// The about command: the box with Shift held, the about picture with the notice and version otherwise;
// both hold their whole text and a Close button in either language.
#include "kivo32/dialogs/about_dlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <utility>

#include "kivo32/controls/splash_wnd.h"
#include "kivo32/controls/static_web_link.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
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
        platform::FindControlAs<QAbstractButton>(box, IDCANCEL)->click();
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

TEST_F(AboutTest, BothAboutWindowsHoldTheirWholeTextAndACloseButtonInEitherLanguage) {
    for (const auto& [library, close] :
         {std::pair{platform::kEnglishResources, "Close"}, std::pair{platform::kFrenchResources, "Fermer"}}) {
        ASSERT_TRUE(platform::LoadResourceLibrary(library));

        CSplashWnd::ShowSplashScreen(CSplashWnd::kAbout, &main_, CAboutDlg::AboutPictureText());
        const CSplashWnd* picture = CSplashWnd::Shown();
        ASSERT_NE(picture, nullptr);
        const QRect text = picture->TextRect();
        EXPECT_TRUE(picture->rect().contains(text)) << library;
        // The text as the picture lays it out takes no more room than the picture gives it.
        const QRect needed =
            QFontMetrics(picture->TextFont())
                .boundingRect(text, CSplashWnd::kTextFlags, platform::ToQString(picture->GetText()));
        EXPECT_TRUE(text.contains(needed)) << library;
        const auto* button = picture->findChild<QAbstractButton*>();
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), close);
        EXPECT_TRUE(picture->rect().contains(button->geometry()));
        EXPECT_GT(button->geometry().top(), text.bottom());
        CSplashWnd::HideSplashScreen();

        CAboutDlg box(&main_);
        box.show();
        // Each text, the version among them, is as wide as it needs.
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            EXPECT_GE(label->width(), label->sizeHint().width())
                << library << " " << label->text().toStdString();
        }
        EXPECT_EQ(platform::FindControlAs<QAbstractButton>(&box, IDCANCEL)->text(), close);
    }
    platform::LoadResourceLibrary(platform::kEnglishResources);
}

}  // namespace
