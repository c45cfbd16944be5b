#include "http/answer_server.h"

#include <chrono>
#include <variant>

#include <httplib.h>

#include "protocol/decode.h"
#include "protocol/encode.h"

namespace oskel::http {
namespace {

using protocol::ApiError;

constexpr const char* kJson = "application/json";

thread_local std::chrono::steady_clock::time_point requestStart;

// The credential of "Authorization: Bearer <credential>", or nothing.
std::optional<std::string> bearer(const httplib::Request& req) {
  if (!req.has_header("Authorization")) return std::nullopt;
  std::string value = req.get_header_value("Authorization");
  if (value.size() <= 7) return std::nullopt;
  std::string scheme = value.substr(0, 7);
  for (char& c : scheme) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (scheme != "bearer ") return std::nullopt;
  return value.substr(7);
}

answer::FieldInput fieldInput(const protocol::FieldContext& field) { return {field.label, field.role, field.app}; }

std::vector<answer::CandidateInput> candidateInputs(const std::vector<protocol::Candidate>& candidates) {
  std::vector<answer::CandidateInput> out;
  out.reserve(candidates.size());
  for (const protocol::Candidate& c : candidates) out.push_back({c.id, c.text});
  return out;
}

void sendJson(httplib::Response& res, int status, const std::string& body) {
  res.status = status;
  res.set_content(body, kJson);
}

ApiError errorForStatus(int status) {
  switch (status) {
    case 404: return protocol::notFound();
    case 405: return protocol::methodNotAllowed();
    case 413: return protocol::payloadTooLarge();
    case 400: return protocol::badRequest("malformed HTTP request");
    default: return {status, "request failed", "error", std::nullopt};
  }
}

}  // namespace

void sendError(httplib::Response& res, const ApiError& error) {
  sendJson(res, error.status, protocol::encodeError(error));
  if (error.status == 401) res.set_header("WWW-Authenticate", "Bearer");
}

AnswerServer::AnswerServer(ServerConfig config)
    : config_(std::move(config)),
      signer_(config_.secret, config_.tokenLifetime),
      server_(std::make_unique<httplib::Server>()) {
  routes();
}

AnswerServer::~AnswerServer() { stop(); }

std::int64_t AnswerServer::now() const {
  if (config_.now) return config_.now();
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

void AnswerServer::routes() {
  httplib::Server& s = *server_;
  const int threads = config_.threads;
  s.new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<std::size_t>(threads)); };
  s.set_payload_max_length(config_.maxBodyBytes);
  s.set_keep_alive_max_count(1000);
  s.set_tcp_nodelay(true);
  s.set_read_timeout(10, 0);
  s.set_write_timeout(10, 0);
  s.set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
    requestStart = std::chrono::steady_clock::now();
    return httplib::Server::HandlerResponse::Unhandled;
  });
  s.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
    if (res.body.empty()) sendError(res, errorForStatus(res.status));
    return httplib::Server::HandlerResponse::Handled;
  }));
  s.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
    sendError(res, protocol::internalError());
  });
  AccessLog* log = config_.log;
  s.set_logger([log](const httplib::Request& req, const httplib::Response& res) {
    if (log == nullptr) return;
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - requestStart).count();
    log->record(req.method, req.path, res.status, ms);
  });

  auto notAllowed = [](const char* allow) {
    return [allow](const httplib::Request&, httplib::Response& res) {
      sendError(res, protocol::methodNotAllowed());
      res.set_header("Allow", allow);
    };
  };
  for (const char* path : {"/v1/device/register", "/v1/suggest", "/v1/corvalene"}) {
    s.Get(path, notAllowed("POST"));
    s.Put(path, notAllowed("POST"));
    s.Patch(path, notAllowed("POST"));
    s.Delete(path, notAllowed("POST"));
    s.Options(path, notAllowed("POST"));
  }
  s.Post("/healthz", notAllowed("GET"));
  s.Put("/healthz", notAllowed("GET"));
  s.Patch("/healthz", notAllowed("GET"));
  s.Delete("/healthz", notAllowed("GET"));
  s.Options("/healthz", notAllowed("GET"));

  s.Get("/healthz", [](const httplib::Request&, httplib::Response& res) { sendJson(res, 200, protocol::encodeHealth()); });
  s.Post("/v1/device/register", [this](const httplib::Request& req, httplib::Response& res) { registerDevice(req, res); });
  s.Post("/v1/suggest", [this](const httplib::Request& req, httplib::Response& res) { suggest(req, res); });
  s.Post("/v1/corvalene", [this](const httplib::Request& req, httplib::Response& res) { direct(req, res); });
}

bool AnswerServer::refuseOldVersion(const std::string& version, httplib::Response& res) const {
  if (!config_.minVersion) return false;
  if (!(protocol::Version::parseOrZero(version) < *config_.minVersion)) return false;
  sendError(res, protocol::updateRequired(config_.updateUrl));
  return true;
}

