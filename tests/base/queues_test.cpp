#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "base/manual_main_queue.h"
#include "base/notification_center.h"
#include "base/serial_queue.h"

namespace oskel {
namespace {

TEST(ManualMainQueue, RunsExactlyWhatIsDueInTimeOrder) {
  ManualMainQueue queue;
  std::vector<std::string> ran;
  queue.postAfter(0.35, [&] { ran.push_back("b@0.35"); });
  queue.postAfter(0.18, [&] { ran.push_back("a@0.18"); });
  queue.post([&] { ran.push_back("now"); });
  auto timer = queue.startRepeating(0.16, [&] { ran.push_back("tick@" + std::to_string(queue.now()).substr(0, 4)); });

  EXPECT_EQ(queue.runDue(), 1);
  EXPECT_EQ(ran, std::vector<std::string>{"now"});
  ran.clear();
  queue.advance(0.17);  // only the first tick is due
  EXPECT_EQ(ran, std::vector<std::string>{"tick@0.16"});
  ran.clear();
  queue.advance(0.2);  // up to 0.37
  EXPECT_EQ(ran, (std::vector<std::string>{"a@0.18", "tick@0.32", "b@0.35"}));
  timer->cancel();
  ran.clear();
  queue.advance(1.0);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(queue.pendingCount(), 0u);
}

TEST(ManualMainQueue, TasksPostedWhileRunningAndTimersCancelledInsideThemselves) {
  ManualMainQueue queue;
  int ticks = 0;
  std::unique_ptr<Timer> timer;
  timer = queue.startRepeating(0.6, [&] {
    if (++ticks == 3) timer->cancel();
  });
  queue.advance(10);
  EXPECT_EQ(ticks, 3);

  std::vector<int> order;
  queue.post([&] {
    order.push_back(1);
    queue.post([&] { order.push_back(3); });
  });
  queue.post([&] { order.push_back(2); });
  queue.runDue();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(ManualMainQueue, WaitsForTasksPostedFromOtherThreads) {
  ManualMainQueue queue;
  std::atomic<bool> ranOnMain{false};
  const auto mainThread = std::this_thread::get_id();
  std::thread other([&] { queue.post([&] { ranOnMain = std::this_thread::get_id() == mainThread; }); });
  int ran = 0;
  while (ran == 0) ran += queue.waitForPosted(5.0);
  other.join();
  EXPECT_TRUE(ranOnMain);
}

TEST(NotificationCenter, DeliversByNameInOrderAndStopsWhenTheSubscriptionEnds) {
  NotificationCenter center;
  std::vector<std::string> seen;
  Subscription a = center.addObserver("clipsChanged", [&](const Notification&) { seen.push_back("a"); });
  Subscription b;
  {
    Subscription temporary = center.addObserver("clipsChanged", [&](const Notification&) { seen.push_back("t"); });
    b = center.addObserver("other", [&](const Notification& n) {
      seen.push_back(std::any_cast<std::string>(n.payload));
    });
    center.post("clipsChanged");
  }
  center.post("clipsChanged");
  center.post(Notification{"other", std::string("payload")});
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "t", "a", "payload"}));

  // An observer that removes itself while being notified.
  seen.clear();
  Subscription self;
  self = center.addObserver("x", [&](const Notification&) {
    seen.push_back("self");
    self.reset();
  });
  center.post("x");
  center.post("x");
  EXPECT_EQ(seen, std::vector<std::string>{"self"});
}

TEST(SerialQueue, RunsOneAtATimeInOrderAndDrainsOnDestruction) {
  std::vector<int> order;
  std::atomic<int> running{0};
  std::atomic<bool> overlapped{false};
  {
    SerialQueue queue;
    for (int i = 0; i < 50; ++i) {
      queue.async([&, i] {
        if (running.fetch_add(1) != 0) overlapped = true;
        order.push_back(i);
        running.fetch_sub(1);
      });
    }
    queue.waitUntilIdle();
    EXPECT_EQ(order.size(), 50u);
    for (int i = 50; i < 60; ++i) queue.async([&, i] { order.push_back(i); });
  }
  ASSERT_EQ(order.size(), 60u);
  for (int i = 0; i < 60; ++i) EXPECT_EQ(order[i], i);
  EXPECT_FALSE(overlapped);
}

}  // namespace
}  // namespace oskel
