#include "base/json_writer.h"

#include <charconv>
#include <cmath>

#include <unicode/utf8.h>

namespace oskel::json {

void appendString(std::string& out, std::string_view s) {
  static constexpr char kHex[] = "0123456789abcdef";
  out.push_back('"');
  const auto* p = reinterpret_cast<const uint8_t*>(s.data());
  const int32_t n = static_cast<int32_t>(s.size());
  int32_t i = 0;
  while (i < n) {
    const uint8_t b = p[i];
    if (b < 0x80) {
      ++i;
      switch (b) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
          if (b < 0x20) {
            out += "\\u00";
            out.push_back(kHex[b >> 4]);
            out.push_back(kHex[b & 0xF]);
          } else {
            out.push_back(static_cast<char>(b));
          }
      }
      continue;
    }
    const int32_t start = i;
    UChar32 c;
    U8_NEXT(p, i, n, c);
    if (c < 0) out += "\xEF\xBF\xBD";
    else out.append(s.data() + start, static_cast<std::size_t>(i - start));
  }
  out.push_back('"');
}

void appendDouble(std::string& out, double value) {
  if (!std::isfinite(value)) value = 0;
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string_view digits(buffer, static_cast<std::size_t>(result.ptr - buffer));
  out += digits;
  // Keep integral values recognisable as doubles ("-0.0" must not read back as 0).
  if (digits.find_first_of(".e") == std::string_view::npos) out += ".0";
}

void appendInteger(std::string& out, long long value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

}  // namespace oskel::json
