#include "base/http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace oskel {

namespace {

void initializeCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// One transfer from its start on the network thread to its response step.
struct Transfer {
  HttpRequest request;
  HttpClient::ResponseStep step;
  CURL* easy = nullptr;
  curl_slist* headers = nullptr;
  std::string received;
  std::size_t limit = 0;
  bool tooLarge = false;

  ~Transfer() {
    if (easy) curl_easy_cleanup(easy);
    if (headers) curl_slist_free_all(headers);
  }
};

std::size_t collectBody(char* data, std::size_t size, std::size_t count, void* context) {
  auto* transfer = static_cast<Transfer*>(context);
  const std::size_t bytes = size * count;
  if (transfer->received.size() + bytes > transfer->limit) {
    transfer->tooLarge = true;
    return 0;  // fails the transfer with CURLE_WRITE_ERROR
  }
  transfer->received.append(data, bytes);
  return bytes;
}

}  // namespace

class HttpClient::Worker {
 public:
  Worker(MainQueue& mainQueue, Options options) : mainQueue_(mainQueue), options_(options) {
    initializeCurlOnce();
    multi_ = curl_multi_init();
    thread_ = std::thread([this] { run(); });
  }

  ~Worker() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    curl_multi_wakeup(multi_);
    thread_.join();
    for (auto& [easy, transfer] : running_) curl_multi_remove_handle(multi_, easy);
    running_.clear();
    for (CURL* easy : idleHandles_) curl_easy_cleanup(easy);
    curl_multi_cleanup(multi_);
  }

  void enqueue(HttpRequest request, ResponseStep step) {
    auto transfer = std::make_unique<Transfer>();
    transfer->request = std::move(request);
    transfer->step = std::move(step);
    {
      std::lock_guard lock(mutex_);
      if (stopping_) return;
      incoming_.push_back(std::move(transfer));
    }
    curl_multi_wakeup(multi_);
  }

  std::uint64_t connectionsOpened() const { return connections_.load(); }

 private:
  void run() {
    while (true) {
      std::vector<std::unique_ptr<Transfer>> arrived;  // allocates only when something arrived
      {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        arrived.swap(incoming_);
      }
      for (auto& transfer : arrived) start(std::move(transfer));
      int stillRunning = 0;
      curl_multi_perform(multi_, &stillRunning);
      collectFinished();
      curl_multi_poll(multi_, nullptr, 0, 1000, nullptr);
    }
  }

  void start(std::unique_ptr<Transfer> transfer) {
    CURL* easy = nullptr;
    if (!idleHandles_.empty()) {
      easy = idleHandles_.back();
      idleHandles_.pop_back();
      curl_easy_reset(easy);  // every option back to its default; connections stay with the multi handle
    } else {
      easy = curl_easy_init();
    }
    if (!easy) {
      complete(*transfer, std::nullopt);
      return;
    }
    transfer->easy = easy;
    transfer->limit = options_.maximumBodyBytes;
    const HttpRequest& request = transfer->request;

    curl_easy_setopt(easy, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    // Whole milliseconds, at least 1: libcurl reads 0 as "no time-out", so a time-out under
    // a millisecond (or none at all, or not a number) becomes 1 ms; a day at most.
    double milliseconds = std::ceil(request.timeoutSeconds * 1000);
    if (!(milliseconds >= 1)) milliseconds = 1;
    milliseconds = std::min(milliseconds, 86400.0 * 1000);
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(milliseconds));
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(options_.maximumBodyBytes));
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, collectBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
    curl_easy_setopt(easy, CURLOPT_PRIVATE, transfer.get());

    if (request.method == "GET") {
      curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    } else {
      if (request.method != "POST") curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, request.method.c_str());
      curl_easy_setopt(easy, CURLOPT_POST, 1L);
      const std::string* body = request.body ? &*request.body : nullptr;
      curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                       static_cast<curl_off_t>(body ? body->size() : 0));
      curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body ? body->data() : "");
    }
    for (const auto& [name, value] : request.headers) {
      // libcurl takes "Name:" with nothing after the colon as "do not send Name"; a header
      // whose value is empty (or only blanks, which HTTP strips anyway) is written in
      // libcurl's "Name;" form, which sends it with an empty value.
      const bool blank = value.find_first_not_of(" \t") == std::string::npos;
      const std::string line = blank ? name + ";" : name + ": " + value;
      transfer->headers = curl_slist_append(transfer->headers, line.c_str());
    }
    // No "Expect: 100-continue" round trip before larger bodies.
    transfer->headers = curl_slist_append(transfer->headers, "Expect:");
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, transfer->headers);

    if (curl_multi_add_handle(multi_, easy) != CURLM_OK) {
      complete(*transfer, std::nullopt);
      return;
    }
    running_.emplace(easy, std::move(transfer));
  }

  void collectFinished() {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
      if (message->msg != CURLMSG_DONE) continue;
      CURL* easy = message->easy_handle;
      const CURLcode result = message->data.result;
      curl_multi_remove_handle(multi_, easy);
      auto it = running_.find(easy);
      if (it == running_.end()) continue;
      std::unique_ptr<Transfer> transfer = std::move(it->second);
      running_.erase(it);

      long opened = 0;
      if (curl_easy_getinfo(easy, CURLINFO_NUM_CONNECTS, &opened) == CURLE_OK && opened > 0) {
        connections_ += static_cast<std::uint64_t>(opened);
      }
      std::optional<HttpResponse> response;
      long status = 0;
      if (result == CURLE_OK && !transfer->tooLarge &&
          curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status > 0) {
        response = HttpResponse{status, std::move(transfer->received)};
      }
      // Keep a few handles for later transfers rather than making each one anew.
      if (idleHandles_.size() < kIdleHandlesKept) {
        idleHandles_.push_back(easy);
        transfer->easy = nullptr;
      }
      complete(*transfer, response);
    }
  }

  void complete(Transfer& transfer, const std::optional<HttpResponse>& response) {
    if (!transfer.step) return;
    MainQueue::Task task = transfer.step(response);
    if (task) mainQueue_.post(std::move(task));
  }

  MainQueue& mainQueue_;
  const Options options_;
  CURLM* multi_ = nullptr;
  std::thread thread_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Transfer>> incoming_;
  bool stopping_ = false;
  std::unordered_map<CURL*, std::unique_ptr<Transfer>> running_;  // network thread only
  static constexpr std::size_t kIdleHandlesKept = 8;
  std::vector<CURL*> idleHandles_;  // finished easy handles, network thread only
  std::atomic<std::uint64_t> connections_{0};
};

HttpClient::HttpClient(MainQueue& mainQueue, Options options)
    : worker_(std::make_shared<Worker>(mainQueue, options)) {}

HttpClient::~HttpClient() = default;

void HttpClient::send(HttpRequest request, ResponseStep step) {
  worker_->enqueue(std::move(request), std::move(step));
}

std::uint64_t HttpClient::connectionsOpened() const { return worker_->connectionsOpened(); }

}  // namespace oskel
