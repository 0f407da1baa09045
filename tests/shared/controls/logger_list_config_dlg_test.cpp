// The entry configuration dialog driven by its controls: the connection page by type, the baud lists,
// Next and Previous, OK's checks, and the schedule page's block.
#include "shared/controls/logger_list_config_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "shared/common/calendar.h"
#include "shared/controls/logger_list_connect_tab.h"
#include "shared/controls/logger_list_ids.h"
#include "shared/controls/logger_list_teldrin_tab.h"
#include "shared/loggerlist/logger_list.h"
#include "tests/support/fake_serial_port_source.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/time_zone.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

using platform::FindControlAs;

class LoggerListConfigDlgTest : public testsupport::QtTest {
protected:
    LoggerListConfigDlgTest() : list_({57600, 2}) {
        list_.NewList("/data");
        list_.InsertNewLogger(-1, "/data");
        list_.InsertNewLogger(-1, "/data");
        CLogger& direct = list_.GetLogger(0);
        direct.SetConnectType(kConnectDirect);
        direct.SetComPort("ttyUSB1");
        direct.SetPhoneOrAddress("kept");
        direct.SetBaudRate(38400);
        CLogger& modem = list_.GetLogger(1);
        modem.SetConnectType(kConnectModem);
        modem.SetPhoneOrAddress("5550100");
        modem.SetBaudRate(9600);
        CLogger& network = list_.GetLogger(2);
        network.SetPhoneOrAddress("127.0.0.1");
    }

    std::unique_ptr<CLoggerListConfigDlg> Open(int row) {
        return std::make_unique<CLoggerListConfigDlg>(
            list_, row, nullptr,
            [] {
                return std::make_unique<testsupport::FakeSerialPortSource>(
                    std::vector<platform::SerialPortInfo>{});
            },
            [] { return *LocalTimeFromFields(2026, 12, 20, 9, 0, 0); });
    }

    // The two pages share control ids (1712): look on the page.
    template <class Control>
    static Control* Find(const QWidget* dialog, int id) {
        Control* control = FindControlAs<Control>(dialog, id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    static void Type(QWidget* dialog, int id, const QString& text) {
        auto* edit = Find<QLineEdit>(dialog, id);
        edit->setText(text);
        emit edit->textEdited(text);
    }

    CLoggerList list_;
    testsupport::ScriptedUiBroker broker_{IDOK};
    testsupport::RecordingDesktopServices desktop_;
};

TEST_F(LoggerListConfigDlgTest, PageArrangedByType) {
    struct Case {
        int row;
        int typeIndex;
        bool field, port, comPort, directBaud, modemBaud;
        int directIndex, modemIndex;
    };
    // 38400 is not in the table: the direct list opens at 57600, the modem list at 9600.
    const Case cases[] = {
        {1, CLoggerListConnectTab::kDirectIndex, false, false, true, true, false, 7, 3},
        {2, CLoggerListConnectTab::kModemIndex, true, false, false, false, true, 3, 3},
        {3, CLoggerListConnectTab::kNetworkIndex, true, true, false, false, false, 7, 7},
    };
    for (const Case& c : cases) {
        const auto dialog = Open(c.row);
        dialog->show();
        EXPECT_EQ(Find<QComboBox>(dialog.get(), IDC_LIST_TYPE)->currentIndex(), c.typeIndex) << c.row;
        EXPECT_EQ(Find<QLineEdit>(dialog.get(), IDC_LIST_FIELD)->isVisible(), c.field) << c.row;
        EXPECT_EQ(Find<QLineEdit>(dialog.get(), IDC_LIST_PORT)->isVisible(), c.port) << c.row;
        EXPECT_EQ(Find<QComboBox>(dialog.get(), IDC_LIST_COM_PORT)->isVisible(), c.comPort) << c.row;
        EXPECT_EQ(Find<QComboBox>(dialog.get(), IDC_LIST_DIRECT_BAUD)->isVisible(), c.directBaud) << c.row;
        EXPECT_EQ(Find<QComboBox>(&dialog->Tabs().ConnectPage(), IDC_LIST_MODEM_BAUD)->isVisible(),
                  c.modemBaud)
            << c.row;
        EXPECT_EQ(Find<QComboBox>(dialog.get(), IDC_LIST_DIRECT_BAUD)->currentIndex(), c.directIndex)
            << c.row;
        EXPECT_EQ(Find<QComboBox>(&dialog->Tabs().ConnectPage(), IDC_LIST_MODEM_BAUD)->currentIndex(),
                  c.modemIndex)
            << c.row;
        EXPECT_EQ(dialog->Tabs().currentIndex(), 0);
    }
}

TEST_F(LoggerListConfigDlgTest, TypeSwitchesKeepEachTypesFields) {
    const auto dialog = Open(3);
    QComboBox* type = Find<QComboBox>(dialog.get(), IDC_LIST_TYPE);
    Type(dialog.get(), IDC_LIST_PORT, "42401");
    type->setCurrentIndex(CLoggerListConnectTab::kModemIndex);
    Type(dialog.get(), IDC_LIST_FIELD, "5551234");
    Find<QComboBox>(&dialog->Tabs().ConnectPage(), IDC_LIST_MODEM_BAUD)->setCurrentIndex(2);
    type->setCurrentIndex(CLoggerListConnectTab::kDirectIndex);
    Find<QComboBox>(dialog.get(), IDC_LIST_DIRECT_BAUD)->setCurrentIndex(5);
    type->setCurrentIndex(CLoggerListConnectTab::kNetworkIndex);
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), IDC_LIST_FIELD)->text(), "127.0.0.1");
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), IDC_LIST_PORT)->text(), "42401");
    type->setCurrentIndex(CLoggerListConnectTab::kModemIndex);
    EXPECT_EQ(Find<QLineEdit>(dialog.get(), IDC_LIST_FIELD)->text(), "5551234");
    EXPECT_EQ(Find<QComboBox>(&dialog->Tabs().ConnectPage(), IDC_LIST_MODEM_BAUD)->currentIndex(), 2);
    type->setCurrentIndex(CLoggerListConnectTab::kDirectIndex);
    EXPECT_EQ(Find<QComboBox>(dialog.get(), IDC_LIST_DIRECT_BAUD)->currentIndex(), 5);

    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const CLogger& entry = list_.GetLogger(2);
    EXPECT_EQ(entry.GetConnectType(), kConnectDirect);
    EXPECT_EQ(entry.GetByteConnectType(), kConnectDirect);
    EXPECT_EQ(entry.GetBaudRate(), 19200);
    EXPECT_EQ(entry.GetComPort(), "ttyS0");  // the entry had none
    EXPECT_EQ(entry.GetPhoneOrAddress(), "127.0.0.1");
}

