#include "tokens/secret_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <openssl/rand.h>

namespace oskel::tokens {
namespace {

constexpr std::size_t kMinSecret = 32;
constexpr std::size_t kMaxSecret = 4096;

std::string trimmed(std::string text) {
  auto space = [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; };
  while (!text.empty() && space(text.back())) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && space(text[start])) ++start;
  return text.substr(start);
}

SecretOutcome readSecret(const std::string& path) {
  SecretOutcome out;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    out.error = "cannot open secret file " + path + ": " + std::strerror(errno);
    return out;
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && (info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    out.warning = "secret file " + path + " is accessible to other users; chmod 600 it";
  }
  std::string data;
  char buffer[1024];
  ssize_t n = 0;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0 && data.size() <= kMaxSecret) data.append(buffer, static_cast<std::size_t>(n));
  ::close(fd);
  if (n < 0) {
    out.error = "cannot read secret file " + path;
    return out;
  }
  data = trimmed(std::move(data));
  if (data.size() < kMinSecret || data.size() > kMaxSecret) {
    out.error = "secret file " + path + " must hold 32 to 4096 bytes";
    return out;
  }
  out.secret = std::move(data);
  return out;
}

}  // namespace

SecretOutcome loadOrCreateSecret(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    if (errno == EEXIST) return readSecret(path);
    SecretOutcome out;
    out.error = "cannot create secret file " + path + ": " + std::strerror(errno);
    return out;
  }
  unsigned char random[32];
  SecretOutcome out;
  if (RAND_bytes(random, sizeof random) != 1) {
    ::close(fd);
    ::unlink(path.c_str());
    out.error = "no random bytes for a new secret";
    return out;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string secret;
  for (unsigned char b : random) {
    secret += kHex[b >> 4];
    secret += kHex[b & 15];
  }
  std::string line = secret + "\n";
  bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size()) && ::fsync(fd) == 0;
  ::close(fd);
  if (!written) {
    ::unlink(path.c_str());
    out.error = "cannot write secret file " + path;
    return out;
  }
  out.secret = std::move(secret);
  out.created = true;
  return out;
}

}  // namespace oskel::tokens
