#include "engine/label_reader.h"

#include <algorithm>

#include <unicode/regex.h>

#include "engine/example_label.h"
#include "engine/label_asides.h"
#include "engine/label_groups.h"
#include "engine/label_organisations.h"
#include "engine/label_other_people.h"
#include "engine/label_wording.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

constexpr std::string_view kSeparator = " \xC2\xB7 ";  // " · "

// Refusals that no other part of the label can outweigh.
bool isHardRefusal(FieldKind kind) {
  return kind == FieldKind::kPassword || kind == FieldKind::kCardOrSecurityCode ||
         kind == FieldKind::kOneTimeCode || kind == FieldKind::kCaptcha;
}

double certaintyForWeight(int weight) {
  if (weight >= 26) return 0.95;
  if (weight >= 22) return 0.92;
  if (weight >= 15) return 0.8;
  return 0.7;
}

// "7 + 10 ?" and "6 + = 12": arithmetic questions are captchas.
bool looksLikeArithmetic(std::string_view label) {
  static const icu::RegexPattern* pattern = [] {
    UErrorCode status = U_ZERO_ERROR;
    return icu::RegexPattern::compile(u"\\d\\s*[+*x\\u00D7-]\\s*\\d*\\s*[=?]", 0, status);
  }();
  if (pattern == nullptr) return false;
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(label.data(), static_cast<int32_t>(label.size())));
  std::unique_ptr<icu::RegexMatcher> matcher(pattern->matcher(text, status));
  return U_SUCCESS(status) && matcher->find(status) && U_SUCCESS(status);
}

// Whether a later part or label names the piece of the value that an earlier one, of kind
// `whole`, asks for: "Name · First", "Your name · Last name", "Date of birth (DD/MM/YYYY) · TT",
// "Phone · Country code", "Country · Country code"; but not a hint on writing the whole
// ("Include country code", "Avec tous les prénoms").
bool namesAPiece(FieldKind whole, FieldKind piece, std::string_view part) {
  return (whole == FieldKind::kFullName && (piece == FieldKind::kGivenName || piece == FieldKind::kFamilyName) &&
          !asksToInclude(part)) ||
         (piece == FieldKind::kDatePart && !isWritingHint(part, piece) &&
          (whole == FieldKind::kBirthDate || !hasCjkDateCharacter(part))) ||
         (piece == FieldKind::kPhonePart && !isWritingHint(part, piece));
}

}  // namespace

LabelReader::LabelReader() {
  std::vector<LabelKeywordGroup> groups(answerableKeywordGroups().begin(), answerableKeywordGroups().end());
  groups.insert(groups.end(), addressKeywordGroups().begin(), addressKeywordGroups().end());
  groups.insert(groups.end(), refusalKeywordGroups().begin(), refusalKeywordGroups().end());
  groups.insert(groups.end(), peopleKeywordGroups().begin(), peopleKeywordGroups().end());
  for (const LabelKeywordGroup& group : groups) {
    if (group.kind == FieldKind::kBirthDate) {
      for (const std::string& w : foldedWords(group.words)) birthDateWords_.insert(w);
    }
    std::string_view words = group.words;
    while (!words.empty()) {
      std::size_t bar = words.find('|');
      std::string_view word = words.substr(0, bar);
      words = bar == std::string_view::npos ? std::string_view() : words.substr(bar + 1);
      std::string folded = foldText(word);  // " e mail "
      if (folded.size() < 3) continue;
      Keyword keyword{folded, group.kind, group.weight, group.match, group.alternative, group.balanced,
                      group.offerOnly};
      if (group.match == KeywordMatch::kWhole) {
        whole_.emplace(folded, std::move(keyword));
      } else if (group.match == KeywordMatch::kWord) {
        std::size_t firstEnd = folded.find(' ', 1);
        byFirstWord_[folded.substr(1, firstEnd - 1)].push_back(std::move(keyword));
      } else {
        keyword.needle = group.match == KeywordMatch::kPrefix ? folded.substr(0, folded.size() - 1)
                                                              : folded.substr(1, folded.size() - 2);
        scanned_.push_back(std::move(keyword));
      }
    }
  }
}

