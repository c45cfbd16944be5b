#include "protocol/encode.h"

#include <nlohmann/json.hpp>

namespace oskel::protocol {
namespace {

using ordered = nlohmann::ordered_json;

// Texts come from decoded JSON and are valid UTF-8; replace rather than throw
// should anything else slip through.
std::string dump(const ordered& value) { return value.dump(-1, ' ', false, ordered::error_handler_t::replace); }

}  // namespace

std::string encodeDeviceResponse(const std::string& deviceToken) {
  ordered body;
  body["deviceToken"] = deviceToken;
  return dump(body);
}

std::string encodeSuggestResponse(const SuggestResponse& response) {
  ordered body = ordered::object();
  if (response.candidateId) body["candidateId"] = *response.candidateId;
  body["confidence"] = response.confidence;
  body["reason"] = response.reason;
  body["rankedCandidateIds"] = response.rankedCandidateIds;
  return dump(body);
}

std::string encodeDirectAnswer(const DirectAnswer& answer) {
  ordered probabilities = ordered::object();
  for (const auto& [key, p] : answer.probabilities) probabilities[key] = p;
  ordered suggestion;
  suggestion["choice"] = answer.choice;
  suggestion["confidence"] = answer.confidence;
  suggestion["probabilities"] = std::move(probabilities);
  ordered body;
  body["answers"]["suggestion"] = std::move(suggestion);
  return dump(body);
}

std::string encodeError(const ApiError& error) {
  ordered body;
  body["error"] = error.error;
  body["code"] = error.code;
  if (error.updateUrl) body["updateUrl"] = *error.updateUrl;
  return dump(body);
}

std::string encodeHealth() { return R"({"status":"ok"})"; }

}  // namespace oskel::protocol
