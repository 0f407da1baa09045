// CCTChooser: the CT catalogue as a list with a picture of each CT; one click on a row chooses it.
#pragma once

#include <QTreeWidget>
#include <filesystem>
#include <string>

#include "platform/ui/dialog.h"

class CCTChooser : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kToolTipDelayMs = 250;

    // `catalogue` is the catalogue file, `pictures` the folder of its pictures.
    CCTChooser(QWidget* parent, std::filesystem::path catalogue, std::filesystem::path pictures);

    // The chosen CT's name, output kind, rated and second value; false when none was chosen.
    bool GetChoice(std::string& name, std::string& outputKind, std::string& ratedValue,
                   std::string& secondValue) const;

protected:
    // Fills the list; a missing catalogue is reported and ends the dialog as Cancel.
    bool OnInitDialog() override;
    // The marked row is the choice (none without one).
    void OnOK() override;
    void OnCancel() override;

private:
    // Sizes the list to show every column whole and a few rows.
    void FitListToRows();

    std::filesystem::path catalogue_;
    std::filesystem::path pictures_;
    QTreeWidget* list_;
    std::string name_;
    std::string output_kind_;
    std::string rated_value_;
    std::string second_value_;
};
