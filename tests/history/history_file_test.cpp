#include "history/history_file.h"

#include <gtest/gtest.h>

#include <cmath>

namespace oskel {
namespace {

Clip textClip(const char* id, std::string text, Timestamp at, std::vector<std::string> values) {
  return Clip{*Uuid::parse(id), std::move(text), "Terminal", at, {}, {}, {}, std::move(values)};
}

TEST(HistoryFile, WritesMembersInOrderCompactlyWithUpperCaseIds) {
  Clip image{*Uuid::parse("0f8fad5b-d9cb-469f-a165-70867728950e"), "", "Preview", 1.5,
             std::string("0f8fad5b-d9cb-469f-a165-70867728950e.png"), 8000, 6000, {}};
  Clip text = textClip("7c9e6679-7425-40de-944b-e07fc1f90ae7", "a \"quoted\"\n\ttext \x01", 0, {"x", "y"});
  EXPECT_EQ(history_file::encode(std::vector<Clip>{image, text}),
            "[{\"id\":\"0F8FAD5B-D9CB-469F-A165-70867728950E\",\"text\":\"\",\"sourceApp\":\"Preview\","
            "\"createdAt\":1.5,\"imageFileName\":\"0f8fad5b-d9cb-469f-a165-70867728950e.png\","
            "\"imagePixelWidth\":8000,\"imagePixelHeight\":6000},"
            "{\"id\":\"7C9E6679-7425-40DE-944B-E07FC1F90AE7\",\"text\":\"a \\\"quoted\\\"\\n\\ttext \\u0001\","
            "\"sourceApp\":\"Terminal\",\"createdAt\":0.0,\"indexedValues\":[\"x\",\"y\"]}]");
  EXPECT_EQ(history_file::encode(std::vector<Clip>{}), "[]");
}

TEST(HistoryFile, DoublesAndTextsRoundTripExactly) {
  std::vector<Clip> clips;
  const double moments[] = {0.0, -0.0, -1234.5678, 786451234.123456789, 1e-300, 1.7976931348623157e308,
                            0.1 + 0.2, -978307200.0};
  int n = 0;
  for (double t : moments) {
    Uuid id = Uuid::random();
    clips.push_back(Clip{id, "t\xC3\xA9\xF0\x9F\x98\x80" + std::to_string(n++), "App", t, {}, {}, {}, {}});
  }
  auto decoded = history_file::decode(history_file::encode(clips));
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->size(), clips.size());
  for (std::size_t i = 0; i < clips.size(); ++i) {
    EXPECT_EQ((*decoded)[i], clips[i]) << i;
    EXPECT_EQ(std::signbit((*decoded)[i].createdAt), std::signbit(clips[i].createdAt));
  }
}

TEST(HistoryFile, ReadingIsLenientAboutOrderNullsAndUnknownMembers) {
  auto decoded = history_file::decode(
      R"([{"createdAt":-5,"sourceApp":"A","text":"t","id":"7c9e6679-7425-40de-944b-e07fc1f90ae7",)"
      R"("imageFileName":null,"indexedValues":null,"imagePixelWidth":null,"color":"blue"},)"
      R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"","sourceApp":"B","createdAt":2,)"
      R"("imageFileName":"x.png","imagePixelWidth":3.0,"imagePixelHeight":4}])");
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->size(), 2u);
  const Clip& first = (*decoded)[0];
  EXPECT_EQ(first.createdAt, -5);
  EXPECT_FALSE(first.imageFileName || first.indexedValues || first.imagePixelWidth);
  EXPECT_EQ(first.id.upperString(), "7C9E6679-7425-40DE-944B-E07FC1F90AE7");
  EXPECT_EQ((*decoded)[1].imagePixelWidth, 3);
  EXPECT_EQ((*decoded)[1].imagePixelHeight, 4);
  // An unknown member is dropped when written again.
  EXPECT_EQ(history_file::encode(*decoded).find("color"), std::string::npos);
}

TEST(HistoryFile, OneInvalidElementInvalidatesTheDocument) {
  const std::string good = R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"t","sourceApp":"A","createdAt":1})";
  ASSERT_TRUE(history_file::decode("[" + good + "]"));
  EXPECT_TRUE(history_file::decode("[]"));
  const char* bad[] = {
      R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"t","sourceApp":"A"})",                 // no createdAt
      R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"t","sourceApp":"A","createdAt":null})",
      R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"t","sourceApp":"A","createdAt":"1"})",
      R"({"id":"not-a-uuid","text":"t","sourceApp":"A","createdAt":1})",
      R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":5,"sourceApp":"A","createdAt":1})",
      R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"t","createdAt":1})",
      R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"t","sourceApp":"A","createdAt":1,"indexedValues":["a",1]})",
      R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"t","sourceApp":"A","createdAt":1,"imagePixelWidth":1.5})",
      R"({"id":"7c9e6679-7425-40de-944b-e07fc1f90ae7","text":"t","sourceApp":"A","createdAt":1,"imageFileName":7})",
      R"("just a string")",
  };
  for (const char* element : bad) {
    EXPECT_FALSE(history_file::decode("[" + good + "," + element + "]")) << element;
  }
  EXPECT_FALSE(history_file::decode(good));                 // not an array
  EXPECT_FALSE(history_file::decode("[" + good));          // truncated
  EXPECT_FALSE(history_file::decode(""));
  EXPECT_FALSE(history_file::decode("[\"\xFF\"]"));         // invalid UTF-8
}

}  // namespace
}  // namespace oskel
