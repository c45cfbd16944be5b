#include "service/oskel_service_issue.h"

#include <nlohmann/json.hpp>

namespace oskel {

namespace {

using nlohmann::json;

bool isHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// An RFC 3986 URI reference (absolute, or relative such as "/download"): not empty,
// only characters that may appear in one, percent signs followed by two hex digits, and
// a well-formed scheme when there is one.
bool parsesAsUrl(const std::string& text) {
  if (text.empty()) return false;
  static const std::string allowed = "-._~:/?#[]@!$&'()*+,;=";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%') {
      if (i + 2 >= text.size() || !isHex(text[i + 1]) || !isHex(text[i + 2])) return false;
      i += 2;
    } else if (!isAlpha(c) && !(c >= '0' && c <= '9') && allowed.find(c) == std::string::npos) {
      return false;
    }
  }
  const std::size_t colon = text.find(':');
  const std::size_t delimiter = text.find_first_of("/?#");
  if (colon != std::string::npos && (delimiter == std::string::npos || colon < delimiter)) {
    // The text before the colon is a scheme: a letter, then letters, digits, "+", "-", ".".
    if (colon == 0 || !isAlpha(text[0])) return false;
    for (std::size_t i = 1; i < colon; ++i) {
      const char c = text[i];
      if (!isAlpha(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
    }
  }
  return true;
}

// A member of the error body: missing and null are absent; a string is read; any other
// type makes the whole body undecodable.
bool readOptionalString(const json& object, const char* key, std::optional<std::string>& out) {
  auto it = object.find(key);
  if (it == object.end() || it->is_null()) return true;
  if (!it->is_string()) return false;
  out = it->get<std::string>();
  return true;
}

}  // namespace

std::optional<OskelServiceIssue> OskelServiceIssue::from(std::optional<std::string_view> body,
                                                         std::optional<long> status) {
  if (!status || !body) return std::nullopt;
  // Without an "updateUrl" member there is no issue. A body that does not spell the name
  // out and has no escape sequence cannot hold one: skip parsing it (most answers).
  if (body->find("updateUrl") == std::string_view::npos && body->find('\\') == std::string_view::npos) {
    return std::nullopt;
  }
  json root = json::parse(body->begin(), body->end(), nullptr, false);
  if (root.is_discarded() || !root.is_object()) return std::nullopt;
  std::optional<std::string> error, code, updateUrl;
  if (!readOptionalString(root, "error", error) || !readOptionalString(root, "code", code) ||
      !readOptionalString(root, "updateUrl", updateUrl)) {
    return std::nullopt;
  }
  if (!updateUrl || !parsesAsUrl(*updateUrl)) return std::nullopt;
  if (*status == 426) return updateRequired(*updateUrl);
  if (code && *code == "update_required") return updateRequired(*updateUrl);
  return std::nullopt;
}

void OskelServiceIssue::post(const NotificationCenter& center) const {
  center.post(Notification{notification, payload()});
}

}  // namespace oskel
