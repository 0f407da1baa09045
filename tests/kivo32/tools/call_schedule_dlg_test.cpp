// The schedule window offscreen: a day of the month edited in its call-time dialog with a typed hour out
// of range, the weekday buttons and the status line as read, and OK refused until the schedule holds.
#include "kivo32/tools/dorvane_call_schedule_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "kivo32/tools/call_schedule_rules.h"
#include "kivo32/tools/schedule_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "shared/common/calendar.h"
#include "shared/controls/controls_ids.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::FindControlAs;

// Wednesday 11 March 2026, 10:00 on the logger's clock.
std::tm LoggerNow() {
    return TimeFromFields(2026, 3, 11, 10, 0, 0).value();
}

void SetCallEntry(CallScheduleRecord& schedule, int day, std::uint8_t flag, int hour, int minute) {
    std::uint8_t* entry = CallEntry(schedule, day);
    entry[0] = flag;
    entry[1] = static_cast<std::uint8_t>(hour);
    entry[2] = static_cast<std::uint8_t>(minute);
}

// What a user types: the text and its edit signal.
void Type(QWidget* window, int id, const char* text) {
    auto* edit = FindControlAs<QLineEdit>(window, id);
    edit->setText(text);
    emit edit->textEdited(text);
}

void Click(QWidget* window, int id) {
    FindControlAs<QAbstractButton>(window, id)->click();
}

class CallScheduleDlgTest : public testsupport::QtTest {
protected:
    CallScheduleDlgTest() { SetProgramTexts(platform::EnglishTexts()); }

    // The texts of the boxes shown so far.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const testsupport::AskedQuestion& asked : broker_.Asked()) {
            texts.push_back(asked.text);
        }
        return texts;
    }

    testsupport::ScriptedUiBroker broker_;
};

