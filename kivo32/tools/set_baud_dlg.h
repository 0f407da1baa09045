// CSetBaudDlg: the speed of the logger's link, picked from the rates the logger knows.
#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"

class CSetBaudDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The rates offered, slowest first: a modem link offers only the first five.
    static std::vector<std::string> RatesOffered(bool modem);

    // `baud` is the link's speed as text; `firstText` and `secondText` name the logger.
    CSetBaudDlg(std::string baud, const std::string& firstText, const std::string& secondText, bool modem,
                QWidget* parent = nullptr);

    // After OK: the rate picked, as its text.
    std::string baud;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    // OK only with a rate picked: a speed the list lacks is never sent back.
    void EnableOk();

    QComboBox* rates_;
};
