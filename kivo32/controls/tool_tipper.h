// CToolTipper: the tool tips of a dialog's controls from two static tables, with one tip while a control
// is enabled and, where the table gives one, another while it is disabled.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

// One row of the tip table: the text ids of the tip while the control is enabled and while it is
// disabled (0: the enabled tip serves both).
struct ToolTipTexts {
    unsigned enabledTextId;
    unsigned disabledTextId;
};

class CToolTipper {
public:
    // An id table with more entries than this stops its count here.
    static constexpr int kMaxTools = 999;

    CToolTipper() = default;
    CToolTipper(const CToolTipper&) = delete;
    CToolTipper& operator=(const CToolTipper&) = delete;

    // `controlIds` ends with 0 and `tips` with a {0, 0} row at the same place; both outlive the tipper.
    // Counts the tables (the count stops at the first row that breaks those rules, or at kMaxTools) and
    // gives each counted control of `parent` its enabled tip. The delays stay the program's.
    void Create(QWidget* parent, const int* controlIds, const ToolTipTexts* tips);

    // Gives the parent's control `controlId` the tip `text`; an empty text enables the control with the
    // table's enabled tip (EnableTool(controlId, true)). False before Create or without that control.
    bool AddTool(int controlId, const std::string& text = {});
    // Enables or disables the parent's control and shows the table's tip for that state.
    void EnableTool(int controlId, bool enable);

    // The number of counted ids.
    int ToolCount() const { return count_; }

private:
    const int* control_ids_ = nullptr;
    const ToolTipTexts* tips_ = nullptr;
    QPointer<QWidget> parent_;
    int count_ = 0;
};
