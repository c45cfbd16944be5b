#include <gtest/gtest.h>

#include <set>

#include "base/time.h"
#include "base/uuid.h"

namespace oskel {
namespace {

TEST(Uuid, RandomIsVersionFourAndPrintsBothCases) {
  std::set<std::string> seen;
  for (int i = 0; i < 100; ++i) {
    Uuid id = Uuid::random();
    std::string lower = id.lowerString();
    ASSERT_EQ(lower.size(), 36u);
    EXPECT_EQ(lower[14], '4');
    EXPECT_TRUE(lower[19] == '8' || lower[19] == '9' || lower[19] == 'a' || lower[19] == 'b');
    seen.insert(lower);
  }
  EXPECT_EQ(seen.size(), 100u);
}

TEST(Uuid, ParsesEitherCaseAndRefusesAnythingElse) {
  auto a = Uuid::parse("0f8fad5b-d9cb-469f-a165-70867728950e");
  auto b = Uuid::parse("0F8FAD5B-D9CB-469F-A165-70867728950E");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(*a, *b);
  EXPECT_EQ(a->upperString(), "0F8FAD5B-D9CB-469F-A165-70867728950E");
  EXPECT_EQ(b->lowerString(), "0f8fad5b-d9cb-469f-a165-70867728950e");
  EXPECT_FALSE(Uuid::parse(""));
  EXPECT_FALSE(Uuid::parse("0f8fad5bd9cb469fa16570867728950e"));        // no hyphens
  EXPECT_FALSE(Uuid::parse("0f8fad5b-d9cb-469f-a165-70867728950"));     // short
  EXPECT_FALSE(Uuid::parse("0f8fad5b-d9cb-469f-a165-70867728950e0"));   // long
  EXPECT_FALSE(Uuid::parse("0f8fad5b-d9cb-469f-a165-70867728950g"));    // not hex
  EXPECT_FALSE(Uuid::parse("0f8fad5b+d9cb-469f-a165-70867728950e"));
  EXPECT_FALSE(Uuid::parse("{f8fad5b-d9cb-469f-a165-70867728950e"));
}

TEST(Time, SecondsCountFromTwoThousandOne) {
  EXPECT_EQ(iso8601(0), "2001-01-01T00:00:00Z");
  EXPECT_EQ(iso8601(-1), "2000-12-31T23:59:59Z");
  EXPECT_EQ(iso8601(0.999), "2001-01-01T00:00:00Z");
  EXPECT_EQ(iso8601(-0.5), "2000-12-31T23:59:59Z");
  EXPECT_EQ(iso8601(736214400), "2024-05-01T00:00:00Z");
  const Timestamp now = currentTimestamp();
  EXPECT_GT(now, 800000000);  // after 2026
  EXPECT_LT(now, 2000000000);
}

}  // namespace
}  // namespace oskel
