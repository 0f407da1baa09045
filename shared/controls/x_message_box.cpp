// The extended message box: more button sets, custom buttons, a "do not ask again" check box whose answer
// can be remembered, a count-down, a disabled period, copying with Ctrl+C.
#include "shared/controls/x_message_box.h"

#include <QApplication>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"
#include "shared/controls/remembered_answers.h"
#include "shared/controls/x_message_box_dialog.h"

int XMessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned style,
                const XMessageBoxParams* params) {
    const bool remembers = XMessageBoxCheckBit(style) != 0 && params != nullptr && !params->keyText.empty();
    const std::string valueName =
        remembers ? XMessageBoxValueName(params->keyText, params->keyNumber) : std::string();
    if (remembers) {
        const auto remembered = ReadRememberedAnswer(params->companyName, valueName);
        if (remembered && (*remembered & MB_CHECKBOXMASK) != 0) {
            return static_cast<int>(*remembered);
        }
    }
    // A system-modal stop or exclamation box is the system's own.
    if ((style & MB_SYSTEMMODAL) != 0 && (style & MB_ICONHAND) != 0) {
        return platform::CurrentUiBroker().MessageBox(text, caption.empty() ? "Error" : caption, style);
    }
    const int answer = platform::CurrentUiBroker().RunDialog("XMessageBox", [&] {
        if ((style & MB_NOSOUND) == 0) {
            QApplication::beep();
        }
        XMessageBoxDialog dialog(owner, text, caption, style, params);
        return dialog.Run();
    });
    if (remembers && (static_cast<unsigned>(answer) & MB_CHECKBOXMASK) != 0) {
        WriteRememberedAnswer(params->companyName, valueName, static_cast<unsigned>(answer));
    }
    return answer;
}

int XMessageBoxFromID(unsigned textId, unsigned style, const XMessageBoxParams* params) {
    return XMessageBox(nullptr, LoadText(textId),
                       platform::FromQString(QGuiApplication::applicationDisplayName()), style, params);
}
