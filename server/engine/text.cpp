#include "engine/text.h"

#include <memory>

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace oskel::answer {
namespace {

const icu::Normalizer2* nfkcCasefold() {
  static const icu::Normalizer2* instance = [] {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* n = icu::Normalizer2::getNFKCCasefoldInstance(status);
    return U_SUCCESS(status) ? n : nullptr;
  }();
  return instance;
}

const icu::Normalizer2* nfd() {
  static const icu::Normalizer2* instance = [] {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* n = icu::Normalizer2::getNFDInstance(status);
    return U_SUCCESS(status) ? n : nullptr;
  }();
  return instance;
}

icu::UnicodeString fromUtf8(std::string_view utf8) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
}

// Transliterators keep per-call state; each thread gets its own.
icu::Transliterator* toAscii() {
  thread_local std::unique_ptr<icu::Transliterator> instance = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> t(
        icu::Transliterator::createInstance("Any-Latin; Latin-ASCII; Lower", UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(t) : nullptr;
  }();
  return instance.get();
}

// The same for text in Latin letters only, many times faster: no script to find first.
icu::Transliterator* latinToAscii() {
  thread_local std::unique_ptr<icu::Transliterator> instance = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(t) : nullptr;
  }();
  return instance.get();
}

// Marks that decorate a letter and that people leave out when they type: Latin, Greek
// and Cyrillic accents, Hebrew and Arabic vowel points, the kana voicing marks. Other
// scripts' marks are vowels and tones that tell words apart (Thai "ชื่อ", name, and
// "ช่อง", slot), so they are kept.
bool isAccent(UChar32 c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
         (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0x0591 && c <= 0x05C7) ||
         (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || c == 0x0670 ||
         (c >= 0x06D6 && c <= 0x06ED) || c == 0x3099 || c == 0x309A;
}

}  // namespace

std::vector<std::string> handleWords(std::string_view handle) {
  std::vector<std::string> words(1);
  for (char c : handle) {
    if (c >= 'a' && c <= 'z') words.back() += c;
    else if (c >= 'A' && c <= 'Z') words.back() += static_cast<char>(c - 'A' + 'a');
    else if (!words.back().empty()) words.emplace_back();
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

std::string asciiLetters(std::string_view utf8, bool umlautsAsE) {
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
    std::string out;  // plain ASCII: no need for the transliterator
    for (char c : utf8) {
      if (c >= 'a' && c <= 'z') out += c;
      else if (c >= 'A' && c <= 'Z') out += static_cast<char>(c - 'A' + 'a');
    }
    return out;
  }
  CharStats stats = charStats(utf8);
  icu::Transliterator* t = stats.latin == stats.letters ? latinToAscii() : toAscii();
  if (t == nullptr) return {};
  icu::UnicodeString text = fromUtf8(utf8);
  if (umlautsAsE) {
    static const std::pair<const char16_t*, const char16_t*> kUmlauts[] = {
        {u"\u00E4", u"ae"}, {u"\u00F6", u"oe"}, {u"\u00FC", u"ue"}, {u"\u00C4", u"Ae"},
        {u"\u00D6", u"Oe"}, {u"\u00DC", u"Ue"}, {u"\u00DF", u"ss"}};
    for (auto [from, to] : kUmlauts) text.findAndReplace(icu::UnicodeString(from), icu::UnicodeString(to));
  }
  t->transliterate(text);
  std::string out;
  for (int32_t i = 0; i < text.length(); ++i) {
    char16_t c = text.charAt(i);
    if (c >= u'a' && c <= u'z') out += static_cast<char>(c);
    else if (c >= u'A' && c <= u'Z') out += static_cast<char>(c - u'A' + u'a');
  }
  return out;
}

std::string foldText(std::string_view utf8) {
  icu::UnicodeString text = fromUtf8(utf8);
  UErrorCode status = U_ZERO_ERROR;
  if (const icu::Normalizer2* fold = nfkcCasefold()) {
    icu::UnicodeString folded = fold->normalize(text, status);
    if (U_SUCCESS(status)) text = folded;
  }
  status = U_ZERO_ERROR;
  if (const icu::Normalizer2* decompose = nfd()) {
    icu::UnicodeString decomposed = decompose->normalize(text, status);
    if (U_SUCCESS(status)) text = decomposed;
  }
  icu::UnicodeString out;
  out.append(static_cast<UChar32>(' '));
  bool lastWasSpace = true;
  for (int32_t i = 0; i < text.length();) {
    UChar32 c = text.char32At(i);
    i += U16_LENGTH(c);
    // Letters whose stroke or missing dot is part of the letter, not an accent, have no
    // decomposition; folded like their plain twins so that "Soyadı", "Hasło", "Điện thoại"
    // and "Fødselsdato" meet "soyadi", "haslo", "dien thoai" and "fodselsdato".
    switch (c) {
      case 0x0131: c = 'i'; break;  // ı
      case 0x0142: c = 'l'; break;  // ł
      case 0x0111: c = 'd'; break;  // đ
      case 0x00F8: c = 'o'; break;  // ø
      default: break;
    }
    int8_t type = u_charType(c);
    bool mark = type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK || type == U_COMBINING_SPACING_MARK;
    if (mark && isAccent(c)) continue;
    bool keep = u_isalnum(c) || mark;
    if (keep) {
      out.append(c);
      lastWasSpace = false;
    } else if (!lastWasSpace) {
      out.append(static_cast<UChar32>(' '));
      lastWasSpace = true;
    }
  }
  if (!lastWasSpace) out.append(static_cast<UChar32>(' '));
  std::string result;
  out.toUTF8String(result);
  return result;
}

std::size_t countGraphemes(std::string_view utf8) {
  thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) it.reset();
    return it;
  }();
  icu::UnicodeString text = fromUtf8(utf8);
  if (!iterator) return static_cast<std::size_t>(text.countChar32());
  iterator->setText(text);
  std::size_t count = 0;
  iterator->first();
  while (iterator->next() != icu::BreakIterator::DONE) ++count;
  return count;
}

