// Text helpers over ICU shared by the field and value readers.
//
// All functions take and return UTF-8, are stateless and safe to call from
// any thread. Invalid UTF-8 sequences are treated as U+FFFD.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace oskel::answer {

// Folds text for keyword matching: NFKC case folding, accents removed
// (the marks of Latin, Greek, Cyrillic, Hebrew, Arabic and kana; other
// scripts keep their vowel and tone marks), ı, ł, đ, ø taken as i, l, d, o,
// every character that is not a letter or digit turned into one space,
// runs of spaces collapsed, and one space added at each end
// (" e mail adresse "). Keywords folded the same way match with find().
std::string foldText(std::string_view utf8);

// The letters of a text spelled in lower-case ASCII, as people write their
// names in e-mail addresses: "Müller" -> "muller", "Иван" -> "ivan",
// "de Vries" -> "devries". With `umlautsAsE`, German umlauts and ß take the
// spelling "ue", "oe", "ae", "ss" ("Müller" -> "mueller"). Empty when the
// script has no Latin spelling.
std::string asciiLetters(std::string_view utf8, bool umlautsAsE = false);

// Number of user-perceived characters (extended grapheme clusters).
std::size_t countGraphemes(std::string_view utf8);

// Trims Unicode white space at both ends.
std::string_view trimText(std::string_view utf8);

// Words split at spaces and tabs, as written.
std::vector<std::string_view> splitWords(std::string_view text);

// A line of a few words, a number sign and a value: "Order #W2291847", "Pedido nº 40-18273645",
// "Rechnung Nr. 2024-117". Sets the words before the sign and the value after it.
bool splitAtNumberSign(std::string_view line, std::string_view* label, std::string_view* value);

// foldText() of a word or phrase without its padding spaces ("anna", "new york").
std::string foldedPhrase(std::string_view text);

// foldedPhrase() of each of a list of words or phrases.
std::vector<std::string> foldedPhrases(std::initializer_list<std::string_view> phrases);

// foldText() of each of a list of words or phrases: " new york ", padded so that a find() in
// folded text matches whole words only.
std::vector<std::string> paddedPhrases(std::initializer_list<std::string_view> phrases);

// Whether `folded` holds any of `pieces` (from paddedPhrases() or foldedPhrases()).
bool containsAny(std::string_view folded, const std::vector<std::string>& pieces);

// The folded words of each of a list of words or phrases, all in one list.
std::vector<std::string> foldedAll(std::initializer_list<std::string_view> phrases);

// Whether every word of `folded` (folded text) is one of `latin`, and every word written in
// Han, kana or Hangul falls apart into pieces of `cjk` (matched from the start, longest first).
bool madeOnlyOf(const std::string& folded, const std::vector<std::string>& latin, std::vector<std::string> cjk);

// The words of foldText(text).
std::vector<std::string> foldedWords(std::string_view text);

// The runs of ASCII letters of a handle (the user part of an address, a user name), in
// lower case: split at dots, dashes, underscores, plus signs, digits and anything else.
std::vector<std::string> handleWords(std::string_view handle);

// The first code point of a UTF-8 text (U+FFFD for an invalid sequence, 0 when empty).
std::int32_t firstCodePoint(std::string_view text);

// Whether the first code point of a UTF-8 text is a letter.
bool startsWithLetter(std::string_view text);

// Whether a text holds an ASCII digit.
bool hasDigit(std::string_view text);

// Whether a code point has case (upper or lower).
bool isCased(std::int32_t codePoint);

// Letters with inner hyphens, apostrophes or dots only ("Anna-Lena", "O'Brien").
bool isNameWord(std::string_view word);

// Counts of character classes in a text.
struct CharStats {
  int letters = 0;
  int upperLetters = 0;
  int lowerLetters = 0;
  int digits = 0;
  int spaces = 0;
  int lineBreaks = 0;
  int han = 0;       // CJK ideographs
  int kana = 0;      // Hiragana and Katakana
  int hangul = 0;
  int cyrillic = 0;
  int latin = 0;
  int other = 0;     // punctuation, symbols, anything else
  int total = 0;     // code points
};
CharStats charStats(std::string_view utf8);

// Whether `word` is one of the words of `list`, an array of string views.
template <typename List>
bool isListed(const List& list, std::string_view word) {
  return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

// Whether any of `words` is one of the words of `list`.
template <typename List>
bool anyListed(const List& list, const std::vector<std::string>& words) {
  return std::any_of(words.begin(), words.end(), [&](const std::string& w) { return isListed(list, w); });
}

}  // namespace oskel::answer
