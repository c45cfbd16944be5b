#include "history/value_indexer.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include <unicode/regex.h>
#include <unicode/utf8.h>

#include "base/icu_string.h"
#include "base/text.h"
#include "history/sensitive_filter.h"

namespace oskel {
namespace {

using text::toUnicode;
using text::toUtf8;

constexpr std::size_t kLongestValue = 500;
constexpr std::size_t kMostValues = 180;
constexpr int kMatchesPerPattern = 20;
constexpr std::size_t kHeadAndTailLines = 20;
constexpr std::size_t kMostLines = 160;
constexpr std::size_t kMostParagraphs = 30;

// The extraction patterns, in the order they are tried. The e-mail pattern is the plain
// "[A-Z0-9._%+-]+@[A-Z0-9.-]+\.[A-Z]{2,}" made linear: its first run cannot contain "@",
// so taking it possessively finds the same matches, and an attempt that starts inside a
// run (not at a run's start, nor where the previous match ended) fails exactly as the
// attempt one character earlier did, so such starts are refused at once.
const char16_t* const kExtractionPatterns[] = {
    u"(?:(?<![A-Z0-9._%+-])|\\G)[A-Z0-9._%+-]++@[A-Z0-9.-]+\\.[A-Z]{2,}",
    u"https?://[^\\s]+",
    u"(?:\\+?\\d[\\d ().-]{7,}\\d)",
};

const std::vector<std::unique_ptr<icu::RegexPattern>>& extractionPatterns() {
  static const auto* patterns = [] {
    auto* list = new std::vector<std::unique_ptr<icu::RegexPattern>>();
    for (const char16_t* source : kExtractionPatterns) {
      UErrorCode status = U_ZERO_ERROR;
      UParseError error;
      std::unique_ptr<icu::RegexPattern> p(
          icu::RegexPattern::compile(icu::UnicodeString(source), UREGEX_CASE_INSENSITIVE, error, status));
      if (U_SUCCESS(status)) list->push_back(std::move(p));  // a pattern that fails is skipped
    }
    return list;
  }();
  return *patterns;
}

const icu::RegexPattern* labelPattern() {
  static const icu::RegexPattern* pattern = [] {
    UErrorCode status = U_ZERO_ERROR;
    UParseError error;
    icu::RegexPattern* p = icu::RegexPattern::compile(
        icu::UnicodeString(u"^[\\p{L}][\\p{L}0-9 /&()+._-]*$"), 0, error, status);
    return U_SUCCESS(status) ? p : nullptr;
  }();
  return pattern;
}

class Collector {
 public:
  void offer(std::string_view raw) {
    std::string value = text::trimmed(raw);
    if (value.empty() || !text::lengthAtMost(value, kLongestValue) || looksSensitive(value)) return;
    if (!seen_.insert(text::nfc(text::lowercased(value))).second) return;
    if (values_.size() < kMostValues) values_.push_back(std::move(value));
  }
  std::vector<std::string> take() { return std::move(values_); }

 private:
  std::vector<std::string> values_;
  std::unordered_set<std::string> seen_;
};

void offerPatternMatches(const icu::UnicodeString& input, Collector& out) {
  for (const auto& pattern : extractionPatterns()) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(pattern->matcher(input, status));
    if (U_FAILURE(status)) continue;
    for (int found = 0; found < kMatchesPerPattern && matcher->find(status) && U_SUCCESS(status); ++found) {
      out.offer(toUtf8(matcher->group(status)));
    }
  }
}

bool matchesLabelPattern(std::string_view label) {
  const icu::RegexPattern* pattern = labelPattern();
  if (pattern == nullptr) return false;
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeString input = toUnicode(label);
  std::unique_ptr<icu::RegexMatcher> matcher(pattern->matcher(input, status));
  if (U_FAILURE(status)) return false;
  const bool matched = matcher->matches(status);
  return U_SUCCESS(status) && matched;
}

std::vector<std::string_view> split(std::string_view s, std::string_view separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = s.find(separator, start)) != std::string_view::npos; start = at + separator.size()) {
    parts.push_back(s.substr(start, at - start));
  }
  parts.push_back(s.substr(start));
  return parts;
}

