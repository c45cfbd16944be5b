// How a label part is worded.
#include "engine/label_wording.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/text.h"

namespace oskel::answer {

namespace {

// Words that ask the value to hold or leave out something: "Include house number", "含む".
constexpr std::string_view kIncludes[] = {
    "include", "including", "incl", "inc", "inkl", "inklusive", "incluye", "incluya", "with", "mit", "avec", "con",
    "com", "met", "without", "ohne", "sans", "sin", "senza", "sem", "zonder", "bez", "без", "included", "incluido",
    "inclus", "incluse", "incluso", "inclusa", "inbegrepen", "einschl", "einschliesslich", "samt", "inclusief",
    "incluyendo", "incluant", "incluindo", "includendo", "inclusive", "exclude", "omit", "weglassen", "wraz",
    "lacznie", "keine", "kein", "включая", "включительно"};

const std::vector<std::string>& cjkIncludes() {
  static const std::vector<std::string> kCjk = foldedPhrases({"含む", "を含", "包括", "包含", "포함"});
  return kCjk;
}

}  // namespace

bool asksToInclude(std::string_view part) {
  std::vector<std::string> words = foldedWords(part);
  if (!words.empty() && isListed(kIncludes, words.front())) return true;
  std::string folded = foldText(part);
  std::string_view trimmed = trimText(folded);
  return std::any_of(cjkIncludes().begin(), cjkIncludes().end(),
                     [&](const std::string& w) { return trimmed.starts_with(trimText(w)) || trimmed.ends_with(trimText(w)); });
}

bool saysHowToWriteIt(std::string_view part) {
  static constexpr std::string_view kHints[] = {
      "required", "sowie",
      // ... and what the value should hold besides: "And middle name", "Middle name too".
      "and", "plus", "too", "also", "und", "auch", "et", "aussi", "y", "tambien", "e", "anche", "tambem", "ook",
      // ... and where it is written as: "wg KRS", "laut Handelsregister".
      "according", "per", "wg", "wedlug", "zgodnie", "laut", "gemass", "selon", "segun", "secondo", "conforme",
      "volgens", "согласно"};
  static const std::vector<std::string> kCjkHints =
      foldedPhrases({"一致", "与", "同じ", "必須", "需", "须", "동일", "같은"});
  return anyListed(kIncludes, foldedWords(part)) || containsAny(foldText(part), cjkIncludes()) ||
         anyListed(kHints, foldedWords(part)) || containsAny(foldText(part), kCjkHints);
}

// The text split where it joins several fields: at "/", ",", "&", "+", "・" and at "and",
// "und", "et", "y", "及", "및" and their kin. One piece when there is no such join. Dutch "of"
// ("or") joins only where `ofJoins`: in English it is "Number of employees".
std::vector<std::string> joinedPieces(const std::string& text, bool ofJoins) {
  static constexpr std::string_view kMarks[] = {"/", ",", "&", "+", "\xE3\x83\xBB", "\xE3\x80\x81", "\xEF\xBC\x8C",
                                                "\xEF\xBC\x8F", "\xE5\x8F\x8A", "\xE5\x92\x8C"};  // ・、，／及和
  static const std::vector<std::string> kWords = [] {
    std::vector<std::string> out;
    for (std::string_view w : {"and", "und", "et", "y", "e", "en", "i", "и", "oraz", "ve", "및", "or", "oder", "ou", "o",
                               "of", "lub", "или", "eller", "oppure", "nebo", "veya"}) {
      out.push_back(" " + foldedPhrase(w) + " ");
    }
    return out;
  }();
  std::vector<std::string> pieces{text};
  for (std::string_view mark : kMarks) {
    std::vector<std::string> next;
    for (const std::string& p : pieces) {
      for (std::size_t start = 0;;) {
        std::size_t at = p.find(mark, start);
        next.push_back(p.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + mark.size();
      }
    }
    pieces = std::move(next);
  }
  std::vector<std::string> out;
  for (const std::string& p : pieces) {
    std::string folded = foldText(p);
    for (std::size_t start = 0;;) {
      std::size_t at = std::string::npos;
      std::size_t length = 0;
      for (const std::string& w : kWords) {
        if (!ofJoins && w == " of ") continue;
        std::size_t found = folded.find(w, start);
        // "E-Mail" folds to "e mail": that "e" joins nothing.
        while (found != std::string::npos && w == " e " && folded.compare(found + 3, 5, "mail ") == 0) {
          found = folded.find(w, found + 1);
        }
        if (found < at) at = found, length = w.size();
      }
      out.push_back(folded.substr(start, at == std::string::npos ? std::string::npos : at - start + 1));
      if (at == std::string::npos) break;
      start = at + length - 1;  // keep the space that closes the word
    }
  }
  return out;
}

// "Email or customer number", "E-Mail oder Kundennummer".
bool hasDisjunction(const std::string& folded) {
  static constexpr std::string_view kWords[] = {" or ", " oder ", " ou ", " o ", " или ", " eller ",
                                                " lub ", " of ", " vagy ", " tai ", " oppure ", " nebo "};
  for (std::string_view w : kWords) {
    if (folded.find(w) != std::string::npos) return true;
  }
  return false;
}

// A folded label part without a closing word that only says whether the field must be
// filled: " name of business optional " -> " name of business ".
std::string withoutRequirement(const std::string& folded) {
  static constexpr std::string_view kWords[] = {
      " optional ", " required ", " obligatoire ", " facultatif ", " optionnel ", " pflichtfeld ",
      " opcional ", " obligatorio ", " requerido ", " facoltativo ", " obbligatorio ", " verplicht ",
      " opcjonalnie ", " wymagane ", " необязательно ", " обязательно "};
  for (std::string_view w : kWords) {
    if (folded.size() > w.size() && folded.ends_with(w)) return folded.substr(0, folded.size() - w.size() + 1);
  }
  return folded;
}

}  // namespace oskel::answer
