// The label reader's handling of what qualifies a field's words: negated asides ("(no
// spaces)", "(not your email)"), labels that ask for a date of birth and nothing else, and
// names of fields that ask for a former value.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/date_order.h"
#include "engine/example_label.h"
#include "engine/label_asides.h"
#include "engine/label_other_people.h"
#include "engine/label_groups.h"
#include "engine/label_reader.h"
#include "engine/label_wording.h"
#include "engine/mail_domains.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// Words that make a value the person's own: "Your email", "Ihre E-Mail", "My name".
constexpr std::string_view kOwn[] = {
    "your", "my", "votre", "ton", "ta", "mon", "ma", "vos", "ihr", "ihre", "ihren", "dein", "deine", "deinen", "mein",
    "meine", "tu", "tus", "su", "mi", "seu", "sua", "tuo", "tua", "vostro", "vostra", "je", "jouw", "uw", "mijn",
    "twoj", "twoja", "twoje", "wasz", "wasza", "ваш", "ваша", "ваше", "твой", "твоя", "мой", "моя"};

// Words that point at a person: "(not the person completing this form)", "(no el tuyo)".
constexpr std::string_view kPeople[] = {
    "person", "persons", "someone", "somebody", "individual", "persona", "personne", "applicant", "holder",
    "student", "titular", "titulaire", "inhaber", "solicitante", "paciente", "patient", "alumno", "alumna",
    "estudiante", "responsavel", "menor", "pagador", "acompanhante", "passageiro", "passenger", "aluno", "aluna",
    "crianca", "filho", "filha", "dependente", "familiar", "familiares", "parente", "procurador", "representante",
    "menores", "responsaveis", "criancas", "filhos", "pais", "padres", "parents", "user", "users"};

// Kinds that a note on what becomes of the value speaks of, never the field itself: "(we never
// send spam)", "(we'll text you a code)", "(shown on the invoice)", "(to reply to your message)".
bool speaksOfWhatBecomesOfIt(FieldKind kind) {
  switch (kind) {
    case FieldKind::kComment: case FieldKind::kCaptcha: case FieldKind::kOneTimeCode:
    case FieldKind::kPromoCode: case FieldKind::kPassword: case FieldKind::kOtherNumber:
    case FieldKind::kSubject: case FieldKind::kSearch:
      return true;
    default:
      return false;
  }
}

// What an aside may ask the value of `kind` to include, the value being the same: its number,
// middle name, title, flat or prefix ("(include house number)", "(incl. tussenvoegsel)"). An
// aside naming the field itself ("Name (include first and last name)") confirms it and stays.
bool includesAPieceOnly(FieldKind spokenOf, FieldKind kind) {
  switch (spokenOf) {
    case FieldKind::kUnknown: case FieldKind::kOtherNumber: case FieldKind::kMiddleName: case FieldKind::kSubject:
    case FieldKind::kAddressLine2: case FieldKind::kPhonePart: case FieldKind::kStreetName:
      return kind != spokenOf;
    default:
      // The lines of an address ("Address (include postcode)") and the parts of a name ("이름 (성
      // 포함)", "Name (include surname)") are held by the whole.
      return (kind == FieldKind::kStreetAddress && isALineOfAnAddress(spokenOf)) ||
             (kind == FieldKind::kFullName && (spokenOf == FieldKind::kGivenName || spokenOf == FieldKind::kFamilyName));
  }
}

}  // namespace

