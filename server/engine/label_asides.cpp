#include "engine/label_asides.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/text.h"

namespace oskel::answer {
namespace {

// The length of a bracket starting at `at`, with `open` telling which side it is;
// 0 when there is none.
std::size_t bracketAt(std::string_view text, std::size_t at, bool* open) {
  char c = text[at];
  if (c == '(' || c == '[' || c == ')' || c == ']') {
    *open = c == '(' || c == '[';
    return 1;
  }
  // U+FF08 and U+FF09, U+FF3B and U+FF3D: EF BC 88/89, EF BC BB/BD.
  if (c == '\xEF' && at + 2 < text.size() && text[at + 1] == '\xBC') {
    char last = text[at + 2];
    if (last == '\x88' || last == '\xBB' || last == '\x89' || last == '\xBD') {
      *open = last == '\x88' || last == '\xBB';
      return 3;
    }
  }
  return 0;
}

}  // namespace

std::vector<LabelAside> labelAsides(std::string_view part) {
  std::vector<LabelAside> asides;
  int depth = 0;
  std::size_t begin = 0;
  std::size_t innerBegin = 0;
  for (std::size_t at = 0; at < part.size();) {
    bool open = false;
    std::size_t length = bracketAt(part, at, &open);
    if (length == 0) {
      ++at;
      continue;
    }
    if (open) {
      if (depth++ == 0) {
        begin = at;
        innerBegin = at + length;
      }
    } else if (depth > 0 && --depth == 0) {
      asides.push_back({begin, at + length, part.substr(innerBegin, at - innerBegin)});
    }
    at += length;
  }
  return asides;
}

std::string withoutAsides(std::string_view part, const std::vector<LabelAside>& asides) {
  std::string out;
  std::size_t at = 0;
  for (const LabelAside& a : asides) {
    out.append(part.substr(at, a.begin - at));
    at = a.end;
  }
  out.append(part.substr(std::min(at, part.size())));
  return out;
}

std::vector<std::string_view> asideClauses(std::string_view inner) {
  std::vector<std::string_view> clauses;
  while (!inner.empty()) {
    std::size_t cut = inner.find_first_of(",;");
    std::size_t length = 1;
    for (std::string_view dash : {" - ", "\u2013", "\u2014"}) {
      std::size_t at = inner.find(dash);
      if (at < cut) {
        cut = at;
        length = dash.size();
      }
    }
    clauses.push_back(inner.substr(0, cut));
    inner = cut == std::string_view::npos ? std::string_view() : inner.substr(cut + length);
  }
  return clauses;
}

bool saysInWhatForm(std::string_view clause) {
  static constexpr std::string_view kForms[] = {"formato", "dominio", "padrao", "modelo"};
  std::vector<std::string> words = foldedWords(clause);
  return words.size() >= 2 && words[0] == "no" && isListed(kForms, words[1]);
}

std::string negatedWords(std::string_view inner) {
  static constexpr std::string_view kNegations[] = {
      "no", "not", "without", "ohne", "kein", "keine", "nicht", "sans", "pas", "non", "sin", "senza", "sem", "zonder",
      "geen", "niet", "bez", "nie", "без", "не", "excluding", "except", "excl", "sauf", "ausser", "excepto", "salvo",
      "tranne", "exceto", "behalve", "oprocz", "кроме"};
  // Words after "no" that make it "number" ("No. of", "no de membre", "no civique") or
  // Portuguese "on the" ("Nome (no cartão)").
  static constexpr std::string_view kNumberOf[] = {"of", "de", "d", "do", "da", "del", "della", "di", "du", "des",
                                                   "civique", "civico", "interior", "exterior", "ext", "cartao",
                                                   "documento", "passaporte", "rg", "cpf"};
  std::vector<std::string_view> raw = splitWords(inner);
  // A negation is a word on its own: not "No.", "nº" or "n°", nor "no," ("no, the guarantor's").
  if (raw.empty() || !std::all_of(raw.front().begin(), raw.front().end(), [](char c) {
        return (c & 0x80) != 0 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      })) {
    return {};
  }
  if (raw.front().find("\u00BA") != std::string_view::npos || raw.front().find("\u00B0") != std::string_view::npos) {
    return {};
  }
  std::vector<std::string> words = foldedWords(inner);
  // Korean puts the word after what it leaves out: "성 제외" (without the family name).
  static const std::vector<std::string> kLeavingOut = foldedWords("제외 제외하고");  // decomposed, as the words are
  if (words.size() >= 2 && isListed(kLeavingOut, words.back())) {
    words.insert(words.begin(), words.back());
    words.pop_back();
  }
  if (words.size() < 2 || (!isListed(kNegations, words[0]) && !isListed(kLeavingOut, words[0]))) return {};
  if (words[0] == "no" && isListed(kNumberOf, words[1])) {
    return {};
  }
  if (words[1][0] >= '0' && words[1][0] <= '9') return {};
  std::string rest = " ";
  for (std::size_t i = 1; i < words.size(); ++i) rest += words[i] + " ";
  return rest;
}

std::vector<std::string_view> colonClosedLabels(std::string_view part) {
  std::vector<LabelAside> asides = labelAsides(part);
  auto insideAnAside = [&](std::size_t at) {
    return std::any_of(asides.begin(), asides.end(), [&](const LabelAside& a) { return a.begin < at && at < a.end; });
  };
  auto hasLetter = [](std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c & 0x80) != 0 || std::isalpha(static_cast<unsigned char>(c)); });
  };
  std::vector<std::string_view> labels;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < part.size(); ++i) {
    std::size_t width = part[i] == ':' ? 1 : part.compare(i, 3, "\xEF\xBC\x9A") == 0 ? 3 : 0;  // ":" or "："
    if (width == 0 || insideAnAside(i)) continue;
    std::size_t after = i + width;
    bool closes = after == part.size() || part[after] == ' ' || part[after] == '*';
    bool afterDigit = i > 0 && part[i - 1] >= '0' && part[i - 1] <= '9';
    if (!closes || afterDigit) continue;
    std::string_view label = trimText(part.substr(begin, i - begin));
    while (!label.empty() && label.front() == '*') label = trimText(label.substr(1));
    if (!hasLetter(withoutAsides(label, labelAsides(label)))) return {};  // ": (required):"
    labels.push_back(label);
    begin = after;
  }
  std::string_view rest = part.substr(std::min(begin, part.size()));
  bool endsClosed = std::all_of(rest.begin(), rest.end(), [](char c) { return c == '*' || c == ' '; });
  if (labels.size() < 2 || !endsClosed) return {};
  return labels;
}

