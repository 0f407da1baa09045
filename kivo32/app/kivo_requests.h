// Every dialog request the program's code raises. The program answers each of them with its window; a
// new request type goes into the list.
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
