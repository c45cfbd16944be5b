// Suggestion benchmarks:
//  - suggestWithCloud: from the call to the outcome arriving on the main queue, against a
//    cpp-httplib server on 127.0.0.1 that answers at once, next to the same request made
//    by one bare libcurl easy call whose handle is reused (so both reuse one connection);
//    target ratio < 1.3;
//  - candidateValues(from:) with 40 clips of 180 values each (reported): all values
//    distinct (the list fills from the first clip), and every clip repeating the same
//    values in other letter case (all 7,200 values looked at).
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <httplib.h>

#include <cctype>
#include <ctime>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "service/no_keychain.h"
#include "base/http_client.h"
#include "base/manual_main_queue.h"
#include "base/notification_center.h"
#include "service/device_service.h"
#include "service/dravinor_keychain.h"
#include "suggest/suggestion_client.h"
#include "suggest/wire_records.h"

namespace {

using namespace oskel;

// CPU time of the whole process (every thread, the server's included), in seconds.
double processCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Reports the process CPU time per iteration, in microseconds.
class ProcessCpu {
 public:
  explicit ProcessCpu(benchmark::State& state) : state_(state), start_(processCpuSeconds()) {}
  ~ProcessCpu() {
    if (state_.iterations() > 0) {
      state_.counters["process_cpu_us"] = (processCpuSeconds() - start_) * 1e6 / static_cast<double>(state_.iterations());
    }
  }

 private:
  benchmark::State& state_;
  double start_;
};

class MemoryDefaults : public Defaults {
 public:
  std::optional<std::string> string(const std::string& key) const override {
    std::lock_guard lock(mutex_);
    auto it = strings_.find(key);
    return it == strings_.end() ? std::nullopt : std::optional(it->second);
  }
  bool boolean(const std::string&) const override { return false; }
  void setString(const std::string& key, const std::string& value) override {
    std::lock_guard lock(mutex_);
    strings_[key] = value;
  }
  void setBoolean(const std::string&, bool) override {}
  void remove(const std::string& key) override {
    std::lock_guard lock(mutex_);
    strings_.erase(key);
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string> strings_;
};

class MapBundle : public BundleInfo {
 public:
  explicit MapBundle(std::map<std::string, std::string> values) : values_(std::move(values)) {}
  std::optional<std::string> value(const std::string& key) const override {
    auto it = values_.find(key);
    return it == values_.end() ? std::nullopt : std::optional(it->second);
  }