void LabelReader::collect(const std::string& folded, std::vector<Match>* matches) const {
  if (auto it = whole_.find(withoutRequirement(folded)); it != whole_.end()) {
    const Keyword& k = it->second;
    matches->push_back({k.kind, k.weight, 0, folded.size(), k.alternative, k.balanced, k.offerOnly});
  }
  // Whole-word keywords, looked up by the word they start with.
  for (std::size_t pos = 0; pos + 1 < folded.size();) {
    std::size_t wordEnd = folded.find(' ', pos + 1);
    if (wordEnd == std::string::npos) break;
    auto it = byFirstWord_.find(folded.substr(pos + 1, wordEnd - pos - 1));
    if (it != byFirstWord_.end()) {
      for (const Keyword& k : it->second) {
        if (folded.compare(pos, k.needle.size(), k.needle) == 0) {
          matches->push_back({k.kind, k.weight, pos, pos + k.needle.size(), k.alternative, k.balanced, k.offerOnly});
        }
      }
    }
    pos = wordEnd;
  }
  bool ascii = std::all_of(folded.begin(), folded.end(), [](char c) { return (c & 0x80) == 0; });
  for (const Keyword& k : scanned_) {
    if (ascii && k.match == KeywordMatch::kAnywhere) continue;
    for (std::size_t at = folded.find(k.needle); at != std::string::npos; at = folded.find(k.needle, at + 1)) {
      matches->push_back({k.kind, k.weight, at, at + k.needle.size(), k.alternative, k.balanced, k.offerOnly});
    }
  }
}

FieldReading LabelReader::readFolded(const std::string& folded, bool detailsOfOrganisation, bool oneLabel) const {
  std::vector<Match> matches;
  collect(folded, &matches);
  if (matches.empty()) return {};
  // Drop a match that lies inside a longer one: "code" in "postal code".
  std::vector<Match> kept;
  for (const Match& m : matches) {
    bool inside = std::any_of(matches.begin(), matches.end(), [&](const Match& o) {
      return o.begin <= m.begin && m.end <= o.end && (o.end - o.begin) > (m.end - m.begin);
    });
    if (!inside) kept.push_back(m);
  }
  // Best weight per kind, remembering where it was first seen.
  int bestWeight[kFieldKindCount] = {};
  const Match* bestMatch[kFieldKindCount] = {};
  std::size_t firstAt[kFieldKindCount];
  std::fill(std::begin(firstAt), std::end(firstAt), std::string::npos);
  for (const Match& m : kept) {
    int k = static_cast<int>(m.kind);
    // Among equal weights a plain reading beats one that only offers.
    if (m.weight > bestWeight[k] || (m.weight == bestWeight[k] && bestMatch[k] != nullptr && bestMatch[k]->offerOnly &&
                                     !m.offerOnly)) {
      bestMatch[k] = &m;
    }
    bestWeight[k] = std::max(bestWeight[k], m.weight);
    firstAt[k] = std::min(firstAt[k], m.begin);
  }
  const int email = bestWeight[static_cast<int>(FieldKind::kEmail)];
  const int username = bestWeight[static_cast<int>(FieldKind::kUsername)];
  if (email > 0 && username > 0) return {FieldKind::kUsernameOrEmail, 0.9};
  if (oneLabel) mergeNameParts(folded, bestWeight, bestMatch, firstAt);

  auto pick = [&](bool answerableOnly) {
    FieldKind best = FieldKind::kUnknown;
    for (int k = 1; k < kFieldKindCount; ++k) {
      if (bestWeight[k] == 0) continue;
      if (answerableOnly && !isAnswerable(static_cast<FieldKind>(k))) continue;
      int b = static_cast<int>(best);
      if (best == FieldKind::kUnknown || bestWeight[k] > bestWeight[b] ||
          (bestWeight[k] == bestWeight[b] && firstAt[k] < firstAt[b])) {
        best = static_cast<FieldKind>(k);
      }
    }
    return best;
  };
  FieldKind best = pick(false);
  // "收款人姓名（本人）", "被保険者（ご本人）氏名": the person named is the one filling it in.
  if (best == FieldKind::kSomeoneElse && namesTheFillerInCjk(folded)) {
    FieldKind answerable = pick(true);
    if (answerable != FieldKind::kUnknown) best = answerable;
  }
  // "Email or customer number": an answerable alternative is enough.
  if (best == FieldKind::kOtherNumber && hasDisjunction(folded)) {
    FieldKind answerable = pick(true);
    if (answerable != FieldKind::kUnknown) best = answerable;
  }
  // An organisation's phone, e-mail, address or place: that detail, never the organisation's
  // name, and only offered, since it may be the person's own at work or the organisation's.
  bool detailOfOrganisation = false;
  const int organisation = bestWeight[static_cast<int>(FieldKind::kOrganisation)];
  if (detailsOfOrganisation && organisation > 0) {
    FieldKind detail = isOrganisationsDetail(best) ? best : FieldKind::kUnknown;
    for (int k = 1; k < kFieldKindCount && detail == FieldKind::kUnknown; ++k) {
      if (bestWeight[k] > 0 && isOrganisationsDetail(static_cast<FieldKind>(k))) detail = static_cast<FieldKind>(k);
    }
    // Not where the detail's own words name the company: "your company email" is the phrase
    // "company email", which is the person's work address.
    const Match* o = bestMatch[static_cast<int>(FieldKind::kOrganisation)];
    const Match* d = detail == FieldKind::kUnknown ? nullptr : bestMatch[static_cast<int>(detail)];
    // Word matches keep the spaces around them, which neighbours share.
    bool overlap = o != nullptr && d != nullptr && d->begin + 1 < o->end && o->begin + 1 < d->end;
    if (detail != FieldKind::kUnknown && !overlap && (best == FieldKind::kOrganisation || best == detail)) {
      bestWeight[static_cast<int>(FieldKind::kOrganisation)] = 0;
      best = detail;
      detailOfOrganisation = true;
    }
  }
  double certainty = certaintyForWeight(bestWeight[static_cast<int>(best)]);
  // A loose word ("name", "address") inside a sentence of many other words ("Name of the
  // person you are nominating", "Enter the address where the event takes place") may be about
  // anything: such a reading is too unsure to insert. Newsletter boxes are sentences by habit.
  if (isAnswerable(best) && best != FieldKind::kEmail && bestWeight[static_cast<int>(best)] <= 15) {
    int words = static_cast<int>(std::count(folded.begin(), folded.end(), ' ')) - 1;
    if (words > 5) certainty *= 0.45;
  }
  // Another answerable kind of nearly the same weight makes the reading doubtful.
  for (int k = 1; k < kFieldKindCount; ++k) {
    if (k == static_cast<int>(best) || bestWeight[k] == 0) continue;
    if (isAnswerable(static_cast<FieldKind>(k)) && bestWeight[k] + 4 >= bestWeight[static_cast<int>(best)]) {
      certainty *= 0.75;
      break;
    }
  }
  FieldReading reading{best, certainty};
  if (const Match* m = bestMatch[static_cast<int>(best)]; m != nullptr) reading.offerOnly = m->offerOnly;
  reading.offerOnly = reading.offerOnly || detailOfOrganisation;
  if (const Match* m = bestMatch[static_cast<int>(best)]; m != nullptr && m->alternative != FieldKind::kUnknown) {
    // A two-sense word next to a word of its other sense ("Nom · Prénom") is read in its first sense only.
    if (bestWeight[static_cast<int>(m->alternative)] == 0) {
      reading.alternative = m->alternative;
      reading.balanced = m->balanced;
    }
  }
  return reading;
}

