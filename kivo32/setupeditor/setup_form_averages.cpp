// CSetupTableView: the check box of averages for every power and sum channel.
#include <QCheckBox>

#include "kivo32/controls/check_combo_box.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "shared/setup/option_letters.h"

namespace {

// The value options that carry averages: volts, amps, kW and kVAR (columns 11, 12, 13 and 16).
constexpr int kAverageOptions[] = {0, 1, 2, 5};

bool CarriesAverages(const ChannelFormState& channel, int index) {
    return index < 4 ? channel.type == kChannelPower : channel.type == kChannelSoftware;
}

}  // namespace

void CSetupTableView::UpdateAllAveragesCheck() {
    auto* averages = Find<QCheckBox>(IDC_FORM_ALL_AVERAGES);
    if (averages == nullptr) {
        return;
    }
    bool all = true;
    for (int channel = 0; channel < 6; ++channel) {
        if (!CarriesAverages(channels_[channel], channel)) {
            continue;
        }
        for (const int option : kAverageOptions) {
            all = all && channels_[channel].options[option].find('A') != std::string::npos;
        }
    }
    averages->setChecked(all);
}

void CSetupTableView::OnAllAverages() {
    auto* averages = Find<QCheckBox>(IDC_FORM_ALL_AVERAGES);
    if (averages == nullptr || !averages->isChecked()) {
        return;
    }
    CSetupTable& table = GetDocument()->GetSetupTable();
    for (int channel = 0; channel < 6; ++channel) {
        ChannelFormState& state = channels_[channel];
        if (!CarriesAverages(state, channel)) {
            continue;
        }
        for (const int option : kAverageOptions) {
            AddAverageOption(channel, state.options[option], kColumnFirstOption + option);
            const std::uint8_t mask = LettersANXIToMask(state.options[option]);
            if (channel < 4) {
                table.GetHardwareChannel(channel).SetPowerOptions(option, mask);
            } else {
                table.GetSoftwareChannel(channel - 4).SetPowerOptions(option, mask);
            }
        }
    }
}

void CSetupTableView::AddAverageOption(int channel, std::string& text, int column) {
    if (text.find('A') != std::string::npos) {
        return;
    }
    text = text.empty() ? "A" : "A," + text;
    SetDocumentModified();
    if (auto* box = Find<CCheckComboBox>(PageCells(Model(), tables_).GetValueControlId(channel, column))) {
        box->SetCodeText(text);
    }
}
