#include "engine/example_label.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include <unicode/uchar.h>

#include "engine/lexicon.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// Markers that introduce an example, compared with the part's start in ASCII lower case.
constexpr std::string_view kMarkers[] = {
    "for example", "for instance", "e.g.", "e.g", "eg.", "eg:", "ex.", "ex:", "z. b.", "z.b.", "bsp.", "bspw.",
    "p. ex.", "p.ex.", "por ejemplo", "par exemple", "per esempio", "zum beispiel", "ej.", "ej:", "es.",
    "bijv.", "bv.", "np.", "örn.", "örn:", "例:", "例：", "例)", "例）", "（例）", "(例)", "如:", "如：", "例如", "예:", "예)",
    "예）", "напр.", "например"};

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithMarker(std::string_view text, std::string_view marker) {
  if (text.size() < marker.size()) return false;
  for (std::size_t i = 0; i < marker.size(); ++i) {
    if (asciiLower(text[i]) != marker[i]) return false;
  }
  // A marker that ends in a letter must end a word: "For example" opens "For example Maria",
  // not "For examples see below".
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

// "(555) 555-5555", "+1 (XXX) XXX-XXXX", "06 12 34 56 78", "98765 43210", "(11) 91234-5678":
// the groupings that phone numbers are written in. Made-up digits may be "X"s or "_"s
// ("+7 (___) ___-__-__"), but only as whole groups
// of at least two, so that "120 x 80 x 60" stays a size. A social security number (3-2-4),
// a tax number (2-7), a Brazilian CPF (3-3-3-2), an Australian business number (2-3-3-3)
// or a gift-card code (4-4-4) has none of these shapes, and but for the North American
// one, a number of one repeated digit ("0000000000") stands for an account or a policy.
bool hasAPhonesShape(std::string_view text) {
  std::vector<int> groups;
  std::string digits;
  int group = 0;
  int xs = 0;
  auto closeGroup = [&] {
    if (group == 0) return true;
    bool mixed = xs > 0 && xs < group;
    bool loneX = xs == 1 && group == 1;
    groups.push_back(group);
    group = xs = 0;
    return !mixed && !loneX;
  };
  bool international = !text.empty() && text.front() == '+';
  for (std::size_t i = international ? 1 : 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      digits += c;
      ++group;
    } else if (c == 'X' || c == 'x' || c == '_') {
      digits += '5';
      ++group;
      ++xs;
    } else if (c == ' ' || c == '-' || c == '(' || c == ')' || c == '.') {
      if (!closeGroup()) return false;
    } else {
      return false;
    }
  }
  if (!closeGroup() || groups.empty()) return false;
  std::size_t n = digits.size();
  char first = digits.front();
  if (international) return n >= 8 && n <= 15;  // "+919258368523" as well
  // An area code in brackets before a whole national number: "(11) 91234-5678".
  bool bracketedArea = text.front() == '(' && groups.front() >= 2 && groups.front() <= 3 && groups.size() >= 3;
  if (bracketedArea && n >= 10 && n <= 11) return true;
  if (groups == std::vector<int>{3, 3, 4}) return true;                     // North America
  if (groups == std::vector<int>{1, 3, 3, 4}) return first == '1';
  bool oneDigit = digits.find_first_not_of(first) == std::string::npos;
  if (groups == std::vector<int>{5, 5}) return first >= '6' && first <= '9' && !oneDigit;  // Indian mobiles
  if (groups == std::vector<int>{3, 4, 4}) return (first == '1' || first == '0') && !oneDigit;  // Chinese mobiles
  for (const std::vector<int>& other : {std::vector<int>{3, 2, 4}, std::vector<int>{2, 7}, std::vector<int>{3, 3, 3, 2},
                                        std::vector<int>{2, 3, 3, 3}}) {
    if (groups == other) return false;
  }
  // National numbers open with the trunk prefix 0: "06 12 34 56 78", "030 1234567".
  bool shortGroup = std::find(groups.begin(), groups.end(), 1) != groups.end();
  return first == '0' && groups.size() >= 2 && n >= 9 && n <= 11 && !shortGroup && !oneDigit;
}

// The names that placeholders use by convention, folded.
constexpr std::string_view kConventionalFullNames[] = {
    "john doe", "jane doe", "john smith", "jane smith", "max mustermann", "erika mustermann", "jean dupont",
    "marie dupont", "mario rossi", "juan perez", "jan kowalski", "jan jansen", "ivan ivanov", "иван иванов",
    "taro yamada", "yamada taro", "山田 太郎", "山田太郎", "fulano de tal", "joao silva", "张三", "張三", "홍길동"};
