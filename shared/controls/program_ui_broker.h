// The programs' UiBroker: the Qt broker, with the program's own message dialog for the boxes that ask
// for it.
#pragma once

#include "platform/ui/qt_ui_broker.h"

class CProgramUiBroker : public platform::QtUiBroker {
public:
    // Installs itself for its lifetime and then puts back the broker it replaced.
    CProgramUiBroker();
    ~CProgramUiBroker() override;
    CProgramUiBroker(const CProgramUiBroker&) = delete;
    CProgramUiBroker& operator=(const CProgramUiBroker&) = delete;

protected:
    // CMsgBoxDlg from the ids; a ticked check box sets the top bit of the answer, and only when a
    // check-box label was given.
    int RunOwnMessageBox(const CMessageBoxIds& box) override;
    int RunOwnMessageBox(const CMessageBoxTexts& box) override;

private:
    platform::UiBroker* replaced_ = nullptr;
};
