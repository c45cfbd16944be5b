// The parts of CandidateContext that tell whose values the history holds: the person's own, or
// those of someone named beside them (a spouse's contact card, a colleague's address).
//
// A history is mostly about its owner: their name stands in several clips, its parts are
// copied on their own, their handles spell it. Another person's name turns up once or twice.
// Only where one name clearly leads is a value tied to another name taken for someone else's.
#include <algorithm>
#include <string>
#include <vector>

#include <unicode/uchar.h>

#include "engine/candidate_context.h"
#include "engine/lexicon.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

constexpr std::size_t kMaxKnownNames = 16;
constexpr std::size_t kMaxNameBytes = 60;
constexpr long kMaxCardLines = 8;

// A name folded without the initials between its first and last word: "Marcus J. Bell" is
// "marcus bell", the same person. "O'Connor" is one word.
std::string foldedWithoutMiddleInitials(std::string_view text) {
  std::vector<std::string_view> words = splitWords(text);
  if (words.size() < 3) return foldedPhrase(text);
  std::string kept(words.front());
  for (std::size_t k = 1; k < words.size(); ++k) {
    std::string_view w = words[k];
    if (w.ends_with('.')) w.remove_suffix(1);
    if (k + 1 < words.size() && w.size() == 1) continue;
    kept += ' ';
    kept += words[k];
  }
  return foldedPhrase(kept);
}

// Whether two given names may be the same, one shortened: "alex" and "alexander".
bool sameGivenName(const std::string& a, const std::string& b) {
  return !a.empty() && !b.empty() && (a.starts_with(b) || b.starts_with(a));
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
  char initial = name.words.front()[0];
  if (front.size() == 1) return words.size() >= 2 && front[0] == initial;
  if (front.size() >= 4 && isOwnWord(front.substr(1), name) && front.substr(1) != name.words.front()) return true;
  // The family name first, then the initial: "smith.j", "jamesk".
  if (words.size() == 2 && words.back().size() == 1 && words.back()[0] == initial && isOwnWord(front, name)) return true;
  return front.size() >= 4 && front.back() == initial && isOwnWord(front.substr(0, front.size() - 1), name);
}

// Whether two names share a word, with umlauts spelled either way ("Müller", "Mueller"): a
// couple, a parent and child, or one person under a short or a former name.
bool shareAWord(const CandidateContext::KnownName& a, const CandidateContext::KnownName& b) {
  for (const std::string& w : a.words) {
    if (isOwnWord(w, b)) return true;
  }
  return !a.lastWithE.empty() && isOwnWord(a.lastWithE, b);
}

// Whether a message ends with a name after a closing comma, a dash or a line break: "Cheers,
// Karen", "– Olivia", "…\nA.", or a given name alone as its last word.
bool signedWithAName(std::string_view whole) {
  whole = trimText(whole);
  while (!whole.empty() && (whole.back() == '.' || whole.back() == '!')) whole.remove_suffix(1);
  std::size_t last = whole.find_last_of(" \n");
  if (last == std::string_view::npos) return false;
  std::string_view signer = whole.substr(last + 1);
  bool dashed = false;  // "–Meg"
  while (signer.starts_with("\u2013") || signer.starts_with("\u2014") || signer.starts_with("-")) {
    signer.remove_prefix(signer.front() == '-' ? 1 : std::string_view("\u2013").size());
    dashed = true;
  }
  UChar32 initial = firstCodePoint(signer);
  if (signer.empty() || signer.size() > 20 || !u_isupper(initial)) return false;
  std::string_view before = trimText(whole.substr(0, last + 1));
  bool closed = whole[last] == '\n' || before.ends_with(",") || before.ends_with("-") || before.ends_with("\u2013") ||
                before.ends_with("\u2014");
  return closed || dashed || Lexicon::instance().isGivenName(foldedPhrase(signer));
}

// Whether a message names its writer by the given name of `name`: signed with it ("… Abraço,
// Rui") or introduced by it ("it's Marcus", "hier ist Anna", "tu Kasia").
bool writtenBy(std::string_view whole, const std::string& folded, const CandidateContext::KnownName& name) {
  if (name.words.empty() || name.words.front().size() < 3) return false;
  const std::string& given = name.words.front();
  if (signedWithAName(whole)) {
    std::string_view last = trimText(whole);
    while (!last.empty() && (last.back() == '.' || last.back() == '!')) last.remove_suffix(1);
    if (asciiLetters(last.substr(last.find_last_of(" \n-") + 1)) == given) return true;
  }
  static constexpr std::string_view kBefore[] = {"it s", "its", "this is", "c est", "hier ist", "ich bin", "soy",
                                                 "sono", "aqui e", "tu", "hier is", "ik ben", "jestem", "это"};
  for (std::string_view b : kBefore) {
    if (folded.find(" " + std::string(b) + " " + given + " ") != std::string::npos) return true;
  }
  return folded.find(" " + given + " here ") != std::string::npos;
}

}  // namespace

