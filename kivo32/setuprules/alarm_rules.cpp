// Alarm editors of the setup form's value-option boxes.
#include "kivo32/setuprules/alarm_rules.h"

#include "kivo32/setuprules/control_id_tables.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr int kPeakColumn = 13;

// Options 3, 4 and 6 (kW, kVA, kVAR) keep their limits in thousands.
bool ColumnInThousands(int column) {
    return column == 13 || column == 14 || column == 16;
}

}  // namespace

std::optional<OptionBox> FindOptionBox(int controlId) {
    const ControlIdTables& all = AllControlIds();
    static const ControlIdTables quarven = FillControlIdTables(2);
    for (int channel = 0; channel < 6; ++channel) {
        const ControlIdTables& tables = channel < 4 ? all : quarven;
        for (int column = kColumnFirstOption; column < kColumnFirstOption + kOptionColumns; ++column) {
            if (tables.GetValueControlId(channel, column) == controlId) {
                return OptionBox{channel, column};
            }
        }
    }
    return std::nullopt;
}

std::optional<AlarmEditor> FindAlarmEditor(int model, int controlId, int singleChannelType) {
    if (model >= 13) {
        return std::nullopt;
    }
    const std::optional<OptionBox> box = FindOptionBox(controlId);
    if (!box) {
        return std::nullopt;
    }
    const int alarm = box->column - kColumnFirstOption;
    if (model == 2) {
        return AlarmEditor{box->channel, alarm, static_cast<unsigned>(IDS_ALARM_TITLE_COLUMN1 - alarm), false,
                           ColumnInThousands(box->column)};
    }
    if (box->channel >= 4 || alarm != 0) {
        return std::nullopt;
    }
    const unsigned title = singleChannelType == 4   ? IDS_ALARM_TITLE_COUNT
                           : singleChannelType == 2 ? IDS_ALARM_TITLE_TEMPERATURE
                                                    : IDS_ALARM_TITLE_SINGLE;
    return AlarmEditor{box->channel, 0, title, singleChannelType == 4, false};
}

AlarmDialogValues AlarmToDialog(const CSUTAlarm& alarm, bool countMode, bool thousands) {
    AlarmDialogValues values;
    values.highOn = alarm.IsHighAlarmOn();
    values.lowOn = alarm.IsLowAlarmOn() && !countMode;
    if (countMode) {
        values.count = alarm.GetHighCount();
        return values;
    }
    const double divisor = thousands ? 1000.0 : 1.0;
    values.low = alarm.GetLowLimit() / divisor;
    values.high = alarm.GetHighLimit() / divisor;
    return values;
}

void DialogToAlarm(const AlarmDialogValues& values, bool countMode, bool thousands, CSUTAlarm& alarm) {
    alarm.SetHighAlarmOn(values.highOn);
    alarm.SetLowAlarmOn(values.lowOn && !countMode);
    if (countMode) {
        alarm.SetHighCount(values.count);
        return;
    }
    const double factor = thousands ? 1000.0 : 1.0;
    alarm.SetLowLimit(static_cast<float>(values.low * factor));
    alarm.SetHighLimit(static_cast<float>(values.high * factor));
}

int IsPeakWindowChannel(int model, int channel, int column, const CSetupTable& table) {
    if (model != 2 || channel < 4 || column != kPeakColumn) {
        return -1;
    }
    return table.GetExtendedData().GetTimeBlockByte1() == channel + 1 ? 1 : 0;
}

int IsPeakWindowBox(int model, int controlId, const CSetupTable& table) {
    const std::optional<OptionBox> box = FindOptionBox(controlId);
    return box ? IsPeakWindowChannel(model, box->channel, box->column, table) : -1;
}
