#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once plainly with warnings as
# errors, once under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz
# target briefly on its seed corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${OSKEL_BUILD_ROOT:-$root/build}
jobs=$(nproc)

bash "$root/scripts/setup.sh"

step() { printf '\n==== %s\n' "$*"; }

step "plain build (-Wall -Wextra -Werror)"
cmake -S "$root" -B "$build/plain" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSKEL_WERROR=ON >/dev/null
cmake --build "$build/plain" -j "$jobs"

step "address and undefined-behaviour sanitizer build"
cmake -S "$root" -B "$build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOSKEL_WERROR=ON -DOSKEL_SANITIZE=ON \
  -DOSKEL_BENCH=OFF >/dev/null
cmake --build "$build/asan" -j "$jobs"

step "fuzz targets (clang, libFuzzer)"
CC=clang CXX=clang++ cmake -S "$root" -B "$build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DOSKEL_FUZZ=ON -DOSKEL_DESKTOP=OFF -DOSKEL_BENCH=OFF -DOSKEL_WERROR=ON >/dev/null
cmake --build "$build/fuzz" -j "$jobs" --target fuzz_targets

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

step "fuzzing briefly"
for target in $(find "$build/fuzz/fuzz" -type f -executable -name 'fuzz_*' | sort); do
  name=$(basename "$target")
  work=$(mktemp -d)
  # Seeds live in fuzz/corpus/<name> or, for a subsystem's target, fuzz/<subsystem>/corpus.
  for corpus in "$root/fuzz/corpus/${name#fuzz_}" "$root/fuzz/$(basename "$(dirname "$target")")/corpus"; do
    [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  done
  echo "-- $name"
  "$target" -max_total_time="${OSKEL_FUZZ_SECONDS:-20}" -print_final_stats=0 "$work" 2>&1 | tail -n 2
  rm -rf "$work"
done

step "tests under the sanitizers"
"$root/scripts/with-desktop.sh" ctest --test-dir "$build/asan" --output-on-failure -j 2 --timeout 600

step "tests, plain build"
"$root/scripts/with-desktop.sh" ctest --test-dir "$build/plain" --output-on-failure -j 2 --timeout 600
