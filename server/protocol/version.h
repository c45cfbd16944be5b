// Application versions ("1.4.2") compared component by component as numbers.
//
// A missing or unparsable version counts as 0. Missing trailing components
// count as 0 too, so "1.2" equals "1.2.0".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace oskel::protocol {

class Version {
 public:
  // Parses "X", "X.Y", "X.Y.Z", ...: decimal components of at most 9 digits.
  // Anything else (empty, letters, "1..2", " 1.2") gives nothing.
  static std::optional<Version> parse(std::string_view text);
  // parse(), with a missing or unparsable text read as 0.
  static Version parseOrZero(std::string_view text);

  friend bool operator<(const Version& a, const Version& b) { return compare(a, b) < 0; }
  friend bool operator==(const Version& a, const Version& b) { return compare(a, b) == 0; }

 private:
  static int compare(const Version& a, const Version& b);
  std::vector<std::uint32_t> parts_;
};

}  // namespace oskel::protocol
