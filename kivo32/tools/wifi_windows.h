// The windows that answer the session's Wi-Fi settings and web password requests.
#pragma once

#include <functional>
#include <string>

// What the Wi-Fi windows need of the program.
struct WiFiWindowsContext {
    // Shows "WiFi Help.txt"; false when it could not be loaded.
    std::function<bool()> showHelp;
    // The module firmware version the version check offers.
    std::function<std::string()> offeredModuleVersion;
    // Ends the version check's module checks (the user declined the update).
    std::function<void()> stopModuleChecks;
};

void RegisterWiFiWindows(WiFiWindowsContext context);
