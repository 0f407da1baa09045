// CLoggerPropertiesDlg: the logger's status report.
#include "kivo32/tools/logger_properties_dlg.h"

#include "kivo32/tools/setting_ids.h"
#include "platform/base/program_texts.h"

CLoggerPropertiesDlg::CLoggerPropertiesDlg(QWidget* parent) : CDisplayTextDlg(false, parent) {
    SetTitle(LoadText(IDS_LOGGER_PROPERTIES_TITLE));
    SetRefreshButton(true);
}
