// The process-wide application context and the defaults that stand in before one is installed.
#include "shared/common/app_context.h"

#include "shared/common/program_date_formats.h"

namespace {

// What code without an application sees: nothing connected and the program's formats.
class CDefaultAppContext : public CAppContext {
public:
    std::string GetPortName() const override { return {}; }
    std::string GetDefaultSUTLineFreq() const override { return {}; }
    CCommandLineValues GetCommandLineValues() const override { return {}; }
    void CommTrace(std::string_view) override {}
    void SendTerminalText(std::string_view) override {}
};

std::atomic<CAppContext*> g_context{nullptr};

}  // namespace

CAppContext::~CAppContext() = default;

std::string CAppContext::GetShortDateFormat() const {
    return GetProgramShortDateFormat();
}

int CAppContext::GetDateOrder() const {
    return GetProgramDateOrder();
}

std::string CAppContext::GetTimeFormat() const {
    return GetProgramTimeFormat();
}

std::vector<std::string> CAppContext::GetKnownPorts() const {
    std::lock_guard lock(known_ports_mutex_);
    return known_ports_;
}

void CAppContext::SetKnownPorts(std::vector<std::string> entries) {
    std::lock_guard lock(known_ports_mutex_);
    known_ports_ = std::move(entries);
}

CAppContext& GetAppContext() {
    static CDefaultAppContext defaults;
    CAppContext* context = g_context.load();
    return context != nullptr ? *context : defaults;
}

void SetAppContext(CAppContext* context) {
    g_context.store(context);
}
