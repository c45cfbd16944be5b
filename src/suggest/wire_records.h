// The bodies exchanged with the two answer services, as plain records, with their exact
// JSON forms. All bodies are compact UTF-8 JSON.
//
// Encoding: the cloud request writes its members in a fixed order ("field" then
// "candidates"; "label", "role", "app", "url"; "id", "text", "sourceApp", "copiedAt");
// an absent "url" is left out, never written as null. The direct request is assembled
// from the field and the candidates with its fixed texts.
//
// Decoding: a body that is not a JSON object, or a listed member of another JSON type
// (integers are accepted for numbers), yields nothing. Null and missing members are both
// absent; unlisted members are ignored at every level.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "suggest/candidate_value.h"

namespace oskel {

// The focused field as the services see it: its label, accessibility role (e.g.
// "AXTextField") and application name. The client never sets `url`.
struct FieldContext {
  std::string label;
  std::string role;
  std::string app;
  std::optional<std::string> url;

  bool operator==(const FieldContext&) const = default;
};

// A candidate on the wire: the four fields of a CandidateValue.
using Candidate = CandidateValue;

struct SuggestRequest {
  FieldContext field;
  std::vector<Candidate> candidates;
};

struct SuggestResponse {
  std::optional<std::string> candidateId;
  std::optional<double> confidence;
  std::optional<std::string> reason;
  std::optional<std::vector<std::string>> rankedCandidateIds;
};

struct DirectOrvResponse {
  struct Answer {
    std::optional<std::string> choice;
    std::optional<double> confidence;
    std::optional<std::map<std::string, double>> probabilities;
  };
  struct Answers {
    std::optional<Answer> suggestion;
  };
  std::optional<Answers> answers;
};

namespace wire {

inline constexpr const char* kDirectModel = "orv-latest";
inline constexpr const char* kNoMatchCandidate = "__no_good_match__";
inline constexpr const char* kDirectPolicy =
    "Suggest only a value that naturally and specifically answers the focused field. Prefer no "
    "match over a merely plausible or unrelated value. Never transform, combine, or invent text.";
inline constexpr const char* kDirectInstructions =
    "Which one saved clipboard value is the best exact value to enter in `focused_field`? Choose "
    "its candidate id. Choose the no-match option when none clearly belongs in this field.";
inline constexpr const char* kNoMatchCriterion =
    "None of the saved clipboard values is an appropriate answer for this field.";

// "Use the exact text in `candidates[<position>].text`."
std::string candidateCriterion(std::size_t position);

std::string encodeFieldContext(const FieldContext& field);
std::string encodeCandidate(const Candidate& candidate);
std::string encode(const SuggestRequest& request);

// The direct request body for a field and its candidates; nothing when the texts cannot
// be written as valid JSON (they are not valid UTF-8).
std::optional<std::string> directRequestBody(const FieldContext& field,
                                             const std::vector<Candidate>& candidates);

std::optional<SuggestResponse> decodeSuggestResponse(std::string_view body);
std::optional<DirectOrvResponse> decodeDirectOrvResponse(std::string_view body);

// Reads a cloud request body back (what the cloud service receives).
std::optional<SuggestRequest> decodeSuggestRequest(std::string_view body);

}  // namespace wire
}  // namespace oskel
