// CLoggerPropertiesDlg: the logger's status report, with a button that asks for a fresh one.
#pragma once

#include "kivo32/dialogs/display_text_dlg.h"

// DoModal gives IDOK, IDCANCEL, or IDC_DISPLAY_REFRESH when the caller should rebuild the report.
class CLoggerPropertiesDlg : public CDisplayTextDlg {
    Q_OBJECT

public:
    explicit CLoggerPropertiesDlg(QWidget* parent = nullptr);
};
