// The alarm and peak-demand editors of the setup form, reached through the check-combo boxes as the user
// reaches them, and the two dialogs on their own.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "kivo32/controls/cb_check_list_box.h"
#include "kivo32/controls/check_combo_box.h"
#include "kivo32/setupeditor/logger_alarms_dlg.h"
#include "kivo32/setupeditor/peak_kw_window_dlg.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/message_box_flags.h"
#include "tests/kivo32/setupeditor/setup_form_fixture.h"
#include "tests/support/ui/modal_driver.h"

namespace {

using platform::FindControlAs;
using setupeditortest::SetupFormTest;
using setupeditortest::SetupOf;

int ItemOf(const CCBCheckListBox& list, CheckComboItem::Role role) {
    const std::vector<CheckComboItem>& items = list.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].role == role) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Toggles the box's item of `role` with `dialogAction` acting on the dialog it opens, then closes the
// list taking its checks.
void ToggleThroughDialog(CCheckComboBox* box, CheckComboItem::Role role,
                         std::function<void(QWidget*)> dialogAction) {
    box->OpenDropDown();
    CCBCheckListBox* list = box->DropDown();
    ASSERT_NE(list, nullptr);
    const int item = ItemOf(*list, role);
    ASSERT_GE(item, 0);
    testsupport::OnNextModal(std::move(dialogAction));
    list->ToggleItem(item);
    box->CloseDropDown(true);
    QApplication::processEvents();
}

void ClickOk(QWidget* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (platform::ControlId(button) == IDOK) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no OK button";
}

TEST_F(SetupFormTest, AnOptionBoxOfAModelTwoFormOpensTheAlarmEditorAndShowsL) {
    CSetupTableView* view = Open(SetupOf(2));
    ASSERT_NE(view, nullptr);
    auto* kw = platform::FindControlAs<CCheckComboBox>(view, 1093);
    ASSERT_NE(kw, nullptr);
    ToggleThroughDialog(kw, CheckComboItem::Role::Alarm, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "kW alarm of channel 1");
        FindControlAs<QCheckBox>(dialog, IDC_ALARM_HIGH_ON)->setChecked(true);
        FindControlAs<QLineEdit>(dialog, IDC_ALARM_HIGH)->setText("3");
        ClickOk(dialog);
    });
    EXPECT_EQ(kw->CodeText(), "A,L");
    // Kept in the form's own record, in thousands for kW.
    const CSUTAlarm& alarm = view->GetChannelState(0).alarms.GetAlarm(2);
    EXPECT_TRUE(alarm.IsHighAlarmOn());
    EXPECT_FLOAT_EQ(alarm.GetHighLimit(), 3000.0f);
    EXPECT_TRUE(view->IsAlarmSetForControl(1093));
    EXPECT_FALSE(view->IsAlarmSetForControl(1094));
    EXPECT_TRUE(view->GetDocument()->IsModified());
}

TEST_F(SetupFormTest, APulseChannelsAlarmCountsAndAQuarvenFormOpensNoAlarmEditor) {
    CSetupTableView* view = Open(SetupOf(5));
    ASSERT_NE(view, nullptr);
    testsupport::OnNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Pulse count alarm of channel 2");
        EXPECT_FALSE(FindControlAs<QCheckBox>(dialog, IDC_ALARM_LOW_ON)->isVisibleTo(dialog));
        FindControlAs<QCheckBox>(dialog, IDC_ALARM_HIGH_ON)->setChecked(true);
        FindControlAs<QLineEdit>(dialog, IDC_ALARM_HIGH)->setText("4000000000");
        ClickOk(dialog);
    });
    EXPECT_TRUE(view->EditAlarmForControl(1100));
    EXPECT_EQ(view->GetChannelState(1).alarms.GetAlarm(0).GetHighCount(), 4000000000u);
    EXPECT_FALSE(view->EditAlarmForControl(1101));

    CSetupTableView* quarven = Open(SetupOf(13));
    ASSERT_NE(quarven, nullptr);
    EXPECT_FALSE(quarven->EditAlarmForControl(1091));
    EXPECT_FALSE(quarven->IsAlarmSetForControl(1091));
    EXPECT_EQ(quarven->IsPeakWindowChannel(1135), -1);
}

