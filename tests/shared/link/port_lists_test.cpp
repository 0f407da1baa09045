// Port names, the known-port list, the port preferences and the port listing, on a fake source.
#include <gtest/gtest.h>

#include <algorithm>

#include "shared/link/com_port_prefs.h"
#include "shared/link/enum_serial_ports.h"
#include "shared/link/port_names.h"
#include "shared/link/recent_port_list.h"
#include "shared/link/serial_port_list.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/fake_serial_port_source.h"

namespace {

using Names = std::vector<std::string>;

TEST(PortNamesTest, DeviceNameOfAnEntry) {
    const std::pair<const char*, const char*> cases[] = {
        {"ttyUSB0 FT232R USB UART (ttyUSB0)", "ttyUSB0"},
        {"FT232R USB UART (ttyUSB3)", "ttyUSB3"},
        {"ttyS0 serial8250", "ttyS0"},
        {"ttyACM0", "ttyACM0"},
        {"Adapter (rev 2) ttyUSB1", ""},  // the last "(" holds no device name, nor does the start
        {"ttyUSB1 Adapter (rev 2)", "ttyUSB1"},
        {"Modem", ""},
        {"", ""},
        // A device path typed in names its port as it stands.
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {" /dev/pts/4 ", "/dev/pts/4"},
        {"/dev/rfcomm0", "/dev/rfcomm0"},
        {"/dev/my port", ""},
        {"/", ""},
    };
    for (const auto& [entry, port] : cases) {
        EXPECT_EQ(ExtractPortName(entry), port) << entry;
    }
    EXPECT_TRUE(SamePort("ttyUSB0 FT232R (ttyUSB0)", "ttyUSB0"));
    EXPECT_TRUE(SamePort("/dev/rfcomm0", " /dev/rfcomm0"));
    EXPECT_FALSE(SamePort("/dev/ttyUSB0", "ttyUSB0"));
    EXPECT_FALSE(SamePort("Modem", "Modem"));
}

TEST(PortNamesTest, DisplayNameOfTheRunningLink) {
    const std::pair<const char*, const char*> cases[] = {
        {"ttyUSB0 FT232R USB UART (ttyUSB0)", "ttyUSB0 FT232R USB UART"},
        {"ttyUSB0", "ttyUSB0"},
        {"ttyS0 serial8250", "ttyS0 serial8250"},
        {"ttyUSB0 Adapter (ttyUSB1)", "ttyUSB0 Adapter (ttyUSB1)"},  // another port's name stays
        {"pts/3", "pts/3"},
    };
    for (const auto& [configured, shown] : cases) {
        EXPECT_EQ(LinkDisplayName(configured), shown) << configured;
    }
}

TEST(PortNamesTest, DescriptiveEntries) {
    const std::pair<const char*, const char*> cases[] = {
        {"ttyUSB0 FT232R USB UART (ttyUSB0)", "FT232R USB UART (ttyUSB0)"},
        {"ttyS0 serial8250", "serial8250 (ttyS0)"},
        {"ttyACM0", "ttyACM0"},
        {"ttyUSB0  (ttyUSB0)", "ttyUSB0  (ttyUSB0)"},  // nothing left to describe it
    };
    for (const auto& [entry, shown] : cases) {
        EXPECT_EQ(DescriptiveEntry(entry), shown) << entry;
    }
}

TEST(RecentPortListTest, LoadReadsFlagsAndDropsDecoration) {
    CRecentPortList list;
    list.Load({"X,ttyS1", ",ttyS3", "ttyS4", "  X, \"ttyUSB0\" ", ","});
    EXPECT_EQ(list.Names(), (Names{"ttyS1", "ttyS3", "ttyS4", "ttyUSB0", ""}));
    const int flags[] = {CRecentPortList::kHidden, CRecentPortList::kShown, CRecentPortList::kShown,
                         CRecentPortList::kHidden, CRecentPortList::kShown};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.GetFlag(i), flags[i]) << i;
    }
    EXPECT_EQ(list.GetFlag(5), 2);
    EXPECT_EQ(list.GetFlag(-1), 2);
    EXPECT_EQ(list.Find("ttyS4"), 2);
    EXPECT_EQ(list.Find("ttys4"), -1);  // exact comparison
}

TEST(RecentPortListTest, AddToTopKeepsTenAndLeavesTheFirstAlone) {
    CRecentPortList list;
    Names known;
    for (int i = 0; i < 12; ++i) {
        known.push_back(",ttyS" + std::to_string(i));
    }
    list.Load(known);
    EXPECT_EQ(list.GetCount(), 10);

    list.AddToTop("ttyUSB0", CRecentPortList::kShown);
    EXPECT_EQ(list.GetCount(), 10);
    EXPECT_EQ(list.Names().front(), "ttyUSB0");
    EXPECT_EQ(list.Names().back(), "ttyS8");  // the tenth fell off

    list.AddToTop("ttyUSB0", CRecentPortList::kHidden);  // already first: not even the flag changes
    EXPECT_EQ(list.GetFlag(0), CRecentPortList::kShown);

    list.AddToTop("ttyS5", CRecentPortList::kHidden);  // moved, not repeated
    EXPECT_EQ(list.Names()[0], "ttyS5");
    EXPECT_EQ(list.Find("ttyS5"), 0);
    EXPECT_EQ(std::count(list.Names().begin(), list.Names().end(), "ttyS5"), 1);

    Names saved;
    list.Save(saved);
    EXPECT_EQ(saved.size(), 10u);
    EXPECT_EQ(saved[0], "X,ttyS5");
    EXPECT_EQ(saved[1], ",ttyUSB0");
}

