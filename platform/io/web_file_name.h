// Where a file named by a web page goes: a plain file name inside a chosen folder, never a path.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// Whether `name` names a file and nothing more: not empty, not "." or "..", no "/" or "\", no NUL.
bool IsPlainFileName(std::string_view name);

// `folder` / `name` when `name` is a plain file name; nullopt otherwise.
std::optional<std::filesystem::path> WebFileInFolder(const std::filesystem::path& folder,
                                                     std::string_view name);