std::vector<std::string_view> labelParts(std::string_view label) {
  std::vector<std::string_view> parts;
  while (true) {
    std::size_t sep = label.find(kSeparator);
    parts.push_back(label.substr(0, sep));
    if (sep == std::string_view::npos) return parts;
    label.remove_prefix(sep + kSeparator.size());
  }
}

FieldReading LabelReader::read(std::string_view label) const { return read(label, true); }

FieldReading LabelReader::read(std::string_view label, bool runTogether) const {
  if (looksLikeArithmetic(label)) return {FieldKind::kCaptcha, 0.9};
  FieldReading decided;
  std::string decidedPart;
  bool haveDecision = false;
  std::vector<std::string_view> parts = labelParts(label);
  for (std::size_t n = 0; n < parts.size(); ++n) {
    std::string_view whole = parts[n];
    if (n + 1 < parts.size() && callsToWrite(whole)) continue;  // "Write a review · Email"
    std::string part;
    FieldReading reading = readPart(whole, runTogether, &part);
    // The heading of the section about the one filling in, after nothing but words that say
    // nothing ("Step 2 of 3"), says nothing of the field either.
    bool ownSection = !haveDecision && n + 1 < parts.size() && isOwnDetailsHeading(foldText(whole));
    if (ownSection && n + 2 == parts.size() && namesOnlyAField(parts[n + 1])) {
      return readUnderOwnDetails(parts[n + 1], runTogether);  // "Personal details · Email"
    }
    if (ownSection && n + 2 < parts.size()) {
      // A field that the later parts name and describe: "Billing details · Street address ·
      // House number and street name".
      FieldReading below = read(label.substr(parts[n + 1].data() - label.data()), runTogether);
      if (below.kind != FieldKind::kUnknown) return below;
    }
    if (n + 1 < parts.size() && reading.kind == FieldKind::kComment) reading = readDetailsHeading(parts, n, reading);
    if (haveDecision && namesAFieldNeverAnswered(decided.kind, decidedPart, reading, whole)) {
      // "Company · VAT number", "Name · Comments", "Firma · Funktion": the field of the group is
      // one no saved value answers, never the heading's value.
      decided = isAnswerable(reading.kind) || reading.kind == FieldKind::kUnknown ? FieldReading{FieldKind::kComment, 0.9}
                                                                                  : reading;
      decidedPart = part;
      continue;
    }
    if (reading.kind == FieldKind::kUnknown) {
      // "Sign up · Role", "Firma · Anrede": a field no word names beside a heading it leaves unsure.
      if (haveDecision && offersTheHeading(decided, decidedPart, reading, whole)) decided.offerOnly = true;
      continue;
    }
    // A later part that only says what becomes of the value: "Mobile number · We'll text you a
    // verification code", as it would in brackets.
    if (haveDecision && isAnswerable(decided.kind) && leavesTheFieldAsItIs(whole, decided)) continue;
    if (isHardRefusal(reading.kind)) return reading;
    if (namesARolesDetail(whole, label)) return {FieldKind::kSomeoneElse, 0.9};  // "Teacher mobile"
    // A name word of two senses heads the parts of the whole name: "Nom · Prénom", "Nome · Cognome".
    bool wholeName = isANameKind(decided.kind) && decided.alternative == FieldKind::kFullName;
    if (!haveDecision || namesAPiece(wholeName ? FieldKind::kFullName : decided.kind, reading.kind, part)) {
      // The piece of a group only offered is itself only offered: "Company: Name: · First name".
      bool groupOffered = haveDecision && decided.offerOnly;
      decided = reading;
      decided.offerOnly = decided.offerOnly || groupOffered;
      decidedPart = part;
      haveDecision = true;
    } else if ((decided.kind == FieldKind::kSomeoneElse || decided.kind == FieldKind::kPromoCode) &&
               isAnswerable(reading.kind) && namesAFieldOnly(whole) && namesOwnValue(part, reading.kind)) {
      decided = reading;  // "Refer a friend · Your first name", "Gift card · Your email": the giver's
      decidedPart = part;
    } else if (decided.kind == FieldKind::kStreetAddress && isALineOfAnAddress(reading.kind) && !asksToInclude(whole) &&
               (namesAFieldOnly(part) || isOnlyTheNameOf(withoutAsides(part, labelAsides(part)), reading.kind))) {
      // "Address · City", "Billing address · Postcode": a line of the address the heading opens,
      // the person's own where the heading names it so; offered under "Previous address". Not a
      // hint on the address: "Address · Include postcode", "주소 · 상세주소 포함".
      bool groupOffered = decided.offerOnly;
      bool own = isOwnAddressHeading(foldText(decidedPart));
      decided = reading;
      decided.offerOnly = decided.offerOnly || groupOffered || !own;
      decidedPart = part;  // "Delivery address · City of birth" is the place of birth
    } else if (decided.kind == FieldKind::kStreetAddress && isALineOfAnAddress(reading.kind) &&
               reading.certainty < 0.9 && joinedPieces(part).size() > 1) {
      // "Billing address · Postal code and city": two lines in one box. The first line's value
      // is offered, never inserted; the street never.
      decided = reading;
      decided.offerOnly = true;
      decidedPart = part;
    } else if (runTogether && (reading.kind != decided.kind || reading.offerOnly) &&
               !colonClosedLabels(whole).empty()) {
      // A later part runs labels together and reads another kind, or was unsure which:
      // "Full name · Last name: Email:", "Name · Achternaam: Full name:".
      decided.offerOnly = true;
    } else if (decided.kind == FieldKind::kOtherNumber && isAnswerable(reading.kind) && namesAFieldOnly(part) &&
               namesAnErrand(foldText(decidedPart))) {
      // "Booking · Phone", "Hotel check-in · Address": the heading names the form's errand, the
      // part the field. Not a heading of tickets, references or children, which are others'.
      decided = reading;
      decidedPart = part;
    } else if (reading.kind == FieldKind::kSomeoneElse &&
               namesWhoseValue(part, decided.kind == FieldKind::kOrganisation ? 12 : 7) && !isANoteOnOthers(part) &&
               (decided.kind != FieldKind::kOrganisation || namesADetail(part) || namesOnlyAPerson(foldText(part)))) {
      // "Phone · Emergency contact": a short later part names whose value it is; not a note
      // ("Your name · Recipient will see this"), an example or a choice ("Parent or student").
      // Under an organisation, only a part that names the other's detail ("Company · Manager
      // email", "会社 · 上司のメールアドレス") or someone no organisation is ("Firma · Notfallkontakt"),
      // not a role the organisation may hold ("Company · Landlord").
      return reading;
    } else if (namesAnotherFieldOfTheGroup(decided.kind, decidedPart, reading, part, whole)) {
      // "Company · Phone", "Shipping address · First name", "Ansprechpartner · Telefon": the
      // first part heads a group and the later one names the field in it. Never the heading's
      // value; the field's own is offered, as the heading may say whose it is, unless the part
      // says so itself ("Company · Your work email") or it is a company's e-mail address.
      // Work details are the person's own under an organisation or an address, not under a
      // name that may be another's ("Name of director · Business email").
      bool contact = reading.kind == FieldKind::kEmail || reading.kind == FieldKind::kPhone;
      bool own = namesOwnValue(part, reading.kind) ||
                 (contact && !isANameKind(decided.kind) && asksForWorkDetails(part));
      if (decided.kind == FieldKind::kOrganisation) own = personsOwnAtWork(foldText(label), reading.kind, own);
      // "Entreprise · E-mail du contact (vous)"; the payer's details under a billing address, not
      // another's named in them ("Billing address · Student's name").
      own = own || saysItIsTheFiller(whole) ||
            (isBillingAddressHeading(foldText(decidedPart)) && asksForThePayersOwn(part, reading.kind));
      decided = reading;
      decided.offerOnly = decided.offerOnly || !own;
      decidedPart = part;
    } else if (decided.certainty < 0.9 && !headsAGroup(decided.kind) && reading.kind != decided.kind &&
               ((isAnswerable(reading.kind) && reading.certainty >= std::min(0.8, decided.certainty)) ||
                readsAFieldNeverAnswered(reading.kind, reading.certainty)) &&
               namesOnlyAField(whole) && colonClosedLabels(whole).empty() && colonClosedLabels(decidedPart).empty()) {
      // "Sign up · First name", "Sign up · Middle name": a first part read from a loose word only
      // heads the field the later part names, which is offered.
      decided = reading;
      decided.offerOnly = true;
      decidedPart = part;
    } else if (headsAGroup(decided.kind) &&
               (reading.kind == FieldKind::kUnclear ||
                (reading.kind == FieldKind::kSomeoneElse && !isANameKind(decided.kind) && foldedWords(part).size() > 4 &&
                 !opensWithAnExample(part)))) {
      // "Kontaktperson · Telefon (Firma)"; "Entreprise · Personne à prévenir en cas d'urgence",
      // too long to be sure whose value it names: offered only.
      decided.offerOnly = true;
    } else if (namesItMoreClosely(decided, decidedPart, reading, whole)) {
      // Surer: "Lieferadresse · Straße und Nr.", "Name · Vor- und Nachname"; a former value, which
      // the part names: "Address · Previous address".
      decided.certainty = reading.certainty;
      decided.alternative = reading.alternative;
      decided.balanced = reading.balanced;
      decided.offerOnly = decided.offerOnly || reading.offerOnly;  // "Lieferadresse · Straße": maybe without the number
      decidedPart = part;
    } else if (namesAFieldWithANote(decided, decidedPart, reading, whole)) {
      // "Delivery address · Phone for delivery questions"; the payer's own under a billing address,
      // and a line of the person's own address ("Address · State or province").
      std::string heading = foldText(decidedPart);
      bool own = (isBillingAddressHeading(heading) && asksForThePayersOwn(whole, reading.kind)) ||
                 (inOneGroup(decided.kind, reading.kind) && isALineOfAnAddress(reading.kind) &&
                  isOwnAddressHeading(heading));
      decided = reading;
      decided.offerOnly = decided.offerOnly || !own;
      decidedPart = part;
    } else if (refusesBesideAnAddress(decided, decidedPart, reading, whole)) {
      decided = reading;  // "Lieferadresse · Nachricht an den Fahrer"
      decidedPart = part;
    }
  }
  if (isAnswerable(decided.kind) && namesALaterPerson(label)) return {FieldKind::kSomeoneElse, 0.9};
  if (isAnswerable(decided.kind) && asksOnlyIfDifferent(label)) {
    // The name given before is the person's own; another line of their address may still be right.
    if (isANameKind(decided.kind)) return {FieldKind::kSomeoneElse, 0.9};
    decided.offerOnly = true;
  }
  decided = readOrganisationsPeople(label, decided);
  return readWhen(label, decidedPart, decided);
}

}  // namespace oskel::answer
