#include "base/text.h"

#include <gtest/gtest.h>

namespace oskel::text {
namespace {

TEST(Text, LengthCountsGraphemeClusters) {
  EXPECT_EQ(length(""), 0u);
  EXPECT_EQ(length("abc"), 3u);
  EXPECT_EQ(length("\r\n"), 1u);                 // CR LF is one character
  EXPECT_EQ(length("e\xCC\x81"), 1u);            // e + combining acute
  EXPECT_EQ(length("\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"), 1u);  // thumbs up + skin tone
  EXPECT_EQ(length("\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA"), 1u);  // flag: two regional indicators
  EXPECT_TRUE(lengthAtMost("e\xCC\x81" "e\xCC\x81", 2));
  EXPECT_FALSE(lengthAtMost("abc", 2));
  EXPECT_TRUE(lengthAtMost("abc", 3));
}

TEST(Text, TrimRemovesUnicodeWhiteSpaceAndLineBreaksOnlyAtTheEnds) {
  EXPECT_EQ(trimmed("  a b \n"), "a b");
  EXPECT_EQ(trimmed("\xC2\xA0\xE2\x80\xA8x\xE3\x80\x80\t\r\n"), "x");  // NBSP, LS, ideographic space
  EXPECT_EQ(trimmed(" \n\r\t "), "");
  EXPECT_EQ(trimmed("\xC2\x85" "a\xC2\x85"), "a");  // NEL
  EXPECT_EQ(trimmed("\xE2\x80\x8B" "a"), "\xE2\x80\x8B" "a");  // zero-width space is not white space
}

TEST(Text, EqualityIsCanonicalAndLowerCasingIsUnicode) {
  EXPECT_TRUE(canonicallyEqual("caf\xC3\xA9", "cafe\xCC\x81"));
  EXPECT_FALSE(canonicallyEqual("Cafe", "cafe"));
  EXPECT_EQ(nfc("cafe\xCC\x81"), "caf\xC3\xA9");
  EXPECT_EQ(lowercased("HeLLo"), "hello");
  EXPECT_EQ(lowercased("\xC3\x84RGER \xCE\xA3"), "\xC3\xA4rger \xCF\x83");  // ÄRGER Σ
  EXPECT_EQ(lowercased("I"), "i");  // root locale: no Turkish dotless i
}

}  // namespace
}  // namespace oskel::text
