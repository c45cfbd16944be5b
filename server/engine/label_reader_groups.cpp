// The parts of LabelReader that read how a later part of a label stands to its heading: a
// field no saved value answers ("Company · VAT number"), another field of the group
// ("Billing address · Date of birth"), the fields under the person's own details.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/example_label.h"
#include "engine/label_asides.h"
#include "engine/label_groups.h"
#include "engine/label_organisations.h"
#include "engine/label_reader.h"
#include "engine/label_wording.h"
#include "engine/text.h"

namespace oskel::answer {

bool LabelReader::namesAFieldNeverAnswered(FieldKind heading, std::string_view headingPart, const FieldReading& later,
                                           std::string_view part) const {
  if (!headsAGroup(heading)) return false;
  bool work = (heading == FieldKind::kOrganisation || isANameKind(heading)) && namesAWorkDetail(foldText(part));
  if (!work && !readsAFieldNeverAnswered(later.kind, later.certainty)) return false;  // most parts end here
  bool address = heading == FieldKind::kStreetAddress || isALineOfAnAddress(heading);
  if (address && !isOwnAddressHeading(foldText(headingPart))) return false;
  std::string bare = withoutAsides(part, labelAsides(part));
  std::string folded = foldText(bare);
  work = work && namesAWorkDetail(folded);
  if (!work && !readsAFieldNeverAnswered(later.kind, later.certainty)) return false;
  // The field's name and nothing more: not a hint on the heading's value ("Include house number",
  // "Middle name too", "Отчество при наличии", "役職不要", "Identique au SIRET"). Or a contact
  // detail of what it names: "Employer · Reference email".
  std::string rest = work ? withoutWorkDetails(folded) : withoutKeywordsOf(folded, later.kind);
  bool onlyItsName = madeOnlyOf(rest, fieldNameFillers(), fieldNameCjkFillers()) && negatedWords(bare).empty();
  if (!(onlyItsName || namesAFieldOnly(bare)) || !colonClosedLabels(part).empty() ||
      joinedPieces(std::string(part), !onlyItsName).size() > 1 ||
      inOneGroup(heading, readFolded(work ? withoutWorkDetails(folded) : folded).kind)) {
    // Nor labels run together, one joined with another field ("Logradouro, número", "Name / VAT
    // number"), nor one that asks for the heading's value after all ("Your name (… details …)").
    return false;
  }
  FieldKind restKind = readFolded(rest).kind;
  // A number of the organisation itself: "Pracodawca · NIP pracodawcy", "Company · Company VAT number".
  // Under an organisation or an address, a word beside a field no value answers names it in
  // another language: "Azienda · Codice coupon", "Indirizzo di spedizione · Numero ordine".
  std::vector<std::string> others;
  for (const std::string& w : foldedWords(rest)) {
    if (!isListed(fieldNameFillers(), w)) others.push_back(w);
  }
  // Not a number under an address, which is as often a hint that the address hold it ("Adresse ·
  // Numéro obligatoire", "Address · Enter house number").
  bool nameInOtherWords = (heading == FieldKind::kOrganisation || (address && later.kind != FieldKind::kOtherNumber)) &&
                          !work && later.certainty >= 0.9 &&
                          others.size() <= 1 && namesAFieldOnly(bare) && !asksToInclude(bare) && !saysHowToWriteIt(bare) &&
                          readFolded(folded).kind == later.kind;
  return onlyItsName || nameInOtherWords || isOrganisationsDetail(restKind) ||
         (heading == FieldKind::kOrganisation && restKind == heading);
}

bool LabelReader::namesTheOrganisationsName(FieldKind heading, std::string_view headingPart,
                                            const FieldReading& later, std::string_view part,
                                            std::string_view whole) const {
  static const std::vector<std::string> kOwnNames = paddedPhrases(
      {"legal name", "registered name", "official name", "full legal name", "registered legal name", "name", "nom",
       "nombre", "nome", "naam", "navn", "namn", "名前", "이름", "名称", "nazwa", "pelna nazwa", "название",
       "наименование", "полное наименование", "полное название", "bezeichnung", "denominacion", "명칭"});
  static const std::vector<std::string> kCompanyWords = foldedAll(
      {"company", "business", "organisation", "organization", "employer", "firm", "entity", "your", "our", "the",
       "about", "information", "info", "details", "data", "account", "firma", "unternehmen", "entreprise", "societe",
       "empresa", "azienda", "bedrijf", "angaben", "zum", "zur", "dati", "dados", "datos", "de", "la", "l", "da",
       "del", "della", "informations", "sur", "votre", "ihr", "ihre", "detalles", "dettagli", "detalhes", "gegevens",
       "dane", "firmy", "daten", "der", "des", "van", "het", "会社", "회사", "公司", "企業", "기업", "firmendaten",
       "компания", "организация", "arbeitgeber", "pracodawca", "работодатель", "勤務先", "单位", "직장", "employeur",
       "empleador", "empregador", "werkgever", "entidad",
       "unternehmensdaten", "aziendali", "bedrijfsgegevens", "реквизиты", "компании", "организации", "данные",
       "organizacji", "instytucji"});
  // An aside may say it is a person's after all: "Company · Name (contact person)".
  std::vector<LabelAside> asides = labelAsides(part);
  static const std::vector<std::string> kPersons = foldedAll(
      {"yours", "mine", "me", "contact", "person", "personne", "ansprechpartner", "mr", "ms", "mrs", "dr", "herr",
       "frau", "mme", "sr", "sra", "supervisor", "manager", "responsable", "jefe", "leidinggevende",
       "vorgesetzter", "hr", "rh", "boss", "director", "contacto", "referente"});
  // The asides as written too: the part read may have dropped them ("Company · Name (include surname)").
  std::vector<LabelAside> written = labelAsides(whole);
  auto persons = [&](const LabelAside& a) {
    FieldKind kind = readFolded(foldText(a.inner)).kind;
    return (kind != FieldKind::kUnknown && kind != FieldKind::kOrganisation) || anyListed(kPersons, foldedWords(a.inner));
  };
  bool personsAside = std::any_of(asides.begin(), asides.end(), persons) ||
                      std::any_of(written.begin(), written.end(), persons);
  return heading == FieldKind::kOrganisation && (isANameKind(later.kind) || later.kind == FieldKind::kUnknown) &&
         !personsAside && isListed(kOwnNames, foldText(withoutAsides(part, asides))) &&
         madeOnlyOf(foldText(headingPart), kCompanyWords, {}) && !saysItIsTheFiller(whole);
}

bool LabelReader::namesAnotherFieldOfTheGroup(FieldKind heading, std::string_view headingPart,
                                              const FieldReading& later, std::string_view part,
                                              std::string_view whole) const {
  if (!headsAGroup(heading) || asksToInclude(whole)) return false;
  if (namesTheOrganisationsName(heading, headingPart, later, part, whole)) return false;
  // A date of birth named alone, "of", format and all; in a note beside a name or an address it
  // is not.
  bool birthDate =
      later.kind == FieldKind::kBirthDate && isOnlyTheNameOf(withoutAsides(part, labelAsides(part)), later.kind);
  if (!birthDate && !readsAnotherDetail(heading, later.kind)) return false;
  // Under an organisation or an address, a part read with certainty may run longer: "Re-enter
  // email address", "Votre adresse e-mail"; not a question ("Where is your company based?") nor
  // labels run together. Beside a name such parts are notes ("Name · We'll email you").
  // A keyword with only such words as "of" and "your" beside it names the field too: "Name of
  // organization".
  // A person's name under an organisation is someone's at it: "Company · Name of director"; not
  // one joined with the organisation's own ("Company · Name and legal form").
  std::string bare = withoutAsides(part, labelAsides(part));
  bool personAtIt = heading == FieldKind::kOrganisation && isANameKind(later.kind) &&
                    foldedWords(bare).size() <= 4 && joinedPieces(bare, false).size() < 2 && colonClosedLabels(whole).empty();
  return birthDate || personAtIt || namesAFieldOnly(part) ||
         (!isANameKind(heading) && later.certainty >= 0.9 && whole.find('?') == std::string_view::npos &&
          !opensWithAnExample(part) &&
          colonClosedLabels(whole).empty() && namesAFieldOnly(part, heading == FieldKind::kOrganisation ? 12 : 7, 5)) ||
         (later.certainty >= 0.9 && isOnlyTheNameOf(withoutAsides(part, labelAsides(part)), later.kind));
}

FieldReading LabelReader::readStreetWithNumber(const std::string& text, const FieldReading& reading) const {
  if (reading.kind != FieldKind::kOtherNumber) return reading;
  std::vector<std::string> pieces = joinedPieces(text);
  if (pieces.size() < 2) return reading;
  bool street = false;
  for (const std::string& piece : pieces) {
    FieldKind kind = readFolded(piece).kind;
    if (kind == FieldKind::kStreetAddress || kind == FieldKind::kStreetName) {
      street = true;
    } else if ((kind != FieldKind::kOtherNumber && kind != FieldKind::kUnknown) || foldedWords(piece).size() > 3) {
      return reading;  // "Street number, unit": another field joined
    }
  }
  return street ? FieldReading{FieldKind::kStreetAddress, 0.9} : reading;
}

bool LabelReader::isOnlyTheNameOf(std::string_view bare, FieldKind kind) const {
  std::string folded = foldText(bare);
  std::string rest = withoutKeywordsOf(folded, kind);
  return rest != folded && madeOnlyOf(rest, fieldNameFillers(), fieldNameCjkFillers()) && negatedWords(bare).empty();
}

std::string LabelReader::withoutKeywordsOf(const std::string& folded, FieldKind kind) const {
  std::vector<Match> matches;
  collect(folded, &matches);
  std::string rest = folded;
  for (const Match& m : matches) {
    if (m.kind != kind) continue;
    // With the rest of a word the keyword starts ("steuer" in "steuernummer"), but not the
    // characters after it in a script written without spaces.
    std::size_t end = m.end;
    while (end < rest.size() && rest[end - 1] != ' ' && rest[end] != ' ' &&
           !(static_cast<unsigned char>(rest[end]) >= 0xE3 && static_cast<unsigned char>(rest[end]) <= 0xED)) {
      ++end;
    }
    std::fill(rest.begin() + static_cast<std::ptrdiff_t>(m.begin), rest.begin() + static_cast<std::ptrdiff_t>(end), ' ');
  }
  return rest;
}


bool LabelReader::offersTheHeading(const FieldReading& decided, std::string_view decidedPart,
                                   const FieldReading& later, std::string_view part) const {
  if (!colonClosedLabels(decidedPart).empty()) return false;
  if (decided.certainty < 0.9 && !headsAGroup(decided.kind)) return true;  // "Sign up · Role"
  // Under an address, a field of its own ("Delivery address · Gender", "Address · Flat number"),
  // but not the address's line ("Address · Line 1") or a heading of it ("Adresse · Privat").
  bool address = decided.kind == FieldKind::kStreetAddress && !decided.offerOnly;
  // A question asks for something of its own ("Lieferadresse · Wie sind Sie auf uns aufmerksam
  // geworden?"), unless it asks where: "Address · Where do you live?".
  if (address && part.find('?') != std::string_view::npos) return !asksWhere(part);
  if ((decided.kind != FieldKind::kOrganisation && !address) || !namesAFieldOnly(part)) return false;
  if (address) {
    static constexpr std::string_view kLines[] = {"line", "ligne", "linea", "zeile", "regel", "linha", "linia",
                                                  "строка", "adresszeile"};
    std::vector<std::string> words = foldedWords(part);
    if (anyListed(kLines, words) || isOwnAddressHeading(foldText(part))) return false;
  }
  // A question asks for something of its own: "Firma · Wie viele Mitarbeiter?".
  if (!address && part.find('?') != std::string_view::npos) return true;
  return !hintsAtTheHeadingsValue(part) &&
         (address || !namesTheOrganisationsName(decided.kind, decidedPart, later, part, part));
}

bool LabelReader::namesItMoreClosely(const FieldReading& decided, std::string_view decidedPart,
                                     const FieldReading& later, std::string_view part) const {
  return later.kind == decided.kind && !decided.offerOnly &&
         (later.certainty > decided.certainty || asksForAFormerValue(part)) && namesOnlyAField(part) &&
         colonClosedLabels(part).empty() && colonClosedLabels(decidedPart).empty();
}

bool LabelReader::namesAFieldWithANote(const FieldReading& decided, std::string_view decidedPart,
                                       const FieldReading& later, std::string_view part) const {
  // Sure of the later field, or a name's word, which is never surer: "Rechnungsadresse · Name auf der Rechnung".
  double sure = isANameKind(later.kind) ? 0.7 : 0.9;
  if (!headsAGroup(decided.kind) || !isAnswerable(later.kind) || later.kind == decided.kind || later.certainty < sure ||
      later.kind == FieldKind::kUsername || !colonClosedLabels(part).empty() || !colonClosedLabels(decidedPart).empty() ||
      namesOnlyAField(part)) {
    return false;  // a field named alone is read against the heading before; "Name · Nickname not allowed"
  }
  // "E-mail", "E-mailadres" fold to two words, the first of them Italian "and".
  std::string folded = foldText(part);
  for (std::size_t at = folded.find(" e mail"); at != std::string::npos; at = folded.find(" e mail")) {
    folded.replace(at, 7, " email");
  }
  if (asksToInclude(folded) || saysHowToWriteIt(folded) || opensWithAnExample(part) || !negatedWords(part).empty()) {
    return false;
  }
  // The field's name comes first, the note after it; not a note that speaks of another field
  // ("Name · We'll email a confirmation", "Name · As on your email", "이름 · 이메일에 표시됩니다"),
  // nor a short word of two senses ("Nom · Tel qu'il figure sur votre pièce d'identité").
  CharStats chars = charStats(part);
  if (chars.han + chars.hangul + chars.kana > 0) return false;
  // Nor a note on what the heading's value is used for: "First name · Email personalisation".
  // A purpose after "for" is the field's own: "Email for order confirmation". Nor a condition on
  // it: "Address line 1 · Company name, if applicable".
  static constexpr std::string_view kPurposes[] = {
      "personalise", "personalize", "personalisation", "personalization", "notifications", "alerts", "updates",
      "receipt", "receipts", "confirmation", "newsletter", "signature", "рассылки", "рассылка"};
  static constexpr std::string_view kFor[] = {"for", "fur", "pour", "para", "per", "voor", "dla", "для"};
  static constexpr std::string_view kConditions[] = {"if", "falls", "wenn", "si", "se", "indien", "jesli", "если",
                                                      "applicable"};
  std::vector<std::string> words = foldedWords(folded);
  if (words.empty() || anyListed(kConditions, words)) return false;
  if (anyListed(kPurposes, words) && !anyListed(kFor, words)) return false;
  // A company's own name under its heading: "Company · Legal name of your business".
  if (decided.kind == FieldKind::kOrganisation && isANameKind(later.kind)) return false;
  return words[0].size() > 3 && readFolded(foldText(words[0])).kind == later.kind;
}

bool LabelReader::refusesBesideAnAddress(const FieldReading& decided, std::string_view decidedPart,
                                         const FieldReading& later, std::string_view part) const {
  bool address = decided.kind == FieldKind::kStreetAddress || isALineOfAnAddress(decided.kind);
  // Not a number or a street's name, which a note on the address speaks of as often ("Address ·
  // Don't forget the house number", "地址 · 含门牌号"); a requirement mark here says the address
  // must hold it: "Adresse · Numéro obligatoire".
  std::string folded = foldText(part);
  bool piece = later.kind == FieldKind::kOtherNumber || later.kind == FieldKind::kStreetName;
  return address && !piece && !decided.offerOnly && readsAFieldNeverAnswered(later.kind, later.certainty) &&
         withoutRequirement(folded) == folded &&
         colonClosedLabels(part).empty() && colonClosedLabels(decidedPart).empty() &&
         isOwnAddressHeading(foldText(decidedPart)) && !hintsAtTheHeadingsValue(part);
}

bool LabelReader::namesOnlyAField(std::string_view part) const {
  std::string bare = withoutAsides(part, labelAsides(part));
  return namesAFieldOnly(bare) || isOnlyTheNameOf(bare, readFolded(foldText(bare)).kind);
}

FieldReading LabelReader::readDetailsHeading(const std::vector<std::string_view>& parts, std::size_t n,
                                             const FieldReading& reading) const {
  std::string folded = foldText(parts[n]);
  std::string rest = folded;
  for (const std::string& noun : detailsNouns()) {
    for (std::size_t at = rest.find(noun); at != std::string::npos; at = rest.find(noun)) {
      rest.replace(at, noun.size(), " ");
    }
  }
  if (rest == folded) return reading;
  FieldReading heading = readFolded(rest);
  if (!headsAGroup(heading.kind) || n + 1 >= parts.size()) return reading;
  // Only where the next part asks for the heading's value or another field of the group, or
  // names one no value answers; any other ("Company details · Order notes", "· Trading since")
  // may be anything, and the heading stays free text.
  std::string_view part = parts[n + 1];
  std::string next;
  FieldReading later = readPart(part, false, &next);
  // A former value of the heading's kind is none: "Company details · Previous employer".
  bool named = later.kind == heading.kind ? !later.offerOnly && !asksForAFormerValue(part) &&
                                                isOnlyTheNameOf(withoutAsides(part, labelAsides(part)), later.kind) :
               namesTheOrganisationsName(heading.kind, parts[n], later, part, part) ||
               namesAnotherFieldOfTheGroup(heading.kind, parts[n], later, part, part) ||
               namesAFieldNeverAnswered(heading.kind, parts[n], later, part);
  return named ? heading : reading;
}

FieldReading LabelReader::readUnderOwnDetails(std::string_view part, bool runTogether) const {
  // The heading says nothing of the field. A field read only loosely from one of its words
  // ("Preferred name"), or a department, is offered.
  FieldReading field = read(part, runTogether);
  std::size_t words = foldedWords(withoutAsides(part, labelAsides(part))).size();
  // Not a name qualified by a role the one filling in holds: "Customer name", "Lead guest name".
  static const std::vector<std::string> kFillersRoles = foldedAll(
      {"customer", "applicant", "buyer", "purchaser", "billing", "holder", "guest", "member", "user", "client",
       "passenger", "traveller", "traveler", "karteninhabers", "kontoinhabers", "karteninhaber", "kontoinhaber"});
  // Nor the detail of another party to the errand: "Sales rep email", "Venue address".
  static const std::vector<std::string> kOtherParties = foldedAll(
      {"sales", "rep", "seller", "vendor", "host", "store", "shop", "venue", "property", "pickup", "destination",
       "event", "hotel", "restaurant", "office", "agent", "supplier"});
  std::vector<std::string> partWords = foldedWords(part);
  bool loose = (field.kind == FieldKind::kFullName && field.certainty < 0.8 && words > 1 &&
                !anyListed(kFillersRoles, partWords)) ||
               anyListed(kOtherParties, partWords) || namesAWorkDetail(foldText(part));
  field.offerOnly = field.offerOnly || (isAnswerable(field.kind) && loose);
  return field;
}

}  // namespace oskel::answer
