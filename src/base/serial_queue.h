// One worker thread that runs submitted tasks one at a time, in submission order,
// at low priority. Destruction runs what is still queued, then joins.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace oskel {

class SerialQueue {
 public:
  SerialQueue();
  ~SerialQueue();
  SerialQueue(const SerialQueue&) = delete;
  SerialQueue& operator=(const SerialQueue&) = delete;

  // Any thread.
  void async(std::function<void()> task);

  // Blocks until every task submitted before the call has finished.
  void waitUntilIdle();

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> tasks_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace oskel
