// Bracketed asides of a label part: "Email (we never share it)", "Phone [mobile]".
//
// An aside qualifies the words outside it: it may name the part of the value the
// field wants ("Name (first)"), say how to write it ("(DD/MM/YYYY)") or what not to
// write ("(no spaces)"), or mention another kind in passing ("(company address)").
// LabelReader decides which; these functions only find and take apart the asides.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/field_kind.h"

namespace oskel::answer {

// One top-level aside: `begin`/`end` span it with its brackets, `inner` is the text
// between them.
struct LabelAside {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string_view inner;
};

// The top-level asides of a part in (), [] or their full-width forms （）［］, in order.
// Nested brackets belong to the aside around them; an unclosed bracket opens none.
std::vector<LabelAside> labelAsides(std::string_view part);

// The part with the given asides left out; the text outside all of them.
std::string withoutAsides(std::string_view part, const std::vector<LabelAside>& asides);

// The clauses of an aside, split at commas, semicolons and dashes: "(no spaces, 3-20
// characters)" has two. Each says its own thing about the field.
std::vector<std::string_view> asideClauses(std::string_view inner);

// For an aside that says what not to write ("no spaces", "ohne Leerzeichen", "without
// http://"), the folded words after its negation (" spaces "); empty otherwise. "No." and
// "nº" abbreviate "number" ("No. interior", "nº da casa"), as does "no" before digits or
// "of"/"de": those say what to write.
std::string negatedWords(std::string_view inner);

// Whether a clause is Portuguese "in the form of": "no formato nome@email.com", "no domínio
// @usp.br". Its "no" means "in the", and the clause says how to write the value.
bool saysInWhatForm(std::string_view clause);

// The labels of several fields run together, each closed by a colon, as an enclosing
// <label> gives them: "Brugernavn : * Navn (frivillig) :" -> "Brugernavn", "Navn (frivillig)".
// Empty unless the part holds two or more such labels and ends with a colon ("*" aside).
// Colons inside asides, after a digit ("14:30") and before "//" close no label.
std::vector<std::string_view> colonClosedLabels(std::string_view part);

// Whether a later label part tells how to write the whole value rather than naming a
// `piece` of it: "Include country code", "Please add the area code", "Prefijo + número",
// "年月日", "例：1990年1月1日". A piece with an instruction stays a piece: "Country code
// with +", "Country code (with +)", "Month (with leading zero)".
bool isWritingHint(std::string_view part, FieldKind piece);

// Whether an aside speaks of an e-mail address's domain: "(domain must match your company)";
// not when it asks for the domain only: "(domain only, e.g. company.com)".
bool speaksOfADomain(const std::vector<LabelAside>& asides);

// Whether a part holds 年, 月 or 日, which Chinese and Japanese use in words other than dates:
// "日本語で入力" (enter in Japanese).
bool hasCjkDateCharacter(std::string_view part);

// Whether an aside says to write the value as a document has it: "(as shown on your passport)",
// "(wie im Ausweis)", "(como aparece en el DNI)". It says how to write the value, not what it is.
bool writesItAsOnADocument(std::string_view inner);

// Whether an aside gives the purpose of the value: "(for the invoice)", "(für Rückfragen)",
// "(allowed email domains: acme.com)".
bool givesAPurpose(const std::vector<LabelAside>& asides);

// Whether the words outside the asides ask for work details ("Work phone (company)"): a
// company in the aside then names the person's own employer.
bool asksForWorkDetails(std::string_view words);

// Whether words ask for private details: "Email (private)", "E-Mail privat", "Personal email".
bool asksForPrivateDetails(std::string_view words);

// A label that is a control's identifier ("postalCode") spelled with a space at each step from
// a lower- to an upper-case letter: "postal Code". Empty unless the label is one token of ASCII
// letters and digits that falls into two or three words.
std::string spelledApart(std::string_view label);

}  // namespace oskel::answer
