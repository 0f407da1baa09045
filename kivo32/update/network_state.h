// Whether this machine has a network: the version check fetches nothing while it has none.
#pragma once

#include <filesystem>

// True unless the system reports no network: every interface of `interfaces` other than the loopback is
// down, or there is none. A folder that cannot be read says nothing, and counts as online.
bool SystemReportsNetwork(const std::filesystem::path& interfaces);
// The same for the interfaces of this machine (/sys/class/net).
bool SystemReportsNetwork();
