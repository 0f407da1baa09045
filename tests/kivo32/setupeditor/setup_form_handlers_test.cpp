// The setup form as a user changes it: channel types and software channels, phases, options, times,
// line frequency and interval reach the saved file exactly; a refused transfer changes nothing; the
// handlers' rules (same type, software channels, analog defaults, CT kind, typing limits, questions).
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <fstream>
#include <iterator>

#include "kivo32/controls/check_combo_box.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/byte_order.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "platform/ui/ui_ids.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table_file.h"
#include "tests/kivo32/setupeditor/setup_form_fixture.h"
#include "tests/support/ui/recording_page_painter.h"

namespace {

using setupeditortest::SetupFormTest;

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> TableBytes(const CSetupTable& table) {
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    table.Write(writer, true, true);
    return bytes;
}

// A model-2 setup: channels 1-3 measure L1, L2, L3 against N, channel 4 is off, channel 5 sums 1-3.
CSetupTable PlantSetup() {
    CSetupTable table;
    table.GetHeader().SetModelCode(2);
    table.GetHeader().SetHeaderText("Plant");
    table.GetHeader().SetFirmwareVersion(160);
    for (int channel = 0; channel < 3; ++channel) {
        CSUTChannelHardware& record = table.GetHardwareChannel(channel);
        record.SetType(kChannelPower);
        record.SetVLo(static_cast<char>('A' + channel));
        record.SetVHi('N');
        record.SetName("Feeder " + std::to_string(channel + 1));
    }
    table.GetHardwareChannel(3).SetType(kChannelOff);
    CSUTChannelSoftware& sum = table.GetSoftwareChannel(0);
    sum.SetType(kChannelSoftware);
    for (int channel = 0; channel < 3; ++channel) {
        sum.SetHardwareFlag(channel, 1);
    }
    sum.SetPowerOptions(2, 1);
    return table;
}

// A Quarven RS setup whose four power channels each measure L1 against N.
CSetupTable QuarvenSetup() {
    CSetupTable table = setupeditortest::SetupOf(13);
    for (int channel = 0; channel < 4; ++channel) {
        table.GetHardwareChannel(channel).SetVHi('N');
    }
    return table;
}

void Choose(QComboBox* list, int index) {
    ASSERT_NE(list, nullptr);
    ASSERT_GE(index, 0);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void Type(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    emit edit->textEdited(text);
}

class SetupFormHandlersTest : public SetupFormTest {
protected:
    QComboBox* TypeList(int channel) { return Find<QComboBox>(view_, kTypeListIds[channel]); }
    void ChooseType(int channel, int type) { Choose(TypeList(channel), TypeList(channel)->findData(type)); }
    QWidget* Cell(int channel, int column) {
        const int model = view_->GetDocument()->GetSetupTable().GetModelCode();
        return Find<QWidget>(
            view_, PageCells(model, view_->GetControlIdTables()).GetValueControlId(channel, column));
    }
    void ChoosePhases(int channel, int first, int second) {
        Choose(static_cast<QComboBox*>(Cell(channel, kColumnFirstPhase)), first);
        Choose(static_cast<QComboBox*>(Cell(channel, kColumnSecondPhase)), second);
    }
    // What the user leaves in an option box as it closes.
    void SetOption(int channel, int option, const std::string& text) {
        auto* box = static_cast<CCheckComboBox*>(Cell(channel, kColumnFirstOption + option));
        ASSERT_NE(box, nullptr);
        view_->SetOpenCheckCombo(box);
        box->SetCodeText(text);
        view_->SetOpenCheckCombo(nullptr);
        view_->CommitOptionControl();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& asked : broker_.Asked()) {
            if (asked.kind == "MessageBox") {
                texts.push_back(asked.text);
            }
        }
        return texts;
    }

    CSetupTableView* view_ = nullptr;
};

TEST_F(SetupFormHandlersTest, AUsersEditsReachTheSavedFileExactlyAndReopenTheSame) {
    context_.defaultSUTLineFreq = "60";
    std::vector<std::string> savedDefaults;
    CSetupTableView::SetLineFrequencySaver([&](const std::string& text) { savedDefaults.push_back(text); });
    const CSetupTable original = PlantSetup();
    view_ = Open(original, 160);
    ASSERT_NE(view_, nullptr);
    CSUTDoc* document = view_->GetDocument();
    CFileHeader fileHeader = document->GetFileHeader();

    // Channel 4 becomes a power channel on L1 - N; channel 1's second option and channel 2's phases
    // change; a timed start; 50 Hz (not the program's default); the 3-second interval.
    ChooseType(3, kChannelPower);
    ChoosePhases(3, 0, 3);
    ChoosePhases(1, 1, 3);
    SetOption(0, 1, "A,X");
    Find<QRadioButton>(view_, IDC_FORM_START_AT_TIME)->click();
    const char* startTexts[] = {"07", "15", "27", "08", "30", "00"};
    for (int field = 0; field < 6; ++field) {
        Find<QLineEdit>(view_, kStartFieldIds[field])->setText(startTexts[field]);
    }
    broker_.AnswerMessageBox(IDNO);
    Choose(Find<QComboBox>(view_, IDC_FORM_LINE_FREQUENCY), 1);
    broker_.AnswerMessageBox(IDOK);
    auto* interval = Find<QComboBox>(view_, IDC_FORM_INTERVAL);
    Choose(interval, interval->findData(12));
    EXPECT_TRUE(savedDefaults.empty());
    EXPECT_TRUE(document->IsModified());

    const auto path = folder_ / "plant.sut";
    broker_.AnswerFileName(path);
    ASSERT_TRUE(document->OnCommand(ID_FILE_SAVE_AS));

    CSetupTable expected = original;
    expected.GetHeader().SetIntervalCode(12);
    expected.GetHeader().SetOptionByte(
        static_cast<std::uint8_t>(original.GetHeader().GetOptionByte() | 0x10));
    expected.GetHeader().SetSoftwareAlarmByte(0x01);
    const std::optional<std::time_t> start = TimeFromFields({7, 15, 27, 8, 30, 0});
    ASSERT_TRUE(start);
    expected.GetExtendedData().SetStartTime(static_cast<std::uint32_t>(*start));
    expected.GetHardwareChannel(0).SetPowerOptions(1, 0x05);
    expected.GetHardwareChannel(1).SetVLo('B');
    CSUTChannelHardware& added = expected.GetHardwareChannel(3);
    added.SetType(kChannelPower);
    added.SetVLo('A');
    added.SetVHi('N');
    added.SetName("");
    added.SetPTRatio(1.0f);
    added.SetCTSize(100.0f);
    for (int option = 0; option < 6; ++option) {
        added.SetPowerOptions(option, option == 2 ? 1 : 0);
    }
    added.SetScaleValue1(0.0f);
    added.SetScaleValue2(0.0f);
    added.SetRNDCScale(0.0f);
    added.SetTemperatureUnit(0);
    added.SetOptions(0);
    added.SetUnits("");
    added.SetLoggerLabel("");
    // The sum takes the new power channel in.
    expected.GetSoftwareChannel(0).SetHardwareFlag(3, 1);
    const auto golden = folder_ / "golden.sut";
    CPSTFileException error;
    ASSERT_EQ(WriteSetupTableFile(golden, fileHeader, expected, error), SetupFileResult::kOk);
    EXPECT_EQ(FileBytes(path), FileBytes(golden));
    EXPECT_FALSE(document->IsModified());
    ASSERT_TRUE(CloseFrameOf(document));

    CSUTDoc* reopened = SetupDocumentTest::Open(path);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(TableBytes(reopened->GetSetupTable()), TableBytes(expected));
    EXPECT_FALSE(reopened->IsModified());
    EXPECT_EQ(Texts(), (std::vector<std::string>{LoadText(IDS_LINE_FREQUENCY_AS_DEFAULT),
                                                 LoadText(IDS_SHORT_INTERVAL)}));
    CSetupTableView::SetLineFrequencySaver({});
}

TEST_F(SetupFormHandlersTest, ARefusedTransferLeavesTableAndFileAsTheyWere) {
    view_ = Open(PlantSetup(), 160);
    ASSERT_NE(view_, nullptr);
    CSUTDoc* document = view_->GetDocument();
    const auto path = folder_ / "kept.sut";
    broker_.AnswerFileName(path);
    ASSERT_TRUE(document->OnCommand(ID_FILE_SAVE_AS));
    const std::string savedFile = FileBytes(path);
    const std::vector<std::uint8_t> savedTable = TableBytes(document->GetSetupTable());

    // Channel 2 on L2 - L2, a new name and interval: the user goes back to mend the phases.
    ChoosePhases(1, 1, 1);
    Find<QLineEdit>(view_, IDC_FORM_SETUP_NAME)->setText("Changed");
    document->SetModifiedFlag(true);
    broker_.AnswerMessageBox(IDYES);
    document->OnCommand(ID_FILE_SAVE);
    EXPECT_EQ(FileBytes(path), savedFile);
    EXPECT_EQ(TableBytes(document->GetSetupTable()), savedTable);

    // The same form answered No is written whole.
    broker_.AnswerMessageBox(IDNO);
    document->OnCommand(ID_FILE_SAVE);
    EXPECT_EQ(document->GetSetupTable().GetHeader().GetHeaderText(), "Changed");
    EXPECT_EQ(document->GetSetupTable().GetHardwareChannel(1).GetVLo(), 'B');
    EXPECT_EQ(document->GetSetupTable().GetHardwareChannel(1).GetVHi(), 'B');
    const std::string equal = platform::FormatLoadedText(IDS_WIRING_EQUAL_PHASES, {"2"});
    EXPECT_EQ(Texts(), (std::vector<std::string>{equal, equal}));
}

TEST_F(SetupFormHandlersTest, WiringQuestionsComeInTheirOrderAndOnlyWithWarn) {
    view_ = Open(PlantSetup(), 160);
    ASSERT_NE(view_, nullptr);
    // A delta over three channels, and a fourth power channel without phases (its type is in the
    // table at once).
    ChoosePhases(0, 0, 1);
    ChoosePhases(1, 1, 2);
    ChoosePhases(2, 2, 0);
    ChooseType(3, kChannelPower);
    const std::vector<std::uint8_t> before = TableBytes(view_->GetDocument()->GetSetupTable());
    broker_.AnswerMessageBox(IDNO);   // the pairs
    broker_.AnswerMessageBox(IDNO);   // no first phase
    broker_.AnswerMessageBox(IDYES);  // no second phase: mend
    EXPECT_FALSE(view_->ValidateSetup(false, true));
    EXPECT_EQ(TableBytes(view_->GetDocument()->GetSetupTable()), before);
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           platform::FormatLoadedText(IDS_WIRING_PHASE_PAIRS, {"L1 - L2, L2 - L3, L3 - L1"}),
                           LoadText(IDS_WIRING_NO_FIRST_PHASE), LoadText(IDS_WIRING_NO_SECOND_PHASE)}));
    // Without warn nothing is asked and a missing phase is stored one below 'A'.
    ASSERT_TRUE(view_->ValidateSetup(false, false));
    EXPECT_EQ(view_->GetDocument()->GetSetupTable().GetHardwareChannel(3).GetVLo(), '@');
    EXPECT_EQ(Texts().size(), 3u);
}

