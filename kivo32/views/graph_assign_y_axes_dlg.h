// The Y-axis step of the graph dialogs: one row per chosen channel (up to 16) with a choice of axis 1,
// 2 or 3.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <array>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"

class CGraphAssignYAxesDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kRows = 16;

    // `channelHeadings`: the headings of the chosen channels in order.
    CGraphAssignYAxesDlg(std::vector<std::string> channelHeadings, QWidget* parent = nullptr);

    // DoModal gives IDOK, IDCANCEL or IDC_GRAPH_BACK. After OK: the axis (0-2) of channel i; a channel
    // without a row (the 17th) is on axis 0.
    int AxisOf(std::size_t channel) const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    struct Row {
        QLabel* label;
        std::array<QRadioButton*, 3> buttons;
    };

    std::vector<std::string> headings_;
    std::array<int, kRows> axes_{};
    QGroupBox* group_;
    std::array<Row, kRows> rows_;
};
