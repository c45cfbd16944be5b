#include "base/files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oskel::files {
namespace {

bool writeAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

void syncDirectory(const Path& dir) {
  int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> read(const Path& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string out;
  struct stat st{};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) out.reserve(static_cast<std::size_t>(st.st_size));
  else if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return out;
}

bool writeAtomically(const Path& path, std::string_view bytes, mode_t mode) {
  const Path dir = path.parent_path();
  std::string name = path.filename().string();
  name.insert(0, 1, '.');
  name.append(".XXXXXX");
  std::string temp = (dir / name).string();
  int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok && ::rename(temp.c_str(), path.c_str()) == 0) {
    syncDirectory(dir);
    return true;
  }
  ::unlink(temp.c_str());
  return false;
}

bool createDirectories(const Path& path, mode_t mode) {
  if (path.empty()) return false;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return true;
  const Path parent = path.parent_path();
  if (!parent.empty() && parent != path && !createDirectories(parent, mode)) return false;
  if (::mkdir(path.c_str(), mode) != 0 && errno != EEXIST) return false;
  return std::filesystem::is_directory(path, ec);
}

bool appendToExisting(const Path& path, std::string_view bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes);
  return (::close(fd) == 0) && ok;
}

bool isRegularFile(const Path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool exists(const Path& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

bool remove(const Path& path) { return ::unlink(path.c_str()) == 0; }

bool rename(const Path& from, const Path& to) { return ::rename(from.c_str(), to.c_str()) == 0; }

}  // namespace oskel::files
