// The base of the program's dialogs: modal runs with a result id, data exchange with checks, posted messages.
#pragma once

#include <QDialog>
#include <memory>

#include "platform/base/message.h"
#include "platform/base/message_target.h"

namespace platform {

class DataExchange;
class WindowMessageTarget;

class Dialog : public QDialog {
    Q_OBJECT

public:
    explicit Dialog(QWidget* parent = nullptr);
    ~Dialog() override;

    // Runs the dialog modally: OnInitDialog, then the user; returns the id it ended with (IDOK,
    // IDCANCEL, or what EndDialog was given). A dialog that ends inside OnInitDialog is never shown.
    int DoModal();
    void EndDialog(int result);

    // Fills the controls from the values (false), or the values from the controls with their checks
    // (true). False when a check failed: the user has seen why and the control has the focus.
    bool UpdateData(bool saveAndValidate = true);

    // Where other threads post messages to this dialog.
    std::shared_ptr<MessageTarget> Target() const;
    // The base ends the dialog as Cancel for WM_CLOSE and hands WM_COMMAND to OnCommand.
    virtual void OnMessage(Message& message);
    virtual bool OnCommand(unsigned id);

    // Enter and Esc: OnOK and OnCancel.
    void accept() override;
    void reject() override;

protected:
    // Before the dialog is first shown (modal or not). The base fills the controls.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& exchange);
    // OK takes the values back and ends the dialog with IDOK only when every check passed.
    virtual void OnOK();
    virtual void OnCancel();

    void showEvent(QShowEvent* event) override;

private:
    void Initialise();
    void SelectInitialEdit();

    bool initialised_ = false;
    bool ended_ = false;
    std::shared_ptr<WindowMessageTarget> target_;
};

}  // namespace platform
