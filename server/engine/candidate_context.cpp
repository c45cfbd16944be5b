#include "engine/candidate_context.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "engine/label_wording.h"
#include "engine/lexicon.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

constexpr int kMaxLabelReads = 64;
constexpr int kMaxNumberWordReads = 16;
constexpr std::size_t kMaxLabelledText = 8000;
constexpr std::string_view kWideColon = "\uFF1A";  // "："

bool isHangulWord(std::string_view text) {
  CharStats s = charStats(text);
  return s.letters > 0 && s.hangul == s.letters && s.total == s.letters;
}

bool isHanWord(std::string_view text) {
  CharStats s = charStats(text);
  return s.letters > 0 && s.han == s.letters && s.total == s.letters;
}

}  // namespace

CandidateContext::CandidateContext(const std::vector<std::string_view>& ids, const std::vector<std::string_view>& texts,
                                   const LabelReader& labels, const ValueReader& values)
    : ids_(ids), texts_(texts), values_(values) {
  int reads = 0;
  int numberWordReads = 0;
  std::unordered_map<std::string, FieldReading> readings;
  std::vector<std::string_view> order;
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    std::string_view clip = clipOf(i);
    auto [it, added] = longestInClip_.emplace(clip, i);
    if (added) order.push_back(clip);
    if (!added && texts_[it->second].size() < texts_[i].size()) it->second = i;
  }
  for (std::string_view clip : order) {
    clipPosition_.emplace(clip, clipHeads_.size());
    clipHeads_.push_back(longestInClip_[clip]);
  }
  for (std::size_t i = 0; i < texts_.size() && reads < kMaxLabelReads; ++i) {
    std::string_view text = texts_[i];
    if (text.size() > kMaxLabelledText) continue;
    std::string_view signLabel, signValue;
    // Only a short line with a number sign ('#', 'º', '°', "No.", "№") may be "<label> <sign> <value>".
    bool signs = text.find_first_of("#.\xBA\xB0") != std::string_view::npos ||
                 text.find("\u2116") != std::string_view::npos;
    bool numbered = text.size() <= 80 && signs && text.find_first_of(":\t\n") == std::string_view::npos &&
                    splitAtNumberSign(text, &signLabel, &signValue);
    std::string clip(clipOf(i));
    bool colons = text.find_first_of(":\t") != std::string_view::npos || text.find(kWideColon) != std::string_view::npos;
    if (!numbered && !colons) {
      // "Invoice 2026-0117 due 2026-04-01", "請求書番号 INV-2024-031": a short line whose first
      // word names a number of its own sort says what the number after it is, without a colon.
      std::size_t space = text.find(' ');
      if (text.size() > 80 || text.find('\n') != std::string_view::npos || space == std::string_view::npos) continue;
      std::string_view word = text.substr(0, space);
      std::string_view number = text.substr(space + 1);
      number = number.substr(0, number.find(' '));
      auto digits = std::count_if(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (word.size() < 3 || hasDigit(word) || digits < 4) continue;  // not "Berlin 23", "Raum 4.12"
      // Read on a budget of their own, so that many such lines leave the labels of notes read.
      auto known = readings.find(std::string(word));
      if (known == readings.end()) {
        if (numberWordReads >= kMaxNumberWordReads) continue;
        known = readings.emplace(std::string(word), labels.readAsOneLabel(word)).first;
        ++numberWordReads;
      }
      if (known->second.kind != FieldKind::kOtherNumber) continue;
      labelled_[clip + "\n" + std::string(number)].push_back(known->second);
      if (space + 1 + number.size() == text.size()) {
        labelledLine_.resize(texts_.size());
        labelledLine_[i] = true;  // the whole line is the label and its number
      }
      continue;
    }
    std::size_t start = 0;
    while (start <= text.size() && reads < kMaxLabelReads) {
      std::size_t end = text.find('\n', start);
      std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
      start = end == std::string_view::npos ? text.size() + 1 : end + 1;
      std::string_view label;
      std::vector<std::string_view> values;
      if (line.find('\t') != std::string_view::npos) {
        std::vector<std::string_view> cells;
        std::size_t at = 0;
        while (at <= line.size()) {
          std::size_t tab = line.find('\t', at);
          std::string_view cell = trimText(line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
          if (!cell.empty()) cells.push_back(cell);
          at = tab == std::string_view::npos ? line.size() + 1 : tab + 1;
        }
        if (cells.size() < 2) continue;
        label = cells[0];
        values.assign(cells.begin() + 1, cells.end());
      } else if (numbered) {
        label = signLabel;  // "Pedido nº 40-18273645": says what the number is, as a colon would
        values.push_back(signValue);
      } else {
        // "Name: …", and "地址：…" with the colon of Chinese and Japanese text.
        std::size_t colon = std::min(line.find(':'), line.find(kWideColon));
        if (colon == std::string_view::npos) continue;
        std::size_t colonSize = line[colon] == ':' ? 1 : kWideColon.size();
        label = trimText(line.substr(0, colon));
        std::string_view value = trimText(line.substr(colon + colonSize));
        if (value.empty() || value.starts_with("//")) continue;
        values.push_back(value);
      }
      std::size_t labelLength = countGraphemes(label);
      if (labelLength < 2 || labelLength > 40 || !startsWithLetter(label)) continue;
      // A label that names no kind still says the value is something else ("Wi-Fi: CafeGuest").
      // A header cell that runs labels together ("PLZ: Ort:" before "10115<TAB>Berlin") is
      // read as one label: which value stands under which of its labels is a guess.
      // The same label over many clips ("Order #…", "Tel.:") is read once.
      auto known = readings.find(std::string(label));
      if (known == readings.end()) {
        known = readings.emplace(std::string(label), labels.readAsOneLabel(label)).first;
        ++reads;
      }
      FieldReading reading = known->second;
      // Not so a line with a number sign: "Calle Mayor nº 5" is a street, number and all.
      if (!numbered && line.size() == text.size() && values.size() == 1 && reading.kind != FieldKind::kUnknown) {
        labelledLine_.resize(texts_.size());
        labelledLine_[i] = true;
      }
      std::string folded = withoutRequirement(foldText(label));
      for (std::string_view value : values) {
        labelled_[clip + "\n" + std::string(value)].push_back(reading);
        labelWords_[clip + "\n" + std::string(value)].push_back(folded);
      }
    }
  }
}

std::string_view CandidateContext::clipOf(std::size_t i) const {
  std::string_view id = ids_[i];
  std::size_t at = id.rfind(":index");
  return at == std::string_view::npos ? id : id.substr(0, at);
}

std::vector<FieldReading> CandidateContext::labelledAs(std::size_t i) const {
  if (labelled_.empty()) return {};
  auto it = labelled_.find(std::string(clipOf(i)) + "\n" + std::string(texts_[i]));
  if (it == labelled_.end()) return {};
  return it->second;
}

bool CandidateContext::labelledWith(std::size_t i, std::string_view folded) const {
  auto it = labelWords_.find(std::string(clipOf(i)) + "\n" + std::string(texts_[i]));
  if (it == labelWords_.end() || folded.size() < 3) return false;
  return std::find(it->second.begin(), it->second.end(), folded) != it->second.end();
}

bool CandidateContext::clipLabelsAnotherWith(std::size_t i, std::string_view folded) const {
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    if (j != i && texts_[j] != texts_[i] && clipOf(j) == clipOf(i) && labelledWith(j, folded)) return true;
  }
  return false;
}

