// What the user types or ticks on the setup form is kept: it marks the setup modified, File Save writes
// it and closing asks about it; programming an unchanged setup leaves it unmodified; the pulse inputs
// choose among the channels of the setup just loaded.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <cctype>
#include <functional>

#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "platform/ui/ui_ids.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table_file.h"
#include "tests/kivo32/setupeditor/setup_form_fixture.h"

namespace {

using setupeditortest::SetupFormTest;
using setupeditortest::SetupOf;

// A model 13 setup on four power channels (L1 against N), software channel 5 summing none yet, pulse
// input 1 counting kWh for channel 1.
CSetupTable PulseSetup() {
    CSetupTable table = SetupOf(13);
    for (int channel = 0; channel < 4; ++channel) {
        table.GetHardwareChannel(channel).SetVLo('A');
        table.GetHardwareChannel(channel).SetVHi('N');
    }
    for (int channel = 0; channel < 4; ++channel) {
        table.GetSoftwareChannel(0).SetHardwareFlag(channel, 0);
    }
    CSUTChannelPulse& pulse = table.GetPulseChannel(0);
    pulse.SetType(kChannelPulseKWh);
    pulse.SetPowerChannel(1);
    pulse.SetScale(1.0f);
    return table;
}

// A model 14 setup whose first analog input reads 0-10 V.
CSetupTable AnalogSetup() {
    CSetupTable table = SetupOf(14);
    for (int channel = 0; channel < 4; ++channel) {
        table.GetHardwareChannel(channel).SetVLo('A');
        table.GetHardwareChannel(channel).SetVHi('N');
    }
    table.GetAnalogChannel(0).SetType(kChannelAnalog0To10V);
    return table;
}

// A model 2 setup with two power channels, L1 and L2 against N, and channel 5 summing both.
CSetupTable PowerSetup() {
    CSetupTable table;
    table.GetHeader().SetModelCode(2);
    table.GetHeader().SetHeaderText("Plant");
    for (int channel = 0; channel < 2; ++channel) {
        CSUTChannelHardware& record = table.GetHardwareChannel(channel);
        record.SetType(kChannelPower);
        record.SetVLo(static_cast<char>('A' + channel));
        record.SetVHi('N');
        table.GetSoftwareChannel(0).SetHardwareFlag(channel, 1);
    }
    table.GetSoftwareChannel(0).SetType(kChannelSoftware);
    return table;
}

std::string Number(float value) {
    return std::to_string(value);
}

class SetupFormEditsTest : public SetupFormTest {
protected:
    // Replaces the edit's text key by key, as the user types it.
    static void TypeInto(QLineEdit* edit, const std::string& text) {
        edit->selectAll();
        for (const char character : text) {
            // Qt's key codes of the printable characters are their upper-case codes.
            const int key = std::toupper(static_cast<unsigned char>(character));
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar::fromLatin1(character)));
            QApplication::sendEvent(edit, &press);
        }
    }

    // The message boxes shown.
    std::vector<std::string> Asked() const {
        std::vector<std::string> texts;
        for (const auto& asked : broker_.Asked()) {
            if (asked.kind == "MessageBox") {
                texts.push_back(asked.text);
            }
        }
        return texts;
    }
};

