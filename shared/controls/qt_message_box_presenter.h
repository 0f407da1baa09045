// The message boxes that the programs install: the standard box or the own message dialog, shown on the
// user-interface thread whichever thread asks.
#pragma once

#include "shared/common/message_box_presenter.h"

class CQtMessageBoxPresenter : public CMessageBoxPresenter {
public:
    // Installs itself for its lifetime.
    CQtMessageBoxPresenter();
    ~CQtMessageBoxPresenter() override;
    CQtMessageBoxPresenter(const CQtMessageBoxPresenter&) = delete;
    CQtMessageBoxPresenter& operator=(const CQtMessageBoxPresenter&) = delete;

    // The standard box of the prompt, or CMsgBoxDlg from the ids; a ticked check box sets the top bit
    // of the own dialog's answer, and only when a check-box label was given.
    int ShowById(const CMessageBoxIds& box) override;
    int ShowText(const CMessageBoxTexts& box) override;
};