TEST_F(SetupFormHandlersTest, AQuarvenCTRatingOutOfRangeIsRefusedEvenWithoutWarn) {
    view_ = Open(QuarvenSetup());
    ASSERT_NE(view_, nullptr);
    const std::vector<std::uint8_t> before = TableBytes(view_->GetDocument()->GetSetupTable());
    static_cast<QLineEdit*>(Cell(1, kColumnCTRating))->setText("100001");
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(view_->ValidateSetup(false, false));
    EXPECT_EQ(TableBytes(view_->GetDocument()->GetSetupTable()), before);
    EXPECT_EQ(Texts(), std::vector<std::string>{LoadText(IDS_CT_RATING_OUT_OF_RANGE)});
    static_cast<QLineEdit*>(Cell(1, kColumnCTRating))->setText("100000");
    EXPECT_TRUE(view_->ValidateSetup(false, false));
    EXPECT_EQ(view_->GetDocument()->GetSetupTable().GetHardwareChannel(1).GetCTSize(), 100000.0f);
}

TEST_F(SetupFormHandlersTest, TypeChangesAndSoftwareChannels) {
    view_ = Open(PlantSetup(), 160);
    ASSERT_NE(view_, nullptr);
    CSUTDoc* document = view_->GetDocument();
    const CSetupTable& table = document->GetSetupTable();
    document->SetModifiedFlag(false);
    // The type a channel has already changes nothing.
    ChooseType(0, kChannelPower);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(view_->GetChannelState(0).label, "Feeder 1");

    // Channel 6 comes with a third power channel and sums all of them.
    ChooseType(5, kChannelSoftware);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(table.GetSoftwareChannel(1).GetType(), kChannelSoftware);
    EXPECT_EQ(view_->GetChannelState(5).sums, (std::array<int, 4>{1, 1, 1, 0}));
    EXPECT_FALSE(Find<QCheckBox>(view_, view_->GetControlIdTables().GetValueControlId(5, 4))->isEnabled());

    // Down to two power channels channel 6 goes; down to one, channel 5 too.
    ChooseType(2, kChannelOff);
    EXPECT_EQ(table.GetSoftwareChannel(1).GetType(), kChannelOff);
    EXPECT_EQ(view_->GetChannelState(5).type, kChannelOff);
    EXPECT_FALSE(TypeList(5)->isVisibleTo(view_));
    EXPECT_EQ(view_->GetChannelState(4).sums, (std::array<int, 4>{1, 1, 0, 0}));
    EXPECT_EQ(table.GetSoftwareChannel(0).GetType(), kChannelSoftware);
    ChooseType(1, kChannelOff);
    EXPECT_EQ(table.GetSoftwareChannel(0).GetType(), kChannelOff);
    EXPECT_FALSE(TypeList(4)->isVisibleTo(view_));
    EXPECT_EQ(table.GetHardwareChannel(1).GetType(), kChannelOff);
}

