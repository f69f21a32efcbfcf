#pragma once
#include <filesystem>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  const std::filesystem::path &Path() const { return path_; }
  std::filesystem::path operator/(const std::string &name) const { return path_ / name; }
  // Writes a file below the folder (parents created) and returns its path.
  std::filesystem::path Write(const std::string &name, const std::string &bytes) const;

private:
  std::filesystem::path path_;
};
