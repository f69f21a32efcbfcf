#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Writes `bytes` to a temporary file in the target's folder and renames it over the target, so a
// failed or interrupted write never leaves a truncated file behind: the old file stays as it was.
// Returns the system's reason on failure, nothing on success.
std::optional<std::string> Write_File_Atomically(const std::filesystem::path &target,
                                                 std::string_view bytes);

// Reads a whole file. Returns nothing when it cannot be opened or read.
std::optional<std::string> Read_Whole_File(const std::filesystem::path &path);
