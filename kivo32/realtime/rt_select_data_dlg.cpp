// CRTValsSelectData: the channel selection of the real-time graph.
#include "kivo32/realtime/rt_select_data_dlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/rt_text_rules.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"

namespace {

constexpr std::array<int, kSelectableChannels> kChannelIds = {IDC_SELECT_CHANNEL1, IDC_SELECT_CHANNEL2,
                                                              IDC_SELECT_CHANNEL3, IDC_SELECT_CHANNEL4,
                                                              IDC_SELECT_CHANNEL5, IDC_SELECT_CHANNEL6};

}  // namespace

CRTValsSelectData::CRTValsSelectData(const ChannelTypes& types, bool known, QWidget* parent)
    : platform::Dialog(parent), types_(types), known_(known) {
    setWindowTitle(platform::ToQString(LoadText(IDS_SELECT_TITLE)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(platform::ToQString(LoadText(IDS_SELECT_CHANNELS)), this));
    auto* channels = new QGridLayout;
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        const int type = types_[i];
        const std::string text =
            platform::StringPrintf(LoadText(IDS_SELECT_CHANNEL).c_str(), static_cast<int>(i) + 1) + " - " +
            ChannelTypeName(type, std::string());
        // A "&" of a type name is shown, not taken for a shortcut.
        channels_[i] = new QCheckBox(platform::ToQString(text).replace('&', "&&"), this);
        platform::SetControlId(channels_[i], kChannelIds[i]);
        channels_[i]->setEnabled(type != 0);
        connect(channels_[i], &QCheckBox::clicked, this, [this] { OnChannelClicked(); });
        channels->addWidget(channels_[i], static_cast<int>(i % 4), static_cast<int>(i / 4));
    }
    layout->addLayout(channels);
    layout->addWidget(new QLabel(platform::ToQString(LoadText(IDS_SELECT_VALUE)), this));
    auto* choices = new QGridLayout;
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        choices_[i] = new QRadioButton(
            platform::ToQString(LoadText(IDS_SELECT_CHOICE_FIRST + static_cast<unsigned>(i))), this);
        platform::SetControlId(choices_[i], kChoiceIds[i]);
        group->addButton(choices_[i]);
        choices->addWidget(choices_[i], static_cast<int>(i % 5), static_cast<int>(i / 5));
    }
    layout->addLayout(choices);
    layout->addWidget(MakeOkCancelButtons(this));
    // The label of the fifth and sixth boxes goes with them.
    auto* label56 = new QWidget(this);
    platform::SetControlId(label56, IDC_SELECT_LABEL56);
    label56->hide();
}

bool CRTValsSelectData::OnInitDialog() {
    if (!known_) {
        ShowMessageBoxId(IDS_SELECT_MISSING, MB_OK | MB_ICONEXCLAMATION, true);
        EndDialog(IDCANCEL);
        return false;
    }
    platform::Dialog::OnInitDialog();
    for (const int id : HiddenSelectionControls(types_)) {
        platform::FindControl(this, id)->hide();
    }
    OnChannelClicked();
    return true;
}

ChannelChecks CRTValsSelectData::Checked() const {
    ChannelChecks checked{};
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        checked[i] = channels_[i]->isChecked();
    }
    return checked;
}

void CRTValsSelectData::OnChannelClicked() {
    const ChannelChecks checked = Checked();
    const ChannelChecks enabled = EnabledChannels(types_, checked);
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        channels_[i]->setEnabled(enabled[i]);
    }
    int before = -1;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        before = choices_[i]->isChecked() ? static_cast<int>(i) : before;
    }
    const ValueChoices offered = ChoicesFor(types_, checked, before);
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        choices_[i]->setEnabled(offered.enabled[i]);
    }
    if (offered.checked >= 0) {
        choices_[static_cast<std::size_t>(offered.checked)]->setChecked(true);
    } else if (auto* checkedChoice = choices_[0]->group()->checkedButton()) {
        // No channel: no choice.
        choices_[0]->group()->setExclusive(false);
        checkedChoice->setChecked(false);
        choices_[0]->group()->setExclusive(true);
    }
}

void CRTValsSelectData::DoDataExchange(platform::DataExchange& exchange) {
    if (!exchange.saving()) {
        return;
    }
    const ChannelChecks checked = Checked();
    for (std::size_t i = 0; i < selected.size(); ++i) {
        selected[i] = checked[i] ? 1 : 0;
    }
    valueChoice = -1;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        valueChoice = choices_[i]->isChecked() ? static_cast<int>(i) : valueChoice;
    }
}
