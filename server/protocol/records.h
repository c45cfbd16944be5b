// Wire records of the two protocols the service speaks.
//
// Cloud protocol: DeviceRequest -> DeviceResponse on /v1/device/register,
// SuggestRequest -> SuggestResponse on /v1/suggest. Direct protocol:
// DirectRequest -> DirectAnswer on /v1/corvalene. Errors of either travel as
// ApiError ("error", "code", and "updateUrl" for update_required).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace oskel::protocol {

// What the client promises about the candidate list: at most 180 values whose
// texts hold at most 24,000 user-perceived characters together.
inline constexpr std::size_t kMaxCandidates = 180;
inline constexpr std::size_t kMaxTextBudget = 24000;
// The direct protocol's no-match choice.
inline constexpr const char* kNoMatchId = "__no_good_match__";

struct FieldContext {
  std::string label;
  std::string role;
  std::string app;
  std::optional<std::string> url;
};

struct Candidate {
  std::string id;
  std::string text;
  std::string sourceApp;
  std::string copiedAt;
};

struct SuggestRequest {
  FieldContext field;
  std::vector<Candidate> candidates;
};

struct SuggestResponse {
  std::optional<std::string> candidateId;  // absent: no good match
  double confidence = 0.0;
  std::string reason;
  std::vector<std::string> rankedCandidateIds;
};

struct DeviceRequest {
  std::string installId;
  std::string appVersion;
};

struct DirectRequest {
  FieldContext field;  // "application" travels as app
  std::vector<Candidate> candidates;
  // Keys of "question"."suggestion"."criteria" (sorted); empty when absent.
  std::vector<std::string> criteria;
};

struct DirectAnswer {
  std::string choice;  // a candidate id or kNoMatchId
  double confidence = 0.0;
  std::vector<std::pair<std::string, double>> probabilities;
};

struct ApiError {
  int status = 400;
  std::string error;  // for people
  std::string code;   // machine-readable
  std::optional<std::string> updateUrl;
};

// The error for each status the service returns on its own.
ApiError badRequest(std::string message);
ApiError unauthorized(std::string message);
ApiError notFound();
ApiError methodNotAllowed();
ApiError payloadTooLarge();
ApiError updateRequired(std::string updateUrl);
ApiError internalError();

}  // namespace oskel::protocol
