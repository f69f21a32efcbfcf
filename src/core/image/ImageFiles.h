#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "image/ImageSerialise.h"

inline constexpr const char *Bank_File_Name = "bank.bin";
inline constexpr const char *Esp32_1_File_Name = "bank_ESP32_1.bin";
inline constexpr const char *Esp32_2_File_Name = "bank_ESP32_2.bin";

// Writes bank.bin, bank_ESP32_1.bin and bank_ESP32_2.bin, in this order, into `bin_dir`. Each
// file is replaced atomically: it holds either its old or its new bytes, never part of them. A
// file that cannot be written is left as it was and the others are still written. Returns the
// system's reasons, one line per failed file, or nothing when all three were written.
std::optional<std::string> Write_Image_Files(const std::filesystem::path &bin_dir,
                                             const Image_Buffers &buffers);
