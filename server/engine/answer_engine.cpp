#include "engine/answer_engine.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "engine/candidate_context.h"
#include "engine/lexicon.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// A candidate must fit at least this well to be chosen at all.
constexpr double kChooseFloor = 0.5;
// Candidates below this fit are left out of the ranking.
constexpr double kRankFloor = 0.3;
// Two fits this close count as equally good; the newer candidate wins.
constexpr double kTie = 0.05;

// A full name that the person's own handle spells, or whose parts were copied on their own:
// ahead of an equally good name. A name in Han or Hangul, doubtful by its shape alone (three
// characters may as well be a word), is settled by it.
double raiseOwnName(double fit, std::string_view text) {
  CharStats s = charStats(text);
  bool cjk = s.letters > 0 && s.han + s.hangul == s.letters;
  return std::min(0.96, std::max(fit + 0.1, cjk ? 0.95 : 0.0));
}

// Kinds whose values have a shape of their own; a label in front of a value
// cannot make, say, a word into an e-mail address.
bool hasStrongShape(FieldKind kind) {
  switch (kind) {
    case FieldKind::kEmail:
    case FieldKind::kPhone:
    case FieldKind::kUrl:
    case FieldKind::kPostalCode:
    case FieldKind::kBirthDate:
      return true;
    default:
      return false;
  }
}

// Whether a value labelled as `labelled` answers a field of kind `field`.
bool labelAnswers(FieldKind labelled, FieldKind field, std::string_view value) {
  if (labelled == field) return true;
  // City states are their own region: "Bundesland: Berlin", "State: Москва". A state that only
  // shares its name with its capital ("State: São Paulo") is no answer for the town.
  if ((labelled == FieldKind::kRegion && field == FieldKind::kCity) ||
      (labelled == FieldKind::kCity && field == FieldKind::kRegion)) {
    return Lexicon::instance().isCityState(foldedPhrase(value));
  }
  if (field == FieldKind::kUsernameOrEmail) return labelled == FieldKind::kEmail || labelled == FieldKind::kUsername;
  if (field == FieldKind::kStreetAddress) return labelled == FieldKind::kStreetAddress;
  return false;
}

}  // namespace

struct AnswerEngine::Scored {
  std::vector<RankedCandidate> ranked;  // best first
  std::vector<bool> embedded;           // by candidate: pulled out of someone's message
  std::vector<bool> doubtful;           // by candidate: the person's own, but maybe another value
  std::vector<bool> handleSpelled;      // by candidate: a full name ranked first by an own handle
  // The newest address that fits but that the label refuses ("(no Gmail)"); npos when none.
  // The person's own address is likelier the newer one.
  std::size_t newestRefused = std::string_view::npos;
  // Some value that fits was set aside as someone else's: the one chosen may be another's too.
  bool anotherFits = false;
  bool fits(double floor) const { return !ranked.empty() && ranked.front().fit >= floor; }
  // Fits with a value of the person's own, not one pulled out of someone's message.
  bool fitsOwn(double floor) const { return fits(floor) && !embedded[ranked.front().index]; }
};

