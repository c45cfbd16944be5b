// The keyword table that maps words of a field label to a field kind.
//
// Keywords are written naturally ("E-Mail", "Prénom") and folded with
// foldText() before matching. A keyword matches as a whole word, as the
// start of a word (German and Nordic compounds, inflections), or anywhere
// (scripts written without spaces). The weight says how specific the
// keyword is: "first name" (30) beats "name" (10).
#pragma once

#include <span>

#include "engine/field_kind.h"

namespace oskel::answer {

// kWhole matches only a label part that is the keyword and nothing else: short
// words that mean a field on their own but something else inside a sentence
// (Danish "By" is the town; English "by" is not).
enum class KeywordMatch { kWord, kPrefix, kAnywhere, kWhole };

// One group of keywords of the same kind, weight and matching rule;
// `words` holds the keywords separated by "|".
struct LabelKeywordGroup {
  FieldKind kind;
  int weight;
  KeywordMatch match;
  const char* words;
  // For a word that forms use in two senses (a bare "Name" is mostly the full
  // name but sometimes the given name; "Nom" is mostly the family name), the
  // other sense, answered when nothing fits the first.
  FieldKind alternative = FieldKind::kUnknown;
  // True when both senses are about equally common ("Nombre", "Имя"): with
  // values for both in the history the choice is never sure enough to insert.
  bool balanced = false;
  // True for words that fit the kind but as often ask for a part of its value ("Straße"
  // beside a house-number field) or another value ("Display name"): the answer is offered,
  // never inserted.
  bool offerOnly = false;
};

// The keywords of kinds that a saved value answers, and of those it never
// answers. A label is read against both tables at once.
std::span<const LabelKeywordGroup> answerableKeywordGroups();
// The keywords of the lines of an address, answerable too.
std::span<const LabelKeywordGroup> addressKeywordGroups();
std::span<const LabelKeywordGroup> refusalKeywordGroups();
// The keywords of other people's details, which a saved value never answers either.
std::span<const LabelKeywordGroup> peopleKeywordGroups();

}  // namespace oskel::answer
