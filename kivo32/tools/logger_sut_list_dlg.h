// CLoggerSUTListDlg: which of the setups stored in the logger to read.
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"

class CLoggerSUTListDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `names` (one line a setup) stays the caller's and must outlive the dialog's run.
    explicit CLoggerSUTListDlg(const std::vector<std::string>& names, QWidget* parent = nullptr);

    // After OK: the setup chosen, counting from 0.
    int selected = -1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    const std::vector<std::string>& names_;
    QListWidget* list_;
};
