// The known-port array, shared by the session thread and the user interface.
#include "shared/link/known_ports.h"

#include <mutex>

namespace {

std::mutex g_mutex;
std::vector<std::string> g_knownPorts;

}  // namespace

std::vector<std::string> GetKnownPorts() {
    std::lock_guard lock(g_mutex);
    return g_knownPorts;
}

void SetKnownPorts(std::vector<std::string> entries) {
    std::lock_guard lock(g_mutex);
    g_knownPorts = std::move(entries);
}
