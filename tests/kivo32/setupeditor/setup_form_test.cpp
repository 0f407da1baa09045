// The setup form of every model offscreen: what it shows of a stored setup, its limits, its toolbar, and
// the alarm and peak-demand editors behind the value-option boxes.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include "kivo32/controls/cb_check_list_box.h"
#include "kivo32/controls/check_combo_box.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_form_layout.h"
#include "kivo32/setuprules/setup_model_rules.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "tests/kivo32/setupeditor/setup_form_fixture.h"
#include "tests/support/ui/modal_driver.h"

namespace {

using setupeditortest::SetupFormTest;
using setupeditortest::SetupOf;

TEST_F(SetupFormTest, EveryModelShowsItsCaptionListsAndPagesWithoutChangingTheSetup) {
    for (const int model : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14}) {
        SCOPED_TRACE(model);
        CSetupTableView* view = Open(SetupOf(model));
        ASSERT_NE(view, nullptr);
        QApplication::processEvents();
        const std::string caption = view->ParentFrame()->windowTitle().toStdString();
        EXPECT_TRUE(caption.ends_with(" Setup Table Files: " + ModelName(model))) << caption;

        auto* frequency = Find<QComboBox>(view, IDC_FORM_LINE_FREQUENCY);
        EXPECT_EQ(frequency != nullptr, ShowsLineFrequencyList(model));
        if (model >= 13) {
            EXPECT_EQ(Items(frequency).back(), "Auto");
        } else if (frequency != nullptr) {
            EXPECT_EQ(frequency->count(), 2);
        }
        auto* interval = Find<QComboBox>(view, model == 0 ? IDC_FORM_INTERVAL_STANDARD : IDC_FORM_INTERVAL);
        ASSERT_NE(interval, nullptr);
        EXPECT_EQ(interval->count(), model >= 13 ? 15 : 13);
        EXPECT_EQ(interval->currentData().toInt(), CSUTHeader::kDefaultIntervalCode);
        EXPECT_EQ(Find<QComboBox>(view, IDC_FORM_DEMAND_MINUTES) != nullptr, model >= 13);
        EXPECT_FALSE(Find<QLabel>(view, IDC_FORM_MEMORY_TIME)->text().isEmpty());

        for (int channel = 0; channel < 6; ++channel) {
            auto* typeList = Find<QComboBox>(view, kTypeListIds[channel]);
            ASSERT_EQ(typeList != nullptr, HasChannelPage(model, channel)) << channel;
            if (typeList == nullptr) {
                continue;
            }
            const int type = channel < 4 ? SetupOf(model).GetHardwareChannel(channel).GetType()
                                         : SetupOf(model).GetSoftwareChannel(channel - 4).GetType();
            EXPECT_EQ(typeList->currentData().toInt(), type);
            EXPECT_EQ(view->GetCurrentType(channel), type);
        }
        EXPECT_FALSE(view->GetDocument()->IsModified());
        EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
    }
}

TEST_F(SetupFormTest, AModelOneSetupShowsChannelOneWithTwoPhases) {
    CSetupTableView* view = Open(SetupOf(1));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Items(Find<QComboBox>(view, 1088)), (std::vector<std::string>{"L1", "N"}));
    EXPECT_EQ(Items(Find<QComboBox>(view, 1089)), (std::vector<std::string>{"L1", "N"}));
    EXPECT_EQ(Find<QComboBox>(view, kTypeListIds[1]), nullptr);
    EXPECT_EQ(view->GetValueControlId(0, 5), 0);
}

