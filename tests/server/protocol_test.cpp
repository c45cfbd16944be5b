#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "protocol/decode.h"
#include "protocol/encode.h"
#include "protocol/version.h"

namespace oskel::protocol {
namespace {

using nlohmann::json;

std::string candidatesJson(std::size_t count, std::size_t textLength) {
  json list = json::array();
  for (std::size_t i = 0; i < count; ++i) {
    list.push_back({{"id", "C" + std::to_string(i) + ":index0"},
                    {"text", std::string(textLength, 'x')},
                    {"sourceApp", "Notes"},
                    {"copiedAt", "2026-03-14T09:26:53Z"}});
  }
  return json{{"field", {{"label", "Email"}, {"role", "AXTextField"}, {"app", "Firefox"}}}, {"candidates", list}}.dump();
}

std::string errorOf(const Decoded<SuggestRequest>& d) {
  const ApiError* e = std::get_if<ApiError>(&d);
  return e ? std::to_string(e->status) + " " + e->error : "decoded";
}

TEST(DecodeSuggestRequest, AcceptsTheClientsBody) {
  std::string body =
      R"({"field":{"label":"Email","role":"AXTextField","app":"Firefox"},"candidates":[)"
      R"({"id":"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index0","text":"a@b.de","sourceApp":"Mail","copiedAt":"2026-03-14T09:26:53Z"}]})";
  Decoded<SuggestRequest> d = decodeSuggestRequest(body);
  ASSERT_TRUE(std::holds_alternative<SuggestRequest>(d)) << errorOf(d);
  const SuggestRequest& r = std::get<SuggestRequest>(d);
  EXPECT_EQ(r.field.label, "Email");
  EXPECT_FALSE(r.field.url.has_value());
  ASSERT_EQ(r.candidates.size(), 1u);
  EXPECT_EQ(r.candidates[0].text, "a@b.de");
  // Unknown members are ignored; null reads as absent.
  std::string extra = R"({"x":1,"field":{"label":"E","role":"r","app":"a","url":null,"y":[]},"candidates":[]})";
  EXPECT_TRUE(std::holds_alternative<SuggestRequest>(decodeSuggestRequest(extra)));
}

TEST(DecodeSuggestRequest, RefusesBadBodiesWithExactMessages) {
  EXPECT_EQ(errorOf(decodeSuggestRequest("")), "400 body is not valid JSON");
  EXPECT_EQ(errorOf(decodeSuggestRequest("{\"field\":")), "400 body is not valid JSON");
  EXPECT_EQ(errorOf(decodeSuggestRequest("[]")), "400 body must be a JSON object");
  EXPECT_EQ(errorOf(decodeSuggestRequest("{}")), "400 field: required");
  EXPECT_EQ(errorOf(decodeSuggestRequest(R"({"field":[],"candidates":[]})")), "400 field: expected an object");
  EXPECT_EQ(errorOf(decodeSuggestRequest(R"({"field":{"label":1,"role":"r","app":"a"},"candidates":[]})")),
            "400 field.label: expected a string");
  EXPECT_EQ(errorOf(decodeSuggestRequest(R"({"field":{"label":"l","role":"r","app":"a"}})")),
            "400 candidates: required");
  EXPECT_EQ(errorOf(decodeSuggestRequest(R"({"field":{"label":"l","role":"r","app":"a"},"candidates":{}})")),
            "400 candidates: expected an array");
  EXPECT_EQ(errorOf(decodeSuggestRequest(R"({"field":{"label":"l","role":"r","app":"a"},"candidates":[3]})")),
            "400 candidates[0]: expected an object");
  EXPECT_EQ(errorOf(decodeSuggestRequest(
                R"({"field":{"label":"l","role":"r","app":"a"},"candidates":[{"id":"a","text":"t","sourceApp":"s"}]})")),
            "400 candidates[0].copiedAt: required");
  EXPECT_EQ(errorOf(decodeSuggestRequest(
                R"({"field":{"label":"l","role":"r","app":"a"},"candidates":[)"
                R"({"id":"a","text":"t","sourceApp":"s","copiedAt":"c"},{"id":"a","text":"u","sourceApp":"s","copiedAt":"c"}]})")),
            "400 candidates[1].id: duplicate candidate id");
  // Invalid UTF-8 inside a string is not JSON.
  EXPECT_EQ(errorOf(decodeSuggestRequest("{\"field\":{\"label\":\"\xff\",\"role\":\"r\",\"app\":\"a\"},\"candidates\":[]}")),
            "400 body is not valid JSON");
}

TEST(DecodeSuggestRequest, LimitsOfTheClient) {
  EXPECT_TRUE(std::holds_alternative<SuggestRequest>(decodeSuggestRequest(candidatesJson(180, 1))));
  EXPECT_EQ(errorOf(decodeSuggestRequest(candidatesJson(181, 1))), "400 candidates: more than 180 candidates");
  EXPECT_TRUE(std::holds_alternative<SuggestRequest>(decodeSuggestRequest(candidatesJson(1, 24000))));
  EXPECT_EQ(errorOf(decodeSuggestRequest(candidatesJson(1, 24001))),
            "400 candidates: texts hold more than 24000 characters");
  EXPECT_EQ(errorOf(decodeSuggestRequest(candidatesJson(2, 12001))),
            "400 candidates: texts hold more than 24000 characters");
  // The budget counts user-perceived characters: 24,000 accented letters written
  // as letter + combining accent (3 bytes each) are within it.
  std::string accented;
  for (int i = 0; i < 24000; ++i) accented += "e\xCC\x81";
  json body = json::parse(candidatesJson(1, 1));
  body["candidates"][0]["text"] = accented;
  EXPECT_TRUE(std::holds_alternative<SuggestRequest>(decodeSuggestRequest(body.dump())));
  body["candidates"][0]["text"] = accented + "e";
  EXPECT_FALSE(std::holds_alternative<SuggestRequest>(decodeSuggestRequest(body.dump())));
}

TEST(DecodeDeviceRequest, NeedsAnInstallationUuidAndAVersionString) {
  auto d = decodeDeviceRequest(R"({"installId":"6f1c0d3e-2b7a-4c1e-9d3f-0a1b2c3d4e5f","appVersion":"1.2.0"})");
  ASSERT_TRUE(std::holds_alternative<DeviceRequest>(d));
  EXPECT_EQ(std::get<DeviceRequest>(d).appVersion, "1.2.0");
  auto bad = decodeDeviceRequest(R"({"installId":"not-a-uuid","appVersion":"1"})");
  ASSERT_TRUE(std::holds_alternative<ApiError>(bad));
  EXPECT_EQ(std::get<ApiError>(bad).error, "installId: expected a UUID");
  auto number = decodeDeviceRequest(R"({"installId":"6f1c0d3e-2b7a-4c1e-9d3f-0a1b2c3d4e5f","appVersion":1})");
  ASSERT_TRUE(std::holds_alternative<ApiError>(number));
  EXPECT_EQ(std::get<ApiError>(number).error, "appVersion: expected a string");
  EXPECT_TRUE(isCanonicalUuid("6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F"));
  EXPECT_FALSE(isCanonicalUuid("6F1C0D3E2B7A-4C1E-9D3F-0A1B2C3D4E5F0"));
}

TEST(DecodeDirectRequest, ReadsTheNestedBody) {
  json body = {{"model", "orv-latest"},
               {"state",
                {{"focused_field", {{"label", "Email"}, {"role", "AXTextField"}, {"application", "Mail"}, {"page_url", nullptr}}},
                 {"candidates", json::array({{{"id", "a"}, {"text", "x@y.de"}, {"sourceApp", "s"}, {"copiedAt", "c"}}})},
                 {"policy", "p"}}},
               {"question", {{"suggestion", {{"type", "choice"}, {"instructions", "i"},
                                             {"criteria", {{"a", "Use the exact text in `candidates[0].text`."},
                                                           {"__no_good_match__", "None"}}}}}}}};
  auto d = decodeDirectRequest(body.dump());
  ASSERT_TRUE(std::holds_alternative<DirectRequest>(d));
  const DirectRequest& r = std::get<DirectRequest>(d);
  EXPECT_EQ(r.field.app, "Mail");
  EXPECT_EQ(r.criteria, (std::vector<std::string>{"__no_good_match__", "a"}));
  body["question"]["suggestion"]["criteria"]["a"] = 3;
  auto bad = decodeDirectRequest(body.dump());
  ASSERT_TRUE(std::holds_alternative<ApiError>(bad));
  EXPECT_EQ(std::get<ApiError>(bad).error, "question.suggestion.criteria.a: expected a string");
  body.erase("state");
  EXPECT_EQ(std::get<ApiError>(decodeDirectRequest(body.dump())).error, "state: required");
}

TEST(Encode, ExactBytes) {
  SuggestResponse match{std::string("A:index0"), 0.75, "email field", {"A:index0", "B:index1"}};
  EXPECT_EQ(encodeSuggestResponse(match),
            R"({"candidateId":"A:index0","confidence":0.75,"reason":"email field","rankedCandidateIds":["A:index0","B:index1"]})");
  SuggestResponse none{std::nullopt, 0.0, "r", {}};
  EXPECT_EQ(encodeSuggestResponse(none), R"({"confidence":0.0,"reason":"r","rankedCandidateIds":[]})");
  EXPECT_EQ(encodeError(updateRequired("https://oskel.example/update")),
            R"({"error":"this version of Oskel is no longer supported","code":"update_required","updateUrl":"https://oskel.example/update"})");
  EXPECT_EQ(encodeError(notFound()), R"({"error":"no such endpoint","code":"not_found"})");
  EXPECT_EQ(encodeDeviceResponse("t"), R"({"deviceToken":"t"})");
  DirectAnswer direct{"__no_good_match__", 1.0, {{"__no_good_match__", 1.0}}};
  EXPECT_EQ(encodeDirectAnswer(direct),
            R"({"answers":{"suggestion":{"choice":"__no_good_match__","confidence":1.0,"probabilities":{"__no_good_match__":1.0}}}})");
}

TEST(Version, ComparesComponentsAsNumbers) {
  auto v = [](const char* t) { return Version::parseOrZero(t); };
  EXPECT_TRUE(v("1.9.0") < v("1.10.0"));
  EXPECT_TRUE(v("1.2") == v("1.2.0"));
  EXPECT_TRUE(v("0.9.9") < v("1"));
  EXPECT_TRUE(v("") == v("0"));
  EXPECT_TRUE(v("1.2.beta") == v("0"));
  EXPECT_TRUE(v("1..2") == v("0"));
  EXPECT_TRUE(v(" 1.2") == v("0"));
  EXPECT_TRUE(v("1234567890") == v("0"));  // a component of more than 9 digits does not parse
  EXPECT_FALSE(Version::parse("1.").has_value());
  EXPECT_TRUE(Version::parse("2.0.1").has_value());
}

}  // namespace
}  // namespace oskel::protocol
