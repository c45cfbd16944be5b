#include "engine/label_asides.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
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
                                               "travail", "professionnel", "pro", "trabajo", "laboral", "lavoro",
                                               "aziendale", "trabalho", "comercial", "werk", "zakelijk", "sluzbowy",
                                               "рабочий", "рабочая"};
  return anyListed(kWork, foldedWords(words));
}

bool namesAnotherPerson(std::string_view label) {
  static constexpr std::string_view kOthers[] = {
      "passenger", "passengers", "patient", "student", "pupil", "child", "children", "infant", "baby", "member",
      "insured", "policyholder", "driver", "drivers", "traveller", "traveler", "adult", "guest", "participant",
      "spouse", "partner", "employee", "subscriber", "owner", "holder", "beneficiary", "dependant", "dependent",
      "minor", "deceased", "party", "son", "daughter", "mother", "father", "parent", "guardian", "pet", "dog", "cat",
      "horse", "foal", "puppy", "animal", "expected", "due", "pasajero", "paciente", "alumno", "estudiante", "nino",
      "hijo", "hija", "conductor", "viajero", "pareja", "conyuge", "menor", "fallecido", "mascota", "passager",
      "eleve", "enfant", "conducteur", "voyageur", "conjoint", "defunt", "prevue", "mitfahrer", "schuler", "kind",
      "kindes", "fahrer", "reisender", "versicherte", "versicherten", "ehepartner", "partners", "tieres", "hund",
      "passeggero", "paziente", "alunno", "bambino", "figlio", "figlia", "conducente", "minore", "animale",
      "coniuge", "passageiro", "aluno", "filho", "filha", "crianca", "motorista", "dependente", "pasazer",
      "pacjent", "uczen", "dziecko", "dziecka", "kierowca", "пассажир", "пациент", "ученик", "ребенок", "ребенка",
      "водитель", "супруг", "супруга"};
  return anyListed(kOthers, foldedWords(label));
}