AnswerEngine::Scored AnswerEngine::score(FieldKind kind, const std::vector<std::string_view>& texts,
                                         const CandidateContext& context, const LabelHints& hints) const {
  Scored result;
  std::vector<RankedCandidate>& scored = result.ranked;
  result.embedded.assign(texts.size(), false);
  result.doubtful.assign(texts.size(), false);
  result.handleSpelled.assign(texts.size(), false);
  // The person's own address, where one spells their name, goes ahead of addresses that spell
  // no one known (a colleague's, a client's).
  bool mailField = kind == FieldKind::kEmail || kind == FieldKind::kUsernameOrEmail;
  bool ownAddressSaved = false;
  for (std::size_t i = 0; mailField && i < texts.size() && !ownAddressSaved; ++i) {
    ownAddressSaved = !context.fromProse(i) && context.spellsOwnName(i);
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::string_view text = texts[i];
    // A value with surrounding white space is not the exact answer; leave it to its trimmed twin.
    if (text.empty() || trimText(text).size() != text.size()) continue;
    // A table row ("Acme GmbH<TAB>Berlin") holds several values, and "Firma: Acme GmbH" a
    // label with its value: the values answer, never the row or the line.
    if (text.find('\t') != std::string_view::npos || context.isLabelledLine(i) || context.insideALink(i) ||
        context.cutFromALongerWord(i)) {
      continue;
    }
    if (rulesOut(hints.mail, text)) {
      if (values_.score(kind, text) >= kChooseFloor) result.newestRefused = std::min(result.newestRefused, i);
      continue;
    }
    double fit = values_.score(kind, text);
    bool offerOnly = false;
    fit = weighByLabel(hints, kind, text, fit, kChooseFloor, values_, &offerOnly);
    if (offerOnly) result.doubtful[i] = true;
    std::vector<FieldReading> labels = context.labelledAs(i);
    // A line copied alone that also opens a whole address before its postal code and town is
    // its street line, whatever words it is made of ("Údolní 53"); ahead of the whole address.
    if (kind == FieldKind::kStreetAddress && labels.empty() && context.isStreetPartOfAddress(i)) {
      fit = std::max(fit, 0.96);
    }
    // The street line with the next line of the address on it goes behind the street line alone.
    if (kind == FieldKind::kStreetAddress && fit >= kChooseFloor && context.extendsAnotherLine(i)) fit *= 0.9;
    bool nameField = kind == FieldKind::kFullName || kind == FieldKind::kGivenName || kind == FieldKind::kFamilyName;
    CandidateContext::NameOwner owner = CandidateContext::NameOwner::kUnknown;
    if (nameField) owner = kind == FieldKind::kFullName ? context.fullNameOwner(i) : context.namePartOwner(i);
    if (!labels.empty()) {
      const FieldReading* answering = nullptr;
      // "Kraj" is the country in Polish and the region in Slovak: "Kraj: Košický kraj" names a
      // region by its own words, whatever the label.
      bool region = kind == FieldKind::kCountry && values_.region(text) >= 0.75 && values_.country(text) == 0.0;
      for (const FieldReading& l : labels) {
        if (labelAnswers(l.kind, kind, text) && !region) answering = &l;
      }
      if (answering != nullptr) {
        // A city state labelled as the region answers a city field less surely than a value
        // labelled as the city or read out of a "<postal code> <city>" line.
        bool sameKind = answering->kind == kind || kind == FieldKind::kUsernameOrEmail;
        if (!sameKind) fit = 0.8;
        else if (kind == FieldKind::kFullName && fit == 0.0) fit = kChooseFloor + 0.1;  // "Nome: Thaís", one word
        else if (!hasStrongShape(kind) || fit > 0.2) fit = std::max(fit, 0.9 + 0.05 * answering->certainty);
        // A note with two values of the kind ("Primer apellido: Fernández", "Segundo apellido:
        // Morales"): the one under other words than the field's goes behind.
        if (sameKind && !context.labelledWith(i, hints.ownLabel) && context.clipLabelsAnotherWith(i, hints.ownLabel)) {
          fit *= 0.9;
        }
      } else if (kind == FieldKind::kCity && fit >= 0.9 &&
                 std::any_of(labels.begin(), labels.end(),
                             [](const FieldReading& l) { return l.kind == FieldKind::kRegion; })) {
        // "State: Madrid" names the region; the town may or may not share its name: offered only.
        fit = kChooseFloor + 0.1;
        result.doubtful[i] = true;
      } else {
        fit *= 0.35;  // labelled as something else: "Fax", "Order number", "Wi-Fi"
      }
    } else if (fit > 0.0) {
      switch (kind) {
        case FieldKind::kGivenName:
        case FieldKind::kFamilyName: {
          // A patronymic ("Аркадьевич") is neither the given nor the family name.
          if (ValueReader::isPatronymic(text)) {
            fit *= 0.3;
            break;
          }
          // Names in Chinese, Japanese and Korean put the family name first, and so do
          // Hungarian and Vietnamese ones in Latin letters, and lists of any names.
          CharStats s = charStats(text);
          bool cjk = s.han + s.hangul + s.kana > 0;
          bool given = cjk ? context.endsSomeName(i) : context.givenPartOfSomeName(i);
          given = given || context.precedesPatronymic(i);
          bool family = cjk ? context.startsSomeName(i) : context.familyPartOfSomeName(i);
          // People spell their names into their addresses, given name first: anna.mueller@…
          std::optional<bool> byCapitals = context.familyByCapitals(i);
          CandidateContext::HandlePart part = byCapitals || (!given && !family) ? context.partOfOwnHandle(i)
                                                                                : CandidateContext::HandlePart::kNone;
          if (byCapitals && part == CandidateContext::HandlePart::kNone) {
            family = *byCapitals;  // "DUPONT Jean", whichever part comes first
            given = !*byCapitals;
          }
          if (!given && !family) {
            given = part == CandidateContext::HandlePart::kFirst;
            family = part == CandidateContext::HandlePart::kLast;
          }
          bool wanted = kind == FieldKind::kGivenName ? given : family;
          bool other = kind == FieldKind::kGivenName ? family : given;
          bool nameKnown = context.knowsAPersonsName() || context.handleSpellsAName();
          if (wanted) {
            fit = std::max(fit, 0.96);
          } else if (other || context.isCityPartOfLocality(i)) {
            fit *= 0.3;  // "10115 Berlin": a town
          } else if (fit <= 0.5 && nameKnown) {
            fit *= 0.6;  // a word no list knows, and no part of the person's name found elsewhere
          } else if (context.knowsAPersonsName()) {
            fit *= 0.8;  // a name, but no part of the person's: "Marco" beside "Ngozi Adeyemi"
          } else if (kind == FieldKind::kFamilyName && fit == ValueReader::kUnlistedFamilyName &&
                     !context.copiedAGivenNameAlone(i)) {
            // With nothing else in the history to place it, a word no list knows is as likely
            // a town or a given name as the family name. Offered, never inserted.
            fit = kChooseFloor + 0.02;
            result.doubtful[i] = true;
          } else if (kind == FieldKind::kGivenName && fit >= 0.4 && fit < kChooseFloor) {
            // A word no list knows ("Thiago"), with no name of the person's elsewhere to place
            // it: as likely a town or a brand as the given name. Offered, never inserted.
            fit = kChooseFloor + 0.02;
            result.doubtful[i] = true;
          }
          break;
        }
        case FieldKind::kFullName:
          // "García López" at the end of "María García López" is the family name; "94107 San
          // Francisco" makes its town no person.
          // Nor is "Puigvert Rovira" beside queralt.puigvert@…: the handle ends with its first
          // word, no given name, so it is the family name of two words ("dr.sarah@…" ends with
          // Sarah of "Sarah Connor").
          // "Anna Lena" at the start of "Anna Lena Brückner" is her given names.
          if (context.endsSomeName(i) || context.isCityPartOfLocality(i) || context.startsLongerName(i) ||
              (context.partOfOwnHandle(i) == CandidateContext::HandlePart::kLast &&
               values_.givenName(text.substr(0, text.find(' '))) < 0.9)) {
            fit *= 0.6;
          }
          else if (context.spelledByOwnHandle(i)) {
            // Ahead of an equally good name ("Kindle Paperwhite"), and the other names stay
            // rivals: the address may be a colleague's, copied for a copy line.
            fit = raiseOwnName(fit, text);
            result.handleSpelled[i] = true;
          } else if (fit >= kChooseFloor && context.namePartsCopiedAlone(i)) {
            fit = raiseOwnName(fit, text);
          } else if (fit > kChooseFloor && fit <= 0.7 && context.ownHandleNamesAnotherThan(i)) {
            // Words no list knows as a given name ("Sete Lagoas"), while the person's own
            // address names someone else: as likely a place or a brand. Offered only.
            result.doubtful[i] = true;
          }
          break;
        case FieldKind::kCity:
          if (context.isCityPartOfLocality(i) || context.townOwner(i) == CandidateContext::NameOwner::kOwn) {
            fit = std::max(fit, 0.9);
          } else if (fit >= kChooseFloor && context.townOwner(i) == CandidateContext::NameOwner::kAnother) {
            // A town other than the one the person's own postal code goes with: a trip's.
            fit *= 0.85;
            result.doubtful[i] = true;
          } else if (fit >= 0.35 && fit < kChooseFloor && values_.isCapitalisedWord(text) &&
                     (context.knowsAPersonsName() || context.handleSpellsAName()) && !context.startsSomeName(i) &&
                     !context.endsSomeName(i) && context.partOfOwnHandle(i) == CandidateContext::HandlePart::kNone &&
                     values_.fullName(text) < 0.7 && !context.fromProse(i)) {
            // A word no list knows: with the person's name elsewhere in the history and this
            // word no part of it nor a name in itself ("김민준"), a town is the likelier reading.
            fit = kChooseFloor + 0.05;
          }
          break;
        case FieldKind::kPostalCode:
          if (context.isPostalPartOfLocality(i)) fit = std::max(fit, 0.95);
          break;
        case FieldKind::kPhone:
          // "01310-100 Campinas": digits that some numbering plan accepts, but a postal code here.
          if (context.isPostalPartOfLocality(i)) fit *= 0.3;
          break;
        default:
          break;
      }
      // A value pulled out of a message or a signature is as likely someone else's. The person's
      // own name copied alone stays theirs, greeted or signed under as well, and so does a value
      // copied alone that stands in their own signature too.
      bool ownName = owner == CandidateContext::NameOwner::kOwn && !context.fromProse(i);
      if (context.fromProse(i) ||
          (context.mentionedInProse(i) && !ownName && !context.mentionedOnlyInOwnWords(i))) {
        fit *= 0.7;
        result.embedded[i] = true;
      }
    }
    // A name in kana alone is mostly the reading of one written in kanji: the kanji go ahead.
    if (nameField && fit > 0.0) {
      CharStats chars = charStats(text);
      if (chars.kana > 0 && chars.kana == chars.letters) fit *= 0.6;
    }
    // Where the history leaves no doubt whose it is, the person's own name goes ahead, and
    // another's (a colleague's, a spouse's) is offered, never inserted.
    if (nameField && labels.empty() && fit > 0.0) {
      if (owner == CandidateContext::NameOwner::kOwn && kind == FieldKind::kFullName && context.knowsOtherNames()) {
        fit = std::max(fit, 0.92);  // ahead of a listed name of another, if one fits better
      } else if (owner == CandidateContext::NameOwner::kAnother && fit >= kChooseFloor) {
        fit *= 0.85;
        result.doubtful[i] = true;
        result.anotherFits = true;
      }
    }
    if (ownAddressSaved && fit >= kChooseFloor && values_.email(text) >= 1.0 && !context.spellsOwnName(i)) fit *= 0.9;
    // A spouse's card or a colleague's address, where the history is clearly about someone
    // else: offered, never inserted, and the person's own value goes ahead of it.
    bool ownContact = mailField || kind == FieldKind::kPhone;
    if (ownContact && fit >= kChooseFloor && context.belongsToAnother(i)) {
      fit *= 0.85;
      result.doubtful[i] = true;
      result.anotherFits = true;
    }
    // A name or an address in another script than the label asks for is offered, never
    // inserted, and goes behind one written as asked, however surely it is the person's.
    if (fit > 0.0 && isInAnotherScript(hints, text)) {
      fit = std::min(fit, kChooseFloor * 0.9);
      result.doubtful[i] = true;
    }
    if (fit >= kRankFloor) scored.push_back({i, fit});
  }
  // A fixed line for a mobile field, or a mobile for a fixed-line one, goes behind, however
  // surely a note labels it a phone. Only behind: among several mobiles, being one says nothing
  // of whose it is. Reading the sort of line is slow, so only the best few are read.
  if (kind == FieldKind::kPhone && hints.line.line != LineAsked::Line::kAny) {
    constexpr std::size_t kLinesRead = 8;
    std::size_t read = std::min(kLinesRead, scored.size());
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(read), scored.end(),
                      [](const RankedCandidate& a, const RankedCandidate& b) { return a.fit > b.fit; });
    for (std::size_t k = 0; k < read; ++k) {
      if (isOtherLine(hints, kind, texts[scored[k].index])) scored[k].fit *= 0.8;
    }
    std::sort(scored.begin(), scored.end(),
              [](const RankedCandidate& a, const RankedCandidate& b) { return a.index < b.index; });
  }
  // Best first; among equally good candidates one copied on its own before one pulled out of
  // a message, then the newer (earlier in the list).
  const std::vector<bool>& embedded = result.embedded;
  std::stable_sort(scored.begin(), scored.end(), [&](const RankedCandidate& a, const RankedCandidate& b) {
    if (std::fabs(a.fit - b.fit) > kTie) return a.fit > b.fit;
    if (embedded[a.index] != embedded[b.index]) return !embedded[a.index];
    return a.index < b.index;
  });
  return result;
}