const CandidateContext::People& CandidateContext::people() const {
  if (people_) return *people_;
  people_.emplace(People{{}, -1, false});
  std::vector<KnownName>& names = people_->names;
  // The user parts of addresses copied on their own; those in a card are the card's evidence.
  std::vector<std::vector<std::string>> handles;
  for (std::size_t j = 0; j < texts_.size() && handles.size() < 8; ++j) {
    auto whole = longestInClip_.find(clipOf(j));
    if (whole == longestInClip_.end() || whole->second != j || texts_[j].find('@') == std::string_view::npos ||
        values_.email(texts_[j]) < 1.0) {
      continue;
    }
    handles.push_back(handleWords(texts_[j].substr(0, texts_[j].find('@'))));
  }
  std::vector<std::string_view> seenAs;  // by name: as the first candidate that holds it writes it
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    std::string_view text = texts_[j];
    if (text.size() > kMaxNameBytes || text.find('\n') != std::string_view::npos || hasDigit(text)) continue;
    std::vector<std::string_view> words = splitWords(text);
    // A business named after its owner stands for the owner's name: "Oliver Bennett Photography".
    if (words.size() >= 3 && Lexicon::instance().isPlaceOrTradeWord(foldedPhrase(words.back()))) {
      words.pop_back();
      text = text.substr(0, words.back().data() + words.back().size() - text.data());
    }
    // A line of someone's message is theirs to name; the same name copied on its own, or in the
    // person's own signature as well, still counts.
    if (words.size() < 2 || words.size() > 4 || fromProse(j)) continue;
    double fit = values_.fullName(text);
    if (fit < 0.45 || (fit < 0.7 && handles.empty())) continue;
    KnownName name = knownName(text);
    // Names that no list knows ("Arjun Mehta") count where a handle spells them.
    bool spelled = std::any_of(handles.begin(), handles.end(),
                               [&](const std::vector<std::string>& h) { return spellsName(h, name); });
    if (fit < 0.7 && !spelled) continue;
    auto it = std::find_if(names.begin(), names.end(), [&](const KnownName& n) { return n.folded == name.folded; });
    if (it == names.end()) {
      if (names.size() >= kMaxKnownNames) continue;
      names.push_back(std::move(name));
      seenAs.push_back(text);
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
      if (texts_[j] == part && !fromProse(j)) return true;
    }
    return false;
  };
  std::vector<std::string> greeted = greetedNames(names);
  int best = -1;
  int runnerUp = 0;
  for (std::size_t k = 0; k < names.size(); ++k) {
    KnownName& name = names[k];
    std::vector<std::string_view> words = splitWords(seenAs[k]);
    bool spelled = std::any_of(handles.begin(), handles.end(),
                               [&](const std::vector<std::string>& h) { return spellsName(h, name); });
    // Greeted by the given name in a message: the one the messages were written to.
    bool greetedByName = !name.words.empty() && std::any_of(greeted.begin(), greeted.end(), [&](const std::string& g) {
      return sameGivenName(g, name.words.front()) && g.size() >= 3;
    });
    name.support = static_cast<int>(name.clips.size()) + (copiedAlone(words.front(), k) ? 1 : 0) +
                   (copiedAlone(words.back(), k) ? 1 : 0) + (spelled ? 1 : 0) + (greetedByName ? 1 : 0);
    if (best < 0 || name.support > names[best].support) {
      if (best >= 0) runnerUp = names[best].support;
      best = static_cast<int>(k);
    } else {
      runnerUp = std::max(runnerUp, name.support);
    }
  }
  if (best >= 0 && names[best].support >= 2 && names[best].support > runnerUp) people_->own = best;
  people_->sure = best >= 0 && names[best].support >= 3 && names[best].support > runnerUp;
  return *people_;
}

