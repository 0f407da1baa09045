// The connected logger's ID and model text, and, for the Quarven, the way to its I/O configuration.
#pragma once

#include <string>

#include "kivo32/session/logger_window_calls.h"
#include "kivo32/tools/logger_window_asker.h"
#include "platform/ui/dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class CSetLoggerIDsDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `ask` reaches the session that opened the window; empty when there is none.
    CSetLoggerIDsDlg(std::string loggerId, std::string model, const std::string& firstText,
                     const std::string& secondText, int typeCode, LoggerWindowAsk ask,
                     std::function<void()> cancelCommand, QWidget* parent = nullptr);

    // After OK: the ID, and the model text completed to four characters.
    std::string loggerId;
    std::string model;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnMessage(platform::Message& message) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // Button 2256: reads the logger's I/O configuration, lets the user change it and writes it back.
    void OnIoConfig();

    int type_code_;
    int variant_ = 0;
    CLoggerWindowAsker asker_;
    QLineEdit* id_edit_;
    QComboBox* model_combo_;
    QCheckBox* variant_check_;
};
