// `oskelctl suggest` end to end in direct mode: the API key comes from the real Secret
// Service (scripts/with-desktop.sh), the answers from a scripted endpoint on 127.0.0.1
// named by the Info.json beside a copy of the built program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "base/files.h"
#include "base/uuid.h"
#include "desktop/keychain/qt_keychain.h"
#include "history/history_file.h"
#include "service/dravinor_keychain.h"
#include "suggest/suggestion_client.h"
#include "suggest/wire_records.h"
#include "support/loopback_server.h"
#include "support/oskelctl_sandbox.h"

namespace oskel {
namespace {

using testing::LoopbackServer;
using testing::OskelctlSandbox;

constexpr const char* kDirect = "/v1/corvalene";

TEST(OskelctlSuggestDirect, AsksTheDirectEndpointWithTheKeyFromTheKeyring) {
  if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) GTEST_SKIP() << "needs scripts/with-desktop.sh";
  LoopbackServer server;
  OskelctlSandbox sandbox(OSKELCTL_PATH, nlohmann::json{{"OskelAPIBaseURL", server.baseURL() + "/cloud"},
                                                        {"OskelDirectBaseURL", server.baseURL()},
                                                        {"CFBundleShortVersionString", "2.5.0"}}
                                             .dump());
  ASSERT_TRUE(sandbox.ready());
  ASSERT_TRUE(files::writeAtomically(sandbox.settingsFile(), R"({"oskel.smartPasteBackendMode":"directOrv"})"));
  const Clip mail{Uuid::random(), "Email: ada@example.com", "Mail", 795173213, {}, {}, {},
                  std::vector<std::string>{"ada@example.com", "+1 555 0100"}};
  ASSERT_TRUE(files::writeAtomically(sandbox.dataDirectory() / "clips.json", history_file::encode({mail})));
  const std::vector<CandidateValue> candidates = SuggestionClient::candidateValues({mail});
  ASSERT_EQ(candidates.size(), 2u);

  const std::string service = "oskel.test." + Uuid::random().lowerString();
  const std::vector<std::string> environment{"OSKEL_KEYCHAIN_SERVICE=" + service};
  QtKeychain store;
  DravinorKeychain keychain(store, MapEnvironment(std::map<std::string, std::string>{{"OSKEL_KEYCHAIN_SERVICE", service}}));

  // No key: a failure, and nothing is sent.
  auto keyless = sandbox.run({"suggest", "--label", "Phone"}, environment);
  EXPECT_EQ(keyless.exitStatus, 1) << keyless.err;
  EXPECT_EQ(keyless.out, "{\"outcome\":\"failure\"}\n");
  EXPECT_TRUE(server.received().empty());

  ASSERT_TRUE(keychain.save("sk test  key"));
  auto answer = [](nlohmann::json suggestion) {
    return nlohmann::json{{"answers", {{"suggestion", suggestion}}}}.dump();
  };
  server.script(kDirect, {{200, answer({{"choice", candidates[1].id},
                                        {"confidence", 0.5},
                                        {"probabilities", {{candidates[0].id, 0.25}, {candidates[1].id, 0.5}}}})},
                          {200, answer({{"choice", "__no_good_match__"}})},
                          {401, R"({"error":"bad key"})"}});

  auto match = sandbox.run({"suggest", "--label", "Phone"}, environment);
  EXPECT_EQ(match.exitStatus, 0) << match.err;
  EXPECT_EQ(match.out,
            "{\"outcome\":\"match\",\"text\":\"+1 555 0100\",\"confidence\":0.5,"
            "\"rankedTexts\":[\"+1 555 0100\",\"ada@example.com\"]}\n");
  auto asked = server.received(kDirect);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].header("Authorization"), "Bearer sk test  key");
  EXPECT_EQ(asked[0].header("Content-Type"), "application/json");
  EXPECT_EQ(asked[0].headerCount("X-Oskel-Version"), 0u);
  EXPECT_EQ(asked[0].body,
            wire::directRequestBody(FieldContext{"Phone", "AXTextField", "Unknown", std::nullopt}, candidates));

  auto noMatch = sandbox.run({"suggest", "--label", "Fax", "--role", "AXComboBox", "--app", "Firefox"}, environment);
  EXPECT_EQ(noMatch.exitStatus, 0) << noMatch.err;
  EXPECT_EQ(noMatch.out, "{\"outcome\":\"noMatch\"}\n");
  ASSERT_EQ(server.count(kDirect), 2u);
  EXPECT_EQ(server.received(kDirect)[1].body,
            wire::directRequestBody(FieldContext{"Fax", "AXComboBox", "Firefox", std::nullopt}, candidates));

  // A refused key: a failure, and no second attempt.
  auto refused = sandbox.run({"suggest", "--label", "Phone"}, environment);
  EXPECT_EQ(refused.exitStatus, 1);
  EXPECT_EQ(refused.out, "{\"outcome\":\"failure\"}\n");
  EXPECT_EQ(server.count(kDirect), 3u);
  EXPECT_EQ(server.received().size(), 3u);  // never the cloud service

  EXPECT_TRUE(keychain.remove());
}

}  // namespace
}  // namespace oskel
