// Files that this process holds under a lock while it uses them, so that the files of killed processes
// (whose locks went with them) can be told apart and removed.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/base/unique_fd.h"

namespace platform {

// Creates `path` (read and write) only when no file has that name, and locks it. An invalid descriptor
// with errno set when that failed; EEXIST also when a cleaner held or removed the new file meanwhile.
UniqueFd CreateHeldFile(const std::filesystem::path& path);

// Removes the regular files in `folder` whose names `isOurs` accepts and that no process holds; other
// files are never touched. Returns how many went.
int RemoveUnheldFiles(const std::filesystem::path& folder,
                      const std::function<bool(std::string_view)>& isOurs);

}  // namespace platform