TEST_F(SetupFormHandlersTest, AnAnalogTypeChosenByTheUserTakesItsRanges) {
    CSetupTable table = setupeditortest::SetupOf(14);
    CSUTChannelAnalog& record = table.GetAnalogChannel(0);
    record.SetType(kChannelAnalog0To10V);
    record.SetLowSensor(1.0f);
    record.SetLowOutput(2.0f);
    record.SetHighSensor(3.0f);
    record.SetHighOutput(8.0f);
    view_ = Open(table);
    ASSERT_NE(view_, nullptr);
    // A load keeps ranges of its own.
    EXPECT_EQ(Find<QLineEdit>(view_, IDC_ANALOG_F4)->text(), "8.0000");
    struct Case {
        int item;
        float low;
        float high;
    };
    for (const Case& c : {Case{1, 4.0f, 20.0f}, Case{2, 0.0f, 20.0f}, Case{3, 0.0f, 10.0f}}) {
        Choose(Find<QComboBox>(view_, kAnalogRangeIds[0]), c.item);
        const CSUTChannelAnalog& stored = view_->GetDocument()->GetSetupTable().GetAnalogChannel(0);
        EXPECT_EQ(stored.GetType(), c.item + 14);
        EXPECT_EQ(stored.GetLowSensor(), c.low);
        EXPECT_EQ(stored.GetLowOutput(), c.low);
        EXPECT_EQ(stored.GetHighSensor(), c.high);
        EXPECT_EQ(stored.GetHighOutput(), c.high);
        EXPECT_EQ(stored.GetOptions(), 1);
        EXPECT_EQ(Find<QLineEdit>(view_, IDC_ANALOG_OPTIONS)->text(), "A");
    }
    EXPECT_EQ(Find<QLineEdit>(view_, IDC_ANALOG_F1)->text(), "0.0000");
    EXPECT_EQ(Find<QLineEdit>(view_, IDC_ANALOG_F3)->text(), "10.000");
    Choose(Find<QComboBox>(view_, kAnalogRangeIds[0]), 0);
    EXPECT_EQ(view_->GetDocument()->GetSetupTable().GetAnalogChannel(0).GetType(), kChannelOff);
    EXPECT_FALSE(Find<QLineEdit>(view_, IDC_ANALOG_F1)->isVisibleTo(view_));
    // The model stays 14 and the saved record is the handler's.
    ASSERT_TRUE(view_->ValidateSetup(false, false));
    EXPECT_EQ(view_->GetDocument()->GetSetupTable().GetAnalogChannel(0).GetOptions(), 0x20);
    EXPECT_EQ(view_->GetDocument()->GetSetupTable().GetModelCode(), 14);
}

