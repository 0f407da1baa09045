// The values of a dialog request and the table of the windows that answer requests.
#include "platform/base/dialog_request.h"

#include <charconv>
#include <mutex>

#include "platform/base/ui_broker.h"

namespace platform {
namespace {

std::mutex g_runners_mutex;

std::map<std::string, DialogRunner>& Runners() {
    static std::map<std::string, DialogRunner> runners;
    return runners;
}

}  // namespace

std::string DialogRequest::Get(const std::string& key, const std::string& fallback) const {
    const auto found = values.find(key);
    return found == values.end() ? fallback : found->second;
}

long long DialogRequest::GetInt(const std::string& key, long long fallback) const {
    const auto found = values.find(key);
    if (found == values.end()) {
        return fallback;
    }
    long long value = 0;
    const std::string& text = found->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

void RegisterDialogRunner(const std::string& name, DialogRunner runner) {
    std::lock_guard lock(g_runners_mutex);
    Runners()[name] = std::move(runner);
}

DialogRunner FindDialogRunner(const std::string& name) {
    std::lock_guard lock(g_runners_mutex);
    const auto found = Runners().find(name);
    return found == Runners().end() ? DialogRunner() : found->second;
}

int RunDialogRequest(DialogRequest& request) {
    return CurrentUiBroker().RunRequest(request);
}

}  // namespace platform
