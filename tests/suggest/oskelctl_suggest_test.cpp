// `oskelctl suggest` end to end in cloud mode: a copy of the built program beside an
// Info.json that points at a scripted answer service on 127.0.0.1.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/files.h"
#include "history/history_file.h"
#include "suggest/suggestion_client.h"
#include "suggest/wire_records.h"
#include "support/loopback_server.h"
#include "support/oskelctl_sandbox.h"

namespace oskel {
namespace {

using testing::LoopbackServer;
using testing::OskelctlSandbox;

constexpr const char* kRegister = "/v1/device/register";
constexpr const char* kSuggest = "/v1/suggest";

std::string infoJson(const std::string& baseURL) {
  return nlohmann::json{{"OskelAPIBaseURL", baseURL},
                        {"OskelDirectBaseURL", baseURL},
                        {"CFBundleShortVersionString", "2.5.0"}}
      .dump();
}

TEST(OskelctlSuggest, AsksTheCloudServiceAsSmartPasteWouldAndPrintsTheOutcome) {
  LoopbackServer server;
  OskelctlSandbox sandbox(OSKELCTL_PATH, infoJson(server.baseURL()));
  ASSERT_TRUE(sandbox.ready());

  // An empty history: noMatch without asking anyone.
  auto empty = sandbox.run({"suggest", "--label", "Email"});
  EXPECT_EQ(empty.exitStatus, 0) << empty.err;
  EXPECT_EQ(empty.out, "{\"outcome\":\"noMatch\"}\n");
  EXPECT_TRUE(server.received().empty());

  const Clip mail{Uuid::random(), "Email: ada@example.com", "Mail", 795173213, {}, {}, {},
                  std::vector<std::string>{"ada@example.com"}};
  const Clip phone{Uuid::random(), "call +1 555 0100", "Notes", 795173000, {}, {}, {},
                   std::vector<std::string>{"+1 555 0100", "Ada \"A\" Lovelace"}};
  ASSERT_TRUE(files::writeAtomically(sandbox.dataDirectory() / "clips.json", history_file::encode({mail, phone})));
  const std::vector<CandidateValue> candidates = SuggestionClient::candidateValues({mail, phone});
  ASSERT_EQ(candidates.size(), 3u);

  server.script(kRegister, {{200, R"({"deviceToken":"tok-1"})"}});
  server.script(kSuggest, {{200, nlohmann::json{{"candidateId", candidates[2].id},
                                                 {"confidence", 0.875},
                                                 {"rankedCandidateIds", {candidates[2].id, "unknown", candidates[0].id}}}
                                     .dump()},
                           {200, R"({"candidateId":null,"reason":"nothing fits"})"},
                           {500, "{}"}});

  auto match = sandbox.run({"suggest", "--label", "Full name"});
  EXPECT_EQ(match.exitStatus, 0) << match.err;
  EXPECT_EQ(match.out,
            "{\"outcome\":\"match\",\"text\":\"Ada \\\"A\\\" Lovelace\",\"confidence\":0.875,"
            "\"rankedTexts\":[\"Ada \\\"A\\\" Lovelace\",\"ada@example.com\"]}\n");

  // One registration, then the request with its token, the version and the exact body
  // (role and app default to "AXTextField" and "Unknown").
  auto registrations = server.received(kRegister);
  ASSERT_EQ(registrations.size(), 1u);
  auto registration = nlohmann::json::parse(registrations[0].body);
  EXPECT_EQ(registration["appVersion"], "2.5.0");
  EXPECT_TRUE(registration["installId"].is_string());
  EXPECT_EQ(registrations[0].headerCount("Authorization"), 0u);
  auto asked = server.received(kSuggest);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].header("Authorization"), "Bearer tok-1");
  EXPECT_EQ(asked[0].header("X-Oskel-Version"), "2.5.0");
  EXPECT_EQ(asked[0].header("Content-Type"), "application/json");
  EXPECT_EQ(asked[0].body,
            wire::encode(SuggestRequest{FieldContext{"Full name", "AXTextField", "Unknown", std::nullopt}, candidates}));

  // The token was kept in the settings: the next run does not register again.
  auto noMatch = sandbox.run({"suggest", "--label", "Land", "--role", "AXComboBox", "--app", "Firefox"});
  EXPECT_EQ(noMatch.exitStatus, 0) << noMatch.err;
  EXPECT_EQ(noMatch.out, "{\"outcome\":\"noMatch\"}\n");
  EXPECT_EQ(server.count(kRegister), 1u);
  ASSERT_EQ(server.count(kSuggest), 2u);
  auto sent = wire::decodeSuggestRequest(server.received(kSuggest)[1].body);
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->field, (FieldContext{"Land", "AXComboBox", "Firefox", std::nullopt}));

  auto failure = sandbox.run({"suggest", "--label", "Email"});
  EXPECT_EQ(failure.exitStatus, 1);
  EXPECT_EQ(failure.out, "{\"outcome\":\"failure\"}\n");
  EXPECT_EQ(server.count(kSuggest), 3u);
}

// The build writes an Info.json beside oskelctl with the project's version and both
// answer services' addresses.
TEST(OskelctlSuggest, TheBuildPutsAnInfoJsonBesideTheProgram) {
  const auto info = files::read(std::filesystem::path(OSKELCTL_PATH).parent_path() / "Info.json");
  ASSERT_TRUE(info);
  const auto parsed = nlohmann::json::parse(*info, nullptr, false);
  ASSERT_TRUE(parsed.is_object());
  EXPECT_EQ(parsed.value("CFBundleShortVersionString", ""), OSKEL_VERSION);
  for (const char* key : {"OskelAPIBaseURL", "OskelDirectBaseURL"}) {
    ASSERT_TRUE(parsed.contains(key) && parsed[key].is_string()) << key;
    const std::string url = parsed[key];
    EXPECT_TRUE(url.starts_with("http://") || url.starts_with("https://")) << url;
  }
}

}  // namespace
}  // namespace oskel