TEST_F(SetupFormHandlersTest, AnAnalogOptionBoxTakesOnlyTheLettersItsByteHolds) {
    CSetupTable table = setupeditortest::SetupOf(14);
    table.GetAnalogChannel(0).SetType(kChannelAnalog0To10V);
    view_ = Open(table);
    ASSERT_NE(view_, nullptr);
    auto* options = Find<QLineEdit>(view_, IDC_ANALOG_OPTIONS);
    options->clear();
    // Typed as the user types: small letters count as capitals, a letter of no option is refused.
    for (const QChar typed : QString("a,x,Q")) {
        QKeyEvent press(QEvent::KeyPress, typed.toUpper().unicode(), Qt::NoModifier, typed);
        QApplication::sendEvent(options, &press);
    }
    EXPECT_EQ(options->text(), "A,X,");
    emit options->editingFinished();
    EXPECT_EQ(view_->GetDocument()->GetSetupTable().GetAnalogChannel(0).GetOptions(), 0x05);
    // A pasted text holding such a letter is refused whole.
    options->selectAll();
    options->insert("N,Q");
    EXPECT_EQ(options->text(), "A,X,");
}

TEST_F(SetupFormHandlersTest, TheCTKindSetsItsValuesAndTheCatalogueCancelGoesBack) {
    CSetupTable table = setupeditortest::SetupOf(13);
    view_ = Open(table);
    ASSERT_NE(view_, nullptr);
    auto* kind = static_cast<QComboBox*>(Cell(0, kColumnCTKind));
    auto* rating = static_cast<QLineEdit*>(Cell(0, kColumnCTRating));
    auto* second = static_cast<QLineEdit*>(Cell(0, kColumnSecondCT));
    ASSERT_NE(kind, nullptr);
    Choose(kind, 2);
    EXPECT_EQ(rating->text(), "5000.0");
    EXPECT_EQ(second->text(), "0.00");
    EXPECT_FALSE(rating->isEnabled());
    // Whatever the rating reads after a refresh, a cancelled catalogue brings back the fixed kind.
    ASSERT_TRUE(view_->ValidateSetup(false, false));
    view_->OnUpdate(nullptr, 0);
    broker_.AnswerDialog("CCTChooser", IDCANCEL);
    Choose(kind, 0);
    EXPECT_EQ(kind->currentIndex(), 2);
    Choose(kind, 1);
    EXPECT_EQ(rating->text(), "100.00");
    EXPECT_EQ(second->text(), "1.10");
    EXPECT_TRUE(second->isEnabled());
    broker_.AnswerDialog("CCTChooser", IDCANCEL);
    Choose(kind, 0);
    EXPECT_EQ(kind->currentIndex(), 1);
    ASSERT_TRUE(view_->ValidateSetup(false, false));
    const CSUTChannelHardware& stored = view_->GetDocument()->GetSetupTable().GetHardwareChannel(0);
    EXPECT_EQ(stored.GetCTType(), 0);
    EXPECT_FLOAT_EQ(stored.GetPhaseShift(), 1.1f);
}

