// answerd_load: a small open-loop load generator for the answer service.
//
// Starts the real server in this process on 127.0.0.1 (any free port), or
// targets --port P on 127.0.0.1, then sends /v1/suggest requests with 180
// candidates at a fixed rate together with /healthz requests at a tenth of
// that rate, from several keep-alive connections. Latency is measured from
// each request's scheduled send time, so a stalled server cannot hide its
// queue. Bounded: at most --seconds (<= 30) and rate * seconds requests.
//
//   answerd_load [--rate 500] [--seconds 5] [--connections 8] [--port P]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "http/answer_server.h"

namespace {

using Clock = std::chrono::steady_clock;
using nlohmann::json;

std::string candidateList() {
  json list = json::array();
  const char* samples[] = {"anna.mueller@posteo.de", "+49 30 12345678", "Anna Müller", "Hauptstraße 12", "10115",
                           "Berlin", "Müller & Partner GmbH", "https://annamueller.de", "anna_mueller88", "14.03.1988",
                           "Meeting moved to Thursday 3pm, room 4.12", "git push origin main",
                           "for (int i = 0; i < n; ++i) { total += values[i]; }", "Order #4829103 has shipped",
                           "1Z999AA10123456784", "129,90 €", "Milk, eggs, bread, coffee", "Kindly confirm receipt."};
  std::size_t budget = 0;
  for (int i = 0; i < 180; ++i) {
    std::string text = samples[i % std::size(samples)];
    if (i >= static_cast<int>(std::size(samples))) text += " " + std::to_string(i);  // distinct values, as the client sends
    if (i % 20 == 19) text += std::string(" ") + std::string(300, 'x');                 // some long notes
    budget += text.size();
    if (budget > 24000) break;
    char id[64];
    std::snprintf(id, sizeof id, "6F1C0D3E-2B7A-4C1E-9D3F-%012d:index0", i);
    list.push_back({{"id", id}, {"text", text}, {"sourceApp", "Notes"}, {"copiedAt", "2026-03-14T09:26:53Z"}});
  }
  return list.dump();
}

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  std::size_t k = static_cast<std::size_t>(p * (v.size() - 1) + 0.5);
  return v[std::min(k, v.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
  double rate = 500;
  double seconds = 5;
  int connections = 8;
  int port = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--rate")) rate = std::atof(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--seconds")) seconds = std::atof(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--connections")) connections = std::atoi(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--port")) port = std::atoi(argv[i + 1]);
  }
  rate = std::clamp(rate, 1.0, 5000.0);
  seconds = std::clamp(seconds, 0.5, 30.0);
  connections = std::clamp(connections, 1, 64);

  std::unique_ptr<oskel::http::AnswerServer> server;
  std::thread serverThread;
  if (port == 0) {
    oskel::http::ServerConfig config;
    config.secret = std::string(64, 'b');
    server = std::make_unique<oskel::http::AnswerServer>(std::move(config));
    if (!server->bind("127.0.0.1", 0)) {
      std::fprintf(stderr, "answerd_load: cannot bind 127.0.0.1\n");
      return 1;
    }
    port = server->port();
    serverThread = std::thread([&] { server->run(); });
  }

  httplib::Client registrar("127.0.0.1", port);
  auto reg = registrar.Post("/v1/device/register",
                            R"({"installId":"6f1c0d3e-2b7a-4c1e-9d3f-0a1b2c3d4e5f","appVersion":"1.0.0"})", "application/json");
  if (!reg || reg->status != 200) {
    std::fprintf(stderr, "answerd_load: registration failed\n");
    return 1;
  }
  std::string token = json::parse(reg->body)["deviceToken"];
  const char* labels[] = {"E-Mail-Adresse *", "Telefon", "Vorname", "Ort:", "Postleitzahl", "Company", "Search"};
  std::string candidates = candidateList();
  std::vector<std::string> bodies;
  for (const char* label : labels) {
    bodies.push_back(R"({"field":{"label":)" + json(label).dump() + R"(,"role":"AXTextField","app":"Firefox"},"candidates":)" +
                     candidates + "}");
  }

  // Request k is due at start + k / totalRate; every 11th request is a /healthz.
  const double totalRate = rate * 1.1;
  const long total = static_cast<long>(totalRate * seconds);
  std::atomic<long> next{0};
  std::mutex mutex;
  std::vector<double> suggestMs;
  std::vector<double> healthMs;
  std::atomic<int> failures{0};
  const Clock::time_point start = Clock::now() + std::chrono::milliseconds(100);
  const Clock::time_point deadline = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds * 2 + 5));
  std::vector<std::thread> workers;
  for (int c = 0; c < connections; ++c) {
    workers.emplace_back([&] {
      httplib::Client client("127.0.0.1", port);
      client.set_keep_alive(true);
      client.set_tcp_nodelay(true);
      httplib::Headers headers = {{"Authorization", "Bearer " + token}, {"X-Oskel-Version", "1.0.0"}};
      std::vector<double> mySuggest;
      std::vector<double> myHealth;
      for (long k = next++; k < total && Clock::now() < deadline; k = next++) {
        Clock::time_point due = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(k / totalRate));
        std::this_thread::sleep_until(due);
        bool health = k % 11 == 10;
        httplib::Result res = health ? client.Get("/healthz")
                                     : client.Post("/v1/suggest", headers, bodies[k % bodies.size()], "application/json");
        double ms = std::chrono::duration<double, std::milli>(Clock::now() - due).count();
        if (!res || res->status != 200) {
          ++failures;
          continue;
        }
        (health ? myHealth : mySuggest).push_back(ms);
      }
      std::lock_guard<std::mutex> lock(mutex);
      suggestMs.insert(suggestMs.end(), mySuggest.begin(), mySuggest.end());
      healthMs.insert(healthMs.end(), myHealth.begin(), myHealth.end());
    });
  }
  for (std::thread& t : workers) t.join();
  double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  if (server) {
    server->stop();
    serverThread.join();
  }
  double p99Suggest = percentile(suggestMs, 0.99);
  double p99Health = percentile(healthMs, 0.99);
  std::printf("answerd_load: %.0f suggest/s offered (+%.0f healthz/s), %.1f s, %d connections, 180 candidates\n", rate,
              rate / 10, seconds, connections);
  std::printf("  /v1/suggest: %zu ok, %.0f requests/s, p50 %.2f ms, p99 %.2f ms\n", suggestMs.size(),
              suggestMs.size() / elapsed, percentile(suggestMs, 0.5), p99Suggest);
  std::printf("  /healthz:    %zu ok, p50 %.2f ms, p99 %.2f ms\n", healthMs.size(), percentile(healthMs, 0.5), p99Health);
  std::printf("  p99 ratio suggest/healthz: %.2f\n  failures: %d\n", p99Health > 0 ? p99Suggest / p99Health : 0.0,
              failures.load());
  return failures.load() == 0 ? 0 : 1;
}
