// Deleting a file that the program no longer needs.
#pragma once

#include <filesystem>

// True when the file is gone: at once when it does not exist, else when it could be removed. One try is
// enough here: an open file can always be removed, so a failure (a folder, a read-only parent folder)
// would not go away by trying again.
bool DeleteFileWithRetries(const std::filesystem::path& path);