TEST_F(LoggerListConfigDlgTest, OkOnADirectEntryKeepsItsAddressAndPort) {
    const auto dialog = Open(1);
    dialog->accept();
    const CLogger& entry = list_.GetLogger(0);
    EXPECT_EQ(entry.GetPhoneOrAddress(), "kept");
    EXPECT_EQ(entry.GetComPort(), "ttyUSB1");  // not plugged in, still the entry's port
    EXPECT_EQ(entry.GetBaudRate(), 57600);
}

TEST_F(LoggerListConfigDlgTest, NextAndPreviousStoreTheEntryLeftAndBeepAtTheEnds) {
    const auto dialog = Open(2);
    Type(dialog.get(), IDC_LIST_FIELD, "5559999");
    dialog->NextButton()->click();
    EXPECT_EQ(dialog->Row(), 3);
    EXPECT_EQ(list_.GetLogger(1).GetPhoneOrAddress(), "5559999");
    EXPECT_TRUE(dialog->ChangedAny());
    dialog->NextButton()->click();
    EXPECT_EQ(dialog->Row(), 3);
    EXPECT_EQ(desktop_.Beeps(), 1);
    dialog->PreviousButton()->click();
    dialog->PreviousButton()->click();
    EXPECT_EQ(dialog->Row(), 1);
    dialog->PreviousButton()->click();
    EXPECT_EQ(desktop_.Beeps(), 2);
    EXPECT_EQ(Find<QComboBox>(dialog.get(), IDC_LIST_TYPE)->currentIndex(),
              CLoggerListConnectTab::kDirectIndex);
}

TEST_F(LoggerListConfigDlgTest, ShownOnlyItStepsThroughTheEntriesAndChangesNone) {
    const std::vector<CLogger> before = list_.Entries();
    const auto dialog = Open(2);
    dialog->ShowOnly();
    const auto* buttons = dialog->findChild<QDialogButtonBox*>();
    EXPECT_EQ(buttons->standardButtons(), QDialogButtonBox::Close);
    for (int step = 0; step < 2; ++step) {
        EXPECT_FALSE(dialog->Tabs().ConnectPage().isEnabled()) << step;
        EXPECT_FALSE(dialog->Tabs().SchedulePage().isEnabled()) << step;
        // What a page holds is never stored, by Next or by accepting.
        Type(dialog.get(), IDC_LIST_FIELD, "5559999");
        dialog->NextButton()->click();
    }
    EXPECT_EQ(dialog->Row(), 3);
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->ChangedAny());
    EXPECT_EQ(list_.Entries(), before);
}

