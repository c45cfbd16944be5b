#include "base/http_client.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "base/manual_main_queue.h"
#include "support/loopback_server.h"
#include "support/wait.h"

namespace oskel {
namespace {

using testing::LoopbackServer;
using testing::runUntil;

struct Result {
  bool done = false;
  std::optional<HttpResponse> response;
  bool stepRanOnMainThread = true;
};

// Sends one request and waits for its outcome on the main queue.
Result roundTrip(ManualMainQueue& queue, HttpClient& client, HttpRequest request) {
  Result result;
  const auto mainThread = std::this_thread::get_id();
  std::thread::id stepThread;
  client.send(std::move(request), [&](const std::optional<HttpResponse>& response) -> MainQueue::Task {
    stepThread = std::this_thread::get_id();
    return [&result, response] {
      result.response = response;
      result.done = true;
    };
  });
  EXPECT_TRUE(runUntil(queue, [&] { return result.done; }));
  result.stepRanOnMainThread = stepThread == mainThread;
  return result;
}

TEST(HttpClient, SendsExactlyTheRequestAndDeliversStatusAndBodyOnTheMainQueue) {
  LoopbackServer server;
  server.script("/echo", {{201, "{\"ok\":true}"}});
  ManualMainQueue queue;
  HttpClient client(queue);

  const std::string body = std::string("{\"text\":\"caf\xC3\xA9\"}") + std::string(3000, 'x');
  HttpRequest request;
  request.url = server.baseURL() + "/echo";
  request.headers = {{"Content-Type", "application/json"}, {"Authorization", "Bearer a b  c"}, {"X-Oskel-Version", "1.2"}};
  request.body = body;
  request.timeoutSeconds = 5;
  Result result = roundTrip(queue, client, request);

  ASSERT_TRUE(result.response);
  EXPECT_FALSE(result.stepRanOnMainThread);  // the response step runs on the network thread
  EXPECT_EQ(result.response->status, 201);
  EXPECT_EQ(result.response->body, "{\"ok\":true}");
  auto received = server.received("/echo");
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].method, "POST");
  EXPECT_EQ(received[0].body, body);
  EXPECT_EQ(received[0].header("Content-Type"), "application/json");
  EXPECT_EQ(received[0].header("Authorization"), "Bearer a b  c");
  EXPECT_EQ(received[0].header("X-Oskel-Version"), "1.2");
  EXPECT_EQ(received[0].header("Content-Length"), std::to_string(body.size()));
  EXPECT_EQ(received[0].headerCount("Expect"), 0u);  // no 100-continue round trip

  // A POST without a body carries an empty one.
  request.body.reset();
  request.headers = {{"Content-Type", "application/json"}};
  result = roundTrip(queue, client, request);
  ASSERT_TRUE(result.response);
  EXPECT_EQ(server.received("/echo").back().body, "");
  EXPECT_EQ(server.received("/echo").back().header("Content-Length"), "0");
}

// Accepts one connection on 127.0.0.1, records the request head as it arrived on the
// wire and answers 204. (The scripted server drops header lines with empty values, so
// it cannot show them.)
class RawHeadServer {
 public:
  RawHeadServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 1) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      ADD_FAILURE() << "cannot listen on 127.0.0.1";
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] {
      const int connection = ::accept(listener_, nullptr, nullptr);
      if (connection < 0) return;
      char buffer[4096];
      while (head_.find("\r\n\r\n") == std::string::npos) {
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head_.append(buffer, static_cast<std::size_t>(n));
      }
      const std::string answer = "HTTP/1.1 204 No Content\r\nConnection: close\r\n\r\n";
      (void)::send(connection, answer.data(), answer.size(), MSG_NOSIGNAL);
      ::close(connection);
    });
  }
  ~RawHeadServer() {
    ::shutdown(listener_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
  }
  std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/raw"; }
  const std::string& head() const { return head_; }  // after the answer arrived

 private:
  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
  std::string head_;
};

