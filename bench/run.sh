#!/usr/bin/env bash
# Builds the benchmarks (Release), runs every one and prints its figures, then the
# ratios listed in bench/ratios.txt ("numerator denominator target description").
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${OSKEL_BUILD_ROOT:-$root/build}/bench
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DOSKEL_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
out=$(mktemp -d)
for program in $(find "$build/bench" -maxdepth 2 -type f -executable -name 'bench_*' | sort); do
  name=$(basename "$program")
  echo "== $name"
  "$program" --benchmark_format=console --benchmark_out="$out/$name.json" --benchmark_out_format=json \
    --benchmark_counters_tabular=true 2>/dev/null | grep -E '^(BM_|-|Benchmark)' || true
done
python3 "$root/bench/ratios.py" "$root/bench/ratios.txt" "$out"
rm -rf "$out"
