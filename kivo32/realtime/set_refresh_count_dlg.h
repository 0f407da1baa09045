// CSetRefreshCountDlg: how many updates a real-time window, the waveform capture or the harmonics
// window shows before it holds, and whether that count becomes the program's default.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <optional>

#include "platform/ui/dialog.h"

class CRegistryValues;

namespace platform {
class ProfileStore;
}

class CSetRefreshCountDlg : public platform::Dialog {
    Q_OBJECT

public:
    CSetRefreshCountDlg(int count, QWidget* parent = nullptr);

    // After OK: the count (-1 to 1000) and whether it is to be the default (0 or 1).
    int refreshCount;
    int makeDefault = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    QLineEdit* count_;
    QCheckBox* default_;
};

// Runs the dialog over a window's `count`. On OK gives the new count; when the user made it the default,
// `registry` keeps it and `store` has it at once ("RTUpdateThreshold" in "KIVO Misc").
std::optional<int> AskRefreshCount(int count, CRegistryValues& registry, platform::ProfileStore& store,
                                   QWidget* parent);
