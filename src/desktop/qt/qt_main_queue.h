// The MainQueue of the running program: Qt's event loop on the GUI thread.
//
// post() may be called from any thread (it queues onto the object's thread); delays and
// repeating timers are QTimers on the GUI thread and are measured on a monotonic clock.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "platform/main_queue.h"

namespace oskel {

class QtMainQueue : public QObject, public MainQueue {
 public:
  QtMainQueue();
  ~QtMainQueue() override;

  void post(Task task) override;
  void postAfter(double seconds, Task task) override;
  std::unique_ptr<Timer> startRepeating(double seconds, Task task) override;
  double now() const override;

 private:
  QElapsedTimer clock_;
};

}  // namespace oskel