LabelReader::ClauseVerdict LabelReader::judgeClause(std::string_view clause, const FieldReading& outside,
                                                    bool ownField, FieldKind* ruledOut) const {
  // A person pointed at ("(no familiar)") leaves unclear whose value the field wants. Beside an
  // organisation the kinds of person ("Company (not an individual)") say what the value is not;
  // the second person ("Empresa (no la tuya)") still says whose it is not.
  static constexpr std::string_view kYours[] = {
      "yours", "yourself", "own", "tuyo", "tuya", "tuyos", "tuyas", "suyo", "suya", "suyos", "suyas", "propio",
      "propia", "usted"};

  // "(not just first name)", "(no solo el nombre)": the whole name, not a part.
  static constexpr std::string_view kJust[] = {"just", "only", "solo", "seulement", "uniquement", "nur", "apenas",
                                               "alleen", "soltanto", "tylko", "только"};
  // The words that may stand beside a name part that is ruled out: "(not your first name)".
  static constexpr std::string_view kArticles[] = {"your", "the", "a", "an", "votre", "ton", "le", "la", "el", "tu",
                                                   "su", "il", "ihr", "ihren", "den", "de", "o", "seu", "sua", "je",
                                                   "name", "names", "nom", "nombre", "nome", "naam"};
  // The same as pronouns ending a short negated clause: "(non il tuo)", "(nie Twój)", "(not
  // related to you)"; not "(not visible to anyone except you)", a note on privacy.
  static constexpr std::string_view kYou[] = {
      "you",   "ty",   "ciebie", "toi",  "vous",  "du",     "jij", "jou",   "jouwe",   "u",      "sie",
      "te",    "tien", "tienne", "ты",   "вы",    "jezelf", "own", "eigen", "eigene",  "proprio", "propria"};
  static constexpr std::string_view kExcept[] = {"except", "other", "than", "but", "que", "dan", "als", "behalve",
                                                 "sauf", "poza", "oprocz", "anyone", "anderen", "autres", "altri",
                                                 "nobody", "niemand", "personne"};
  std::vector<std::string> words = foldedWords(clause);
  if (words.empty() || saysInWhatForm(clause)) return ClauseVerdict::kDrop;
  if (anyListed(kYours, words)) return ClauseVerdict::kNotTheirs;
  if (words.size() >= 2 && words.size() <= 4 && (isListed(kOwn, words.back()) || isListed(kYou, words.back())) &&
      !negatedWords(clause).empty() && !anyListed(kExcept, words)) {
    return ClauseVerdict::kNotTheirs;
  }
  FieldKind whole = readFolded(foldText(clause)).kind;
  bool person = (outside.kind != FieldKind::kOrganisation && anyListed(kPeople, words)) ||
                whole == FieldKind::kSomeoneElse;  // "(not a relative)"
  // "Your email (not your partner's)": the words outside say whose value it is, and the
  // aside only rules the other person out. Not so when it rules out whoever fills the form
  // in ("Your email (not the person completing this form)"): then "your" is someone else.
  static constexpr std::string_view kFiller[] = {"person",     "persons",    "someone",   "somebody",
                                                 "individual", "persona",    "personne",  "user",
                                                 "users",      "completing", "filling",   "submitting",
                                                 "submitter",  "ausfullende", "ausfullenden"};
  if (person) {
    bool own = ownField && !negatedWords(clause).empty() && !anyListed(kFiller, words);
    return own ? ClauseVerdict::kDrop : ClauseVerdict::kNotTheirs;
  }
  // An e-mail address is also what a sign-in asks for: "Email (not shared, used for login)".
  bool signIn = outside.kind == FieldKind::kEmail &&
                (whole == FieldKind::kUsername || whole == FieldKind::kUsernameOrEmail);
  bool anAddress = outside.kind == FieldKind::kEmail || outside.kind == FieldKind::kUsernameOrEmail;
  std::string rest = negatedWords(clause);
  if (rest.empty()) {
    // A clause that says how to write the value ("3-20 characters", "e.g. jsmith") is no
    // part of the reading, nor one that goes on with refused providers ("(kein Gmail,
    // Web.de)"); one that names another kind ("a company") leaves it unclear.
    bool providers = anAddress && namesProvidersOnly(clause);
    return whole == FieldKind::kUnknown || whole == outside.kind || signIn || providers ? ClauseVerdict::kDrop
                                                                                        : ClauseVerdict::kUnclear;
  }
  std::vector<std::string> restWords = foldedWords(rest);
  // "Name (no real names please)", "Name (kein Klarname)": a pseudonym, not the person's name.
  static constexpr std::string_view kReal[] = {"real", "vrai", "vrais", "veritable", "echt", "echte", "echten",
                                               "echter", "klarname", "klarnamen", "verdadero", "verdaderos", "vero",
                                               "veri", "prawdziwe", "prawdziwego", "настоящее", "настоящие",
                                               "реальное", "реальные"};
  bool aName = outside.kind == FieldKind::kFullName || outside.kind == FieldKind::kGivenName ||
               outside.kind == FieldKind::kFamilyName;
  static constexpr std::string_view kNameWords[] = {"name",  "names", "nom",  "noms", "namen", "nombre",
                                                    "nombres", "nome", "nomi", "naam", "imie", "имя", "имена"};
  std::size_t at = !restWords.empty() && (isListed(kOwn, restWords[0]) || isListed(kArticles, restWords[0])) ? 1 : 0;
  bool realName = at < restWords.size() &&
                  (restWords[at] == "klarname" || restWords[at] == "klarnamen" ||
                   (isListed(kReal, restWords[at]) && at + 1 < restWords.size() && isListed(kNameWords, restWords[at + 1])));
  if (aName && realName) return ClauseVerdict::kUnclear;
  // "(no Gmail)", "(no free email providers)": which addresses the form takes; the engine
  // leaves out those it refuses. "(not your personal email, the team inbox)" may want
  // an address that is not the person's at all.
  if (anAddress && !mailRuledOutBy(clause).empty() && !anyListed(kOwn, restWords)) return ClauseVerdict::kDrop;
  // What a negation rules out is never what the field asks for ("Username (not your
  // email)"), but one that rules out a piece of the value ("(no area code)") asks for the rest.
  // Ruling out the field's own kind ("Address (not your address, ...)", "Apellidos (sin
  // segundo apellido)") leaves unclear which value it wants.
  FieldKind named = readFolded(rest).kind;
  if (anyListed(kJust, words)) return ClauseVerdict::kDrop;
  // A bare scheme or word is a format, not another value: "Website (without http://)".
  if (named == outside.kind && restWords.size() > 1) return ClauseVerdict::kUnclear;
  // Only the part itself, with an article at most: not "(no shortened first names)".
  bool plainPart = std::all_of(restWords.begin(), restWords.end(), [&](const std::string& w) {
    return isListed(kArticles, w) || readFolded(" " + w + " ").kind == named;
  });
  if (outside.kind == FieldKind::kFullName && plainPart &&
      (named == FieldKind::kGivenName || named == FieldKind::kFamilyName)) {
    *ruledOut = named;
  }
  // Nor is a field no value answers what it asks for: "Name (ohne Titel)", "Username (not your
  // password)". Another person ruled out still speaks of whose value it is, and a number without
  // its prefix ("Phone (no area code)") is a piece of it.
  bool keep = named == FieldKind::kSomeoneElse || named == FieldKind::kUnclear || named == FieldKind::kPhonePart;
  return keep ? ClauseVerdict::kKeep : ClauseVerdict::kDrop;
}

