// The Smart Paste flow against the real suggestion client and a scripted cloud service
// on 127.0.0.1: the prefetch goes over the wire and its answer is inserted at the shortcut.
#include <nlohmann/json.hpp>

#include "app_fixture.h"
#include "fakes/fake_bundle_info.h"
#include "service/device_service.h"
#include "support/loopback_server.h"
#include "support/wait.h"

namespace oskel {
namespace {

TEST_F(AppFixture, PrefetchThroughTheCloudServiceIsInsertedAtTheShortcut) {
  testing::LoopbackServer server;
  server.handle("/v1/suggest", [](const httplib::Request& request, httplib::Response& response) {
    nlohmann::json answer = nlohmann::json::object();
    auto decoded = wire::decodeSuggestRequest(request.body);
    if (decoded && decoded->field.label == "Email") {
      for (const CandidateValue& value : decoded->candidates) {
        if (value.text == "ann@example.com") {
          answer = {{"candidateId", value.id}, {"confidence", 0.8}, {"rankedCandidateIds", {value.id}}};
        }
      }
    }
    response.set_content(answer.dump(), "application/json");
  });
  FakeBundleInfo bundle({{"OskelAPIBaseURL", server.baseURL()}, {"CFBundleShortVersionString", "1.0"}});
  HttpClient http{queue};
  defaults.setString(settings_key::kDeviceToken, "device token");
  auto devices = std::make_shared<DeviceService>(DeviceService::Dependencies{queue, http, defaults, bundle, center});
  auto client = SuggestionClient::create(SuggestionClient::Dependencies{
      queue, http, *devices, keychain, bundle, center, [] { return SuggestionClient::Backend::cloud; },
      server.baseURL()});
  ClientSuggestionSource source(client);
  AppDelegate::Dependencies d = dependencies();
  auto wired = AppDelegate::create(AppDelegate::Dependencies{
      d.mainQueue, d.defaults, d.environment, d.pasteboard, d.workspace, d.accessibility, d.permissions, d.keyboardTap,
      d.keySynthesizer, d.dialogs, d.shell, d.timeline, d.store, d.watcher, source, d.keychain, d.notifications,
      d.log, d.registerDevice, d.imageData});

  copy("+1 555 0100");
  copy("ann@example.com");
  defaults.setBoolean(settings_key::kHasShownFirstLaunchUI, true);
  wired->applicationDidFinishLaunching();
  ax.focusTextField("email", "Email");
  queue.advance(AppDelegate::kFocusInterval);
  // The focus check starts the prefetch. A fast loopback answer may already have come back
  // within the same advance, since advance() also runs what the network thread posts.
  ASSERT_TRUE(wired->isRequesting() || wired->suggestion().has_value());
  ASSERT_TRUE(testing::runUntil(queue, [&] { return !wired->isRequesting(); }));
  ASSERT_TRUE(wired->suggestion());
  EXPECT_EQ(timeline.rankedTexts, std::vector<std::string>{"ann@example.com"});

  auto sent = server.received("/v1/suggest");
  ASSERT_EQ(sent.size(), 1u);
  auto request = wire::decodeSuggestRequest(sent[0].body);
  ASSERT_TRUE(request);
  EXPECT_EQ(request->field, (FieldContext{"Email", "AXTextField", "TextEdit", std::nullopt}));

  EXPECT_EQ(tap.press(keys::kV, modifiers::kCommand), TapDecision::swallow);
  ASSERT_EQ(ax.writes.size(), 1u);
  EXPECT_EQ(ax.writes[0].value, "ann@example.com");
  EXPECT_EQ(server.received("/v1/suggest").size(), 1u);  // the answer was ready: no new request
}

}  // namespace
}  // namespace oskel