bool numbersAnotherPerson(std::string_view label) {
  // Plurals count only after an ordinal: "Additional passengers", not "Guests: 2".
  static const std::vector<std::string> kPlurals = foldedPhrases({
      "passengers", "travellers", "travelers", "guests", "attendees", "participants", "pasajeros", "passagers",
      "passagiere", "gaste", "passeggeri"});
  static const std::vector<std::string> kPeople = foldedPhrases({
      "passenger", "traveller", "traveler", "guest", "attendee", "participant", "adult", "person", "occupant",
      "applicant", "driver", "tenant", "owner", "buyer", "member", "player", "rider", "kid", "child", "visitor",
      "entrant", "delegate", "seller", "insured", "borrower", "companion", "pasajero", "viajero", "hijo", "filho",
      "podrozny", "dorosly",
      "huesped", "invitado", "participante", "adulto", "persona", "conductor", "passager", "voyageur",
      "adulte", "personne", "conducteur", "passagier", "reisender", "reisende",
      "teilnehmer", "teilnehmerin", "teilnehmende", "gast", "erwachsener", "erwachsene", "antragsteller",
      "mieter", "fahrer", "kind", "passeggero", "viaggiatore", "ospite", "partecipante",
      "conducente", "passageiro", "viajante", "hospede", "pessoa", "reiziger", "deelnemer", "volwassene",
      "persoon", "bestuurder", "pasazer", "pasazera", "uczestnik", "gosc", "osoba", "kierowca", "пассажир",
      "пассажира", "участник", "участника", "гость", "взрослый", "турист", "водитель", "runner", "senior",
      "resident", "author", "patient", "infant", "youth", "junior", "student", "pupil", "dependent", "dependant"});
  // People written in Han or Hangul, numbered by a digit after them ("搭乗者2", "탑승객 2"), and
  // the ordinals written before them ("2人目", "第二位", "두 번째").
  static constexpr std::string_view kCjkPeople[] = {"搭乗者", "乗客", "乘客", "乘机人", "宿泊者", "参加者", "同伴者",
                                                    "旅客", "入住人", "同行人", "申込者", "申請者", "申请人", "联系人",
                                                    "탑승객", "승객", "참가자", "투숙객", "신청자"};
  static constexpr std::string_view kCjkOrdinals[] = {"2人目", "3人目", "4人目", "二人目", "三人目", "第二位", "第三位"};
  for (std::string_view o : kCjkOrdinals) {
    if (label.find(o) != std::string_view::npos) return true;
  }
  // Korean ordinals count anything ("두 번째 주소 줄", the second address line): only before a person.
  static constexpr std::string_view kKoreanOrdinals[] = {"두 번째", "세 번째", "두번째", "세번째"};
  static constexpr std::string_view kKoreanPeople[] = {"탑승객", "승객", "참가자", "투숙객", "사람", "분", "아이", "보호자"};
  for (std::string_view o : kKoreanOrdinals) {
    for (std::size_t at = label.find(o); at != std::string_view::npos; at = label.find(o, at + 1)) {
      std::string_view rest = label.substr(at + o.size());
      while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
      for (std::string_view p : kKoreanPeople) {
        if (rest.substr(0, p.size()) == p) return true;
      }
    }
  }
  for (std::string_view p : kCjkPeople) {
    for (std::size_t at = label.find(p); at != std::string_view::npos; at = label.find(p, at + 1)) {
      // "第2乗客", "第二搭乗者": an ordinal before the person.
      std::string_view before = label.substr(0, at);
      while (!before.empty() && before.back() == ' ') before.remove_suffix(1);
      for (std::string_view o : {"第2", "第3", "第4", "第２", "第３", "第４", "第二", "第三", "第四"}) {
        if (before.ends_with(o)) return true;
      }
      std::size_t next = at + p.size();
      while (next < label.size() && label[next] == ' ') ++next;
      std::string_view rest = label.substr(next);
      bool ascii = !rest.empty() && rest[0] >= '2' && rest[0] <= '9';
      bool wide = rest.size() >= 3 && rest.substr(0, 2) == "\xEF\xBC" && rest[2] >= '\x92' && rest[2] <= '\x99';  // ２-９
      if (!ascii && !wide) continue;
      // Not a count of people: "参加者2名以上" (two or more participants), "탑승객 2명".
      std::string_view after = rest.substr(ascii ? 1 : 3);
      while (!after.empty() && after[0] >= '0' && after[0] <= '9') after.remove_prefix(1);
      static constexpr std::string_view kCounters[] = {"名", "人", "명", "位", "以"};
      bool counted = std::any_of(std::begin(kCounters), std::end(kCounters),
                                 [&](std::string_view c) { return after.substr(0, c.size()) == c; });
      if (!counted) return true;
    }
  }
  static const std::vector<std::string> kLaterOrdinals = foldedPhrases({
      "second", "third", "fourth", "additional", "extra", "next", "zweiter", "zweite", "dritter", "dritte",
      "weiterer", "deuxieme", "troisieme", "segundo", "segunda", "tercer", "tercero", "secondo", "seconda", "terzo",
      "terza", "tweede", "derde", "drugi", "druga", "trzeci", "второй", "третий"});
  // Words after a number that make it an age, a duration or a count: "Adult 18 years",
  // "1 person 2 nights", "(lead passenger, 2 adults)", "Adult 18 or over".
  static const std::vector<std::string> kAges = foldedPhrases(
      {"year", "years", "yrs", "y", "ans", "anos", "años", "anni", "jahre", "jahren", "jaar", "lat", "лет", "года",
       "night", "nights", "nuits", "nachte", "noches", "notti", "nachten", "noce", "ночи", "hours", "adults",
       "friends", "tickets", "or", "and", "oder", "und", "ou", "et", "o", "y", "of", "von", "de", "di", "van", "z",
       "из"});
  // Numbers spelled out after the person and ending the part: "Passenger two", "Teilnehmer zwei",
  // "Pasajero dos". "due" and "tre" only after an Italian person ("Member due" is English), "dos"
  // only after a Spanish one (Portuguese "dos" is "of the": "Participante dos jogos").
  static const std::vector<std::string> kSpelled = foldedPhrases(
      {"two", "three", "four", "zwei", "drei", "vier", "deux", "trois", "quatre", "tres", "cuatro", "quattro", "dois",
       "duas", "três", "quatro", "twee", "drie", "dwa", "dwie", "trzy", "cztery", "два", "три", "четыре"});
  static const std::vector<std::string> kItalianPeople = foldedPhrases(
      {"passeggero", "viaggiatore", "ospite", "partecipante", "conducente", "adulto", "persona"});
  static const std::vector<std::string> kSpanishPeople = foldedPhrases(
      {"pasajero", "viajero", "huesped", "invitado", "participante", "adulto", "persona", "conductor", "hijo"});
  // "2", "#3", "2:" after the person; "2nd", "2e", "2º" before. Not "18+", "12-64", "2025", nor
  // "2." before, which numbers a section as often.
  auto count = [](std::string_view w, bool last, std::string_view person) {
    std::vector<std::string> folded = foldedWords(w);
    if (folded.size() == 1) {
      const std::string& f = folded.front();
      bool spelled = isListed(kSpelled, f) || ((f == "due" || f == "tre") && isListed(kItalianPeople, person)) ||
                     (f == "dos" && isListed(kSpanishPeople, person));
      if (spelled) return last ? 2 : 0;
    }
    for (std::string_view mark : {"#", "(", "\u2116"}) {  // "#2", "(2)", "№2"
      if (w.substr(0, mark.size()) == mark) w.remove_prefix(mark.size());
    }
    if (w.size() > 3 && w.substr(w.size() - 3) == "-\u0439") w.remove_suffix(3);  // "2-й"
    while (!w.empty() && (w.back() == ':' || w.back() == '.' || w.back() == ')' || w.back() == ',')) w.remove_suffix(1);
    bool digits = !w.empty() && w.size() <= 2 && std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; });
    int n = digits ? std::atoi(std::string(w).c_str()) : 0;
    return n <= 12 ? n : 0;  // past 12 it is an age, not the next person
  };
  auto ordinal = [](std::string_view w) {
    static constexpr std::string_view kEndings[] = {"nd", "rd", "th", "e", "eme", "\xC3\xA8me", "\xC2\xBA", "\xC2\xAA", "\xC2\xB0", "o", "a"};
    if (w.empty() || w[0] < '2' || w[0] > '9') return false;
    return isListed(kEndings, w.substr(1));
  };
  std::vector<std::string_view> raw = splitWords(label);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    std::vector<std::string> parts = foldedWords(raw[i]);  // "Teilnehmer*in" is "teilnehmer in"
    if (parts.empty()) continue;
    if (isListed(kPlurals, parts.front()) && i > 0 && !foldedWords(raw[i - 1]).empty() &&
        isListed(kLaterOrdinals, foldedWords(raw[i - 1]).front())) {
      return true;
    }
    if (!isListed(kPeople, parts.front())) continue;
    // "n° 2", "Nr. 2", "n.º 2" between the person and the number.
    std::size_t n = i + 1;
    static constexpr std::string_view kNumberSigns[] = {"n\u00B0", "no.", "nr.", "nr", "n.\u00BA", "n.", "\u2116"};
    if (n < raw.size() && isListed(kNumberSigns, raw[n])) ++n;
    bool endsThePart = n + 1 >= raw.size() || raw[n].ends_with(':') || raw[n + 1] == ":";
    if (n < raw.size() && count(raw[n], endsThePart, parts.front()) >= 2) {
      std::vector<std::string> after = n + 1 < raw.size() ? foldedWords(raw[n + 1]) : std::vector<std::string>();
      if (after.empty() || !isListed(kAges, after.front())) return true;
    }
    if (i > 0 && (ordinal(raw[i - 1]) || (!foldedWords(raw[i - 1]).empty() &&
                                           isListed(kLaterOrdinals, foldedWords(raw[i - 1]).front())))) {
      return true;
    }
  }
  return false;
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
