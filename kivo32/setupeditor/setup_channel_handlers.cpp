// CSetupTableView: what the form does when the user changes what a channel measures: the type of a
// hardware channel, a software channel on or off, the CT kind, an analog input's type, a pulse input.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include "kivo32/setupeditor/ct_chooser.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/setuprules/channel_form_state.h"
#include "kivo32/setuprules/setup_form_writer.h"
#include "kivo32/setuprules/setup_model_rules.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/number_text.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/qt_text.h"
#include "shared/common/user_data_folder.h"
#include "shared/setup/option_letters.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"

namespace {

// CT kind list items: the catalogue, a CT with a millivolt output, the fixed "RoCoil".
constexpr int kCTKindCatalogue = 0;
constexpr int kCTKindMillivolt = 1;
constexpr int kCTKindFixed = 2;

// The ranges an analog input takes with its type: F1 = F2, F3 = F4.
struct AnalogDefaults {
    float low;
    float high;
};
AnalogDefaults AnalogDefaultsFor(int type) {
    switch (type) {
        case kChannelAnalog4To20mA:
            return {4.0f, 20.0f};
        case kChannelAnalog0To20mA:
            return {0.0f, 20.0f};
        default:
            return {0.0f, 10.0f};
    }
}

}  // namespace

void CSetupTableView::ConnectChannelHandlers() {
    for (int channel = 0; channel < 6; ++channel) {
        if (QComboBox* list = widgets_.channels[channel].typeList) {
            connect(list, &QComboBox::activated, this, [this, channel, list] {
                const int type = list->currentData().toInt();
                if (channel < 4) {
                    OnChannelTypeChange(channel, type);
                } else {
                    OnSoftwareChannelChange(channel, type);
                }
            });
        }
    }
    const ControlIdTables& cells = PageCells(Model(), tables_);
    for (int channel = 0; channel < 4; ++channel) {
        if (auto* kind = Find<QComboBox>(cells.GetValueControlId(channel, kColumnCTKind));
            kind != nullptr && Model() >= kModelQuarvenRS) {
            ct_kind_items_[channel] = kind->currentIndex();
            connect(kind, &QComboBox::activated, this,
                    [this, channel](int item) { OnCTKindChange(channel, item); });
        }
        for (const int column : {kColumnFirstPhase, kColumnSecondPhase}) {
            if (auto* phase = Find<QComboBox>(cells.GetValueControlId(channel, column))) {
                connect(phase, &QComboBox::activated, this, &CSetupTableView::SetDocumentModified);
            }
        }
    }
    if (Model() == kModelQuarvenKX) {
        for (int input = 0; input < kAnalogChannels; ++input) {
            connect(Find<QComboBox>(kAnalogRangeIds[input]), &QComboBox::activated, this,
                    [this, input](int item) { OnAnalogTypeChange(input, item); });
            const int optionId = IDC_ANALOG_OPTIONS + input * IDC_ANALOG_ROW_STEP;
            connect(Find<QLineEdit>(optionId), &QLineEdit::editingFinished, this, [this, optionId] {
                last_option_box_ = optionId;
                CommitOptionControl();
            });
        }
    } else if (Model() == kModelQuarvenRS) {
        for (int input = 0; input < kPulseChannels; ++input) {
            connect(Find<QComboBox>(kPulseOnIds[input]), &QComboBox::activated, this,
                    [this, input](int item) { OnPulseChannelChange(input, item); });
            for (const int id : {kPulseChannelIds[input], kPulseKindIds[input]}) {
                connect(Find<QComboBox>(id), &QComboBox::activated, this, &CSetupTableView::SetDocumentModified);
            }
        }
    }
}

std::array<bool, 4> CSetupTableView::PowerChannels() const {
    std::array<bool, 4> power{};
    for (int channel = 0; channel < 4; ++channel) {
        power[channel] = channels_[channel].type == kChannelPower;
    }
    return power;
}

void CSetupTableView::OnChannelTypeChange(int channel, int type) {
    ChannelFormState& state = channels_[channel];
    if (type == state.type) {
        return;
    }
    const bool wasOff = state.type == kChannelOff;
    if (!loading_) {
        ResetChannelState(state, type, channel, Model(), PowerChannels());
        SetDocumentModified();
    }
    state.type = type;
    GetDocument()->GetSetupTable().GetHardwareChannel(channel).SetType(static_cast<std::uint8_t>(type));
    if (wasOff != (type == kChannelOff)) {
        UpdateIncludeBoxes(channel, type != kChannelOff);
    }
    ApplyLoadedChannelType(channel, type);
    UpdateMemoryTexts();
    if (Model() == 0 || Model() == 2 || Model() >= kModelQuarvenRS) {
        ApplySoftwareAvailability();
    }
    if (Model() == kModelQuarvenRS) {
        RebuildPulseChannelLists();
    }
    RefreshChannelControls(channel);
}

