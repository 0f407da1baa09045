// CSetupTableView: the one writer of the form into the setup table, with the wiring and value checks
// before it, and the commit of a value-option box as it closes.
#include <QComboBox>
#include <QLineEdit>

#include "kivo32/controls/check_combo_box.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/setuprules/alarm_rules.h"
#include "kivo32/setuprules/setup_form_writer.h"
#include "kivo32/setuprules/setup_model_rules.h"
#include "kivo32/setuprules/setup_transfer_rules.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/byte_order.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/setup/option_letters.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"

namespace {

std::string TextOf(const QLineEdit* edit) {
    return edit != nullptr ? platform::FromQString(edit->text()) : std::string();
}

float NumberOf(const QLineEdit* edit) {
    return edit != nullptr ? edit->text().toFloat() : 0.0f;
}

// The table as a setup file holds it.
std::vector<std::uint8_t> FileStream(const CSetupTable& table) {
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, platform::ByteOrder::Little);
    table.Write(writer, true, true);
    return bytes;
}

}  // namespace

bool CSetupTableView::ValidateSetup(bool markModified, bool warn) {
    if (content_ == nullptr) {
        return true;
    }
    if (!UpdateData(true)) {
        return false;
    }
    const std::optional<std::uint32_t> start = GetStartTimeFromFields();
    if (!start) {
        return false;
    }
    const std::optional<std::uint32_t> stop = GetStopTimeFromFields();
    if (!stop) {
        return false;
    }
    if ((warn && !WiringAccepted()) || !ChannelFieldsAccepted(warn)) {
        return false;
    }
    // Every check has passed: only now does the table change, so a refused transfer leaves it whole.
    CSetupTable& table = GetDocument()->GetSetupTable();
    const std::vector<std::uint8_t> before = markModified ? FileStream(table) : std::vector<std::uint8_t>();
    WriteForm(table, *start, *stop);
    // Programming the logger also writes the form: an unchanged setup stays unmodified.
    if (markModified && FileStream(table) != before) {
        GetDocument()->SetModifiedFlag(true);
    }
    return true;
}

void CSetupTableView::WriteForm(CSetupTable& table, std::uint32_t startTime, std::uint32_t stopTime) {
    GeneralFormValues general;
    general.setupName = setup_name_;
    general.intervalCode = interval_code_;
    general.memoryMode = MemoryModeForStopMode(stop_mode_, table.GetHeader().GetOptionByte());
    general.frequencyChoice = frequency_choice_;
    general.startTime = startTime;
    general.stopTime = stopTime;
    if (Find<QComboBox>(IDC_FORM_DEMAND_MINUTES) != nullptr) {
        general.demandMinutes = demand_minutes_;
    }
    WriteGeneralValues(table, general);
    WriteInputs(table);
    UpdateAlarmsInUseFlag();
    WriteChannelStates(table, channels_);
}

bool CSetupTableView::AsksToMend(unsigned messageId, const std::string& argument, int focusId) {
    const std::string text = platform::FormatLoadedText(messageId, {argument});
    if (ShowMessageBox(text, MB_YESNO | MB_ICONEXCLAMATION, true) != IDYES) {
        return false;
    }
    FocusControl(focusId);
    return true;
}

void CSetupTableView::FocusControl(int controlId) {
    if (auto* control = Find<QWidget>(controlId)) {
        control->setFocus();
    }
}

int CSetupTableView::ChannelControlId(int channel, int column) const {
    return PageCells(Model(), tables_).GetValueControlId(channel, column);
}

bool CSetupTableView::WiringAccepted() {
    for (auto doubt = FindEqualPhases(channels_, 0); doubt;
         doubt = FindEqualPhases(channels_, doubt->channel + 1)) {
        if (AsksToMend(doubt->messageId, doubt->argument,
                       ChannelControlId(doubt->channel, kColumnFirstPhase))) {
            return false;
        }
    }
    const std::optional<WiringDoubt> pairs = FindDoubtfulPhasePairs(channels_);
    return !pairs || !AsksToMend(pairs->messageId, pairs->argument,
                                 ChannelControlId(pairs->channel, kColumnFirstPhase));
}

bool CSetupTableView::ChannelFieldsAccepted(bool warn) {
    bool askedFirst = false;
    bool askedSecond = false;
    for (int channel = 0; channel < 4; ++channel) {
        const ChannelFormState& state = channels_[channel];
        if (warn && state.type == kChannelPower) {
            // Each question comes once per transfer, whichever channel lacks the phase.
            if (state.firstPhase < 0 && !std::exchange(askedFirst, true) &&
                AsksToMend(IDS_WIRING_NO_FIRST_PHASE, {}, ChannelControlId(channel, kColumnFirstPhase))) {
                return false;
            }
            if (state.secondPhase < 0 && !std::exchange(askedSecond, true) &&
                AsksToMend(IDS_WIRING_NO_SECOND_PHASE, {}, ChannelControlId(channel, kColumnSecondPhase))) {
                return false;
            }
        }
        if (Model() >= kModelQuarvenRS && state.type != 0 && !IsCTRatingAccepted(state.ctRating)) {
            ShowMessageBoxId(IDS_CT_RATING_OUT_OF_RANGE, MB_OK | MB_ICONEXCLAMATION, true);
            FocusControl(ChannelControlId(channel, kColumnCTRating));
            return false;
        }
    }
    return true;
}

