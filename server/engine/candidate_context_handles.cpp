// The parts of CandidateContext that read the person's own handles: the user parts of
// e-mail addresses, user names and sites' hosts copied on their own.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "engine/candidate_context.h"
#include "engine/lexicon.h"
#include "engine/text.h"
#include "engine/web_links.h"

namespace oskel::answer {
namespace {

// A name in Han of two to four characters spelled in pinyin by the words of a handle, in either
// order: "yanzihang", "zihang.yan" or "yan_zi_hang" for "闫子航". Japanese readings of the same
// characters differ from the Chinese ones, so Japanese names are not found this way.
bool spelledInPinyin(std::string_view text, const std::vector<std::vector<std::string>>& handles,
                     const std::vector<bool>& isSite) {
  CharStats s = charStats(text);
  if (s.han != s.letters || s.total != s.letters || s.letters < 2 || s.letters > 4) return false;
  if (text.size() != 3 * static_cast<std::size_t>(s.letters)) return false;  // three bytes each
  const Lexicon& lex = Lexicon::instance();
  // The name must begin with a family name a list knows: handles spell words as well
  // ("woaini520" for "我爱你", I love you).
  std::size_t familyBytes = lex.isFamilyName(foldedPhrase(text.substr(0, 6))) && s.letters > 2 ? 6 : 3;
  if (!lex.isFamilyName(foldedPhrase(text.substr(0, familyBytes)))) return false;
  std::string family = asciiLetters(text.substr(0, familyBytes));
  std::string given = asciiLetters(text.substr(familyBytes));
  if (family.empty() || given.empty() || family.size() + given.size() < 5) return false;
  for (std::size_t h = 0; h < handles.size(); ++h) {
    if (isSite[h] || handles[h].size() > 4) continue;
    std::string run;
    for (const std::string& w : handles[h]) run += w;
    if (run == family + given || run == given + family) return true;
  }
  return false;
}

}  // namespace

const std::vector<std::vector<std::string>>& CandidateContext::ownHandleWords() const {
  if (!ownHandleWords_) {
    ownHandleWords_.emplace();
    for (std::size_t j = 0; j < texts_.size() && ownHandleWords_->size() < 8; ++j) {
      std::string_view text = texts_[j];
      if (text.size() > 80) continue;
      // The user part of an address, a user name, or the host of a site ("annamueller.de").
      std::string_view handle;
      bool site = false;
      if (values_.email(text) >= 1.0) {
        handle = text.substr(0, text.find('@'));
      } else if (values_.username(text) >= 0.6) {
        handle = text;
      } else if (values_.url(text) >= 0.85 && !isDeepLink(text)) {  // a home page, not a listing's page
        site = true;
        std::size_t scheme = text.find("://");
        handle = scheme == std::string_view::npos ? text : text.substr(scheme + 3);
        if (handle.starts_with("www.")) handle.remove_prefix(4);
        handle = handle.substr(0, handle.find_first_of("./:?#"));
      } else {
        continue;
      }
      if (fromProse(j) || mentionedInProse(j)) continue;  // someone else's
      std::vector<std::string> words = handleWords(handle);
      if (!words.empty()) {
        ownHandleWords_->push_back(std::move(words));
        ownHandleIsSite_.push_back(site);
      }
    }
  }
  return *ownHandleWords_;
}

bool CandidateContext::spelledByOwnHandle(std::size_t i) const {
  if (spelledByHandle_.empty()) spelledByHandle_.assign(texts_.size(), -1);
  if (spelledByHandle_[i] < 0) spelledByHandle_[i] = readSpelledByOwnHandle(i) ? 1 : 0;
  return spelledByHandle_[i] == 1;
}

bool CandidateContext::readSpelledByOwnHandle(std::size_t i) const {
  const std::vector<std::vector<std::string>>& handles = ownHandleWords();
  std::string_view text = texts_[i];
  if (handles.empty() || text.size() > 80) return false;
  if (spelledInPinyin(text, handles, ownHandleIsSite_)) return !fromProse(i) && !mentionedInProse(i);
  std::vector<std::string_view> words = splitWords(text);
  if (words.size() < 2 || words.size() > 4) return false;
  CharStats s = charStats(text);
  if (s.han + s.kana + s.hangul > 0) return false;  // no other spelling of these that handles follow
  for (bool umlauts : {false, true}) {
    std::string first = asciiLetters(words.front(), umlauts);
    std::string last = asciiLetters(words.back(), umlauts);
    if (first.size() < 2 || last.size() < 2) return false;
    std::string initial = first.substr(0, 1);
    // A family name of several words goes into handles as one run: "devries" for "de Vries".
    std::string family;
    for (std::size_t k = 1; k < words.size(); ++k) family += asciiLetters(words[k], umlauts);
    for (std::size_t h = 0; h < handles.size(); ++h) {
      if (ownHandleIsSite_[h]) continue;  // a site's host spells brands as well: bestbuy.com
      const std::vector<std::string>& w = handles[h];
      // "chidi.okonkwo", "okonkwo_chidi", "c.okonkwo"; or one run: "chidiokonkwo", "cokonkwo".
      bool endsWithFamily = w.back() == last || (words.size() > 2 && w.back() == family);
      bool spelled = (w.size() >= 2 && (w.front() == first || w.front() == initial) && endsWithFamily) ||
                     (w.size() >= 2 && w.front() == last && w.back() == first) ||
                     (w.size() == 1 && (w.front() == first + last || w.front() == last + first ||
                                        w.front() == initial + last || w.front() == first + family));
      // A name in a message is someone else's, whoever's address spells it.
      if (spelled) return !fromProse(i) && !mentionedInProse(i);
    }
    if (text.find('\xC3') == std::string_view::npos) break;  // no umlaut to spell otherwise
  }
  return false;
}

bool CandidateContext::handleSpellsAName() const {
  return std::any_of(ownHandleWords().begin(), ownHandleWords().end(), [](const std::vector<std::string>& words) {
    return words.size() >= 2 && words.front().size() >= 3 && words.back().size() >= 3;
  });
}

bool CandidateContext::ownHandleNamesAnotherThan(std::size_t i) const {
  std::string_view text = texts_[i];
  CharStats s = charStats(text);
  // Cyrillic, Greek and the scripts of East Asia go into handles by transliterations that
  // folding does not reproduce ("Кузнецов" as kuznetsov): no handle can tell them apart.
  if (s.letters == 0 || s.latin < s.letters) return false;
  std::vector<std::string> words;
  for (std::string_view w : splitWords(text)) words.push_back(asciiLetters(w));
  const Lexicon& lex = Lexicon::instance();
  bool namesSomeone = false;
  const std::vector<std::vector<std::string>>& handles = ownHandleWords();
  for (std::size_t h = 0; h < handles.size(); ++h) {
    const std::vector<std::string>& w = handles[h];
    // A shared word ("ximena.garcia" for "Ximena García López", "sid.rao" for "Siddharth
    // Rao"): the handle may well be this name's, however shortened.
    for (const std::string& part : w) {
      if (part.size() >= 3 && std::find(words.begin(), words.end(), part) != words.end()) return false;
    }
    if (ownHandleIsSite_[h] || w.size() < 2 || w.front().size() < 3 || w.back().size() < 3) continue;
    namesSomeone = namesSomeone || lex.isGivenName(w.front()) || lex.isFamilyName(w.back());
  }
  return namesSomeone;
}

CandidateContext::HandlePart CandidateContext::partOfOwnHandle(std::size_t i) const {
  const std::vector<std::vector<std::string>>& handles = ownHandleWords();
  if (handles.empty()) return HandlePart::kNone;
  std::string_view text = texts_[i];
  if (text.size() > 40 || std::count(text.begin(), text.end(), ' ') > 1 || !startsWithLetter(text)) {
    return HandlePart::kNone;
  }
  // A family name of two words often goes into handles by its first: "García López" in
  // maria.garcia@… But not a whole name written family name first: "Nagy László" in
  // laszlo.nagy@…
  std::size_t space = text.find(' ');
  std::string_view firstWord = space == std::string_view::npos ? std::string_view() : text.substr(0, space);
  std::string_view lastWord = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
  for (bool umlauts : {false, true}) {
    std::string key = asciiLetters(text, umlauts);
    if (key.size() < 2) return HandlePart::kNone;
    std::string firstKey = firstWord.empty() ? std::string() : asciiLetters(firstWord, umlauts);
    // The last word spelled both ways: "mueller.thomas" writes "Thomas Müller" family name first.
    std::string lastKey = lastWord.empty() ? std::string() : asciiLetters(lastWord, umlauts);
    std::string lastKeyOther = lastWord.empty() ? std::string() : asciiLetters(lastWord, !umlauts);
    auto partIn = [&](const std::vector<std::string>& words) {
      // Not where the handle's initial is the second word's: "Volkov Dmitrii" in d.volkov@… is
      // the whole name written family name first.
      bool initialOfLast = words.front().size() == 1 && !lastKey.empty() && lastKey[0] == words.front()[0];
      if (firstKey.size() >= 3 && words.size() >= 2 && words.back() == firstKey && words.front() != lastKey &&
          words.front() != lastKeyOther && !initialOfLast) {
        return HandlePart::kLast;
      }
      // An initial before a family name of two words: "rarias.quiroga" for "Arias Quiroga".
      if (firstKey.size() >= 3 && words.size() == 2 && words.back() == lastKey &&
          words.front().size() == firstKey.size() + 1 && words.front().ends_with(firstKey)) {
        return HandlePart::kLast;
      }
      if (words.size() >= 2) {
        if (words.front() == key) return HandlePart::kFirst;
        if (words.back() == key) return HandlePart::kLast;
      } else if (key.size() >= 3 && words.front().size() >= key.size() + 3) {
        // One run of letters: "elifyilmaz" begins with "Elif" and ends with "Yılmaz".
        if (words.front().starts_with(key)) return HandlePart::kFirst;
        if (words.front().ends_with(key)) return HandlePart::kLast;
      } else if (key.size() >= 5 && words.front().size() == key.size() + 1 && words.front().ends_with(key) &&
                 values_.givenName(text) < 0.9) {
        return HandlePart::kLast;  // an initial and the family name: "lnguyen"
      }
      return HandlePart::kNone;
    };
    // Addresses and user names before sites' hosts, which put the family name first as often
    // ("seraina.tschudi@…" beside "tschudi-seraina.ch"); handles of one sort that disagree tell
    // nothing.
    for (bool sites : {false, true}) {
      HandlePart found = HandlePart::kNone;
      for (std::size_t h = 0; h < handles.size(); ++h) {
        HandlePart part = ownHandleIsSite_[h] == sites ? partIn(handles[h]) : HandlePart::kNone;
        if (part == HandlePart::kNone) continue;
        if (found != HandlePart::kNone && found != part) return HandlePart::kNone;
        found = part;
      }
      if (found != HandlePart::kNone) return found;
    }
    if (text.find_first_of("\xC3") == std::string_view::npos) break;  // no umlaut to spell otherwise
  }
  return HandlePart::kNone;
}

bool CandidateContext::insideALink(std::size_t i) const {
  auto it = longestInClip_.find(clipOf(i));
  if (it == longestInClip_.end() || it->second == i) return false;
  std::string_view whole = texts_[it->second];
  return whole.find("://") != std::string_view::npos && whole.find_first_of(" \n") == std::string_view::npos &&
         values_.url(whole) >= 0.85;
}

bool CandidateContext::cutFromALongerWord(std::size_t i) const {
  auto it = longestInClip_.find(clipOf(i));
  if (it == longestInClip_.end() || it->second == i) return false;
  std::string_view whole = texts_[it->second];
  std::string_view piece = texts_[i];
  if (piece.empty()) return false;
  auto glued = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  bool found = false;
  for (std::size_t at = whole.find(piece); at != std::string_view::npos; at = whole.find(piece, at + 1)) {
    found = true;
    bool before = at > 0 && glued(whole[at - 1]);
    bool after = at + piece.size() < whole.size() && glued(whole[at + piece.size()]);
    if (!before && !after) return false;
  }
  return found;
}

}  // namespace oskel::answer
