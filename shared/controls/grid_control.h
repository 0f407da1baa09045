// CGridControl: the grid that dialogs place as a child window: cells set by the owner, and a click on a
// push-button cell posted to the owner.
#pragma once

#include <map>
#include <memory>
#include <utility>

#include "platform/base/message_target.h"
#include "platform/ui/grid_cell_source.h"
#include "platform/ui/grid_view.h"

class CGridControl : public QWidget, private platform::GridCellSource, private platform::GridEvents {
    Q_OBJECT

public:
    // Button clicks are posted to `owner` (the dialog's Target()) as WM_GRID_BUTTON_CLICKED.
    explicit CGridControl(std::shared_ptr<platform::MessageTarget> owner, QWidget* parent = nullptr);

    void SetRowCount(int rows);
    void SetColCount(int columns);
    // The cell's text and look; row 0 and column 0 are the headers.
    void SetCell(int row, int column, const platform::GridCell& cell);
    platform::GridView& Grid() { return *grid_; }

private:
    int GetRowCount() const override { return rows_; }
    int GetColCount() const override { return columns_; }
    bool GetCell(int row, int column, platform::GridCell& cell) const override;

    bool OnStartSelection(int, int, unsigned) override { return true; }
    bool OnLButtonClickedRowCol(int, int, unsigned) override { return true; }
    void OnLButtonUp(unsigned) override {}
    void OnRButtonUp(int, int, int, int) override {}
    void OnClickedButtonRowCol(int row, int column) override;

    std::shared_ptr<platform::MessageTarget> owner_;
    int rows_ = 0;
    int columns_ = 0;
    std::map<std::pair<int, int>, platform::GridCell> cells_;
    platform::GridView* grid_;
};