Answer AnswerEngine::answer(const FieldInput& field, const std::vector<CandidateInput>& candidates) const {
  Answer result;
  FieldReading reading = readField(field);
  result.kind = reading.kind;
  if (!isAnswerable(reading.kind)) {
    result.confidence = reading.kind == FieldKind::kUnknown ? 0.6 : reading.certainty;
    result.reason = reading.kind == FieldKind::kUnknown ? "the label names no kind of value that a saved clip answers"
                                                        : std::string(fieldKindName(reading.kind)) +
                                                              " field: never filled from the history";
    return result;
  }
  FieldKind kind = reading.kind;
  std::vector<std::string_view> ids;
  std::vector<std::string_view> texts;
  ids.reserve(candidates.size());
  texts.reserve(candidates.size());
  for (const CandidateInput& c : candidates) {
    ids.push_back(c.id);
    texts.push_back(c.text);
  }
  CandidateContext context(ids, texts, labels_, values_);

  LabelHints hints = readLabelHints(kind, readablePart(field.label));
  Scored primary = score(kind, texts, context, hints);
  // A label in two senses ("Name", "Nom"): the usual sense first; the other one answers
  // only when nothing fits the usual sense, and then never on its own.
  bool unsure = false;
  if (reading.alternative != FieldKind::kUnknown && isAnswerable(reading.alternative)) {
    Scored other = score(reading.alternative, texts, context, LabelHints());
    if (!primary.fitsOwn(kChooseFloor) && other.fitsOwn(kChooseFloor)) {
      std::swap(primary, other);
      kind = reading.alternative;
      unsure = true;
    } else if (reading.balanced && primary.fits(kChooseFloor) && other.fits(kChooseFloor)) {
      unsure = true;
    }
    for (const RankedCandidate& r : other.ranked) {
      bool listed = std::any_of(primary.ranked.begin(), primary.ranked.end(),
                                [&](const RankedCandidate& p) { return p.index == r.index; });
      if (!listed) primary.ranked.push_back({r.index, r.fit * 0.5});
    }
  }
  const std::vector<RankedCandidate>& scored = primary.ranked;
  result.ranked = scored;
  result.kind = kind;
  if (!primary.fits(kChooseFloor)) {
    result.confidence = reading.certainty * (scored.empty() ? 0.9 : 0.6);
    result.reason = std::string(fieldKindName(kind)) + " field: no saved value clearly fits";
    return result;
  }
  const RankedCandidate& best = scored.front();
  // Other distinct values that fit about as well make the choice less certain.
  std::unordered_set<std::string> rivals;
  std::string bestFolded = foldText(texts[best.index]);
  bool spelled = primary.handleSpelled[best.index];
  for (std::size_t r = 1; r < scored.size(); ++r) {
    if (scored[r].fit + kTie < best.fit && !(spelled && scored[r].fit >= kChooseFloor)) break;
    std::string folded = foldText(texts[scored[r].index]);
    if (folded != bestFolded) rivals.insert(std::move(folded));
  }
  // A refused address, or one set aside as someone else's, counts as a rival: the one left is
  // as likely another's.
  std::size_t rivalCount = rivals.size() + (primary.newestRefused != std::string_view::npos ? 1 : 0) +
                          (primary.anotherFits && !primary.doubtful[best.index] ? 1 : 0);
  double confidence = reading.certainty * best.fit;
  if (rivalCount > 0) confidence *= rivalCount == 1 ? 0.7 : 0.55;
  // Not sure enough to insert on its own: the value may belong to the sender of a message,
  // the label may mean the other of its two senses, or it refused a newer address.
  bool refusedNewer = primary.newestRefused < best.index;
  if (primary.embedded[best.index] || primary.doubtful[best.index] || refusedNewer || unsure || reading.offerOnly) {
    confidence = std::min(confidence, 0.35);
  }
  result.chosen = best.index;
  result.confidence = std::clamp(confidence, 0.0, 1.0);
  result.reason = std::string(fieldKindName(kind)) + " field" +
                  (rivalCount == 0 ? ": one saved value fits" : ": the newest of several fitting values");
  return result;
}

}  // namespace oskel::answer