 private:
  std::map<std::string, std::string> values_;
};

const std::vector<CandidateValue> kValues{
    {"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index0", "ada@example.com", "Mail", "2026-03-14T09:26:53Z"},
    {"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index1", "+1 555 0100", "Notes", "2026-03-14T09:26:54Z"},
    {"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index2", "Ada Lovelace", "Notes", "2026-03-14T09:26:54Z"},
};
const FieldContext kField{"Email", "AXTextField", "Firefox", std::nullopt};

// The cloud service, answering every suggestion at once with the first candidate.
class AnswerServer {
 public:
  AnswerServer() {
    server_.set_keep_alive_max_count(1000000);
    server_.set_tcp_nodelay(true);
    server_.Post("/v1/suggest", [](const httplib::Request&, httplib::Response& response) {
      response.set_content(R"({"candidateId":"6F1C0D3E-2B7A-4C1E-9D3F-0A1B2C3D4E5F:index0","confidence":0.9})",
                           "application/json");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::yield();
  }
  ~AnswerServer() {
    server_.stop();
    thread_.join();
  }
  std::string baseURL() const { return "http://127.0.0.1:" + std::to_string(port_); }

 private:
  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
};

void BM_SuggestWithCloud(benchmark::State& state) {
  AnswerServer server;
  ManualMainQueue queue;
  HttpClient http(queue);
  MemoryDefaults defaults;
  defaults.setString("oskel.deviceToken", "bench-token");
  MapBundle bundle({{"OskelAPIBaseURL", server.baseURL()}, {"CFBundleShortVersionString", "1.0"}});
  NotificationCenter center;
  NoKeychain keyring;
  DravinorKeychain keychain(keyring, MapEnvironment());
  auto devices = std::make_shared<DeviceService>(DeviceService::Dependencies{queue, http, defaults, bundle, center});
  auto client = SuggestionClient::create(SuggestionClient::Dependencies{
      queue, http, *devices, keychain, bundle, center, [] { return SuggestionClient::Backend::cloud; }});

  std::size_t matches = 0;
  ProcessCpu cpu(state);
  for (auto _ : state) {
    bool done = false;
    client->suggestWithCloud(kField, kValues, [&](SuggestionOutcome outcome) {
      matches += outcome.isMatch();
      done = true;
    });
    while (!done) queue.waitForPosted(5);
  }
  if (matches != static_cast<std::size_t>(state.iterations())) state.SkipWithError("an answer was not a match");
  state.counters["connections"] = static_cast<double>(http.connectionsOpened());
}
BENCHMARK(BM_SuggestWithCloud)->UseRealTime();

// The same request through HttpClient alone: the share of the network thread and the
// main-queue hand-off in the figure above.
void BM_HttpClientRoundTrip(benchmark::State& state) {
  AnswerServer server;
  ManualMainQueue queue;
  HttpClient http(queue);
  HttpRequest request;
  request.url = server.baseURL() + "/v1/suggest";
  request.headers = {{"Content-Type", "application/json"}, {"Authorization", "Bearer bench-token"}, {"X-Oskel-Version", "1.0"}};
  request.body = wire::encode(SuggestRequest{kField, kValues});
  std::size_t answered = 0;
  ProcessCpu cpu(state);
  for (auto _ : state) {
    bool done = false;
    http.send(request, [&](const std::optional<HttpResponse>& response) -> MainQueue::Task {
      const bool ok = response && response->status == 200;
      return [&, ok] {
        answered += ok;
        done = true;
      };
    });
    while (!done) queue.waitForPosted(5);
  }
  if (answered != static_cast<std::size_t>(state.iterations())) state.SkipWithError("a request failed");
}
BENCHMARK(BM_HttpClientRoundTrip)->UseRealTime();

std::size_t collect(char* data, std::size_t size, std::size_t count, void* context) {
  static_cast<std::string*>(context)->append(data, size * count);
  return size * count;
}

void BM_BareCurlRequest(benchmark::State& state) {
  AnswerServer server;
  curl_global_init(CURL_GLOBAL_DEFAULT);
  CURL* easy = curl_easy_init();
  const std::string url = server.baseURL() + "/v1/suggest";
  const std::string body = wire::encode(SuggestRequest{kField, kValues});
  curl_slist* headers = nullptr;
  headers = curl_slist_append(headers, "Content-Type: application/json");
  headers = curl_slist_append(headers, "Authorization: Bearer bench-token");
  headers = curl_slist_append(headers, "X-Oskel-Version: 1.0");
  headers = curl_slist_append(headers, "Expect:");
  std::string received;
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body.c_str());
  curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, collect);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &received);
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  ProcessCpu cpu(state);
  for (auto _ : state) {
    received.clear();
    if (curl_easy_perform(easy) != CURLE_OK) {
      state.SkipWithError("request failed");
      break;
    }
    benchmark::DoNotOptimize(received.data());
  }
  long connections = 0;
  curl_easy_getinfo(easy, CURLINFO_NUM_CONNECTS, &connections);  // 0: the last one reused it
  state.counters["connections of the last request"] = static_cast<double>(connections);
  curl_slist_free_all(headers);
  curl_easy_cleanup(easy);
}
BENCHMARK(BM_BareCurlRequest)->UseRealTime();

// 40 text clips of 180 values each.
std::vector<Clip> clipsOf180Values(bool repeated) {
  std::vector<Clip> clips;
  for (int c = 0; c < 40; ++c) {
    std::vector<std::string> values;
    for (int k = 0; k < 180; ++k) {
      std::string value = repeated ? "value" + std::to_string(k) + "@example.com"
                                   : "value" + std::to_string(c) + "-" + std::to_string(k) + "@example.com";
      if (repeated && c % 2 == 1) {
        for (char& ch : value) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      }
      values.push_back(std::move(value));
    }
    clips.push_back(Clip{Uuid::random(), "clip " + std::to_string(c), "Editor", 700000000.0 + c, {}, {}, {},
                         std::move(values)});
  }
  return clips;
}

void BM_CandidateValues(benchmark::State& state) {
  const std::vector<Clip> clips = clipsOf180Values(state.range(0) == 1);
  std::size_t count = 0;
  for (auto _ : state) {
    auto values = SuggestionClient::candidateValues(clips);
    count = values.size();
    benchmark::DoNotOptimize(values.data());
  }
  state.counters["candidates"] = static_cast<double>(count);
}
BENCHMARK(BM_CandidateValues)->ArgName("repeated")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
