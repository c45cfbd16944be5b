// A scripted HTTP server on 127.0.0.1 for client tests (cpp-httplib): each path answers
// with its scripted replies in turn (the last one repeats), and every request that
// reached the server is recorded with its headers, body and client port (one port per
// connection). A reply may hold its answer back until release() or the server stops.
#pragma once

#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace oskel::testing {

class LoopbackServer {
 public:
  struct Reply {
    int status = 200;
    std::string body;
    bool hold = false;  // wait for release() before answering
  };

  struct Received {
    std::string method;
    std::string path;
    std::multimap<std::string, std::string> headers;  // names as the client wrote them
    std::string body;
    int remotePort = -1;

    // The value of a header (names compared without regard to case); "" when absent.
    std::string header(const std::string& name) const;
    std::size_t headerCount(const std::string& name) const;
  };

  LoopbackServer();
  ~LoopbackServer();

  // http://127.0.0.1:<port>
  const std::string& baseURL() const { return baseURL_; }

  void script(const std::string& path, std::vector<Reply> replies);

  // A handler of one's own for a path (for bodies that stream).
  void handle(const std::string& path, httplib::Server::Handler handler);

  std::vector<Received> received() const;
  std::vector<Received> received(const std::string& path) const;
  std::size_t count(const std::string& path) const { return received(path).size(); }

  // Lets held replies answer.
  void release();

 private:
  void record(const httplib::Request& request);

  httplib::Server server_;
  std::thread thread_;
  std::atomic<bool> listenEnded_{false};
  std::string baseURL_;
  mutable std::mutex mutex_;
  std::condition_variable releasedChanged_;
  bool released_ = false;
  std::map<std::string, std::vector<Reply>> scripts_;
  std::map<std::string, std::size_t> served_;
  std::vector<Received> received_;
};

}  // namespace oskel::testing
