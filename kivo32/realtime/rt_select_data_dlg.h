// CRTValsSelectData: the channels and the kind of value a real-time graph plots, chosen before the
// graph opens. One channel type per selection; the type offers its value choices.
#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <array>

#include "kivo32/realtime/rt_selection_rules.h"
#include "platform/ui/dialog.h"

class CRTValsSelectData : public platform::Dialog {
    Q_OBJECT

public:
    // `types`: the channel type of each channel 1-6 from the setup; without one (`known` false) the
    // dialog says so and cancels.
    CRTValsSelectData(const ChannelTypes& types, bool known, QWidget* parent = nullptr);

    // After OK: channels 1-6 selected (0 or 1) and the value choice (0-9, -1 for none).
    std::array<int, kSelectableChannels> selected{};
    int valueChoice = -1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    ChannelChecks Checked() const;
    // The boxes and value choices after a box was clicked.
    void OnChannelClicked();

    ChannelTypes types_;
    bool known_;
    std::array<QCheckBox*, kSelectableChannels> channels_{};
    std::array<QRadioButton*, kValueChoices> choices_{};
};
