#include "common/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string Describe_Failure(const std::filesystem::path &target, int error) {
  return "Cannot write \"" + target.string() + "\": " + std::strerror(error);
}

#ifndef _WIN32
// A new file gets the usual 0666 less the umask; a replaced file keeps its own mode.
mode_t Mode_For(const std::filesystem::path &target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0)
    return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool Write_All(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}
#endif

} // namespace

std::optional<std::string> Write_File_Atomically(const std::filesystem::path &target,
                                                 std::string_view bytes) {
#ifndef _WIN32
  std::string temp = target.string() + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0)
    return Describe_Failure(target, errno);
  const bool written =
      Write_All(fd, bytes) && ::fchmod(fd, Mode_For(target)) == 0 && ::fsync(fd) == 0;
  const int write_error = errno;
  if (::close(fd) != 0 || !written) {
    const int error = written ? errno : write_error;
    ::unlink(temp.c_str());
    return Describe_Failure(target, error);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Describe_Failure(target, error);
  }
  return std::nullopt;
#else
  std::filesystem::path temp = target;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
      return Describe_Failure(target, errno);
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return "Cannot write \"" + target.string() + "\": " + ec.message();
  }
  return std::nullopt;
#endif
}

std::optional<std::string> Read_Whole_File(const std::filesystem::path &path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return std::nullopt;
  try {
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
      return std::nullopt;
    return bytes;
  } catch (const std::ios_base::failure &) {
    return std::nullopt;
  }
}
