// The small setting dialogs offscreen: the rates offered, OK only with a choice, the text limits, the
// setup list and the properties report; and the runners that answer the session's requests with them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/session/setting_requests.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/tools/logger_properties_dlg.h"
#include "kivo32/tools/logger_sut_list_dlg.h"
#include "kivo32/tools/logger_text_dlgs.h"
#include "kivo32/tools/set_baud_dlg.h"
#include "kivo32/tools/setting_ids.h"
#include "kivo32/tools/setting_windows.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/control_id.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class SettingDialogsTest : public testsupport::QtTest {
protected:
    static bool OkEnabled(QWidget* window) { return platform::FindControl(window, IDOK)->isEnabled(); }
    static void Click(QWidget* window, int id) {
        platform::FindControlAs<QAbstractButton>(window, id)->click();
    }
    static QStringList Rates(QWidget* window) {
        auto* combo = platform::FindControlAs<QComboBox>(window, IDC_BAUD_RATE);
        QStringList rates;
        for (int i = 0; i < combo->count(); ++i) {
            rates << combo->itemText(i);
        }
        return rates;
    }
};

TEST_F(SettingDialogsTest, AModemLinkOffersOnlyTheFirstFiveRates) {
    const QStringList direct = {"1200", "2400", "4800", "9600", "14400", "19200", "28800", "57600"};
    for (const bool modem : {false, true}) {
        CSetBaudDlg dialog("9600", "Logger 7", "NX4.212", modem);
        testsupport::OnNextModal([&](QWidget* window) {
            EXPECT_EQ(Rates(window), modem ? direct.mid(0, 5) : direct);
            EXPECT_EQ(platform::FindControlAs<QComboBox>(window, IDC_BAUD_RATE)->currentText(), "9600");
            EXPECT_EQ(platform::FindControlAs<QLabel>(window, IDC_SETTING_LOGGER_FIRST_TEXT)->text(),
                      "Logger 7");
            Click(window, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
}

TEST_F(SettingDialogsTest, ASpeedTheListLacksNeedsARatePickedBeforeOk) {
    CSetBaudDlg dialog("57600", "", "", true);
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_FALSE(OkEnabled(window));
        platform::FindControlAs<QComboBox>(window, IDC_BAUD_RATE)->setCurrentIndex(3);
        EXPECT_TRUE(OkEnabled(window));
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.baud, "9600");
}

TEST_F(SettingDialogsTest, EachTextIsLimitedToWhatTheLoggerKeeps) {
    struct Case {
        std::function<std::unique_ptr<CLoggerTextSettingDlg>()> make;
        int editId;
        int limit;
    };
    const Case cases[] = {
        {[] { return std::make_unique<CSetDescriptionDlg>("Feeder 9", "Logger 7", "NX4.212"); },
         IDC_DESCRIPTION, 20},
        {[] { return std::make_unique<CSetModemStringDlg>("ATS0=1", "Logger 7", ""); }, IDC_MODEM_STRING, 60},
        {[] { return std::make_unique<CSetTechNameDlg>(); }, IDC_TECH_NAME, 3},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<CLoggerTextSettingDlg> dialog = c.make();
        const std::string before = dialog->text;
        testsupport::OnNextModal([&c, &before](QWidget* window) {
            auto* edit = platform::FindControlAs<QLineEdit>(window, c.editId);
            EXPECT_EQ(edit->text().toStdString(), before);
            edit->selectAll();
            edit->insert(QString(c.limit + 1, QChar('x')));
            EXPECT_EQ(edit->text().size(), c.limit);
            Click(window, IDOK);
        });
        ASSERT_EQ(dialog->DoModal(), IDOK) << c.editId;
        EXPECT_EQ(dialog->text, std::string(static_cast<std::size_t>(c.limit), 'x'));
    }
}

TEST_F(SettingDialogsTest, TheSetupListStartsOnTheFirstSetupAndOkNeedsOne) {
    const std::vector<std::string> setups = {"Active:\t\tFeeder 9", "Stored:\t\tSubstation 12"};
    CLoggerSUTListDlg dialog(setups);
    testsupport::OnNextModal([](QWidget* window) {
        auto* list = platform::FindControlAs<QListWidget>(window, IDC_SUT_LIST);
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_TRUE(OkEnabled(window));
        list->setCurrentRow(1);
        Click(window, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.selected, 1);

    const std::vector<std::string> none;
    CLoggerSUTListDlg empty(none);
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_FALSE(OkEnabled(window));
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(empty.DoModal(), IDCANCEL);
}

TEST_F(SettingDialogsTest, ThePropertiesReportAsksForAFreshOneByItsButton) {
    CLoggerPropertiesDlg dialog;
    dialog.SetText("Logger ID: 7\r\nFirmware: NX4.212\r\n");
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_EQ(platform::FindControlAs<QPlainTextEdit>(window, IDC_DISPLAY_TEXT)->toPlainText(),
                  "Logger ID: 7\nFirmware: NX4.212\n");
        EXPECT_TRUE(platform::FindControl(window, IDC_DISPLAY_REFRESH)->isVisible());
        Click(window, IDC_DISPLAY_REFRESH);
    });
    EXPECT_EQ(dialog.DoModal(), IDC_DISPLAY_REFRESH);
}

// The runners give each request its window and write the user's answers back only on OK.
TEST_F(SettingDialogsTest, TheSessionsRequestsGetTheirWindows) {
    RegisterSettingWindows();
    SetBaudRequest baud{
        .speed = 9600, .logger = {.loggerId = "Logger 7", .firmware = "NX4.212"}, .modem = true};
    testsupport::OnNextModal([](QWidget* window) {
        EXPECT_EQ(Rates(window).size(), 5);
        platform::FindControlAs<QComboBox>(window, IDC_BAUD_RATE)->setCurrentIndex(4);
        Click(window, IDOK);
    });
    EXPECT_EQ(platform::FindDialogRunner<SetBaudRequest>()(baud), IDOK);
    EXPECT_EQ(baud.speed, 14400);

    SetDescriptionRequest description{.description = "Feeder 9",
                                      .logger = {.loggerId = "Logger 7", .firmware = ""}};
    testsupport::OnNextModal([](QWidget* window) {
        platform::FindControlAs<QLineEdit>(window, IDC_DESCRIPTION)->setText("Feeder 10");
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(platform::FindDialogRunner<SetDescriptionRequest>()(description), IDCANCEL);
    EXPECT_EQ(description.description, "Feeder 9");

    LoggerSetupListRequest list{.setups = {"Active:\t\tA", "Stored:\t\tB"}};
    testsupport::OnNextModal([](QWidget* window) {
        platform::FindControlAs<QListWidget>(window, IDC_SUT_LIST)->setCurrentRow(1);
        Click(window, IDOK);
    });
    EXPECT_EQ(platform::FindDialogRunner<LoggerSetupListRequest>()(list), IDOK);
    EXPECT_EQ(list.selection, 1);
}

}  // namespace
