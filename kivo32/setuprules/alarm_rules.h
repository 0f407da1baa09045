// Which alarm a value-option box of the setup form edits, how the alarm dialog shows and stores its
// limits, and the peak-demand item of the Quarven's software channels.
#pragma once

#include <cstdint>
#include <optional>

class CSetupTable;
class CSUTAlarm;

struct AlarmEditor {
    int channel;       // 0-5
    int alarm;         // 0-5, the alarm of the channel's value-option column
    unsigned titleId;  // formatted with the channel number 1-6
    bool countMode;    // a pulse channel counts: one whole-number limit
    bool thousands;    // limits stored 1000 times the number shown
};

// The alarm behind box `controlId` on a form of `model`: on model 2 every value-option box of the six
// channels, on the other models below 13 only the single-value boxes of hardware channels 1-4 (their
// first alarm); none on models 13 and 14. `singleChannelType` is the present type of that box's
// hardware channel (its title and count mode follow it).
std::optional<AlarmEditor> FindAlarmEditor(int model, int controlId, int singleChannelType);
// The hardware or software channel (0-5) and option column (11-16) of a value-option box; nullopt for
// other ids.
struct OptionBox {
    int channel;
    int column;
};
std::optional<OptionBox> FindOptionBox(int controlId);

// What the alarm dialog shows and gives back.
struct AlarmDialogValues {
    bool highOn = false;
    bool lowOn = false;
    double low = 0.0;
    double high = 0.0;
    std::uint32_t count = 0;
};
inline constexpr double kAlarmLimit = 100000000.0;

// The dialog's values of `alarm`: count mode takes the count from the second value and the low alarm
// off; value mode the two limits, divided by 1000 with `thousands`.
AlarmDialogValues AlarmToDialog(const CSUTAlarm& alarm, bool countMode, bool thousands);
// Stores accepted values: the two on bits (count mode clears the low one), then the limits (times 1000
// with `thousands`) or the count.
void DialogToAlarm(const AlarmDialogValues& values, bool countMode, bool thousands, CSUTAlarm& alarm);

// The peak-demand item: 1 for the third option box of software channel 5 or 6 on model 2 whose channel
// the setup names, 0 for such a box otherwise, -1 for every other box (by channel 0-5 and column).
int IsPeakWindowChannel(int model, int channel, int column, const CSetupTable& table);
int IsPeakWindowBox(int model, int controlId, const CSetupTable& table);