bool LabelReader::leavesTheFieldAsItIs(std::string_view aside, const FieldReading& outside) const {
  // Words that open an instruction on what to type, never a note: "(enter the code we sent)",
  // "(please specify maiden name)", "(tell us about your company)".
  static constexpr std::string_view kTypeIt[] = {
      "enter", "type", "input", "confirm", "search", "eingeben", "geben", "saisissez", "entrez", "introduce",
      "ingresa", "inserisci", "digite", "voer", "wpisz", "введите", "tell", "describe", "explain", "beschreiben",
      "decrivez", "describa", "descreva", "descrivi"};
  static constexpr std::string_view kRequests[] = {"please", "bitte", "veuillez", "merci", "specify", "indicate",
                                                   "indiquez", "precisez", "angeben", "indicar", "indique",
                                                   "specificare", "indicare", "specificeer", "podaj", "укажите"};
  // Others the value may go to ("(we'll send the code to the recipient)"), and the words of a
  // trap for robots ("(spam protection: leave this field empty)").
  static constexpr std::string_view kOthers[] = {
      "recipient", "recipients", "attendee", "attendees", "guest", "guests", "driver", "employee", "member", "owner",
      "they", "them", "their", "empfanger", "destinataire", "destinatario", "ontvanger", "odbiorca", "odbiorcy",
      "получатель", "получателю"};
  static constexpr std::string_view kTrap[] = {
      "leave", "empty", "blank", "fill", "bot", "bots", "trap", "ausfullen", "leer", "remplir", "vide", "preencher",
      "rellenar", "compilare", "invullen", "wypelniaj", "заполняйте", "filter", "protection", "schutz", "anti"};
  std::vector<std::string> words = foldedWords(aside);
  if (words.empty() || anyListed(kPeople, words) || anyListed(kOthers, words) || speaksOfAFormerValue(aside)) {
    return false;
  }
  std::string inner = foldText(aside);
  FieldKind spokenOf = readFolded(inner).kind;
  // A note on what becomes of the value: "Email (we never send spam)", "Mobile (we'll text you a
  // code)", "Company name (shown on the invoice)". Of a captcha only a promise about spam is such
  // a note: "(leave this field empty)" is a trap.
  bool instruction = isListed(kTypeIt, words.front()) || isListed(kRequests, words.front());
  if (!instruction && outside.certainty >= 0.9 && words.size() >= 3 && withoutDateFormat(inner) == inner &&
      speaksOfWhatBecomesOfIt(spokenOf) &&
      (spokenOf != FieldKind::kCaptcha || (inner.find(" spam ") != std::string::npos && !anyListed(kTrap, words)))) {
    return true;
  }
  // A hint on what the value holds: "Address (include house number)", "Phone (please specify)".
  // Not one that asks for another field ("Name (bitte nur Vorname)", "Address (please specify
  // postal code)"); a phone number's country is its prefix ("(please specify country)").
  bool include = asksToInclude(aside) && includesAPieceOnly(spokenOf, outside.kind);
  bool request = isListed(kRequests, words.front()) &&
                 (spokenOf == FieldKind::kUnknown ||
                  (outside.kind == FieldKind::kPhone && spokenOf == FieldKind::kCountry));
  return include || request;
}

