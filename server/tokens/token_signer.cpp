#include "tokens/token_signer.h"

#include <array>
#include <vector>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/sha.h>

namespace oskel::tokens {
namespace {

constexpr std::int64_t kClockSkew = 300;
constexpr std::string_view kVersion = "v1";

std::string base64Url(const unsigned char* data, std::size_t size) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  std::string out;
  std::size_t i = 0;
  for (; i + 2 < size; i += 3) {
    unsigned v = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  if (i + 1 == size) {
    unsigned v = data[i] << 16;
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
  } else if (i + 2 == size) {
    unsigned v = (data[i] << 16) | (data[i + 1] << 8);
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
  }
  return out;
}

bool isUuid(std::string_view text) {
  if (text.size() != 36) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    bool dash = i == 8 || i == 13 || i == 18 || i == 23;
    if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) break;
    start = at + 1;
  }
  return parts;
}

}  // namespace

TokenSigner::TokenSigner(std::string secret, std::int64_t lifetimeSeconds)
    : secret_(std::move(secret)), lifetime_(lifetimeSeconds) {
  std::string material = "oskel-answerd key id\n" + secret_;
  std::array<unsigned char, SHA256_DIGEST_LENGTH> digest{};
  SHA256(reinterpret_cast<const unsigned char*>(material.data()), material.size(), digest.data());
  static constexpr char kHex[] = "0123456789abcdef";
  for (int i = 0; i < 4; ++i) {
    keyId_ += kHex[digest[i] >> 4];
    keyId_ += kHex[digest[i] & 15];
  }
}

std::string TokenSigner::sign(std::string_view payload) const {
  std::array<unsigned char, EVP_MAX_MD_SIZE> mac{};
  unsigned int length = 0;
  HMAC(EVP_sha256(), secret_.data(), static_cast<int>(secret_.size()),
       reinterpret_cast<const unsigned char*>(payload.data()), payload.size(), mac.data(), &length);
  return base64Url(mac.data(), length);
}

std::string TokenSigner::issue(std::string_view installId, std::int64_t nowSeconds) const {
  std::string payload = std::string(kVersion) + "." + keyId_ + "." + std::to_string(nowSeconds) + "." +
                        std::string(installId);
  return payload + "." + sign(payload);
}

VerifiedToken TokenSigner::verify(std::string_view token, std::int64_t nowSeconds) const {
  VerifiedToken result;
  if (token.size() > 256) return result;
  std::vector<std::string_view> parts = split(token, '.');
  if (parts.size() != 5 || parts[0] != kVersion || !isUuid(parts[3])) return result;
  std::string_view issued = parts[2];
  if (issued.empty() || issued.size() > 12) return result;
  std::int64_t issuedAt = 0;
  for (char c : issued) {
    if (c < '0' || c > '9') return result;
    issuedAt = issuedAt * 10 + (c - '0');
  }
  if (parts[1] != keyId_) {
    result.check = TokenCheck::kWrongKey;
    return result;
  }
  std::string_view payload = token.substr(0, token.size() - parts[4].size() - 1);
  std::string expected = sign(payload);
  if (parts[4].size() != expected.size() || CRYPTO_memcmp(parts[4].data(), expected.data(), expected.size()) != 0) {
    result.check = TokenCheck::kForged;
    return result;
  }
  if (issuedAt > nowSeconds + kClockSkew) {
    result.check = TokenCheck::kForged;
    return result;
  }
  if (lifetime_ > 0 && nowSeconds - issuedAt > lifetime_) {
    result.check = TokenCheck::kExpired;
    return result;
  }
  result.check = TokenCheck::kValid;
  result.installId = std::string(parts[3]);
  return result;
}

}  // namespace oskel::tokens