void AnswerServer::registerDevice(const httplib::Request& req, httplib::Response& res) const {
  protocol::Decoded<protocol::DeviceRequest> decoded = protocol::decodeDeviceRequest(req.body);
  if (const ApiError* error = std::get_if<ApiError>(&decoded)) return sendError(res, *error);
  const protocol::DeviceRequest& request = std::get<protocol::DeviceRequest>(decoded);
  if (refuseOldVersion(request.appVersion, res)) return;
  sendJson(res, 200, protocol::encodeDeviceResponse(signer_.issue(request.installId, now())));
}

void AnswerServer::suggest(const httplib::Request& req, httplib::Response& res) const {
  if (refuseOldVersion(req.get_header_value("X-Oskel-Version"), res)) return;
  std::optional<std::string> token = bearer(req);
  if (!token) return sendError(res, protocol::unauthorized("missing bearer token"));
  tokens::VerifiedToken verified = signer_.verify(*token, now());
  switch (verified.check) {
    case tokens::TokenCheck::kValid: break;
    case tokens::TokenCheck::kExpired: return sendError(res, protocol::unauthorized("device token expired"));
    default: return sendError(res, protocol::unauthorized("device token not accepted"));
  }
  protocol::Decoded<protocol::SuggestRequest> decoded = protocol::decodeSuggestRequest(req.body);
  if (const ApiError* error = std::get_if<ApiError>(&decoded)) return sendError(res, *error);
  const protocol::SuggestRequest& request = std::get<protocol::SuggestRequest>(decoded);

  answer::Answer a = engine_.answer(fieldInput(request.field), candidateInputs(request.candidates));
  protocol::SuggestResponse response;
  response.reason = a.reason;
  if (a.chosen) {
    response.candidateId = request.candidates[*a.chosen].id;
    response.confidence = a.confidence;
  }
  for (const answer::RankedCandidate& r : a.ranked) response.rankedCandidateIds.push_back(request.candidates[r.index].id);
  sendJson(res, 200, protocol::encodeSuggestResponse(response));
}

void AnswerServer::direct(const httplib::Request& req, httplib::Response& res) const {
  std::optional<std::string> key = bearer(req);
  if (!key) return sendError(res, protocol::unauthorized("missing bearer API key"));
  if (!config_.apiKeys.accepts(*key)) return sendError(res, protocol::unauthorized("API key not accepted"));
  protocol::Decoded<protocol::DirectRequest> decoded = protocol::decodeDirectRequest(req.body);
  if (const ApiError* error = std::get_if<ApiError>(&decoded)) return sendError(res, *error);
  const protocol::DirectRequest& request = std::get<protocol::DirectRequest>(decoded);

  answer::Answer a = engine_.answer(fieldInput(request.field), candidateInputs(request.candidates));
  protocol::DirectAnswer out;
  out.choice = a.chosen ? request.candidates[*a.chosen].id : protocol::kNoMatchId;
  out.confidence = a.confidence;
  // Probabilities: the choice holds its confidence; the rest is shared by the
  // other plausible candidates (by fit) and the no-match option.
  std::vector<std::pair<std::string, double>> mass;
  double rest = 1.0 - a.confidence;
  double otherFit = 0.0;
  for (const answer::RankedCandidate& r : a.ranked) {
    if (!a.chosen || r.index != *a.chosen) otherFit += r.fit;
  }
  double toOthers = otherFit > 0.0 ? rest * 0.4 : 0.0;
  for (const answer::RankedCandidate& r : a.ranked) {
    const std::string& id = request.candidates[r.index].id;
    if (a.chosen && r.index == *a.chosen) mass.emplace_back(id, a.confidence);
    else mass.emplace_back(id, toOthers * r.fit / otherFit);
  }
  double noMatch = 1.0 - toOthers - (a.chosen ? a.confidence : 0.0);
  if (!a.chosen) out.confidence = noMatch;  // without a choice, the confidence is the no-match option's
  std::vector<std::string> keys = request.criteria;
  if (keys.empty()) {
    for (const protocol::Candidate& c : request.candidates) keys.push_back(c.id);
    keys.push_back(protocol::kNoMatchId);
  }
  for (const std::string& k : keys) {
    double p = 0.0;
    if (k == protocol::kNoMatchId) {
      p = noMatch;
    } else {
      for (const auto& [id, value] : mass) {
        if (id == k) p = value;
      }
    }
    out.probabilities.emplace_back(k, p);
  }
  sendJson(res, 200, protocol::encodeDirectAnswer(out));
}

bool AnswerServer::bind(const std::string& host, int port) {
  if (port == 0) {
    port_ = server_->bind_to_any_port(host);
    return port_ > 0;
  }
  if (!server_->bind_to_port(host, port)) return false;
  port_ = port;
  return true;
}

bool AnswerServer::run() { return server_->listen_after_bind(); }

void AnswerServer::stop() {
  if (server_) server_->stop();
}

}  // namespace oskel::http