bool CandidateContext::wordPosition(std::size_t i, bool wantFirst, int minWords, int maxWords, bool byOrder) const {
  std::string_view needle = texts_[i];
  if (needle.empty() || needle.size() > 60) return false;
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    std::string_view other = texts_[j];
    if (j == i || other.size() > 80 || other.size() <= needle.size() || other.find('\n') != std::string_view::npos) {
      continue;
    }
    bool first = wantFirst;
    if (byOrder && (other.starts_with(needle) || other.ends_with(needle)) && values_.writtenFamilyFirst(other)) {
      first = !wantFirst;
    }
    bool edge = first ? (other.starts_with(needle) && other[needle.size()] == ' ')
                      : (other.ends_with(needle) && other[other.size() - needle.size() - 1] == ' ');
    // Korean names are written without a space: "김" begins "김민준", "민준" ends it.
    if (!edge && (first ? other.starts_with(needle) : other.ends_with(needle)) && isHangulWord(needle) &&
        isHangulWord(other) && countGraphemes(other) <= 4) {
      if (values_.fullName(other) >= 0.5) return true;
    }
    // So are names in Han, but its characters begin and end words of every kind: "闫" begins
    // "闫子航" when a list knows it as a family name or "子航" was copied as well.
    if (!edge && (first ? other.starts_with(needle) : other.ends_with(needle)) && isHanWord(needle) &&
        isHanWord(other) && countGraphemes(other) <= 4) {
      std::string_view rest = first ? other.substr(needle.size()) : other.substr(0, other.size() - needle.size());
      bool listed = Lexicon::instance().isFamilyName(foldedPhrase(first ? needle : rest));
      if ((listed || std::find(texts_.begin(), texts_.end(), rest) != texts_.end()) && values_.fullName(other) >= 0.5) {
        return true;
      }
    }
    if (!edge || hasDigit(other)) continue;
    // Only a person's name counts: "Smith Analytics Ltd" and "Rossi Design S.r.l." are
    // companies, not people named Smith or Rossi.
    if (values_.fullName(other) < 0.5) continue;
    int words = 1 + static_cast<int>(std::count(other.begin(), other.end(), ' '));
    if (words >= minWords && words <= maxWords) return true;
  }
  return false;
}