TEST_F(SetupFormHandlersTest, TimeFieldsKeepTheirLimitsAsTheyAreTyped) {
    view_ = Open(PlantSetup(), 160);
    ASSERT_NE(view_, nullptr);
    Find<QRadioButton>(view_, IDC_FORM_START_AT_TIME)->click();
    struct Case {
        int field;
        const char* typed;
        const char* kept;
    };
    for (const Case& c : {Case{0, "45", "4"}, Case{1, "32", "3"}, Case{1, "31", "31"}, Case{3, "24", "2"},
                          Case{4, "7x", "7"}, Case{5, "60", "6"}, Case{2, "99", "99"}}) {
        auto* edit = Find<QLineEdit>(view_, kStartFieldIds[c.field]);
        Type(edit, c.typed);
        EXPECT_EQ(edit->text().toStdString(), c.kept) << c.typed;
    }
}

TEST_F(SetupFormHandlersTest, ATimeFieldMarksTheSetupModifiedOnlyWhenItsNumberChanges) {
    view_ = Open(PlantSetup(), 160);
    ASSERT_NE(view_, nullptr);
    CSUTDoc* document = view_->GetDocument();
    Find<QRadioButton>(view_, IDC_FORM_START_AT_TIME)->click();
    auto* minute = Find<QLineEdit>(view_, kStartFieldIds[4]);
    const QString shown = minute->text();
    const QString other = QString::number((shown.toInt() + 1) % 60);
    document->SetModifiedFlag(false);

    // The same number typed again, in another spelling, changes nothing.
    Type(minute, QString::number(shown.toInt()));
    emit minute->editingFinished();
    EXPECT_EQ(minute->text(), shown);
    EXPECT_FALSE(document->IsModified());

    // Another number counts when the field is left ...
    Type(minute, other);
    EXPECT_FALSE(document->IsModified());
    emit minute->editingFinished();
    EXPECT_TRUE(document->IsModified());
    // ... and is then the form's: leaving it again with the same number is no new change.
    document->SetModifiedFlag(false);
    emit minute->editingFinished();
    EXPECT_FALSE(document->IsModified());

    // A number still being typed when the window closes is asked about, not lost.
    Type(minute, shown);
    broker_.AnswerMessageBox(IDNO);
    EXPECT_TRUE(document->SaveModified());
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(Texts().size(), 1u);
}

