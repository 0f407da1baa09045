// CGraphingKeysHelpDlg: the help window that lists the keys and mouse actions of the data graph.
#pragma once

#include "platform/ui/dialog.h"

class CGraphingKeysHelpDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CGraphingKeysHelpDlg(QWidget* parent = nullptr);
};
