#include "suggest/wire_records.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace oskel {
namespace {

using nlohmann::json;

const Candidate kFirst{"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index0", "ada@example.com", "Mail", "2026-03-14T09:26:53Z"};
const Candidate kSecond{"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index2", "+1 555 0100", "Notes \"x\"", "2026-03-14T09:26:54Z"};

TEST(WireRecords, CloudRequestIsWrittenByteForByteInMemberOrderWithoutUrl) {
  SuggestRequest request{FieldContext{"E-mail", "AXTextField", "Firefox", std::nullopt}, {kFirst}};
  EXPECT_EQ(wire::encode(request),
            "{\"field\":{\"label\":\"E-mail\",\"role\":\"AXTextField\",\"app\":\"Firefox\"},"
            "\"candidates\":[{\"id\":\"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index0\",\"text\":\"ada@example.com\","
            "\"sourceApp\":\"Mail\",\"copiedAt\":\"2026-03-14T09:26:53Z\"}]}");
  // A url, when a caller sets one, comes last; escaping keeps the text exact.
  request.field.url = "https://a.example/form";
  request.candidates = {kSecond};
  const std::string encoded = wire::encode(request);
  EXPECT_NE(encoded.find("\"app\":\"Firefox\",\"url\":\"https://a.example/form\"}"), std::string::npos);
  auto decoded = wire::decodeSuggestRequest(encoded);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->field, request.field);
  EXPECT_EQ(decoded->candidates, request.candidates);
}

TEST(WireRecords, DirectRequestCarriesStateQuestionAndCriteria) {
  std::vector<Candidate> candidates{kFirst, kSecond};
  for (int i = 2; i < 13; ++i) {
    candidates.push_back(Candidate{"ID:index" + std::to_string(i), "v" + std::to_string(i), "App", "2026-01-01T00:00:00Z"});
  }
  auto body = wire::directRequestBody(FieldContext{"Phone", "AXTextField", "Safari", std::nullopt}, candidates);
  ASSERT_TRUE(body);
  json root = json::parse(*body);
  EXPECT_EQ(root.size(), 3u);
  EXPECT_EQ(root["model"], "orv-latest");
  EXPECT_EQ(root["state"]["focused_field"],
            (json{{"label", "Phone"}, {"role", "AXTextField"}, {"application", "Safari"}, {"page_url", nullptr}}));
  EXPECT_EQ(root["state"]["candidates"][1],
            (json{{"id", kSecond.id}, {"text", kSecond.text}, {"sourceApp", kSecond.sourceApp}, {"copiedAt", kSecond.copiedAt}}));
  EXPECT_EQ(root["state"]["policy"].get<std::string>().size(), 181u);
  const json& suggestion = root["question"]["suggestion"];
  EXPECT_EQ(suggestion["type"], "choice");
  EXPECT_EQ(suggestion["instructions"].get<std::string>().size(), 177u);
  const json& criteria = suggestion["criteria"];
  EXPECT_EQ(criteria.size(), candidates.size() + 1);
  EXPECT_EQ(criteria[kFirst.id], "Use the exact text in `candidates[0].text`.");
  EXPECT_EQ(criteria[kSecond.id], "Use the exact text in `candidates[1].text`.");
  EXPECT_EQ(criteria["ID:index12"], "Use the exact text in `candidates[12].text`.");
  EXPECT_EQ(criteria["__no_good_match__"], "None of the saved clipboard values is an appropriate answer for this field.");

  // A candidate named like the no-match id gets the no-match text.
  auto clash = wire::directRequestBody(FieldContext{"a", "b", "c", {}}, {Candidate{"__no_good_match__", "x", "A", "t"}});
  ASSERT_TRUE(clash);
  EXPECT_EQ(json::parse(*clash)["question"]["suggestion"]["criteria"],
            (json{{"__no_good_match__", wire::kNoMatchCriterion}}));

  // Texts that are not UTF-8 cannot become JSON: no body.
  EXPECT_FALSE(wire::directRequestBody(FieldContext{"\xFF", "b", "c", {}}, {kFirst}));
  EXPECT_FALSE(wire::directRequestBody(FieldContext{"a", "b", "c", {}}, {Candidate{"i", "\xC3", "A", "t"}}));
}

TEST(WireRecords, SuggestResponseDecoding) {
  auto full = wire::decodeSuggestResponse(
      R"({"candidateId":"a","confidence":1,"reason":"r","rankedCandidateIds":["a","b"],"extra":{"x":[1]}})");
  ASSERT_TRUE(full);
  EXPECT_EQ(full->candidateId, "a");
  EXPECT_EQ(full->confidence, 1.0);
  EXPECT_EQ(full->reason, "r");
  EXPECT_EQ(full->rankedCandidateIds, (std::vector<std::string>{"a", "b"}));

  auto nulls = wire::decodeSuggestResponse(R"({"candidateId":null,"confidence":null,"rankedCandidateIds":null})");
  ASSERT_TRUE(nulls);
  EXPECT_FALSE(nulls->candidateId || nulls->confidence || nulls->reason || nulls->rankedCandidateIds);
  EXPECT_TRUE(wire::decodeSuggestResponse("{}"));

  for (const char* bad : {R"({"confidence":"0.8"})", R"({"rankedCandidateIds":["a",1]})", R"({"rankedCandidateIds":"a"})",
                          R"({"candidateId":3})", R"({"reason":true})", "[]", "\"x\"", "not json", "", "{\"a\":"}) {
    EXPECT_FALSE(wire::decodeSuggestResponse(bad)) << bad;
  }
}

TEST(WireRecords, DirectResponseDecoding) {
  auto empty = wire::decodeDirectOrvResponse("{}");
  ASSERT_TRUE(empty);
  EXPECT_FALSE(empty->answers);
  auto noSuggestion = wire::decodeDirectOrvResponse(R"({"answers":{}})");
  ASSERT_TRUE(noSuggestion && noSuggestion->answers);
  EXPECT_FALSE(noSuggestion->answers->suggestion);
  auto noChoice = wire::decodeDirectOrvResponse(R"({"answers":{"suggestion":{}}})");
  ASSERT_TRUE(noChoice && noChoice->answers && noChoice->answers->suggestion);
  EXPECT_FALSE(noChoice->answers->suggestion->choice);
  EXPECT_TRUE(wire::decodeDirectOrvResponse(R"({"answers":null})"));

  auto full = wire::decodeDirectOrvResponse(
      R"({"id":7,"answers":{"other":1,"suggestion":{"choice":"b","confidence":0.9,"probabilities":{"a":0.25,"b":1},"why":"x"}}})");
  ASSERT_TRUE(full);
  const auto& answer = *full->answers->suggestion;
  EXPECT_EQ(answer.choice, "b");
  EXPECT_EQ(answer.confidence, 0.9);
  EXPECT_EQ(answer.probabilities, (std::map<std::string, double>{{"a", 0.25}, {"b", 1.0}}));

  for (const char* bad : {R"({"answers":{"suggestion":{"probabilities":{"a":null}}}})",
                          R"({"answers":{"suggestion":{"probabilities":{"a":"0.5"}}}})",
                          R"({"answers":{"suggestion":{"choice":1}}})", R"({"answers":{"suggestion":[]}})",
                          R"({"answers":[]})", R"({"answers":{"suggestion":{"confidence":"high"}}})", "[]", "x"}) {
    EXPECT_FALSE(wire::decodeDirectOrvResponse(bad)) << bad;
  }
}

}  // namespace
}  // namespace oskel