TEST_F(SetupFormHandlersTest, TheFocusedTimeFieldTakesItsGroupsSpinWithItsRange) {
    view_ = Open(PlantSetup(), 160);
    ASSERT_NE(view_, nullptr);
    auto* dateSpin = Find<QScrollBar>(view_, kStartSpinIds[0]);
    auto* timeSpin = Find<QScrollBar>(view_, kStartSpinIds[1]);
    ASSERT_NE(dateSpin, nullptr);
    ASSERT_NE(timeSpin, nullptr);
    EXPECT_FALSE(dateSpin->isEnabled());
    Find<QRadioButton>(view_, IDC_FORM_START_AT_TIME)->click();
    EXPECT_TRUE(dateSpin->isEnabled());
    CSUTDoc* document = view_->GetDocument();

    struct Case {
        int field;
        const char* shown;
        QScrollBar* spin;
        int low, high;
        QAbstractSlider::SliderAction step;
        const char* stepped;
    };
    for (const Case& c : {Case{0, "07", dateSpin, 1, 12, QAbstractSlider::SliderSingleStepSub, "08"},
                          Case{1, "31", dateSpin, 1, 31, QAbstractSlider::SliderSingleStepSub, "31"},
                          Case{2, "02", dateSpin, 2, 99, QAbstractSlider::SliderSingleStepAdd, "02"},
                          Case{3, "00", timeSpin, 0, 23, QAbstractSlider::SliderSingleStepAdd, "00"},
                          Case{5, "58", timeSpin, 0, 59, QAbstractSlider::SliderSingleStepSub, "59"},
                          Case{4, "10", timeSpin, 0, 59, QAbstractSlider::SliderSingleStepAdd, "09"}}) {
        SCOPED_TRACE(c.field);
        auto* edit = Find<QLineEdit>(view_, kStartFieldIds[c.field]);
        edit->setText(c.shown);
        emit edit->editingFinished();
        document->SetModifiedFlag(false);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &focusIn);
        EXPECT_EQ(c.spin->minimum(), -c.high);
        EXPECT_EQ(c.spin->maximum(), -c.low);
        EXPECT_EQ(c.spin->value(), -QString(c.shown).toInt());
        EXPECT_TRUE(edit->hasSelectedText());
        // The upper arrow counts up, the lower one down; the range's ends hold.
        c.spin->triggerAction(c.step);
        EXPECT_EQ(edit->text().toStdString(), c.stepped);
        EXPECT_EQ(document->IsModified(), std::string(c.stepped) != c.shown);
    }
    // The spins follow the focus: the date spin still serves the year, not the day it had before.
    auto* day = Find<QLineEdit>(view_, kStartFieldIds[1]);
    const QString dayShown = day->text();
    dateSpin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(day->text(), dayShown);
    EXPECT_EQ(Find<QLineEdit>(view_, kStartFieldIds[2])->text(), "03");
    // A number typed into the attached field is where the spin steps on from.
    auto* year = Find<QLineEdit>(view_, kStartFieldIds[2]);
    Type(year, "40");
    dateSpin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(year->text(), "41");
}

