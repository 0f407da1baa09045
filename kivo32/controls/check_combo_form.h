// What a check-combo box asks of the setup form that holds it; the setup editor implements it.
#pragma once

#include <memory>
#include <string>

#include "platform/base/message_target.h"

class CCheckComboBox;

class CCheckComboForm {
public:
    virtual ~CCheckComboForm() = default;

    // The logger type code of the form's setup table, and the name of its channels ("Channel").
    virtual int LoggerType() const = 0;
    virtual std::string ChannelKindName() const = 0;

    // The alarm item's state: whether the channel of `controlId` has an alarm.
    virtual bool IsAlarmSetForControl(int controlId) = 0;
    // The peak-demand item's state: 1 yes, 0 no, negative unknown (the check stays as it is).
    virtual int IsPeakWindowChannel(int controlId) = 0;
    // A click on the alarm item and on the peak-demand item.
    virtual void ValidateChannelControl(int controlId) = 0;
    virtual void EditPeakWindowForControl(int controlId) = 0;

    // A combo's code text changed: the form's own document is modified.
    virtual void SetDocumentModified() = 0;
    // The combo whose list is open, nullptr when none.
    virtual void SetOpenCheckCombo(CCheckComboBox* combo) = 0;
    // Where the combo posts WM_CHECKCOMBO_CLOSED.
    virtual std::shared_ptr<platform::MessageTarget> MessageTarget() = 0;
};
