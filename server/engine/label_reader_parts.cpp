// The label reader's reading of one " · " part: its asides and date formats, labels of several
// fields run together ("Vorname: Nachname:"), and an organisation's contact details ("Firma
// Telefon" is a phone number, not the company's name; "Firma E-Mail" the person's address at work).
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/date_order.h"
#include "engine/example_label.h"
#include "engine/label_asides.h"
#include "engine/label_groups.h"
#include "engine/label_organisations.h"
#include "engine/label_reader.h"
#include "engine/label_wording.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// Words that ask for an organisation's name: "company name", "raison sociale", "会社名".
bool asksForAName(const std::string& folded) {
  static const std::vector<std::string> kWords = paddedPhrases(
      {"name", "names", "nom", "nome", "nombre", "naam", "nazwa", "nazev", "nimi", "navn", "adi", "nev", "neve",
       "sociale", "social", "denominazione", "denominacion", "denomination", "denominacao", "bezeichnung",
       "firmenbezeichnung", "firmierung", "firmenname", "bedrijfsnaam", "название", "наименование"});
  static const std::vector<std::string> kWithinWords = foldedPhrases({"名", "명"});
  return containsAny(folded, kWords) || containsAny(folded, kWithinWords);
}

}  // namespace

FieldReading LabelReader::readOrganisationsDetail(const std::string& text, const FieldReading& reading) const {
  if (reading.kind != FieldKind::kOrganisation && reading.kind != FieldKind::kPhone &&
      reading.kind != FieldKind::kEmail && reading.kind != FieldKind::kUrl &&
      reading.kind != FieldKind::kStreetAddress && reading.kind != FieldKind::kAddressLine2 &&
      reading.kind != FieldKind::kPostalCode && reading.kind != FieldKind::kCity &&
      reading.kind != FieldKind::kRegion && reading.kind != FieldKind::kCountry) {
    return reading;
  }
  // A company in an example address ("z. B. max@firma.de") is none.
  if (text.find('@') != std::string::npos) return reading;
  // An aside speaks for itself ("Phone (your employer)"), but a company's name must not go into
  // its phone field for it: "Firma Telefon (Zentrale)" offers the number.
  if (std::vector<LabelAside> asides = labelAsides(text); !asides.empty()) {
    if (reading.kind != FieldKind::kOrganisation) return reading;
    FieldReading outside = readOrganisationsDetail(withoutAsides(text, asides), reading);
    if (outside.kind == FieldKind::kOrganisation) return reading;
    // "Company contact (you)": the contact person is the one filling in.
    outside.offerOnly = !(isANameKind(outside.kind) && saysItIsTheFiller(text));
    return outside;
  }
  std::string folded = foldText(text);
  // The person's position or the company's trade, registry number or legal form: "Position in
  // the company", "公司职位", "Company industry". Not its name ("Firmenname inkl. Rechtsform"),
  // nor a word that names the organisation itself ("Department"), nor a detail of one of them
  // ("Employer's HR department email").
  if (reading.kind == FieldKind::kOrganisation && namesAWorkDetail(folded) && !asksForAName(folded) &&
      !saysHowToWriteIt(text) && joinedPieces(text).size() < 2 &&
      readFolded(withoutWorkDetails(folded)).kind == FieldKind::kOrganisation &&
      !isOrganisationsDetail(readFolded(folded, true).kind)) {
    return {FieldKind::kComment, 0.9};
  }
  // Its contact person, who may be the one filling in or a colleague: a name, offered only.
  // Not where the label names a detail of that person ("Company contact person phone"), or asks
  // for the organisation's name as well ("Company name / Contact name").
  if (reading.kind == FieldKind::kOrganisation && namesItsContactPerson(folded) &&
      !isOrganisationsDetail(readFolded(folded, true).kind) && joinedPieces(text).size() < 2) {
    FieldReading person{FieldKind::kFullName, 0.8};
    person.offerOnly = true;
    return person;
  }
  if (asksForAName(folded)) return reading;
  // "Firma / Land", "Company and phone": one piece names the organisation, another the detail.
  std::vector<std::string> pieces = joinedPieces(text);
  if (pieces.size() > 1) {
    bool organisation = false;
    bool detail = false;
    for (const std::string& piece : pieces) {
      FieldKind kind = readFolded(piece).kind;
      organisation = organisation || kind == FieldKind::kOrganisation;
      detail = detail || (kind != FieldKind::kOrganisation && kind != FieldKind::kUnknown);
    }
    if (organisation && detail) return reading;
  }
  FieldReading detail = readFolded(folded, true);
  bool becameDetail = detail.offerOnly && !reading.offerOnly &&
                      (reading.kind == FieldKind::kOrganisation || reading.kind == detail.kind);
  if (!becameDetail) return reading;
  // A company's e-mail address is the person's own at work where the label names nothing else
  // ("Firma E-Mail", not "Company · CEO email", "Customer company · Email"); so is a number the
  // label calls the person's own or their work number ("Your company phone").
  if (personsOwnAtWork(folded, detail.kind, asksForWorkDetails(text) || namesOwnValue(text, detail.kind))) {
    detail.offerOnly = false;
  }
  return detail;
}

