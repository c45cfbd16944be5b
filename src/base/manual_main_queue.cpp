#include "base/manual_main_queue.h"

#include <algorithm>
#include <atomic>
#include <chrono>

namespace oskel {

struct ManualMainQueue::TimerState {
  double interval = 0;
  std::atomic<bool> cancelled{false};
};

struct ManualMainQueue::Entry {
  double due;
  std::uint64_t sequence;
  Task task;
  std::shared_ptr<TimerState> timer;
};

class ManualMainQueue::TimerHandle : public Timer {
 public:
  explicit TimerHandle(std::shared_ptr<TimerState> state) : state_(std::move(state)) {}
  ~TimerHandle() override { cancel(); }
  void cancel() override { state_->cancelled = true; }

 private:
  std::shared_ptr<TimerState> state_;
};

ManualMainQueue::ManualMainQueue() = default;
ManualMainQueue::~ManualMainQueue() = default;

void ManualMainQueue::schedule(double due, Task task, std::shared_ptr<TimerState> timer) {
  std::lock_guard lock(mutex_);
  entries_.push_back(Entry{due, sequence_++, std::move(task), std::move(timer)});
  ++postedCount_;
  posted_.notify_all();
}

void ManualMainQueue::post(Task task) {
  double due;
  {
    std::lock_guard lock(mutex_);
    due = now_;
  }
  schedule(due, std::move(task), nullptr);
}

void ManualMainQueue::postAfter(double seconds, Task task) {
  schedule(now() + std::max(0.0, seconds), std::move(task), nullptr);
}

std::unique_ptr<Timer> ManualMainQueue::startRepeating(double seconds, Task task) {
  auto state = std::make_shared<TimerState>();
  state->interval = seconds;
  schedule(now() + seconds, std::move(task), state);
  return std::make_unique<TimerHandle>(state);
}

double ManualMainQueue::now() const {
  std::lock_guard lock(mutex_);
  return now_;
}

std::size_t ManualMainQueue::pendingCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<std::size_t>(std::count_if(entries_.begin(), entries_.end(), [](const Entry& e) {
    return !e.timer || !e.timer->cancelled;
  }));
}

bool ManualMainQueue::runNext(double until) {
  Entry entry;
  {
    std::lock_guard lock(mutex_);
    // Cancelled timers leave the queue without running.
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [](const Entry& e) { return e.timer && e.timer->cancelled; }),
                   entries_.end());
    auto next = std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
      return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
    });
    if (next == entries_.end() || next->due > until) return false;
    entry = std::move(*next);
    entries_.erase(next);
    now_ = std::max(now_, entry.due);
  }
  if (entry.timer) {
    // Re-arm first so that a timer cancelled inside its own task stops.
    schedule(entry.due + entry.timer->interval, entry.task, entry.timer);
  }
  entry.task();
  return true;
}

int ManualMainQueue::runDue() {
  int ran = 0;
  while (runNext(now())) ++ran;
  return ran;
}

int ManualMainQueue::advance(double seconds) {
  const double target = now() + seconds;
  int ran = 0;
  while (runNext(target)) ++ran;
  std::lock_guard lock(mutex_);
  now_ = std::max(now_, target);
  return ran;
}

int ManualMainQueue::waitForPosted(double timeoutSeconds) {
  {
    std::unique_lock lock(mutex_);
    const std::uint64_t seen = postedCount_;
    const double current = now_;
    auto ready = [&] {
      return postedCount_ != seen || std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
               return e.due <= current && (!e.timer || !e.timer->cancelled);
             });
    };
    posted_.wait_for(lock, std::chrono::duration<double>(timeoutSeconds), ready);
  }
  return runDue();
}

}  // namespace oskel
