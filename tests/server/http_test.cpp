// The answer service over real HTTP on 127.0.0.1, driven by a real client.
#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <thread>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "http/answer_server.h"

namespace oskel::http {
namespace {

using nlohmann::json;

constexpr const char* kInstall = "6f1c0d3e-2b7a-4c1e-9d3f-0a1b2c3d4e5f";
constexpr const char* kUpdateUrl = "https://oskel.example/update";

class RunningServer {
 public:
  explicit RunningServer(ServerConfig config, std::atomic<std::int64_t>* clock) : log_(&logText_) {
    config.log = &log_;
    config.threads = 4;
    config.now = [clock] { return clock->load(); };
    server_ = std::make_unique<AnswerServer>(std::move(config));
    bound_ = server_->bind("127.0.0.1", 0);
    if (bound_) thread_ = std::thread([this] { server_->run(); });
  }
  ~RunningServer() { stop(); }
  void stop() {
    if (thread_.joinable()) {
      server_->stop();
      thread_.join();
    }
  }
  bool bound() const { return bound_; }
  int port() const { return server_->port(); }
  // Complete only after stop(): log lines are written once the response is out.
  std::string log() const { return logText_.str(); }

 private:
  std::ostringstream logText_;
  AccessLog log_;
  std::unique_ptr<AnswerServer> server_;
  std::thread thread_;
  bool bound_ = false;
};

ServerConfig baseConfig() {
  ServerConfig c;
  c.secret = std::string(64, 'k');
  c.tokenLifetime = 3600;
  c.minVersion = protocol::Version::parse("1.2.0");
  c.updateUrl = kUpdateUrl;
  c.apiKeys = tokens::ApiKeys::fromText("direct-key-1\n");
  return c;
}

std::string suggestBody(const std::string& label, const std::vector<std::pair<std::string, std::string>>& candidates) {
  json list = json::array();
  for (const auto& [id, text] : candidates) {
    list.push_back({{"id", id}, {"text", text}, {"sourceApp", "Notes"}, {"copiedAt", "2026-03-14T09:26:53Z"}});
  }
  return json{{"field", {{"label", label}, {"role", "AXTextField"}, {"app", "Firefox"}}}, {"candidates", list}}.dump();
}

class AnswerServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<RunningServer>(baseConfig(), &clock_);
    ASSERT_TRUE(server_->bound());
    client_ = std::make_unique<httplib::Client>("127.0.0.1", server_->port());
  }

  std::string registerDevice(const std::string& version = "1.2.0") {
    auto res = client_->Post("/v1/device/register",
                             json{{"installId", kInstall}, {"appVersion", version}}.dump(), "application/json");
    if (!res || res->status != 200) return "";
    return json::parse(res->body)["deviceToken"].get<std::string>();
  }

  httplib::Result suggest(const std::string& token, const std::string& body, const std::string& version = "1.2.0") {
    httplib::Headers headers = {{"Authorization", "Bearer " + token}, {"X-Oskel-Version", version}};
    return client_->Post("/v1/suggest", headers, body, "application/json");
  }

  std::atomic<std::int64_t> clock_{1'700'000'000};
  std::unique_ptr<RunningServer> server_;
  std::unique_ptr<httplib::Client> client_;
};

TEST_F(AnswerServerTest, RegisterThenSuggestAMatch) {
  std::string token = registerDevice();
  ASSERT_FALSE(token.empty());
  auto res = suggest(token, suggestBody("Email", {{"A:index0", "Meeting at 5"}, {"B:index0", "anna@example.de"}}));
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  EXPECT_EQ(res->get_header_value("Content-Type"), "application/json");
  EXPECT_EQ(res->body,
            R"({"candidateId":"B:index0","confidence":0.92,"reason":"email field: one saved value fits","rankedCandidateIds":["B:index0"]})");
}

TEST_F(AnswerServerTest, NoMatchLeavesOutTheCandidateId) {
  std::string token = registerDevice();
  auto res = suggest(token, suggestBody("Search", {{"A:index0", "anna@example.de"}}));
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  json body = json::parse(res->body);
  EXPECT_FALSE(body.contains("candidateId"));
  EXPECT_EQ(body["confidence"], 0.0);
  EXPECT_EQ(body["rankedCandidateIds"], json::array());
  auto empty = suggest(token, suggestBody("Email", {}));
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->status, 200);
  EXPECT_FALSE(json::parse(empty->body).contains("candidateId"));
}