FieldReading LabelReader::readOrganisationsPeople(std::string_view label, FieldReading decided) const {
  // "Entreprise · Contact", "会社 · 担当者": the company's contact person, who may be a colleague.
  std::vector<std::string_view> parts = labelParts(label);
  std::string folded;
  for (std::string_view part : parts) folded += foldText(withoutAsides(part, labelAsides(part)));
  if (decided.kind == FieldKind::kOrganisation && parts.size() > 1 && namesItsContactPerson(folded)) {
    // Its name, or the detail a later part names: "会社 · 担当者メールアドレス", "Entreprise · E-mail du contact".
    decided = {FieldKind::kFullName, 0.8};
    for (std::size_t i = 1; i < parts.size(); ++i) {
      FieldReading detail = readFolded(foldText(parts[i]), true);
      if (isOrganisationsDetail(detail.kind) && detail.certainty >= 0.9) decided = detail;
    }
    decided.offerOnly = std::none_of(parts.begin(), parts.end(), saysItIsTheFiller);  // "회사 · 담당자명 (본인)"
  }
  // "School phone", "Hotel · Address": the institution's, which may or may not be the person's.
  if (asksForAnInstitutionsDetail(label, decided.kind)) decided.offerOnly = true;
  return decided;
}

bool LabelReader::asksForAnInstitutionsDetail(std::string_view label, FieldKind kind) const {
  if (!isOrganisationsDetail(kind)) return false;
  std::vector<std::string_view> parts = labelParts(label);
  bool named = false;
  for (std::string_view part : parts) {
    if (!namesAnInstitution(part, kind)) continue;  // the cheap test first: most labels name none
    CharStats chars = charStats(part);
    // An e-mail field under an institution's heading ("Hotel · Email") is the guest's own.
    bool heading = kind != FieldKind::kEmail && (chars.han + chars.hangul + chars.kana > 0
                                                     ? countGraphemes(trimText(part)) <= 4
                                                     : foldedWords(part).size() <= 2);
    bool detail = isOrganisationsDetail(readFolded(foldText(part)).kind);
    named = named || ((heading || detail) && !opensWithAnExample(part));
  }
  // "Hotel · Your phone", "Schule · Ihre Telefonnummer": the person's own, given at the institution.
  return named && !speaksOfTheCustomer(label) &&
         std::none_of(parts.begin(), parts.end(), [&](std::string_view p) { return namesOwnValue(p, kind); });
}

bool LabelReader::namesADetail(std::string_view part) const {
  auto detail = [](FieldKind kind) { return isOrganisationsDetail(kind) || isANameKind(kind); };
  std::vector<std::string> words = foldedWords(part);
  if (words.size() >= 2) {
    return std::any_of(words.begin(), words.end(), [&](const std::string& w) { return detail(readFolded(" " + w + " ").kind); });
  }
  // Han, kana and Hangul run the words together: "上司のメールアドレス".
  static const std::vector<std::string> kCjkDetails = foldedPhrases(
      {"メール", "電話", "携帯", "住所", "氏名", "名前", "邮箱", "电话", "手机", "地址", "姓名", "이메일", "전화", "휴대폰",
       "주소", "이름", "성명", "연락처"});
  std::string folded = foldText(part);
  return words.size() == 1 && charStats(part).han + charStats(part).hangul + charStats(part).kana > 0 &&
         std::any_of(kCjkDetails.begin(), kCjkDetails.end(), [&](const std::string& w) { return folded.find(w) != std::string::npos; });
}

