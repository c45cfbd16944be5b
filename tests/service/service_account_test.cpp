#include <gtest/gtest.h>

#include <any>
#include <map>

#include "base/http_client.h"
#include "base/manual_main_queue.h"
#include "base/uuid.h"
#include "fakes/fake_bundle_info.h"
#include "fakes/fake_defaults.h"
#include "fakes/fake_keychain.h"
#include "service/cloud_service.h"
#include "service/device_service.h"
#include "service/dravinor_keychain.h"
#include "service/installation_identity.h"
#include "service/oskel_service_issue.h"
#include "support/loopback_server.h"
#include "support/wait.h"

namespace oskel {
namespace {

using testing::LoopbackServer;
using testing::runUntil;

TEST(OskelServiceIssue, UpdateRequiredRule) {
  auto issue = [](long status, std::string body) { return OskelServiceIssue::from(body, status); };
  const std::string url = "https://oskel.example/update";
  EXPECT_EQ(issue(426, R"({"updateUrl":"https://oskel.example/update"})"), OskelServiceIssue::updateRequired(url));
  EXPECT_EQ(issue(426, R"({"error":"old","code":"x","updateUrl":"/update"})"), OskelServiceIssue::updateRequired("/update"));
  EXPECT_EQ(issue(200, R"({"code":"update_required","updateUrl":"https://oskel.example/update","candidateId":"a"})"),
            OskelServiceIssue::updateRequired(url));
  EXPECT_EQ(issue(401, R"({"code":"update_required","updateUrl":"https://u.example"})"),
            OskelServiceIssue::updateRequired("https://u.example"));
  // Member names written with escape sequences are the same names.
  EXPECT_EQ(issue(426, R"({"update\u0055rl":"https://u.example"})"), OskelServiceIssue::updateRequired("https://u.example"));
  EXPECT_EQ(issue(200, R"({"\u0063ode":"update_required","\u0075pdateUrl":"/u"})"), OskelServiceIssue::updateRequired("/u"));
  for (const auto& [status, body] : std::vector<std::pair<long, std::string>>{
           {426, "{}"},
           {426, R"({"updateUrl":null})"},
           {426, R"({"updateUrl":""})"},
           {426, R"({"updateUrl":"not a url"})"},
           {426, R"({"updateUrl":7})"},
           {426, R"({"updateUrl":"https://u.example","code":5})"},
           {200, R"({"code":"UPDATE_REQUIRED","updateUrl":"https://u.example"})"},
           {200, R"({"code":" update_required","updateUrl":"https://u.example"})"},
           {200, R"({"updateUrl":"https://u.example"})"},
           {426, R"(["https://u.example"])"},
           {426, "update at https://u.example"},
       }) {
    EXPECT_FALSE(issue(status, body)) << status << " " << body;
  }
  EXPECT_FALSE(OskelServiceIssue::from(std::nullopt, 426));
  EXPECT_FALSE(OskelServiceIssue::from(std::string_view(R"({"updateUrl":"https://u.example"})"), std::nullopt));

  NotificationCenter center;
  std::map<std::string, std::string> payload;
  int posts = 0;
  auto subscription = center.addObserver(OskelServiceIssue::notification, [&](const Notification& n) {
    payload = std::any_cast<std::map<std::string, std::string>>(n.payload);
    ++posts;
  });
  OskelServiceIssue::updateRequired(url).post(center);
  EXPECT_EQ(posts, 1);
  EXPECT_EQ(payload, (std::map<std::string, std::string>{{"update", url}}));
}

TEST(DravinorKeychain, ServiceNameAndKeyResults) {
  FakeKeychain store;
  EXPECT_EQ(DravinorKeychain(store, MapEnvironment()).service(), "app.oskel.mac.dravinor");
  EXPECT_EQ(DravinorKeychain(store, MapEnvironment(std::map<std::string, std::string>{{"OSKEL_KEYCHAIN_SERVICE", ""}})).service(), "");
  DravinorKeychain keychain(store, MapEnvironment(std::map<std::string, std::string>{{"OSKEL_KEYCHAIN_SERVICE", "test.service"}}));
  EXPECT_EQ(keychain.account(), "direct-orv-api-key");

  EXPECT_FALSE(keychain.read());
  EXPECT_TRUE(keychain.remove());  // nothing there is success
  EXPECT_TRUE(keychain.save(" key with spaces "));
  EXPECT_EQ(keychain.read(), " key with spaces ");
  EXPECT_EQ(store.items.size(), 1u);
  EXPECT_EQ((store.items[{"test.service", "direct-orv-api-key"}]), " key with spaces ");
  EXPECT_TRUE(keychain.save("second"));
  EXPECT_EQ(store.items.size(), 1u);
  EXPECT_EQ(keychain.read(), "second");

  const int calls = store.calls;
  EXPECT_FALSE(keychain.save(""));
  EXPECT_FALSE(keychain.save("\xFF\xFE"));
  EXPECT_EQ(store.calls, calls);  // refused without touching the keyring
  EXPECT_EQ(keychain.read(), "second");

  store.items[{"test.service", "direct-orv-api-key"}] = "";
  EXPECT_FALSE(keychain.read());
  store.items[{"test.service", "direct-orv-api-key"}] = "ab\xC3";
  EXPECT_FALSE(keychain.read());

  store.failing = true;
  EXPECT_FALSE(keychain.read());
  EXPECT_FALSE(keychain.save("k"));
  EXPECT_FALSE(keychain.remove());
  store.failing = false;
  EXPECT_TRUE(keychain.remove());
  EXPECT_TRUE(store.items.empty());
}

TEST(InstallationIdentity, KeepsAParsableIdAndReplacesOthers) {
  FakeDefaults defaults;
  const std::string first = installation_identity::id(defaults);
  EXPECT_TRUE(Uuid::parse(first));
  EXPECT_EQ(first, Uuid::parse(first)->lowerString());
  EXPECT_EQ(installation_identity::id(defaults), first);
  defaults.setString("oskel.installID", "6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F");
  EXPECT_EQ(installation_identity::id(defaults), "6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F");
  defaults.setString("oskel.installID", "garbage");
  const std::string replaced = installation_identity::id(defaults);
  EXPECT_NE(replaced, "garbage");
  EXPECT_EQ(defaults.string("oskel.installID"), replaced);
  EXPECT_EQ(replaced, Uuid::parse(replaced)->lowerString());
}

TEST(CloudService, EndpointsAreJoinedAsPlainText) {
  FakeBundleInfo bundle;
  EXPECT_EQ(cloud_service::endpoint(bundle, "/v1/suggest"), std::string(cloud_service::kBuiltInBaseURL) + "/v1/suggest");
  EXPECT_EQ(cloud_service::applicationVersion(bundle), "0");
  EXPECT_EQ(cloud_service::directBaseURL(bundle), cloud_service::kBuiltInDirectBaseURL);
  bundle.set("OskelDirectBaseURL", "http://127.0.0.1:8787");
  EXPECT_EQ(cloud_service::directBaseURL(bundle), "http://127.0.0.1:8787");
  EXPECT_EQ(cloud_service::baseURL(bundle), cloud_service::kBuiltInBaseURL);  // the keys are separate
  bundle.set("OskelAPIBaseURL", "http://127.0.0.1:9/");
  bundle.set("CFBundleShortVersionString", "1.4.2");
  EXPECT_EQ(cloud_service::endpoint(bundle, "/v1/device/register"), "http://127.0.0.1:9//v1/device/register");
  EXPECT_EQ(cloud_service::applicationVersion(bundle), "1.4.2");
}

class DeviceServiceTest : public ::testing::Test {
 protected:
  DeviceServiceTest() {
    bundle.set("OskelAPIBaseURL", server.baseURL());
    bundle.set("CFBundleShortVersionString", "2.0");
    defaults.setString("oskel.installID", "6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F");
  }
  std::shared_ptr<DeviceService> make(double timeout = 10) {
    return std::make_shared<DeviceService>(DeviceService::Dependencies{queue, http, defaults, bundle, center, timeout});
  }
  LoopbackServer server;
  ManualMainQueue queue;
  HttpClient http{queue};
  FakeDefaults defaults;
  FakeBundleInfo bundle;
  NotificationCenter center;
};

TEST_F(DeviceServiceTest, OneRegistrationAnswersEveryCallerInOrder) {
  server.script("/v1/device/register", {{200, R"({"deviceToken":"tok-1","extra":1})"}});
  auto service = make();
  std::vector<std::string> delivered;
  service->registerDevice(false, [&](auto token) { delivered.push_back("a:" + token.value_or("-")); });
  service->registerDevice(false, [&](auto token) { delivered.push_back("b:" + token.value_or("-")); });
  EXPECT_TRUE(delivered.empty());
  EXPECT_TRUE(service->isRegistering());
  ASSERT_TRUE(runUntil(queue, [&] { return delivered.size() == 2; }));
  EXPECT_EQ(delivered, (std::vector<std::string>{"a:tok-1", "b:tok-1"}));
  EXPECT_EQ(defaults.string("oskel.deviceToken"), "tok-1");
  EXPECT_FALSE(service->isRegistering());

  auto received = server.received("/v1/device/register");
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].body, R"({"installId":"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F","appVersion":"2.0"})");
  EXPECT_EQ(received[0].header("Content-Type"), "application/json");
  EXPECT_EQ(received[0].headerCount("Authorization"), 0u);

  // A stored token answers at once, within the call.
  bool answered = false;
  service->registerDevice(false, [&](auto token) { answered = token == "tok-1"; });
  EXPECT_TRUE(answered);
  EXPECT_EQ(server.count("/v1/device/register"), 1u);

  // force discards it; a caller joining the forced registration starts nothing new.
  server.script("/v1/device/register", {{200, R"({"deviceToken":"tok-2"})"}});
  delivered.clear();
  service->registerDevice(true, [&](auto token) { delivered.push_back(token.value_or("-")); });
  EXPECT_FALSE(defaults.contains("oskel.deviceToken"));
  service->registerDevice(true, [&](auto token) { delivered.push_back(token.value_or("-")); });
  ASSERT_TRUE(runUntil(queue, [&] { return delivered.size() == 2; }));
  EXPECT_EQ(delivered, (std::vector<std::string>{"tok-2", "tok-2"}));
  EXPECT_EQ(server.count("/v1/device/register"), 2u);
}

TEST_F(DeviceServiceTest, AnswersWithoutAUsableTokenStoreNothing) {
  auto service = make();
  int issues = 0;
  auto subscription = center.addObserver("OskelServiceIssue", [&](const Notification&) { ++issues; });
  const std::vector<LoopbackServer::Reply> replies{
      {200, R"({"deviceToken":""})"},
      {201, R"({"deviceToken":"t"})"},
      {200, R"({"deviceToken":5})"},
      // A token that could not travel in the Authorization header would be kept and then
      // never sent, failing every cloud request from then on: it is no token.
      {200, R"({"deviceToken":"t\r\nX-Injected: 1"})"},
      {200, R"({"deviceToken":"t\u0000u"})"},
      {200, "not json"},
      {500, R"({"deviceToken":"t"})"},
      {200, R"({"deviceToken":"t","code":"update_required","updateUrl":"https://u.example"})"},
      {426, R"({"updateUrl":"https://u.example"})"},
  };
  for (std::size_t i = 0; i < replies.size(); ++i) {
    server.script("/v1/device/register", {replies[i]});
    std::optional<std::optional<std::string>> result;
    service->registerDevice(false, [&](auto token) { result = token; });
    ASSERT_TRUE(runUntil(queue, [&] { return result.has_value(); }));
    EXPECT_FALSE(*result) << i;
    EXPECT_FALSE(defaults.contains("oskel.deviceToken")) << i;
  }
  EXPECT_EQ(issues, 2);

  // No answer in time: nothing, and the next call tries again.
  server.script("/v1/device/register", {{200, R"({"deviceToken":"late"})", true}});
  auto impatient = make(0.3);
  std::optional<std::optional<std::string>> result;
  impatient->registerDevice(false, [&](auto token) { result = token; });
  ASSERT_TRUE(runUntil(queue, [&] { return result.has_value(); }));
  EXPECT_FALSE(*result);
  EXPECT_FALSE(impatient->isRegistering());
  server.release();
}

}  // namespace
}  // namespace oskel
