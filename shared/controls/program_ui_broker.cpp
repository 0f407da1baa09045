// The programs' UiBroker: the Qt broker, with the program's own message dialog for the boxes that ask
// for it.
#include "shared/controls/program_ui_broker.h"

#include "platform/base/program_texts.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/standard_message_box.h"
#include "shared/controls/msg_box_dlg.h"

CProgramUiBroker::CProgramUiBroker() : replaced_(platform::InstallUiBroker(this)) {}

CProgramUiBroker::~CProgramUiBroker() {
    platform::InstallUiBroker(replaced_);
}

int CProgramUiBroker::RunOwnMessageBox(const CMessageBoxIds& box) {
    // The dialog belongs to the program's active window, so that it never hides behind it.
    CMsgBoxDlg dialog(box.promptId, box.type, box.text2Id, box.buttonIds[0], box.buttonIds[1],
                      box.buttonIds[2], box.checkBoxLabelId, box.initialCheck,
                      platform::DefaultOwnerWindow());
    if (box.captionId != 0) {
        dialog.setWindowTitle(platform::ToQString(LoadText(box.captionId)));
    }
    const int answer = dialog.DoModal();
    const bool ticked = box.checkBoxLabelId != 0 && dialog.GetCheckState() == 1;
    return ticked ? static_cast<int>(static_cast<unsigned>(answer) | MSGBOX_CHECKED) : answer;
}

int CProgramUiBroker::RunOwnMessageBox(const CMessageBoxTexts& box) {
    CMsgBoxDlg dialog(box.prompt, box.type, box.text2, box.buttons[0], box.buttons[1], box.buttons[2],
                      platform::DefaultOwnerWindow());
    if (!box.caption.empty()) {
        dialog.setWindowTitle(platform::ToQString(box.caption));
    }
    return dialog.DoModal();
}
