// The decisions of the PC setup dialog without its widgets: which port is the USB logger's, which link
// settings the connected or chosen logger generation needs, and how a folder is stored.
#pragma once

#include <string>
#include <string_view>

// The port list's entry of the logger's own USB port: its baud rate is fixed.
bool IsUsbLoggerPort(std::string_view portEntry);

// Set for the loggers of the newer protocol (type codes 13 and 14); with no logger connected, set unless
// the user asked for the settings of the older models.
bool NewProtocolFlag(int loggerType, bool olderModels);

// The text of the status label: no logger known, a logger of the newer protocol, any other model.
unsigned LoggerKindTextId(int loggerType);

// The folder as the settings keep it: without a trailing "/", though the root stays "/".
std::string StoredFolder(std::string folder);
