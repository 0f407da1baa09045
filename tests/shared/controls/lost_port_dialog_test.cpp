// The lost-port notice: its text while the port is missing, its change when the link is back, and its
// own end five ticks later.
#include "shared/controls/lost_port_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "shared/controls/controls_ids.h"
#include "shared/link/link_ids.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/link_test_session.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/test_ui_clock.h"

namespace {

using platform::FindControlAs;

// The notice with its ticks in the test's hands: shown without running events, its timer never fires.
class TickedLostPortDialog : public CLostPortDialog {
public:
    using CLostPortDialog::CLostPortDialog;
    using CLostPortDialog::OnTick;
};

std::string Expected(unsigned stateId) {
    return platform::FillPrintfPlaceholders(
        "%s %s. %s\n\n%s",
        {"ttyUSB0", LoadText(IDS_LOST_PORT_REMOVED), LoadText(IDS_LOST_PORT_ACTION), LoadText(stateId)});
}

std::string TextOf(QWidget* dialog) {
    return platform::FromQString(FindControlAs<QLabel>(dialog, IDC_LOST_PORT_TEXT)->text());
}

class LostPortDialogTest : public testsupport::QtTest {
protected:
    testsupport::FakeAppContext app_;
    testsupport::LinkTestSession session_;
};

TEST_F(LostPortDialogTest, TheTextFollowsTheLinkAndTheNoticeEndsFiveTicksAfterItIsBack) {
    TickedLostPortDialog dialog(&session_);
    dialog.SetMessage("ttyUSB0");
    dialog.show();
    EXPECT_EQ(TextOf(&dialog), Expected(IDS_LOST_PORT_MISSING));
    dialog.OnTick();
    EXPECT_EQ(TextOf(&dialog), Expected(IDS_LOST_PORT_MISSING));

    session_.SetConnected(true);
    dialog.OnTick();
    EXPECT_EQ(TextOf(&dialog), Expected(IDS_LOST_PORT_BACK));
    session_.SetConnected(false);  // gone again: the count goes on where it was
    dialog.OnTick();
    EXPECT_EQ(TextOf(&dialog), Expected(IDS_LOST_PORT_MISSING));
    session_.SetConnected(true);
    for (int tick = 1; tick < CLostPortDialog::kTicksOnceBack; ++tick) {
        dialog.OnTick();
        EXPECT_TRUE(dialog.isVisible()) << tick;
    }
    EXPECT_EQ(TextOf(&dialog), Expected(IDS_LOST_PORT_BACK));
    dialog.OnTick();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), IDOK);
}

TEST_F(LostPortDialogTest, WithoutASessionTheLinkIsNeverBack) {
    TickedLostPortDialog dialog(nullptr);
    dialog.SetMessage("ttyUSB0");
    dialog.show();
    for (int tick = 0; tick < 2 * CLostPortDialog::kTicksOnceBack; ++tick) {
        dialog.OnTick();
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(TextOf(&dialog), Expected(IDS_LOST_PORT_MISSING));
}

TEST_F(LostPortDialogTest, BothParagraphsOfTheNoticeEndWithAFullStopInEitherLanguage) {
    for (std::string_view library : {platform::kEnglishResources, platform::kFrenchResources}) {
        ASSERT_TRUE(platform::LoadResourceLibrary(library));
        TickedLostPortDialog dialog(nullptr);
        dialog.SetMessage("ttyUSB0");
        dialog.show();
        const std::string text = TextOf(&dialog);
        const size_t gap = text.find("\n\n");
        ASSERT_NE(gap, std::string::npos) << library;
        EXPECT_EQ(text[gap - 1], '.') << text;
        EXPECT_TRUE(text.ends_with('.')) << text;
    }
    SetProgramTexts(platform::EnglishTexts());
}

TEST_F(LostPortDialogTest, ItsTimerEndsTheModalNoticeOnceTheLinkIsBack) {
    const testsupport::TestUiClock fast(100);  // a tick of a second takes 10 ms
    session_.SetConnected(true);
    CLostPortDialog dialog(&session_);
    dialog.SetMessage("ttyUSB0");
    testsupport::OnNextModal([](QWidget* shown) {
        if (!testsupport::ProcessEventsUntil([shown] { return !shown->isVisible(); })) {
            ADD_FAILURE() << "the notice stayed open";
            FindControlAs<QPushButton>(shown, IDOK)->click();
        }
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
