// The energy summary window.
#include "kivo32/app/energy_summary_window.h"

#include "kivo32/app/app_ids.h"
#include "kivo32/dialogs/display_text_dlg.h"
#include "kivo32/analysis/energy_summary.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/standard_message_box.h"

int ShowEnergySummary(const CSetupTable& setup, const CDataInfo& info, bool fromLogger) {
    const std::string text = EnergySummaryWindowText(setup, info);
    return platform::CurrentUiBroker().RunDialog("CDisplayTextDlg", [&] {
        CDisplayTextDlg dialog(false, platform::DefaultOwnerWindow());
        dialog.SetTitle(
            LoadText(fromLogger ? IDS_LOGGER_ENERGY_SUMMARY_TITLE : IDS_FILE_ENERGY_SUMMARY_TITLE));
        dialog.SetText(text);
        dialog.SetRefreshButton(true);
        return dialog.DoModal();
    });
}
