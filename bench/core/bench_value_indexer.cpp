// indexValues on 20,000-character texts: adversarial shapes against a typical text of
// labelled lines, addresses and numbers (target: each within 10x of the typical one).
#include <benchmark/benchmark.h>

#include "history/value_indexer.h"

namespace {

std::string fill(const std::string& unit, std::size_t length = 20000) {
  std::string out;
  while (out.size() < length) out += unit;
  out.resize(length);
  return out;
}

std::string typical() {
  std::string out;
  for (int i = 0; out.size() < 20000; ++i) {
    out += "Name: Person " + std::to_string(i) + "\nEmail: person" + std::to_string(i) +
           "@example.com\nPhone: +49 30 " + std::to_string(1000000 + i) + "\nAddress: Hauptstr. " +
           std::to_string(i) + ", 10115 Berlin\nhttps://example.com/people/" + std::to_string(i) + "\n\n";
  }
  out.resize(20000);
  return out;
}

void run(benchmark::State& state, const std::string& text) {
  for (auto _ : state) benchmark::DoNotOptimize(oskel::indexValues(text));
}

void BM_Typical(benchmark::State& s) { run(s, typical()); }
void BM_Digits(benchmark::State& s) { run(s, fill("1")); }
void BM_DigitsThenAt(benchmark::State& s) { run(s, fill("1", 19990) + "@x y.zz@"); }
void BM_Letters(benchmark::State& s) { run(s, fill("a")); }
void BM_Spaces(benchmark::State& s) { run(s, "x" + fill(" ") + "x"); }
void BM_DotsAndBrackets(benchmark::State& s) { run(s, fill("1.(").append("1")); }
void BM_DigitSpaceRuns(benchmark::State& s) { run(s, fill("1 ")); }
void BM_OneCharacterLines(benchmark::State& s) { run(s, fill("a\n", 40000)); }  // 20,000 lines
void BM_ColonsNoSeparators(benchmark::State& s) { run(s, fill("a:b")); }
void BM_Tabs(benchmark::State& s) { run(s, fill("a\t")); }

BENCHMARK(BM_Typical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Digits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DigitsThenAt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Letters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Spaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DotsAndBrackets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DigitSpaceRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneCharacterLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColonsNoSeparators)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tabs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
