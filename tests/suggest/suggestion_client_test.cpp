#include "suggest/suggestion_client.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/manual_main_queue.h"
#include "fakes/fake_bundle_info.h"
#include "fakes/fake_defaults.h"
#include "fakes/fake_keychain.h"
#include "service/device_service.h"
#include "service/dravinor_keychain.h"
#include "support/loopback_server.h"
#include "support/wait.h"

namespace oskel {
namespace {

using testing::LoopbackServer;
using testing::runUntil;
using Reply = LoopbackServer::Reply;
using Kind = SuggestionOutcome::Kind;

constexpr const char* kSuggest = "/v1/suggest";
constexpr const char* kRegister = "/v1/device/register";
constexpr const char* kDirect = "/v1/corvalene";

const std::vector<CandidateValue> kValues{
    {"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index0", "ada@example.com", "Mail", "2026-03-14T09:26:53Z"},
    {"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index1", "+1 555 0100", "Notes", "2026-03-14T09:26:54Z"},
};
const FieldContext kField{"Email", "AXTextField", "Firefox", std::nullopt};

class SuggestionClientTest : public ::testing::Test {
 protected:
  SuggestionClientTest() {
    bundle.set("OskelAPIBaseURL", server.baseURL());
    bundle.set("CFBundleShortVersionString", "3.1");
  }

  std::shared_ptr<SuggestionClient> client(SuggestionClient::Backend backend = SuggestionClient::Backend::cloud,
                                           double timeout = 12) {
    devices = std::make_shared<DeviceService>(DeviceService::Dependencies{queue, http, defaults, bundle, center});
    allDevices.push_back(devices);  // each client keeps using its own
    return SuggestionClient::create(SuggestionClient::Dependencies{
        queue, http, *devices, keychain, bundle, center, [backend] { return backend; }, server.baseURL(), timeout,
        [] { return 1000.0; }});
  }

  // Runs one attempt to its end; `atOnce` tells whether it ended within the call.
  SuggestionOutcome run(const std::function<void(SuggestionClient::Completion)>& start, bool* atOnce = nullptr) {
    std::optional<SuggestionOutcome> outcome;
    int calls = 0;
    start([&](SuggestionOutcome o) {
      outcome = std::move(o);
      ++calls;
    });
    if (atOnce) *atOnce = outcome.has_value();
    EXPECT_TRUE(runUntil(queue, [&] { return outcome.has_value(); }));
    queue.runDue();
    EXPECT_EQ(calls, 1);
    return outcome.value_or(SuggestionOutcome::failure());
  }

  SuggestionOutcome cloud(std::shared_ptr<SuggestionClient> c, bool* atOnce = nullptr) {
    return run([&](auto done) { c->suggestWithCloud(kField, kValues, done); }, atOnce);
  }
  SuggestionOutcome direct(std::shared_ptr<SuggestionClient> c, bool* atOnce = nullptr) {
    return run([&](auto done) { c->suggestDirectly(kField, kValues, done); }, atOnce);
  }

  LoopbackServer server;
  ManualMainQueue queue;
  HttpClient http{queue};
  FakeDefaults defaults;
  FakeBundleInfo bundle;
  NotificationCenter center;
  FakeKeychain keychainStore;
  DravinorKeychain keychain{keychainStore, MapEnvironment()};
  std::shared_ptr<DeviceService> devices;
  std::vector<std::shared_ptr<DeviceService>> allDevices;
};

TEST_F(SuggestionClientTest, CloudMatchWithStoredToken) {
  defaults.setString("oskel.deviceToken", "stored token");
  server.script(kSuggest, {{200, nlohmann::json{{"candidateId", kValues[1].id}, {"confidence", 0.8}}.dump()}});
  auto c = client();
  SuggestionOutcome outcome = cloud(c);
  ASSERT_EQ(outcome.kind, Kind::match);
  EXPECT_EQ(outcome.clip.text, "+1 555 0100");
  EXPECT_EQ(outcome.clip.sourceApp, "Notes");
  EXPECT_EQ(outcome.clip.createdAt, 1000.0);
  EXPECT_FALSE(outcome.clip.indexedValues || outcome.clip.imageFileName);
  EXPECT_DOUBLE_EQ(outcome.confidence, 0.8);
  EXPECT_EQ(outcome.rankedTexts, std::vector<std::string>{"+1 555 0100"});

  EXPECT_EQ(server.count(kRegister), 0u);
  auto sent = server.received(kSuggest);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].body, wire::encode(SuggestRequest{kField, kValues}));
  EXPECT_EQ(sent[0].body.find("\"url\""), std::string::npos);
  EXPECT_EQ(sent[0].header("Authorization"), "Bearer stored token");
  EXPECT_EQ(sent[0].header("X-Oskel-Version"), "3.1");
  EXPECT_EQ(sent[0].header("Content-Type"), "application/json");
  EXPECT_EQ(c->cloudEndpoint(), server.baseURL() + kSuggest);