TEST(RecentPortListTest, OrderPortsPutsKnownPortsFirstAndDropsHiddenOnes) {
    CRecentPortList list;
    list.Load({",ttyUSB1", "X,ttyS0", ",ttyUSB9", ",ttyACM0"});
    Names ports = {"ttyS0 serial8250", "ttyS1 serial8250", "ttyACM0 Logger (ttyACM0)",
                   "ttyUSB1 FT232R (ttyUSB1)"};
    list.OrderPorts(ports, SamePort);
    EXPECT_EQ(ports, (Names{"ttyUSB1 FT232R (ttyUSB1)", "ttyACM0 Logger (ttyACM0)", "ttyS1 serial8250"}));
}

TEST(RecentPortListTest, LoadAndSaveGoThroughTheApplicationsKnownPortArray) {
    testsupport::FakeAppContext app;
    app.SetKnownPorts({"X,ttyS0", ",ttyUSB0"});
    CRecentPortList list;
    list.Load();
    list.AddToTop("ttyACM0", CRecentPortList::kShown);
    list.Save();
    EXPECT_EQ(app.GetKnownPorts(), (Names{",ttyACM0", "X,ttyS0", ",ttyUSB0"}));
}

TEST(ComPortPrefsTest, FillKeepsAbsentKnownPortsAndAddsNewOnes) {
    CCOMPortPrefs prefs;
    prefs.Fill({"X,ttyS0", ",ttyUSB7", ",ttyUSB0"},
               {"ttyS0 serial8250", "ttyUSB0 FT232R USB UART (ttyUSB0)", "ttyACM0 Logger (ttyACM0)"});
    const auto& items = prefs.Items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, " ttyS0 serial8250");
    EXPECT_FALSE(items[0].shown);
    EXPECT_EQ(items[1].text, " ttyUSB7");  // not present, still listed with its check
    EXPECT_TRUE(items[1].shown);
    EXPECT_EQ(items[2].text, " ttyUSB0 FT232R USB UART");
    EXPECT_EQ(items[3].text, " ttyACM0 Logger");

    EXPECT_FALSE(prefs.CanMoveUp(0));
    EXPECT_TRUE(prefs.CanMoveDown(2));
    EXPECT_FALSE(prefs.CanMoveDown(3));
    prefs.MoveUp(3);
    prefs.SetShown(1, false);
    EXPECT_EQ(prefs.KnownPorts(), (Names{",ttyACM0", ",ttyUSB0", "X,ttyS0", "X,ttyUSB7"}));

    EXPECT_EQ(prefs.Remove(3), 2);  // the last one removed: the new last is selected
    EXPECT_EQ(prefs.Remove(0), 0);
    EXPECT_EQ(prefs.Items().size(), 2u);
}

TEST(ComPortPrefsTest, ATypedDevicePathIsListedOnceShownAndKeptAsTyped) {
    CCOMPortPrefs prefs;
    prefs.Fill({"X,/dev/rfcomm0"}, {"ttyS0 serial8250"});
    EXPECT_EQ(prefs.AddDevicePath(" /dev/pts/7 "), 2);
    EXPECT_EQ(prefs.Items()[2].text, " /dev/pts/7");
    // Listed already (hidden): shown again, not listed twice.
    EXPECT_EQ(prefs.AddDevicePath("/dev/rfcomm0"), 0);
    for (const char* refused : {"ttyUSB9", "pts/7", "/dev/my port", ""}) {
        EXPECT_EQ(prefs.AddDevicePath(refused), -1) << refused;
    }
    EXPECT_EQ(prefs.KnownPorts(), (Names{",/dev/rfcomm0", ",ttyS0", ",/dev/pts/7"}));
}

TEST(EnumSerialPortsTest, EntriesFromThePortSource) {
    testsupport::FakeSerialPortSource source({{"ttyS0", "", "serial8250"},
                                              {"ttyUSB0", "FT232R USB UART", "ftdi_sio"},
                                              {"ttyACM0", "", ""},
                                              {"", "ignored", "x"}});
    Names ports = {"kept"};
    EnumSerialPorts(ports, source);
    EXPECT_EQ(ports, (Names{"kept", "ttyS0 serial8250", "ttyUSB0 FT232R USB UART (ttyUSB0)", "ttyACM0"}));
}

TEST(SerialPortListTest, KnownPortsComeFirstHiddenOnesAreLeftOutAndNoMoreThanSixteenAreListed) {
    std::vector<platform::SerialPortInfo> present;
    for (int i = 0; i < 20; ++i) {
        present.push_back({"ttyS" + std::to_string(i), "", ""});
    }
    present.push_back({"ttyUSB0", "FT232R USB UART", "ftdi_sio"});
    testsupport::FakeSerialPortSource source(present);
    testsupport::FakeAppContext context;
    context.SetKnownPorts({",ttyUSB0", "X,ttyS0", ",ttyS19", ",ttyACM7"});

    Names ports;
    int count = -1;
    GetSerialPortList(ports, count, source);
    ASSERT_EQ(count, kMaxSerialPortList);
    ASSERT_EQ(ports.size(), 16u);
    EXPECT_EQ(ports[0], "ttyUSB0 FT232R USB UART (ttyUSB0)");
    EXPECT_EQ(ports[1], "ttyS19");  // remembered, so kept although the list is cut
    EXPECT_EQ(ports[2], "ttyS1");
    EXPECT_EQ(std::count(ports.begin(), ports.end(), "ttyS0"), 0);

    testsupport::FakeSerialPortSource none({});
    GetSerialPortList(ports, count, none);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(ports.empty());
}

}  // namespace