TEST_F(SetupFormEditsTest, ATypedOrTickedChangeIsSavedAndAskedAboutOnClosing) {
    struct Case {
        const char* what;
        CSetupTable setup;
        int controlId;
        const char* typed;  // nullptr: the check box is clicked
        std::function<std::string(const CSetupTable&)> saved;
        std::string expected;
    };
    CSetupTable temperatures = SetupOf(10);
    const Case cases[] = {
        {"setup name", PowerSetup(), IDC_FORM_SETUP_NAME, "Boiler room",
         [](const CSetupTable& t) { return t.GetHeader().GetHeaderText(); }, "Boiler room"},
        {"channel label", PowerSetup(), 1043, "Pump",
         [](const CSetupTable& t) { return t.GetHardwareChannel(1).GetName(); }, "Pump"},
        {"channel note", PowerSetup(), 1039, "Roof",
         [](const CSetupTable& t) { return t.GetHardwareChannel(0).GetNote(); }, "Roof"},
        {"sum label", PowerSetup(), 1079, "Both",
         [](const CSetupTable& t) { return t.GetSoftwareChannel(0).GetName(); }, "Both"},
        {"temperature scale", temperatures, 2126, "2.5",
         [](const CSetupTable& t) { return Number(t.GetHardwareChannel(0).GetScaleValue1()); }, Number(2.5f)},
        {"CT rating", PulseSetup(), 2137, "250",
         [](const CSetupTable& t) { return Number(t.GetHardwareChannel(1).GetCTSize()); }, Number(250.0f)},
        {"pulse scale", PulseSetup(), kPulseScaleIds[0], "2.5",
         [](const CSetupTable& t) { return Number(t.GetPulseChannel(0).GetScale()); }, Number(2.5f)},
        {"pulse label", PulseSetup(), kPulseLabelIds[0], "Gas",
         [](const CSetupTable& t) { return t.GetPulseChannel(0).GetName(); }, "Gas"},
        {"analog label", AnalogSetup(), IDC_ANALOG_LABEL, "Flow",
         [](const CSetupTable& t) { return t.GetAnalogChannel(0).GetName(); }, "Flow"},
        {"sum of channel 1", PulseSetup(), 2194, nullptr,
         [](const CSetupTable& t) { return std::to_string(t.GetSoftwareChannel(0).GetHardwareFlag(0)); }, "1"},
        {"sum of channel 2 off", PowerSetup(), 2195, nullptr,
         [](const CSetupTable& t) { return std::to_string(t.GetSoftwareChannel(0).GetHardwareFlag(1)); }, "0"},
    };
    int saved = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CSetupTableView* view = Open(c.setup, 160);
        ASSERT_NE(view, nullptr);
        CSUTDoc* document = view->GetDocument();
        ASSERT_FALSE(document->IsModified());
        if (c.typed != nullptr) {
            auto* edit = Find<QLineEdit>(view, c.controlId);
            ASSERT_NE(edit, nullptr);
            ASSERT_TRUE(edit->isVisibleTo(view));
            TypeInto(edit, c.typed);
        } else {
            auto* box = Find<QCheckBox>(view, c.controlId);
            ASSERT_NE(box, nullptr);
            ASSERT_TRUE(box->isEnabled());
            box->click();
        }
        EXPECT_TRUE(document->IsModified());

        // Closing asks; Cancel keeps the form open with the change.
        const std::size_t askedBefore = Asked().size();
        broker_.AnswerMessageBox(IDCANCEL);
        EXPECT_FALSE(CloseFrameOf(document));
        ASSERT_EQ(Asked().size(), askedBefore + 1);
        EXPECT_EQ(Asked().back(), platform::FormatLoadedText(IDS_SAVE_SETUP_CHANGES, {document->Title()}));

        // File Save writes the change.
        const auto path = folder_ / ("edit" + std::to_string(++saved) + ".sut");
        broker_.AnswerFileName(path);
        document->OnCommand(ID_FILE_SAVE);
        CFileHeader header;
        CSetupTable written;
        CPSTFileException error;
        ASSERT_EQ(ReadSetupTableFile(path, header, written, error), SetupFileResult::kOk);
        EXPECT_EQ(c.saved(written), c.expected);
        EXPECT_FALSE(document->IsModified());
        EXPECT_TRUE(CloseFrameOf(document));
    }
}

