#include "engine/example_label.h"

#include <string>

#include "engine/lexicon.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// Markers that introduce an example, compared with the part's start in ASCII lower case.
constexpr std::string_view kMarkers[] = {
    "for example", "for instance", "e.g.", "e.g", "eg.", "eg:", "ex.", "ex:", "z. b.", "z.b.", "bsp.", "bspw.",
    "p. ex.", "p.ex.", "por ejemplo", "par exemple", "per esempio", "zum beispiel", "ej.", "ej:", "es.",
    "bijv.", "bv.", "np.", "例:", "例：", "예:", "예)", "напр.", "например"};

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithMarker(std::string_view text, std::string_view marker) {
  if (text.size() < marker.size()) return false;
  for (std::size_t i = 0; i < marker.size(); ++i) {
    if (asciiLower(text[i]) != marker[i]) return false;
  }
  // A marker that ends in a letter must end a word: "Ex" opens "Ex: Maria", not "Export".
  char last = marker.back();
  bool endsInLetter = last >= 'a' && last <= 'z';
  return !endsInLetter || text.size() == marker.size() || text[marker.size()] == ' ' || text[marker.size()] == ':';
}

// The example with its marker removed; `marked` tells whether there was one.
std::string_view stripMarker(std::string_view part, bool* marked) {
  part = trimText(part);
  *marked = false;
  for (std::string_view marker : kMarkers) {
    if (!startsWithMarker(part, marker)) continue;
    part.remove_prefix(marker.size());
    while (!part.empty() && (part.front() == ':' || part.front() == ' ')) part.remove_prefix(1);
    *marked = true;
    break;
  }
  return trimText(part);
}

// "(555) 555-5555", "+1 (XXX) XXX-XXXX", "06 12 34 56 78": phone punctuation around
// seven to fifteen digits (or "X"s standing in for them). Not an amount written in
// thousands ("1 000 000") and not a date.
bool hasAPhonesShape(std::string_view text) {
  int digits = 0;
  int groups = 0;
  int firstGroup = 0;
  int group = 0;
  bool thousands = true;
  auto closeGroup = [&] {
    if (group == 0) return;
    if (groups == 0) firstGroup = group;
    else if (group != 3) thousands = false;
    ++groups;
    group = 0;
  };
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == 'X' || c == 'x') {
      ++digits;
      ++group;
    } else if (c == ' ' || c == '-' || c == '(' || c == ')' || c == '.' || c == '+') {
      closeGroup();
    } else {
      return false;
    }
  }
  closeGroup();
  if (digits < 7 || digits > 15) return false;
  if (groups > 1 && thousands && firstGroup <= 3) return false;
  return groups > 1 || text.front() == '+';
}

}  // namespace

FieldKind exampleValueKind(const ValueReader& values, std::string_view part) {
  bool marked = false;
  std::string_view example = stripMarker(part, &marked);
  if (example.empty()) return FieldKind::kUnknown;
  if (example == "http://" || example == "https://" || values.url(example) >= 0.85) return FieldKind::kUrl;
  if (values.date(example) > 0.0) return FieldKind::kUnknown;
  if (values.phone(example) >= 0.85 || hasAPhonesShape(example)) return FieldKind::kPhone;
  const Lexicon& lex = Lexicon::instance();
  std::string folded = foldedPhrase(example);
  bool place = lex.isCity(folded) || lex.isCountry(folded) || lex.isRegion(folded);
  if (values.isCapitalisedWord(example)) {
    if (place || (!marked && countGraphemes(example) < 4)) return FieldKind::kUnknown;
    if (lex.isGivenName(folded)) return FieldKind::kGivenName;
    if (lex.isFamilyName(folded)) return FieldKind::kFamilyName;
    return FieldKind::kUnknown;
  }
  if (!place && values.fullName(example) >= 0.85) return FieldKind::kFullName;
  return FieldKind::kUnknown;
}

}  // namespace oskel::answer
