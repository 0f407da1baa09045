// The port preferences on a fake port source: the items, their checks, the buttons, and what OK stores.
#include "shared/controls/com_port_prefs_dlg.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <vector>

#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"
#include "shared/link/link_ids.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/fake_serial_port_source.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using Names = std::vector<std::string>;
using platform::FindControlAs;

struct Shown {
    Names texts;
    std::vector<bool> checked;
};

Shown ListOf(QWidget* dialog) {
    auto* list = FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST);
    Shown shown;
    for (int i = 0; i < list->count(); ++i) {
        shown.texts.push_back(platform::FromQString(list->item(i)->text()));
        shown.checked.push_back(list->item(i)->checkState() == Qt::Checked);
    }
    return shown;
}

QPushButton* Button(QWidget* dialog, int id) {
    return FindControlAs<QPushButton>(dialog, id);
}

void Select(QWidget* dialog, int row) {
    FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST)->setCurrentRow(row);
}

class ComPortPrefsDlgTest : public testsupport::QtTest {
protected:
    ComPortPrefsDlgTest() {
        app_.SetKnownPorts({"X,ttyS0", ",ttyUSB7", ",ttyUSB0"});
        boxes_.SetDefaultAnswer(IDOK);
    }

    // Runs the dialog on this machine's fake ports; `drive` acts on it once it shows.
    int Run(const std::function<void(QWidget*)>& drive, int selection = 0) {
        CCOMPortPrefsDlg dialog(nullptr,
                                std::make_unique<testsupport::FakeSerialPortSource>(
                                    std::vector<platform::SerialPortInfo>{{"ttyS0", "", "serial8250"},
                                                                          {"ttyUSB0", "FT232R USB UART", ""},
                                                                          {"ttyACM0", "Logger", "cdc_acm"}}),
                                selection);
        testsupport::OnNextModal(drive);
        return dialog.DoModal();
    }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker boxes_;
};

TEST_F(ComPortPrefsDlgTest, KnownPortsFirstWithTheirChecksThenTheOtherPortsPresent) {
    const int result = Run([](QWidget* dialog) {
        const Shown shown = ListOf(dialog);
        // ttyUSB7 is not plugged in: it stays, with its check.
        EXPECT_EQ(shown.texts,
                  (Names{" ttyS0 serial8250", " ttyUSB7", " ttyUSB0 FT232R USB UART", " ttyACM0 Logger"}));
        EXPECT_EQ(shown.checked, (std::vector<bool>{false, true, true, true}));
        EXPECT_FALSE(Button(dialog, IDC_PORT_PREFS_UP)->isEnabled());
        EXPECT_TRUE(Button(dialog, IDC_PORT_PREFS_DOWN)->isEnabled());
        EXPECT_TRUE(Button(dialog, IDC_PORT_PREFS_REMOVE)->isEnabled());
        Button(dialog, IDCANCEL)->click();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(app_.GetKnownPorts(), (Names{"X,ttyS0", ",ttyUSB7", ",ttyUSB0"}));
}

int ToolTipDelay(const QWidget* widget) {
    return widget->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, widget);
}

TEST_F(ComPortPrefsDlgTest, ItsToolTipsComeSoonerAndNoOtherWindowsDo) {
    const QPushButton elsewhere;
    Run([&](QWidget* dialog) {
        auto* list = FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST);
        // The mouse moves over the list's viewport, not the list itself.
        std::vector<const QWidget*> tipped{list->viewport()};
        for (int id : {IDC_PORT_PREFS_UP, IDC_PORT_PREFS_DOWN, IDC_PORT_PREFS_REMOVE, IDC_PORT_PREFS_HELP,
                       IDOK, IDCANCEL}) {
            tipped.push_back(Button(dialog, id));
        }
        for (const QWidget* control : tipped) {
            EXPECT_EQ(ToolTipDelay(control), CCOMPortPrefsDlg::kToolTipDelayMs)
                << control->metaObject()->className();
        }
        EXPECT_NE(ToolTipDelay(&elsewhere), CCOMPortPrefsDlg::kToolTipDelayMs);
        Button(dialog, IDCANCEL)->click();
    });
    EXPECT_NE(ToolTipDelay(&elsewhere), CCOMPortPrefsDlg::kToolTipDelayMs);
}