std::string_view trimText(std::string_view utf8) {
  auto isSpaceAt = [&](std::size_t pos, std::size_t* len) {
    UChar32 c = 0;
    int32_t i = static_cast<int32_t>(pos);
    U8_NEXT(utf8.data(), i, static_cast<int32_t>(utf8.size()), c);
    *len = static_cast<std::size_t>(i) - pos;
    return c >= 0 && (u_isUWhiteSpace(c) || c == 0xFEFF);
  };
  std::size_t start = 0;
  std::size_t len = 0;
  while (start < utf8.size() && isSpaceAt(start, &len)) start += len;
  std::size_t end = utf8.size();
  while (end > start) {
    std::size_t back = end - 1;
    while (back > start && (static_cast<unsigned char>(utf8[back]) & 0xC0) == 0x80) --back;
    if (!isSpaceAt(back, &len) || back + len != end) break;
    end = back;
  }
  return utf8.substr(start, end - start);
}

CharStats charStats(std::string_view utf8) {
  CharStats stats;
  int32_t i = 0;
  const int32_t length = static_cast<int32_t>(utf8.size());
  while (i < length) {
    UChar32 c = 0;
    U8_NEXT(utf8.data(), i, length, c);
    ++stats.total;
    if (c < 0) {
      ++stats.other;
      continue;
    }
    if (c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029) {
      ++stats.lineBreaks;
    } else if (u_isUWhiteSpace(c)) {
      ++stats.spaces;
    } else if (u_isdigit(c)) {
      ++stats.digits;
    } else if (u_isalpha(c)) {
      ++stats.letters;
      if (u_isupper(c)) ++stats.upperLetters;
      if (u_islower(c)) ++stats.lowerLetters;
      UErrorCode status = U_ZERO_ERROR;
      UScriptCode script = uscript_getScript(c, &status);
      if (script == USCRIPT_HAN) ++stats.han;
      else if (script == USCRIPT_HIRAGANA || script == USCRIPT_KATAKANA) ++stats.kana;
      else if (script == USCRIPT_HANGUL) ++stats.hangul;
      else if (script == USCRIPT_CYRILLIC) ++stats.cyrillic;
      else if (script == USCRIPT_LATIN) ++stats.latin;
    } else {
      ++stats.other;
    }
  }
  return stats;
}

std::vector<std::string_view> splitWords(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) out.push_back(text.substr(start, i - start));
  }
  return out;
}