TEST_F(LoggerListConfigDlgTest, FieldsThatFailTheirCheckKeepTheDialogOpen) {
    struct Case {
        const char* what;
        std::function<void(QWidget*)> edit;
        unsigned message;
    };
    const Case cases[] = {
        {"port 0", [](QWidget* d) { Type(d, IDC_LIST_PORT, "0"); }, IDS_LIST_BAD_NET_PORT},
        {"port 70000", [](QWidget* d) { Type(d, IDC_LIST_PORT, "70000"); }, IDS_LIST_BAD_NET_PORT},
        {"31/04",
         [](QWidget* d) {
             Find<QRadioButton>(d, IDC_SCHED_SINGLE)->click();
             Type(d, IDC_SCHED_MONTH, "4");
             Type(d, IDC_SCHED_DAY, "31");
         },
         IDS_LIST_BAD_DATE},
        {"interval 00:00", [](QWidget* d) { Find<QRadioButton>(d, IDC_SCHED_MULTIPLE)->click(); },
         IDS_LIST_BAD_INTERVAL},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedUiBroker broker(IDOK);
        const CLogger before = list_.GetLogger(2);
        const auto dialog = Open(3);
        c.edit(dialog.get());
        dialog->accept();
        EXPECT_NE(dialog->result(), QDialog::Accepted) << c.what;
        EXPECT_EQ(list_.GetLogger(2), before) << c.what;
        ASSERT_EQ(broker.Boxes().size(), 1u) << c.what;
        EXPECT_EQ(broker.Boxes()[0].ids.promptId, c.message) << c.what;
    }
}

TEST_F(LoggerListConfigDlgTest, SchedulePageWritesTheBlock) {
    testsupport::WithTimeZone(testsupport::kNewYork, [this] {
        const auto dialog = Open(3);
        QWidget* page = &dialog->Tabs().SchedulePage();
        Find<QCheckBox>(page, IDC_SCHED_ON)->click();
        EXPECT_TRUE(dialog->Tabs().tabText(1).endsWith("On"));
        Find<QRadioButton>(page, IDC_SCHED_WEEKLY)->click();
        Find<QCheckBox>(page, IDC_SCHED_SUNDAY + 1)->click();
        Type(page, kWeekDayHourIds[1], "6");
        Type(page, kWeekDayMinuteIds[1], "30");
        Find<QCheckBox>(page, IDC_SCHED_SET_CLOCK)->click();
        Find<QRadioButton>(page, IDC_SCHED_ALL_DATA)->click();
        // A single call on 5 January set on 20 December is next year's.
        Type(page, IDC_SCHED_DAY, "5");
        Type(page, IDC_SCHED_SINGLE_HOUR, "8");
        dialog->accept();
        ASSERT_EQ(dialog->result(), QDialog::Accepted);
        const CLogger& entry = list_.GetLogger(2);
        EXPECT_TRUE(entry.IsScheduleOn());
        EXPECT_EQ(entry.GetCallInterval(), 4);
        EXPECT_EQ(entry.GetTasks(), 17);
        EXPECT_TRUE(entry.IsWeekDayOn(1));
        EXPECT_FALSE(entry.IsWeekDayOn(0));
        EXPECT_EQ(entry.GetWeekDayMinutes(1), 390);
        EXPECT_EQ(entry.GetSingleCall(), *LocalTimeFromFields(2027, 1, 5, 8, 0, 0));
    });
}

TEST_F(LoggerListConfigDlgTest, TypingPastAnEditsMaximumDropsTheDigit) {
    const auto dialog = Open(3);
    QWidget* page = &dialog->Tabs().SchedulePage();
    Find<QRadioButton>(page, IDC_SCHED_DAILY)->click();
    Type(page, IDC_SCHED_DAILY_HOUR, "27");
    EXPECT_EQ(Find<QLineEdit>(page, IDC_SCHED_DAILY_HOUR)->text(), "2");
    Type(page, IDC_SCHED_DAILY_MINUTE, "55");
    EXPECT_EQ(Find<QLineEdit>(page, IDC_SCHED_DAILY_MINUTE)->text(), "55");
}

}  // namespace
