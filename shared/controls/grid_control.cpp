// CGridControl: the grid of dialogs; a click on a push-button cell is posted to the owner.
#include "shared/controls/grid_control.h"

#include <QVBoxLayout>

#include "shared/controls/controls_ids.h"

CGridControl::CGridControl(std::shared_ptr<platform::MessageTarget> owner, QWidget* parent)
    : QWidget(parent), owner_(std::move(owner)), grid_(new platform::GridView(*this, *this, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
}

void CGridControl::SetRowCount(int rows) {
    rows_ = rows;
    grid_->Reload();
}

void CGridControl::SetColCount(int columns) {
    columns_ = columns;
    grid_->Reload();
}

void CGridControl::SetCell(int row, int column, const platform::GridCell& cell) {
    cells_[{row, column}] = cell;
    grid_->viewport()->update();
}

bool CGridControl::GetCell(int row, int column, platform::GridCell& cell) const {
    const auto found = cells_.find({row, column});
    if (found == cells_.end()) {
        return false;
    }
    cell = found->second;
    return true;
}

void CGridControl::OnClickedButtonRowCol(int row, int column) {
    // Posted, never sent: the owner handles the click after the grid has finished with the mouse.
    owner_->PostMessage(platform::Message{WM_GRID_BUTTON_CLICKED, static_cast<std::uintptr_t>(row), {},
                                          static_cast<std::intptr_t>(column)});
}