void CSetupTableView::WriteInputs(CSetupTable& table) const {
    if (Model() == kModelQuarvenKX) {
        for (int input = 0; input < kAnalogChannels; ++input) {
            CSUTChannelAnalog& record = table.GetAnalogChannel(input);
            const int item = Find<QComboBox>(kAnalogRangeIds[input])->currentIndex();
            const int step = input * IDC_ANALOG_ROW_STEP;
            const auto edit = [&](int id) { return Find<QLineEdit>(id + step); };
            if (item <= 0) {
                ClearAnalogRecord(record);
                continue;
            }
            record.SetType(static_cast<std::uint8_t>(item + 14));
            record.SetName(TextOf(edit(IDC_ANALOG_LABEL)));
            record.SetLowSensor(NumberOf(edit(IDC_ANALOG_F1)));
            record.SetLowOutput(NumberOf(edit(IDC_ANALOG_F2)));
            record.SetHighSensor(NumberOf(edit(IDC_ANALOG_F3)));
            record.SetHighOutput(NumberOf(edit(IDC_ANALOG_F4)));
            record.SetUnits(TextOf(edit(IDC_ANALOG_UNIT)));
            record.SetOptions(LettersANXIToMask(TextOf(edit(IDC_ANALOG_OPTIONS))));
        }
    } else if (Model() == kModelQuarvenRS) {
        // Kinds in list order: kWh, kVARh, kVAh.
        const int kinds[] = {kChannelPulseKWh, kChannelPulseKVARh, kChannelPulseKVAh};
        for (int input = 0; input < kPulseChannels; ++input) {
            CSUTChannelPulse& record = table.GetPulseChannel(input);
            if (Find<QComboBox>(kPulseOnIds[input])->currentIndex() <= 0) {
                record = CSUTChannelPulse{};
                continue;
            }
            const int kind = std::max(Find<QComboBox>(kPulseKindIds[input])->currentIndex(), 0);
            record.SetType(static_cast<std::uint8_t>(kinds[kind]));
            record.SetName(TextOf(Find<QLineEdit>(kPulseLabelIds[input])));
            record.SetPowerChannel(
                static_cast<std::uint8_t>(Find<QComboBox>(kPulseChannelIds[input])->currentText().toInt()));
            record.SetScale(NumberOf(Find<QLineEdit>(kPulseScaleIds[input])));
        }
    }
}

void CSetupTableView::SetOpenCheckCombo(CCheckComboBox* combo) {
    open_combo_ = combo;
    // The box that opens last is the one whose closing the commit then handles.
    if (combo != nullptr) {
        last_option_box_ = platform::ControlId(combo);
    }
}

void CSetupTableView::CommitOptionControl() {
    const std::optional<OptionBox> box = FindOptionBox(last_option_box_);
    auto* control = Find<CCheckComboBox>(last_option_box_);
    CSetupTable& table = GetDocument()->GetSetupTable();
    if (box && control != nullptr && box->channel < 6 &&
        widgets_.channels[box->channel].typeList != nullptr) {
        ChannelFormState& state = channels_[box->channel];
        const int column = box->column - kColumnFirstOption;
        const bool single = box->channel < 4 && state.type != kChannelPower;
        std::string& text = single ? state.singleOption : state.options[column];
        text = control->CodeText();
        if (box->channel >= 4) {
            table.GetSoftwareChannel(box->channel - 4)
                .SetPowerOptions(column, OptionMaskForColumn(column, text));
        } else if (single) {
            // A single-value input shows its one option byte in its first box.
            table.GetHardwareChannel(box->channel).SetOptions(SingleOptionMask(state.type, text));
        } else {
            table.GetHardwareChannel(box->channel).SetPowerOptions(column, OptionMaskForColumn(column, text));
        }
        UpdateAlarmsInUseFlag();
    } else if (const int input = AnalogOptionInput(last_option_box_); input >= 0) {
        table.GetAnalogChannel(input).SetOptions(
            LettersANXIToMask(TextOf(Find<QLineEdit>(last_option_box_))));
    } else {
        return;
    }
    UpdateMemoryTexts();
}

int CSetupTableView::AnalogOptionInput(int controlId) const {
    if (Model() != kModelQuarvenKX) {
        return -1;
    }
    for (int input = 0; input < kAnalogChannels; ++input) {
        if (controlId == IDC_ANALOG_OPTIONS + input * IDC_ANALOG_ROW_STEP) {
            return input;
        }
    }
    return -1;
}