TEST(HttpClient, HeadersWithEmptyValuesAreSent) {
  RawHeadServer server;
  ManualMainQueue queue;
  HttpClient client(queue);
  HttpRequest request;
  request.url = server.url();
  request.headers = {{"Content-Type", "application/json"}, {"X-Oskel-Version", ""}, {"X-Blank", " "}};
  request.body = "{}";
  request.timeoutSeconds = 5;
  Result result = roundTrip(queue, client, request);
  ASSERT_TRUE(result.response);
  EXPECT_EQ(result.response->status, 204);
  EXPECT_NE(server.head().find("\r\nContent-Type: application/json\r\nX-Oskel-Version:\r\nX-Blank:\r\n"),
            std::string::npos)
      << server.head();
}

TEST(HttpClient, ReusesTheConnectionForLaterRequestsToTheSameServer) {
  LoopbackServer server;
  server.script("/a", {{200, "{}"}});
  ManualMainQueue queue;
  HttpClient client(queue);
  for (int i = 0; i < 3; ++i) {
    HttpRequest request;
    request.url = server.baseURL() + "/a";
    request.body = "{}";
    ASSERT_TRUE(roundTrip(queue, client, request).response);
  }
  std::set<int> ports;
  for (const auto& r : server.received("/a")) ports.insert(r.remotePort);
  EXPECT_EQ(server.count("/a"), 3u);
  EXPECT_EQ(ports.size(), 1u);  // the server accepted one connection
  EXPECT_EQ(client.connectionsOpened(), 1u);
}

TEST(HttpClient, FailuresArriveAsNoResponse) {
  ManualMainQueue queue;
  HttpClient::Options options;
  options.maximumBodyBytes = 64 * 1024;
  HttpClient client(queue, options);
  LoopbackServer server;

  // A body over the cap, with a length announced and streamed without one.
  server.script("/big", {{200, std::string(64 * 1024 + 1, 'a')}});
  server.script("/fits", {{200, std::string(64 * 1024, 'a')}});
  std::atomic<bool> stop{false};
  server.handle("/endless", [&stop](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider("application/json", [&stop](size_t, httplib::DataSink& sink) {
      static const std::string chunk(16 * 1024, 'z');
      return !stop && sink.write(chunk.data(), chunk.size());
    });
  });
  server.script("/slow", {{200, "{}", true}});

  auto request = [&](const std::string& path, double timeout = 10) {
    HttpRequest r;
    r.url = server.baseURL() + path;
    r.body = "{}";
    r.timeoutSeconds = timeout;
    return r;
  };
  EXPECT_FALSE(roundTrip(queue, client, request("/big")).response);
  Result fits = roundTrip(queue, client, request("/fits"));
  ASSERT_TRUE(fits.response);
  EXPECT_EQ(fits.response->body.size(), 64u * 1024);
  EXPECT_FALSE(roundTrip(queue, client, request("/endless")).response);
  stop = true;
  EXPECT_FALSE(roundTrip(queue, client, request("/slow", 0.3)).response);  // time-out
  // A time-out under a millisecond is still one (libcurl reads 0 ms as "no time-out").
  EXPECT_FALSE(roundTrip(queue, client, request("/slow", 0.0004)).response);
  server.release();

  // Nothing listens on the port any more: a connection failure.
  HttpRequest refused;
  {
    LoopbackServer gone;
    refused.url = gone.baseURL() + "/x";
  }
  EXPECT_FALSE(roundTrip(queue, client, refused).response);

  // Schemes other than http and https are refused, and TLS is never left unverified:
  // a plain-HTTP server reached as https fails the handshake.
  HttpRequest file;
  file.url = "file:///etc/hostname";
  EXPECT_FALSE(roundTrip(queue, client, file).response);
  HttpRequest tls = request("/fits");
  tls.url.replace(0, 4, "https");
  EXPECT_FALSE(roundTrip(queue, client, tls).response);
}

TEST(HttpClient, DestroyingTheClientDropsTransfersInFlight) {
  LoopbackServer server;
  server.script("/slow", {{200, "{}", true}});
  ManualMainQueue queue;
  std::atomic<int> steps{0};
  {
    HttpClient client(queue);
    HttpRequest request;
    request.url = server.baseURL() + "/slow";
    client.send(request, [&](const std::optional<HttpResponse>&) -> MainQueue::Task {
      ++steps;
      return {};
    });
    ASSERT_TRUE(runUntil(queue, [&] { return server.count("/slow") == 1; }));
  }
  server.release();
  EXPECT_EQ(steps.load(), 0);
  EXPECT_EQ(queue.runDue(), 0);
}

}  // namespace
}  // namespace oskel