TEST_F(SetupFormTest, EachChannelTypeShowsItsStoredValues) {
    struct Case {
        int model;
        std::function<void(CSetupTable&)> store;
        int control;
        const char* shown;
    };
    const Case cases[] = {
        {2, [](CSetupTable& t) { t.GetHardwareChannel(0).SetCTSize(250.0f); }, 2126, "250.0000"},
        {2, [](CSetupTable& t) { t.GetHardwareChannel(1).SetPTRatio(2.5f); }, 1099, "2.5000"},
        {2, [](CSetupTable& t) { t.GetHardwareChannel(0).SetName("Main"); }, 1031, "Main"},
        {3, [](CSetupTable& t) { t.GetHardwareChannel(0).SetScaleValue1(-1.5f); }, 2126, "-1.5000"},
        {3, [](CSetupTable& t) { t.GetHardwareChannel(1).SetScaleValue2(3.25f); }, 2146, "3.2500"},
        {5, [](CSetupTable& t) { t.GetHardwareChannel(2).SetRNDCScale(0.125f); }, 2152, "0.1250"},
        {5, [](CSetupTable& t) { t.GetHardwareChannel(0).SetUnits("kWh"); }, 2215, "kWh"},
        {7, [](CSetupTable& t) { t.GetHardwareChannel(3).SetLoggerLabel("Flow"); }, 1117, "Flow"},
        {4, [](CSetupTable& t) { t.GetHardwareChannel(0).SetCTSize(20.0f); }, 2126, "20.0000"},
        {6, [](CSetupTable& t) { t.GetHardwareChannel(0).SetNote("Boiler room"); }, 1039, "Boiler room"},
        {13, [](CSetupTable& t) { t.GetHardwareChannel(0).SetPhaseShift(2.0f); }, 2125, "2.0000"},
        {14, [](CSetupTable& t) { t.GetAnalogChannel(1).SetHighOutput(20.0f); },
         IDC_ANALOG_F4 + IDC_ANALOG_ROW_STEP, "20.000"},
        {14, [](CSetupTable& t) { t.GetAnalogChannel(0).SetLowSensor(4.0f); }, IDC_ANALOG_F1, "4.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        CSetupTable table = SetupOf(c.model);
        c.store(table);
        CSetupTableView* view = Open(table);
        ASSERT_NE(view, nullptr);
        auto* edit = Find<QLineEdit>(view, c.control);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text().toStdString(), c.shown);
        EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
    }
}

TEST_F(SetupFormTest, StoredOptionsPhasesAndPulseInputsShow) {
    CSetupTable table = SetupOf(2);
    table.GetHardwareChannel(0).SetVLo('B');
    table.GetHardwareChannel(0).SetPowerOptions(2, kOptionBit1 | kOptionBit4);
    CSetupTableView* view = Open(table);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Find<QComboBox>(view, 1088)->currentText(), "L2");
    ASSERT_NE(Find<CCheckComboBox>(view, 1093), nullptr);
    EXPECT_EQ(Find<CCheckComboBox>(view, 1093)->CodeText(), "A,X");
    EXPECT_TRUE(CloseFrameOf(view->GetDocument()));

    CSetupTable analog = SetupOf(14);
    analog.GetAnalogChannel(2).SetType(kChannelAnalog0To10V);
    view = Open(analog);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Find<QComboBox>(view, kAnalogRangeIds[2])->currentData().toInt(), kChannelAnalog0To10V);
    EXPECT_TRUE(Find<QLineEdit>(view, IDC_ANALOG_LABEL + 2 * IDC_ANALOG_ROW_STEP)->isVisibleTo(view));
    EXPECT_FALSE(Find<QLineEdit>(view, IDC_ANALOG_LABEL + IDC_ANALOG_ROW_STEP)->isVisibleTo(view));

    CSetupTable pulse = SetupOf(13);
    pulse.GetPulseChannel(1).SetType(kChannelPulseKVAh);
    pulse.GetPulseChannel(1).SetName("Gas");
    pulse.GetPulseChannel(1).SetPowerChannel(2);
    view = Open(pulse);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Find<QComboBox>(view, kPulseOnIds[0])->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>(view, kPulseOnIds[1])->currentIndex(), 1);
    EXPECT_EQ(Find<QLineEdit>(view, kPulseLabelIds[1])->text(), "Gas");
    EXPECT_EQ(Find<QComboBox>(view, kPulseKindIds[1])->currentIndex(), 2);
    EXPECT_EQ(Find<QComboBox>(view, kPulseChannelIds[1])->currentText(), "2");
}