constexpr std::string_view kConventionalGivenNames[] = {"john", "jane", "erika", "иван"};
constexpr std::string_view kConventionalFamilyNames[] = {"doe", "smith", "mustermann", "dupont", "rossi",
                                                          "kowalski", "ivanov", "иванов", "yamada", "山田"};

template <std::size_t N>
bool listed(const std::string_view (&names)[N], const std::string& folded) {
  return isListed(names, folded);
}

// The part of a name that `example` shows, read against the word lists; kUnknown when none.
FieldKind listedNameKind(const ValueReader& values, std::string_view example, const std::string& folded) {
  const Lexicon& lex = Lexicon::instance();
  if (lex.isCity(folded) || lex.isCountry(folded) || lex.isRegion(folded)) return FieldKind::kUnknown;
  if (values.isCapitalisedWord(example)) {
    if (lex.isGivenName(folded)) return FieldKind::kGivenName;
    if (lex.isFamilyName(folded)) return FieldKind::kFamilyName;
    return FieldKind::kUnknown;
  }
  return values.fullName(example) >= 0.85 ? FieldKind::kFullName : FieldKind::kUnknown;
}

}  // namespace

bool opensWithAnExample(std::string_view part) {
  bool marked = false;
  stripMarker(part, &marked);
  return marked;
}

bool examplesAName(std::string_view part) {
  static constexpr std::string_view kJoins[] = {"&", "and", "und", "et", "e", "y", "i", "di", "de", "del", "der",
                                                "van", "von", "the", "of", "-", "+"};
  bool marked = false;
  std::string_view example = stripMarker(part, &marked);
  std::vector<std::string_view> words = splitWords(example);
  if (!marked || words.empty()) return false;
  for (std::string_view w : words) {
    UChar32 first = firstCodePoint(w);
    if (!u_isalpha(first) || isListed(kJoins, w)) continue;
    if (u_hasBinaryProperty(first, UCHAR_CASED) && !u_isupper(first)) return false;  // "your mother"
  }
  return true;
}

FieldKind exampleValueKind(const ValueReader& values, std::string_view part, ExampleContext context) {
  bool marked = false;
  std::string_view example = stripMarker(part, &marked);
  if (example.empty()) return FieldKind::kUnknown;
  if (example == "http://" || example == "https://" || values.url(example) >= 0.85) return FieldKind::kUrl;
  if (values.date(example) > 0.0) return FieldKind::kUnknown;
  // The postal mark stands before a Japanese postal code, or alone for the field: "〒100-0001".
  if (example.starts_with("\u3012")) {
    std::string_view code = trimText(example.substr(std::string_view("\u3012").size()));
    if (code.empty() || values.postalCode(code) >= 0.9) return FieldKind::kPostalCode;
  }
  if (hasAPhonesShape(example)) {
    bool unmistakable = example.front() == '+' || example.front() == '(';
    return context != ExampleContext::kBesideWords || unmistakable ? FieldKind::kPhone : FieldKind::kUnknown;
  }
  // A postal code by its shape alone: "SW1A 1AA", "1234 AB", "00-000". Plain digits ("10115")
  // may as well stand for any number.
  if (context != ExampleContext::kBesideWords && values.postalCode(example) >= 0.9) return FieldKind::kPostalCode;
  std::string folded = foldedPhrase(example);
  switch (context) {
    case ExampleContext::kBesideWords:
      return FieldKind::kUnknown;
    case ExampleContext::kNameField:
      return listedNameKind(values, example, folded);
    case ExampleContext::kWholeLabel:
      break;
  }
  if (marked) {
    FieldKind listedKind = listedNameKind(values, example, folded);
    if (listedKind != FieldKind::kUnknown) return listedKind;
  }
  // Folding takes Hangul apart, so the list is compared folded as well.
  static const std::vector<std::string> kFullNames = [] {
    std::vector<std::string> names;
    for (std::string_view name : kConventionalFullNames) names.push_back(foldedPhrase(name));
    return names;
  }();
  if (std::find(kFullNames.begin(), kFullNames.end(), folded) != kFullNames.end()) return FieldKind::kFullName;
  if (listed(kConventionalGivenNames, folded)) return FieldKind::kGivenName;
  if (listed(kConventionalFamilyNames, folded)) return FieldKind::kFamilyName;
  return FieldKind::kUnknown;
}

}  // namespace oskel::answer
