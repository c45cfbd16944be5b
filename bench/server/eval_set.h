// The evaluation set of the answer engine.
//
// Fields come from real form labels with human-annotated types
// (../shared/answer-eval/form-labels.json). Each field gets a realistic
// clipboard history, made deterministically from a hash of its page: one
// person's own details (copied alone, in a labelled note, or in an address
// block), other people's details inside signatures and messages, and noise
// (notes, code, links, numbers, dates). The history goes through the same
// value extraction and candidate selection as the client's, and the case
// records which candidate ids are right answers (none for fields that must
// not be filled, or when the person's value was left out of the history).
// Four of the people have names, towns and companies in none of the
// engine's word lists. Fields annotated read-only take no input and are
// left out. Where the label plainly asks for another of the person's values than
// the annotation names, that value is right as well (eval_set.cpp, alsoRightFor);
// answer_eval reports how many answers were counted right only by that rule.
// Pages whose hash falls in the held-aside tenth-buckets 0..2 are
// kept for checking and never used for tuning.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/answer_engine.h"

namespace oskel::eval {

struct EvalCase {
  std::string label;
  std::string expectedType;  // the annotation
  std::string group;         // the kind the harness reports it under
  bool heldAside = false;
  std::string person;        // the full name of the person whose history it is
  std::vector<answer::CandidateInput> candidates;
  std::set<std::string> rightIds;  // empty: the right answer is no match
  // The part of rightIds that is right only by the rules for labels that ask for another
  // value than the annotation names (a username field labelled "Email", a lone "Имя").
  std::set<std::string> alsoRightIds;
  // The label asks for another person's value ("Your friend's e-mail"): whatever the
  // annotation names, the person's own value is no answer, so the case counts as one that
  // must get no answer (see asksForSomeoneElse in eval_set.cpp).
  bool someoneElses = false;
};

// Reads the label file; an empty result means it could not be read. A salt other
// than "" draws other histories for the same fields (the split stays the same).
// With `annotationsAsIs`, labels that ask for someone else's value keep their annotation.
std::vector<EvalCase> buildEvalSet(const std::string& labelsPath, const std::string& salt = "",
                                   bool annotationsAsIs = false);

std::uint64_t fnv1a(const std::string& text);

}  // namespace oskel::eval
