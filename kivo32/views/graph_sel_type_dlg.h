// The type step of the graph dialogs: plotting method, the show switches, default or saved attributes,
// and whether the channels are assigned to Y axes next.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"

class CGraphDialogGrid;

class CGraphSelTypeDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The methods and the attribute source come from the caller; `channelHeadings` name the chosen
    // channels for the Y-axis step, which is offered when there are several.
    CGraphSelTypeDlg(CGraphDialogGrid& grid, std::vector<std::string> channelHeadings, QWidget* parent = nullptr);

    // In: the show switches, the source (0 defaults, 1 saved attributes), both methods. Out after OK:
    // the chosen method stored in the one of its source. DoModal gives IDOK, IDCANCEL or IDC_GRAPH_BACK.
    int showDataCursor = 0;
    int showDataPoints = 0;
    int showAnalysisValues = 0;
    int attributeSource = 1;
    int defaultMethod = 0;
    int method = 0;
    int assignYAxes = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    void ShowMethodOfSource();
    void UpdateOkCaption();

    CGraphDialogGrid& grid_;
    std::vector<std::string> headings_;
    int method_index_ = 0;
    QComboBox* method_;
    QCheckBox* assign_y_axes_;
    QCheckBox* data_cursor_;
    QCheckBox* data_points_;
    QCheckBox* analysis_values_;
    QRadioButton* defaults_;
    QRadioButton* saved_;
    QPushButton* ok_;
};
