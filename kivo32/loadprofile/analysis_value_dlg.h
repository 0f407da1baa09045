// CAnalysisValueDlg: the analysis values of the selected channel (its title naming the file and the
// kind, a heading over ranked values, up to five value lines) and the button that appends them to the
// text report beside the data file and opens it.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>

#include "kivo32/analysis/analysis_report.h"

class QLabel;
class QLineEdit;
class QPushButton;

class CAnalysisValueDlg : public QDialog {
    Q_OBJECT

public:
    // `dataFile` is the data file the values come from; the report lies beside it.
    CAnalysisValueDlg(std::filesystem::path dataFile, QWidget* parent = nullptr);

    void SetAnalysisValues(const AnalysisValueRecord& record);
    // Button 1574: the values appended to the report, which the desktop opens; false, after telling the
    // user, when it could not be written or opened.
    bool OnReport();

    QPushButton& ReportButton() const { return *report_; }
    const AnalysisDisplay& Display() const { return display_; }

private:
    std::filesystem::path data_file_;
    AnalysisValueRecord record_;
    AnalysisDisplay display_;
    QLabel* heading_;
    std::array<QLineEdit*, 5> lines_{};
    QPushButton* report_;
};