TEST_F(ComPortPrefsDlgTest, OkStoresTheCheckedPortsInOrderThenTheUncheckedOnes) {
    const int result = Run(
        [](QWidget* dialog) {
            EXPECT_EQ(FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST)->currentRow(), 3);
            EXPECT_FALSE(Button(dialog, IDC_PORT_PREFS_DOWN)->isEnabled());
            Button(dialog, IDC_PORT_PREFS_UP)->click();  // ttyACM0 above ttyUSB0, still selected
            Button(dialog, IDC_PORT_PREFS_UP)->click();
            EXPECT_EQ(FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST)->currentRow(), 1);
            Select(dialog, 0);
            Button(dialog, IDC_PORT_PREFS_DOWN)->click();  // ttyS0 below ttyACM0
            FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST)->item(2)->setCheckState(Qt::Unchecked);
            EXPECT_EQ(ListOf(dialog).texts, (Names{" ttyACM0 Logger", " ttyS0 serial8250", " ttyUSB7",
                                                   " ttyUSB0 FT232R USB UART"}));
            Button(dialog, IDOK)->click();
        },
        3);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(app_.GetKnownPorts(), (Names{",ttyACM0", ",ttyUSB0", "X,ttyS0", "X,ttyUSB7"}));
}

TEST_F(ComPortPrefsDlgTest, ATypedDevicePathJoinsTheListCheckedAndOkStoresItAsTyped) {
    const int result = Run([](QWidget* dialog) {
        auto* path = FindControlAs<QLineEdit>(dialog, IDC_PORT_PREFS_PATH);
        EXPECT_FALSE(Button(dialog, IDC_PORT_PREFS_ADD)->isEnabled());
        path->setText("rfcomm0");  // no device path: nothing to add
        EXPECT_FALSE(Button(dialog, IDC_PORT_PREFS_ADD)->isEnabled());
        path->setText("/dev/rfcomm0");
        ASSERT_TRUE(Button(dialog, IDC_PORT_PREFS_ADD)->isEnabled());
        Button(dialog, IDC_PORT_PREFS_ADD)->click();
        const Shown shown = ListOf(dialog);
        EXPECT_EQ(shown.texts.back(), " /dev/rfcomm0");
        EXPECT_TRUE(shown.checked.back());
        EXPECT_EQ(FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST)->currentRow(), 4);
        EXPECT_TRUE(path->text().isEmpty());
        Button(dialog, IDOK)->click();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(app_.GetKnownPorts(), (Names{",ttyUSB7", ",ttyUSB0", ",ttyACM0", ",/dev/rfcomm0", "X,ttyS0"}));
}

TEST_F(ComPortPrefsDlgTest, RemoveSelectsTheItemNowInItsPlaceAndHelpExplainsTheList) {
    Run([](QWidget* dialog) {
        Select(dialog, 1);
        Button(dialog, IDC_PORT_PREFS_REMOVE)->click();
        EXPECT_EQ(ListOf(dialog).texts,
                  (Names{" ttyS0 serial8250", " ttyUSB0 FT232R USB UART", " ttyACM0 Logger"}));
        EXPECT_EQ(FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST)->currentRow(), 1);
        Select(dialog, 2);
        Button(dialog, IDC_PORT_PREFS_REMOVE)->click();  // the last: the new last is selected
        EXPECT_EQ(FindControlAs<QListWidget>(dialog, IDC_PORT_PREFS_LIST)->currentRow(), 1);
        Button(dialog, IDC_PORT_PREFS_REMOVE)->click();
        Button(dialog, IDC_PORT_PREFS_REMOVE)->click();
        EXPECT_FALSE(Button(dialog, IDC_PORT_PREFS_REMOVE)->isEnabled());
        EXPECT_FALSE(Button(dialog, IDC_PORT_PREFS_UP)->isEnabled());
        EXPECT_FALSE(Button(dialog, IDC_PORT_PREFS_DOWN)->isEnabled());
        Button(dialog, IDC_PORT_PREFS_HELP)->click();
        Button(dialog, IDOK)->click();
    });
    EXPECT_TRUE(app_.GetKnownPorts().empty());
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].ids.promptId, IDS_PORT_PREFS_HELP);
}

}  // namespace