TEST_F(AnswerServerTest, RefusedTokensGet401) {
  std::string body = suggestBody("Email", {{"A:index0", "anna@example.de"}});
  std::string token = registerDevice();
  auto missing = client_->Post("/v1/suggest", {{"X-Oskel-Version", "1.2.0"}}, body, "application/json");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->status, 401);
  EXPECT_EQ(missing->body, R"({"error":"missing bearer token","code":"unauthorized"})");
  EXPECT_EQ(missing->get_header_value("WWW-Authenticate"), "Bearer");
  auto basic = client_->Post("/v1/suggest", {{"Authorization", "Basic " + token}, {"X-Oskel-Version", "1.2.0"}}, body,
                             "application/json");
  EXPECT_EQ(basic->status, 401);
  auto malformed = suggest("not-a-token", body);
  EXPECT_EQ(malformed->status, 401);
  EXPECT_EQ(malformed->body, R"({"error":"device token not accepted","code":"unauthorized"})");
  std::string forged = token;
  forged.back() = forged.back() == 'x' ? 'y' : 'x';
  EXPECT_EQ(suggest(forged, body)->status, 401);
  // A token of another deployment (other secret) is refused too.
  ServerConfig otherConfig = baseConfig();
  otherConfig.secret = std::string(64, 'z');
  RunningServer other(otherConfig, &clock_);
  httplib::Client otherClient("127.0.0.1", other.port());
  auto foreign = otherClient.Post("/v1/device/register", json{{"installId", kInstall}, {"appVersion", "2.0"}}.dump(),
                                  "application/json");
  ASSERT_TRUE(foreign);
  EXPECT_EQ(suggest(json::parse(foreign->body)["deviceToken"], body)->status, 401);
  // Expiry: valid up to the lifetime, refused after it; registering again gives a working token.
  clock_ += 3600;
  EXPECT_EQ(suggest(token, body)->status, 200);
  clock_ += 1;
  auto expired = suggest(token, body);
  EXPECT_EQ(expired->status, 401);
  EXPECT_EQ(expired->body, R"({"error":"device token expired","code":"unauthorized"})");
  std::string fresh = registerDevice();
  EXPECT_EQ(suggest(fresh, body)->status, 200);
}

TEST_F(AnswerServerTest, ReplicasSharingTheSecretAcceptEachOthersTokens) {
  RunningServer replica(baseConfig(), &clock_);
  httplib::Client replicaClient("127.0.0.1", replica.port());
  std::string token = registerDevice();
  auto res = replicaClient.Post("/v1/suggest", {{"Authorization", "Bearer " + token}, {"X-Oskel-Version", "1.2.0"}},
                                suggestBody("Phone", {{"A:index0", "+49 30 12345678"}}), "application/json");
  ASSERT_TRUE(res);
  EXPECT_EQ(res->status, 200);
  EXPECT_EQ(json::parse(res->body)["candidateId"], "A:index0");
}

