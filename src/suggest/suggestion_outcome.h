// The end of one suggestion attempt: a chosen value (match), the service's "nothing
// fits" (noMatch), or no usable answer (failure). Every attempt ends in exactly one.
#pragma once

#include <string>
#include <vector>

#include "history/clip.h"

namespace oskel {

struct SuggestionOutcome {
  enum class Kind { match, noMatch, failure };

  Kind kind = Kind::failure;

  // Set for match only. `clip` is a fresh clip (new id, the candidate's text and source
  // application, created now, no image fields, no indexed values) that only carries the
  // value to insert; it is never stored. `confidence` is the backend's, 0 when it gave
  // none, not range-checked. `rankedTexts` are the candidate texts in the backend's
  // order, best first: possibly empty, possibly not starting with the chosen text,
  // possibly holding a text twice.
  Clip clip;
  double confidence = 0;
  std::vector<std::string> rankedTexts;

  static SuggestionOutcome match(Clip clip, double confidence, std::vector<std::string> rankedTexts) {
    return SuggestionOutcome{Kind::match, std::move(clip), confidence, std::move(rankedTexts)};
  }
  static SuggestionOutcome noMatch() { return SuggestionOutcome{Kind::noMatch, {}, 0, {}}; }
  static SuggestionOutcome failure() { return SuggestionOutcome{Kind::failure, {}, 0, {}}; }

  bool isMatch() const { return kind == Kind::match; }
  bool isNoMatch() const { return kind == Kind::noMatch; }
  bool isFailure() const { return kind == Kind::failure; }
};

}  // namespace oskel
