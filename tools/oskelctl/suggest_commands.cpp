// oskelctl candidates / oskelctl suggest: the candidate list of the current history, and
// one suggestion asked exactly as Smart Paste asks it.
#include "suggest_commands.h"

#include <chrono>
#include <cstdio>
#include <iostream>

#include "app/file_bundle_info.h"
#include "app/json_file_defaults.h"
#include "app/settings.h"
#include "base/http_client.h"
#include "base/json_writer.h"
#include "base/manual_main_queue.h"
#include "history/data_paths.h"
#include "history/history_loader.h"
#include "service/device_service.h"
#include "service/dravinor_keychain.h"
#include "service/no_keychain.h"
#include "suggest/suggestion_client.h"
#include "suggest/wire_records.h"

#ifdef OSKELCTL_HAS_DESKTOP
#include <QCoreApplication>

#include "desktop/keychain/qt_keychain.h"
#endif

namespace oskel::oskelctl {

namespace {

void printLine(std::string line) {
  line.push_back('\n');
  std::fwrite(line.data(), 1, line.size(), stdout);
}

std::vector<Clip> textClipsOfHistory() {
  std::vector<Clip> clips;
  for (Clip& clip : loadHistory(DataPaths::resolve(Environment::process())).clips) {
    if (!clip.isImage()) clips.push_back(std::move(clip));
  }
  return clips;
}

std::string outcomeJson(const SuggestionOutcome& outcome) {
  switch (outcome.kind) {
    case SuggestionOutcome::Kind::noMatch:
      return "{\"outcome\":\"noMatch\"}";
    case SuggestionOutcome::Kind::failure:
      return "{\"outcome\":\"failure\"}";
    case SuggestionOutcome::Kind::match:
      break;
  }
  std::string out = "{\"outcome\":\"match\",\"text\":";
  json::appendString(out, outcome.clip.text);
  out += ",\"confidence\":";
  json::appendDouble(out, outcome.confidence);
  out += ",\"rankedTexts\":[";
  for (std::size_t i = 0; i < outcome.rankedTexts.size(); ++i) {
    if (i > 0) out.push_back(',');
    json::appendString(out, outcome.rankedTexts[i]);
  }
  out += "]}";
  return out;
}

}  // namespace

int printCandidates() {
  std::string out = "[";
  bool first = true;
  for (const CandidateValue& value : SuggestionClient::candidateValues(textClipsOfHistory())) {
    if (!first) out.push_back(',');
    first = false;
    out += wire::encodeCandidate(value);
  }
  out.push_back(']');
  printLine(std::move(out));
  return 0;
}

int suggest(const std::vector<std::string>& args, int argc, char** argv) {
  FieldContext field{"", "AXTextField", "Unknown", std::nullopt};
  bool haveLabel = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--label" && hasValue) {
      field.label = args[++i];
      haveLabel = true;
    } else if (args[i] == "--role" && hasValue) {
      field.role = args[++i];
    } else if (args[i] == "--app" && hasValue) {
      field.app = args[++i];
    } else {
      haveLabel = false;
      break;
    }
  }
  if (!haveLabel) {
    std::cerr << "oskelctl: usage: oskelctl suggest --label L [--role R] [--app A]\n";
    return 2;
  }

#ifdef OSKELCTL_HAS_DESKTOP
  QCoreApplication application(argc, argv);
  QtKeychain keyring;
#else
  (void)argc;
  (void)argv;
  NoKeychain keyring;
#endif
  const Environment& environment = Environment::process();
  JsonFileDefaults defaults(JsonFileDefaults::defaultFile(environment));
  FileBundleInfo bundle = FileBundleInfo::forRunningProgram();
  DravinorKeychain keychain(keyring, environment);
  ManualMainQueue queue;
  HttpClient http(queue);
  NotificationCenter center;
  auto devices = std::make_shared<DeviceService>(DeviceService::Dependencies{queue, http, defaults, bundle, center});
  auto client = SuggestionClient::create(SuggestionClient::Dependencies{
      queue, http, *devices, keychain, bundle, center, [&defaults] {
        return SmartPasteBackendMode::current(defaults) == SmartPasteBackendMode::directOrv
                   ? SuggestionClient::Backend::direct
                   : SuggestionClient::Backend::cloud;
      }});

  std::optional<SuggestionOutcome> outcome;
  client->suggest(field, SuggestionClient::candidateValues(textClipsOfHistory()),
                  [&outcome](SuggestionOutcome o) { outcome = std::move(o); });
  // At most two registrations and two requests (a refused token is renewed once), each
  // bounded by its own time-out; wait a little longer than all of them together so that
  // a late answer is never reported as a failure.
  const double longest = 2 * (DeviceService::kTimeoutSeconds + SuggestionClient::kTimeoutSeconds) + 5;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(longest);
  queue.runDue();
  while (!outcome && std::chrono::steady_clock::now() < deadline) queue.waitForPosted(0.5);
  const SuggestionOutcome result = outcome.value_or(SuggestionOutcome::failure());
  printLine(outcomeJson(result));
  return result.isFailure() ? 1 : 0;
}

}  // namespace oskel::oskelctl
