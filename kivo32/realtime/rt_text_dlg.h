// CRTVTextDlg: the current values of every channel as a grid of text, one row per channel, each cell
// formatted with its unit and coloured by the channel's setup; CRTVTextStandardDlg serves the type
// code 0, CRTVTextLiteDlg the others.
#pragma once

#include "kivo32/realtime/rt_text_rules.h"
#include "kivo32/realtime/rt_values_dlg.h"

class CGridControl;

class CRTVTextDlg : public CRTValuesDlg {
    Q_OBJECT

public:
    CRTVTextDlg(std::shared_ptr<CRealTimeWindowLink> link, CRegistryValues& registry,
                QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void ShowChannelValues(const RealTimeRecord& record) override;

private:
    RtVariant Variant() const { return IsLite() ? RtVariant::Lite : RtVariant::Standard; }
    // The name of channel `row` - 1 and the label its setup gives it.
    std::string RowName(int channel) const;
    void ShowDistortion(int row, std::span<const ShownQuantity> shown);
    // The model code 14's analog inputs, one row each below the channels' grid.
    void SetUpAnalogGrid();
    void ShowAnalogValues(const RealTimeRecord& record);
    // The Lite windows' size limits; the model code 14's fits both grids.
    void LimitSize();

    CGridControl* grid_;
    CGridControl* analog_grid_;
    QPushButton* thd_help_;
    int rows_ = 0;
};

class CRTVTextStandardDlg : public CRTVTextDlg {
    Q_OBJECT

public:
    using CRTVTextDlg::CRTVTextDlg;
};

class CRTVTextLiteDlg : public CRTVTextDlg {
    Q_OBJECT

public:
    using CRTVTextDlg::CRTVTextDlg;
};