TEST_F(SetupFormTest, APeakDemandWindowShowsDAndSetsItsTwoBytes) {
    CSetupTable table = SetupOf(2);
    table.GetSoftwareChannel(0).SetPowerOptions(2, kOptionBit1);
    CSetupTableView* view = Open(table);
    ASSERT_NE(view, nullptr);
    auto* box = platform::FindControlAs<CCheckComboBox>(view, 1135);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(view->IsPeakWindowChannel(1135), 0);
    ToggleThroughDialog(box, CheckComboItem::Role::PeakDemand, [](QWidget* dialog) {
        EXPECT_FALSE(FindControlAs<QComboBox>(dialog, IDC_PEAK_LENGTH)->isEnabled());
        FindControlAs<QRadioButton>(dialog, IDC_PEAK_CHANNEL5)->click();
        FindControlAs<QComboBox>(dialog, IDC_PEAK_LENGTH)->setEditText("30 minutes");
        FindControlAs<QRadioButton>(dialog, IDC_PEAK_OPTION_OFF)->click();
        ClickOk(dialog);
    });
    EXPECT_EQ(box->CodeText(), "A,D");
    const CSUTExtendedData& extended = view->GetDocument()->GetSetupTable().GetExtendedData();
    EXPECT_EQ(extended.GetTimeBlockByte1(), 5);
    EXPECT_EQ(extended.GetTimeBlockByte2(), 0x80 | 30);
    EXPECT_EQ(view->IsPeakWindowChannel(1135), 1);
    EXPECT_EQ(view->IsPeakWindowChannel(1142), 0);
}

TEST_F(SetupFormTest, APeakWindowLengthThatIsNoWindowIsAskedAgainAndAnEmptyKWOptionRefused) {
    CSetupTable table = SetupOf(2);
    table.GetSoftwareChannel(0).SetPowerOptions(2, kOptionBit1);
    table.GetSoftwareChannel(1).SetPowerOptions(2, 0);
    CSetupTableView* view = Open(table);
    ASSERT_NE(view, nullptr);
    broker_.AnswerMessageBox(IDOK);
    testsupport::OnNextModal([](QWidget* dialog) {
        FindControlAs<QRadioButton>(dialog, IDC_PEAK_CHANNEL5)->click();
        FindControlAs<QComboBox>(dialog, IDC_PEAK_LENGTH)->setEditText("");
        testsupport::OnNextModal(
            [](QWidget* again) { FindControlAs<QPushButton>(again, IDCANCEL)->click(); });
        ClickOk(dialog);
    });
    view->EditPeakWindowForControl(1135);
    ASSERT_FALSE(broker_.Asked().empty());
    EXPECT_EQ(broker_.Asked().back().text, LoadText(IDS_PEAK_NOT_A_LENGTH));
    EXPECT_EQ(view->GetDocument()->GetSetupTable().GetExtendedData().GetTimeBlockByte1(), 0);

    // Channel 6 has no kW option: refused with its message.
    broker_.AnswerMessageBox(IDOK);
    testsupport::OnNextModal([](QWidget* dialog) {
        FindControlAs<QRadioButton>(dialog, IDC_PEAK_CHANNEL6)->click();
        ClickOk(dialog);
    });
    view->EditPeakWindowForControl(1142);
    EXPECT_EQ(broker_.Asked().back().text, "Choose the kW values of channel 6 first.");
    EXPECT_EQ(view->GetDocument()->GetSetupTable().GetExtendedData().GetTimeBlockByte1(), 0);
}

