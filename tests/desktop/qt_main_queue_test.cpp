// The program's MainQueue on Qt's event loop: posts from other threads run on the GUI
// thread in order, delays run in order of their moment, repeating timers stop when cancelled.
#include "desktop/qt/qt_main_queue.h"

#include <gtest/gtest.h>

#include <QThread>
#include <chrono>
#include <thread>
#include <vector>

#include "desktop_test_support.h"

namespace oskel {
namespace {

TEST(QtMainQueue, PostsDelaysAndTimersRunOnTheGuiThreadInOrder) {
  QtMainQueue queue;
  std::vector<int> order;
  bool allOnGuiThread = true;
  auto record = [&](int n) {
    return [&, n] {
      allOnGuiThread = allOnGuiThread && QThread::currentThread() == queue.thread();
      order.push_back(n);
    };
  };
  queue.postAfter(0.06, record(4));
  queue.postAfter(0.03, record(3));
  std::thread other([&] {
    queue.post(record(1));
    queue.post(record(2));
  });
  other.join();
  const double start = queue.now();
  ASSERT_TRUE(testing::waitUntil([&] { return order.size() == 4; }));
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_TRUE(allOnGuiThread);
  EXPECT_GE(queue.now() - start, 0.05);

  int ticks = 0;
  std::unique_ptr<Timer> timer = queue.startRepeating(0.01, [&] {
    if (++ticks == 3) timer->cancel();
  });
  ASSERT_TRUE(testing::waitUntil([&] { return ticks >= 3; }));
  bool later = false;
  queue.postAfter(0.05, [&] { later = true; });
  ASSERT_TRUE(testing::waitUntil([&] { return later; }));
  EXPECT_EQ(ticks, 3);  // cancelled inside its own tick: no fourth
}

TEST(QtMainQueue, ACancelledTimerNeverTicksAgainEvenWhenOverdue) {
  QtMainQueue queue;
  int ticks = 0;
  std::unique_ptr<Timer> timer = queue.startRepeating(0.001, [&] { ++ticks; });
  // Let the timer fall due without running the loop, then cancel it from outside a tick:
  // the overdue timeout must not be delivered afterwards.
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  timer->cancel();
  bool later = false;
  queue.postAfter(0.05, [&] { later = true; });
  ASSERT_TRUE(testing::waitUntil([&] { return later; }));
  EXPECT_EQ(ticks, 0);

  std::unique_ptr<Timer> destroyed = queue.startRepeating(0.001, [&] { ++ticks; });
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  destroyed.reset();
  later = false;
  queue.postAfter(0.05, [&] { later = true; });
  ASSERT_TRUE(testing::waitUntil([&] { return later; }));
  EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace oskel