TEST_F(SetupFormTest, AnUnlistedIntervalIsShownAndKept) {
    CSetupTable table = SetupOf(5);
    table.GetHeader().SetIntervalCode(16);  // 1 second: a Quarven interval
    CSetupTableView* view = Open(table);
    ASSERT_NE(view, nullptr);
    auto* interval = Find<QComboBox>(view, IDC_FORM_INTERVAL);
    EXPECT_EQ(interval->count(), 14);
    EXPECT_EQ(interval->currentText(), "1 second");
    EXPECT_TRUE(view->UpdateData(true));
    EXPECT_EQ(view->SelectedIntervalCode(), 16);

    // The memory time follows the interval chosen.
    auto* memory = Find<QLabel>(view, IDC_FORM_MEMORY_TIME);
    const QString atOneSecond = memory->text();
    interval->setCurrentIndex(interval->count() - 2);  // 1 day
    platform::Message recompute(WM_UPDATE_MEMORY_TIME);
    view->OnMessage(recompute);
    EXPECT_NE(memory->text(), atOneSecond);
    EXPECT_EQ(view->FormatMemoryTime().first, memory->text().toStdString());
}

TEST_F(SetupFormTest, AValueOutOfRangeIsRefusedAndKeepsTheFocus) {
    struct Case {
        int model;
        int control;
        const char* typed;
    };
    for (const Case& c : {Case{2, 1090, "10000"}, Case{3, 2126, "10"}, Case{7, 2126, "100000001"},
                          Case{13, 2125, "360"}, Case{2, 1031, "twenty-one characters"}}) {
        SCOPED_TRACE(c.control);
        CSetupTableView* view = Open(SetupOf(c.model));
        ASSERT_NE(view, nullptr);
        view->window()->show();
        view->window()->activateWindow();
        auto* edit = Find<QLineEdit>(view, c.control);
        ASSERT_NE(edit, nullptr);
        edit->setMaxLength(80);
        edit->setText(c.typed);
        broker_.AnswerMessageBox(IDOK);
        EXPECT_FALSE(view->UpdateData(true));
        EXPECT_TRUE(testsupport::ProcessEventsUntil([edit] { return edit->hasFocus(); }));
        EXPECT_EQ(edit->text().toStdString(), c.typed);
        edit->setText("1");
        EXPECT_TRUE(view->UpdateData(true));
        EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
    }
}

TEST_F(SetupFormTest, AWheelTurnOverAListOrASpinScrollsTheFormUnlessTheListHasTheFocus) {
    CSetupTableView* view = Open(SetupOf(2));
    ASSERT_NE(view, nullptr);
    view->window()->resize(900, 300);
    view->window()->show();
    view->window()->activateWindow();
    QScrollBar* scrollBar = view->findChild<QScrollArea*>()->verticalScrollBar();
    ASSERT_GT(scrollBar->maximum(), 0);
    const auto turnDown = [](QWidget* control) {
        const QPointF inside(control->width() / 2.0, control->height() / 2.0);
        QWheelEvent wheel(inside, control->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &wheel);
    };

    auto* phase = Find<QComboBox>(view, 1088);
    phase->setCurrentIndex(0);
    turnDown(phase);
    EXPECT_EQ(phase->currentIndex(), 0);
    EXPECT_GT(scrollBar->value(), 0);
    EXPECT_FALSE(phase->hasFocus());

    view->EnableStartTime(true);
    auto* hour = Find<QLineEdit>(view, kStartFieldIds[3]);
    const QString hourShown = hour->text();
    scrollBar->setValue(0);
    turnDown(Find<QScrollBar>(view, kStartSpinIds[1]));
    EXPECT_EQ(hour->text(), hourShown);
    EXPECT_GT(scrollBar->value(), 0);
    EXPECT_FALSE(view->GetDocument()->IsModified());

    phase->setFocus();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([phase] { return phase->hasFocus(); }));
    const int scrolled = scrollBar->value();
    turnDown(phase);
    EXPECT_EQ(phase->currentIndex(), 1);
    EXPECT_EQ(scrollBar->value(), scrolled);
    EXPECT_TRUE(view->GetDocument()->IsModified());
    view->GetDocument()->SetModifiedFlag(false);
    EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
}

