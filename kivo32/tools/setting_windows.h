// The windows that answer the session's requests for the logger's settings, its stored setups and its
// properties report.
#pragma once

// Registers the runners of SetTimeRequest, SetBaudRequest, SetDescriptionRequest,
// SetModemStringRequest, LoggerSetupListRequest and LoggerPropertiesRequest.
void RegisterSettingWindows();
