// The network link error, guarded for the read thread and the session thread.
#include "shared/link/net_link_error.h"

#include <mutex>

namespace {

std::mutex g_mutex;
int g_dwNetLinkError = 0;
std::string g_strNetLinkError;

}  // namespace

void RecordNetLinkError(int code, const std::string& text) {
    std::lock_guard lock(g_mutex);
    if (g_dwNetLinkError == 0 && code != 0) {
        g_dwNetLinkError = code;
        g_strNetLinkError = text;
    }
}

void ClearNetLinkError() {
    std::lock_guard lock(g_mutex);
    g_dwNetLinkError = 0;
    g_strNetLinkError.clear();
}

int NetLinkErrorCode() {
    std::lock_guard lock(g_mutex);
    return g_dwNetLinkError;
}

std::string NetLinkErrorText() {
    std::lock_guard lock(g_mutex);
    return g_strNetLinkError;
}