TEST_F(AnswerServerTest, OldVersionsGet426OnBothPaths) {
  const std::string expected =
      R"({"error":"this version of Oskel is no longer supported","code":"update_required","updateUrl":"https://oskel.example/update"})";
  auto reg = client_->Post("/v1/device/register", json{{"installId", kInstall}, {"appVersion", "1.1.9"}}.dump(),
                           "application/json");
  ASSERT_TRUE(reg);
  EXPECT_EQ(reg->status, 426);
  EXPECT_EQ(reg->body, expected);
  std::string token = registerDevice("1.10");  // 1.10 is newer than 1.2.0
  ASSERT_FALSE(token.empty());
  std::string body = suggestBody("Email", {{"A:index0", "anna@example.de"}});
  for (const char* old : {"1.1", "0", "", "garbage", "1.2.0-beta"}) {
    auto res = suggest(token, body, old);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 426) << old;
    EXPECT_EQ(res->body, expected);
  }
  // Without the header the version counts as 0; the update notice comes before the token check.
  auto noHeader = client_->Post("/v1/suggest", {{"Authorization", "Bearer nonsense"}}, body, "application/json");
  ASSERT_TRUE(noHeader);
  EXPECT_EQ(noHeader->status, 426);
  EXPECT_EQ(suggest(token, body, "1.2")->status, 200);
}

TEST_F(AnswerServerTest, BadRequestsGetErrorBodies) {
  std::string token = registerDevice();
  auto notJson = suggest(token, "{oops");
  EXPECT_EQ(notJson->status, 400);
  EXPECT_EQ(notJson->body, R"({"error":"body is not valid JSON","code":"invalid_request"})");
  auto wrongType = suggest(token, R"({"field":{"label":"E","role":"r","app":"a"},"candidates":"x"})");
  EXPECT_EQ(wrongType->status, 400);
  EXPECT_EQ(wrongType->body, R"({"error":"candidates: expected an array","code":"invalid_request"})");
  std::vector<std::pair<std::string, std::string>> many;
  for (int i = 0; i < 181; ++i) many.emplace_back("C" + std::to_string(i), "v");
  auto tooMany = suggest(token, suggestBody("Email", many));
  EXPECT_EQ(tooMany->status, 400);
  EXPECT_EQ(tooMany->body, R"({"error":"candidates: more than 180 candidates","code":"invalid_request"})");
  auto badRegister = client_->Post("/v1/device/register", "[]", "application/json");
  EXPECT_EQ(badRegister->status, 400);
  EXPECT_EQ(badRegister->body, R"({"error":"body must be a JSON object","code":"invalid_request"})");
}

TEST_F(AnswerServerTest, LimitsPathsAndMethods) {
  std::string token = registerDevice();
  std::string huge(1024 * 1024 + 1, 'a');
  auto big = suggest(token, huge);
  ASSERT_TRUE(big);
  EXPECT_EQ(big->status, 413);
  EXPECT_EQ(big->body, R"({"error":"request body larger than 1 MiB","code":"payload_too_large"})");
  auto missing = client_->Get("/v1/nothing");
  EXPECT_EQ(missing->status, 404);
  EXPECT_EQ(missing->body, R"({"error":"no such endpoint","code":"not_found"})");
  auto wrong = client_->Get("/v1/suggest");
  EXPECT_EQ(wrong->status, 405);
  EXPECT_EQ(wrong->get_header_value("Allow"), "POST");
  EXPECT_EQ(wrong->body, R"({"error":"method not allowed","code":"method_not_allowed"})");
  EXPECT_EQ(client_->Delete("/v1/device/register")->status, 405);
  EXPECT_EQ(client_->Post("/healthz", "", "text/plain")->status, 405);
  auto health = client_->Get("/healthz");
  EXPECT_EQ(health->status, 200);
  EXPECT_EQ(health->body, R"({"status":"ok"})");
}

