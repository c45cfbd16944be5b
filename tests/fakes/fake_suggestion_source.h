// A SuggestionSource whose answers the test gives: every request waits in `requests`
// until the test answers it (or answers at once when `immediate` is set).
#pragma once

#include <optional>
#include <vector>

#include "app/suggestion_source.h"

namespace oskel {

class FakeSuggestionSource : public SuggestionSource {
 public:
  struct Request {
    FieldContext field;
    std::vector<CandidateValue> values;
    Completion completion;
  };

  // One candidate per clip text, id "c<index>".
  std::vector<CandidateValue> candidateValues(const std::vector<Clip>& clips) override {
    clipsOffered = clips.size();
    std::vector<CandidateValue> values;
    if (noCandidates) return values;
    for (std::size_t i = 0; i < clips.size(); ++i) {
      CandidateValue value;
      value.id = "c" + std::to_string(i);
      value.text = clips[i].text;
      value.sourceApp = clips[i].sourceApp;
      values.push_back(value);
    }
    return values;
  }

  void suggest(const FieldContext& field, const std::vector<CandidateValue>& values,
               Completion completion) override {
    if (immediate) {
      completion(*immediate);
      return;
    }
    requests.push_back({field, values, std::move(completion)});
  }

  // Answers request `index` (0 = oldest).
  void answer(std::size_t index, const SuggestionOutcome& outcome) { requests.at(index).completion(outcome); }
  void answerLast(const SuggestionOutcome& outcome) { requests.back().completion(outcome); }

  static SuggestionOutcome match(const std::string& text, double confidence,
                                 std::vector<std::string> ranked = {}) {
    Clip clip;
    clip.text = text;
    clip.sourceApp = "Notes";
    return SuggestionOutcome::match(clip, confidence, std::move(ranked));
  }

  std::vector<Request> requests;
  std::optional<SuggestionOutcome> immediate;
  std::size_t clipsOffered = 0;
  bool noCandidates = false;  // nothing in the history can be offered
};

}  // namespace oskel