void CSetupTableView::OnSoftwareChannelChange(int channel, int type) {
    ChannelFormState& state = channels_[channel];
    if (type == state.type) {
        return;
    }
    if (!loading_) {
        ResetChannelState(state, type, channel, Model(), PowerChannels());
        SetDocumentModified();
    }
    state.type = type;
    GetDocument()->GetSetupTable().GetSoftwareChannel(channel - 4).SetType(static_cast<std::uint8_t>(type));
    ApplyLoadedChannelType(channel, type);
    if (type == kChannelSoftware) {
        // A sum takes only the channels that measure.
        for (int hardware = 0; hardware < 4; ++hardware) {
            if (auto* box = Find<QCheckBox>(tables_.GetValueControlId(channel, kColumnFirstSum + hardware))) {
                box->setEnabled(channels_[hardware].type != kChannelOff);
            }
        }
    }
    if (Model() == kModelQuarvenRS) {
        RebuildPulseChannelLists();
    }
    UpdateMemoryTexts();
    RefreshChannelControls(channel);
}

void CSetupTableView::UpdateIncludeBoxes(int hardware, bool on) {
    for (int channel = 4; channel < 6; ++channel) {
        if (channels_[channel].type != kChannelSoftware) {
            continue;
        }
        channels_[channel].sums[hardware] = on ? 1 : 0;
        if (auto* box = Find<QCheckBox>(tables_.GetValueControlId(channel, kColumnFirstSum + hardware))) {
            box->setChecked(on);
            box->setEnabled(on);
        }
    }
}

bool CSetupTableView::IsSoftwareChannelAvailable(int channel) const {
    int power = 0;
    for (int hardware = 0; hardware < 4; ++hardware) {
        power += channels_[hardware].type == kChannelPower ? 1 : 0;
    }
    // Channel 5 needs two power channels to sum, channel 6 three.
    return power >= (channel == 4 ? 2 : 3);
}

void CSetupTableView::ApplySoftwareAvailability() {
    for (int channel = 4; channel < 6; ++channel) {
        if (widgets_.channels[channel].typeList != nullptr && !IsSoftwareChannelAvailable(channel) &&
            channels_[channel].type != kChannelOff) {
            SwitchOffSoftwareChannel(channel);
        }
    }
    ShowSoftwareChannels();
}

void CSetupTableView::ShowSoftwareChannels() {
    if (Model() != 0 && Model() != 2 && Model() < kModelQuarvenRS) {
        return;
    }
    for (int channel = 4; channel < 6; ++channel) {
        if (widgets_.channels[channel].typeList != nullptr) {
            // A stored setup's channel that is on stays in sight; one that cannot sum shows nothing, not
            // even its caption.
            widgets_.channels[channel].group->setVisible(IsSoftwareChannelAvailable(channel) ||
                                                         channels_[channel].type != kChannelOff);
        }
    }
}

void CSetupTableView::SwitchOffSoftwareChannel(int channel) {
    ChannelFormState& state = channels_[channel];
    state = ChannelFormState{};
    GetDocument()->GetSetupTable().GetSoftwareChannel(channel - 4).SetType(kChannelOff);
    widgets_.channels[channel].typeList->setCurrentIndex(ListIndexFromType(Model(), channel, kChannelOff));
    BuildChannelPage(kChannelOff, channel);
    RefreshChannelControls(channel);
}

void CSetupTableView::RefreshChannelControls(int channel) {
    only_channel_ = channel;
    UpdateData(false);
    only_channel_ = -1;
}

void CSetupTableView::OnCTKindChange(int channel, int item) {
    const ControlIdTables& cells = PageCells(Model(), tables_);
    auto* kind = Find<QComboBox>(cells.GetValueControlId(channel, kColumnCTKind));
    auto* rating = Find<QLineEdit>(cells.GetValueControlId(channel, kColumnCTRating));
    auto* second = Find<QLineEdit>(cells.GetValueControlId(channel, kColumnSecondCT));
    if (kind == nullptr || rating == nullptr || second == nullptr) {
        return;
    }
    ChannelFormState& state = channels_[channel];
    std::string ratingText = "100.00";
    std::string secondText = "1.10";
    if (item == kCTKindCatalogue) {
        const std::optional<CTChoice> choice = ChooseCatalogueCT();
        if (!choice) {
            // Back to the kind shown before, whatever the rating now reads.
            kind->setCurrentIndex(ct_kind_items_[channel]);
            return;
        }
        item = choice->outputType == "MV" ? kCTKindMillivolt : kCTKindFixed;
        ratingText = choice->ratedSize;
        secondText = choice->secondValue;
        kind->setCurrentIndex(item);
    }
    SetDocumentModified();
    const bool fixed = item == kCTKindFixed;
    if (fixed) {
        // A fixed CT's values are the logger's own; the edits show them and take nothing.
        ratingText = "5000.0";
        secondText = "0.00";
    }
    state.ctKind = fixed ? 1 : 0;
    state.ctRating = platform::ToQString(ratingText).toFloat();
    state.secondCT = platform::ToQString(secondText).toFloat();
    rating->setText(platform::ToQString(ratingText));
    second->setText(platform::ToQString(secondText));
    rating->setEnabled(!fixed);
    second->setEnabled(!fixed);
    ct_kind_items_[channel] = item;
}