TEST_F(SetupFormTest, TheSetupToolbarWhileActiveAndTheMainOneAfter) {
    std::vector<int> loaded;
    CSetupTableView::SetToolbarLoader([&](int id) { loaded.push_back(id); });
    CSetupTableView* view = Open(SetupOf(2));
    ASSERT_NE(view, nullptr);
    view->OnActivateView(true);
    view->OnActivateView(false);
    CSetupTableView::SetToolbarLoader({});
    ASSERT_GE(loaded.size(), 2u);
    EXPECT_EQ(loaded[loaded.size() - 2], ID_SETUP_TOOLBAR);
    EXPECT_EQ(loaded.back(), ID_MAIN_TOOLBAR);
}

TEST_F(SetupFormTest, TimedStartAndStopShowTheStoredTimesAndTheDateCheckRefusesDaysPastTheMonth) {
    CSetupTable table = SetupOf(13);
    std::tm start{};
    start.tm_year = 126;
    start.tm_mon = 2;
    start.tm_mday = 14;
    start.tm_hour = 9;
    start.tm_min = 30;
    start.tm_isdst = -1;
    table.GetExtendedData().SetStartTime(static_cast<std::uint32_t>(std::mktime(&start)));
    table.GetHeader().SetOptionByte(0);  // linear memory
    CSetupTableView* view = Open(table, 400);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(Find<QRadioButton>(view, IDC_FORM_START_AT_TIME)->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(view, IDC_FORM_STOP_LINEAR)->isChecked());
    const std::vector<std::string> shown = {"03", "14", "26", "09", "30", "00"};
    for (int field = 0; field < 6; ++field) {
        EXPECT_EQ(Find<QLineEdit>(view, kStartFieldIds[field])->text().toStdString(), shown[field]);
        EXPECT_FALSE(Find<QLineEdit>(view, kStopFieldIds[field])->isEnabled());
        EXPECT_EQ(Find<QLineEdit>(view, kStopFieldIds[field])->text(), "00");
    }
    EXPECT_EQ(view->GetStartTimeFromFields(), table.GetExtendedData().GetStartTime());
    Find<QLineEdit>(view, kStartFieldIds[0])->setText("02");
    Find<QLineEdit>(view, kStartFieldIds[1])->setText("31");
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(view->GetStartTimeFromFields());
    EXPECT_EQ(broker_.Asked().back().text, "Start time: the day must lie between 1 and 28.");
    EXPECT_EQ(view->GetStopTimeFromFields(), 0u);
}

TEST_F(SetupFormTest, WithoutASessionTheProposedTimeIsThePCClockWithZeroSeconds) {
    CSetupTableView* view = Open(SetupOf(2), 400);
    ASSERT_NE(view, nullptr);
    const std::time_t before = std::time(nullptr);
    view->EnableStartTime(true);
    EXPECT_EQ(Find<QLineEdit>(view, kStartFieldIds[5])->text(), "00");
    const std::optional<std::uint32_t> proposed = [&] {
        Find<QRadioButton>(view, IDC_FORM_START_AT_TIME)->setChecked(true);
        EXPECT_TRUE(view->UpdateData(true));
        return view->GetStartTimeFromFields();
    }();
    ASSERT_TRUE(proposed);
    EXPECT_LE(std::abs(static_cast<long>(*proposed) - static_cast<long>(before - before % 60)), 120);
}

