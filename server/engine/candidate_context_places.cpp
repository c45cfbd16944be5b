// The parts of CandidateContext that place the lines of an address: a postal code and a town
// that stand together on a line of their own, the towns the person's own postal code goes
// with, and a street line copied alone that also begins a whole address.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/candidate_context.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// The rest of a locality line after the postal code is the town: letters, no digits.
bool looksLikeTown(std::string_view text) {
  text = trimText(text);
  return !text.empty() && text.size() <= 40 && !hasDigit(text) && startsWithLetter(text) &&
         text.find('\n') == std::string_view::npos;
}

// "10115", "00-238", and with one inner space "114 55", "NW1 6XE", "1015 CJ".
bool looksLikePostal(std::string_view text) {
  text = trimText(text);
  if (text.size() < 3 || text.size() > 10 || !hasDigit(text)) return false;
  std::size_t space = text.find(' ');
  if (space == std::string_view::npos) return true;
  return text.find(' ', space + 1) == std::string_view::npos && space >= 2 && text.size() - space - 1 >= 2 &&
         hasDigit(text.substr(0, space));
}

// "602 00 Brno", "Brno 602 00", "Dayton OH 45409": a postal code and a town in either order.
bool isLocality(std::string_view text) {
  text = trimText(text);
  for (std::size_t k = text.find(' '); k != std::string_view::npos; k = text.find(' ', k + 1)) {
    std::string_view head = text.substr(0, k);
    std::string_view tail = text.substr(k + 1);
    if ((looksLikePostal(head) && looksLikeTown(tail)) || (looksLikeTown(head) && looksLikePostal(tail))) return true;
  }
  return false;
}

}  // namespace

bool CandidateContext::isPostalPartOfLocality(std::size_t i) const {
  std::string_view code = texts_[i];
  if (!looksLikePostal(code)) return false;
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    std::string_view other = texts_[j];
    if (j == i || other.size() > 60 || other.size() <= code.size() + 1) continue;
    if (other.starts_with(code) && other[code.size()] == ' ' && looksLikeTown(other.substr(code.size()))) return true;
    if (other.ends_with(code) && other[other.size() - code.size() - 1] == ' ' &&
        looksLikeTown(other.substr(0, other.size() - code.size()))) {
      return true;
    }
  }
  return false;
}

bool CandidateContext::isCityPartOfLocality(std::size_t i) const {
  std::string_view town = texts_[i];
  if (!looksLikeTown(town)) return false;
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    std::string_view other = texts_[j];
    if (j == i || other.size() > 60 || other.size() <= town.size() + 1) continue;
    if (other.ends_with(town) && other[other.size() - town.size() - 1] == ' ' &&
        looksLikePostal(other.substr(0, other.size() - town.size()))) {
      return true;
    }
    if (other.starts_with(town) && other[town.size()] == ' ' && looksLikePostal(other.substr(town.size()))) {
      return true;
    }
  }
  return false;
}

const std::vector<std::string>& CandidateContext::ownTowns() const {
  if (ownTowns_) return *ownTowns_;
  ownTowns_.emplace();
  auto alone = [&](std::size_t j) {
    auto it = longestInClip_.find(clipOf(j));
    return it != longestInClip_.end() && it->second == j;
  };
  for (std::size_t k = 0; k < texts_.size() && ownTowns_->size() < 4; ++k) {
    std::string_view code = texts_[k];
    if (!alone(k) || !looksLikePostal(code) || code.find_first_not_of("0123456789- ") != std::string_view::npos) {
      continue;
    }
    for (std::size_t j = 0; j < texts_.size(); ++j) {
      std::string_view line = texts_[j];
      if (j == k || !alone(j) || line.size() > 60 || line.size() <= code.size() + 1) continue;
      std::string_view town;
      if (line.starts_with(code) && line[code.size()] == ' ') town = line.substr(code.size());
      if (line.ends_with(code) && line[line.size() - code.size() - 1] == ' ') {
        town = line.substr(0, line.size() - code.size() - 1);
        // "Denver, CO 80206": the state's short form after the town.
        std::size_t comma = town.rfind(", ");
        if (comma != std::string_view::npos && town.size() - comma - 2 <= 3) town = town.substr(0, comma);
      }
      if (looksLikeTown(town)) ownTowns_->push_back(foldedPhrase(town));
    }
  }
  return *ownTowns_;
}

CandidateContext::NameOwner CandidateContext::townOwner(std::size_t i) const {
  const std::vector<std::string>& towns = ownTowns();
  auto it = longestInClip_.find(clipOf(i));
  if (towns.empty() || it == longestInClip_.end() || it->second != i) return NameOwner::kUnknown;
  std::string folded = foldedPhrase(texts_[i]);
  return std::find(towns.begin(), towns.end(), folded) != towns.end() ? NameOwner::kOwn : NameOwner::kAnother;
}

bool CandidateContext::isStreetPartOfAddress(std::size_t i) const {
  std::string_view street = texts_[i];
  if (street.size() < 4 || street.size() > 60 || !hasDigit(street) || street.find_first_of(",\n") != std::string_view::npos ||
      looksLikePostal(street)) {
    return false;
  }
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    std::string_view whole = texts_[j];
    // A whole clip on one line, not a line of someone's signature card.
    auto clip = longestInClip_.find(clipOf(j));
    if (j == i || clip == longestInClip_.end() || clip->second != j || whole.size() > 200 ||
        whole.find('\n') != std::string_view::npos) {
      continue;
    }
    for (std::size_t at = whole.find(street); at != std::string_view::npos; at = whole.find(street, at + 1)) {
      // The street opens the line or follows a comma or a colon, and a comma closes it.
      bool opens = at == 0 || (at >= 2 && whole[at - 1] == ' ' && (whole[at - 2] == ',' || whole[at - 2] == ':'));
      std::string_view rest = whole.substr(at + street.size());
      if (!opens || !rest.starts_with(", ")) continue;
      rest.remove_prefix(2);
      std::size_t comma = rest.find(", ");
      std::string_view next = rest.substr(0, comma);
      if (isLocality(next)) return true;
      // "Dayton, OH 45409": the town, then the state's short form with the postal code.
      if (comma != std::string_view::npos && looksLikeTown(next) && isLocality(rest.substr(comma + 2))) return true;
    }
  }
  return false;
}

bool CandidateContext::extendsAnotherLine(std::size_t i) const {
  std::string_view whole = texts_[i];
  if (whole.size() > 200 || whole.find('\n') != std::string_view::npos) return false;
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    std::string_view start = texts_[j];
    auto clip = longestInClip_.find(clipOf(j));
    if (j == i || start.size() < 4 || start.size() + 2 > whole.size() || !whole.starts_with(start) ||
        clip == longestInClip_.end() || clip->second != j) {
      continue;
    }
    std::string_view rest = whole.substr(start.size());
    if (rest.starts_with(", ") || rest.starts_with(" \u2013 ") || rest.starts_with(" - ")) return true;
  }
  return false;
}

}  // namespace oskel::answer