TEST_F(CallScheduleDlgTest, ADayOfTheMonthIsSetInItsCallTimeDialog) {
    CallScheduleRecord read;
    read.kind = kCallsMonthly;
    read.text = "5551234";
    read.flagA = true;
    SetCallEntry(read, 29, 0x11, 8, 0);
    SetCallEntry(read, 31, 0x11, 8, 0);
    CDorvaneCallScheduleDlg dialog(read, LoggerNow());
    std::string typedHour;
    testsupport::OnNextModal([&](QWidget* window) {
        EXPECT_TRUE(FindControlAs<QRadioButton>(window, IDC_SCHEDULE_MONTHLY)->isChecked());
        EXPECT_FALSE(FindControlAs<QPushButton>(window, IDC_WEEKDAY_FIRST)->isEnabled());
        EXPECT_FALSE(FindControlAs<QLineEdit>(window, IDC_ONCE_HOUR)->isEnabled());
        // Without a state from the logger there is nothing to restart.
        EXPECT_TRUE(FindControlAs<QLabel>(window, IDC_SCHEDULE_STATUS)->isHidden());
        EXPECT_TRUE(FindControlAs<QCheckBox>(window, IDC_RESTART_ONLY)->isHidden());
        testsupport::OnNextModal([&](QWidget* callTime) {
            EXPECT_TRUE(FindControlAs<QRadioButton>(callTime, IDC_CALL_NOT)->isChecked());
            Type(callTime, IDC_CALL_HOUR, "45");
            typedHour = FindControlAs<QLineEdit>(callTime, IDC_CALL_HOUR)->text().toStdString();
            Type(callTime, IDC_CALL_MINUTE, "30");
            Click(callTime, IDC_CALL_AT_TIME);
            Click(callTime, IDOK);
            // OK of the schedule once the call-time dialog is done.
            dialog.Target()->PostMessage(platform::Message(WM_COMMAND, IDOK));
        });
        // Day 30: fifth row, second column.
        dialog.Target()->PostMessage(platform::Message{WM_GRID_BUTTON_CLICKED, 5, {}, 2});
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(typedHour, "4");
    EXPECT_FALSE(dialog.restartOnly);
    const std::uint8_t mode = CallModeByte(kCallsMonthly, true, false, 0);
    for (const auto& [day, hour, minute] :
         {std::tuple{29, 8, 0}, std::tuple{30, 4, 30}, std::tuple{31, 8, 0}}) {
        const std::uint8_t* entry = CallEntry(dialog.schedule, day);
        EXPECT_EQ(entry[0], mode) << day;
        EXPECT_EQ(entry[1], hour) << day;
        EXPECT_EQ(entry[2], minute) << day;
    }
    EXPECT_EQ(CallEntry(dialog.schedule, 28)[0], 0);
}

TEST_F(CallScheduleDlgTest, OkWantsAHostAnOptionAndAgreementToACallTooSoon) {
    CallScheduleRecord read;
    read.kind = kCallsOnce;
    read.firstHour = 10;
    read.firstMinute = 2;
    read.block[0] = ' ';
    read.block[1] = 2;
    read.block[2] = 7;
    CDorvaneCallScheduleDlg dialog(read, LoggerNow());
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDNO);
    broker_.AnswerMessageBox(IDYES);
    std::vector<bool> openAfter;
    testsupport::OnNextModal([&](QWidget* window) {
        EXPECT_EQ(FindControlAs<QLabel>(window, IDC_SCHEDULE_STATUS)->text().toStdString(),
                  platform::FormatLoadedText(IDS_SCHEDULE_STATUS, {"2", "7"}));
        EXPECT_TRUE(FindControlAs<QLineEdit>(window, IDC_ONCE_HOUR)->isEnabled());
        EXPECT_FALSE(FindControlAs<QLineEdit>(window, IDC_DAILY_HOUR)->isEnabled());
        // The kinds are one choice, option B's two another.
        Click(window, IDC_SCHEDULE_DAILY);
        EXPECT_FALSE(FindControlAs<QRadioButton>(window, IDC_SCHEDULE_ONCE)->isChecked());
        EXPECT_TRUE(FindControlAs<QRadioButton>(window, IDC_OPTION_B_FIRST)->isChecked());
        EXPECT_TRUE(FindControlAs<QLineEdit>(window, IDC_DAILY_HOUR)->isEnabled());
        Click(window, IDC_SCHEDULE_ONCE);
        EXPECT_FALSE(FindControlAs<QRadioButton>(window, IDC_SCHEDULE_DAILY)->isChecked());
        Click(window, IDC_RESTART_ONLY);
        Click(window, IDOK);
        openAfter.push_back(window->isVisible());
        Type(window, IDC_HOST_TEXT, "10.0.0.5");
        Click(window, IDOK);
        openAfter.push_back(window->isVisible());
        Click(window, IDC_OPTION_A);
        Click(window, IDOK);
        openAfter.push_back(window->isVisible());
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(openAfter, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{LoadText(IDS_NO_HOST_TEXT), LoadText(IDS_NO_CALL_OPTION),
                                        LoadText(IDS_CALL_TOO_SOON), LoadText(IDS_CALL_TOO_SOON)}));
    EXPECT_TRUE(dialog.restartOnly);
    EXPECT_EQ(dialog.schedule.text, "10.0.0.5");
    EXPECT_EQ(CallEntry(dialog.schedule, 11)[0], CallModeByte(kCallsOnce, true, false, 0));
    // The logger's state entry is kept.
    EXPECT_EQ(dialog.schedule.block[0], ' ');
}

TEST_F(CallScheduleDlgTest, WeekdayButtonsShowTheirTimesAndAPassedOneMovesOnAWeek) {
    CallScheduleRecord read;
    read.kind = kCallsWeekly;
    read.text = "host";
    read.flagB = true;
    read.days[3] = {0x0A, 9, 0};  // Wednesday, passed on the logger's clock
    CDorvaneCallScheduleDlg dialog(read, LoggerNow());
    broker_.AnswerMessageBox(IDOK);
    testsupport::OnNextModal([&](QWidget* window) {
        EXPECT_EQ(FindControlAs<QPushButton>(window, IDC_WEEKDAY_FIRST + 3)->text(), "09:00");
        EXPECT_EQ(FindControlAs<QPushButton>(window, IDC_WEEKDAY_FIRST)->text().toStdString(),
                  LoadText(IDS_NO_WEEKDAY_CALL));
        EXPECT_TRUE(FindControlAs<QRadioButton>(window, IDC_OPTION_B_FIRST)->isEnabled());
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(Messages(), std::vector<std::string>{LoadText(IDS_CALL_MOVED_ON)});
    EXPECT_EQ(CallEntry(dialog.schedule, 18)[0], CallModeByte(kCallsWeekly, false, true, 0));
    EXPECT_EQ(CallEntry(dialog.schedule, 18)[1], 9);
}

}  // namespace
