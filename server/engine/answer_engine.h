// AnswerEngine: chooses, among the candidate values, the one that is the
// exact answer for a field, or none.
//
// The answer is always one of the given candidate ids: the engine never
// invents, combines or changes a value. It reads the field's label
// (LabelReader), scores each candidate for that kind of field
// (ValueReader), adjusts with what the other candidates say
// (CandidateContext), prefers the newer of equally good candidates (the list
// comes newest first), and answers no match when nothing clearly fits.
// Confidence is calibrated so that answers at or above 0.4 are right at
// least 95% of the time on the evaluation set. Thread-safe: build one and
// share it between request threads.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/field_kind.h"
#include "engine/label_hints.h"
#include "engine/label_reader.h"
#include "engine/value_reader.h"

namespace oskel::answer {

struct FieldInput {
  std::string label;
  std::string role;
  std::string app;
};

struct CandidateInput {
  std::string id;
  std::string text;
};

struct RankedCandidate {
  std::size_t index;  // position in the request's candidate list
  double fit;         // 0..1
};

struct Answer {
  std::optional<std::size_t> chosen;  // index of the chosen candidate, or none
  double confidence = 0.0;            // in the choice (or, without one, in "no match")
  FieldKind kind = FieldKind::kUnknown;
  std::string reason;                 // names kinds only, never the user's texts
  std::vector<RankedCandidate> ranked;  // every plausible candidate, best first
};

class AnswerEngine {
 public:
  // The confidence at or above which the client inserts an answer.
  static constexpr double kClientThreshold = 0.4;

  AnswerEngine() = default;
  AnswerEngine(const AnswerEngine&) = delete;
  AnswerEngine& operator=(const AnswerEngine&) = delete;

  Answer answer(const FieldInput& field, const std::vector<CandidateInput>& candidates) const;

  // How the field's label reads: its own words, or an example value it shows. Only the
  // first 2,000 bytes of a label are read; beyond that it is page text.
  FieldReading readField(const FieldInput& field) const;

  const LabelReader& labels() const { return labels_; }
  const ValueReader& values() const { return values_; }

 private:
  // The start of a label that is read, cut at a character boundary.
  static std::string_view readablePart(std::string_view label);
  bool showsAnExampleAddress(std::string_view label) const;
  struct Scored;
  // Every candidate that fits a field of `kind` at least a little, best first.
  Scored score(FieldKind kind, const std::vector<std::string_view>& texts, const class CandidateContext& context,
               const LabelHints& hints) const;

  LabelReader labels_;
  ValueReader values_;
};

}  // namespace oskel::answer
