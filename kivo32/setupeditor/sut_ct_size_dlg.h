// CSUTCTSizeDlg: asks for the size of a channel's current transformer.
#pragma once

#include <QLineEdit>
#include <string>

#include "platform/ui/dialog.h"

class CSUTCTSizeDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CSUTCTSizeDlg(QWidget* parent = nullptr);

    // The size as typed, "100.00" until changed; after OK a number above 0.
    const std::string& GetCTSizeText() const { return size_text_; }
    void SetCTSizeText(const std::string& text) { size_text_ = text; }
    double GetCTSize() const { return size_; }

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    QLineEdit* size_edit_;
    std::string size_text_ = "100.00";
    double size_ = 100.0;
};
