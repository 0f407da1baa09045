// What the shared link and logger code asks of teldrin: its settings' ports and modem line; it keeps no
// communication log and no terminal window.
#pragma once

#include "shared/common/app_context.h"
#include "teldrin/core/registry_values.h"

namespace teldrin {

class CTeldrinAppContext final : public CAppContext {
public:
    // `settings` must outlive the context.
    explicit CTeldrinAppContext(const CRegistryValues& settings) : settings_(settings) {}

    std::string GetPortName() const override { return settings_.directPort; }
    std::string GetModemLineName() const override { return settings_.modemLineName; }
    std::string GetDefaultSUTLineFreq() const override { return "Auto"; }
    CCommandLineValues GetCommandLineValues() const override { return {}; }
    void CommTrace(std::string_view) override {}
    void SendTerminalText(std::string_view) override {}

private:
    const CRegistryValues& settings_;
};

}  // namespace teldrin
