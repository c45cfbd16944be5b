// HTTP requests on libcurl. One network thread runs every transfer of a client through
// one libcurl multi handle, so connections to the same server are reused between
// requests. TLS certificates and host names are always verified; only http and https
// are spoken; redirects are not followed.
//
// Each request names a response step. The step runs on the network thread with the
// response (or nothing when no complete response arrived: transport error, time-out,
// a body larger than the cap) and returns the task that is then posted to the main
// queue, so decoding happens off the main thread and every outcome reaches the caller
// on it. A step may return an empty task when nothing needs to run.
//
// Destroying the client stops the network thread; transfers still running are dropped
// and their steps never run. `send` may be called from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/main_queue.h"

namespace oskel {

struct HttpRequest {
  std::string url;
  std::string method = "POST";
  std::vector<std::pair<std::string, std::string>> headers;  // sent in this order
  std::optional<std::string> body;
  double timeoutSeconds = 60;  // for the whole transfer, connecting included
};

struct HttpResponse {
  long status = 0;
  std::string body;  // possibly empty
};

class HttpClient {
 public:
  using ResponseStep = std::function<MainQueue::Task(const std::optional<HttpResponse>&)>;

  struct Options {
    // A response body longer than this fails the transfer (the step receives nothing).
    std::size_t maximumBodyBytes = 1024 * 1024;
  };

  HttpClient(MainQueue& mainQueue, Options options);
  explicit HttpClient(MainQueue& mainQueue) : HttpClient(mainQueue, Options{}) {}
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  void send(HttpRequest request, ResponseStep step);

  // Connections opened so far by finished transfers (libcurl's count). A transfer that
  // reused a connection adds nothing.
  std::uint64_t connectionsOpened() const;

 private:
  class Worker;
  std::shared_ptr<Worker> worker_;
};

}  // namespace oskel
