// A process killed in the middle of a stream of saves leaves a history that is exactly
// one of the states it saved: never empty by accident, never torn.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "history/memory_store.h"
#include "support/temp_dir.h"

namespace oskel {
namespace {

[[noreturn]] void writeForever(const std::filesystem::path& data, int startAt, int progressFd) {
  NotificationCenter center;
  MemoryStore store(MemoryStore::Options{DataPaths::in(data), &center, currentTimestamp});
  for (int i = startAt;; ++i) {
    store.add("clip-" + std::to_string(i) + std::string(static_cast<std::size_t>(i % 7) * 50, '.'), "Writer");
    // Every tenth add waits for the disk, so the parent knows what must have been saved.
    if ((i - startAt + 1) % 10 == 0) store.waitUntilSaved();
    const char tick = 1;
    if (write(progressFd, &tick, 1) != 1) _exit(1);
  }
}

// The clip numbers in the history, newest first.
std::vector<int> numbersIn(const std::filesystem::path& data) {
  NotificationCenter center;
  MemoryStore store(MemoryStore::Options{DataPaths::in(data), &center, currentTimestamp});
  std::vector<int> numbers;
  store.clips().forEach([&](const Clip& c) {
    numbers.push_back(std::stoi(c.text.substr(5)));
    return true;
  });
  return numbers;
}

TEST(CrashSafety, KilledWritersLeaveOneOfTheSavedStates) {
  testing::TempDir dir;
  const auto data = dir.path() / "data";
  int next = 0;
  int newestSeen = -1;
  for (int round = 0; round < 6; ++round) {
    int progress[2];
    ASSERT_EQ(pipe(progress), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(progress[0]);
      writeForever(data, next, progress[1]);
    }
    close(progress[1]);
    const int addsBeforeKill = 20 + round * 37;
    char tick;
    for (int seen = 0; seen < addsBeforeKill; ++seen) ASSERT_EQ(read(progress[0], &tick, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(progress[0]);

    std::vector<int> numbers = numbersIn(data);
    ASSERT_FALSE(numbers.empty()) << "round " << round;
    ASSERT_GE(numbers.front(), next + addsBeforeKill / 10 * 10 - 1) << "a state known to be saved is lost";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      ASSERT_EQ(numbers[i], numbers.front() - static_cast<int>(i)) << "a gap or a torn state in round " << round;
    }
    ASSERT_EQ(numbers.back(), 0);
    ASSERT_GE(numbers.front(), newestSeen);
    newestSeen = numbers.front();
    next = numbers.front() + 1;
  }
}

}  // namespace
}  // namespace oskel
