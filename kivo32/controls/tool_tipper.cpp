// CToolTipper: the tool tips of a dialog's controls from an id table and a tip table.
#include "kivo32/controls/tool_tipper.h"

#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"

namespace {

// The ids before the first row that breaks the tables' rules: an id without an enabled tip, an end of
// the id table without the tips' closing {0, 0} row, or more ids than the limit.
int CountTools(const int* controlIds, const ToolTipTexts* tips) {
    if (controlIds == nullptr || tips == nullptr) {
        return 0;
    }
    int count = 0;
    while (count < CToolTipper::kMaxTools && controlIds[count] != 0 && tips[count].enabledTextId != 0) {
        ++count;
    }
    return count;
}

}  // namespace

void CToolTipper::Create(QWidget* parent, const int* controlIds, const ToolTipTexts* tips) {
    parent_ = parent;
    control_ids_ = controlIds;
    tips_ = tips;
    count_ = CountTools(controlIds, tips);
    for (int index = 0; index < count_; ++index) {
        AddTool(control_ids_[index]);
    }
}

bool CToolTipper::AddTool(int controlId, const std::string& text) {
    if (parent_ == nullptr) {
        return false;
    }
    QWidget* control = platform::FindControl(parent_, controlId);
    if (control == nullptr) {
        return false;
    }
    control->setToolTip(platform::ToQString(text));
    if (text.empty()) {
        EnableTool(controlId, true);
    }
    return true;
}

void CToolTipper::EnableTool(int controlId, bool enable) {
    QWidget* control = parent_ != nullptr ? platform::FindControl(parent_, controlId) : nullptr;
    if (control == nullptr) {
        return;
    }
    control->setEnabled(enable);
    for (int index = 0; index < count_; ++index) {
        if (control_ids_[index] == controlId) {
            const ToolTipTexts& tip = tips_[index];
            const unsigned textId = !enable && tip.disabledTextId != 0 ? tip.disabledTextId : tip.enabledTextId;
            control->setToolTip(platform::ToQString(LoadText(textId)));
            return;
        }
    }
}
