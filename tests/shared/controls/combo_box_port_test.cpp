// The serial-port list on a fake port source: its entries and their order, the known-port rules, the
// descriptive names and the notice of the user's choice.
#include "shared/controls/combo_box_port.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/window_messages.h"
#include "platform/ui/dialog.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/fake_serial_port_source.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using Names = std::vector<std::string>;

constexpr int kPortControl = 1007;

std::unique_ptr<platform::SerialPortSource> PortsOfThisMachine() {
    return std::make_unique<testsupport::FakeSerialPortSource>(std::vector<platform::SerialPortInfo>{
        {"ttyS0", "", "serial8250"},
        {"ttyUSB0", "FT232R USB UART", "ftdi_sio"},
        {"ttyACM0", "Logger", "cdc_acm"},
        {"ttyUSB1", "", ""},
    });
}

Names Items(const QComboBox& combo) {
    Names items;
    for (int i = 0; i < combo.count(); ++i) {
        items.push_back(platform::FromQString(combo.itemText(i)));
    }
    return items;
}

// A dialog that keeps the commands posted to it.
class RecordingDialog : public platform::Dialog {
public:
    void OnMessage(platform::Message& message) override {
        if (message.id == WM_COMMAND) {
            commands.push_back(message.wParam);
        }
    }
    std::vector<std::uintptr_t> commands;
};

class ComboBoxPortTest : public testsupport::QtTest {
protected:
    ComboBoxPortTest() {
        // The known-port list: ttyACM0 worked last, ttyS0 is hidden, ttyUSB9 is not plugged in.
        app_.SetKnownPorts({",ttyACM0", "X,ttyS0", ",ttyUSB9"});
    }

    testsupport::FakeAppContext app_;
};

TEST_F(ComboBoxPortTest, KnownPortsComeFirstAndHiddenOnesNeverShow) {
    struct Case {
        bool descriptive;
        Names items;
    };
    const Case cases[] = {
        {false, {"ttyACM0 Logger (ttyACM0)", "ttyUSB0 FT232R USB UART (ttyUSB0)", "ttyUSB1"}},
        {true, {"Logger (ttyACM0)", "FT232R USB UART (ttyUSB0)", "ttyUSB1"}},
    };
    for (const Case& c : cases) {
        CComboBoxPort combo(nullptr, PortsOfThisMachine());
        combo.FillPortList(kPortControl, c.descriptive);
        EXPECT_EQ(Items(combo), c.items) << c.descriptive;
        EXPECT_EQ(combo.currentIndex(), 0);
        EXPECT_EQ(combo.GetCurrentPort(), c.items.front());
        EXPECT_EQ(combo.GetSelectedIndex(), -1);  // the user has not chosen yet
    }
}

TEST_F(ComboBoxPortTest, KnownDevicePathsAreOfferedInTheirPlaceUnlessHidden) {
    app_.SetKnownPorts({",ttyACM0", ",/dev/rfcomm0", "X,/dev/pts/3", ",ttyUSB0"});
    CComboBoxPort combo(nullptr, PortsOfThisMachine());
    combo.FillPortList(kPortControl, true);
    EXPECT_EQ(Items(combo), (Names{"Logger (ttyACM0)", "/dev/rfcomm0", "FT232R USB UART (ttyUSB0)",
                                   "serial8250 (ttyS0)", "ttyUSB1"}));
    EXPECT_TRUE(combo.SelectPortName("/dev/rfcomm0"));
    EXPECT_EQ(combo.currentIndex(), 1);
}

TEST_F(ComboBoxPortTest, TheListIsTheOneLoadedWhenTheControlWasMade) {
    CComboBoxPort combo(nullptr, PortsOfThisMachine());
    app_.SetKnownPorts({",ttyUSB1"});  // a later change needs a new control
    combo.FillPortList(kPortControl, false);
    EXPECT_EQ(Items(combo).front(), "ttyACM0 Logger (ttyACM0)");
}

TEST_F(ComboBoxPortTest, PortsAreFoundByDeviceNameOrByExactText) {
    CComboBoxPort combo(nullptr, PortsOfThisMachine());
    combo.FillPortList(kPortControl, true);
    EXPECT_EQ(combo.FindPortIndex("ttyUSB0"), 1);
    EXPECT_EQ(combo.FindPortIndex("ttyUSB1"), 2);
    EXPECT_EQ(combo.FindPortIndex("ttyS0"), -1);  // hidden
    EXPECT_EQ(combo.FindPortIndex(""), -1);
    EXPECT_EQ(combo.FindPort("FT232R USB UART (ttyUSB0)"), 1);
    EXPECT_EQ(combo.FindPort("ttyUSB0"), -1);

    EXPECT_TRUE(combo.SelectPortName("ttyUSB1"));
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_EQ(combo.GetCurrentPort(), "ttyUSB1");
    EXPECT_TRUE(combo.SelectPort("Logger (ttyACM0)"));
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_FALSE(combo.SelectPortName("ttyUSB7"));
    EXPECT_FALSE(combo.SelectPort("Logger"));
    EXPECT_EQ(combo.currentIndex(), 0);
}

TEST_F(ComboBoxPortTest, TheUsersChoiceIsPostedToTheDialog) {
    RecordingDialog dialog;
    auto* combo = new CComboBoxPort(&dialog, PortsOfThisMachine());
    combo->FillPortList(kPortControl, true);
    combo->SelectPortName("ttyUSB1");  // the program's own selection tells no one
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !dialog.commands.empty(); }));
    EXPECT_EQ(dialog.commands, (std::vector<std::uintptr_t>{kPortControl | (CBN_SELCHANGE << 16)}));
    EXPECT_EQ(combo->GetSelectedIndex(), 1);
    EXPECT_EQ(combo->GetSelectedPort(), "ttyUSB0");
    EXPECT_EQ(combo->GetCurrentPort(), "ttyUSB0");
}

}  // namespace
