// oskel-answerd: the answer service of Oskel's Smart Paste.
//
// Reads its options (flags with environment fallbacks), loads or creates the
// signing secret, loads the direct protocol's API keys, serves until SIGTERM
// or SIGINT and then shuts down gracefully: no new connections, requests in
// progress finish.
#include <pthread.h>
#include <signal.h>

#include <cstdlib>
#include <iostream>
#include <thread>

#include "http/access_log.h"
#include "http/answer_server.h"
#include "http/options.h"
#include "tokens/api_keys.h"
#include "tokens/secret_file.h"

namespace {

std::optional<std::string> environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace oskel;
  std::vector<std::string> args(argv + 1, argv + argc);
  http::ParsedOptions parsed = http::parseOptions(args, environment);
  if (!parsed.options) {
    std::cerr << "oskel-answerd: " << parsed.error << "\n" << http::usage();
    return 2;
  }
  const http::Options& options = *parsed.options;
  if (options.help) {
    std::cout << http::usage();
    return 0;
  }

  tokens::SecretOutcome secret = tokens::loadOrCreateSecret(options.secretFile);
  if (!secret.secret) {
    std::cerr << "oskel-answerd: " << secret.error << "\n";
    return 1;
  }
  if (!secret.warning.empty()) std::cerr << "oskel-answerd: warning: " << secret.warning << "\n";
  if (secret.created) std::cerr << "oskel-answerd: created a new secret in " << options.secretFile << "\n";

  tokens::ApiKeys apiKeys;
  if (!options.apiKeysFile.empty()) {
    std::optional<tokens::ApiKeys> loaded = tokens::ApiKeys::load(options.apiKeysFile);
    if (!loaded) {
      std::cerr << "oskel-answerd: cannot read API keys file " << options.apiKeysFile << "\n";
      return 1;
    }
    apiKeys = *loaded;
  }

  // Block the stop signals in every thread; one thread waits for them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  http::AccessLog log(&std::cerr);
  http::ServerConfig config;
  config.secret = *secret.secret;
  config.tokenLifetime = options.tokenLifetime;
  config.minVersion = options.minVersion;
  config.updateUrl = options.updateUrl;
  config.apiKeys = std::move(apiKeys);
  config.log = &log;
  http::AnswerServer server(std::move(config));
  if (!server.bind(options.host, options.port)) {
    std::cerr << "oskel-answerd: cannot listen on " << options.host << ":" << options.port << "\n";
    return 1;
  }
  std::cerr << "oskel-answerd: listening on " << options.host << ":" << server.port() << "\n";

  std::thread waiter([&server, stopSignals] {
    int received = 0;
    sigwait(&stopSignals, &received);
    std::cerr << "oskel-answerd: shutting down\n";
    server.stop();
  });
  bool served = server.run();
  if (!served) {
    // run() failed on its own: wake the waiter so that it can be joined.
    pthread_kill(waiter.native_handle(), SIGTERM);
  }
  waiter.join();
  std::cerr << "oskel-answerd: stopped\n";
  return served ? 0 : 1;
}
