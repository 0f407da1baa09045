// CDialogBarLP: the load-profile window's bar of lists.
#include "kivo32/loadprofile/dialog_bar_lp.h"

#include <QHBoxLayout>

#include "kivo32/analysis/parameters_for_view.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/window_message_target.h"

CDialogBarLP::CDialogBarLP(QWidget* parent) : QWidget(parent) {
    platform::SetControlId(this, IDC_DIALOG_BAR_LP);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    for (CComboBoxTOU* combo : {static_cast<CComboBoxTOU*>(&presentation_),
                                static_cast<CComboBoxTOU*>(&period_), static_cast<CComboBoxTOU*>(&days_)}) {
        combo->setParent(this);
        layout->addWidget(combo);
    }
    layout->addStretch(1);
    target_ = platform::WindowMessageTarget::Create(
        this, [this](platform::Message& message) { OnMessage(message); });
    for (CComboBoxTOU* combo : {static_cast<CComboBoxTOU*>(&presentation_),
                                static_cast<CComboBoxTOU*>(&period_), static_cast<CComboBoxTOU*>(&days_)}) {
        combo->SetBar(target_);
    }
    presentation_.Fill();
    period_.SelectValue(0);
    days_.SelectValue(0);
}

void CDialogBarLP::SyncCombos(const CParametersForView& parameters) {
    period_.SelectValue(parameters.m_nPeriodType);
    days_.SelectValue(parameters.m_nDayFilterType);
}

void CDialogBarLP::SelectPresentation(unsigned command) {
    presentation_.SelectValue(static_cast<int>(command));
}

void CDialogBarLP::OnMessage(platform::Message& message) {
    if (message.id == WM_LP_COMBO_CHOICE && frame_) {
        frame_->PostMessage(platform::Message(static_cast<unsigned>(message.wParam),
                                              static_cast<std::uintptr_t>(message.lParam)));
    }
}
