// Conversions between the program's UTF-8 strings and ICU's UTF-16 strings.
#pragma once

#include <string>
#include <string_view>

#include <unicode/unistr.h>

namespace oskel::text {

// Invalid UTF-8 sequences become U+FFFD.
inline icu::UnicodeString toUnicode(std::string_view s) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
}

inline std::string toUtf8(const icu::UnicodeString& u) {
  std::string out;
  u.toUTF8String(out);
  return out;
}

}  // namespace oskel::text
