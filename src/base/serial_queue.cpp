#include "base/serial_queue.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace oskel {

SerialQueue::SerialQueue() : worker_([this] { run(); }) {}

SerialQueue::~SerialQueue() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void SerialQueue::async(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  changed_.notify_all();
}

void SerialQueue::waitUntilIdle() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return tasks_.empty() && !busy_; });
}

void SerialQueue::run() {
  // Background work: lower this thread's priority (a failure leaves it as it is).
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return stopping_ || !tasks_.empty(); });
    if (tasks_.empty()) return;  // stopping, and nothing left to run
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    busy_ = true;
    lock.unlock();
    task();
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
}

}  // namespace oskel