void CSetupTableView::OnAnalogTypeChange(int input, int item) {
    CSUTChannelAnalog& record = GetDocument()->GetSetupTable().GetAnalogChannel(input);
    const int step = input * IDC_ANALOG_ROW_STEP;
    const auto edit = [&](int id) { return Find<QLineEdit>(id + step); };
    if (item <= 0) {
        ClearAnalogRecord(record);
    } else {
        const int type = item + 14;
        record.SetType(static_cast<std::uint8_t>(type));
        // A user's choice always takes the type's ranges; a load keeps ranges of its own.
        if (!loading_ || record.GetLowOutput() == record.GetHighOutput() ||
            record.GetLowSensor() == record.GetHighSensor()) {
            const AnalogDefaults defaults = AnalogDefaultsFor(type);
            record.SetLowSensor(defaults.low);
            record.SetLowOutput(defaults.low);
            record.SetHighSensor(defaults.high);
            record.SetHighOutput(defaults.high);
            record.SetOptions(1);
            edit(IDC_ANALOG_OPTIONS)->setText(platform::ToQString(MaskToLettersANXI(1)));
            edit(IDC_ANALOG_F1)->setText(platform::ToQString(FloatToSignificantText(defaults.low, 5)));
            edit(IDC_ANALOG_F2)->setText(platform::ToQString(FloatToSignificantText(defaults.low, 5)));
            edit(IDC_ANALOG_F3)->setText(platform::ToQString(FloatToSignificantText(defaults.high, 5)));
            edit(IDC_ANALOG_F4)->setText(platform::ToQString(FloatToSignificantText(defaults.high, 5)));
        }
    }
    for (const int id : kAnalogFieldIds) {
        Find<QWidget>(id + step)->setVisible(item > 0);
    }
    SetDocumentModified();
    UpdateMemoryTexts();
}

void CSetupTableView::OnPulseChannelChange(int input, int item) {
    if (item == 0) {
        GetDocument()->GetSetupTable().GetPulseChannel(input) = CSUTChannelPulse{};
    } else if (item == 1) {
        Find<QLineEdit>(kPulseLabelIds[input])->clear();
        auto* related = Find<QComboBox>(kPulseChannelIds[input]);
        related->setCurrentIndex(-1);
        Find<QComboBox>(kPulseKindIds[input])->setCurrentIndex(0);
        Find<QLineEdit>(kPulseScaleIds[input])->setText("1.00");
    }
    if (item == 0 || item == 1) {
        for (const int id :
             {kPulseLabelIds[input], kPulseChannelIds[input], kPulseKindIds[input], kPulseScaleIds[input]}) {
            Find<QWidget>(id)->setVisible(item == 1);
        }
    }
    SetDocumentModified();
}

void CSetupTableView::RebuildPulseChannelLists() {
    int power = 0;
    QStringList numbers;
    for (int channel = 0; channel < 4; ++channel) {
        if (channels_[channel].type != kChannelOff) {
            numbers << QString::number(channel + 1);
            ++power;
        }
    }
    for (int channel = 4; channel < 6; ++channel) {
        if (channels_[channel].type == kChannelSoftware && power >= 2) {
            numbers << QString::number(channel + 1);
        }
    }
    for (int input = 0; input < kPulseChannels; ++input) {
        auto* list = Find<QComboBox>(kPulseChannelIds[input]);
        const QString shown = list->currentText();
        list->clear();
        list->addItems(numbers);
        // The number chosen before stays while its channel measures.
        list->setCurrentIndex(numbers.indexOf(shown));
    }
}

std::optional<CTChoice> CSetupTableView::ChooseCatalogueCT() {
    const std::filesystem::path folder = UserDataFolder();
    CCTChooser chooser(this, folder / "Data" / "CT Values.csv", folder / "Images");
    if (platform::CurrentUiBroker().RunDialog("CCTChooser", [&chooser] { return chooser.DoModal(); }) !=
        IDOK) {
        return std::nullopt;
    }
    CTChoice choice;
    if (!chooser.GetChoice(choice.model, choice.outputType, choice.ratedSize, choice.secondValue)) {
        return std::nullopt;
    }
    return choice;
}
