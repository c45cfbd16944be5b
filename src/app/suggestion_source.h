// Where the application controller gets its answers: the candidate values to offer for
// some clips, and one suggestion request for a field. The real source is the
// SuggestionClient (which picks the backend from the settings at each request); tests
// script the answers.
#pragma once

#include <memory>
#include <vector>

#include "history/clip.h"
#include "suggest/candidate_value.h"
#include "suggest/suggestion_client.h"
#include "suggest/suggestion_outcome.h"
#include "suggest/wire_records.h"

namespace oskel {

class SuggestionSource {
 public:
  using Completion = std::function<void(SuggestionOutcome)>;
  virtual ~SuggestionSource() = default;

  // How many of the newest text clips candidateValues looks at; older clips are never
  // offered, so callers hand over only these.
  static constexpr std::size_t kClipsLookedAt = SuggestionClient::kClipsLookedAt;

  virtual std::vector<CandidateValue> candidateValues(const std::vector<Clip>& clips) = 0;

  // Calls the completion exactly once, on the main thread (possibly within this call).
  virtual void suggest(const FieldContext& field, const std::vector<CandidateValue>& values,
                       Completion completion) = 0;
};

// The SuggestionClient as a SuggestionSource.
class ClientSuggestionSource : public SuggestionSource {
 public:
  explicit ClientSuggestionSource(std::shared_ptr<SuggestionClient> client)
      : client_(std::move(client)) {}
  std::vector<CandidateValue> candidateValues(const std::vector<Clip>& clips) override {
    return SuggestionClient::candidateValues(clips);
  }
  void suggest(const FieldContext& field, const std::vector<CandidateValue>& values,
               Completion completion) override {
    client_->suggest(field, values, std::move(completion));
  }

 private:
  std::shared_ptr<SuggestionClient> client_;
};

}  // namespace oskel
