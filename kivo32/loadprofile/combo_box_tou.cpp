// CComboBoxTOU and the load profile's three drop-down lists.
#include "kivo32/loadprofile/combo_box_tou.h"

#include <array>

#include "kivo32/loadprofile/load_profile_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"

namespace {

constexpr std::array<ComboEntry, 2> kPresentations{
    {{ID_LOAD_PROFILE_TABLE, IDS_LP_TABLE}, {ID_LOAD_PROFILE_GRAPH, IDS_LP_GRAPH}}};
constexpr std::array<ComboEntry, 2> kPeriods{{{0, IDS_LP_DAILY}, {1, IDS_LP_WEEKLY}}};
constexpr std::array<ComboEntry, 3> kDays{
    {{0, IDS_LP_ALL_DAYS}, {1, IDS_LP_WEEKDAYS}, {2, IDS_LP_WEEKEND_DAYS}}};

}  // namespace

CComboBoxTOU::CComboBoxTOU(std::span<const ComboEntry> entries, unsigned reportId, QWidget* parent)
    : QComboBox(parent), entries_(entries), report_id_(reportId) {
    // Only a choice of the user's is reported, not a value selected by the program.
    connect(this, &QComboBox::activated, this, &CComboBoxTOU::ReportSelection);
}

void CComboBoxTOU::Fill() {
    if (filled_) {
        return;
    }
    filled_ = true;
    clear();
    for (const ComboEntry& entry : entries_) {
        addItem(platform::ToQString(LoadText(entry.textId)));
    }
    setCurrentIndex(-1);
}

int CComboBoxTOU::FindIndex(int value) const {
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        if (entries_[index].value == value) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

bool CComboBoxTOU::SelectValue(int value) {
    Fill();
    const int index = FindIndex(value);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    return true;
}

int CComboBoxTOU::GetSelectedValue() const {
    const int index = currentIndex();
    return index >= 0 && index < static_cast<int>(entries_.size())
               ? entries_[static_cast<std::size_t>(index)].value
               : -1;
}

void CComboBoxTOU::ReportSelection(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) || !bar_) {
        return;
    }
    bar_->PostMessage(platform::Message(WM_LP_COMBO_CHOICE, report_id_, nullptr,
                                        entries_[static_cast<std::size_t>(index)].value));
}

CComboBoxAnalysis::CComboBoxAnalysis(QWidget* parent)
    : CComboBoxTOU(kPresentations, WM_LP_PRESENTATION_COMMAND, parent) {
    platform::SetControlId(this, IDC_COMBO_PRESENTATION);
}

CComboBoxPeriodLP::CComboBoxPeriodLP(QWidget* parent) : CComboBoxTOU(kPeriods, WM_LP_PERIOD, parent) {
    platform::SetControlId(this, IDC_COMBO_PERIOD);
}

CComboBoxDaysLP::CComboBoxDaysLP(QWidget* parent) : CComboBoxTOU(kDays, WM_LP_DAYS, parent) {
    platform::SetControlId(this, IDC_COMBO_DAYS);
}
