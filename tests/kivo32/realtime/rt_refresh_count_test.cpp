// The real-time refresh count: what is taken as a count, how it runs down, and its dialog offscreen
// with the default it stores.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>

#include "kivo32/session/refresh_count.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/set_refresh_count_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "tests/support/memory_profile_store.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

TEST(RefreshCountTest, ParsesWholeNumbersFromMinusOneToAThousand) {
    struct Case {
        const char* text;
        std::optional<int> count;
    };
    const Case cases[] = {
        {"-1", -1},
        {"0", 0},
        {"1000", 1000},
        {" 3 ", 3},
        {"+7", 7},
        {"1001", std::nullopt},
        {"-2", std::nullopt},
        {"", std::nullopt},
        {"5.5", std::nullopt},
        {"3x", std::nullopt},
        {"x", std::nullopt},
        {"+-1", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseRefreshCount(c.text), c.count) << '"' << c.text << '"';
    }
}

TEST(RefreshCountTest, RunsDownToAHoldButMinusOneNeverDoes) {
    struct Case {
        int count;
        int updatesBeforeHold;  // -1: none within 2000
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{3, 3}, Case{1000, 1000}, Case{-1, -1}}) {
        RefreshCountdown countdown(c.count);
        int shown = 0;
        while (countdown.HasUpdatesLeft() && shown < 2000) {
            countdown.CountUpdate();
            ++shown;
        }
        EXPECT_EQ(shown, c.updatesBeforeHold < 0 ? 2000 : c.updatesBeforeHold) << c.count;
        countdown.Restart();
        EXPECT_EQ(countdown.HasUpdatesLeft(), c.count != 0);
        countdown.Stop();
        EXPECT_FALSE(countdown.HasUpdatesLeft());
    }
}

class RefreshCountDialogTest : public testsupport::QtTest {
protected:
    // Types `text` into the dialog and clicks OK.
    static void Enter(QWidget* window, const QString& text, bool makeDefault) {
        auto* edit = platform::FindControlAs<QLineEdit>(window, IDC_REFRESH_COUNT);
        edit->setText(text);
        platform::FindControlAs<QAbstractButton>(window, IDC_REFRESH_COUNT_DEFAULT)->setChecked(makeDefault);
        platform::FindControlAs<QAbstractButton>(window, IDOK)->click();
    }

    CRegistryValues registry_;
    testsupport::MemoryProfileStore store_;
};

TEST_F(RefreshCountDialogTest, ACountOutsideTheRangeIsRefusedAndTheDialogStays) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDOK);
    registry_.rtUpdateThreshold = 5;
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_EQ(platform::FindControlAs<QLineEdit>(window, IDC_REFRESH_COUNT)->text(), "5");
        Enter(window, "1001", true);
        EXPECT_TRUE(window->isVisible());
        QWidget* edit = platform::FindControl(window, IDC_REFRESH_COUNT);
        EXPECT_TRUE(testsupport::ProcessEventsUntil([edit] { return edit->hasFocus(); }));
        Enter(window, "1000", false);
    });
    EXPECT_EQ(AskRefreshCount(5, registry_, store_, nullptr), 1000);
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_NE(broker.Asked()[0].text.find("-1 to 1000"), std::string::npos);
    EXPECT_EQ(registry_.rtUpdateThreshold, 5);  // not made the default
    EXPECT_TRUE(store_.writes.empty());
}

TEST_F(RefreshCountDialogTest, MadeTheDefaultTheCountIsStoredAtOnce) {
    for (const char* typed : {"-1", "0"}) {
        testsupport::OnNextModal([typed](QWidget* window) { Enter(window, typed, true); });
        EXPECT_EQ(AskRefreshCount(5, registry_, store_, nullptr), std::atoi(typed));
        EXPECT_EQ(registry_.rtUpdateThreshold, std::atoi(typed));
        EXPECT_EQ((store_.values[{"KIVO Misc", "RTUpdateThreshold"}]), typed);
    }
    testsupport::OnNextModal(
        [](QWidget* window) { platform::FindControlAs<QAbstractButton>(window, IDCANCEL)->click(); });
    EXPECT_EQ(AskRefreshCount(5, registry_, store_, nullptr), std::nullopt);
}

}  // namespace
