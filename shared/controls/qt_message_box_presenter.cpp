// The message boxes that the programs install: the standard box or the own message dialog, shown on the
// user-interface thread whichever thread asks.
#include "shared/controls/qt_message_box_presenter.h"

#include "platform/base/program_texts.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/standard_message_box.h"
#include "platform/ui/ui_broker.h"
#include "shared/common/message_box.h"
#include "shared/controls/msg_box_dlg.h"

CQtMessageBoxPresenter::CQtMessageBoxPresenter() {
    SetMessageBoxPresenter(this);
}

CQtMessageBoxPresenter::~CQtMessageBoxPresenter() {
    SetMessageBoxPresenter(nullptr);
}

int CQtMessageBoxPresenter::ShowById(const CMessageBoxIds& box) {
    auto& broker = platform::CurrentUiBroker();
    if (box.useStandardBox) {
        return broker.MessageBox(LoadText(box.promptId), {}, box.type);
    }
    // The dialog belongs to the program's active window, so that it never hides behind it.
    return broker.RunDialog("CMsgBoxDlg", [&box] {
        CMsgBoxDlg dialog(box.promptId, box.type, box.text2Id, box.buttonIds[0], box.buttonIds[1],
                          box.buttonIds[2], box.checkBoxLabelId, box.initialCheck,
                          platform::DefaultOwnerWindow());
        const int answer = dialog.DoModal();
        const bool ticked = box.checkBoxLabelId != 0 && dialog.GetCheckState() == 1;
        return ticked ? static_cast<int>(static_cast<unsigned>(answer) | MSGBOX_CHECKED) : answer;
    });
}

int CQtMessageBoxPresenter::ShowText(const CMessageBoxTexts& box) {
    auto& broker = platform::CurrentUiBroker();
    if (box.useStandardBox) {
        return broker.MessageBox(box.prompt, box.caption, box.type);
    }
    return broker.RunDialog("CMsgBoxDlg", [&box] {
        CMsgBoxDlg dialog(box.prompt, box.type, box.text2, box.buttons[0], box.buttons[1], box.buttons[2],
                          platform::DefaultOwnerWindow());
        if (!box.caption.empty()) {
            dialog.setWindowTitle(platform::ToQString(box.caption));
        }
        return dialog.DoModal();
    });
}