LabelReader::AsideReading LabelReader::readAsides(std::string_view part, const std::vector<LabelAside>& asides,
                                                  const FieldReading& outside) const {
  // "(not a nickname but your real name)": the aside also says what the field wants.
  static constexpr std::string_view kButs[] = {"but", "sondern", "mais", "pero", "sino", "ma", "maar", "ale", "но"};
  // "(not required, but recommended)" only says whether to fill the field.
  static constexpr std::string_view kRequired[] = {"required", "mandatory", "obligatoire", "obligatorio",
                                                   "obbligatorio", "erforderlich", "pflicht", "verplicht", "wymagane",
                                                   "обязательно", "needed", "necessary"};
  AsideReading out;
  if (!isAnswerable(outside.kind)) return out;
  // "Your email (not your partner's)": the words outside make the value the person's own.
  std::string outsideText = withoutAsides(part, asides);
  bool ownField = namesOwnValue(outsideText, outside.kind) || namesTheFillerInCjk(foldText(outsideText));
  std::vector<LabelAside> dropped;
  for (const LabelAside& a : asides) {
    std::vector<std::string> words = foldedWords(a.inner);
    std::vector<std::string_view> clauses = asideClauses(a.inner);
    // An aside with a negated clause: "(no spaces)", "(optional, no spaces)".
    bool negated = std::any_of(clauses.begin(), clauses.end(),
                               [](std::string_view c) { return !negatedWords(c).empty(); });
    if (!words.empty() && !negated && isANoteOnOthers(a.inner)) {
      dropped.push_back(a);  // "(under 16: parental consent required)"
      continue;
    }
    // "Company (e.g. Mentor Graphics)": an example of a company names no one; "Phone (e.g. your
    // mother)" and "Employer (e.g. your spouse's employer)" do. Other examples stay part of what is read ("IPv6 address (e.g. 2001:db8::1)").
    if (!negated && outside.kind == FieldKind::kOrganisation && opensWithAnExample(a.inner) &&
        examplesAName(a.inner) && readFolded(foldText(a.inner)).kind == FieldKind::kSomeoneElse) {
      dropped.push_back(a);
      continue;
    }
    // "Your name (guardian)", "Uw naam (verhuurder)": the role in which the person fills it in;
    // not "Your email (child)".
    if (ownField && !negated && isAFillersRole(a.inner)) {
      dropped.push_back(a);
      continue;
    }
    if (!negated && (leavesTheFieldAsItIs(a.inner, outside) || writesItAsOnADocument(a.inner))) {
      dropped.push_back(a);
      continue;
    }
    if (words.empty() || !negated) continue;
    // "(not required if you work for yourself)" only says whether to fill the field.
    if (anyListed(kRequired, words)) {
      dropped.push_back(a);
      continue;
    }
    if (anyListed(kButs, words)) {
      out.unclear = true;
      return out;
    }
    // Clause by clause: "(no spaces, no dashes)", "(not your email, 3-20 characters)".
    ClauseVerdict verdict = ClauseVerdict::kDrop;
    // An aside whose first clause is not the negation is dropped only when every clause is.
    bool laterNegation = negatedWords(a.inner).empty();
    for (std::string_view clause : clauses) {
      ClauseVerdict v = judgeClause(clause, outside, ownField, &out.ruledOutPart);
      // "(optional, not yours)" still says whose value it is not; but "(10 digits, no
      // dashes)" keeps its first clause and the aside as it was.
      if (laterNegation && v != ClauseVerdict::kDrop && v != ClauseVerdict::kNotTheirs) {
        verdict = ClauseVerdict::kKeep;
        break;
      }
      if (v == ClauseVerdict::kUnclear || v == ClauseVerdict::kNotTheirs) {
        out.unclear = true;
        return out;
      }
      if (v == ClauseVerdict::kKeep) verdict = v;
    }
    if (verdict == ClauseVerdict::kDrop) dropped.push_back(a);
  }
  if (!dropped.empty()) out.trimmed = withoutAsides(part, dropped);
  return out;
}

