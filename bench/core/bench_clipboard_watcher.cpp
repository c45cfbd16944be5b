// Clipboard watcher benchmark: 10,000 idle ticks (the clipboard does not change) driven by
// the poll timer on the virtual-clock main queue. An idle tick must read only the change
// count: the counters "contentReads", "frontmostReads" and "settingsReads" must stay 0.
// Baselines: the same 10,000 ticks of an empty timer (ratio target <= 1.5: the watcher
// adds next to nothing to the timer itself), and 10,000 bare change-count reads.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/manual_main_queue.h"
#include "history/clipboard_watcher.h"
#include "history/image_intake.h"
#include "history/memory_store.h"

namespace {

using namespace oskel;

class CountingPasteboard : public Pasteboard {
 public:
  std::int64_t changeCount() const override { return count; }
  std::vector<std::string> types() const override { return ++contentReads, std::vector<std::string>{}; }
  std::optional<std::string> data(std::string_view) const override { return ++contentReads, std::nullopt; }
  std::optional<std::string> otherImageData() const override { return ++contentReads, std::nullopt; }
  std::optional<std::string> string() const override { return ++contentReads, std::nullopt; }
  std::vector<PasteboardItem> items() const override { return ++contentReads, std::vector<PasteboardItem>{}; }
  bool clearContents() override { return false; }
  bool writeString(std::string_view) override { return false; }
  bool writeImage(std::string_view) override { return false; }
  bool writeItems(const std::vector<PasteboardItem>&) override { return false; }
  std::int64_t ownContentFetchCount() const override { return 0; }
  std::int64_t count = 7;
  mutable std::int64_t contentReads = 0;
};

class NoWorkspace : public Workspace {
 public:
  std::optional<FrontmostApplication> frontmostApplication() const override { return ++reads, std::nullopt; }
  bool activate(const FrontmostApplication&) override { return false; }
  bool openURL(const std::string&) override { return false; }
  mutable std::int64_t reads = 0;
};

class NoDefaults : public Defaults {
 public:
  std::optional<std::string> string(const std::string&) const override { return std::nullopt; }
  bool boolean(const std::string&) const override { return ++reads, false; }
  void setString(const std::string&, const std::string&) override {}
  void setBoolean(const std::string&, bool) override {}
  void remove(const std::string&) override {}
  mutable std::int64_t reads = 0;
};

class NoCodec : public ImageCodec {
 public:
  std::optional<std::vector<PixelSize>> sizes(std::string_view) const override { return std::nullopt; }
  std::optional<std::string> renderPng(std::string_view, std::size_t, PixelSize) const override { return std::nullopt; }
  std::shared_ptr<const Image> decode(std::string) const override { return nullptr; }
};

constexpr int kTicks = 10000;

void BM_WatcherIdleTicks(benchmark::State& state) {
  std::string pattern = (std::filesystem::temp_directory_path() / "oskel-bench-XXXXXX").string();
  const std::filesystem::path dir = ::mkdtemp(pattern.data());
  NotificationCenter center;
  MemoryStore store(MemoryStore::Options{DataPaths::in(dir), &center});
  NoCodec codec;
  ImageIntake intake(store, codec);
  CountingPasteboard pasteboard;
  NoWorkspace workspace;
  NoDefaults defaults;
  ManualMainQueue queue;
  ClipboardWatcher watcher({pasteboard, workspace, defaults, queue, store, intake});
  watcher.start();
  for (auto _ : state) {
    // 10,000 ticks of 0.6 s each, run by the virtual clock.
    benchmark::DoNotOptimize(queue.advance(kTicks * ClipboardWatcher::kPollInterval + 0.3));
  }
  state.counters["contentReads"] = static_cast<double>(pasteboard.contentReads);
  state.counters["frontmostReads"] = static_cast<double>(workspace.reads);
  state.counters["settingsReads"] = static_cast<double>(defaults.reads);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WatcherIdleTicks)->Unit(benchmark::kMicrosecond);

// Baseline: the timer alone, ticking 10,000 times with nothing to do.
void BM_EmptyTimerTicks(benchmark::State& state) {
  ManualMainQueue queue;
  std::int64_t ticks = 0;
  auto timer = queue.startRepeating(ClipboardWatcher::kPollInterval, [&ticks] { ++ticks; });
  for (auto _ : state) benchmark::DoNotOptimize(queue.advance(kTicks * ClipboardWatcher::kPollInterval + 0.3));
  state.counters["ticks"] = static_cast<double>(ticks);
}
BENCHMARK(BM_EmptyTimerTicks)->Unit(benchmark::kMicrosecond);

// Baseline: the same number of change-count reads and comparisons, through the interface.
void BM_ChangeCountReads(benchmark::State& state) {
  CountingPasteboard pasteboard;
  const Pasteboard& board = pasteboard;
  std::int64_t last = board.changeCount();
  for (auto _ : state) {
    int changed = 0;
    for (int i = 0; i < kTicks; ++i) {
      benchmark::DoNotOptimize(&board);
      changed += board.changeCount() != last;
    }
    benchmark::DoNotOptimize(changed);
  }
}
BENCHMARK(BM_ChangeCountReads)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