bool isWritingHint(std::string_view part, FieldKind piece) {
  static constexpr std::string_view kNumber[] = {"number", "numero", "nummer", "rufnummer", "numer", "номер"};
  static constexpr std::string_view kPlease[] = {"please", "bitte", "veuillez", "merci", "por", "favor", "per"};
  static constexpr std::string_view kPieces[] = {"country", "area", "vorwahl", "landesvorwahl", "indicatif", "prefix",
                                                 "prefijo", "prefisso", "prefixo", "codigo", "code", "dial",
                                                 "dialing", "dialling", "calling", "ddi", "ddd"};
  static constexpr std::string_view kNegations[] = {"not", "no", "without", "ohne", "sans", "sin", "senza", "sem",
                                                    "zonder", "bez", "без", "не", "don"};
  static constexpr std::string_view kVerbs[] = {"include", "including", "incl", "add", "with", "must", "start",
                                                "remember", "avec", "mit", "con", "com", "inclus", "incluido",
                                                "inklusive", "inkl", "plus"};
  int cjkPieces = 0;
  for (std::string_view p : {"\u5E74", "\u6708", "\u65E5"}) cjkPieces += part.find(p) != std::string_view::npos;
  if (cjkPieces > 1) return true;
  if (piece != FieldKind::kPhonePart) return false;
  std::vector<std::string> words = foldedWords(withoutAsides(part, labelAsides(part)));
  if (anyListed(kNumber, words)) return true;
  auto first = std::find_if(words.begin(), words.end(), [&](const std::string& w) { return !isListed(kPlease, w); });
  if (first == words.end() || isListed(kPieces, *first)) return false;  // "Country code with +"
  if (anyListed(kNegations, words)) return false;  // "Do not include the area code" wants the number without it
  return anyListed(kVerbs, words);
}

