// The cloud service's demand that this version be updated, read from the error body
// {"error", "code", "updateUrl"} of any of its answers: status 426, or "code" exactly
// "update_required", together with an "updateUrl" that parses as a URL (relative
// references included, the empty string excluded). Malformed bodies yield no issue.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/notification_center.h"

namespace oskel {

class OskelServiceIssue {
 public:
  // The name of the notification that carries an issue; its payload is `payload()`.
  static constexpr const char* notification = "OskelServiceIssue";

  // The issue that an answer reports: `status` is the HTTP status, `body` the body.
  // Nothing when there is no response or no body.
  static std::optional<OskelServiceIssue> from(std::optional<std::string_view> body,
                                               std::optional<long> status);

  static OskelServiceIssue updateRequired(std::string updateUrl) {
    return OskelServiceIssue(std::move(updateUrl));
  }

  const std::string& updateUrl() const { return updateUrl_; }

  // {"update": updateUrl}: the notification's payload (a std::map<std::string, std::string>).
  std::map<std::string, std::string> payload() const { return {{"update", updateUrl_}}; }

  // Posts the notification with this issue's payload. Main thread.
  void post(const NotificationCenter& center) const;

  bool operator==(const OskelServiceIssue&) const = default;

 private:
  explicit OskelServiceIssue(std::string updateUrl) : updateUrl_(std::move(updateUrl)) {}
  std::string updateUrl_;
};

}  // namespace oskel
