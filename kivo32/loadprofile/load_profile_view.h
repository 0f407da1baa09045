// CLoadProfileView: the load profile as a table: each bucket's day (weekly), start, end and average,
// and its CSV export (command 32895).
#pragma once

#include <filesystem>

#include "kivo32/loadprofile/load_profile_view_base.h"
#include "platform/ui/grid_cell_source.h"
#include "platform/ui/grid_view.h"

class CLoadProfileView : public CLoadProfileViewBase,
                         public platform::GridCellSource,
                         public platform::GridEvents {
    Q_OBJECT

public:
    CLoadProfileView();

    // The active view of the main frame's active child when it is a load-profile table, else null.
    static CLoadProfileView* GetActiveLoadProfileView();

    platform::GridView& Grid() { return *grid_; }

    int GetRowCount() const override;
    int GetColCount() const override;
    bool GetCell(int row, int column, platform::GridCell& cell) const override;

    bool OnStartSelection(int, int, unsigned) override { return true; }
    bool OnLButtonClickedRowCol(int, int, unsigned) override { return true; }
    void OnLButtonUp(unsigned) override {}
    void OnRButtonUp(int, int, int, int) override {}
    void OnClickedButtonRowCol(int, int) override {}

    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(platform::CommandState& state) override;
    // Asks for a name beside the data file and exports there.
    void OnExportCsv();
    // The table as CSV at `path`, written beside it and renamed over it; tells the user the outcome.
    bool ExportCsv(const std::filesystem::path& path);

protected:
    void ShowProfile() override;
    bool MinuteMinimum() const override { return false; }

private:
    platform::GridView* grid_;
};
