// CSetupTableView: the alarm and peak-demand editors behind the value-option boxes.
#include "kivo32/controls/check_combo_box.h"
#include "kivo32/setupeditor/logger_alarms_dlg.h"
#include "kivo32/setupeditor/peak_kw_window_dlg.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"

namespace {

// Loggers of this firmware or older cannot take a first peak-demand window.
constexpr int kLastFirmwareWithoutPeakWindow = 153;

}  // namespace

bool CSetupTableView::EditAlarmForControl(int controlId) {
    const std::optional<OptionBox> box = FindOptionBox(controlId);
    const int type = box && box->channel < 4 ? channels_[box->channel].type : 0;
    const std::optional<AlarmEditor> editor = FindAlarmEditor(Model(), controlId, type);
    if (!editor) {
        return false;
    }
    return RunAlarmDialog(editor->channel, editor->alarm, editor->titleId, editor->countMode,
                          editor->thousands);
}

bool CSetupTableView::RunAlarmDialog(int channel, int alarm, unsigned titleId, bool countMode,
                                     bool thousands) {
    if (Model() >= kModelQuarvenRS) {
        return false;
    }
    CSUTAlarm& record = channels_.at(channel).alarms.GetAlarm(alarm);
    const std::string title = platform::FormatLoadedText(titleId, {std::to_string(channel + 1)});
    CLoggerAlarmsDlg dialog(AlarmToDialog(record, countMode, thousands), title, countMode, this);
    if (dialog.DoModal() == IDOK) {
        DialogToAlarm(dialog.Values(), countMode, thousands, record);
        SetDocumentModified();
        UpdateAlarmsInUseFlag();
    }
    return record.IsOn();
}

bool CSetupTableView::IsAlarmSetForControl(int controlId) {
    const std::optional<OptionBox> box = FindOptionBox(controlId);
    const int type = box && box->channel < 4 ? channels_[box->channel].type : 0;
    const std::optional<AlarmEditor> editor = FindAlarmEditor(Model(), controlId, type);
    return editor && channels_[editor->channel].alarms.GetAlarm(editor->alarm).IsOn();
}

int CSetupTableView::IsPeakWindowChannel(int controlId) {
    return IsPeakWindowBox(Model(), controlId, Table());
}

void CSetupTableView::UpdateAlarmsInUseFlag() {
    if (Model() >= kModelQuarvenRS) {
        return;
    }
    bool inUse = false;
    for (ChannelFormState& channel : channels_) {
        inUse = channel.alarms.UpdateEnabledFlag() || inUse;
    }
    channels_[0].alarms.SetBlockFlag(CSUTChannelAlarms::kFlagAlarmsInUse, inUse);
    channels_[0].alarms.SetFlagBit3(false);
}

void CSetupTableView::EditPeakWindowForControl(int controlId) {
    const int peak = IsPeakWindowBox(Model(), controlId, Table());
    if (peak < 0) {
        return;
    }
    const int channel = controlId == GetValueControlId(4, 13) ? 5 : 6;
    CSetupTable& table = GetDocument()->GetSetupTable();
    const PeakWindowSettings settings = ReadPeakWindow(table);
    if (connected_firmware_ && *connected_firmware_ <= kLastFirmwareWithoutPeakWindow &&
        table.GetExtendedData().GetTimeBlockByte2() == 0) {
        platform::CurrentUiBroker().MessageBox(LoadText(IDS_PEAK_FIRMWARE_TOO_OLD), {},
                                               MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::string caption = platform::FormatLoadedText(IDS_PEAK_CAPTION, {std::to_string(channel)});
    for (;;) {
        CPeakKWWindowDlg dialog(channel, caption, this);
        dialog.SetFromSettings(settings);
        if (dialog.DoModal() != IDOK) {
            return;
        }
        const int mode = dialog.GetModeCode();
        if (mode != 0 && channels_[mode - 1].options[2].empty()) {
            platform::CurrentUiBroker().MessageBox(
                platform::FormatLoadedText(IDS_PEAK_OPTION_EMPTY, {std::to_string(mode)}),
                LoadText(IDS_PEAK_MESSAGE_CAPTION), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        int minutes = 0;
        if (!dialog.GetWindowMinutes(&minutes)) {
            continue;  // asked again with the settings as they were
        }
        WritePeakWindow({mode, dialog.IsOptionOff(), minutes}, table);
        GetDocument()->SetModifiedFlag(true);
        return;
    }
}
