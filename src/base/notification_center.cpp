#include "base/notification_center.h"

#include <vector>

namespace oskel {

struct Subscription::State {
  struct Entry {
    std::uint64_t id;
    std::string name;
    std::shared_ptr<NotificationCenter::Observer> observer;
  };
  std::vector<Entry> entries;
  std::uint64_t nextId = 1;
};

Subscription& Subscription::operator=(Subscription&& other) noexcept {
  if (this != &other) {
    reset();
    center_ = std::move(other.center_);
    id_ = other.id_;
    other.id_ = 0;
  }
  return *this;
}

Subscription::~Subscription() { reset(); }

void Subscription::reset() {
  if (auto state = center_.lock()) {
    std::erase_if(state->entries, [&](const State::Entry& e) { return e.id == id_; });
  }
  center_.reset();
  id_ = 0;
}

NotificationCenter::NotificationCenter() : state_(std::make_shared<Subscription::State>()) {}
NotificationCenter::~NotificationCenter() = default;

NotificationCenter& NotificationCenter::defaultCenter() {
  static NotificationCenter* center = new NotificationCenter();  // lives until exit
  return *center;
}

Subscription NotificationCenter::addObserver(std::string name, Observer observer) {
  const std::uint64_t id = state_->nextId++;
  state_->entries.push_back({id, std::move(name), std::make_shared<Observer>(std::move(observer))});
  return Subscription(state_, id);
}

void NotificationCenter::post(const Notification& notification) const {
  // Observers may add or remove observers while being notified: work on a copy.
  std::vector<std::shared_ptr<Observer>> targets;
  for (const auto& e : state_->entries) {
    if (e.name == notification.name) targets.push_back(e.observer);
  }
  for (const auto& observer : targets) (*observer)(notification);
}

}  // namespace oskel
