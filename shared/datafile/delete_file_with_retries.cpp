// Deleting a file that the program no longer needs.
#include "shared/datafile/delete_file_with_retries.h"

#include <system_error>

bool DeleteFileWithRetries(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    return !error;
}