// Splits at every line-break character (CR and LF count separately).
std::vector<std::string_view> splitLines(std::string_view s) {
  std::vector<std::string_view> lines;
  const auto* p = reinterpret_cast<const uint8_t*>(s.data());
  const int32_t n = static_cast<int32_t>(s.size());
  int32_t start = 0;
  for (int32_t i = 0; i < n;) {
    const int32_t at = i;
    UChar32 c;
    U8_NEXT(p, i, n, c);
    if (c >= 0 && text::isNewline(static_cast<char32_t>(c))) {
      lines.push_back(s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start)));
      start = i;
    }
  }
  lines.push_back(s.substr(static_cast<std::size_t>(start)));
  return lines;
}

void processLine(const std::string& line, Collector& out) {
  std::vector<std::string> cells;
  for (std::string_view cell : split(line, "\t")) {
    std::string t = text::trimmed(cell);
    if (!t.empty()) cells.push_back(std::move(t));
  }
  if (cells.size() >= 2) {
    for (std::size_t i = 1; i < cells.size(); ++i) out.offer(cells[i]);
    return;
  }
  if (const std::size_t colon = line.find(':'); colon != std::string::npos) {
    const std::string label = text::trimmed(std::string_view(line).substr(0, colon));
    const std::string value = text::trimmed(std::string_view(line).substr(colon + 1));
    const std::size_t labelLength = text::length(label);
    const std::string lowerLabel = text::lowercased(label);
    const bool isScheme = (lowerLabel == "http" || lowerLabel == "https") && value.rfind("//", 0) == 0;
    const bool isLabelLine = labelLength >= 2 && labelLength <= 40 && matchesLabelPattern(label) && !isScheme;
    if (isLabelLine && !value.empty()) {
      out.offer(value);
      return;
    }
  }
  out.offer(line);
}

}  // namespace

std::vector<std::size_t> lineProcessingOrder(std::size_t n) {
  std::vector<std::size_t> order;
  if (n == 0) return order;
  const std::size_t h = std::min(n, kHeadAndTailLines);
  const std::size_t limit = std::min(n, kMostLines);
  std::vector<bool> chosen(n, false);
  for (std::size_t i = 0; i < h; ++i) order.push_back(i);
  for (std::size_t i = std::max(h, n - h); i < n; ++i) order.push_back(i);
  for (std::size_t i : order) chosen[i] = true;
  while (order.size() < limit) {
    std::vector<std::size_t> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    std::size_t bestA = 0, bestGap = 0;
    for (std::size_t k = 0; k + 1 < sorted.size(); ++k) {
      const std::size_t gap = sorted[k + 1] - sorted[k];
      if (gap >= 2 && gap > bestGap) {
        bestGap = gap;
        bestA = sorted[k];
      }
    }
    if (bestGap == 0) break;
    const std::size_t m = bestA + bestGap / 2;
    if (chosen[m]) break;
    chosen[m] = true;
    order.push_back(m);
  }
  return order;
}

std::vector<std::string> indexValues(std::string_view textIn) {
  Collector out;
  if (text::lengthAtMost(textIn, kLongestValue)) out.offer(textIn);

  offerPatternMatches(toUnicode(textIn), out);

  std::vector<std::string> lines;
  for (std::string_view line : splitLines(textIn)) {
    std::string t = text::trimmed(line);
    if (!t.empty()) lines.push_back(std::move(t));
  }
  if (lines.size() == 1) {
    processLine(lines[0], out);
  } else if (lines.size() >= 2) {
    for (std::size_t index : lineProcessingOrder(lines.size())) processLine(lines[index], out);
  }

  std::size_t paragraphs = 0;
  for (std::string_view part : split(textIn, "\n\n")) {
    if (paragraphs == kMostParagraphs) break;
    std::string t = text::trimmed(part);
    if (t.empty() || !text::lengthAtMost(t, kLongestValue)) continue;
    out.offer(t);
    ++paragraphs;
  }
  return out.take();
}

}  // namespace oskel
