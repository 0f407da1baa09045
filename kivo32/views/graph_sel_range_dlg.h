// The first step of the graph dialogs, modeless beside the data grid: the channels and the record range
// to graph, mirrored live as the grid's selection. OK leads through the type step (and the Y-axis step)
// to the graph.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"

class CGraphDialogGrid;
class CGraphObjectAttributes;

class CGraphSelRangeDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kMaxChannels = 17;
    // From this many records between the first and the last, the all-records box starts unchecked.
    static constexpr long kAllRecordsLimit = 60001;
    // Column-table entry of a column the list does not offer.
    static constexpr std::uint16_t kNotListed = 0xFFFF;

    // Shown at once, modeless, over `parent` (the grid's window); it deletes itself when it closes.
    CGraphSelRangeDlg(CGraphDialogGrid& grid, CGraphObjectAttributes& attributes, QWidget* parent);

    // The grid's selected columns become the list's choice; false, with the record controls disabled,
    // when they are more than 17 channels.
    bool SelectListedColumnsFromGrid();
    // The grid's selected rows become the record range.
    void TakeGridRowSelection();
    // Clears the grid's selection and closes; the grid calls it when it goes.
    void OnCancel() override;

    // The grid columns of the chosen channels, in list order, and their headings.
    std::vector<int> ChosenColumns() const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    void FillChannelList();
    void PreselectFromChannelList();
    void UpdateRangeControls(int chosen);
    void EnableRecordEdits(bool enable);
    void OnChannelsChanged();
    void OnAllRecordsClicked();
    void OnRecordEditLeft(QLineEdit* edit, long unchangedValue);
    void SelectRecordRange();
    void ShowRecordRange(long from, long to);
    void SelectChannels(const std::vector<int>& rows);
    bool RunTypeStep();
    void Destroy();

    CGraphDialogGrid& grid_;
    CGraphObjectAttributes& attributes_;
    int all_records_ = 1;
    long from_ = 1;
    long to_;
    std::vector<std::uint16_t> column_table_;
    bool validate_on_leave_ = true;
    bool destroyed_ = false;

    QListWidget* channels_;
    QCheckBox* all_records_box_;
    QLineEdit* from_edit_;
    QLineEdit* to_edit_;
    QLabel* from_label_;
    QLabel* to_label_;
    QLabel* range_label_;
    QPushButton* cancel_;
};