bool LabelReader::namesARolesDetail(std::string_view part, std::string_view label) const {
  // People the person deals with whose own details a form may ask for.
  static const std::vector<std::string> kRoles = foldedPhrases(
      {"teacher", "headteacher", "coach", "instructor", "tutor", "trainer", "dentist", "lawyer", "attorney",
       "solicitor", "physician", "doctor", "gp", "pediatrician", "paediatrician", "midwife", "nurse", "professor",
       "pastor", "priest", "vet", "veterinarian", "notary", "caseworker", "recruiter", "therapist", "psychologist",
       "psychiatrist", "counselor", "counsellor", "mentor", "advisor", "adviser", "babysitter", "nanny", "caregiver",
       "carer", "executor", "witness", "approver", "supervisor", "manager", "boss", "landlord", "referee",
       "accountant", "guarantor"});
  static constexpr std::string_view kDeterminers[] = {"the", "your", "my", "our", "his", "her", "their"};
  std::vector<std::string> words = foldedWords(withoutAsides(part, labelAsides(part)));
  if (words.size() < 2 || words.size() > 6) return false;
  // The detail after the role ("Teacher mobile") or before it ("Email of the teacher"), where
  // "of" is no Dutch "or".
  std::size_t first = 1;
  std::size_t last = words.size();
  if (isListed(kRoles, words.front())) {
    // Not a choice that may be the person ("Trainer/Trainee name").
    if (words.size() > 4 || joinedPieces(std::string(part)).size() > 1) return false;
  } else {
    auto of = std::find(words.begin(), words.end(), "of");
    std::size_t at = static_cast<std::size_t>(of - words.begin());
    std::size_t role = at + 1 < words.size() && isListed(kDeterminers, words[at + 1]) ? at + 2 : at + 1;
    // At most one word before the role ("Email of the head teacher"), and no choice ("the student or teacher").
    // Not a role the one filling in may hold ("the organising teacher", "the team manager"), nor
    // one an aside speaks of ("Email of the teacher (main contact)").
    static constexpr std::string_view kNotModifiers[] = {
        "or", "and", "oder", "und", "ou", "et", "y", "o", "e", "organising", "organizing", "registering", "booking",
        "lead", "responsible", "main", "primary", "team", "practice", "office", "site", "store", "event",
        "business", "project", "registered", "qualified", "accredited", "certified", "licensed", "shift", "duty"};
    // A manager, a supervisor or an adviser is another only as "your" one: "the restaurant manager",
    // "the lawyer" may fill in.
    static constexpr std::string_view kAbove[] = {"manager", "supervisor", "advisor", "adviser", "accountant",
                                                  "lawyer", "attorney", "solicitor", "midwife", "notary"};
    static constexpr std::string_view kYour[] = {"your", "my"};
    bool modified = role + 2 == words.size() && !isListed(kNotModifiers, words[role]);
    bool yours = at + 1 < words.size() && isListed(kYour, words[at + 1]);
    if (at == 0 || (role + 1 != words.size() && !modified) || !isListed(kRoles, words.back()) ||
        (isListed(kAbove, words.back()) && !yours) || !labelAsides(part).empty()) {
      return false;
    }
    first = 0;
    last = at;
  }
  if (saysItIsTheFiller(part) || !colonClosedLabels(part).empty()) return false;
  // Nor the role a form is for: "Coach registration · Name of the coach".
  std::string role = isListed(kRoles, words.front()) ? words.front() : words.back();
  for (std::string_view other : labelParts(label)) {
    std::vector<std::string> otherWords = foldedWords(other);
    if (other.data() != part.data() && std::find(otherWords.begin(), otherWords.end(), role) != otherWords.end()) {
      return false;
    }
  }
  std::string rest = " ";
  for (std::size_t i = first; i < last; ++i) rest += words[i] + " ";
  FieldReading detail = readFolded(rest);
  // Only a detail's own words ("full name", "mobile"), not a word that only hints at one ("sign up").
  return isANameKind(detail.kind) || (isOrganisationsDetail(detail.kind) && detail.certainty >= 0.9);
}

FieldReading LabelReader::readRunTogether(const std::vector<std::string_view>& labels, const FieldReading& whole,
                                          std::string* read) const {
  std::string lastRead;
  FieldReading last = readLabel(labels.back(), &lastRead);
  if (last.kind == whole.kind) return whole;
  // The field's own label names nothing read here. After labels of one kind it qualifies
  // them ("Telefon: privat:"); after labels of several kinds it is a field of its own
  // ("Email: Phone: Extension:"), and the kinds before it are other fields'.
  if (last.kind == FieldKind::kUnknown) {
    FieldKind first = FieldKind::kUnknown;
    bool several = false;
    for (std::size_t i = 0; i + 1 < labels.size(); ++i) {
      std::string text;
      FieldKind kind = readLabel(labels[i], &text).kind;
      if (kind == FieldKind::kUnknown) continue;
      if (first != FieldKind::kUnknown && kind != first) several = true;
      first = kind;
    }
    FieldReading reading = whole;
    reading.offerOnly = reading.offerOnly || several;
    return reading;
  }
  *read = std::move(lastRead);
  if (!isAnswerable(last.kind)) return last;  // "Straße: Hausnummer:"
  std::string headingRead;
  FieldReading heading = readLabel(labels[labels.size() - 2], &headingRead);
  last.offerOnly = true;
  if (last.alternative == FieldKind::kUnknown) {
    bool headingAnswers = isAnswerable(heading.kind) && heading.kind != last.kind;
    last.alternative = headingAnswers ? heading.kind : whole.kind;
  }
  return last;
}