std::optional<bool> CandidateContext::familyByCapitals(std::size_t i) const {
  if (!capitalisedParts_) {
    // Names written "DUPONT Jean": the word in capitals is the family name, the other the
    // given name. Read once per request.
    capitalisedParts_.emplace();
    for (std::size_t j = 0; j < texts_.size() && capitalisedParts_->size() < 8; ++j) {
      std::string_view other = texts_[j];
      if (other.size() > 80 || other.find('\n') != std::string_view::npos || hasDigit(other)) continue;
      std::vector<std::string_view> words = splitWords(other);
      if (words.size() < 2 || words.size() > 4) continue;
      // Not a company or a place with its initials ("KPMG Berlin", "Seattle WA"), nor a
      // name with letters after it ("Thomas Weber MBA").
      static constexpr std::string_view kAfterNames[] = {"mba", "md", "phd", "ceo", "cfo", "cto", "jr", "sr",
                                                         "ii", "iii", "iv", "esq", "cpa", "dds", "rn", "msc", "bsc"};
      const Lexicon& lex = Lexicon::instance();
      std::vector<std::pair<std::string, bool>> parts;
      bool caps = false;
      bool mixed = false;
      bool named = true;
      for (std::string_view w : words) {
        CharStats st = charStats(w);
        bool upper = st.letters >= 2 && st.lowerLetters == 0 && st.upperLetters == st.letters;
        bool lower = st.lowerLetters > 0 && st.upperLetters == 1 && u_isupper(firstCodePoint(w));
        std::string f = foldedPhrase(w);
        if (isListed(kAfterNames, f) || lex.isCity(f) || lex.isCountry(f) || lex.isRegion(f) ||
            lex.isOrganisationWord(f) || lex.isLegalForm(f) || (!upper && !lower)) {
          named = false;
          break;
        }
        caps = caps || upper;
        mixed = mixed || lower;
        parts.emplace_back(std::move(f), upper);
      }
      // The capitals begin the name ("DUPONT Jean") or follow a single given name ("Anna
      // MÜLLER"), and a list knows one of its parts: not "SAP Walldorf", "Sarah Miller MPH".
      if (!named || !caps || !mixed) continue;
      bool shaped = parts.front().second || (parts.size() == 2 && parts.back().second);
      bool known = std::any_of(parts.begin(), parts.end(), [&](const std::pair<std::string, bool>& p) {
        return p.second ? lex.isFamilyName(p.first) : lex.isGivenName(p.first);
      });
      if (!shaped || !known || values_.fullName(other) < 0.5 || fromProse(j) || mentionedInProse(j)) continue;
      for (auto& part : parts) capitalisedParts_->push_back(std::move(part));
    }
  }
  if (capitalisedParts_->empty()) return std::nullopt;
  std::string_view needle = texts_[i];
  if (needle.empty() || needle.size() > 40 || needle.find(' ') != std::string_view::npos) return std::nullopt;
  std::string folded = foldedPhrase(needle);
  for (const auto& [word, family] : *capitalisedParts_) {
    if (word == folded) return family;
  }
  return std::nullopt;
}

bool CandidateContext::startsSomeName(std::size_t i) const { return wordPosition(i, true, 2, 4); }

