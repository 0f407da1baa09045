// The program's reference pictures by resource id: files "<id>.<type>" ("221.gif") in the pictures
// folder beside the program, in ../share/kivo/pictures, or in the folder a test sets.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// An empty folder goes back to the folders beside the program.
void SetPictureResourceFolder(const std::filesystem::path& folder);
// The bytes of picture `id` of `type` ("GIF"), nullopt when there is none.
std::optional<std::vector<std::uint8_t>> LoadPictureResource(unsigned id, std::string_view type);
