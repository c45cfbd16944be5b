#include <gtest/gtest.h>

#include "base/text.h"
#include "history/value_indexer.h"
#include "suggest/suggestion_client.h"

namespace oskel {
namespace {

Clip textClip(std::vector<std::string> values, std::string text = "t", std::string app = "App", Timestamp at = 0) {
  Clip clip;
  clip.id = Uuid::random();
  clip.text = std::move(text);
  clip.sourceApp = std::move(app);
  clip.createdAt = at;
  clip.indexedValues = std::move(values);
  return clip;
}

Clip imageClip() {
  Clip clip;
  clip.id = Uuid::random();
  clip.imageFileName = "a.png";
  clip.indexedValues = std::vector<std::string>{"image value"};
  return clip;
}

std::vector<std::string> texts(const std::vector<CandidateValue>& values) {
  std::vector<std::string> out;
  for (const auto& v : values) out.push_back(v.text);
  return out;
}

TEST(CandidateValues, LooksAtTheFortyNewestTextClipsSkippingImages) {
  std::vector<Clip> clips;
  for (int i = 0; i < 50; ++i) {
    if (i % 10 == 3) clips.push_back(imageClip());
    clips.push_back(textClip({"value " + std::to_string(i)}));
  }
  auto values = SuggestionClient::candidateValues(clips);
  ASSERT_EQ(values.size(), 40u);
  EXPECT_EQ(values.front().text, "value 0");
  EXPECT_EQ(values.back().text, "value 39");
  for (const auto& v : values) EXPECT_NE(v.text, "image value");
  EXPECT_TRUE(SuggestionClient::candidateValues({}).empty());
  EXPECT_TRUE(SuggestionClient::candidateValues({imageClip(), imageClip()}).empty());
}

TEST(CandidateValues, IdsDatesAndCaseInsensitiveDuplicates) {
  Clip newer = textClip({"ACME Corp", "x"}, "t", "Mail", 795173213);  // 2026-03-14T09:26:53Z
  Clip older = textClip({"y", "X", "acme corp", "z", "y"}, "t", "Notes", 0);
  auto values = SuggestionClient::candidateValues({newer, older});
  ASSERT_EQ(texts(values), (std::vector<std::string>{"ACME Corp", "x", "y", "z"}));
  EXPECT_EQ(values[0].id, newer.id.upperString() + ":index0");
  EXPECT_EQ(values[0].sourceApp, "Mail");
  EXPECT_EQ(values[0].copiedAt, "2026-03-14T09:26:53Z");
  EXPECT_EQ(values[2].id, older.id.upperString() + ":index0");
  EXPECT_EQ(values[3].id, older.id.upperString() + ":index3");  // gaps where duplicates were skipped
  EXPECT_EQ(values[3].copiedAt, "2001-01-01T00:00:00Z");
  EXPECT_EQ(values[3].sourceApp, "Notes");

  // Values are taken as stored (not trimmed); an empty stored list is not re-indexed;
  // a clip without a stored list is indexed now.
  Clip spaced = textClip({" padded "});
  Clip emptyList = textClip({}, "someone@example.com");
  Clip unindexed = textClip({}, "reach me at someone@example.org");
  unindexed.indexedValues.reset();
  auto mixed = SuggestionClient::candidateValues({spaced, emptyList, unindexed});
  std::vector<std::string> expected{" padded "};
  for (const auto& v : indexValues(unindexed.text)) expected.push_back(v);
  EXPECT_EQ(texts(mixed), expected);
  EXPECT_NE(std::find(expected.begin(), expected.end(), "someone@example.org"), expected.end());
}

TEST(CandidateValues, StopsAtTheCountAndTextBudgets) {
  std::vector<std::string> many;
  for (int i = 0; i < 181; ++i) many.push_back("v" + std::to_string(i));
  EXPECT_EQ(SuggestionClient::candidateValues({textClip(many)}).size(), 180u);

  const std::string big(20000, 'a'), mid(5000, 'b');
  EXPECT_EQ(texts(SuggestionClient::candidateValues({textClip({big, mid, "short"})})), std::vector<std::string>{big});
  EXPECT_EQ(texts(SuggestionClient::candidateValues({textClip({big}), textClip({mid}), textClip({"short"})})),
            std::vector<std::string>{big});

  const std::string exact(24000, 'c');
  EXPECT_EQ(SuggestionClient::candidateValues({textClip({exact})}).size(), 1u);
  EXPECT_TRUE(SuggestionClient::candidateValues({textClip({exact + "c"})}).empty());

  // Grapheme clusters, not bytes: a thumbs-up with a skin tone is one character.
  std::string emoji = "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD";
  ASSERT_EQ(text::length(emoji), 1u);
  std::string filler(23999, 'd');
  EXPECT_EQ(SuggestionClient::candidateValues({textClip({filler, emoji})}).size(), 2u);
  EXPECT_EQ(SuggestionClient::candidateValues({textClip({filler, emoji + emoji})}).size(), 1u);
}

}  // namespace
}  // namespace oskel