TEST_F(SetupFormHandlersTest, TimedStartNeedsAFirmwareThatKnowsIt) {
    view_ = Open(PlantSetup(), 0);  // firmware not known
    ASSERT_NE(view_, nullptr);
    broker_.AnswerMessageBox(IDOK);
    Find<QRadioButton>(view_, IDC_FORM_START_AT_TIME)->click();
    EXPECT_TRUE(Find<QRadioButton>(view_, IDC_FORM_START_AT_ONCE)->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(view_, IDC_FORM_START_AT_TIME)->isChecked());
    EXPECT_EQ(Texts(), std::vector<std::string>{LoadText(IDS_TIMED_START_FIRMWARE_UNKNOWN)});
}

TEST_F(SetupFormHandlersTest, TheLineFrequencyBecomesTheDefaultOnlyOnYes) {
    std::vector<std::string> savedDefaults;
    CSetupTableView::SetLineFrequencySaver([&](const std::string& text) { savedDefaults.push_back(text); });
    view_ = Open(PlantSetup(), 160);
    ASSERT_NE(view_, nullptr);
    auto* frequency = Find<QComboBox>(view_, IDC_FORM_LINE_FREQUENCY);
    const int before = frequency->currentIndex();
    Choose(frequency, before);  // unchanged: no question
    broker_.AnswerMessageBox(IDYES);
    Choose(frequency, 1 - before);
    ASSERT_TRUE(view_->ValidateSetup(false, false));
    EXPECT_EQ(savedDefaults, std::vector<std::string>{before == 0 ? "50" : "60"});
    EXPECT_EQ((view_->GetDocument()->GetSetupTable().GetHeader().GetOptionByte() & 0x10) != 0, before == 0);
    CSetupTableView::SetLineFrequencySaver({});
}

TEST_F(SetupFormHandlersTest, OptionsCommitPerBoxAndADefaultSetupIsNotProgrammed) {
    view_ = Open(PlantSetup(), 160);
    ASSERT_NE(view_, nullptr);
    const CSetupTable& table = view_->GetDocument()->GetSetupTable();
    // No box closed: nothing changes.
    const std::vector<std::uint8_t> before = TableBytes(table);
    view_->CommitOptionControl();
    EXPECT_EQ(TableBytes(table), before);
    struct Case {
        int channel;
        int option;
        const char* text;
        std::uint8_t byte;
    };
    for (const Case& c : {Case{0, 0, "A,N,X,I", 0x0F}, Case{0, 5, "A,N,X,H", 0x0F}, Case{2, 3, "X,L", 0x04},
                          Case{4, 4, "I", 0x08}, Case{4, 1, "", 0x00}}) {
        SetOption(c.channel, c.option, c.text);
        const std::uint8_t stored = c.channel < 4
                                        ? table.GetHardwareChannel(c.channel).GetPowerOptions(c.option)
                                        : table.GetSoftwareChannel(c.channel - 4).GetPowerOptions(c.option);
        EXPECT_EQ(stored, c.byte) << c.text;
    }

    auto* name = Find<QLineEdit>(view_, IDC_FORM_SETUP_NAME);
    EXPECT_FALSE(view_->OnCommand(ID_SUT_PROGRAM_FROM_FORM));
    name->setText("\aDefault SUT\a");
    broker_.AnswerMessageBox(IDOK);
    EXPECT_TRUE(view_->OnCommand(ID_SUT_PROGRAM_FROM_FORM));
    EXPECT_EQ(name->selectedText(), name->text());
    EXPECT_EQ(Texts(), std::vector<std::string>{LoadText(IDS_DEFAULT_SETUP_NAME)});
}

TEST_F(SetupFormHandlersTest, AnEditedUnsavedSetupPrintsItsEdits) {
    view_ = Open(QuarvenSetup());
    ASSERT_NE(view_, nullptr);
    static_cast<QLineEdit*>(Cell(1, kColumnLabel))->setText("Edited feeder");
    testsupport::RecordingPagePainter recording({0, 0, 4800, 50 * 24});
    platform::PrintInfo info;
    ASSERT_TRUE(view_->OnPreparePrinting(info));
    ASSERT_TRUE(view_->PrintPages(recording, info));
    bool printed = false;
    for (const auto& text : recording.Texts()) {
        printed = printed || text.text.find("Edited feeder") != std::string::npos;
    }
    EXPECT_TRUE(printed);
    // The print-out came from the table, which now holds the form's values.
    EXPECT_EQ(view_->GetDocument()->GetSetupTable().GetHardwareChannel(1).GetName(), "Edited feeder");
}

}  // namespace
