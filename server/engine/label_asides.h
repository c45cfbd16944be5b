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

// For an aside that says what not to write ("no spaces", "ohne Leerzeichen", "without
// http://"), the folded words after its negation (" spaces "); empty otherwise. "No." and
// "nº" abbreviate "number" ("No. interior", "nº da casa"), as does "no" before digits or
// "of"/"de": those say what to write.
std::string negatedWords(std::string_view inner);

}  // namespace oskel::answer
