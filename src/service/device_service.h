// The cloud device token: obtained by registering this installation with the cloud
// service, kept under "oskel.deviceToken" (never empty, never holding a control character,
// which could not be sent in a header), and handed to every caller,
// with at most one registration request in flight however many callers ask.
//
// register(force, completion) calls the completion exactly once: at once, before it
// returns, with the stored token when there is one; otherwise on the main queue with the
// token a registration produced, or nothing. Callers that arrive while a registration is
// in flight join it and are answered in call order. force removes the stored token first.
//
// An answer that reports a service issue posts the "OskelServiceIssue" notification and
// yields no token. Main thread only; create with std::make_shared (requests in flight
// hold the service weakly and are dropped once it is gone).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/http_client.h"
#include "base/notification_center.h"
#include "platform/bundle_info.h"
#include "platform/defaults.h"
#include "platform/main_queue.h"

namespace oskel {

class DeviceService : public std::enable_shared_from_this<DeviceService> {
 public:
  using Completion = std::function<void(std::optional<std::string>)>;
  static constexpr const char* tokenKey = "oskel.deviceToken";
  static constexpr double kTimeoutSeconds = 10;

  struct Dependencies {
    MainQueue& mainQueue;
    HttpClient& http;
    Defaults& defaults;
    const BundleInfo& bundle;
    const NotificationCenter& notifications;
    double timeoutSeconds = kTimeoutSeconds;
  };

  explicit DeviceService(Dependencies dependencies);

  void registerDevice(bool force, Completion completion);

  // The registration URL: base address + "/v1/device/register", fixed on first use.
  const std::string& endpoint();

  // Whether a registration request is in flight.
  bool isRegistering() const { return isRegistering_; }

 private:
  void start();
  void deliver(std::optional<std::string> token);

  Dependencies deps_;
  std::optional<std::string> endpoint_;
  std::vector<Completion> callbacks_;
  bool isRegistering_ = false;
};

}  // namespace oskel
