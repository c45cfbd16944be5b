// How the parts of a label stand to each other: a heading over the field's own name, a
// note beside it, an organisation's detail.
#include "engine/label_groups.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/example_label.h"
#include "engine/label_asides.h"
#include "engine/text.h"

namespace oskel::answer {

// "本人" or "본인" (oneself) in a label, not negated ("非本人", "本人以外", "본인 아님").
bool namesTheFillerInCjk(const std::string& folded) {
  static const std::vector<std::string> kSelf = {foldedPhrase("本人"), foldedPhrase("본인")};
  static const std::vector<std::string> kNotSelf = {foldedPhrase("非本人"), foldedPhrase("本人以外"),
                                                    foldedPhrase("不是本人"), foldedPhrase("본인 외"),
                                                    foldedPhrase("본인이 아닌"), foldedPhrase("본인 아님")};
  auto has = [&](const std::vector<std::string>& list) {
    return std::any_of(list.begin(), list.end(), [&](const std::string& w) { return folded.find(w) != std::string::npos; });
  };
  return has(kSelf) && !has(kNotSelf);
}

// A part short enough to be a field's name and no sentence: "Telefon", "Phone number",
// "メールアドレス"; not "Used to personalise our emails", "Shown in emails", "이메일에 표시됩니다".
bool namesAFieldOnly(std::string_view part) {
  static constexpr std::string_view kNoteWords[] = {
      "for", "fur", "pour", "para", "per", "voor", "dla", "для", "used", "use", "shown", "appears", "in", "on", "via",
      "by", "im", "en", "personalise", "personalize", "personalisation", "personalization", "notifications",
      "alerts", "updates", "receipt", "receipts", "confirmation", "newsletter"};
  CharStats s = charStats(part);
  if (s.han + s.hangul + s.kana > 0) return countGraphemes(trimText(part)) <= 7;
  std::vector<std::string> words = foldedWords(part);
  return words.size() <= 3 && !anyListed(kNoteWords, words);
}

// Words of an emergency, with no person named: "In an emergency", "Im Notfall", "acil durum".
bool namesOnlyAnEmergency(std::string_view text) {
  static constexpr std::string_view kSituations[] = {"emergency", "emergencies", "notfall", "notfalle", "urgence",
                                                     "urgencia", "emergencia", "emergenza", "nood", "acil",
                                                     "naglych", "wypadkach", "awaryjny"};
  static constexpr std::string_view kPeople[] = {"contact", "kontakt", "contacto", "contatto", "contato", "person",
                                                 "persona", "personne", "osoba", "лицо", "name", "nom", "nombre",
                                                 "nome", "naam", "imie", "имя", "contactpersoon", "notfallkontakt"};
  std::vector<std::string> words = foldedWords(text);
  return anyListed(kSituations, words) && !anyListed(kPeople, words);
}

// A short later part that says whose value the field is ("Emergency contact", "Parent",
// "Bij nood contactpersoon"): not negated, no example, no choice ("Parent or student"), and
// more than the emergency in which the number is used ("Phone · In an emergency").
bool namesWhoseValue(std::string_view part) {
  static constexpr std::string_view kChoices[] = {"or", "oder", "ou", "o", "of", "lub", "или", "and", "und",
                                                  "et", "y", "en", "и"};
  std::vector<std::string> words = foldedWords(part);
  if (words.size() > 4 || !negatedWords(part).empty() || opensWithAnExample(part) || anyListed(kChoices, words)) {
    return false;
  }
  return !namesOnlyAnEmergency(part);
}

// Kinds whose word may head a group of fields: "Company", "Shipping address", "Contact person".
bool headsAGroup(FieldKind kind) {
  switch (kind) {
    case FieldKind::kOrganisation:
    case FieldKind::kStreetAddress:
    case FieldKind::kAddressLine2:
    case FieldKind::kPostalCode:
    case FieldKind::kCity:
    case FieldKind::kRegion:
    case FieldKind::kCountry:
    case FieldKind::kFullName:
    case FieldKind::kGivenName:
    case FieldKind::kFamilyName:
      return true;
    default:
      return false;
  }
}

// A later part that names another field of the group `heading` starts: not a user name or
// a date of birth, which a note beside a name or an address speaks of as often.
bool readsAnotherDetail(FieldKind heading, FieldKind later) {
  if (!isAnswerable(later) || later == heading || later == FieldKind::kUsername ||
      later == FieldKind::kUsernameOrEmail || later == FieldKind::kBirthDate) {
    return false;
  }
  bool aName = later == FieldKind::kFullName || later == FieldKind::kGivenName || later == FieldKind::kFamilyName;
  bool headingAName = heading == FieldKind::kFullName || heading == FieldKind::kGivenName ||
                      heading == FieldKind::kFamilyName;
  return !(aName && headingAName);  // "Name · First name" is a piece, read as such
}

// The contact details of a person that an organisation has as well: "Firma Telefon".
bool isOrganisationsDetail(FieldKind kind) {
  switch (kind) {
    case FieldKind::kPhone:
    case FieldKind::kEmail:
    case FieldKind::kUrl:
    case FieldKind::kStreetAddress:
    case FieldKind::kAddressLine2:
    case FieldKind::kPostalCode:
    case FieldKind::kCity:
    case FieldKind::kRegion:
    case FieldKind::kCountry:
      return true;
    default:
      return false;
  }
}

// An employer, a former organisation, or someone or some part of it: "Employer email",
// "Previous employer email", "Company HR email", "Company director email".
bool namesAnotherPartOfIt(const std::string& folded) {
  static const std::vector<std::string> kWords = [] {
    std::vector<std::string> out;
    for (std::string_view w : {"employer", "employer s", "arbeitgeber", "arbeitgebers", "werkgever", "employeur",
                               "empleador", "empregador", "datore", "pracodawca", "pracodawcy", "работодатель",
                               "работодателя", "hr", "human resources", "personalabteilung", "rh", "rrhh",
                               "contact", "representative", "director", "head", "manager", "department",
                               "previous", "former", "prior", "past", "ehemaliger", "ehemalige", "ehemaligen",
                               "vorheriger", "vorherige", "fruherer", "ancien", "ancienne", "anterior",
                               "precedente", "poprzedni", "предыдущего", "предыдущий"}) {
      out.push_back(" " + foldedPhrase(w) + " ");
    }
    return out;
  }();
  return std::any_of(kWords.begin(), kWords.end(),
                     [&](const std::string& w) { return folded.find(w) != std::string::npos; });
}

}  // namespace oskel::answer