bool LabelReader::namesOwnValue(std::string_view words, FieldKind kind) const {
  // What may stand between the possessive and the field's own words: "Your full name",
  // "Ihre E-Mail-Adresse", "Your own phone number".
  static constexpr std::string_view kBetween[] = {
      "own",      "full",     "first",    "last",     "given",    "family",    "e",        "mobile",  "cell",
      "work",     "home",     "private",  "personal", "primary",  "main",      "current",  "legal",   "complete",
      "eigene",   "eigenen",  "vollstandiger", "vollstandigen", "propre", "complet", "propio", "propia",
      "completo", "proprio",  "proprie",  "eigen",    "volledige", "полное",  "личный",  "date",     "fecha",
      "data",     "datum",    "of",       "de",       "di",       "da",        "du",      "van"};
  std::vector<std::string> folded = foldedWords(words);
  for (std::size_t i = 0; i + 1 < folded.size(); ++i) {
    if (!isListed(kOwn, folded[i])) continue;
    // The words after the possessive up to the first that is not one of those in between
    // must read as the field's kind: "Your last name", not "Your family doctor's phone".
    std::string phrase = " ";
    for (std::size_t j = i + 1; j < folded.size(); ++j) {
      phrase += folded[j] + " ";
      if (!isListed(kBetween, folded[j])) break;
    }
    if (readFolded(phrase).kind == kind) return true;
  }
  return false;
}

