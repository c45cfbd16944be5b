#include "service/dravinor_keychain.h"

#include <unicode/ustring.h>

#include <vector>

namespace oskel {

namespace {

bool isValidUtf8(const std::string& bytes) {
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8(nullptr, 0, &length, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  return status == U_BUFFER_OVERFLOW_ERROR || status == U_STRING_NOT_TERMINATED_WARNING ||
         U_SUCCESS(status);
}

}  // namespace

DravinorKeychain::DravinorKeychain(Keychain& keychain, const Environment& environment)
    : keychain_(keychain),
      service_(environment.value(kServiceVariable).value_or(kDefaultService)),
      account_(kAccount) {}

std::optional<std::string> DravinorKeychain::read() const {
  KeychainItem item = keychain_.read(service_, account_);
  if (item.status != KeychainStatus::success || item.data.empty() || !isValidUtf8(item.data)) {
    return std::nullopt;
  }
  return item.data;
}

bool DravinorKeychain::save(const std::string& key) const {
  if (key.empty() || !isValidUtf8(key)) return false;
  switch (keychain_.update(service_, account_, key)) {
    case KeychainStatus::success:
      return true;
    case KeychainStatus::itemNotFound:
      return keychain_.add(service_, account_, key) == KeychainStatus::success;
    case KeychainStatus::failure:
      return false;
  }
  return false;
}

bool DravinorKeychain::remove() const {
  const KeychainStatus status = keychain_.remove(service_, account_);
  return status == KeychainStatus::success || status == KeychainStatus::itemNotFound;
}

}  // namespace oskel
