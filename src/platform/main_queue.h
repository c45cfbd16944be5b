// The main thread's run loop. All program state belongs to the thread that runs it.
// On the desktop it is Qt's event loop; tests use ManualMainQueue and its virtual clock.
#pragma once

#include <functional>
#include <memory>

namespace oskel {

// A repeating timer; it stops when cancelled or destroyed.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void cancel() = 0;
};

class MainQueue {
 public:
  using Task = std::function<void()>;
  virtual ~MainQueue() = default;

  // Runs the task on the main thread soon, after the tasks already posted. Any thread.
  virtual void post(Task task) = 0;

  // Runs the task on the main thread once `seconds` have passed. Main thread only.
  virtual void postAfter(double seconds, Task task) = 0;

  // Runs the task every `seconds` until the returned timer is cancelled or destroyed.
  // Main thread only.
  virtual std::unique_ptr<Timer> startRepeating(double seconds, Task task) = 0;

  // Monotonic seconds, the clock that the delays above are measured on.
  virtual double now() const = 0;
};

}  // namespace oskel
