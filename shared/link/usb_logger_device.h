// The USB serial device of the loggers that connect by USB, by udev's vendor and product ids.
#pragma once

inline constexpr const char* kUsbLoggerVendor = "03eb";
inline constexpr const char* kUsbLoggerProduct = "6119";
