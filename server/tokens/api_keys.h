// ApiKeys: the keys accepted on the direct protocol.
//
// Read from a file with one key per line; blank lines and lines starting
// with "#" are skipped, surrounding white space removed. Only digests are
// kept, and a presented key is compared with each in constant time.
// An empty set accepts nothing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace oskel::tokens {

class ApiKeys {
 public:
  ApiKeys() = default;
  // Nothing when the file cannot be read.
  static std::optional<ApiKeys> load(const std::string& path);
  static ApiKeys fromText(std::string_view text);

  bool accepts(std::string_view key) const;
  std::size_t size() const { return digests_.size(); }

 private:
  std::vector<std::array<unsigned char, 32>> digests_;
};

}  // namespace oskel::tokens
