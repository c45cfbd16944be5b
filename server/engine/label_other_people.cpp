#include "engine/label_other_people.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/text.h"

namespace oskel::answer {

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
      "entrant", "delegate", "seller", "insured", "borrower", "companion", "holder", "signatory", "pasajero", "viajero", "hijo", "filho",
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
    // The ordinal may stand before what the person holds: "Second account holder".
    static constexpr std::string_view kHeld[] = {"account", "card", "policy", "contract", "loan", "named"};
    std::size_t before = i;
    if (before > 1 && isListed(kHeld, foldedPhrase(raw[before - 1]))) --before;
    if (before > 0 && (ordinal(raw[before - 1]) || (!foldedWords(raw[before - 1]).empty() &&
                                                    isListed(kLaterOrdinals, foldedWords(raw[before - 1]).front())))) {
      return true;
    }
  }
  return false;
}

bool asksOnlyIfDifferent(std::string_view label) {
  static const std::vector<std::string> kPhrases = paddedPhrases({
      "if different", "if not the same", "if other than", "falls abweichend", "wenn abweichend", "falls anders",
      "si different", "si differente", "si es diferente", "si es distinto", "si es distinta", "se diverso",
      "se diversa", "se diferente", "indien afwijkend", "indien anders", "jesli inny", "jesli inne", "jezeli inny",
      "если отличается", "если отличаются"});
  static const std::vector<std::string> kCjkPhrases = foldedPhrases({"異なる場合", "다른 경우", "다를 경우"});
  // "如与预订人不同": "不同" alone is also "various".
  static const std::vector<std::string> kCjkIfs = foldedPhrases({"如与", "如與", "若与", "若與"});
  static const std::string kDiffers = foldedPhrase("不同");
  std::string folded = foldText(label);
  return containsAny(folded, kPhrases) || containsAny(folded, kCjkPhrases) ||
         (containsAny(folded, kCjkIfs) && folded.find(kDiffers) != std::string::npos);
}

}  // namespace oskel::answer