bool speaksOfADomain(const std::vector<LabelAside>& asides) {
  static constexpr std::string_view kWords[] = {"domain", "domains", "domaine", "dominio", "domene", "domein",
                                                "domena", "домен"};
  // "(domain only)", "(just the company domain)": the field wants the domain, not an address.
  static constexpr std::string_view kOnly[] = {"only", "just", "nur", "seulement", "uniquement", "solo",
                                               "solamente", "apenas", "alleen", "tylko", "только"};
  bool domain = false;
  for (const LabelAside& a : asides) {
    for (const std::string& w : foldedWords(a.inner)) {
      if (isListed(kOnly, w)) return false;
      domain = domain || isListed(kWords, w);
    }
  }
  return domain;
}

bool hasCjkDateCharacter(std::string_view part) {
  for (std::string_view c : {"\u5E74", "\u6708", "\u65E5"}) {
    if (part.find(c) != std::string_view::npos) return true;
  }
  return false;
}

bool writesItAsOnADocument(std::string_view inner) {
  static constexpr std::string_view kAs[] = {"as", "wie", "comme", "tel", "como", "come", "conforme", "segun",
                                             "zoals", "jak", "как", "so"};
  static constexpr std::string_view kDocuments[] = {
      "passport", "id", "identity", "licence", "license", "pass", "reisepass", "ausweis", "personalausweis",
      "passeport", "identite", "pasaporte", "dni", "passaporto", "documento", "passaporte", "rg", "cpf",
      "paspoort", "identiteitskaart", "identiteitsbewijs", "paszport", "paszporcie", "dowod", "dowodzie",
      "паспорт", "паспорте", "документ", "документе"};
  std::vector<std::string> words = foldedWords(inner);
  return words.size() <= 8 && !words.empty() && isListed(kAs, words.front()) && anyListed(kDocuments, words);
}

bool givesAPurpose(const std::vector<LabelAside>& asides) {
  static constexpr std::string_view kWords[] = {"for", "fur", "pour", "para", "per", "voor", "dla", "для", "allowed"};
  for (const LabelAside& a : asides) {
    std::vector<std::string> words = foldedWords(a.inner);
    if (!words.empty() && isListed(kWords, words[0])) return true;
  }
  return false;
}

bool asksForWorkDetails(std::string_view words) {
  static constexpr std::string_view kWork[] = {"work", "business", "office", "arbeit", "dienstlich", "geschaftlich",
                                               "dienstliche", "geschaftliche", "beruflich", "berufliche",
                                               "professionnelle", "professional", "corporate",
                                               "travail", "professionnel", "pro", "trabajo", "laboral", "lavoro",
                                               "aziendale", "trabalho", "comercial", "werk", "zakelijk", "sluzbowy",
                                               "рабочий", "рабочая"};
  return anyListed(kWork, foldedWords(words));
}

bool asksForPrivateDetails(std::string_view words) {
  static constexpr std::string_view kPrivate[] = {"private", "privat", "privee", "prive", "personal", "personnel",
                                                  "personnelle", "personlich", "personliche", "particular",
                                                  "privato", "privata", "privado", "privada", "prywatny", "личный",
                                                  "личная"};
  return anyListed(kPrivate, foldedWords(words));
}

// A label that is a control's identifier ("postalCode", "dateOfBirth") spelled with a
// space at each step from a lower- to an upper-case letter: "postal Code". Empty unless
// the label is one token of ASCII letters and digits (decorations aside): words of a
// sentence are never taken apart ("Your-iPhone", "Your iPhone" with a no-break space),
// nor names that only start with one small letter ("iPhone", "eBay"). Empty as well when
// the token falls into more than three words, which is the internal name of a control
// ("hdTextboxforCheckboxState") rather than anything a person reads.
std::string spelledApart(std::string_view label) {
  auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
  auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
  auto letterOrDigit = [&](char c) { return lower(c) || upper(c) || (c >= '0' && c <= '9'); };
  std::size_t begin = 0;
  std::size_t end = label.size();
  while (begin < end && !letterOrDigit(label[begin])) ++begin;
  while (end > begin && !letterOrDigit(label[end - 1])) --end;
  std::string_view token = label.substr(begin, end - begin);
  if (!std::all_of(token.begin(), token.end(), letterOrDigit)) return {};
  std::string out;
  int steps = 0;
  for (std::size_t i = 0; i < token.size(); ++i) {
    if (i > 1 && lower(token[i - 1]) && upper(token[i])) {
      out += ' ';
      ++steps;
    }
    out += token[i];
  }
  return steps == 0 || steps > 2 ? std::string() : out;
}

}  // namespace oskel::answer
