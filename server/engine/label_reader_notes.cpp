// The label reader's handling of other people mentioned beside a field: notes that leave the
// field the person's own ("(unter 16: Zustimmung der Eltern erforderlich)", "· Recipient will
// see this"), roles the person fills it in as ("Your name (guardian)"), and short parts that
// say whose value the field is ("Phone · Emergency contact").
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/example_label.h"
#include "engine/label_asides.h"
#include "engine/label_other_people.h"
#include "engine/label_groups.h"
#include "engine/label_reader.h"
#include "engine/text.h"

namespace oskel::answer {

bool LabelReader::isANoteOnOthers(std::string_view aside) const {
  // A consent the person needs: "(unter 16: Zustimmung der Eltern erforderlich)"; not
  // "(guardian consent)", which may ask for the guardian's address.
  static constexpr std::string_view kConsent[] = {
      "consent", "permission", "approval", "zustimmung", "einverstandnis", "einwilligung", "consentement",
      "autorisation", "accord", "consentimiento", "autorizacion", "permiso", "consenso", "autorizzazione",
      "consentimento", "autorizacao", "toestemming", "zgoda", "zgody", "согласие", "согласия", "разрешение"};
  static constexpr std::string_view kNeeded[] = {
      "required", "needed", "erforderlich", "notig", "benotigt", "requis", "requise", "necessaire", "necesario",
      "necessario", "obrigatorio", "vereist", "wymagana", "wymagane", "требуется", "minor", "minors",
      "minderjahrig", "minderjahrige", "minderjahrigen", "mineur", "mineurs", "menor", "menores", "minore",
      "minorenne", "minderjarig", "minderjarigen", "niepelnoletni", "несовершеннолетних", "under", "unter",
      "moins", "sotto", "onder", "ponizej"};
  // A permission, reachability, or who sees the value: "(Kinder unter 6 frei)", "(bereikbaar
  // bij nood)", "· Recipient will see this", "(ask a parent first)".
  static constexpr std::string_view kNoteWords[] = {
      "allowed", "welcome", "erlaubt", "willkommen", "frei", "admis", "acceptes", "gratuit", "admiten", "aceptan",
      "gratis", "ammessi", "permitidos", "toegestaan", "dozwolone", "also", "auch", "aussi", "tambien", "anche",
      "tambem", "ook", "takze", "rowniez", "также", "bereikbaar", "erreichbar", "joignable", "reperibile",
      "bienvenus", "bienvenue", "bienvenidos", "benvenuti", "welkom", "see", "sees", "sieht", "verra", "vera",
      "vedra", "ziet", "zobaczy", "увидит", "shown", "displayed", "visible", "appears", "angezeigt", "sichtbar",
      "erscheint", "affiche", "apparait", "mostrado", "aparece", "visualizzato", "appare", "getoond", "verschijnt",
      "wyswietlane", "отображается", "hidden", "verborgen", "cache", "oculto", "nascosto", "reply", "antworten",
      "repondre", "responder", "rispondere", "antwoorden", "ask", "fragen", "demandez", "pregunta", "chiedi",
      "vraag", "zapytaj", "callback", "ruckruf", "rappel", "visibile", "visivel", "zichtbaar", "widoczne",
      "widoczny", "widoczna", "видно", "виден"};
  // Words of the other person's own detail or a question about them: "(parent email visible to
  // teacher)", "(emergency: who should we call?)". A clause with them asks for that detail.
  static constexpr std::string_view kTheirs[] = {
      "email", "mail", "correo", "courriel", "phone", "telephone", "telefon", "telefono", "telefone", "telefoon",
      "телефон", "number", "numero", "nummer", "numer", "номер", "mobile", "cell", "handy", "name", "nom", "nombre",
      "nome", "naam", "imie", "имя", "address", "adresse", "direccion", "indirizzo", "endereco", "adres", "their",
      "leur", "leurs", "loro", "их", "ich", "who", "whom", "wen", "wer", "qui", "quien", "chi", "quem", "kogo",
      "kto", "кому", "кого", "кто", "line", "linea", "ligne", "leitung", "person", "personne", "persona", "pessoa",
      "persoon", "osoba"};
  // A condition the person is in: "(if travelling with a child)"; not "(parent's email if
  // under 13)" nor "(if under 13 parent email)".
  static constexpr std::string_view kIf[] = {"if", "when", "unless", "wenn", "falls", "si", "cuando", "se",
                                             "quando", "als", "indien", "wanneer", "jesli", "jezeli", "gdy",
                                             "если", "когда"};
  static constexpr std::string_view kWith[] = {"with", "mit", "avec", "con", "com", "met", "z", "ze", "с", "со"};
  static const std::vector<std::string> kCjkNoteWords = foldedPhrases(
      {"同意", "連れ", "동의", "連絡します", "联系您", "연락용", "연락 가능", "연락드립니다", "也可", "でも可", "も可", "含む",
       "请勿", "아님", "共有", "공유", "共享", "不可", "불가", "使えません", "できません", "結構", "構いません", "가능",
       "お送り", "お届け", "通知", "보내드립니다", "알려드립니다", "表示", "見え", "看到", "可见", "显示", "표시", "보입니다"});
  // Conditions written after what they govern: "お子様連れの場合" (with children), "미성년자의 경우".
  static const std::vector<std::string> kCjkIf = {foldedPhrase("場合"), foldedPhrase("경우")};
  static const std::string kFor = foldedPhrase("用");           // "緊急連絡用": for emergency contact
  static const std::string kNotButInCjk = foldedPhrase("ではなく");  // "生徒ではなく保護者": the guardian
  auto someoneElse = [&](std::string_view text) { return readFolded(foldText(text)).kind == FieldKind::kSomeoneElse; };
  auto joined = [](const std::vector<std::string>& words, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < words.size(); ++i) out += words[i] + " ";
    return out;
  };
  auto noted = [&](std::string_view clause) {
    std::string folded = foldText(clause);
    std::vector<std::string> words = foldedWords(clause);
    if (folded.find(" s ") != std::string::npos) return false;  // "(parent's, if you are a minor)"
    if (anyListed(kTheirs, words)) return false;
    if (anyListed(kNoteWords, words)) return true;
    bool digits = std::any_of(clause.begin(), clause.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (anyListed(kConsent, words) && (anyListed(kNeeded, words) || digits)) return true;
    if (namesOnlyAnEmergency(clause)) {
      // "(im Notfall erreichbar)", not "(im Notfall Eltern)".
      static constexpr std::string_view kSituations[] = {"emergency", "emergencies", "notfall", "notfalle",
                                                         "urgence", "urgencia", "emergencia", "emergenza", "nood",
                                                         "acil", "durum", "naglych", "wypadkach", "awaryjny"};
      std::string rest;
      for (const std::string& w : words) {
        if (!isListed(kSituations, w)) rest += w + " ";
      }
      return !rest.empty() && !someoneElse(rest);  // "(emergency)" alone may be the contact's
    }
    for (const std::string& w : kCjkNoteWords) {
      if (folded.find(w) != std::string::npos) return true;
    }
    if (std::size_t at = folded.find(kFor); at != std::string::npos) {
      // "緊急連絡用" (for reaching you in an emergency), not "ご家族用" (the family's).
      std::string before = folded.substr(0, at);
      for (std::string_view w : {"緊急連絡", "紧急联系", "緊急", "紧急"}) {
        std::string f = foldedPhrase(w);
        for (std::size_t x = before.find(f); x != std::string::npos; x = before.find(f)) before.erase(x, f.size());
      }
      return !someoneElse(before);
    }
    if (std::size_t at = folded.find(kNotButInCjk); at != std::string::npos) {
      return !someoneElse(folded.substr(at + kNotButInCjk.size()));
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (!isListed(kIf, words[i])) continue;
      if (someoneElse(joined(words, 0, i))) return false;
      std::string after = joined(words, i + 1, words.size());
      return !someoneElse(after) || anyListed(kWith, foldedWords(after));
    }
    for (const std::string& w : kCjkIf) {
      std::size_t at = folded.find(w);
      if (at != std::string::npos) return !someoneElse(folded.substr(at + w.size()));
    }
    return false;
  };
  if (!someoneElse(aside) || anyListed(kTheirs, foldedWords(aside))) return false;
  // Each clause that names someone else must be such a note: not "(of the child, if any)",
  // nor "(under 18s: parent's phone)".
  for (std::string_view clause : asideClauses(aside)) {
    for (std::size_t start = 0; start <= clause.size();) {
      std::size_t cut = clause.find_first_of(":?", start);
      std::size_t length = 1;
      for (std::string_view wide : {"\uFF1A", "\uFF1F", "\u3001", "\uFF0C"}) {
        if (std::size_t at = clause.find(wide, start); at < cut) cut = at, length = wide.size();
      }
      std::string_view piece = clause.substr(start, cut == std::string_view::npos ? std::string_view::npos : cut - start);
      if (someoneElse(piece) && !noted(piece)) return false;
      if (cut == std::string_view::npos) break;
      start = cut + length;
    }
  }
  return true;
}

bool LabelReader::isAFillersRole(std::string_view aside) const {
  static constexpr std::string_view kRoles[] = {
      "guardian", "legal", "parent", "tenant", "landlord", "holder", "applicant", "owner", "carer", "caregiver",
      "representative", "tutor", "mentor", "therapist", "witness", "executor", "nanny", "supervisor",
      "solicitor", "attorney", "adviser", "advisor", "proxy", "breeder", "teacher", "coach", "beneficiary",
      "erziehungsberechtigter", "erziehungsberechtigte", "elternteil", "vermieter", "betreuer", "betreuerin",
      "ouder", "verzorger", "verhuurder", "begunstigde", "opiekun", "opiekunka", "опекун", "законный",
      "представитель", "tuteur", "tutrice", "responsable", "tutora", "beneficiario", "beneficiaire",
      "responsavel", "vardnadshavare", "foresatte", "or", "oder", "ou", "o", "of", "lub", "/"};
  std::vector<std::string> words = foldedWords(aside);
  return !words.empty() && words.size() <= 3 &&
         std::all_of(words.begin(), words.end(), [](const std::string& w) { return isListed(kRoles, w); }) &&
         readFolded(foldText(aside)).kind == FieldKind::kSomeoneElse;
}

bool LabelReader::namesALaterPerson(std::string_view label) const {
  // Only parts that name a field count, not help sentences ("You can add other passengers later").
  for (std::string_view whole : labelParts(label)) {
    CharStats chars = charStats(whole);
    bool shortPart = chars.han + chars.hangul + chars.kana > 0 ? countGraphemes(trimText(whole)) <= 16
                                                              : foldedWords(whole).size() <= 5;
    if (shortPart && negatedWords(whole).empty() && numbersAnotherPerson(whole) && !saysItIsTheFiller(whole)) {
      return true;
    }
  }
  return false;
}

bool LabelReader::namesWhoseValue(std::string_view part, std::size_t cjkLength) const {
  static constexpr std::string_view kChoices[] = {"or", "oder", "ou", "lub", "или", "and", "und", "et", "y", "и"};
  std::vector<std::string> words = foldedWords(part);
  CharStats chars = charStats(part);
  bool cjk = chars.han + chars.hangul + chars.kana > 0;
  if (words.size() > 4 || !negatedWords(part).empty() || opensWithAnExample(part) || (cjk && !namesAFieldOnly(part, cjkLength, 3))) {
    return false;
  }
  // "Parent or guardian" names only others; "Parent or student" the person too.
  std::string piece;
  for (std::size_t i = 0; i <= words.size(); ++i) {
    if (i < words.size() && !isListed(kChoices, words[i])) {
      piece += words[i] + " ";
      continue;
    }
    if (!piece.empty() && readFolded(" " + piece).kind != FieldKind::kSomeoneElse) return false;
    piece.clear();
  }
  return true;
}

}  // namespace oskel::answer
