// kivo32 starting offscreen: the language question of a first start, the main window, a clean exit.
#include "kivo32/app/kivo_app.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/program_settings.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class KivoAppTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
    void TearDown() override { platform::OpenProgramSettings()->remove("intl/Language"); }
};

TEST_F(KivoAppTest, TheProgramOpensItsMainWindowAndEndsWithExitCodeZeroWhenItCloses) {
    CKivoApp application;
    // Made after the program, so that it stands in for the program's broker.
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDYES);
    QString title;
    QTimer::singleShot(0, [&] {
        title = application.GetMainWindow()->windowTitle();
        application.GetMainWindow()->close();
    });
    // A main window that refuses to close must fail the test, not keep it running.
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    limit.start(5000);
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(title, "KIVO 15");
}

TEST_F(KivoAppTest, TheFirstStartAsksForTheLanguageOnceAndLoadsItsTexts) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDNO);
    CKivoApp::ChooseLanguage();
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].text, "Use English?");
    EXPECT_EQ(platform::OpenProgramSettings()->value("intl/Language").toString(), "FR");
    EXPECT_EQ(LoadText(9002), "Annuler");

    CKivoApp::ChooseLanguage();
    EXPECT_EQ(broker.Asked().size(), 1u);

    platform::OpenProgramSettings()->setValue("intl/Language", "DE");
    CKivoApp::ChooseLanguage();
    EXPECT_EQ(LoadText(9002), "Cancel");
}

}  // namespace
