// AnswerServer: the HTTP face of the answer service.
//
// Routes:
//   POST /v1/device/register  DeviceRequest -> DeviceResponse (a signed token)
//   POST /v1/suggest          Bearer device token + X-Oskel-Version; SuggestRequest -> SuggestResponse
//   POST /v1/corvalene        Bearer API key; direct request -> DirectAnswer
//   GET  /healthz             {"status":"ok"}
// Every failure answers with an ApiError body: 400 undecodable or invalid
// body, 401 refused credential, 404 unknown path, 405 wrong method, 413 body
// over 1 MiB, 426 version below the minimum (with "updateUrl"). One access
// log line per request. The server keeps no state between requests, so any
// number of replicas that share the secret can stand behind a load balancer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/answer_engine.h"
#include "http/access_log.h"
#include "protocol/records.h"
#include "protocol/version.h"
#include "tokens/api_keys.h"
#include "tokens/token_signer.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace oskel::http {

struct ServerConfig {
  std::string secret;
  std::int64_t tokenLifetime = 0;
  std::optional<protocol::Version> minVersion;
  std::string updateUrl;
  tokens::ApiKeys apiKeys;
  std::size_t maxBodyBytes = 1 << 20;
  int threads = 16;
  AccessLog* log = nullptr;                  // not owned; may be null
  std::function<std::int64_t()> now;         // seconds since the epoch; the system clock when empty
};

class AnswerServer {
 public:
  explicit AnswerServer(ServerConfig config);
  ~AnswerServer();
  AnswerServer(const AnswerServer&) = delete;
  AnswerServer& operator=(const AnswerServer&) = delete;

  // Binds the listening socket; port 0 picks a free port. False on failure.
  bool bind(const std::string& host, int port);
  int port() const { return port_; }
  // Serves until stop(); false when it could not serve at all.
  bool run();
  // Stops accepting, lets requests in progress finish, and makes run() return. Thread-safe.
  void stop();

 private:
  void routes();
  void registerDevice(const httplib::Request& req, httplib::Response& res) const;
  void suggest(const httplib::Request& req, httplib::Response& res) const;
  void direct(const httplib::Request& req, httplib::Response& res) const;
  // Sends 426 when `version` is below the minimum; true when it did.
  bool refuseOldVersion(const std::string& version, httplib::Response& res) const;
  std::int64_t now() const;

  ServerConfig config_;
  tokens::TokenSigner signer_;
  answer::AnswerEngine engine_;
  std::unique_ptr<httplib::Server> server_;
  int port_ = -1;
};

// Writes `error` as the response: status, JSON body, and the headers that go with it.
void sendError(httplib::Response& res, const protocol::ApiError& error);

}  // namespace oskel::http
