// Helpers shared by the answer engine's tests: one engine for all of them, and
// table checks of how labels read and which candidate a field gets.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/answer_engine.h"

namespace oskel::answer::test {

inline const AnswerEngine& engine() {
  static AnswerEngine e;
  return e;
}

inline FieldKind kindOf(const std::string& label) { return engine().labels().read(label).kind; }

inline void expectKinds(std::initializer_list<std::pair<const char*, FieldKind>> cases) {
  for (const auto& [label, kind] : cases) EXPECT_EQ(kindOf(label), kind) << label;
}

inline std::vector<CandidateInput> list(std::initializer_list<std::pair<const char*, const char*>> items) {
  std::vector<CandidateInput> out;
  for (auto [id, text] : items) out.push_back({id, text});
  return out;
}

// A field's label, the candidates offered for it, the one the engine must choose and, when
// given, whether its confidence reaches the client's threshold for inserting it.
struct Choice {
  const char* label;
  std::vector<CandidateInput> candidates;
  std::optional<std::size_t> chosen;
  std::optional<bool> inserted = std::nullopt;
};

inline void expectChoices(std::initializer_list<Choice> cases) {
  for (const Choice& c : cases) {
    Answer a = engine().answer({c.label, "AXTextField", "x"}, c.candidates);
    EXPECT_EQ(a.chosen, c.chosen) << c.label << " / " << c.candidates.front().text;
    if (c.inserted) {
      EXPECT_EQ(a.confidence >= AnswerEngine::kClientThreshold, *c.inserted) << c.label << " " << a.confidence;
    }
  }
}

}  // namespace oskel::answer::test
