// CSUTCTSizeAmbrixDlg: asks for a channel's CT of either kind: one whose size and factor are typed or
// picked from the CT catalogue, or the fixed kind of size 5000.0.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <optional>
#include <string>

#include "platform/ui/dialog.h"

// A CT of the catalogue: its four texts as the chooser gives them.
struct CTChoice {
    std::string model;
    std::string outputType;  // "MV" for the kind whose size and factor the dialog takes
    std::string ratedSize;
    std::string secondValue;
};

// Runs the setup editor's CT catalogue chooser modally over `parent`: the chosen CT, or nullopt when
// the user chose none.
using CTChooserRun = std::function<std::optional<CTChoice>(QWidget* parent)>;

class CSUTCTSizeAmbrixDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kKindSized = 0;
    static constexpr int kKindFixed = 1;

    // Without a chooser the catalogue button stays disabled.
    explicit CSUTCTSizeAmbrixDlg(QWidget* parent = nullptr, CTChooserRun chooser = {});

    // After OK: the kind, the size (above 0) and, for the sized kind, the factor, as numbers.
    int GetKind() const { return kind_; }
    double GetCTSize() const { return size_; }
    double GetFactor() const { return factor_; }
    const std::string& GetCTSizeText() const { return size_text_; }
    const std::string& GetFactorText() const { return factor_text_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    // A kind chosen by its radio button: its default size, the size and factor controls enabled for the
    // sized kind only.
    void ChooseKind(int kind);
    void ShowKind();
    void OnCatalogue();

    CTChooserRun chooser_;
    QRadioButton* sized_;
    QRadioButton* fixed_;
    QLineEdit* size_edit_;
    QLineEdit* factor_edit_;
    QPushButton* catalogue_;
    int kind_ = kKindSized;
    std::string size_text_ = "100.0";
    std::string factor_text_ = "1.10";
    double size_ = 100.0;
    double factor_ = 1.1;
};