// The session answers the form's request with the facts it read of the logger (its half is tested
// against the simulator in the session tests): the times come from the logger's clock, seconds 0, and a
// firmware of 153 takes no first peak-demand window.
TEST_F(SetupFormTest, AConnectedLoggersClockAndFirmwareServeTheForm) {
    std::shared_ptr<platform::MessageTarget> asked;
    CSetupTableView::SetLoggerClockRequester([&](std::shared_ptr<platform::MessageTarget> target) {
        asked = std::move(target);
        return true;
    });
    CSetupTable table = SetupOf(2);
    table.GetExtendedData().SetTimeBlockByte2(0);  // no window yet
    CSetupTableView* view = Open(table, 160);
    CSetupTableView::SetLoggerClockRequester({});
    ASSERT_NE(view, nullptr);
    ASSERT_NE(asked, nullptr);
    asked->PostMessage(platform::Message(WM_SETUP_LOGGER_FACTS, 0,
                                         platform::MakePayload(SetupLoggerFacts{"13:04:05 03/07/24", 153})));
    QApplication::processEvents();
    view->EnableStopTime(true);
    const std::vector<std::string> proposed = {"03", "07", "24", "13", "04", "00"};
    for (int field = 0; field < 6; ++field) {
        EXPECT_EQ(FindControlAs<QLineEdit>(view, kStopFieldIds[field])->text().toStdString(),
                  proposed[field]);
    }
    broker_.AnswerMessageBox(IDOK);
    view->EditPeakWindowForControl(1135);
    EXPECT_EQ(broker_.Asked().back().text, LoadText(IDS_PEAK_FIRMWARE_TOO_OLD));
    EXPECT_EQ(view->GetDocument()->GetSetupTable().GetExtendedData().GetTimeBlockByte1(), 0);
}

TEST_F(SetupFormTest, APageIsRebuiltWheneverTheTypeDiffers) {
    CSetupTable table = SetupOf(0);
    CSetupTableView* view = Open(table);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(platform::FindControlAs<CCheckComboBox>(view, 1092), nullptr);
    view->BuildChannelPage(4, 0);
    EXPECT_EQ(view->GetCurrentType(0), 4);
    EXPECT_EQ(platform::FindControlAs<CCheckComboBox>(view, 1092), nullptr);
    EXPECT_EQ(platform::FindControlAs<CCheckComboBox>(view, 1091)->ListKind(), 5);
    view->BuildChannelPage(0, 0);
    EXPECT_FALSE(platform::FindControlAs<QLineEdit>(view, 1031)->isVisibleTo(view));

    // A channel that is off shows no fields.
    CSetupTable ornat = SetupOf(2);
    ornat.GetHardwareChannel(3).SetType(kChannelOff);
    CSetupTableView* off = Open(ornat);
    ASSERT_NE(off, nullptr);
    EXPECT_FALSE(platform::FindControlAs<QLineEdit>(off, 1067)->isVisibleTo(off));
    EXPECT_TRUE(platform::FindControlAs<QLineEdit>(off, 1055)->isVisibleTo(off));

    CSetupTableView* loop = Open(SetupOf(7));
    ASSERT_NE(loop, nullptr);
    EXPECT_EQ(loop->GetCurrentType(0), 8);
    loop->BuildChannelPage(9, 0);
    EXPECT_EQ(loop->GetCurrentType(0), 9);
}

TEST(LoggerAlarmsDialogTest, LimitsAreCheckedAsTypedAndShownInThousands) {
    testsupport::EnsureQtApplication();
    SetProgramTexts(platform::EnglishTexts());
    testsupport::ScriptedUiBroker broker;
    CSUTAlarm stored;
    stored.SetHighLimit(2500.0f);
    CLoggerAlarmsDlg dialog(AlarmToDialog(stored, false, true), "Title", false);
    broker.AnswerMessageBox(IDOK);
    testsupport::OnNextModal([&](QWidget*) {
        auto* high = FindControlAs<QLineEdit>(&dialog, IDC_ALARM_HIGH);
        EXPECT_EQ(high->text(), "2.5000");
        high->setText("100000001");
        ClickOk(&dialog);  // refused: the dialog stays
        EXPECT_TRUE(dialog.isVisible());
        high->setText("100000000.0");
        // An edit left empty shows "0".
        auto* low = FindControlAs<QLineEdit>(&dialog, IDC_ALARM_LOW);
        low->clear();
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(low, &leave);
        EXPECT_EQ(low->text(), "0");
        ClickOk(&dialog);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dialog.Values().high, 100000000.0);
    EXPECT_DOUBLE_EQ(dialog.Values().low, 0.0);
    EXPECT_EQ(broker.Asked().size(), 1u);
}

}  // namespace