bool CandidateContext::endsSomeName(std::size_t i) const { return wordPosition(i, false, 2, 4); }

bool CandidateContext::startsLongerName(std::size_t i) const {
  // Only two given names ("Anna Lena"): "John Smith" beside "John Smith Plumbing" is the name.
  return values_.givenName(texts_[i]) > 0.0 && wordPosition(i, true, 3, 4);
}

bool CandidateContext::givenPartOfSomeName(std::size_t i) const { return wordPosition(i, true, 2, 4, true); }

bool CandidateContext::familyPartOfSomeName(std::size_t i) const { return wordPosition(i, false, 2, 4, true); }

bool CandidateContext::precedesPatronymic(std::size_t i) const {
  std::string_view needle = texts_[i];
  if (needle.empty() || needle.size() > 40 || needle.find(' ') != std::string_view::npos) return false;
  for (std::size_t j = 0; j < texts_.size(); ++j) {
    std::string_view other = texts_[j];
    if (j == i || other.size() > 80 || other.find('\n') != std::string_view::npos) continue;
    std::vector<std::string_view> words = splitWords(other);
    if (words.size() != 3) continue;
    for (std::size_t k = 0; k + 1 < words.size(); ++k) {
      if (words[k] == needle && ValueReader::isPatronymic(words[k + 1]) && values_.fullName(other) >= 0.5) return true;
    }
  }
  return false;
}

bool CandidateContext::knowsAPersonsName() const {
  if (knowsName_ < 0) {
    knowsName_ = 0;
    const ValueReader& values = values_;  // built once per engine; read-only here
    for (std::size_t i = 0; i < texts_.size() && knowsName_ == 0; ++i) {
      if (texts_[i].size() <= 60 && values.fullName(texts_[i]) >= 0.7 && !fromProse(i) && !mentionedInProse(i)) {
        knowsName_ = 1;
      }
    }
  }
  return knowsName_ == 1;
}

bool CandidateContext::copiedAFamilyNameAlone(std::size_t except) const {
  return copiedANamePartAlone(true, except);
}

bool CandidateContext::copiedAGivenNameAlone(std::size_t except) const {
  return copiedANamePartAlone(false, except);
}

bool CandidateContext::copiedANamePartAlone(bool family, std::size_t except) const {
  std::optional<std::vector<std::size_t>>& found = family ? loneFamilyNames_ : loneGivenNames_;
  if (!found) {
    // Two are enough to answer for any `except`; the list is read once per request.
    found.emplace();
    for (std::size_t j = 0; j < texts_.size() && found->size() < 2; ++j) {
      if (!values_.isCapitalisedWord(texts_[j])) continue;
      double given = values_.givenName(texts_[j]);
      double familyFit = values_.familyName(texts_[j]);
      bool fits = family ? familyFit >= 0.7 && given <= 0.25 : given >= 0.9 && familyFit <= 0.2;
      if (fits && labelledAs(j).empty() && !fromProse(j) && !mentionedInProse(j)) found->push_back(j);
    }
  }
  return std::any_of(found->begin(), found->end(), [&](std::size_t j) { return j != except; });
}

bool CandidateContext::namePartsCopiedAlone(std::size_t i) const {
  std::string_view text = texts_[i];
  if (text.size() > 80 || hasDigit(text) || fromProse(i) || mentionedInProse(i)) return false;
  std::vector<std::string_view> words = splitWords(text);
  auto copiedAlone = [&](std::string_view part) {
    for (std::size_t j = 0; j < texts_.size(); ++j) {
      if (j != i && texts_[j] == part && !fromProse(j)) return true;
    }
    return false;
  };
  // Names in Han and Hangul, written without a space: "闫" and "子航" for "闫子航", a family
  // name of one or two characters (three bytes each) and the given name after it.
  if (words.size() == 1 && (isHanWord(text) || isHangulWord(text)) && text.size() == 3 * countGraphemes(text)) {
    for (std::size_t cut : {std::size_t{3}, std::size_t{6}}) {
      if (text.size() > cut && copiedAlone(text.substr(0, cut)) && copiedAlone(text.substr(cut))) return true;
    }
    return false;
  }
  if (words.size() < 2 || words.size() > 4) return false;
  return copiedAlone(words.front()) && copiedAlone(words.back());
}

}  // namespace oskel::answer
