// Named notifications delivered synchronously, in the order observers were added, on
// the thread that posts (the main thread in this program).
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace oskel {

struct Notification {
  std::string name;
  std::any payload;  // empty for notifications that carry nothing
};

// Keeps an observer registered while it lives; destroying it removes the observer.
class Subscription {
 public:
  Subscription() = default;
  Subscription(Subscription&&) noexcept = default;
  Subscription& operator=(Subscription&&) noexcept;
  ~Subscription();
  void reset();

 private:
  friend class NotificationCenter;
  struct State;
  Subscription(std::weak_ptr<State> center, std::uint64_t id) : center_(std::move(center)), id_(id) {}
  std::weak_ptr<State> center_;
  std::uint64_t id_ = 0;
};

class NotificationCenter {
 public:
  using Observer = std::function<void(const Notification&)>;
  NotificationCenter();
  ~NotificationCenter();

  // The process-wide centre.
  static NotificationCenter& defaultCenter();

  [[nodiscard]] Subscription addObserver(std::string name, Observer observer);
  void post(const Notification& notification) const;
  void post(const std::string& name) const { post(Notification{name, {}}); }

 private:
  std::shared_ptr<Subscription::State> state_;
};

}  // namespace oskel