CandidateContext::KnownName CandidateContext::knownName(std::string_view text) {
  KnownName name;
  name.folded = foldedWithoutMiddleInitials(text);
  CharStats s = charStats(text);
  if (s.letters > 0 && s.latin == s.letters) {  // other scripts go into handles transliterated
    std::vector<std::string_view> words = splitWords(text);
    for (std::string_view w : words) name.words.push_back(asciiLetters(w));
    name.lastWithE = asciiLetters(words.back(), true);
  }
  return name;
}

std::vector<std::string> CandidateContext::greetedNames(const std::vector<KnownName>& names) const {
  static constexpr std::string_view kGreetings[] = {
      "hi", "hello", "hey", "dear", "gday", "hallo", "liebe", "lieber", "moin", "bonjour", "salut", "coucou", "cher",
      "chere", "hola", "querido", "querida", "estimado", "estimada", "ciao", "caro", "cara", "ola", "oi", "hej",
      "hoi", "beste", "czesc", "witaj", "drogi", "droga", "hei", "moi", "merhaba", "selam"};
  std::vector<std::string> out;
  for (const auto& [clip, longest] : longestInClip_) {
    std::string_view whole = texts_[longest];
    // "Hi Liam,", "Hej Astrid!", or the name alone before a comma: "Arjun, the plumber …".
    auto token = [&](std::size_t from) {
      std::size_t end = whole.find_first_of(" \n", from);
      return whole.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
    };
    std::string_view first = token(0);
    if (first.empty() || first.size() > 40 || first.size() + 1 >= whole.size()) continue;
    bool closedFirst = first.back() == ',' || first.back() == '!';
    bool greeting = first.size() <= 10 && isListed(kGreetings, asciiLetters(first));  // no greeting is longer
    if (!greeting && !closedFirst) continue;
    std::string_view word = greeting ? token(first.size() + 1) : first;
    std::string given = word.size() <= 40 ? asciiLetters(word) : std::string();
    bool known = given.size() >= 3 && std::any_of(names.begin(), names.end(), [&](const KnownName& n) {
      return !n.words.empty() && sameGivenName(given, n.words.front());
    });
    // A message signed with a given name may as well be one the person wrote to the one it
    // greets ("Hoi Stefan, … Gruess, Reto"): it tells nothing.
    if (known && isProse(whole) && !signedWithAName(whole)) out.push_back(std::move(given));
  }
  return out;
}

CandidateContext::NameOwner CandidateContext::fullNameOwner(std::size_t i) const {
  const People& p = people();
  if (!p.sure) return NameOwner::kUnknown;
  std::string folded = foldedWithoutMiddleInitials(texts_[i]);
  for (std::size_t k = 0; k < p.names.size(); ++k) {
    if (p.names[k].folded == folded) return static_cast<int>(k) == p.own ? NameOwner::kOwn : NameOwner::kAnother;
  }
  return NameOwner::kUnknown;
}

CandidateContext::NameOwner CandidateContext::namePartOwner(std::size_t i) const {
  const People& p = people();
  if (!p.sure) return NameOwner::kUnknown;
  std::string folded = foldedPhrase(texts_[i]);
  if (folded.empty() || folded.find(' ') != std::string::npos) return NameOwner::kUnknown;
  // Which word is the given name depends on the order the name is written in; any word will do.
  auto hasWord = [&](const KnownName& name) {
    return (" " + name.folded + " ").find(" " + folded + " ") != std::string::npos;
  };
  if (hasWord(p.names[p.own])) return NameOwner::kOwn;
  for (const KnownName& name : p.names) {
    if (hasWord(name)) return NameOwner::kAnother;
  }
  return NameOwner::kUnknown;
}

bool CandidateContext::mentionedOnlyInOwnWords(std::size_t i) const {
  const People& p = people();
  if (!p.sure || fromProse(i)) return false;
  std::string_view needle = texts_[i];
  const std::string own = " " + p.names[p.own].folded + " ";
  bool mentioned = false;
  for (const auto& [clip, longest] : longestInClip_) {
    std::string_view whole = texts_[longest];
    if (longest == i || clip == clipOf(i) || whole.size() <= needle.size() || whole.find(needle) == std::string_view::npos ||
        !isProse(whole)) {
      continue;
    }
    std::string folded = foldText(whole);
    if (folded.find(own) == std::string::npos && !writtenBy(whole, folded, p.names[p.own])) return false;
    mentioned = true;
  }
  return mentioned;
}

