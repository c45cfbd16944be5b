#include "base/uuid.h"

#include <sys/random.h>
#include <uuid/uuid.h>

namespace oskel {
namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string format(const std::array<std::uint8_t, 16>& bytes, const char* digits) {
  std::string out;
  out.reserve(36);
  for (int i = 0; i < 16; ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) out.push_back('-');
    out.push_back(digits[bytes[i] >> 4]);
    out.push_back(digits[bytes[i] & 0x0F]);
  }
  return out;
}

}  // namespace

Uuid Uuid::random() {
  Uuid id;
  // 16 bytes from the kernel's generator, with the version 4 and variant bits set;
  // libuuid is the fallback should getrandom be unavailable.
  if (getrandom(id.bytes_.data(), id.bytes_.size(), 0) != static_cast<ssize_t>(id.bytes_.size())) {
    uuid_generate_random(id.bytes_.data());
    return id;
  }
  id.bytes_[6] = static_cast<std::uint8_t>((id.bytes_[6] & 0x0F) | 0x40);
  id.bytes_[8] = static_cast<std::uint8_t>((id.bytes_[8] & 0x3F) | 0x80);
  return id;
}

std::optional<Uuid> Uuid::parse(std::string_view text) {
  if (text.size() != 36) return std::nullopt;
  Uuid id;
  std::size_t pos = 0;
  for (int i = 0; i < 16; ++i) {
    if (pos == 8 || pos == 13 || pos == 18 || pos == 23) {
      if (text[pos] != '-') return std::nullopt;
      ++pos;
    }
    int hi = hexValue(text[pos]);
    int lo = hexValue(text[pos + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    id.bytes_[i] = static_cast<std::uint8_t>(hi << 4 | lo);
    pos += 2;
  }
  return id;
}

std::string Uuid::upperString() const { return format(bytes_, "0123456789ABCDEF"); }
std::string Uuid::lowerString() const { return format(bytes_, "0123456789abcdef"); }

}  // namespace oskel
