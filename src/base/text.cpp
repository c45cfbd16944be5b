#include "base/text.h"

#include "base/icu_string.h"

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <memory>

namespace oskel::text {
namespace {

// Break iterators are expensive to create and not thread-safe: one per thread.
icu::BreakIterator* characterIterator() {
  thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> it(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    return U_SUCCESS(status) ? std::move(it) : nullptr;
  }();
  return iterator.get();
}

std::size_t countClusters(std::string_view s, std::size_t stopAfter) {
  if (s.empty()) return 0;
  // Pure ASCII without CR: every byte is its own cluster.
  bool simple = true;
  for (unsigned char c : s) {
    if (c >= 0x80 || c == '\r') {
      simple = false;
      break;
    }
  }
  if (simple) return s.size();
  icu::BreakIterator* it = characterIterator();
  icu::UnicodeString u = toUnicode(s);
  if (it == nullptr) return static_cast<std::size_t>(u.countChar32());
  it->setText(u);
  std::size_t count = 0;
  it->first();
  while (it->next() != icu::BreakIterator::DONE) {
    if (++count > stopAfter) break;
  }
  return count;
}

}  // namespace

std::size_t length(std::string_view s) { return countClusters(s, SIZE_MAX - 1); }

bool lengthAtMost(std::string_view s, std::size_t limit) {
  if (s.size() <= limit) return true;  // a cluster is at least one byte
  return countClusters(s, limit) <= limit;
}

bool isWhiteSpace(char32_t c) { return u_isUWhiteSpace(static_cast<UChar32>(c)); }

bool isNewline(char32_t c) {
  return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

std::string trimmed(std::string_view s) {
  const auto* p = reinterpret_cast<const uint8_t*>(s.data());
  const int32_t n = static_cast<int32_t>(s.size());
  int32_t begin = 0;
  while (begin < n) {
    int32_t next = begin;
    UChar32 c;
    U8_NEXT(p, next, n, c);
    if (c < 0 || !(isWhiteSpace(static_cast<char32_t>(c)) || isNewline(static_cast<char32_t>(c)))) break;
    begin = next;
  }
  int32_t end = n;
  while (end > begin) {
    int32_t prev = end;
    UChar32 c;
    U8_PREV(p, 0, prev, c);
    if (c < 0 || !(isWhiteSpace(static_cast<char32_t>(c)) || isNewline(static_cast<char32_t>(c)))) break;
    end = prev;
  }
  return std::string(s.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
}

std::string nfc(std::string_view s) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return std::string(s);
  icu::UnicodeString u = toUnicode(s);
  if (normalizer->isNormalized(u, status) && U_SUCCESS(status)) return toUtf8(u);
  status = U_ZERO_ERROR;
  icu::UnicodeString out = normalizer->normalize(u, status);
  return U_SUCCESS(status) ? toUtf8(out) : toUtf8(u);
}

bool canonicallyEqual(std::string_view a, std::string_view b) {
  if (a == b) return true;
  return nfc(a) == nfc(b);
}

std::string lowercased(std::string_view s) {
  bool ascii = true;
  for (unsigned char c : s) {
    if (c >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii) {
    std::string out(s);
    for (char& c : out) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
  }
  icu::UnicodeString u = toUnicode(s);
  u.toLower(icu::Locale::getRoot());
  return toUtf8(u);
}

}  // namespace oskel::text
