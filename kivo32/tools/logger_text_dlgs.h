// The dialogs that take one short text for the logger: its description, its modem's initialisation
// string, and the technician's initials. Each limits the text to what the logger keeps.
#pragma once

#include <QLineEdit>
#include <string>

#include "platform/ui/dialog.h"

// One text in one edit, under the two lines that name the logger (left out when empty).
class CLoggerTextSettingDlg : public platform::Dialog {
    Q_OBJECT

public:
    // After OK: the text entered (Windows-1252).
    std::string text;

protected:
    struct Shape {
        unsigned titleId;
        unsigned labelId;
        int editId;
        int maxChars;
    };
    CLoggerTextSettingDlg(const Shape& shape, std::string value, const std::string& firstText,
                          const std::string& secondText, QWidget* parent);

    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    int max_chars_;
    QLineEdit* edit_;
};

class CSetDescriptionDlg : public CLoggerTextSettingDlg {
    Q_OBJECT

public:
    static constexpr int kMaxChars = 20;
    CSetDescriptionDlg(std::string description, const std::string& firstText, const std::string& secondText,
                       QWidget* parent = nullptr);
};

class CSetModemStringDlg : public CLoggerTextSettingDlg {
    Q_OBJECT

public:
    static constexpr int kMaxChars = 60;
    CSetModemStringDlg(std::string modemString, const std::string& firstText, const std::string& secondText,
                       QWidget* parent = nullptr);
};

// The initials that production calibration writes beside each record; empty at start.
class CSetTechNameDlg : public CLoggerTextSettingDlg {
    Q_OBJECT

public:
    static constexpr int kMaxChars = 3;
    explicit CSetTechNameDlg(QWidget* parent = nullptr);
};
