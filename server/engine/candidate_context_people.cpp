// The parts of CandidateContext that tell whose values the history holds: the person's own, or
// those of someone named beside them (a spouse's contact card, a colleague's address).
//
// A history is mostly about its owner: their name stands in several clips, its parts are
// copied on their own, their handles spell it. Another person's name turns up once or twice.
// Only where one name clearly leads is a value tied to another name taken for someone else's.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/candidate_context.h"
#include "engine/lexicon.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

constexpr std::size_t kMaxKnownNames = 16;
constexpr std::size_t kMaxNameBytes = 60;
constexpr long kMaxCardLines = 8;

// Whether two given names may be the same, one shortened: "alex" and "alexander".
bool sameGivenName(const std::string& a, const std::string& b) {
  return !a.empty() && !b.empty() && (a.starts_with(b) || b.starts_with(a));
}

bool hasDigits(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isOwnWord(const std::string& w, const CandidateContext::KnownName& name) {
  return std::find(name.words.begin(), name.words.end(), w) != name.words.end() || w == name.lastWithE;
}

// Whether a word of a handle may be one of the name's words before the last, in full or
// shortened: the given names, or the first of two family names.
bool ownGiven(const std::string& w, const CandidateContext::KnownName& name) {
  if (w.size() < 3) return false;
  for (std::size_t k = 0; k + 1 < name.words.size(); ++k) {
    if (name.words[k].size() >= 3 && (w.starts_with(name.words[k]) || sameGivenName(w, name.words[k]))) return true;
  }
  return false;
}

// Whether the words of a handle spell the name: its given name anywhere ("trevor.w",
// "whitaker.trevor", "flo.w"), or its initial before the family name ("t.whitaker", "rarias.quiroga").
bool spellsName(const std::vector<std::string>& words, const CandidateContext::KnownName& name) {
  if (name.words.size() < 2 || name.words.front().size() < 3) return false;
  if (std::any_of(words.begin(), words.end(), [&](const std::string& w) { return ownGiven(w, name); })) return true;
  const std::string& front = words.front();
  if (front.size() == 1) return words.size() >= 2 && front[0] == name.words.front()[0];
  return front.size() >= 4 && isOwnWord(front.substr(1), name) && front.substr(1) != name.words.front();
}

// Whether two names may be the same person's, one written more fully: every word of the
// shorter stands in the longer ("Trevor Whitaker" in "Dr. Trevor J. Whitaker").
bool samePerson(const CandidateContext::KnownName& a, const CandidateContext::KnownName& b) {
  const std::string& shorter = a.folded.size() <= b.folded.size() ? a.folded : b.folded;
  std::string longer = " " + (a.folded.size() <= b.folded.size() ? b.folded : a.folded) + " ";
  std::size_t start = 0;
  while (start < shorter.size()) {
    std::size_t end = std::min(shorter.find(' ', start), shorter.size());
    if (longer.find(" " + shorter.substr(start, end - start) + " ") == std::string::npos) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

const CandidateContext::People& CandidateContext::people() const {
  if (people_) return *people_;
  people_.emplace();
  std::vector<KnownName>& names = people_->names;
  std::vector<std::size_t> seenAt;  // by name: the first candidate that holds it
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    std::string_view text = texts_[j];
    if (text.size() > kMaxNameBytes || text.find('\n') != std::string_view::npos || hasDigits(text)) continue;
    std::vector<std::string_view> words = splitWords(text);
    if (words.size() < 2 || words.size() > 4 || values_.fullName(text) < 0.7) continue;
    if (fromProse(j) || mentionedInProse(j)) continue;
    std::string folded = foldedPhrase(text);
    auto it = std::find_if(names.begin(), names.end(), [&](const KnownName& n) { return n.folded == folded; });
    if (it == names.end()) {
      if (names.size() >= kMaxKnownNames) continue;
      KnownName name;
      name.folded = std::move(folded);
      CharStats s = charStats(text);
      if (s.letters > 0 && s.latin == s.letters) {  // other scripts go into handles transliterated
        for (std::string_view w : words) name.words.push_back(asciiLetters(w));
        name.lastWithE = asciiLetters(words.back(), true);
      }
      names.push_back(std::move(name));
      seenAt.push_back(j);
      it = names.end() - 1;
    }
    std::string_view clip = clipOf(j);
    if (std::find(it->clips.begin(), it->clips.end(), clip) == it->clips.end()) it->clips.push_back(clip);
  }
  // A word copied on its own counts for the one name that has it: a family name shared by a
  // couple tells neither apart.
  auto copiedAlone = [&](std::string_view part, std::size_t k) {
    std::string folded = foldedPhrase(part);
    for (std::size_t other = 0; other < names.size(); ++other) {
      if (other != k && (" " + names[other].folded + " ").find(" " + folded + " ") != std::string::npos) return false;
    }
    for (std::size_t j = 0; j < texts_.size(); ++j) {
      if (texts_[j] == part && !fromProse(j) && !mentionedInProse(j)) return true;
    }
    return false;
  };
  // The user parts of addresses copied on their own; those in a card are the card's evidence.
  std::vector<std::vector<std::string>> handles;
  for (std::size_t j = 0; j < texts_.size() && handles.size() < 8; ++j) {
    auto whole = longestInClip_.find(clipOf(j));
    if (whole == longestInClip_.end() || whole->second != j || values_.email(texts_[j]) < 1.0) continue;
    handles.push_back(handleWords(texts_[j].substr(0, texts_[j].find('@'))));
  }
  int best = -1;
  int runnerUp = 0;
  for (std::size_t k = 0; k < names.size(); ++k) {
    KnownName& name = names[k];
    std::vector<std::string_view> words = splitWords(texts_[seenAt[k]]);
    bool spelled = std::any_of(handles.begin(), handles.end(),
                               [&](const std::vector<std::string>& h) { return spellsName(h, name); });
    name.support = static_cast<int>(name.clips.size()) + (copiedAlone(words.front(), k) ? 1 : 0) +
                   (copiedAlone(words.back(), k) ? 1 : 0) + (spelled ? 1 : 0);
    if (best < 0 || name.support > names[best].support) {
      if (best >= 0) runnerUp = names[best].support;
      best = static_cast<int>(k);
    } else {
      runnerUp = std::max(runnerUp, name.support);
    }
  }
  if (best >= 0 && names[best].support >= 2 && names[best].support > runnerUp) people_->own = best;
  return *people_;
}

int CandidateContext::cardName(std::size_t i) const {
  std::string_view clip = clipOf(i);
  auto it = longestInClip_.find(clip);
  if (it == longestInClip_.end() || it->second == i) return -1;  // copied on its own
  std::string_view whole = texts_[it->second];
  if (std::count(whole.begin(), whole.end(), '\n') >= kMaxCardLines || isProse(whole)) return -1;
  const std::vector<KnownName>& names = people().names;
  int found = -1;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (std::find(names[k].clips.begin(), names[k].clips.end(), clip) == names[k].clips.end()) continue;
    if (found >= 0) return -1;  // a list of several people
    found = static_cast<int>(k);
  }
  return found;
}

CandidateContext::HandleOwner CandidateContext::handleOwner(std::string_view handle, const KnownName& own) const {
  std::vector<std::string> words = handleWords(handle);
  if (words.empty() || own.words.size() < 2) return HandleOwner::kUnknown;
  if (spellsName(words, own)) return HandleOwner::kOwn;
  const std::string& front = words.front();
  if (front.size() < 3) return HandleOwner::kUnknown;  // another initial, or initials: "jb.lemarchand"
  // The given name of another name in the history: "maxime.collignon" beside Maxime Collignon.
  for (const KnownName& other : people().names) {
    if (other.words.empty() || other.words.front().size() < 3 || ownGiven(other.words.front(), own) ||
        samePerson(other, own)) {
      continue;
    }
    for (const std::string& w : words) {
      if (w.starts_with(other.words.front())) return HandleOwner::kAnother;
    }
  }
  // Another given name before the own family name: "theresa.wimmleitner", "fionarowntree".
  // One that begins like an own given name may be its short form ("mike" for Michael, "kate"
  // for Katherine), so only another first letter tells.
  bool sameInitial = false;
  for (std::size_t k = 0; k + 1 < own.words.size(); ++k) {
    sameInitial = sameInitial || (!own.words[k].empty() && own.words[k][0] == front[0]);
  }
  if (sameInitial) return HandleOwner::kUnknown;
  for (const std::string& last : {own.words.back(), own.lastWithE}) {
    if (last.size() < 3) continue;
    if (words.size() == 2 && words.back() == last) return HandleOwner::kAnother;
    if (words.size() == 1 && front.size() >= last.size() + 4 && front.ends_with(last)) return HandleOwner::kAnother;
  }
  if (isOwnWord(front, own)) return HandleOwner::kUnknown;  // the family name first: "lemarchand.c"
  // A given name that a list knows, alone or with an initial after it: "kelseyw.bend".
  const Lexicon& lex = Lexicon::instance();
  bool listed = (front.size() >= 4 && lex.isGivenName(front)) ||
                (front.size() >= 5 && lex.isGivenName(front.substr(0, front.size() - 1)));
  return listed ? HandleOwner::kAnother : HandleOwner::kUnknown;
}

bool CandidateContext::belongsToAnother(std::size_t i) const {
  if (fromProse(i) || mentionedInProse(i)) return false;  // someone's message: weighed as such
  const People& p = people();
  if (p.own < 0) return false;
  const KnownName& own = p.names[p.own];
  std::string_view text = texts_[i];
  HandleOwner byHandle = HandleOwner::kUnknown;
  if (values_.email(text) >= 1.0) byHandle = handleOwner(text.substr(0, text.find('@')), own);
  if (byHandle != HandleOwner::kUnknown) return byHandle == HandleOwner::kAnother;
  int card = cardName(i);
  return card >= 0 && !samePerson(p.names[card], own);
}

}  // namespace oskel::answer
