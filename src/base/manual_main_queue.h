// A MainQueue for tests, driven by a virtual clock: nothing runs until the test says
// so, and then exactly the tasks that are due run, in order of due time and posting.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/main_queue.h"

namespace oskel {

class ManualMainQueue : public MainQueue {
 public:
  ManualMainQueue();
  ~ManualMainQueue() override;

  void post(Task task) override;
  void postAfter(double seconds, Task task) override;
  std::unique_ptr<Timer> startRepeating(double seconds, Task task) override;
  double now() const override;

  // Runs every task due by now (including ones posted while running). Returns how many ran.
  int runDue();

  // Moves the clock forward by `seconds`, running each task when its moment comes.
  int advance(double seconds);

  // Blocks until another thread posts a task or `timeoutSeconds` of real time pass, then
  // runs what is due. For completions that arrive from real I/O threads. Returns tasks run.
  int waitForPosted(double timeoutSeconds);

  // Number of tasks waiting (timers count once each).
  std::size_t pendingCount() const;

 private:
  struct Entry;
  struct TimerState;
  class TimerHandle;
  void schedule(double due, Task task, std::shared_ptr<TimerState> timer);
  bool runNext(double until);

  mutable std::mutex mutex_;
  std::condition_variable posted_;
  std::vector<Entry> entries_;
  double now_ = 0;
  std::uint64_t sequence_ = 0;
  std::uint64_t postedCount_ = 0;
};

}  // namespace oskel
