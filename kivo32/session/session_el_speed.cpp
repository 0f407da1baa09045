// The program's session: the handlers that change the speed of the logger's link, to the user's choice
// or to the stored default speed.
#include <string>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"

namespace {

constexpr int kFastestSpeed = 57600;
// The Nimbo firmware that first runs at the fastest speed.
constexpr int kFirstFastNimboFirmware = 102;
// The type codes whose firmware before that cannot.
bool MayLackFastestSpeed(int typeCode) {
    return (typeCode >= 3 && typeCode <= 6) || typeCode == 10;
}

}  // namespace

bool CSessionEL::SpeedAllowed(int speed) const {
    if (speed == kFastestSpeed && MayLackFastestSpeed(GetLoggerType()) &&
        GetFirmwareVersion() < kFirstFastNimboFirmware) {
        ShowMessageBoxId(IDS_SPEED_NOT_SUPPORTED, MB_OK, true);
        return false;
    }
    return true;
}

bool CSessionEL::ChangeSpeed(int speed) {
    PostStatus(STATUS_TEXT, platform::FormatLoadedText(IDS_CHANGING_SPEED, {std::to_string(speed)}));
    if (!logger_ || !logger_->SetBaudRate(speed)) {
        ShowMessageBoxId(IDS_CHANGE_SPEED_FAILED, MB_OK, true);
        return false;
    }
    CConnection& connection = *GetConnection();
    PostStatus(STATUS_LINK_SPEED, GetLinkKind() == kLinkDirect ? std::to_string(speed)
                                                               : std::to_string(connection.GetConnectRate()) +
                                                                     "/" + std::to_string(speed));
    connection.SetBaudRate(speed);
    PostStatus(STATUS_TEXT, platform::FormatLoadedText(IDS_SPEED_CHANGED, {std::to_string(speed)}));
    return true;
}

void CSessionEL::OnSetBaudRate() {
    const CommandScope scope(*this);
    if (!logger_) {
        return;
    }
    const int current = GetConnection()->GetBaudRate();
    SetBaudRequest request{
        .speed = current, .logger = NamingOfLogger(), .modem = GetLinkKind() == kLinkModem};
    const int speed = RunDialog(request) == IDOK ? request.speed : current;
    if (speed == current) {
        return;
    }
    if (GetLinkKind() == kLinkModem &&
        Ask(IDS_CONFIRM_MODEM_SPEED, IDS_CONFIRM_MODEM_SPEED_TITLE, IDS_CHANGE_SPEED_BUTTON,
            IDS_KEEP_SPEED_BUTTON) != IDC_MSGBOX_BUTTON1) {
        return;
    }
    if (SpeedAllowed(speed) && ChangeSpeed(speed)) {
        OfferSaveBaud(speed);
    }
}

void CSessionEL::OnSyncBaudRate() {
    const CommandScope scope(*this);
    if (GetLoggerType() >= 13 || GetLinkKind() == kLinkNone || GetLinkKind() == kLinkModem) {
        return;
    }
    const int stored = owner_.GetStoredBaud(kLinkDirect);
    const int current = GetConnection()->GetBaudRate();
    if (!logger_ || stored == current || !SpeedAllowed(stored)) {
        return;
    }
    const int answer = ShowMessageBox(platform::FormatLoadedText(IDS_KEEP_SPEED, {std::to_string(current)}),
                                      MB_ICONQUESTION, false, {}, LoadText(IDS_MATCH_STORED_SPEED_BUTTON),
                                      LoadText(IDS_KEEP_SPEED_NO), LoadText(IDS_KEEP_SPEED_CANCEL));
    if (MessageBoxButton(answer) == IDC_MSGBOX_BUTTON1) {
        ChangeSpeed(stored);
    }
}
