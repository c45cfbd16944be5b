#include "service/device_service.h"

#include <nlohmann/json.hpp>

#include <algorithm>

#include "base/json_writer.h"
#include "service/cloud_service.h"
#include "service/installation_identity.h"
#include "service/oskel_service_issue.h"

namespace oskel {

namespace {

// {"deviceToken": string}: the token, or nothing when the body does not decode.
std::optional<std::string> decodeDeviceToken(const std::string& body) {
  auto root = nlohmann::json::parse(body, nullptr, false);
  if (root.is_discarded() || !root.is_object()) return std::nullopt;
  auto it = root.find("deviceToken");
  if (it == root.end() || !it->is_string()) return std::nullopt;
  return it->get<std::string>();
}

// The token travels as "Authorization: Bearer <token>"; one with a control character (a
// line break would start a header of its own) is never sent, so keeping it would fail
// every cloud request until the settings are cleared. Such a token counts as none.
bool isUsableToken(const std::string& token) {
  return !token.empty() && std::none_of(token.begin(), token.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
}

std::string encodeDeviceRequest(const std::string& installId, const std::string& appVersion) {
  std::string out = "{\"installId\":";
  json::appendString(out, installId);
  out += ",\"appVersion\":";
  json::appendString(out, appVersion);
  out.push_back('}');
  return out;
}

}  // namespace

DeviceService::DeviceService(Dependencies dependencies) : deps_(std::move(dependencies)) {}

const std::string& DeviceService::endpoint() {
  if (!endpoint_) endpoint_ = cloud_service::endpoint(deps_.bundle, cloud_service::kRegisterPath);
  return *endpoint_;
}

void DeviceService::registerDevice(bool force, Completion completion) {
  if (force) deps_.defaults.remove(tokenKey);
  if (auto token = deps_.defaults.string(tokenKey); token && !token->empty()) {
    completion(std::move(token));
    return;
  }
  callbacks_.push_back(std::move(completion));
  if (isRegistering_) return;
  isRegistering_ = true;
  start();
}

void DeviceService::start() {
  HttpRequest request;
  request.url = endpoint();
  request.method = "POST";
  request.headers = {{"Content-Type", "application/json"}};
  request.body = encodeDeviceRequest(installation_identity::id(deps_.defaults),
                                     cloud_service::applicationVersion(deps_.bundle));
  request.timeoutSeconds = deps_.timeoutSeconds;

  std::weak_ptr<DeviceService> weak = weak_from_this();
  deps_.http.send(std::move(request), [weak](const std::optional<HttpResponse>& response) -> MainQueue::Task {
    // Network thread: read the answer; everything that touches state runs on the main queue.
    std::optional<OskelServiceIssue> issue;
    std::optional<std::string> token;
    if (response) {
      issue = OskelServiceIssue::from(response->body, response->status);
      if (!issue && response->status == 200) {
        token = decodeDeviceToken(response->body);
        if (token && !isUsableToken(*token)) token.reset();
      }
    }
    return [weak, issue, token] {
      auto self = weak.lock();
      if (!self) return;
      if (issue) issue->post(self->deps_.notifications);
      if (token) self->deps_.defaults.setString(tokenKey, *token);
      self->deliver(token);
    };
  });
}

void DeviceService::deliver(std::optional<std::string> token) {
  isRegistering_ = false;
  std::vector<Completion> waiting;
  waiting.swap(callbacks_);
  for (Completion& completion : waiting) completion(token);
}

}  // namespace oskel
