// A 128-bit identifier in the canonical 8-4-4-4-12 hexadecimal form.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace oskel {

class Uuid {
 public:
  Uuid() = default;  // the nil identifier

  // A fresh random (version 4) identifier.
  static Uuid random();

  // Parses the canonical hyphenated form, hexadecimal digits in either case.
  static std::optional<Uuid> parse(std::string_view text);

  std::string upperString() const;
  std::string lowerString() const;

  const std::array<std::uint8_t, 16>& bytes() const { return bytes_; }
  bool operator==(const Uuid&) const = default;

 private:
  std::array<std::uint8_t, 16> bytes_{};
};

}  // namespace oskel

template <>
struct std::hash<oskel::Uuid> {
  std::size_t operator()(const oskel::Uuid& id) const noexcept {
    std::uint64_t a = 0, b = 0;
    for (int i = 0; i < 8; ++i) a = (a << 8) | id.bytes()[i];
    for (int i = 8; i < 16; ++i) b = (b << 8) | id.bytes()[i];
    return static_cast<std::size_t>(a ^ (b * 0x9E3779B97F4A7C15ULL));
  }
};