FieldReading LabelReader::readWhen(std::string_view label, std::string_view decidedPart, FieldReading decided) const {
  // A date of birth is as often another person's: a passenger's, a child's, a patient's.
  // Only a label that asks for the date of birth and nothing more has it inserted.
  if (decided.kind == FieldKind::kBirthDate && (namesAnotherPerson(label) || !asksOnlyForABirthDate(label))) {
    decided.offerOnly = true;
  }
  // A former value, or one of the place of birth, may be the saved one: offered only. So under a
  // heading that names the place of birth and reads nothing itself: "Geburtsort · Ort", "Lieu de
  // naissance · Ville"; not under one that names other former things ("Past events · Email").
  if (!isAnswerable(decided.kind) || decided.kind == FieldKind::kBirthDate || decided.offerOnly) return decided;
  if (asksForAFormerValue(decidedPart)) {
    decided.offerOnly = true;
    return decided;
  }
  std::vector<std::string_view> parts = labelParts(label);
  for (std::size_t n = 0; parts.size() > 1 && n < parts.size(); ++n) {
    std::string read;
    if (namesABirthplace(parts[n]) &&
        readPart(parts[n], true, &read).kind == FieldKind::kUnknown) {
      decided.offerOnly = true;
    }
  }
  return decided;
}

bool LabelReader::asksOnlyForABirthDate(std::string_view label) const {
  // Besides the words for a date of birth: possessives, questions ("What is your date of
  // birth?", "When were you born?"), requirements, examples and an age to confirm.
  static constexpr std::string_view kFiller[] = {
      "your", "my", "enter", "please", "select", "required", "optional", "format", "e", "g", "eg", "ex", "the", "of",
      "de", "del", "di", "da", "do", "der", "des", "du", "la", "le", "il", "el", "van", "ihr", "ihre", "votre", "tu",
      "su", "sua", "seu", "vostra", "uw", "twoja", "ваша", "ваш", "dein", "deine", "je", "jouw", "ta", "tua", "твоя",
      "pflichtfeld", "obligatoire", "obligatorio", "obbligatorio", "verplicht", "wymagane", "обязательно",
      "facultatif", "opcional", "what", "is", "when", "were", "you", "born", "ist", "wann", "wurden", "sie", "geboren",
      "quelle", "quel", "est", "cual", "es", "qual", "e", "jaki", "jest", "какая", "for", "example", "par", "ej",
      "es", "bijv", "np", "например", "z", "b", "must", "be", "over", "at", "least", "years", "old", "age", "as",
      "shown", "on", "passport", "id", "we", "ll", "never", "share", "this", "例", "no", "formato", "formaat",
      "в", "формате", "preencha", "seguinte", "nel", "en", "im", "au", "dans", "le", "indique",
      // ... and headings of the person's own account or message: "Sign up · DOB", "Your profile · Birthday".
      "sign", "up", "create", "an", "account", "profile", "checkout", "register", "registration", "contact", "us",
      "get", "touch", "step", "personal", "details", "information", "info", "about", "you", "konto", "erstellen",
      "registrierung", "anmeldung", "persoenliche", "personliche", "angaben", "daten", "inscription", "compte",
      "creer", "registro", "crear", "cuenta", "registrazione", "crea", "cadastro", "criar", "conta"};
  for (const std::string& w : foldedWords(withoutDateFormat(foldText(label)))) {
    if (birthDateWords_.count(w) > 0) continue;
    if (isListed(kFiller, w)) continue;
    if (std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
    return false;
  }
  return true;
}

}  // namespace oskel::answer
