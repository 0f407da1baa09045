// CVersionCheckHost: what the version check needs of the program around it: the connected logger, the
// check's flags, the settings it leaves its findings in, and where it posts the updates it starts. The
// program implements it once for the user-interface thread and once for the session thread.
#pragma once

#include <optional>
#include <string>

namespace platform {
class MessageTarget;
}

// The connected logger as the check sees it; every read runs on the session's thread.
class CVersionCheckLogger {
public:
    struct Identity {
        int typeCode = -1;
        std::string firmwareText;
        // Linked through its Wi-Fi module, which then cannot be updated over this link.
        bool linkedThroughWiFi = false;
    };

    virtual ~CVersionCheckLogger() = default;
    virtual Identity ReadIdentity() = 0;
    // The module's firmware text, read when the logger's configuration says it has a Wi-Fi module;
    // nullopt when it has none or the configuration or the settings could not be read.
    virtual std::optional<std::string> ReadModuleFirmware() = 0;
};

class CVersionCheckHost {
public:
    virtual ~CVersionCheckHost() = default;

    // This program's version, or the "/fa=" put in its place; the firmware texts "/fd=" and "/fm=" put in
    // place of the logger's and the module's (empty when not given).
    virtual std::string ThisVersion() const = 0;
    virtual std::string FirmwareOverride() const = 0;
    virtual std::string ModuleOverride() const = 0;

    // The logger of the running session; nullptr without one.
    virtual CVersionCheckLogger* Logger() = 0;

    // Set after a firmware update: the next check runs forced and without the program check. Taking it
    // clears it.
    virtual bool TakeCheckVersionAgain() = 0;
    // The Wi-Fi module's firmware is checked too.
    virtual bool IsCheckWiFly() const = 0;
    virtual void SetCheckWiFly(bool on) = 0;

    // The settings the check leaves its findings in.
    virtual void SetLatestLogger(const std::string& model, const std::string& version) = 0;
    virtual void SetLatestModule(const std::string& model, const std::string& version) = 0;
    virtual void SetFirmwareFile(const std::string& path) = 0;

    // The start-up picture goes, so that it does not cover the check's dialog.
    virtual void HideSplash() = 0;
    // The session's Wi-Fi command is to update the module over FTP; the abort flag is cleared.
    virtual void RequestModuleUpdate() = 0;
    // Where the firmware update command (WM_COMMAND) and the module update (a thread message) go.
    virtual platform::MessageTarget* MainWindow() = 0;
    virtual platform::MessageTarget* Session() = 0;
};