  // Each match clip is a fresh one.
  SuggestionOutcome again = cloud(c);
  EXPECT_NE(again.clip.id, outcome.clip.id);

  // Without a version entry the header says "0".
  bundle.unset("CFBundleShortVersionString");
  cloud(client());
  EXPECT_EQ(server.received(kSuggest).back().header("X-Oskel-Version"), "0");
}

TEST_F(SuggestionClientTest, CloudRegistersFirstAndRetriesOnceAfterARefusedToken) {
  server.script(kRegister, {{200, R"({"deviceToken":"first"})"}, {200, R"({"deviceToken":"second"})"}});
  server.script(kSuggest, {{401, "{}"}, {200, nlohmann::json{{"candidateId", kValues[0].id}}.dump()}});
  auto c = client();
  SuggestionOutcome outcome = cloud(c);
  ASSERT_EQ(outcome.kind, Kind::match);
  EXPECT_EQ(outcome.clip.text, "ada@example.com");
  EXPECT_EQ(outcome.confidence, 0.0);
  auto sent = server.received(kSuggest);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].header("Authorization"), "Bearer first");
  EXPECT_EQ(sent[1].header("Authorization"), "Bearer second");
  EXPECT_EQ(sent[1].body, sent[0].body);
  EXPECT_EQ(server.count(kRegister), 2u);  // the first token, then the forced one
  EXPECT_EQ(defaults.string("oskel.deviceToken"), "second");
  for (const auto& r : server.received(kRegister)) EXPECT_EQ(r.headerCount("Authorization"), 0u);

  // Two refusals in a row: failure after exactly two requests, one forced registration.
  server.script(kSuggest, {{401, "{}"}});
  server.script(kRegister, {{200, R"({"deviceToken":"third"})"}});
  EXPECT_EQ(cloud(c).kind, Kind::failure);
  EXPECT_EQ(server.count(kSuggest), 4u);
  EXPECT_EQ(server.count(kRegister), 3u);

  // No token at all: failure, and no suggestion request.
  defaults.remove("oskel.deviceToken");
  server.script(kRegister, {{500, "{}"}});
  EXPECT_EQ(cloud(c).kind, Kind::failure);
  EXPECT_EQ(server.count(kSuggest), 4u);
}