TEST_F(SetupFormTest, TheAveragesBoxAddsAToThePowerAndSumOptionsThatLackIt) {
    CSetupTable table = SetupOf(2);
    table.GetHardwareChannel(0).SetPowerOptions(0, kOptionBit2);  // volts: minimum only
    CSetupTableView* view = Open(table);
    ASSERT_NE(view, nullptr);
    auto* averages = Find<QCheckBox>(view, IDC_FORM_ALL_AVERAGES);
    ASSERT_NE(averages, nullptr);
    EXPECT_FALSE(averages->isChecked());
    averages->click();
    EXPECT_EQ(Find<CCheckComboBox>(view, 1091)->CodeText(), "A,N");
    EXPECT_EQ(Find<CCheckComboBox>(view, 1096)->CodeText(), "A");
    EXPECT_EQ(Find<CCheckComboBox>(view, 1094)->CodeText(), "");  // kVA keeps its options
    const CSetupTable& stored = view->GetDocument()->GetSetupTable();
    EXPECT_EQ(stored.GetHardwareChannel(0).GetPowerOptions(0), kOptionBit1 | kOptionBit2);
    EXPECT_EQ(stored.GetSoftwareChannel(0).GetPowerOptions(5), kOptionBit1);
    EXPECT_TRUE(view->GetDocument()->IsModified());
    EXPECT_EQ(Find<QCheckBox>(Open(SetupOf(5)), IDC_FORM_ALL_AVERAGES), nullptr);
}

TEST_F(SetupFormTest, TheSecondValueBoxesAndTheAveragesBoxCarryTheirTips) {
    const QString secondValueTip = platform::ToQString(LoadText(IDS_FORM_SECOND_VALUE_TIP));
    const QString averagesTip = platform::ToQString(LoadText(IDS_FORM_ALL_AVERAGES_TIP));
    ASSERT_FALSE(secondValueTip.isEmpty());
    ASSERT_FALSE(averagesTip.isEmpty());
    // Model 3 has an offset box on its two temperature channels, the Quarven models a second CT value on all
    // four.
    for (const auto& [model, boxes] : {std::pair{3, 2}, {13, 4}, {14, 4}}) {
        SCOPED_TRACE(model);
        CSetupTableView* view = Open(SetupOf(model));
        ASSERT_NE(view, nullptr);
        int tipped = 0;
        for (const int id : {2125, 2146, 2153, 2173}) {
            if (auto* box = Find<QLineEdit>(view, id)) {
                EXPECT_EQ(box->toolTip(), secondValueTip) << id;
                EXPECT_EQ(box->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, box),
                          kFormToolTipDelayMs);
                ++tipped;
            }
        }
        EXPECT_EQ(tipped, boxes);
        if (auto* averages = Find<QCheckBox>(view, IDC_FORM_ALL_AVERAGES)) {
            EXPECT_EQ(averages->toolTip(), averagesTip);
        } else {
            EXPECT_LT(model, 13);
        }
        EXPECT_TRUE(Find<QLineEdit>(view, 2126)->toolTip().isEmpty());
        EXPECT_TRUE(CloseFrameOf(view->GetDocument()));
    }
}

TEST_F(SetupFormTest, TimeFieldsKeepOnlyDigitsAndShowTwoOfThem) {
    CSetupTableView* view = Open(SetupOf(2), 400);
    ASSERT_NE(view, nullptr);
    view->EnableStartTime(true);
    auto* minute = Find<QLineEdit>(view, kStartFieldIds[4]);
    minute->setText("4x");
    minute->setCursorPosition(2);
    view->StripNonDigits(kStartFieldIds[4]);
    EXPECT_EQ(minute->text(), "4");
    EXPECT_EQ(minute->cursorPosition(), 1);
    view->ReformatTimeField(kStartFieldIds[4]);
    EXPECT_EQ(minute->text(), "04");
}

TEST_F(SetupFormTest, TheDayFirstDateOrderMovesTheFieldsAndNamesTheOrder) {
    context_.shortDateFormat = "dd/MM/yyyy";
    CSetupTableView* view = Open(SetupOf(2));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Find<QLabel>(view, IDC_FORM_START_DATE_LABEL)->text(), "Date (dd/mm/yy):");
    const QWidget* day = Find<QWidget>(view, kStartFieldIds[1]);
    const QWidget* month = Find<QWidget>(view, kStartFieldIds[0]);
    view->window()->show();
    EXPECT_LT(day->x(), month->x());
}

}  // namespace