TEST_F(SetupFormEditsTest, ProgrammingAnUnchangedSetupLeavesItUnmodified) {
    int saved = 0;
    for (const CSetupTable& setup : {PowerSetup(), PulseSetup(), AnalogSetup()}) {
        SCOPED_TRACE(setup.GetModelCode());
        // A setup the program saved, opened again.
        CSetupTableView* view = Open(setup, 160);
        ASSERT_NE(view, nullptr);
        const auto path = folder_ / ("saved" + std::to_string(++saved) + ".sut");
        broker_.AnswerFileName(path);
        view->GetDocument()->OnCommand(ID_FILE_SAVE_AS);
        ASSERT_TRUE(CloseFrameOf(view->GetDocument()));
        CSUTDoc* document = SetupDocumentTest::Open(path);
        ASSERT_NE(document, nullptr);
        ASSERT_FALSE(document->IsModified());

        // The program command's check writes the form into the table first.
        ASSERT_TRUE(document->CheckWiring(true));
        EXPECT_FALSE(document->IsModified());
        // Closing asks nothing (an unanswered question would fail the test).
        EXPECT_TRUE(CloseFrameOf(document));
    }
    EXPECT_TRUE(Asked().empty());
}

TEST_F(SetupFormEditsTest, PulseInputsChooseAmongTheLoadedChannels) {
    // Channels 1 and 3 measure; pulse input 1 counts for channel 3, input 2 is off.
    CSetupTable setup = PulseSetup();
    setup.GetHardwareChannel(1).SetType(kChannelOff);
    setup.GetHardwareChannel(3).SetType(kChannelOff);
    setup.GetSoftwareChannel(0).SetType(kChannelOff);
    setup.GetPulseChannel(0).SetPowerChannel(3);
    CSetupTableView* view = Open(setup, 160);
    ASSERT_NE(view, nullptr);
    auto* first = Find<QComboBox>(view, kPulseChannelIds[0]);
    auto* second = Find<QComboBox>(view, kPulseChannelIds[1]);
    EXPECT_EQ(Items(first), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(first->currentText(), "3");
    EXPECT_EQ(Items(second), (std::vector<std::string>{"1", "3"}));

    // A setup loaded over it, as a default setup is: all four channels and the sum of them.
    CSetupTable loaded = PulseSetup();
    loaded.GetPulseChannel(0).SetPowerChannel(4);
    for (int channel = 0; channel < 4; ++channel) {
        loaded.GetSoftwareChannel(0).SetHardwareFlag(channel, 1);
    }
    view->GetDocument()->GetSetupTable() = loaded;
    view->OnUpdate(nullptr, 0);
    EXPECT_EQ(Items(first), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(first->currentText(), "4");
    EXPECT_EQ(Items(second), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST_F(SetupFormEditsTest, SoftwareChannelsShowWholeOrNotAtAll) {
    // By the number of power channels: none can sum below two, channel 5 from two, channel 6 from three.
    for (const int model : {2, 13, 14}) {
        for (int power = 0; power <= 4; ++power) {
            SCOPED_TRACE(testing::Message() << "model " << model << ", power channels " << power);
            CSetupTable setup;
            setup.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
            for (int channel = 0; channel < power; ++channel) {
                setup.GetHardwareChannel(channel).SetType(kChannelPower);
                setup.GetHardwareChannel(channel).SetVLo(static_cast<char>('A' + channel % 3));
                setup.GetHardwareChannel(channel).SetVHi('N');
            }
            CSetupTableView* view = Open(setup, 160);
            ASSERT_NE(view, nullptr);
            for (int channel = 4; channel < 6; ++channel) {
                auto* list = Find<QComboBox>(view, kTypeListIds[channel]);
                ASSERT_NE(list, nullptr);
                const bool available = power >= (channel == 4 ? 2 : 3);
                // The channel's group, with its "Type:" caption, shows exactly with its list.
                EXPECT_EQ(list->parentWidget()->isVisibleTo(view), available) << channel + 1;
                EXPECT_EQ(list->isVisibleTo(view), available) << channel + 1;
                EXPECT_EQ(Items(list), (std::vector<std::string>{LoadText(9243), LoadText(9225)}));
            }
            EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
        }
    }
}

}  // namespace
