// Whether this machine has a network, from the states the kernel gives its interfaces.
#include "kivo32/update/network_state.h"

#include <fstream>
#include <string>
#include <system_error>

bool SystemReportsNetwork(const std::filesystem::path& interfaces) {
    std::error_code error;
    std::filesystem::directory_iterator entry(interfaces, error);
    if (error) {
        return true;
    }
    for (const std::filesystem::directory_iterator end; entry != end; entry.increment(error)) {
        if (error) {
            return true;
        }
        if (entry->path().filename() == "lo") {
            continue;
        }
        std::ifstream stateFile(entry->path() / "operstate");
        std::string state;
        // "unknown" is what many links that carry traffic say (tunnels, some drivers).
        if (!stateFile || !std::getline(stateFile, state) || state != "down") {
            return true;
        }
    }
    return false;
}

bool SystemReportsNetwork() {
    return SystemReportsNetwork("/sys/class/net");
}
