// Copies a file over another without ever losing the other: the copy is made beside the target, put on
// disk, and only then takes the target's name.
#pragma once

#include <filesystem>

// Throws CPSTFileException when the source cannot be read or the copy cannot be written or renamed;
// the target is then as it was and no temporary file is left.
void CopyFileOver(const std::filesystem::path& source, const std::filesystem::path& target);
