#include "image/ImageFiles.h"

#include "common/AtomicFile.h"

std::optional<std::string> Write_Image_Files(const std::filesystem::path &bin_dir,
                                             const Image_Buffers &buffers) {
  const std::pair<const char *, const std::string *> files[] = {
      {Bank_File_Name, &buffers.Bank},
      {Esp32_1_File_Name, &buffers.Esp32_1},
      {Esp32_2_File_Name, &buffers.Esp32_2},
  };
  std::string reasons;
  for (const auto &[name, bytes] : files)
    if (const auto failure = Write_File_Atomically(bin_dir / name, *bytes))
      reasons += (reasons.empty() ? "" : "\n") + *failure;
  if (reasons.empty())
    return std::nullopt;
  return reasons;
}
