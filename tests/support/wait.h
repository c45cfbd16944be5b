// Runs a ManualMainQueue until a condition holds, for completions that come back from
// real I/O threads. Gives up after `seconds` of real time.
#pragma once

#include <chrono>

#include "base/manual_main_queue.h"

namespace oskel::testing {

template <typename Condition>
bool runUntil(ManualMainQueue& queue, Condition condition, double seconds = 15) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  queue.runDue();
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    queue.waitForPosted(0.2);
  }
  return true;
}

}  // namespace oskel::testing
