#include "support/loopback_server.h"

#include <chrono>
#include <strings.h>

namespace oskel::testing {

std::string LoopbackServer::Received::header(const std::string& name) const {
  for (const auto& [key, value] : headers) {
    if (strcasecmp(key.c_str(), name.c_str()) == 0) return value;
  }
  return "";
}

std::size_t LoopbackServer::Received::headerCount(const std::string& name) const {
  std::size_t n = 0;
  for (const auto& entry : headers) n += strcasecmp(entry.first.c_str(), name.c_str()) == 0;
  return n;
}

LoopbackServer::LoopbackServer() {
  server_.set_keep_alive_max_count(1000);
  // Stopping waits for every connection a client still keeps open, up to this idle
  // time-out: keep it short so that a client outliving the server costs seconds, not half
  // a minute. Requests of one test follow each other well within it, so connections are
  // still reused.
  server_.set_keep_alive_timeout(3);
  const int port = server_.bind_to_any_port("127.0.0.1");
  baseURL_ = "http://127.0.0.1:" + std::to_string(port);
  thread_ = std::thread([this] {
    server_.listen_after_bind();
    listenEnded_ = true;
  });
  // stop() does nothing to a server that has not started its accept loop yet, which would
  // then run for ever: wait until it runs (or has already given up), however long the
  // thread takes to be scheduled on a loaded machine.
  while (!server_.is_running() && !listenEnded_) std::this_thread::sleep_for(std::chrono::microseconds(100));
}

LoopbackServer::~LoopbackServer() {
  release();
  server_.stop();
  thread_.join();
}

void LoopbackServer::record(const httplib::Request& request) {
  Received r{request.method, request.path, {}, request.body, request.remote_port};
  for (const auto& [key, value] : request.headers) {
    if (key == "REMOTE_ADDR" || key == "REMOTE_PORT" || key == "LOCAL_ADDR" || key == "LOCAL_PORT") continue;
    r.headers.emplace(key, value);
  }
  std::lock_guard lock(mutex_);
  received_.push_back(std::move(r));
}

void LoopbackServer::script(const std::string& path, std::vector<Reply> replies) {
  {
    std::lock_guard lock(mutex_);
    scripts_[path] = std::move(replies);
    served_[path] = 0;
  }
  auto handler = [this, path](const httplib::Request& request, httplib::Response& response) {
    record(request);
    Reply reply;
    {
      std::unique_lock lock(mutex_);
      const auto& replies = scripts_[path];
      std::size_t& index = served_[path];
      if (!replies.empty()) reply = replies[std::min(index, replies.size() - 1)];
      ++index;
      if (reply.hold) {
        // Bounded, so that a forgotten release cannot hang the suite.
        releasedChanged_.wait_for(lock, std::chrono::seconds(20), [this] { return released_; });
      }
    }
    response.status = reply.status;
    response.set_content(reply.body, "application/json");
  };
  server_.Post(path, handler);
  server_.Get(path, handler);
}

void LoopbackServer::handle(const std::string& path, httplib::Server::Handler handler) {
  server_.Post(path, [this, handler](const httplib::Request& request, httplib::Response& response) {
    record(request);
    handler(request, response);
  });
}

std::vector<LoopbackServer::Received> LoopbackServer::received() const {
  std::lock_guard lock(mutex_);
  return received_;
}

std::vector<LoopbackServer::Received> LoopbackServer::received(const std::string& path) const {
  std::vector<Received> result;
  for (auto& r : received()) {
    if (r.path == path) result.push_back(r);
  }
  return result;
}

void LoopbackServer::release() {
  {
    std::lock_guard lock(mutex_);
    released_ = true;
  }
  releasedChanged_.notify_all();
}

}  // namespace oskel::testing
