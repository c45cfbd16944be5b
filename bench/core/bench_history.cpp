// History benchmarks:
//  - add(text, sourceApp) on the main thread with 100 and with 100,000 clips: the cost
//    must not grow with the history (target ratio <= 1.5);
//  - loading a 100,000-clip history file, against a plain nlohmann::json::parse of the
//    same bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "base/files.h"
#include "history/history_file.h"
#include "history/history_loader.h"
#include "history/memory_store.h"

namespace {

using namespace oskel;

std::filesystem::path tempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "oskel-bench-XXXXXX").string();
  return ::mkdtemp(pattern.data());
}

std::vector<Clip> syntheticHistory(std::size_t n) {
  std::vector<Clip> clips;
  clips.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    std::string text = "Note " + std::to_string(i) + ": call +49 30 " + std::to_string(1000000 + i);
    clips.push_back(Clip{Uuid::random(), text, "Editor", 700000000.0 + static_cast<double>(i) * 0.37, {}, {}, {},
                         std::vector<std::string>{text, "+49 30 " + std::to_string(1000000 + i)}});
  }
  return clips;
}

void BM_AddText(benchmark::State& state) {
  const auto dir = tempDir();
  const auto n = static_cast<std::size_t>(state.range(0));
  files::createDirectories(dir);
  files::writeAtomically(dir / "clips.json", history_file::encode(syntheticHistory(n)));
  NotificationCenter center;
  auto store = std::make_unique<MemoryStore>(MemoryStore::Options{DataPaths::in(dir), &center, currentTimestamp});
  std::size_t i = 0;
  for (auto _ : state) {
    store->add("Copied text number " + std::to_string(i++) + " from the clipboard", "Editor");
    // Keep the history at its size so every iteration measures the same situation.
    state.PauseTiming();
    if (store->clips().size() > n + 64) {
      std::vector<Clip> newest;
      for (std::size_t k = 0; k < 64; ++k) newest.push_back(store->clips()[k]);
      store->remove(newest);
      store->waitUntilSaved();
    }
    state.ResumeTiming();
  }
  store.reset();
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_AddText)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_LoadHistory(benchmark::State& state) {
  const auto dir = tempDir();
  files::createDirectories(dir);
  files::writeAtomically(dir / "clips.json", history_file::encode(syntheticHistory(100000)));
  for (auto _ : state) benchmark::DoNotOptimize(loadHistory(DataPaths::in(dir)));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadHistory)->Unit(benchmark::kMillisecond);

void BM_NlohmannParseBaseline(benchmark::State& state) {
  const std::string bytes = history_file::encode(syntheticHistory(100000));
  for (auto _ : state) benchmark::DoNotOptimize(nlohmann::json::parse(bytes));
}
BENCHMARK(BM_NlohmannParseBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
