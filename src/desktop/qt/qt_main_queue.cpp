#include "desktop/qt/qt_main_queue.h"

#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <cmath>

namespace oskel {
namespace {

int milliseconds(double seconds) {
  if (!(seconds > 0)) return 0;
  return static_cast<int>(std::min(std::ceil(seconds * 1000.0), 2.0e9));
}

// A repeating QTimer owned by the handle; destroying or cancelling the handle stops it.
class QtRepeatingTimer : public Timer {
 public:
  QtRepeatingTimer(QObject* context, double seconds, MainQueue::Task task) : timer_(new QTimer(context)) {
    QObject::connect(timer_, &QTimer::timeout, timer_, std::move(task));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->start(std::max(1, milliseconds(seconds)));
  }
  ~QtRepeatingTimer() override { cancel(); }
  void cancel() override {
    // Stop first: the QTimer is only deleted once the loop handles the deferred delete,
    // and until then an overdue timeout would still be delivered.
    if (timer_) {
      timer_->stop();
      timer_->deleteLater();
    }
    timer_.clear();
  }

 private:
  QPointer<QTimer> timer_;
};

}  // namespace

QtMainQueue::QtMainQueue() { clock_.start(); }
QtMainQueue::~QtMainQueue() = default;

void QtMainQueue::post(Task task) {
  QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void QtMainQueue::postAfter(double seconds, Task task) {
  QTimer::singleShot(milliseconds(seconds), Qt::PreciseTimer, this, std::move(task));
}

std::unique_ptr<Timer> QtMainQueue::startRepeating(double seconds, Task task) {
  return std::make_unique<QtRepeatingTimer>(this, seconds, std::move(task));
}

double QtMainQueue::now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e9; }

}  // namespace oskel
