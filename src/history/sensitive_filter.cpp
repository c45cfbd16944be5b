#include "history/sensitive_filter.h"

#include <memory>
#include <string>

#include <unicode/regex.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "base/icu_string.h"
#include "base/text.h"

namespace oskel {
namespace {

// Rule 1: without spaces and hyphen-minus signs the text is 13 to 19 decimal digits
// (any script's digits, as \d is) and nothing else.
bool isCardLike(std::string_view text) {
  const auto* p = reinterpret_cast<const uint8_t*>(text.data());
  const int32_t n = static_cast<int32_t>(text.size());
  int digits = 0;
  for (int32_t i = 0; i < n;) {
    UChar32 c;
    U8_NEXT(p, i, n, c);
    if (c == ' ' || c == '-') continue;
    if (c < 0 || u_charType(c) != U_DECIMAL_DIGIT_NUMBER) return false;
    if (++digits > 19) return false;
  }
  return digits >= 13;
}

const icu::RegexPattern* numberPattern() {
  static const icu::RegexPattern* pattern = [] {
    UErrorCode status = U_ZERO_ERROR;
    UParseError error;
    icu::RegexPattern* p =
        icu::RegexPattern::compile(icu::UnicodeString(u"\\b\\d{3}-\\d{2}-\\d{4}\\b"), 0, error, status);
    return U_SUCCESS(status) ? p : nullptr;
  }();
  return pattern;
}

bool containsNumber(std::string_view text) {
  // Every match needs two hyphens: skip the regex for texts without them.
  if (text.find('-') == std::string_view::npos) return false;
  const icu::RegexPattern* pattern = numberPattern();
  if (pattern == nullptr) return false;
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString input = text::toUnicode(text);
  std::unique_ptr<icu::RegexMatcher> matcher(pattern->matcher(input, status));
  if (U_FAILURE(status)) return false;
  const bool found = matcher->find(0, status);
  return U_SUCCESS(status) && found;
}

bool containsKeyMarker(std::string_view text) {
  return text::lowercased(text).find("begin private key") != std::string::npos;
}

}  // namespace

bool looksSensitive(std::string_view text) {
  return isCardLike(text) || containsNumber(text) || containsKeyMarker(text);
}

}  // namespace oskel
