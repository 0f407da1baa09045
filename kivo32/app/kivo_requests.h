// Every dialog request the program's code raises, and those whose window is not built yet. The program
// answers each request of the first list: with its window, or, while the window is not built, with
// the status text that says so (requests_not_built.h). A new request type goes into the first list.
#pragma once

#include "kivo32/app/command_requests.h"
#include "kivo32/session/calibration_requests.h"
#include "kivo32/session/setting_requests.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/update/update_requests.h"
#include "platform/base/dialog_request.h"
#include "shared/common/open_with_desktop_request.h"
#include "shared/logger/data_recovery_prompt.h"
#include "shared/loggerlist/logger_list_io.h"

using KivoRequests = platform::RequestList<
    // The application's commands and the version check.
    ConnectionTypeSelectionRequest, ModemManDialRequest, NetworkAddressRequest, DataFileSaveRequest,
    UpdateCheckRequest, GetWebFileRequest, OpenWithDesktopRequest,
    // Downloads.
    DataRecoveryRequest, TimedNoticeRequest,
    // The logger's settings.
    SetTimeRequest, SetBaudRequest, SetDescriptionRequest, SetModemStringRequest, SetScalarsRequest,
    SetLoggerIdsRequest, CallScheduleRequest, WebPasswordRequest, SetNetworkInfoRequest, SetWiFiInfoRequest,
    // The logger's windows.
    LoggerPropertiesRequest, LoggerSetupListRequest, HarmonicsRequest, CalAmpScalarRequest,
    CalVoltTempScalarRequest, RealTimeSelectionRequest, RealTimeWindowRequest,
    // Production calibration.
    TechNameRequest, AutoCalibrationRequest,
    // Logger lists.
    LoggerListMessageRequest>;

using KivoRequestsNotBuiltYet =
    platform::RequestList<>;

static_assert(KivoRequests::Holds<KivoRequestsNotBuiltYet>(),
              "a request marked not built is not in the list");

// Whether the window of `Request` is not built yet.
template <class Request>
constexpr bool WindowNotBuiltYet() {
    static_assert(KivoRequests::Contains<Request>(), "the request is not in the program's list");
    return KivoRequestsNotBuiltYet::Contains<Request>();
}