TEST_F(SuggestionClientTest, CloudAnswersThatAreNotMatches) {
  defaults.setString("oskel.deviceToken", "t");
  int issues = 0;
  std::string updatePage;
  auto subscription = center.addObserver("OskelServiceIssue", [&](const Notification& n) {
    ++issues;
    updatePage = std::any_cast<std::map<std::string, std::string>>(n.payload).at("update");
  });
  auto c = client();
  auto outcomeFor = [&](Reply reply) {
    server.script(kSuggest, {reply});
    return cloud(c).kind;
  };
  EXPECT_EQ(outcomeFor({200, "{}"}), Kind::noMatch);
  EXPECT_EQ(outcomeFor({200, R"({"candidateId":null,"confidence":0.9})"}), Kind::noMatch);
  EXPECT_EQ(outcomeFor({200, "not json"}), Kind::failure);
  EXPECT_EQ(outcomeFor({200, R"({"candidateId":"a","confidence":"high"})"}), Kind::failure);
  EXPECT_EQ(outcomeFor({204, ""}), Kind::failure);
  EXPECT_EQ(outcomeFor({500, R"({"candidateId":"x"})"}), Kind::failure);
  EXPECT_EQ(outcomeFor({200, R"({"candidateId":"6f1c0d3e-2b7a-4c1e-9d3f-0a1b2c3d4e5f:index0"})"}), Kind::failure);
  EXPECT_EQ(issues, 0);
  const std::size_t before = server.count(kSuggest);

  EXPECT_EQ(outcomeFor({426, R"({"updateUrl":"https://oskel.example/get"})"}), Kind::failure);
  EXPECT_EQ(outcomeFor({200, nlohmann::json{{"candidateId", kValues[0].id}, {"code", "update_required"},
                                            {"updateUrl", "https://oskel.example/get"}}.dump()}),
            Kind::failure);
  EXPECT_EQ(outcomeFor({401, R"({"code":"update_required","updateUrl":"https://oskel.example/get"})"}), Kind::failure);
  EXPECT_EQ(issues, 3);
  EXPECT_EQ(updatePage, "https://oskel.example/get");
  EXPECT_EQ(server.count(kSuggest), before + 3);  // the 401 with an issue is not retried
  EXPECT_EQ(server.count(kRegister), 0u);

  // Ranked ids: unknown ones are skipped, duplicates kept.
  server.script(kSuggest, {{200, nlohmann::json{{"candidateId", kValues[0].id},
                                                {"rankedCandidateIds", {"nope", kValues[1].id, kValues[0].id, kValues[1].id}}}
                                     .dump()}});
  SuggestionOutcome ranked = cloud(c);
  ASSERT_EQ(ranked.kind, Kind::match);
  EXPECT_EQ(ranked.rankedTexts, (std::vector<std::string>{"+1 555 0100", "ada@example.com", "+1 555 0100"}));

  // No answer in time.
  server.script(kSuggest, {{200, "{}", true}});
  auto impatient = client(SuggestionClient::Backend::cloud, 0.3);
  EXPECT_EQ(cloud(impatient).kind, Kind::failure);
  server.release();
}

TEST_F(SuggestionClientTest, DirectBackend) {
  auto c = client(SuggestionClient::Backend::direct);
  EXPECT_EQ(c->directEndpoint(), server.baseURL() + kDirect);
  // Without an address of its own the client takes the bundle's, else the built-in one.
  auto fromBundle = [&] {
    return SuggestionClient::create(SuggestionClient::Dependencies{
        queue, http, *devices, keychain, bundle, center, [] { return SuggestionClient::Backend::direct; }});
  };
  EXPECT_EQ(fromBundle()->directEndpoint(), "https://orv.dravinor.com/v1/corvalene");
  bundle.set("OskelDirectBaseURL", "http://127.0.0.1:1/x");
  EXPECT_EQ(fromBundle()->directEndpoint(), "http://127.0.0.1:1/x/v1/corvalene");

  // No key: failure within the call, nothing sent.
  bool atOnce = false;
  EXPECT_EQ(direct(c, &atOnce).kind, Kind::failure);
  EXPECT_TRUE(atOnce);
  EXPECT_EQ(server.received().size(), 0u);

  ASSERT_TRUE(keychain.save("sk live  key"));
  auto answer = [](nlohmann::json suggestion) { return nlohmann::json{{"answers", {{"suggestion", suggestion}}}}.dump(); };
  server.script(kDirect, {{200, answer({{"choice", kValues[1].id}, {"confidence", 0.75},
                                        {"probabilities", {{kValues[1].id, 0.7}, {kValues[0].id, 0.2}, {"__no_good_match__", 0.1}}}})}});
  SuggestionOutcome outcome = direct(c, &atOnce);
  EXPECT_FALSE(atOnce);
  ASSERT_EQ(outcome.kind, Kind::match);
  EXPECT_EQ(outcome.clip.text, "+1 555 0100");
  EXPECT_DOUBLE_EQ(outcome.confidence, 0.75);
  EXPECT_EQ(outcome.rankedTexts, (std::vector<std::string>{"+1 555 0100", "ada@example.com"}));
  auto sent = server.received(kDirect);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].header("Authorization"), "Bearer sk live  key");
  EXPECT_EQ(sent[0].header("Content-Type"), "application/json");
  EXPECT_EQ(sent[0].headerCount("X-Oskel-Version"), 0u);
  EXPECT_EQ(nlohmann::json::parse(sent[0].body), nlohmann::json::parse(*wire::directRequestBody(kField, kValues)));

  auto kindFor = [&](Reply reply) {
    server.script(kDirect, {reply});
    return direct(c);
  };
  SuggestionOutcome noProbabilities = kindFor({200, answer({{"choice", kValues[1].id}})});
  EXPECT_EQ(noProbabilities.rankedTexts, std::vector<std::string>{"+1 555 0100"});
  SuggestionOutcome outsiders = kindFor({200, answer({{"choice", kValues[0].id}, {"probabilities", {{"zz", 0.9}}}})});
  EXPECT_EQ(outsiders.rankedTexts, std::vector<std::string>{"ada@example.com"});
  EXPECT_EQ(kindFor({200, answer({{"choice", "6f1c0d3e-2b7a-4c1e-9d3f-0a1b2c3d4e5f:index0"}})}).kind, Kind::failure);
  EXPECT_EQ(kindFor({200, answer(nlohmann::json::object())}).kind, Kind::noMatch);
  EXPECT_EQ(kindFor({200, answer({{"choice", "__no_good_match__"}, {"confidence", 0.99}})}).kind, Kind::noMatch);
  EXPECT_EQ(kindFor({200, R"({"answers":{}})"}).kind, Kind::failure);
  EXPECT_EQ(kindFor({200, "{}"}).kind, Kind::failure);
  EXPECT_EQ(kindFor({200, "<html>"}).kind, Kind::failure);
  EXPECT_EQ(kindFor({426, R"({"updateUrl":"https://u.example"})"}).kind, Kind::failure);  // no issue handling here
  const std::size_t before = server.count(kDirect);
  EXPECT_EQ(kindFor({401, "{}"}).kind, Kind::failure);
  EXPECT_EQ(server.count(kDirect), before + 1);  // no retry

  // A key that would break the header line is never sent.
  keychainStore.items[{keychain.service(), keychain.account()}] = "key\r\nX-Injected: 1";
  EXPECT_EQ(direct(c, &atOnce).kind, Kind::failure);
  EXPECT_TRUE(atOnce);
  EXPECT_EQ(server.count(kDirect), before + 1);
}

TEST_F(SuggestionClientTest, SuggestPicksTheBackendAndAnswersEmptyListsAtOnce) {
  defaults.setString("oskel.deviceToken", "t");
  ASSERT_TRUE(keychain.save("k"));
  server.script(kSuggest, {{200, "{}"}});
  server.script(kDirect, {{200, R"({"answers":{"suggestion":{}}})"}});
  auto viaCloud = client(SuggestionClient::Backend::cloud);
  auto viaDirect = client(SuggestionClient::Backend::direct);
  EXPECT_EQ(run([&](auto done) { viaCloud->suggest(kField, kValues, done); }).kind, Kind::noMatch);
  EXPECT_EQ(server.count(kSuggest), 1u);
  EXPECT_EQ(run([&](auto done) { viaDirect->suggest(kField, kValues, done); }).kind, Kind::noMatch);
  EXPECT_EQ(server.count(kDirect), 1u);
  bool atOnce = false;
  EXPECT_EQ(run([&](auto done) { viaDirect->suggest(kField, {}, done); }, &atOnce).kind, Kind::noMatch);
  EXPECT_TRUE(atOnce);
  EXPECT_EQ(server.received().size(), 2u);
}

TEST_F(SuggestionClientTest, FinishAndLateAnswers) {
  auto c = client();
  std::optional<SuggestionOutcome> outcome;
  c->finish(kValues[0].id, -3, {"x", kValues[1].id, kValues[0].id}, kValues, [&](auto o) { outcome = o; });
  EXPECT_FALSE(outcome);  // delivered through the main queue
  queue.runDue();
  ASSERT_TRUE(outcome && outcome->isMatch());
  EXPECT_EQ(outcome->confidence, -3);
  EXPECT_EQ(outcome->rankedTexts, (std::vector<std::string>{"+1 555 0100", "ada@example.com"}));
  c->finish(kValues[0].id, 1, {"x"}, kValues, [&](auto o) { outcome = o; });
  queue.runDue();
  EXPECT_TRUE(outcome->isMatch() && outcome->rankedTexts.empty());
  c->finish("6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:INDEX0", 1, {}, kValues, [&](auto o) { outcome = o; });
  queue.runDue();
  EXPECT_TRUE(outcome->isFailure());

  // An answer that arrives after the client is gone is dropped.
  defaults.setString("oskel.deviceToken", "t");
  server.script(kSuggest, {{200, "{}", true}});
  bool called = false;
  c->suggestWithCloud(kField, kValues, [&](auto) { called = true; });
  ASSERT_TRUE(runUntil(queue, [&] { return server.count(kSuggest) == 1; }));
  c.reset();
  server.release();
  queue.waitForPosted(2);
  EXPECT_FALSE(called);
}

}  // namespace
}  // namespace oskel
