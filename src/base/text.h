// Text rules used throughout the program. Texts are UTF-8 std::strings.
// - lengths are counted in user-perceived characters (extended grapheme clusters);
// - trimming removes leading and trailing Unicode white space and line breaks;
// - two texts are equal when they are canonically equivalent (equal after NFC);
// - lower-casing is the locale-independent Unicode lower-case mapping.
// Invalid UTF-8 is read with U+FFFD in place of each bad sequence.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace oskel::text {

// Number of extended grapheme clusters.
std::size_t length(std::string_view s);

// True when s has at most `limit` grapheme clusters; stops counting early.
bool lengthAtMost(std::string_view s, std::size_t limit);

std::string trimmed(std::string_view s);

std::string nfc(std::string_view s);

bool canonicallyEqual(std::string_view a, std::string_view b);

std::string lowercased(std::string_view s);

// True for the code points that trimming removes and that count as white space.
bool isWhiteSpace(char32_t c);

// True for the line-break characters: U+000A-U+000D, U+0085, U+2028, U+2029.
bool isNewline(char32_t c);

}  // namespace oskel::text