FieldReading LabelReader::readPart(std::string_view whole, bool runTogether, std::string* read) const {
  FieldReading reading = readLabel(whole, read);
  if (!isAnswerable(reading.kind)) return reading;
  std::vector<std::string_view> labels = colonClosedLabels(whole);
  if (runTogether && !labels.empty()) return readRunTogether(labels, reading, read);
  if (!labels.empty()) return reading;
  return readOrganisationsDetail(*read, reading);
}

FieldReading LabelReader::readLabel(std::string_view whole, std::string* read) const {
  std::vector<LabelAside> asides = labelAsides(whole);
  const bool oneLabel = colonClosedLabels(whole).empty();
  // A trap for robots said in an aside of its own: "Website (leave blank)".
  for (const LabelAside& a : asides) {
    auto trap = whole_.find(withoutRequirement(foldText(a.inner)));
    if (trap != whole_.end() && trap->second.kind == FieldKind::kCaptcha) return {FieldKind::kCaptcha, 0.9};
  }
  FieldReading outside;
  if (!asides.empty()) outside = readFolded(foldText(withoutAsides(whole, asides)), false, oneLabel);
  AsideReading aside = asides.empty() ? AsideReading() : readAsides(whole, asides, outside);
  *read = aside.trimmed.empty() ? std::string(whole) : aside.trimmed;
  if (aside.unclear) return {FieldKind::kUnclear, 0.9};
  std::string folded = foldText(*read);
  std::string withoutFormat = withoutDateFormat(folded);
  // Parts of a name merge only outside asides: "Given names (if you have only one name, enter
  // it as your family name)" asks for the given names, "Given name(s) and surname" for both.
  bool merge = oneLabel;
  if (std::vector<LabelAside> kept = labelAsides(*read); merge && !kept.empty()) {
    merge = readFolded(foldText(withoutAsides(*read, kept)), false, true).kind == FieldKind::kFullName;
  }
  FieldReading reading = readStreetWithNumber(*read, readFolded(withoutFormat, false, merge));
  // The format of a whole date makes the field a date: only a date of birth is answered.
  // "At current address since (DD/MM/YYYY)" asks for a date, not the address.
  if (withoutFormat != folded && isAnswerable(reading.kind) && reading.kind != FieldKind::kBirthDate) {
    return {FieldKind::kDatePart, 0.95};
  }
  if (!aside.trimmed.empty() && isAnswerable(reading.kind)) {
    // A name without one of its parts is the other part: "Name (without first name)".
    bool aName = reading.kind == FieldKind::kFullName || reading.kind == FieldKind::kGivenName ||
                 reading.kind == FieldKind::kFamilyName;
    if (aName && aside.ruledOutPart != FieldKind::kUnknown) {
      reading.kind = aside.ruledOutPart == FieldKind::kGivenName ? FieldKind::kFamilyName : FieldKind::kGivenName;
      reading.alternative = FieldKind::kUnknown;
    }
    // A loose word left after a long aside is as unsure as it was inside the sentence.
    if (reading.certainty <= 0.71 && foldedWords(whole).size() > 5) reading.certainty *= 0.45;
  }
  // An address or a number to reach someone by, with a company in an aside: the person's
  // own when the label asks for work details ("Work phone (company)") or the aside speaks
  // of the address's domain ("Email (domain must match your company)"); else maybe the
  // company's ("Phone (your employer)", "Email (company HR)"); never the company's name.
  // A number in an aside of purpose is no number field: "E-mail (for the invoice)". Other
  // asides name what the field wants: "Name (first)", "Phone (IMEI)", "Website (launch date)".
  bool contact = outside.kind == FieldKind::kEmail || outside.kind == FieldKind::kPhone ||
                 outside.kind == FieldKind::kUrl;
  if (contact && outside.certainty >= 0.92) {
    bool company = reading.kind == FieldKind::kOrganisation ||
                   (reading.kind == FieldKind::kStreetAddress && reading.offerOnly);  // "company address"
    if (company) {
      bool own = asksForWorkDetails(withoutAsides(whole, asides)) || speaksOfADomain(asides);
      return own ? outside : FieldReading{FieldKind::kUnclear, 0.9};
    }
    if (reading.kind == FieldKind::kOtherNumber && givesAPurpose(asides)) return outside;
  }
  if (reading.kind == FieldKind::kUnknown) {
    if (std::string apart = spelledApart(*read); !apart.empty()) reading = readFolded(foldText(apart));
  }
  return reading;
}

}  // namespace oskel::answer