TEST_F(AnswerServerTest, DirectProtocol) {
  json body = {{"model", "orv-latest"},
               {"state",
                {{"focused_field", {{"label", "Telefon"}, {"role", "AXTextField"}, {"application", "Firefox"}, {"page_url", nullptr}}},
                 {"candidates", json::array({{{"id", "A:index0"}, {"text", "hello"}, {"sourceApp", "s"}, {"copiedAt", "c"}},
                                             {{"id", "B:index0"}, {"text", "+49 30 12345678"}, {"sourceApp", "s"}, {"copiedAt", "c"}}})},
                 {"policy", "Suggest only a value that naturally and specifically answers the focused field."}}},
               {"question",
                {{"suggestion",
                  {{"type", "choice"},
                   {"instructions", "Which one saved clipboard value is the best exact value to enter in `focused_field`?"},
                   {"criteria", {{"A:index0", "Use the exact text in `candidates[0].text`."},
                                 {"B:index0", "Use the exact text in `candidates[1].text`."},
                                 {"__no_good_match__", "None of the saved clipboard values is an appropriate answer for this field."}}}}}}}};
  auto noKey = client_->Post("/v1/corvalene", body.dump(), "application/json");
  EXPECT_EQ(noKey->status, 401);
  auto wrongKey = client_->Post("/v1/corvalene", {{"Authorization", "Bearer direct-key-2"}}, body.dump(), "application/json");
  EXPECT_EQ(wrongKey->status, 401);
  EXPECT_EQ(wrongKey->body, R"({"error":"API key not accepted","code":"unauthorized"})");
  // A device token is not an API key.
  auto token = client_->Post("/v1/corvalene", {{"Authorization", "Bearer " + registerDevice()}}, body.dump(), "application/json");
  EXPECT_EQ(token->status, 401);

  auto res = client_->Post("/v1/corvalene", {{"Authorization", "Bearer direct-key-1"}}, body.dump(), "application/json");
  ASSERT_TRUE(res);
  ASSERT_EQ(res->status, 200);
  json answer = json::parse(res->body)["answers"]["suggestion"];
  EXPECT_EQ(answer["choice"], "B:index0");
  EXPECT_GE(answer["confidence"].get<double>(), 0.4);
  json p = answer["probabilities"];
  ASSERT_EQ(p.size(), 3u);
  EXPECT_DOUBLE_EQ(p["B:index0"].get<double>(), answer["confidence"].get<double>());
  EXPECT_NEAR(p["A:index0"].get<double>() + p["B:index0"].get<double>() + p["__no_good_match__"].get<double>(), 1.0, 1e-9);

  body["state"]["focused_field"]["label"] = "Search";
  auto none = client_->Post("/v1/corvalene", {{"Authorization", "Bearer direct-key-1"}}, body.dump(), "application/json");
  json noneAnswer = json::parse(none->body)["answers"]["suggestion"];
  EXPECT_EQ(noneAnswer["choice"], "__no_good_match__");
  EXPECT_DOUBLE_EQ(noneAnswer["probabilities"]["__no_good_match__"].get<double>(), 1.0);
  auto bad = client_->Post("/v1/corvalene", {{"Authorization", "Bearer direct-key-1"}}, "{}", "application/json");
  EXPECT_EQ(bad->status, 400);
  EXPECT_EQ(bad->body, R"({"error":"state: required","code":"invalid_request"})");
}

TEST_F(AnswerServerTest, AccessLogHasOneLinePerRequestAndNoUserData) {
  std::string token = registerDevice();
  suggest(token, suggestBody("Secret label text", {{"A:index0", "private-value@example.de"}}));
  client_->Get("/v1/x%0Ainjected");
  server_->stop();
  std::string log = server_->log();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
  EXPECT_NE(log.find("method=POST path=/v1/device/register status=200 duration_ms="), std::string::npos);
  EXPECT_NE(log.find("method=POST path=/v1/suggest status=200 duration_ms="), std::string::npos);
  EXPECT_NE(log.find("method=GET path=/v1/x?injected status=404"), std::string::npos);
  EXPECT_EQ(log.find("private-value"), std::string::npos);
  EXPECT_EQ(log.find("Secret label"), std::string::npos);
  EXPECT_EQ(log.find(token), std::string::npos);
  EXPECT_EQ(log.find(kInstall), std::string::npos);
}

}  // namespace
}  // namespace oskel::http
