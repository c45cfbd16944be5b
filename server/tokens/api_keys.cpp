#include "tokens/api_keys.h"

#include <fstream>
#include <sstream>

#include <openssl/crypto.h>
#include <openssl/sha.h>

namespace oskel::tokens {
namespace {

std::array<unsigned char, 32> digest(std::string_view text) {
  std::array<unsigned char, 32> out{};
  SHA256(reinterpret_cast<const unsigned char*>(text.data()), text.size(), out.data());
  return out;
}

std::string_view trim(std::string_view text) {
  auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<ApiKeys> ApiKeys::load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return fromText(content.str());
}

ApiKeys ApiKeys::fromText(std::string_view text) {
  ApiKeys keys;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    std::string_view line = trim(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (!line.empty() && line.front() != '#') keys.digests_.push_back(digest(line));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return keys;
}

bool ApiKeys::accepts(std::string_view key) const {
  if (key.empty()) return false;
  std::array<unsigned char, 32> presented = digest(key);
  bool found = false;
  for (const auto& d : digests_) {
    found |= CRYPTO_memcmp(d.data(), presented.data(), d.size()) == 0;
  }
  return found;
}

}  // namespace oskel::tokens