int CandidateContext::neighboursName(std::size_t i) const {
  const std::vector<KnownName>& names = people().names;
  if (names.size() < 2) return -1;  // no one else to stand for
  if (standsFor_.empty()) standsFor_.assign(clipHeads_.size(), -2);
  auto standsFor = [&](std::size_t at) {
    if (standsFor_[at] == -2) standsFor_[at] = readStandsFor(clipHeads_[at], names);
    return standsFor_[at];
  };
  std::size_t at = clipPosition_.at(clipOf(i));
  int before = at > 0 ? standsFor(at - 1) : -1;
  int after = at + 1 < clipHeads_.size() ? standsFor(at + 1) : -1;
  return before == after ? before : -1;
}

int CandidateContext::readStandsFor(std::size_t head, const std::vector<KnownName>& names) const {
  std::string_view text = texts_[head];
  if (text.size() > kMaxNameBytes) return -1;
  std::string folded = foldedWithoutMiddleInitials(text);
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (names[k].folded == folded) return static_cast<int>(k);
  }
  if (text.find('@') == std::string_view::npos || values_.email(text) < 1.0 || fromProse(head)) return -1;
  std::vector<std::string> handle = handleWords(text.substr(0, text.find('@')));
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (spellsName(handle, names[k])) return static_cast<int>(k);
  }
  return -1;
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

CandidateContext::HandleOwner CandidateContext::handleOwner(std::string_view handle, const KnownName& own,
                                                           bool sure) const {
  std::vector<std::string> words = handleWords(handle);
  if (words.empty() || own.words.size() < 2) return HandleOwner::kUnknown;
  if (spellsName(words, own)) return HandleOwner::kOwn;
  // The given name of another person named in the history, of another family: a friend's or a
  // colleague's address ("gustavo.lacerda" beside Gustavo Teixeira Lacerda). A given name
  // alone tells nothing: "bill", "pepe" and "gosia" are the short forms of others, and a
  // relative's address may well be the one the person gives.
  for (const KnownName& other : people().names) {
    // Where the history plainly is the person's, a relative's known name tells as well:
    // "sarah.oconnor" beside "Sarah O'Connor" in Liam O'Connor's history.
    if (other.words.size() < 2 || other.words.front().size() < 3 || &other == &own) continue;
    if (shareAWord(other, own) && (!sure || other.words.front() == own.words.front())) continue;
    if (words.front().starts_with(other.words.front())) return HandleOwner::kAnother;
  }
  return HandleOwner::kUnknown;
}

bool CandidateContext::spellsOwnName(std::size_t i) const {
  const People& p = people();
  std::string_view text = texts_[i];
  if (!p.sure || p.names[p.own].words.empty() || values_.email(text) < 1.0) return false;
  return handleOwner(text.substr(0, text.find('@')), p.names[p.own], true) == HandleOwner::kOwn;
}

bool CandidateContext::belongsToAnother(std::size_t i) const {
  if (fromProse(i) || mentionedInProse(i)) return false;  // someone's message: weighed as such
  const People& p = people();
  // Only names in Latin letters are compared: other scripts go into handles and cards
  // transliterated in more ways than one.
  if (p.own < 0 || p.names[p.own].words.empty()) return false;
  const KnownName& own = p.names[p.own];
  std::string_view text = texts_[i];
  HandleOwner byHandle = HandleOwner::kUnknown;
  if (values_.email(text) >= 1.0) byHandle = handleOwner(text.substr(0, text.find('@')), own, p.sure);
  if (byHandle != HandleOwner::kUnknown) return byHandle == HandleOwner::kAnother;
  // Copied in a row with another's name or address, where the history is plainly the person's.
  auto whole = longestInClip_.find(clipOf(i));
  if (p.sure && whole != longestInClip_.end() && whole->second == i) {
    int neighbour = neighboursName(i);
    if (neighbour >= 0) return neighbour != p.own;
  }
  // A card under a name of another family. A name that shares a word with the person's may
  // be their own under a short or a former name, or a relative's.
  int card = cardName(i);
  if (card < 0 || p.names[card].words.empty() || shareAWord(p.names[card], own)) return false;
  // An address in the card that spells the person's name makes it theirs: "Morgan Stanley" above
  // smith.j@…
  std::string_view clip = clipOf(i);
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    if (j == i || clipOf(j) != clip || values_.email(texts_[j]) < 1.0) continue;
    if (spellsName(handleWords(texts_[j].substr(0, texts_[j].find('@'))), own)) return false;
  }
  return true;
}

}  // namespace oskel::answer

