#include "common/ExecutableDir.h"

#ifdef _WIN32
#include <windows.h>
#endif

std::filesystem::path Executable_Dir() {
#ifdef _WIN32
  wchar_t buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
  return std::filesystem::path(std::wstring(buffer, length)).parent_path();
#else
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec)
    return std::filesystem::current_path(ec);
  return exe.parent_path();
#endif
}