bool splitAtNumberSign(std::string_view line, std::string_view* label, std::string_view* value) {
  static constexpr std::string_view kSigns[] = {"#", "n\u00BA", "n\u00B0", "N\u00BA", "N\u00B0", "\u2116", "no.",
                                                "No.", "NO.", "nr.", "Nr.", "NR."};
  std::vector<std::string_view> words = splitWords(line);
  for (std::size_t k = 1; k < words.size() && k <= 4; ++k) {
    for (std::string_view sign : kSigns) {
      if (!words[k].starts_with(sign)) continue;
      std::size_t signAt = static_cast<std::size_t>(words[k].data() - line.data());
      *label = trimText(line.substr(0, signAt));
      *value = trimText(line.substr(signAt + sign.size()));
      if (!label->empty() && !value->empty()) return true;
    }
  }
  return false;
}

std::string foldedPhrase(std::string_view text) {
  std::string f = foldText(text);
  return f.size() > 2 ? f.substr(1, f.size() - 2) : std::string();
}

std::vector<std::string> foldedPhrases(std::initializer_list<std::string_view> phrases) {
  std::vector<std::string> out;
  out.reserve(phrases.size());
  for (std::string_view p : phrases) out.push_back(foldedPhrase(p));
  return out;
}

std::vector<std::string> foldedAll(std::initializer_list<std::string_view> words) {
  std::vector<std::string> out;
  for (std::string_view w : words) {
    std::vector<std::string> parts = foldedWords(w);
    out.insert(out.end(), parts.begin(), parts.end());
  }
  return out;
}

bool madeOnlyOf(const std::string& folded, const std::vector<std::string>& latin, std::vector<std::string> cjk) {
  std::sort(cjk.begin(), cjk.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& word : foldedWords(folded)) {
    if (std::find(latin.begin(), latin.end(), word) != latin.end()) continue;
    CharStats chars = charStats(word);
    if (chars.han + chars.hangul + chars.kana == 0) return false;
    std::string_view rest = word;
    while (!rest.empty()) {
      auto piece = std::find_if(cjk.begin(), cjk.end(), [&](const std::string& c) { return rest.substr(0, c.size()) == c; });
      if (piece == cjk.end()) return false;
      rest.remove_prefix(piece->size());
    }
  }
  return true;
}

std::vector<std::string> paddedPhrases(std::initializer_list<std::string_view> phrases) {
  std::vector<std::string> out;
  out.reserve(phrases.size());
  for (std::string_view p : phrases) out.push_back(" " + foldedPhrase(p) + " ");
  return out;
}

bool containsAny(std::string_view folded, const std::vector<std::string>& pieces) {
  return std::any_of(pieces.begin(), pieces.end(), [&](const std::string& p) { return folded.find(p) != std::string_view::npos; });
}

std::vector<std::string> foldedWords(std::string_view text) {
  std::vector<std::string> out;
  std::string f = foldText(text);
  std::size_t pos = 1;
  while (pos < f.size()) {
    std::size_t end = f.find(' ', pos);
    if (end == std::string::npos) break;
    if (end > pos) out.push_back(f.substr(pos, end - pos));
    pos = end + 1;
  }
  return out;
}

std::int32_t firstCodePoint(std::string_view text) {
  if (text.empty()) return 0;
  UChar32 c = 0;
  int32_t i = 0;
  U8_NEXT(text.data(), i, static_cast<int32_t>(text.size()), c);
  return c < 0 ? 0xFFFD : c;
}

bool hasDigit(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool startsWithLetter(std::string_view text) {
  UChar32 c = 0;
  int32_t i = 0;
  U8_NEXT(text.data(), i, static_cast<int32_t>(text.size()), c);
  return c > 0 && u_isalpha(c);
}

bool isCased(std::int32_t codePoint) { return u_isupper(codePoint) || u_islower(codePoint); }

bool isNameWord(std::string_view word) {
  CharStats s = charStats(word);
  if (s.letters == 0 || s.digits > 0) return false;
  for (char c : word) {
    if ((c & 0x80) == 0 && !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '\'' || c == '.')) {
      return false;
    }
  }
  return s.other <= 2;
}

}  // namespace oskel::answer
